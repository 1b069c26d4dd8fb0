#include "OpaqueAlpha.h"

#include "WholeDataCheck.h"

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
    auto translucent = std::make_shared<std::atomic<bool>>(false);
    VImage watched = passThrough(image, watchGenerate, translucent.get());
    // The flag lives as long as the step that sets it.
    using Flag = std::shared_ptr<std::atomic<bool>>;
    g_signal_connect_swapped(watched.get_image(), "close",
        G_CALLBACK(+[](Flag* held) { delete held; }), new Flag(translucent));
    mTranslucent = std::move(translucent);
    return watched;
}

bool OpaqueAlpha::shouldRenderAgain()
{
    if (mDisproved || !mTranslucent || !mTranslucent->load())
        return false;
    mDisproved = true;
    return true;
}

} // namespace ImageCodec
