#include "FileBytes.h"

#include <QtEndian>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kPiece = 64 * 1024;

} // namespace

FileBytes::FileBytes(int fd)
    : mFd(fd)
{
}

bool FileBytes::fill()
{
    if (mPosition >= mBufferStart && mPosition < mBufferStart + mBuffer.size())
        return true;
    mBuffer = readAt(mFd, mPosition, kPiece);
    mBufferStart = mPosition;
    return !mBuffer.isEmpty();
}

int FileBytes::byte()
{
    if (!fill())
        return -1;
    return static_cast<unsigned char>(mBuffer.at(mPosition++ - mBufferStart));
}

QByteArray FileBytes::read(qint64 length)
{
    QByteArray out;
    while (length > 0 && fill()) {
        const qint64 at = mPosition - mBufferStart;
        const qint64 n = std::min(length, qint64(mBuffer.size()) - at);
        out.append(mBuffer.constData() + at, n);
        mPosition += n;
        length -= n;
    }
    return out;
}

bool FileBytes::atEnd()
{
    return !fill();
}

QByteArray FileBytes::readAt(int fd, qint64 offset, qint64 length)
{
    QByteArray out;
    if (offset < 0 || length <= 0)
        return out;
    out.resize(length);
    qint64 done = 0;
    while (done < length) {
        const ssize_t n
            = ::pread(fd, out.data() + done, size_t(length - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    out.truncate(done);
    return out;
}

qint64 FileBytes::size(int fd)
{
    struct stat status = {};
    return ::fstat(fd, &status) == 0 ? qint64(status.st_size) : 0;
}

qint64 FileBytes::find(int fd, QByteArrayView pattern, qint64 from, bool (*before)(char))
{
    // Pieces overlap by the pattern's length (and the byte before it), so that no match is
    // split between two of them.
    const qint64 overlap = pattern.size();
    for (qint64 start = std::max<qint64>(0, from);;) {
        const qint64 pieceStart = std::max<qint64>(0, start - 1);
        const QByteArray piece = readAt(fd, pieceStart, kPiece + overlap + 1);
        if (piece.size() <= start - pieceStart)
            return -1;
        qsizetype at = start - pieceStart;
        while ((at = piece.indexOf(pattern, at)) >= 0) {
            const qint64 found = pieceStart + at;
            if (!before || found == 0 || before(piece.at(at - 1)))
                return found;
            ++at;
        }
        if (piece.size() < kPiece + overlap + 1)
            return -1;
        start = pieceStart + kPiece + 1;
    }
}

quint32 readBigEndian32(const QByteArray& bytes, qsizetype at)
{
    if (at < 0 || at + 4 > bytes.size())
        return 0;
    return qFromBigEndian<quint32>(bytes.constData() + at);
}
