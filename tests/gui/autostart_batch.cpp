// Linked into a second build of the application's own main() for the tests: once the event
// loop runs, it clicks Resize in the main window as a user would, so that a test can act on a
// real application process while its batch runs. It tells on standard error each image the
// batch reaches ("autostart: image N") and the stop of the batch once the run flag is down
// ("autostart: stopping"), so that the test knows where the batch is without timing it.

#include <cstdio>

#include <QApplication>
#include <QByteArray>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace {

void tell(const QByteArray& line)
{
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
}

void clickResizeOnceRunning()
{
    // Posted now, while the application object is being made; delivered by the event loop,
    // after main() has shown the window and opened the files.
    QTimer::singleShot(0, qApp, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* resize = window->findChild<QPushButton*>(QStringLiteral("resizeButton"));
            if (!resize)
                continue;
            // Connected after the window's own handlers, so each runs after them: the stop
            // is told once the flag is already down.
            if (auto* bar = window->findChild<QProgressBar*>(QStringLiteral("progressBar"))) {
                QObject::connect(bar, &QProgressBar::valueChanged, [](int value) {
                    if (value > 0)
                        tell("autostart: image " + QByteArray::number(value) + '\n');
                });
            }
            if (auto* stop = window->findChild<QPushButton*>(QStringLiteral("stopButton")))
                QObject::connect(
                    stop, &QPushButton::clicked, [] { tell("autostart: stopping\n"); });
            resize->click();
            return;
        }
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(clickResizeOnceRunning)
