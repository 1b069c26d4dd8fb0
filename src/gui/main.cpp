#include <QApplication>
#include <QMainWindow>
#include <QStringList>

#include <csignal>

#include "gui/MainController.h"
#include "gui/SingleInstance.h"
#include "gui/TerminationSignals.h"
#include "codec/ImageCodec.h"
#include "codec/PrivateTemporaryFolder.h"
#include "core/Translations.h"

int main(int argc, char* argv[])
{
    // libvips' intermediate files go to a folder of this process's own; it changes the
    // environment, so it comes before any other thread exists, and so does libvips.
    const PrivateTemporaryFolder temporaryFolder;
    ImageCodec::initialise(argv[0]);

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QApplication::setApplicationName(QStringLiteral("Ostrel"));
    QApplication::setApplicationVersion(QStringLiteral(OSTREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.ostrel.Ostrel"));
    Translations::install(app);
    // A file that outgrows the size limit must fail its write, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    // A request to end the process (the session's SIGTERM, Ctrl-C, a closed terminal) is
    // caught here and answered once the window exists.
    TerminationSignals terminationSignals;
    terminationSignals.install({ SIGTERM, SIGINT, SIGHUP });

    // One running instance per user: a second launch hands its files over and ends.
    SingleInstance instance;
    const QStringList files = SingleInstance::absolutePaths(QApplication::arguments().mid(1));
    if (!instance.listen() && instance.sendFiles(files))
        return 0;

    MainController controller;
    controller.show();
    // Such a request closes the main window without asking: a running batch completes its
    // image in progress first, so no partial file is left behind. (QApplication::quit() would
    // first ask every window to close, and the progress sheet answers a close with "stop"
    // and stays open, which cancels that quit.)
    QObject::connect(&terminationSignals, &TerminationSignals::received, &controller,
        &MainController::endSession);

    // Files handed over at launch find the list already made; later ones arrive from other
    // launches, also while a batch runs (that batch then processes them too).
    if (!files.isEmpty())
        controller.addFiles(files);
    QObject::connect(&instance, &SingleInstance::filesReceived, &controller,
        [&controller](const QStringList& paths) {
            if (!paths.isEmpty())
                controller.addFiles(paths);
            QMainWindow* window = controller.window();
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->raise();
            window->activateWindow();
        });

    return QApplication::exec();
}
