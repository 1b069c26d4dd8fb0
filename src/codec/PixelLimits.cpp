#include "PixelLimits.h"

#include <QCoreApplication>

#include <vips/vips8>

#include <algorithm>
#include <climits>
#include <cmath>

#include "ImageCodec.h"

namespace ImageCodec {

QString megapixelText(qint64 pixels)
{
    return QString::number(static_cast<qint64>(std::ceil(static_cast<double>(pixels) / 1e6)));
}

QString limitProblem(const QString& what, qint64 pixels, qint64 maxPixels)
{
    return QCoreApplication::translate("ImageCodec",
        "%1 (%2 megapixels), above the limit of %3 megapixels; the maxMegapixels setting "
        "raises it (ostrel-batch --max-megapixels N, with --save to keep it)")
        .arg(what, megapixelText(pixels), megapixelText(maxPixels));
}

QString pixelLimitProblem(qint64 width, qint64 height, qint64 maxPixels)
{
    if (width * height <= maxPixels)
        return QString();
    return limitProblem(QCoreApplication::translate("ImageCodec", "the image is %1 x %2 pixels")
                            .arg(width)
                            .arg(height),
        width * height, maxPixels);
}

QString animationLimitProblem(qint64 width, qint64 height, qint64 frames, qint64 maxPixels)
{
    const qint64 pixels = width * height * std::max<qint64>(1, frames);
    if (pixels <= maxPixels)
        return QString();
    return limitProblem(
        QCoreApplication::translate("ImageCodec", "the animation is %1 x %2 pixels in %3 frames")
            .arg(width)
            .arg(height)
            .arg(frames),
        pixels, maxPixels);
}

QString outputLimitProblem(qint64 width, qint64 height, qint64 frames, qint64 maxPixels)
{
    frames = std::max<qint64>(1, frames);
    // Sides beyond any format are refused by their own check; this one compares products
    // that cannot overflow.
    const qint64 pixels = std::min<qint64>(width, VIPS_MAX_COORD)
        * std::min<qint64>(height, VIPS_MAX_COORD) * std::min<qint64>(frames, INT_MAX);
    if (pixels <= maxPixels)
        return QString();
    const QString what = frames > 1
        ? QCoreApplication::translate(
            "ImageCodec", "the output would be %1 x %2 pixels in %3 frames")
              .arg(width)
              .arg(height)
              .arg(frames)
        : QCoreApplication::translate("ImageCodec", "the output would be %1 x %2 pixels")
              .arg(width)
              .arg(height);
    return limitProblem(what, pixels, maxPixels);
}

} // namespace ImageCodec
