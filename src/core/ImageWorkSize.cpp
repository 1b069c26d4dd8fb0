// The sizes of ImageWork.h, apart from its two steps: they need nothing of the codec but its
// limits, so that a process that only works out names and sizes (the command line's, whose
// workers decode) starts without libvips.

#include "ImageWork.h"

#include <QCoreApplication>

#include "codec/ImageCodec.h"

namespace ImageWork {

QString OutputSize::problem() const
{
    if (!formatProblem.isEmpty())
        return formatProblem;
    if (!limitProblem.isEmpty())
        return limitProblem;
    if (isEmpty())
        return QCoreApplication::translate("ImageWork", "target size %1 x %2")
            .arg(exact.width)
            .arg(exact.height);
    return QString();
}

OutputSize outputSize(
    const ResizeOptions& options, int sourceWidth, int sourceHeight, int animationFrames)
{
    OutputSize size;
    size.exact = ResizeRules::targetSize(
        options, static_cast<float>(sourceWidth), static_cast<float>(sourceHeight));
    size.width = ResizeRules::wholePixels(size.exact.width);
    size.height = ResizeRules::wholePixels(size.exact.height);
    size.formatProblem
        = ImageCodec::targetSizeProblem(size.exact.width, size.exact.height, options.format);
    const OutputFormats::Info* format = OutputFormats::find(options.format);
    if (size.formatProblem.isEmpty() && !size.isEmpty())
        size.limitProblem = ImageCodec::outputLimitProblem(size.width, size.height,
            format && format->animates ? animationFrames : 1, options.maxPixels);
    return size;
}

} // namespace ImageWork
