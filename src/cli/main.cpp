// ostrel-batch: one batch over the files given, with the settings of Ostrel's window, through
// the same list and worker as the window. Progress and the summary go to standard error.

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

#include "cli/CliOptions.h"
#include "cli/CliProgress.h"
#include "batch/BatchArguments.h"
#include "batch/BatchLog.h"
#include "batch/BatchResizer.h"
#include "core/ImageCodec.h"
#include "core/LocalizedText.h"
#include "settings/Settings.h"

namespace {

constexpr int kExitWritten = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// What the interrupt handler may touch: a lock-free pointer and messages made beforehand.
std::atomic<BatchResizer*> gResizer { nullptr };
char gStopMessage[256] = {};
size_t gStopMessageLength = 0;
constexpr char kAbandonMessage[] = "\nAbandoning the images in progress.\n";

void writeMessage(const char* text, size_t length)
{
    if (length > 0) {
        const ssize_t ignored = ::write(STDERR_FILENO, text, length);
        (void)ignored;
    }
}

// Ctrl-C (or a polite kill, or the terminal going away) works like the window's stop control:
// the images in progress complete, no further image begins, then the summary. A second one
// while stopping does not wait for them: they are abandoned at once, leaving nothing.
// Only async-signal-safe calls here.
extern "C" void onInterrupt(int)
{
    const int savedErrno = errno;
    BatchResizer* resizer = gResizer.load();
    if (resizer && !resizer->mayContinue()) {
        resizer->abandonImage();
        writeMessage(kAbandonMessage, sizeof kAbandonMessage - 1);
    } else {
        if (resizer)
            resizer->setMayContinue(false);
        writeMessage(gStopMessage, gStopMessageLength);
    }
    errno = savedErrno;
}

void installInterruptHandler(BatchResizer* resizer)
{
    const QByteArray message
        = "\n" + LocalizedText::text("_StoppingAfterCurrent").toLocal8Bit() + "\n";
    gStopMessageLength = std::min(sizeof gStopMessage, static_cast<size_t>(message.size()));
    std::memcpy(gStopMessage, message.constData(), gStopMessageLength);
    gResizer.store(resizer);
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

void removeInterruptHandler()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
    gResizer.store(nullptr);
}

void printError(const QString& message)
{
    std::fprintf(stderr, "ostrel-batch: %s\n", message.toLocal8Bit().constData());
}

int usageError(const QString& message)
{
    printError(message);
    std::fputs("Try 'ostrel-batch --help' for the options.\n", stderr);
    return kExitUsage;
}

// Why the list would not take a file named on the command line; empty when it takes it. The
// list goes by the extension alone; a folder is named here as well, since the command line,
// unlike the window, does not search folders.
QString notTakenReason(const BatchResizer& resizer, const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("a folder (ostrel-batch does not search folders)");
    if (resizer.images().hasAcceptedExtension(path))
        return QString();
    const QString suffix = info.suffix();
    if (!suffix.isEmpty()
        && resizer.images().hasAcceptedExtension(QStringLiteral("x.") + suffix.toLower()))
        return QStringLiteral("the extension \".%1\" is taken only in lower or in upper case "
                              "(\".%2\" or \".%3\")")
            .arg(suffix, suffix.toLower(), suffix.toUpper());
    return QStringLiteral("not a file type that Ostrel reads");
}

// Stores the options given into the user's settings; false, after saying so, when the
// settings file could not be written.
bool saveSettings(const CliOptions& options, Settings& user)
{
    options.applyTo(user);
    if (user.sync())
        return true;
    const QString file = QSettings(QStringLiteral("Ostrel"), QStringLiteral("Ostrel")).fileName();
    printError(QStringLiteral("the settings could not be saved to \"%1\"").arg(file));
    return false;
}

void printSummary(const ClosingReport& report, qint64 elapsedMs)
{
    const BatchResult& result = report.result;
    QString text
        = report.messageText + QStringLiteral(". ") + report.informativeText + QLatin1Char('\n');
    if (!report.detailedText.isEmpty()) {
        for (const QString& line : report.detailedText.split(QLatin1Char('\n')))
            text += QStringLiteral("  ") + line + QLatin1Char('\n');
    }
    const QString seconds = QLocale().toString(static_cast<double>(elapsedMs) / 1000.0, 'f', 1);
    text += LocalizedText::text("_BatchSummary",
                { QString::number(result.written), QString::number(result.errorCount()),
                    QString::number(result.notProcessed()), seconds })
        + QLatin1Char('\n');
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

} // namespace

int main(int argc, char* argv[])
{
    // libvips starts before any other thread exists.
    ImageCodec::initialise(argv[0]);
    // A file that outgrows the size limit must fail its write, not end the process; nor does
    // a standard error whose reader has gone (its messages are then lost, the batch is not).
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);

    QCoreApplication app(argc, argv);
    // The window's names, so that its settings file and its log are the ones used here.
    QCoreApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OSTREL_VERSION));
    LocalizedText::install(app);

    const CliOptions options = CliOptions::parse(QCoreApplication::arguments());
    switch (options.action()) {
    case CliOptions::Action::Help:
        std::fputs(options.helpText().toLocal8Bit().constData(), stdout);
        return kExitWritten;
    case CliOptions::Action::Version:
        std::printf("ostrel-batch %s\n", OSTREL_VERSION);
        return kExitWritten;
    case CliOptions::Action::UsageError:
        return usageError(options.error());
    case CliOptions::Action::Run:
        break;
    }

    // The run reads the stored settings and overrides them in a copy that stores nothing;
    // the user's record is changed only with --save.
    Settings user;
    user.load();
    const auto run = user.detachedCopy();
    options.applyTo(*run);

    if (options.files().isEmpty()) {
        if (!options.save())
            return usageError(QStringLiteral("no files given"));
        if (!saveSettings(options, user))
            return kExitFailed;
        std::fputs("Settings saved.\n", stderr);
        return kExitWritten;
    }
    if (const QString problem = CliOptions::checkRun(*run); !problem.isEmpty())
        return usageError(problem);

    // Every file the list would not take is named with why; the others are processed.
    BatchResizer resizer;
    QStringList taken;
    int notTaken = 0;
    for (const QString& file : options.files()) {
        const QString reason = notTakenReason(resizer, file);
        if (reason.isEmpty()) {
            taken << file;
            continue;
        }
        printError(QStringLiteral("skipped \"%1\": %2").arg(file, reason));
        ++notTaken;
    }
    resizer.images().addPaths(taken);
    if (resizer.images().count() == 0)
        return usageError(QStringLiteral("none of the files given is an image Ostrel reads"));
    const bool saved = !options.save() || saveSettings(options, user);

    // The failure lines reach standard error through the progress, in order with it.
    BatchLog::setEchoToStandardError(false);
    CliProgress progress(::isatty(STDERR_FILENO) == 1, stderr);
    QObject::connect(
        &progress, &CliProgress::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    installInterruptHandler(&resizer);

    QElapsedTimer timer;
    timer.start();
    resizer.setMayContinue(true);
    resizer.start(BatchArguments(&progress, run.get(), run->startNumber()));
    QCoreApplication::exec();
    resizer.wait();
    const qint64 elapsed = timer.elapsed();
    removeInterruptHandler();

    if (!progress.report())
        return kExitFailed;
    printSummary(*progress.report(), elapsed);
    if (notTaken > 0) {
        printError(notTaken == 1
                ? QStringLiteral("1 of the files given was not taken (named above)")
                : QStringLiteral("%1 of the files given were not taken (named above)")
                      .arg(notTaken));
    }
    const BatchResult& result = progress.report()->result;
    const bool allWritten = result.errorCount() == 0 && result.notProcessed() == 0;
    return allWritten && notTaken == 0 && saved ? kExitWritten : kExitFailed;
}
