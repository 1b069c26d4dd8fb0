#pragma once

#include <QIODevice>
#include <QtGlobal>

#include <vips/vips8>

#include <atomic>

// The bytes an encoder writes, on their way into the new file's descriptor. The first write
// the file refuses (full disk, size limit, I/O error) is recorded with its errno, so that a
// failure of the file is told from one of the encoder by where it happened, and the furthest
// byte written is kept, so that the file's length can be checked at the end. A request to
// abandon the image fails the next write. libvips calls it from its write thread, Qt's
// writer from the rendering thread; never two at once. Once a write has failed or the image
// is abandoned, nothing more is worth computing (shouldStop, asked from any thread).
namespace ImageCodec {

class OutputSink
{
public:
    // descriptor stays the caller's; abandon may be null.
    OutputSink(int descriptor, const std::atomic<bool>* abandon)
        : mDescriptor(descriptor)
        , mAbandon(abandon)
    {
    }

    qint64 write(const void* data, qint64 length);
    qint64 read(void* data, qint64 length);
    qint64 seek(qint64 offset, int whence);

    int error() const { return mError.load(); }
    bool abandoned() const { return mAbandoned.load(); }
    bool shouldStop() const
    {
        return mError.load() != 0 || mAbandoned.load() || (mAbandon && mAbandon->load());
    }
    // How far the file reaches, by what was written into it.
    qint64 length() const { return mEnd; }

    // A libvips target that writes through the sink (TIFF also reads and seeks its own
    // output). The sink must outlive it.
    vips::VTarget libvipsTarget();

private:
    int mDescriptor;
    const std::atomic<bool>* mAbandon;
    std::atomic<int> mError = 0;
    std::atomic<bool> mAbandoned = false;
    qint64 mPosition = 0;
    qint64 mEnd = 0;
};

// Qt's image writer writes through the sink too, unbuffered, so that no failed write is
// left for a flush whose result nobody reads.
class SinkDevice : public QIODevice
{
public:
    explicit SinkDevice(OutputSink* sink)
        : mSink(sink)
    {
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        return mSink->write(data, length);
    }

private:
    OutputSink* mSink;
};

} // namespace ImageCodec
