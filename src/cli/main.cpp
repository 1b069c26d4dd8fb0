// ostrel-batch: one batch over the files given, with the settings of Ostrel's window, through
// the same list and worker as the window. Progress and the summary go to standard error;
// standard output carries only what was asked for there (--json, --dry-run).

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonObject>
#include <QLocale>
#include <QSet>
#include <QSettings>

#include "cli/CliOptions.h"
#include "cli/CliProgress.h"
#include "cli/DryRun.h"
#include "cli/SourceList.h"
#include "batch/BatchArguments.h"
#include "batch/BatchLog.h"
#include "batch/BatchJob.h"
#include "batch/ImageList.h"
#include "codec/FileNames.h"
#include "codec/PrivateTemporaryFolder.h"
#include "core/Translations.h"
#include "core/PrintableText.h"
#include "settings/Presets.h"
#include "settings/Settings.h"

namespace {

constexpr int kExitWritten = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// What the interrupt handler may touch: a lock-free pointer and messages made beforehand.
std::atomic<BatchJob*> gJob { nullptr };
char gStopMessage[256] = {};
size_t gStopMessageLength = 0;
char gAbandonMessage[256] = {};
size_t gAbandonMessageLength = 0;

// The tool's own texts, in the user's language (context "CommandLine").
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

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
    BatchJob* job = gJob.load();
    if (job && job->isStopping()) {
        job->abandon();
        writeMessage(gAbandonMessage, gAbandonMessageLength);
    } else {
        if (job)
            job->stop();
        writeMessage(gStopMessage, gStopMessageLength);
    }
    errno = savedErrno;
}

// Copies a message, on its own line, where the interrupt handler can write it from.
template <size_t N> void prepareMessage(const QString& text, char (&buffer)[N], size_t& length)
{
    const QByteArray message = "\n" + text.toLocal8Bit() + "\n";
    length = std::min(N, static_cast<size_t>(message.size()));
    std::memcpy(buffer, message.constData(), length);
}

void installInterruptHandler(BatchJob* job)
{
    prepareMessage(QCoreApplication::translate("CommandLine", "Stopping after the current image…"),
        gStopMessage, gStopMessageLength);
    prepareMessage(CommandLine::tr("Abandoning the images in progress."), gAbandonMessage,
        gAbandonMessageLength);
    gJob.store(job);
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
    gJob.store(nullptr);
}

// One line on standard error. Messages name files and carry what decoders said: their control
// characters are quoted, so that a name cannot end the line or drive the terminal.
void printError(const QString& message)
{
    std::fprintf(
        stderr, "ostrel-batch: %s\n", PrintableText::escaped(message).toLocal8Bit().constData());
}

int usageError(const QString& message)
{
    printError(message);
    std::fprintf(stderr, "%s\n",
        CommandLine::tr("Try 'ostrel-batch --help' for the options.").toLocal8Bit().constData());
    return kExitUsage;
}

// Why the list would not take a file named on the command line; empty when it takes it. The
// list goes by the extension alone; a folder is named here as well: it is searched only with
// --recursive (and then no longer among the files).
QString notTakenReason(const ImageList& images, const QString& path)
{
    const QFileInfo info(path); // for the name's suffix only: it cannot see every file
    if (FileNames::isFolder(path))
        return CommandLine::tr("a folder (search it with --recursive)");
    if (images.hasAcceptedExtension(path))
        return QString();
    const QString suffix = info.suffix();
    if (!suffix.isEmpty() && images.hasAcceptedExtension(QStringLiteral("x.") + suffix.toLower()))
        return CommandLine::tr("the extension \".%1\" is taken only in lower or in upper case "
                               "(\".%2\" or \".%3\")")
            .arg(suffix, suffix.toLower(), suffix.toUpper());
    return CommandLine::tr("not a file type that Ostrel reads");
}

// Stores the options given into the user's settings; false, after saying why, when the
// settings file could not be written or did not keep them.
bool saveSettings(const CliOptions& options, Settings& user)
{
    options.applyTo(user);
    QString problem;
    if (user.sync(&problem))
        return true;
    printError(CommandLine::tr("the settings could not be saved to \"%1\": %2")
                   .arg(user.fileName(), problem));
    return false;
}

void printSummary(const ClosingReport& report, qint64 elapsedMs)
{
    const BatchResult& result = report.result;
    // The texts may name the log's path: quoted. The details are quoted already, one line per
    // image.
    QString text
        = PrintableText::escaped(report.messageText + QStringLiteral(". ") + report.informativeText)
        + QLatin1Char('\n');
    if (!report.detailedText.isEmpty()) {
        for (const QString& line : report.detailedText.split(QLatin1Char('\n')))
            text += QStringLiteral("  ") + line + QLatin1Char('\n');
    }
    const QString seconds = QLocale().toString(static_cast<double>(elapsedMs) / 1000.0, 'f', 1);
    // The line names skipped images only when there were some: scripts read the plain line.
    if (result.skipped > 0) {
        text += QCoreApplication::translate(
            "CommandLine", "Written: %1. Skipped: %2. Failed: %3. Not processed: %4. Time: %5 s.")
                    .arg(QString::number(result.written), QString::number(result.skipped),
                        QString::number(result.errorCount()),
                        QString::number(result.notProcessed()), seconds);
    } else {
        text += QCoreApplication::translate(
            "CommandLine", "Written: %1. Failed: %2. Not processed: %3. Time: %4 s.")
                    .arg(QString::number(result.written), QString::number(result.errorCount()),
                        QString::number(result.notProcessed()), seconds);
    }
    text += QLatin1Char('\n');
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

// Why a walk of a folder given left an entry out.
QString leftOutReason(FolderWalk::LeftOutReason reason)
{
    switch (reason) {
    case FolderWalk::LeftOutReason::LinkOutside:
        return CommandLine::tr("a link that leads out of the folder given");
    case FolderWalk::LeftOutReason::SystemFolder:
        break;
    }
    return CommandLine::tr("a system folder (such as /proc), never searched");
}

// The arguments as the system gave them: QCoreApplication::arguments() turns bytes that are
// not UTF-8 into U+FFFD, and a file of that name could not be found.
QStringList rawArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FileNames::decode(argv[i]);
    return arguments;
}

// The closing object of --json.
QJsonObject summaryJson(
    int written, int skipped, int failed, int notProcessed, int notTaken, qint64 ms, int exit)
{
    return QJsonObject { { "type", "summary" }, { "written", written }, { "skipped", skipped },
        { "failed", failed }, { "notProcessed", notProcessed }, { "notTaken", notTaken },
        { "seconds", static_cast<double>(ms) / 1000.0 }, { "exitStatus", exit } };
}

// The sources that the run processes, in list order, with what the batch needs beside each.
struct RunList
{
    QStringList paths;
    QStringList subfolders; // below the output folder, for --keep-tree
    QList<int> numberPositions; // the position in the whole list, for the running numbers
};

} // namespace

int main(int argc, char* argv[])
{
    // libvips' intermediate files, in the worker processes, go to a folder of this process's
    // own; it changes the environment, so it comes before any other thread exists. libvips
    // itself is not started here: every image is read and written by the workers, and
    // starting it (loading its modules and their libraries) would cost each batch about
    // 30 ms before the first worker starts.
    const PrivateTemporaryFolder temporaryFolder;
    // A file that outgrows the size limit must fail its write, not end the process; nor does
    // a standard error whose reader has gone (its messages are then lost, the batch is not).
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);

    QCoreApplication app(argc, argv);
    // The window's names, so that its settings file and its log are the ones used here.
    QCoreApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OSTREL_VERSION));
    Translations::install(app);

    const CliOptions options = CliOptions::parse(rawArguments(argc, argv));
    switch (options.action()) {
    case CliOptions::Action::Help:
    case CliOptions::Action::Completion:
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
            return usageError(CommandLine::tr("no files given"));
        if (!saveSettings(options, user))
            return kExitFailed;
        std::fprintf(stderr, "%s\n", CommandLine::tr("Settings saved.").toLocal8Bit().constData());
        return kExitWritten;
    }
    // What each image is written with: the run's settings, or once per --preset, each
    // preset with the other options over it.
    QList<ResizeOptions> outputs { run->resizeOptions() };
    if (!options.presets().isEmpty()) {
        const std::unique_ptr<QSettings> store = Settings::openUserSettings();
        const Presets presets(store.get());
        QStringList unknown;
        outputs = presets.runOutputs(
            options.presets(), user, [&options](Settings& s) { options.applyTo(s); }, &unknown);
        if (!unknown.isEmpty()) {
            QStringList names;
            for (const Preset& preset : presets.all())
                names << preset.name;
            return usageError(CommandLine::tr("no preset is named \"%1\"; the presets are: %2")
                                  .arg(unknown.first(), names.join(QStringLiteral(", "))));
        }
    }
    for (const ResizeOptions& output : std::as_const(outputs)) {
        if (const QString problem = CliOptions::checkRun(output); !problem.isEmpty())
            return usageError(output.presetName.isEmpty()
                    ? problem
                    : CommandLine::tr("preset \"%1\": %2").arg(output.presetName, problem));
    }

    // Every file the list would not take is named with why; the others are processed. The
    // whole list is made on every machine alike; a shard then keeps its part of it, each
    // source with its position in the whole list.
    ImageList images;
    BatchJob job;
    QList<SourceList::Source> sources;
    for (qsizetype i = 0; i < options.files().size(); ++i)
        sources << SourceList::Source { options.files().at(i), options.givenFiles().at(i) };
    RunList list;
    QSet<QString> listed;
    int notTaken = 0;
    int wholeCount = 0;
    if (options.recursive()) {
        QList<FolderWalk::LeftOut> leftOut;
        sources = SourceList::expandFolders(sources, images.acceptedExtensions(), &leftOut);
        for (const FolderWalk::LeftOut& entry : std::as_const(leftOut))
            printError(
                CommandLine::tr("skipped \"%1\": %2").arg(entry.path, leftOutReason(entry.reason)));
        notTaken += static_cast<int>(leftOut.size());
    }
    for (const SourceList::Source& source : std::as_const(sources)) {
        const QString reason = notTakenReason(images, source.path);
        if (!reason.isEmpty()) {
            printError(CommandLine::tr("skipped \"%1\": %2").arg(source.path, reason));
            ++notTaken;
            continue;
        }
        if (listed.contains(source.path))
            continue; // the list holds a path once
        listed.insert(source.path);
        QString subfolder;
        if (!options.keepTreeRoot().isEmpty()
            && !SourceList::folderBelow(source.path, options.keepTreeRoot(), &subfolder))
            return usageError(CommandLine::tr("\"%1\" is not below the folder of --keep-tree, "
                                              "\"%2\"")
                                  .arg(source.path, options.keepTreeRoot()));
        const int position = wholeCount++;
        if (SourceList::shardOf(source.given, options.shardCount()) != options.shardIndex()
            && options.shardCount() > 1)
            continue;
        list.paths << source.path;
        list.subfolders << subfolder;
        list.numberPositions << position;
    }
    if (wholeCount == 0)
        return usageError(CommandLine::tr("none of the files given is an image Ostrel reads"));

    if (options.dryRun()) {
        QList<DryRun::Image> planned;
        const int start = BatchJob::parseStartNumber(run->value(Setting::startNumber));
        for (qsizetype i = 0; i < list.paths.size(); ++i)
            planned << DryRun::Image { list.paths.at(i), list.subfolders.at(i),
                BatchJob::runningNumber(start, list.numberPositions.at(i)) };
        int failing = 0;
        for (const ResizeOptions& output : std::as_const(outputs)) {
            for (const DryRun::Plan& plan : DryRun::plan(output, planned)) {
                failing += plan.outcome == DryRun::Outcome::Fail ? 1 : 0;
                if (options.json()) {
                    QJsonObject line = DryRun::json(plan);
                    if (!output.presetName.isEmpty())
                        line.insert(QStringLiteral("preset"), output.presetName);
                    CliProgress::writeJsonLine(stdout, line);
                } else {
                    std::printf("%s\n", DryRun::line(plan).toLocal8Bit().constData());
                }
            }
        }
        std::fflush(stdout);
        return failing == 0 && notTaken == 0 ? kExitWritten : kExitFailed;
    }

    images.addPaths(list.paths);
    // The list took every path (each taken and listed once above), in their order.
    for (qsizetype i = 0; i < list.paths.size(); ++i) {
        if (ImageEntry* image = images.at(static_cast<int>(i)))
            image->setOutputSubfolder(list.subfolders.at(i));
    }
    const bool saved = !options.save() || saveSettings(options, user);

    // The failure lines reach standard error through the progress, in order with it. With
    // --json the per-image lines are the JSON's: the plain ones are left out off a terminal.
    BatchLog::setEchoToStandardError(false);
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    CliProgress progress(terminal, stderr);
    progress.setShowsProgress(!options.quiet() && (terminal || !options.json()));
    if (options.json())
        progress.setJsonStream(stdout);
    progress.follow(&job);
    QObject::connect(
        &progress, &CliProgress::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    installInterruptHandler(&job);

    QElapsedTimer timer;
    timer.start();
    BatchArguments arguments(outputs, run->effectiveJobs());
    arguments.setNumberPositions(list.numberPositions);
    job.start(&images, arguments);
    QCoreApplication::exec();
    job.wait();
    const qint64 elapsed = timer.elapsed();
    removeInterruptHandler();

    if (!progress.report())
        return kExitFailed;
    if (!options.quiet())
        printSummary(*progress.report(), elapsed);
    if (notTaken > 0) {
        printError(CommandLine::tr(
            "%n of the files given were not taken (named above)", nullptr, notTaken));
    }
    const BatchResult& result = progress.report()->result;
    const bool allWritten = result.errorCount() == 0 && result.notProcessed() == 0;
    const int exitStatus = allWritten && notTaken == 0 && saved ? kExitWritten : kExitFailed;
    if (options.json()) {
        // The images a stop left behind, after those that completed, still in list order.
        const int outputCount = result.listCount * result.outputsPerImage;
        for (int slot = result.processed; slot < outputCount; ++slot) {
            const ImageEntry* image = images.at(slot / result.outputsPerImage);
            QJsonObject line { { "type", "image" }, { "output", QJsonValue() },
                { "status", "not processed" }, { "reason", QJsonValue() }, { "sourceWidth", 0 },
                { "sourceHeight", 0 }, { "width", 0 }, { "height", 0 }, { "bytes", 0 },
                { "milliseconds", 0 }, { "quality", -1 }, { "scale", 1.0 } };
            CliProgress::insertPath(line, QStringLiteral("source"), image->path());
            if (const QString& preset = outputs.at(slot % result.outputsPerImage).presetName;
                !preset.isEmpty())
                line.insert(QStringLiteral("preset"), preset);
            CliProgress::writeJsonLine(stdout, line);
        }
        CliProgress::writeJsonLine(stdout,
            summaryJson(result.written, result.skipped, result.errorCount(), result.notProcessed(),
                notTaken, elapsed, exitStatus));
    }
    return exitStatus;
}
