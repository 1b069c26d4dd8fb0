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

QString targetSizeProblem(double width, double height, OutputFormat format)
{
    // libvips' own limit on a side, or what the format's encoder can state in its header.
    double largest = VIPS_MAX_COORD;
    QString maker = QStringLiteral("libvips");
    const OutputFormats::Info* info = OutputFormats::find(format);
    if (info && info->largestSide > 0) {
        largest = info->largestSide;
        maker = QString::fromLatin1(info->name);
    }
    // Rounded as the render rounds them; a side that rounds to 0 is the caller's to refuse.
    if (std::isfinite(width) && std::isfinite(height) && std::round(width) <= largest
        && std::round(height) <= largest)
        return QString();
    // In whole pixels, as the render would make them.
    const auto text = [](double side) {
        return std::isfinite(side) && std::abs(side) < 1e15
            ? QString::number(static_cast<qint64>(std::round(side)))
            : QString::number(side, 'g', 6);
    };
    return QCoreApplication::translate("ImageCodec",
        "the target size %1 × %2 pixels has a side beyond the %3 pixels that "
        "%4 can make")
        .arg(text(width), text(height), QString::number(largest, 'f', 0), maker);
}

} // namespace ImageCodec
