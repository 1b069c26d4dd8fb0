#include "WorkerProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>

#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "WorkerProtocol.h"
#include "core/Translations.h"

extern char** environ;

namespace {

// A sanitizer reserves terabytes of address space for its shadow memory: under one, the
// memory ceiling is left off (the processor-time ceiling holds).
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kMemoryCeiling = false;
#else
constexpr bool kMemoryCeiling = true;
#endif

QString abandonedText()
{
    return QCoreApplication::translate("ImageCodec", "abandoned before it was complete");
}

// The processor time a process has used, in whole seconds rounded up; -1 when unknown.
long processorSeconds(pid_t pid)
{
    clockid_t clock {};
    timespec used {};
    if (::clock_getcpuclockid(pid, &clock) != 0 || ::clock_gettime(clock, &used) != 0)
        return -1;
    return long(used.tv_sec) + (used.tv_nsec > 0 ? 1 : 0);
}

} // namespace

WorkerProcess::WorkerProcess()
    : WorkerProcess(Limits())
{
}

WorkerProcess::WorkerProcess(const Limits& limits)
    : mLimits(limits)
{
}

WorkerProcess::~WorkerProcess()
{
    if (mPid > 0)
        end(true);
}

QString WorkerProcess::programPath()
{
    static const QString path = [] {
        if (QCoreApplication::instance()) {
            const QString installed = QCoreApplication::applicationDirPath()
                + QStringLiteral("/" OSTREL_WORKER_FROM_PROGRAMS);
            if (QFileInfo(installed).isExecutable())
                return QFileInfo(installed).canonicalFilePath();
        }
        return QStringLiteral(OSTREL_WORKER_IN_BUILD_TREE);
    }();
    return path;
}

bool WorkerProcess::start(QString* error)
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) {
        *error
            = QCoreApplication::translate("WorkerProcess", "the image worker cannot be started: %1")
                  .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    FileDescriptor ours(ends[0]);
    FileDescriptor theirs(ends[1]);

    // The worker gets its end of the socket and nothing else of this process's files, its
    // own process group (a Ctrl+C at the terminal is this program's to handle: it finishes
    // the images in progress) and every signal at its default.
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, theirs.get(), WorkerProtocol::kSocketDescriptor);
    posix_spawn_file_actions_addclosefrom_np(&files, WorkerProtocol::kSocketDescriptor + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(
        &attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigdefault(&attributes, &all);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);

    const QByteArray program = QFile::encodeName(programPath());
    const QByteArray imagesAtOnce = QByteArray::number(std::max(1, mLimits.imagesAtOnce));
    const QByteArray language = Translations::language().toLatin1();
    std::vector<char*> arguments { const_cast<char*>(program.constData()),
        const_cast<char*>("--images-at-once"), const_cast<char*>(imagesAtOnce.constData()) };
    if (!language.isEmpty()) {
        arguments.push_back(const_cast<char*>("--language"));
        arguments.push_back(const_cast<char*>(language.constData()));
    }
    arguments.push_back(nullptr);
    // The decoders' OpenMP teams (libimagequant's, ImageMagick's) share the cores between the
    // workers as libvips' threads do: a team of one per core in every worker costs about a
    // fifth more processor time when several run at once. A value of the user's stays.
    QByteArray teamSize;
    std::vector<char*> environment;
    for (char** variable = environ; *variable; ++variable)
        environment.push_back(*variable);
    if (!qEnvironmentVariableIsSet("OMP_NUM_THREADS")) {
        const int cores = std::max(1, QThread::idealThreadCount());
        teamSize = "OMP_NUM_THREADS="
            + QByteArray::number(std::max(1, cores / std::max(1, mLimits.imagesAtOnce)));
        environment.push_back(teamSize.data());
    }
    environment.push_back(nullptr);
    pid_t pid = -1;
    const int failed = posix_spawn(
        &pid, program.constData(), &files, &attributes, arguments.data(), environment.data());
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    if (failed != 0) {
        *error = QCoreApplication::translate(
            "WorkerProcess", "the image worker cannot be started (%1): %2")
                     .arg(programPath(), QString::fromLocal8Bit(std::strerror(failed)));
        return false;
    }
    mPid = pid;
    mSocket = std::move(ours);
    if (kMemoryCeiling) {
        const rlim_t bytes = rlim_t(mLimits.memoryMiB) * 1024 * 1024;
        const rlimit ceiling { bytes, bytes };
        ::prlimit(mPid, RLIMIT_DATA, &ceiling, nullptr);
    }
    // A worker that crashes or runs out of time leaves no core file: its memory holds the
    // user's pictures, and a hostile file could have it crash on every image.
    const rlimit noCore { 0, 0 };
    ::prlimit(mPid, RLIMIT_CORE, &noCore, nullptr);
    return true;
}

void WorkerProcess::limitProcessorTime()
{
    // RLIMIT_CPU counts the process's whole life: the ceiling of this task is what it has
    // used so far and the task's allowance. Past it the kernel sends SIGXCPU, which ends the
    // worker; a second later, SIGKILL.
    const long used = processorSeconds(mPid);
    if (used < 0)
        return;
    const rlim_t soft = rlim_t(used) + rlim_t(std::max(1, mLimits.seconds));
    const rlimit ceiling { soft, soft + 1 };
    ::prlimit(mPid, RLIMIT_CPU, &ceiling, nullptr);
}

QString WorkerProcess::end(bool killNow)
{
    int status = 0;
    pid_t ended = 0;
    if (!killNow) {
        // The socket closes as the process exits; its status follows at once.
        QElapsedTimer waited;
        waited.start();
        while ((ended = ::waitpid(mPid, &status, WNOHANG)) == 0 && waited.elapsed() < 2000)
            ::usleep(2000);
    }
    const bool killedHere = ended == 0;
    if (ended == 0) {
        ::kill(mPid, SIGKILL);
        while (::waitpid(mPid, &status, 0) < 0 && errno == EINTR) { }
    }
    mPid = -1;
    mSocket.reset();
    if (killedHere && killNow)
        return QString();
    if (WIFEXITED(status) && WEXITSTATUS(status) == WorkerProtocol::kExitOutOfMemory)
        return QCoreApplication::translate(
            "WorkerProcess", "the decoder needed more than %1 MiB of memory")
            .arg(mLimits.memoryMiB);
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        if (signal == SIGXCPU)
            return QCoreApplication::translate(
                "WorkerProcess", "the decoder took more than %1 s of processor time")
                .arg(mLimits.seconds);
        if (signal == SIGKILL || signal == SIGTERM)
            return QCoreApplication::translate(
                "WorkerProcess", "the decoder was ended from outside (signal %1)")
                .arg(signal);
        return QCoreApplication::translate("WorkerProcess", "the decoder crashed (signal %1)")
            .arg(signal);
    }
    if (killedHere)
        return QCoreApplication::translate("WorkerProcess", "the decoder stopped answering");
    return QCoreApplication::translate(
        "WorkerProcess", "the decoder ended unexpectedly (status %1)")
        .arg(WEXITSTATUS(status));
}

WorkerProcess::Answer WorkerProcess::ask(const QByteArray& request,
    std::initializer_list<int> descriptors, const std::atomic<bool>* abandon)
{
    Answer answer;
    if (mPid < 0 && !start(&answer.failure))
        return answer;
    limitProcessorTime();
    if (!WorkerProtocol::send(mSocket.get(), request, descriptors)) {
        answer.failure = end(false);
        return answer;
    }
    // The processor-time ceiling ends a decoder that computes for ever; one that waits for
    // ever is ended when the task has taken ten times its allowance of time on the clock.
    QElapsedTimer clock;
    clock.start();
    const qint64 wallMilliseconds = qint64(std::max(1, mLimits.seconds)) * 10'000 + 30'000;
    for (;;) {
        pollfd ready { mSocket.get(), POLLIN, 0 };
        const int polled = ::poll(&ready, 1, 50);
        if (polled > 0) {
            answer.ok
                = WorkerProtocol::receive(mSocket.get(), &answer.message, &answer.descriptors);
            if (!answer.ok)
                answer.failure = end(false);
            return answer;
        }
        if (polled < 0 && errno != EINTR) {
            answer.failure = end(true);
            return answer;
        }
        if (abandon && abandon->load()) {
            end(true);
            answer.failure = abandonedText();
            return answer;
        }
        if (clock.elapsed() > wallMilliseconds) {
            end(true);
            answer.failure
                = QCoreApplication::translate("WorkerProcess", "the decoder stopped answering");
            return answer;
        }
    }
}

namespace {

// A task's message: what it is, the source's path and the task's values.
template <typename... Values>
QByteArray request(WorkerProtocol::Task task, const QString& sourcePath, const Values&... values)
{
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << task << sourcePath;
    (out << ... << values);
    return message;
}

// Reads an answer's values; false when they are not what the task answers.
template <typename... Values> bool read(const QByteArray& answer, Values&... values)
{
    QDataStream in(answer);
    (in >> ... >> values);
    return in.status() == QDataStream::Ok;
}

QString unreadableAnswer()
{
    return QCoreApplication::translate("WorkerProcess", "the image worker's answer cannot be read");
}

} // namespace

ImageWork::Plan WorkerProcess::plan(int source, const QString& sourcePath,
    const ResizeOptions& options, const std::atomic<bool>* abandon)
{
    const Answer answer
        = ask(request(WorkerProtocol::Task::Plan, sourcePath, options), { source }, abandon);
    ImageWork::Plan plan;
    if (!answer.ok)
        plan.status = { ResizeError::DecodeFailed, answer.failure };
    else if (!read(answer.message, plan))
        plan = { { ResizeError::DecodeFailed, unreadableAnswer() } };
    return plan;
}

ResizeStatus WorkerProcess::render(int source, const QString& sourcePath,
    const ImageWork::Plan& plan, const ResizeOptions& options, int output,
    const std::atomic<bool>* abandon)
{
    const Answer answer
        = ask(request(WorkerProtocol::Task::Render, sourcePath, options, plan, mThreadsPerImage),
            { source, output }, abandon);
    if (!answer.ok) {
        const bool abandoned = abandon && abandon->load();
        return { abandoned ? ResizeError::WriteFailed : ResizeError::DecodeFailed, answer.failure };
    }
    ResizeStatus status;
    if (!read(answer.message, status))
        return { ResizeError::WriteFailed, unreadableAnswer() };
    return status;
}

ImageCodec::SourceInfo WorkerProcess::probe(int source, const QString& sourcePath, qint64 maxPixels)
{
    const Answer answer
        = ask(request(WorkerProtocol::Task::Probe, sourcePath, maxPixels), { source }, nullptr);
    ImageCodec::SourceInfo info;
    if (!answer.ok)
        info = { .error = answer.failure, .problem = ImageCodec::SourceProblem::Unreadable };
    else if (!read(answer.message, info))
        info = { .error = unreadableAnswer(), .problem = ImageCodec::SourceProblem::Unreadable };
    return info;
}

ImageCodec::PreviewResult WorkerProcess::preview(
    int source, const QString& sourcePath, int boxPixels, qint64 maxPixels)
{
    const Answer answer
        = ask(request(WorkerProtocol::Task::Preview, sourcePath, boxPixels, maxPixels), { source },
            nullptr);
    ImageCodec::PreviewResult result;
    int width = 0;
    int height = 0;
    if (!answer.ok
        || !read(answer.message, width, height, result.sourceSize, result.animationFrames,
            result.error, result.problem))
        return {};
    // A source whose data is damaged has no pixels, and says why.
    if (!result.error.isEmpty())
        return result;
    if (width < 1 || height < 1)
        return {};
    // The pixels are the worker's word: they are taken only in the size asked for, from a
    // memory file of exactly that many bytes.
    const qint64 bytes = qint64(width) * height * 4;
    struct stat pixels = {};
    if (width > boxPixels || height > boxPixels || answer.descriptors.size() != 1
        || ::fstat(answer.descriptors.front().get(), &pixels) != 0 || !S_ISREG(pixels.st_mode)
        || pixels.st_size != bytes)
        return {};
    QImage image(width, height, QImage::Format_RGBA8888);
    for (int y = 0; y < height; ++y) {
        const ssize_t line = ::pread(answer.descriptors.front().get(), image.scanLine(y),
            size_t(width) * 4, off_t(y) * width * 4);
        if (line != ssize_t(width) * 4)
            return {};
    }
    result.image = image;
    return result;
}
