#include "WholeDataCheck.h"

#include <QCoreApplication>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

#include "CodecError.h"

using vips::VError;
using vips::VImage;
using vips::VRegion;

namespace ImageCodec {

namespace {

// Runs on the threads libvips computes pixels on.
int watchGenerate(VipsRegion* out, void* sequence, void*, void* state, gboolean*)
{
    auto* input = static_cast<VipsRegion*>(sequence);
    auto* watch = static_cast<WholeDataCheck::Watch*>(state);
    const VipsRect area = out->valid;
    if (vips_region_prepare(input, &area) != 0) {
        watch->failed.store(true);
        return -1;
    }
    const int bottom = area.top + area.height;
    int reached = watch->reached.load();
    while (bottom > reached && !watch->reached.compare_exchange_weak(reached, bottom)) { }
    return vips_region_region(out, input, &area, area.left, area.top);
}

} // namespace

VImage passThrough(const VImage& image, VipsGenerateFn generate, void* state)
{
    VipsImage* in = image.get_image();
    VipsImage* out = vips_image_new();
    if (vips_image_pipelinev(out, VIPS_DEMAND_STYLE_THINSTRIP, in, nullptr) != 0
        || vips_image_generate(out, vips_start_one, generate, vips_stop_one, in, state) != 0) {
        g_object_unref(out);
        throw VError();
    }
    // The input lives as long as the step that reads it.
    g_object_ref(in);
    vips_object_local(out, in);
    return VImage(out);
}

VImage WholeDataCheck::watched(const VImage& image, Watch* watch)
{
    return passThrough(image, watchGenerate, watch);
}

VImage WholeDataCheck::watch(const VImage& loaded)
{
    auto* state = new Watch;
    try {
        mWatched = watched(loaded, state);
    } catch (const VError&) {
        delete state;
        throw;
    }
    // The watched image keeps its state as long as it lives.
    g_signal_connect_swapped(mWatched.get_image(), "close",
        G_CALLBACK(+[](Watch* finished) { delete finished; }), state);
    mWatch = state;
    return mWatched;
}

QString WholeDataCheck::problem(const ResizeStatus& rendered)
{
    mRenderAgain = false;
    if (mJpegFile >= 0)
        return jpegProblem(rendered);
    if (!mWatch)
        return QString();
    const int height = mWatched.height();
    if (rendered.ok() && !mWatch->failed.load() && mWatch->reached.load() < height) {
        // Forward from the furthest row reached, which a sequential loader allows.
        VRegion region = VRegion::new_from_image(mWatched);
        constexpr int kRows = 64;
        for (int top = mWatch->reached.load(); top < height; top += kRows) {
            try {
                region.prepare(0, top, mWatched.width(), std::min(kRows, height - top));
            } catch (const VError& e) {
                takeError(e);
                break;
            }
        }
    }
    if (mWatch->failed.load())
        return QCoreApplication::translate("ImageCodec", "the image data ends early or is damaged");
    return QString();
}

QString WholeDataCheck::jpegProblem(const ResizeStatus& rendered)
{
    if (mJpeg) // judged before this render, which was tolerant
        return QString();
    if (rendered.ok() && readToEndMarker())
        return QString();
    // An image given up or an output that could not be written says nothing of the data.
    if (!rendered.ok() && rendered.error != ResizeError::DecodeFailed)
        return QString();
    mJpeg = JpegIntegrity::check(mJpegFile);
    if (!mJpeg->whole)
        return QCoreApplication::translate(
            "ImageCodec", "the JPEG data ends early or is damaged: %1")
            .arg(mJpeg->problem);
    mRenderAgain = !rendered.ok();
    return QString();
}

// Whether the strict loader went through the file to the end marker that closes it. A file
// that fits in one read is always read to its end, whatever was decoded of it, so only larger
// ones count.
bool WholeDataCheck::readToEndMarker() const
{
    constexpr qint64 kOneRead = 64 * 1024;
    struct stat status = {};
    unsigned char end[2] = {};
    return ::fstat(mJpegFile, &status) == 0 && status.st_size > kOneRead
        && mJpegSource->read_position >= status.st_size
        && ::pread(mJpegFile, end, 2, status.st_size - 2) == 2 && end[0] == 0xFF && end[1] == 0xD9;
}

} // namespace ImageCodec
