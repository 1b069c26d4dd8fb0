#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <memory>

#include "gui/ImagesPage.h"
#include "gui/MainController.h"
#include "gui/MainWindow.h"
#include "gui/PresetRun.h"
#include "gui/SingleInstance.h"
#include "gui/StartupOptions.h"
#include "gui/TerminationSignals.h"
#include "codec/FileNames.h"
#include "codec/ImageCodec.h"
#include "codec/PrivateTemporaryFolder.h"
#include "core/Translations.h"

namespace {

// The arguments as the program was given them, in any bytes (after QApplication has taken
// its own options out).
QStringList rawArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FileNames::decode(argv[i]);
    return arguments;
}

void setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OSTREL_VERSION));
}

// Help, version and a refused command line: a text on the terminal, no window system needed.
int answerOnTerminal(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    setApplicationNames();
    Translations::install(app);
    const StartupOptions options = StartupOptions::parse(rawArguments(argc, argv));
    switch (options.action()) {
    case StartupOptions::Action::ShowHelp:
        std::fputs(options.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case StartupOptions::Action::ShowVersion:
        std::printf("ostrel %s\n", OSTREL_VERSION);
        return 0;
    default:
        std::fprintf(stderr, "ostrel: %s\n", options.errorText().toLocal8Bit().constData());
        return 2;
    }
}

// Why a preset run cannot start, on the terminal and in a message box (the file manager that
// started it shows no terminal), which a request to end the process closes.
void refusePresetRun(const QString& problem, TerminationSignals& terminationSignals)
{
    std::fprintf(stderr, "ostrel: %s\n", problem.toLocal8Bit().constData());
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("PresetRun", "Ostrel"),
        QCoreApplication::translate("PresetRun", "The images cannot be resized."),
        QMessageBox::Ok);
    box.setWindowIcon(MainWindow::applicationIcon());
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(problem);
    QObject::connect(&terminationSignals, &TerminationSignals::received, &box, &QDialog::reject);
    box.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    // libvips' intermediate files go to a folder of this process's own; it changes the
    // environment, so it comes before any other thread exists, and so does libvips.
    const PrivateTemporaryFolder temporaryFolder;
    ImageCodec::initialise(argv[0]);

    // Read once without translations to learn whether a window system is needed at all.
    if (!StartupOptions::parse(rawArguments(argc, argv)).needsWindowSystem())
        return answerOnTerminal(argc, argv);

    QApplication app(argc, argv);
    setApplicationNames();
    QApplication::setDesktopFileName(QStringLiteral("io.github.ostrel.Ostrel"));
    Translations::install(app);
    const StartupOptions options = StartupOptions::parse(rawArguments(argc, argv));
    if (options.action() == StartupOptions::Action::Refuse) {
        std::fprintf(stderr, "ostrel: %s\n", options.errorText().toLocal8Bit().constData());
        return 2;
    }
    // A file that outgrows the size limit must fail its write, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    // A request to end the process (the session's SIGTERM, Ctrl-C, a closed terminal) is
    // caught here and answered once the window exists.
    TerminationSignals terminationSignals;
    terminationSignals.install({ SIGTERM, SIGINT, SIGHUP });
    const QStringList files = SingleInstance::absolutePaths(options.files());

    // A preset run is a process of its own, beside any window: its small window shows the
    // progress and its notification the outcome; the process ends with it.
    if (options.action() == StartupOptions::Action::RunPreset) {
        PresetRun run;
        if (const QString problem = run.prepare(options.presetName(), files);
            !problem.isEmpty()) {
            refusePresetRun(problem, terminationSignals);
            return 2;
        }
        // Its windows come and go (the progress, maybe the alert); the run says when it ends.
        QApplication::setQuitOnLastWindowClosed(false);
        QObject::connect(&run, &PresetRun::ended, &app, &QCoreApplication::quit,
            Qt::QueuedConnection);
        QObject::connect(
            &terminationSignals, &TerminationSignals::received, &run, &PresetRun::terminate);
        run.start();
        QApplication::exec();
        return run.exitStatus();
    }

    // One running instance per user: a second launch hands its files over and ends.
    SingleInstance instance;
    const bool addImages = options.action() == StartupOptions::Action::AddImages;
    if (!instance.listen()
        && (addImages ? instance.sendFilesAndAddImages(files) : instance.sendFiles(files)))
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
    if (addImages)
        controller.window()->imagesPage()->chooseFiles();
    QObject::connect(&instance, &SingleInstance::filesReceived, &controller,
        [&controller](const QStringList& paths) {
            if (!paths.isEmpty())
                controller.addFiles(paths);
            QMainWindow* window = controller.window();
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->raise();
            window->activateWindow();
        });
    QObject::connect(&instance, &SingleInstance::addImagesRequested, &controller,
        [&controller] { controller.window()->imagesPage()->chooseFiles(); });

    return QApplication::exec();
}
