#include "OpaqueAlpha.h"

#include <limits>

using vips::VError;
using vips::VImage;

namespace ImageCodec {

namespace {

template <typename Sample> bool allFull(const VipsRegion* region, const VipsRect& area, int bands)
{
    constexpr Sample kFull = std::numeric_limits<Sample>::max();
    for (int y = 0; y < area.height; ++y) {
        const auto* line
            = reinterpret_cast<const Sample*>(VIPS_REGION_ADDR(region, area.left, area.top + y));
        for (int x = bands - 1; x < area.width * bands; x += bands) {
            if (line[x] != kFull)
                return false;
        }
    }
    return true;
}

// Runs on the threads libvips computes pixels on.
int watchGenerate(VipsRegion* out, void* sequence, void*, void* state, gboolean*)
{
    auto* input = static_cast<VipsRegion*>(sequence);
    const VipsRect area = out->valid;
    if (vips_region_prepare(input, &area) != 0)
        return -1;
    const int bands = input->im->Bands;
    const bool opaque = input->im->BandFmt == VIPS_FORMAT_USHORT
        ? allFull<unsigned short>(input, area, bands)
        : allFull<unsigned char>(input, area, bands);
    if (!opaque) {
        static_cast<std::atomic<bool>*>(state)->store(true);
        vips_error("OpaqueAlpha", "%s", "the picture is not opaque");
        return -1;
    }
    return vips_region_region(out, input, &area, area.left, area.top);
}

} // namespace

VImage OpaqueAlpha::watch(const VImage& image)
{
    VipsImage* in = image.get_image();
    VipsImage* out = vips_image_new();
    auto translucent = std::make_shared<std::atomic<bool>>(false);
    if (vips_image_pipelinev(out, VIPS_DEMAND_STYLE_THINSTRIP, in, nullptr) != 0
        || vips_image_generate(
               out, vips_start_one, watchGenerate, vips_stop_one, in, translucent.get())
            != 0) {
        g_object_unref(out);
        throw VError();
    }
    // The input lives as long as the step that reads it, and so does the flag.
    g_object_ref(in);
    vips_object_local(out, in);
    using Flag = std::shared_ptr<std::atomic<bool>>;
    g_signal_connect_swapped(
        out, "close", G_CALLBACK(+[](Flag* held) { delete held; }), new Flag(translucent));
    mTranslucent = std::move(translucent);
    return VImage(out);
}

bool OpaqueAlpha::shouldRenderAgain()
{
    if (mDisproved || !mTranslucent || !mTranslucent->load())
        return false;
    mDisproved = true;
    return true;
}

} // namespace ImageCodec
