#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// A file's bytes read through pread from its start, a piece at a time, so that the open
// descriptor's offset stays where a decoder expects it. For reading what a file's structure
// says before a decoder sees it. Any thread; one object per thread.
class FileBytes
{
public:
    explicit FileBytes(int fd);

    // The next byte, or -1 at the end (or when the file cannot be read).
    int byte();
    // Up to length bytes from here; fewer at the end.
    QByteArray read(qint64 length);
    void skip(qint64 length) { mPosition += length; }
    qint64 position() const { return mPosition; }
    // Whether everything was read: the position is at or past the end.
    bool atEnd();

    // Up to length bytes at offset.
    static QByteArray readAt(int fd, qint64 offset, qint64 length);
    static qint64 size(int fd);
    // Where pattern first occurs at or after from, or -1. With a check, a match counts only
    // when the byte before it passes (the start of the file passes).
    static qint64 find(int fd, QByteArrayView pattern, qint64 from, bool (*before)(char) = nullptr);

private:
    bool fill();

    int mFd;
    qint64 mPosition = 0;
    QByteArray mBuffer;
    qint64 mBufferStart = 0;
};

// The big-endian 32-bit number at a position of bytes already read; 0 past their end.
quint32 readBigEndian32(const QByteArray& bytes, qsizetype at);
