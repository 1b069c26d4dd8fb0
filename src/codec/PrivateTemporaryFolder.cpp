#include "PrivateTemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstdlib>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// What TMPDIR was when the first object was made; set once, before any thread exists.
QString& sharedPath()
{
    static QString path;
    return path;
}

#if defined(Q_OS_UNIX)
// Folders named "ostrel-<pid>-..." of this user whose process no longer runs.
void removeAbandoned(const QString& shared)
{
    static const QRegularExpression name(QStringLiteral("^ostrel-(\\d+)-"));
    const QDir folder(shared);
    const QStringList entries = folder.entryList(
        { QStringLiteral("ostrel-*") }, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries) {
        const QRegularExpressionMatch match = name.match(entry);
        if (!match.hasMatch())
            continue;
        struct stat status = {};
        const QByteArray path = QFile::encodeName(folder.filePath(entry));
        if (::lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode)
            || status.st_uid != ::getuid())
            continue;
        const pid_t pid = static_cast<pid_t>(match.captured(1).toLongLong());
        if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
            QDir(folder.filePath(entry)).removeRecursively();
    }
}
#endif

} // namespace

PrivateTemporaryFolder::PrivateTemporaryFolder()
{
    if (sharedPath().isEmpty())
        sharedPath() = QDir::tempPath();
#if defined(Q_OS_UNIX)
    removeAbandoned(sharedPath());
    QByteArray pattern = QFile::encodeName(
        QDir(sharedPath()).filePath(QStringLiteral("ostrel-%1-XXXXXX").arg(::getpid())));
    // mkdtemp makes it with mode 0700.
    if (::mkdtemp(pattern.data())) {
        mPath = QFile::decodeName(pattern);
        ::setenv("TMPDIR", pattern.constData(), 1);
    }
#endif
}

PrivateTemporaryFolder::~PrivateTemporaryFolder()
{
    if (mPath.isEmpty())
        return;
    QDir(mPath).removeRecursively();
#if defined(Q_OS_UNIX)
    ::setenv("TMPDIR", QFile::encodeName(sharedPath()).constData(), 1);
#endif
}

QString PrivateTemporaryFolder::systemPath()
{
    return sharedPath().isEmpty() ? QDir::tempPath() : sharedPath();
}
