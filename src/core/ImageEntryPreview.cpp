// ImageEntry::preview(), which decodes in this process; apart from the rest of the entry so
// that a program that hands its decoding to workers links none of the codec's decoders.

#include "ImageEntry.h"

#include <cmath>

#include "codec/ImageCodec.h"

ImageEntry::Preview ImageEntry::preview(qreal devicePixelRatio, qint64 maxPixels)
{
    if (!mPreview.isNull())
        return mPreview;
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const int box = static_cast<int>(std::ceil(kPreviewBox * ratio));
    const ImageCodec::PreviewResult decoded = ImageCodec::decodePreview(mPath, box, maxPixels);
    Preview preview;
    preview.pixels = decoded.image;
    preview.pixels.setDevicePixelRatio(ratio);
    mPreview = fitPreview(preview, decoded.sourceSize);
    return mPreview;
}
