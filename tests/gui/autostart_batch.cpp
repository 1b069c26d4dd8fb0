// Linked into a second build of the application's own main() for the tests: once the event
// loop runs, it clicks Resize in the main window as a user would, so that a test can act on a
// real application process while its batch runs.

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace {

void clickResizeOnceRunning()
{
    // Posted now, while the application object is being made; delivered by the event loop,
    // after main() has shown the window and opened the files.
    QTimer::singleShot(0, qApp, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* resize = window->findChild<QPushButton*>(QStringLiteral("resizeButton"))) {
                resize->click();
                return;
            }
        }
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(clickResizeOnceRunning)
