#include "SourceFile.h"

#include <QCoreApplication>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

#include "CodecError.h"
#include "FileNames.h"
#include "ImageCodec.h"
#include "SourceTypes.h"

namespace ImageCodec {

namespace {

QString fileKind(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("ImageCodec", "a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("ImageCodec", "a device");
    if (S_ISDIR(mode))
        return QCoreApplication::translate("ImageCodec", "a folder");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("ImageCodec", "a socket");
    return QCoreApplication::translate("ImageCodec", "a special file");
}

void checkRegular(int fd)
{
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        throw Refusal { systemMessage(errno) };
    if (!S_ISREG(status.st_mode))
        throw Refusal { QCoreApplication::translate("ImageCodec", "not a regular file but %1")
                            .arg(fileKind(status.st_mode)) };
}

} // namespace

FileDescriptor openRegularFile(const QString& path)
{
    const QByteArray name = FileNames::encode(path);
    int fd;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throw Refusal { systemMessage(errno) };
    FileDescriptor file(fd);
    checkRegular(fd);
    // Reads of a regular file never wait; no decoder should meet EAGAIN either.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return file;
}

FileDescriptor adoptRegularFile(int descriptor)
{
    const int fd = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        throw Refusal { systemMessage(errno) };
    FileDescriptor file(fd);
    checkRegular(fd);
    // A copy shares the offset with the original: the loaders start from the beginning.
    if (::lseek(fd, 0, SEEK_SET) != 0)
        throw Refusal { systemMessage(errno) };
    return file;
}

FileDescriptor openSourceFile(const QString& path, QString* error)
{
    try {
        readableType(path);
        return openRegularFile(path);
    } catch (const Refusal& refusal) {
        *error = refusal.reason;
    }
    return {};
}

} // namespace ImageCodec
