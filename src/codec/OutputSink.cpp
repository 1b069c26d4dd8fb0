#include "OutputSink.h"

#include <algorithm>
#include <cerrno>

#include <unistd.h>

using vips::VError;
using vips::VTarget;

namespace ImageCodec {

namespace {

gint64 onTargetWrite(VipsTargetCustom*, void* data, gint64 length, void* sink)
{
    return static_cast<OutputSink*>(sink)->write(data, length);
}

gint64 onTargetRead(VipsTargetCustom*, void* data, gint64 length, void* sink)
{
    return static_cast<OutputSink*>(sink)->read(data, length);
}

gint64 onTargetSeek(VipsTargetCustom*, gint64 offset, int whence, void* sink)
{
    return static_cast<OutputSink*>(sink)->seek(offset, whence);
}

} // namespace

qint64 OutputSink::write(const void* data, qint64 length)
{
    if (mAbandon && mAbandon->load()) {
        mAbandoned = true;
        errno = ECANCELED;
        return -1;
    }
    const char* bytes = static_cast<const char*>(data);
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ::write(mDescriptor, bytes + done, static_cast<size_t>(length - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            int expected = 0;
            mError.compare_exchange_strong(expected, n < 0 ? errno : EIO);
            errno = mError.load();
            return -1;
        }
        done += n;
        mPosition += n;
        mEnd = std::max(mEnd, mPosition);
    }
    return done;
}

qint64 OutputSink::read(void* data, qint64 length)
{
    const ssize_t n = ::read(mDescriptor, data, static_cast<size_t>(length));
    if (n > 0)
        mPosition += n;
    return n;
}

qint64 OutputSink::seek(qint64 offset, int whence)
{
    const off_t position = ::lseek(mDescriptor, static_cast<off_t>(offset), whence);
    if (position >= 0)
        mPosition = position;
    return position;
}

VTarget OutputSink::libvipsTarget()
{
    VipsTargetCustom* target = vips_target_custom_new();
    if (!target)
        throw VError();
    g_signal_connect(target, "write", G_CALLBACK(onTargetWrite), this);
    g_signal_connect(target, "read", G_CALLBACK(onTargetRead), this);
    g_signal_connect(target, "seek", G_CALLBACK(onTargetSeek), this);
    return VTarget(VIPS_TARGET(target));
}

} // namespace ImageCodec
