#include "NoReplaceFile.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace NoReplaceFile {

namespace {
QString errnoText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}
} // namespace

QString createTemporary(const QString& dir, const QString& finalName, QString* error)
{
    QByteArray pattern = QFile::encodeName(dir);
    if (!pattern.endsWith('/'))
        pattern += '/';
    pattern += '.' + QFile::encodeName(finalName) + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        if (error)
            *error = errnoText(errno);
        return {};
    }
    ::close(fd);
    return QFile::decodeName(pattern);
}

bool moveNoReplace(const QString& temporary, const QString& destination, QString* error)
{
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(destination);
#ifdef __linux__
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        if (error)
            *error = errnoText(errno);
        return false;
    }
    // The file system cannot rename without replacing: a hard link fails on an existing
    // destination just the same.
#endif
    if (::link(from.constData(), to.constData()) != 0) {
        if (error)
            *error = errnoText(errno);
        return false;
    }
    ::unlink(from.constData());
    return true;
}

void discard(const QString& temporary)
{
    if (!temporary.isEmpty())
        ::unlink(QFile::encodeName(temporary).constData());
}

} // namespace NoReplaceFile
