#include "ImageWork.h"

#include <QCoreApplication>

#include <cmath>

#include "codec/ImageCodec.h"

namespace ImageWork {

Plan plan(int source, const QString& sourcePath, const ResizeOptions& options)
{
    Plan plan;
    const ImageCodec::SourceInfo info = ImageCodec::probe(source, sourcePath, options.maxPixels);
    if (!info.ok) {
        plan.status = { ResizeError::DecodeFailed, info.error };
        return plan;
    }
    plan.sourceWidth = info.width;
    plan.sourceHeight = info.height;
    plan.taken = info.taken;
    // A size that cannot be made fails as a setting, before anything is decoded.
    const OutputSize size = outputSize(options, info.width, info.height, info.animationFrames());
    if (const QString problem = size.problem(); !problem.isEmpty()) {
        plan.status = { ResizeError::InvalidSettings, problem };
        return plan;
    }
    const float resolution = options.resolution;
    if (!(resolution > 0.0f) || !std::isfinite(resolution)) {
        plan.status = { ResizeError::InvalidSettings,
            QCoreApplication::translate("ImageWork", "resolution %1").arg(resolution) };
        return plan;
    }
    plan.outputWidth = size.width;
    plan.outputHeight = size.height;
    return plan;
}

ResizeStatus render(int source, const QString& sourcePath, const Plan& plan,
    const ResizeOptions& options, int output, const std::atomic<bool>* abandon)
{
    ImageCodec::RenderRequest request;
    request.sourcePath = sourcePath;
    request.width = plan.outputWidth;
    request.height = plan.outputHeight;
    const ResizeRules::Sides scaled = ResizeRules::scaledSize(
        options, static_cast<float>(plan.sourceWidth), static_cast<float>(plan.sourceHeight));
    request.scaledWidth = ResizeRules::wholePixels(scaled.width);
    request.scaledHeight = ResizeRules::wholePixels(scaled.height);
    if (options.proportional && options.givenSide == GivenSide::Both) {
        request.boxMode = options.boxMode;
        request.cropPosition = options.cropPosition;
    }
    request.linearLight = options.linearLight;
    request.format = options.format;
    request.quality = options.quality;
    request.lossless = options.lossless;
    request.maxFileSize = options.maxFileSize;
    request.minQuality = options.minQuality;
    request.metadata = options.metadata;
    request.tiffCompression = options.tiffCompression;
    request.resolution = options.resolution;
    request.flatten = options.flatten;
    request.background = options.background;
    request.abandon = abandon;
    request.maxPixels = options.maxPixels;
    return ImageCodec::render(request, source, output);
}

} // namespace ImageWork
