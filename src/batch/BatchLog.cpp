#include "BatchLog.h"

#include <atomic>
#include <cstdio>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/PrintableText.h"

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

std::atomic<bool> echoToStandardError { true };

bool standardErrorIsTerminal()
{
#if defined(Q_OS_UNIX)
    return ::isatty(STDERR_FILENO) == 1;
#else
    return false;
#endif
}

// One write in append mode, so that lines from two processes never interleave.
bool appendToFile(const QString& path, const QByteArray& text)
{
#if defined(Q_OS_UNIX)
    const int fd = ::open(
        QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const ssize_t n = ::write(fd, text.constData(), static_cast<size_t>(text.size()));
    const bool closed = ::close(fd) == 0;
    return n == text.size() && closed;
#else
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)
        && file.write(text) == text.size();
#endif
}

} // namespace

QString BatchLog::logFilePath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return QDir(dir).filePath(QStringLiteral("ostrel.log"));
}

void BatchLog::setEchoToStandardError(bool echo)
{
    echoToStandardError.store(echo);
}

QString BatchLog::failureMessage(
    const QString& imageName, const QString& reason, const QString& sourcePath)
{
    // The start stays the same sentence as ever, for anyone who searches the log for it.
    return QStringLiteral("Error! The image \"%1\" was not elaborated: %2 (%3)")
        .arg(imageName, reason, sourcePath);
}

QString BatchLog::line(const QString& message)
{
    const QString stamp
        = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    // The message carries file names and decoders' words: quoted, a newline in them cannot
    // start a line of its own that looks like another image's, nor reach a terminal raw.
    return QStringLiteral("%1 ostrel[%2]: %3")
        .arg(stamp, QString::number(QCoreApplication::applicationPid()),
            PrintableText::escaped(message));
}

bool BatchLog::write(const QString& message)
{
    const QByteArray text = line(message).toUtf8() + '\n';
    const QString path = logFilePath();
    bool written = false;
    if (!path.isEmpty() && QDir().mkpath(QFileInfo(path).absolutePath())) {
        written = appendToFile(path, text);
    }
    if (!echoToStandardError.load())
        return written;
    // On a terminal a progress bar may hold the current line: clear it first, so that the
    // log line stands on a line of its own.
    if (standardErrorIsTerminal())
        std::fputs("\r\x1b[K", stderr);
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
    std::fflush(stderr);
    return written;
}
