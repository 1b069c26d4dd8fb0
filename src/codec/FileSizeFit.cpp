#include "FileSizeFit.h"

#include <algorithm>
#include <cmath>

#include "PixelPipeline.h"

using vips::VImage;

namespace ImageCodec {

namespace {

// Each size step makes each side this much of what it was.
constexpr double kSizeStep = 0.9;
// And there are at most this many (a side of 0.2 % of the image's), fewer when a side would go
// below a pixel first.
constexpr int kMaxSizeSteps = 60;

} // namespace

// The file's size falls as the quality falls. At the image's own size the set quality is tried
// first: most files fit there, with one encode. Otherwise the qualities between the lowest
// allowed and the set one are bisected, between one known to fit (or the one below the
// lowest) and one known not to: at most about seven encodes for a span of 70. Once even the
// lowest quality does not fit, each size step tries the lowest quality alone, and the first
// size where it fits is bisected upwards, up to the set quality. The pixels are computed once
// and held in memory; each size step resamples them, not the source.
FittedFile fitFileSize(const VImage& image, qint64 limit, int quality, int lowestQuality,
    const EncodeInMemory& encode)
{
    const VImage whole = image.copy_memory();
    const int frameHeight = vips_image_get_page_height(whole.get_image());
    const int frames = whole.height() / frameHeight;
    const bool takesQuality = quality >= 0;
    const int lowest = takesQuality ? std::min(lowestQuality, quality) : -1;

    FittedFile fitted;
    VImage current = whole;
    for (int step = 0; step <= kMaxSizeSteps; ++step) {
        const double scale = std::pow(kSizeStep, step);
        const int width = static_cast<int>(std::lround(whole.width() * scale));
        const int height = static_cast<int>(std::lround(frameHeight * scale));
        if (width < 1 || height < 1)
            break;
        if (step > 0 && width == current.width() && height * frames == current.height())
            continue; // a small image that the step does not change
        if (step > 0)
            current = scaleTo(whole, width, height).copy_memory();

        // good fits (its file kept) or is one below the lowest; bad does not fit or is one above
        // the set quality.
        int good = lowest - 1;
        int bad = quality + 1;
        QByteArray best;
        auto tryQuality = [&](int q) {
            QByteArray file = encode(current, q);
            if (file.size() > limit) {
                bad = q;
                return false;
            }
            good = q;
            best = std::move(file);
            return true;
        };
        // At the image's own size the set quality first, after a size step the lowest.
        const bool fits = tryQuality(step == 0 ? quality : lowest);
        if (!fits && (step > 0 || !takesQuality))
            continue;
        while (bad - good > 1)
            tryQuality(good + (bad - good) / 2);
        if (best.isEmpty())
            continue;
        fitted.bytes = std::move(best);
        fitted.quality = good;
        fitted.scale = scale;
        fitted.width = width;
        fitted.height = height;
        return fitted;
    }
    return fitted;
}

} // namespace ImageCodec
