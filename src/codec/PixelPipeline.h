#pragma once

#include <QColor>

#include <vips/vips8>

#include "SourceLoader.h"
#include "WholeDataCheck.h"

// The pixels of an opened source on their way to an encoder or a preview: decoded at (or
// shrunk on load towards) the target size, resampled with lanczos3, turned upright, converted
// to the output's colour space and flattened where asked. The steps build a libvips pipeline
// on the rendering thread; the pixels are computed later, on libvips' threads, as the encoder
// asks for them.
namespace ImageCodec {

// What a decode keeps of the source's own kind of pixels, as the output format can hold it.
struct Keep
{
    bool allFrames = false; // every frame of an animation, one above the other
    bool grey = false; // one channel of grey, with the source's own grey profile
    bool deep = false; // 16 bits a sample
};

// Decodes an opened source at (or shrinks it towards) width x height. A check, when given,
// learns whether the source's data was whole. Without keep.allFrames only the first picture
// of a file is decoded; with it every frame, each resized to width x height. Throws a Refusal
// or a VError.
vips::VImage decodeAt(OpenSource& open, const SourceInfo& info, int width, int height,
    VipsSize size, WholeDataCheck* check, const Keep& keep = {});

// Converts whatever was decoded to 8-bit sRGB (alpha kept). Sources with an embedded profile
// are transformed through it; CMYK without one through libvips' default CMYK profile.
vips::VImage toSrgb(vips::VImage image);

// The colour space an image is written in: greyscale stays one channel where the format
// keeps it, and 16-bit samples stay 16-bit where the format keeps them; anything else becomes
// 8-bit sRGB (alpha kept).
vips::VImage toOutputColour(vips::VImage image, bool keepGrey, bool keepDeep);

// The image composited over colour, which may itself be translucent; an image without alpha
// is returned as it is.
vips::VImage flattenOnto(vips::VImage image, const QColor& colour);

} // namespace ImageCodec
