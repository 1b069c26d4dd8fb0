#pragma once

#include <QColor>

#include <vips/vips8>

#include "SourceLoader.h"
#include "model/ResizeOptions.h"
#include "OpaqueAlpha.h"
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
    bool deep = false; // 16 bits a sample, until toOutputDepth chooses the output's
};

// How the pixels are resampled.
enum class Light
{
    Gamma, // on the sRGB curve, as stored (what most programs do)
    Linear, // in linear light: fine patterns and small bright details keep their brightness
};

// Decodes an opened source at (or shrinks it towards) width x height. A check, when given,
// learns whether the source's data was whole. Without keep.allFrames only the first picture
// of a file is decoded; with it every frame, each resized to width x height. background, when
// valid, is the opaque colour the caller flattens the result onto: a source that resamples
// faster flattened may be flattened first. opaque, when given and still guessing, has a
// picture with alpha resampled as if its alpha were opaque throughout, watched. Throws a
// Refusal or a VError.
vips::VImage decodeAt(OpenSource& open, const SourceInfo& info, int width, int height,
    VipsSize size, WholeDataCheck* check, const Keep& keep = {}, Light light = Light::Gamma,
    const QColor& background = QColor(), OpaqueAlpha* opaque = nullptr);

// Converts whatever was decoded to 8-bit sRGB (alpha kept). Sources with an embedded profile
// are transformed through it; CMYK without one through libvips' default CMYK profile.
vips::VImage toSrgb(vips::VImage image);

// The colour space an image is written in: greyscale stays one channel where the format
// keeps it, and 16-bit samples stay 16-bit where the format keeps them; anything else becomes
// 8-bit sRGB (alpha kept).
vips::VImage toOutputColour(vips::VImage image, bool keepGrey, bool keepDeep);

// The samples the output format keeps: 16-bit samples stay 16-bit where it keeps more than 8
// bits (bits is its OutputFormats::Info::deepSampleBits); elsewhere they become 8-bit with an
// ordered dither, so that a smooth gradient does not fall into bands. Alpha is rounded, not
// dithered. The same image always gives the same samples.
vips::VImage toOutputDepth(vips::VImage image, int bits);

// The image composited over colour, which may itself be translucent; an image without alpha
// is returned as it is.
vips::VImage flattenOnto(vips::VImage image, const QColor& colour);

// The image cropped to width x height (no larger than it is), the part kept chosen by position.
// Every frame of an animation is cropped alike: there, the most interesting part is the centre.
vips::VImage cropTo(vips::VImage image, int width, int height, CropPosition position);

// The image centred on a canvas of width x height: transparent where transparent is set (an
// alpha channel is added), otherwise filled with colour. Every frame of an animation alike.
vips::VImage padTo(
    vips::VImage image, int width, int height, const QColor& colour, bool transparent);

// The image resampled (lanczos3) to width x height, every frame of an animation alike (height
// is a frame's); transparent edges keep their colour.
vips::VImage scaleTo(const vips::VImage& image, int width, int height);

} // namespace ImageCodec
