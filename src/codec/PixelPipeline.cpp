#include "PixelPipeline.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include "CodecError.h"
#include "GifFrames.h"

using vips::VImage;
using vips::VOption;

namespace ImageCodec {

namespace {

// The largest sample value of the image's depth.
double fullScale(const VImage& image)
{
    return image.format() == VIPS_FORMAT_USHORT ? 65535.0 : 255.0;
}

// thumbnail's options for a source: exact size or a box, and the colour conversion to sRGB
// that the source needs. Shrink-on-load, lanczos3, alpha premultiplied while resampling, EXIF
// orientation applied. The operation called with them deletes them: make them in its call.
// With keepGrey a greyscale source keeps its own profile, which describes its one channel.
VOption* thumbnailOptions(const SourceInfo& source, int height, VipsSize size,
    bool keepGrey = false, Light light = Light::Gamma)
{
    auto options = VImage::option()->set("height", height)->set("size", size);
    if (light == Light::Linear)
        options->set("linear", true);
    if ((source.embeddedProfile && !(keepGrey && source.grey)) || source.cmyk)
        options->set("export_profile", "srgb");
    if (source.cmyk && !source.embeddedProfile)
        options->set("import_profile", "cmyk");
    return options;
}

// Resamples a 16-bit source for a format that keeps 16 bits (thumbnail makes everything
// 8-bit): lanczos3 in premultiplied alpha, as thumbnail does, then turned upright. Colours
// go through the source's profile into sRGB at 16 bits, unless a greyscale source keeps its
// own. In linear light the samples are made linear (scRGB, float) before resampling and put
// back on the sRGB curve after; the profile's transform then comes first, so that what is
// made linear is sRGB.
VImage resampleDeep(
    const VImage& loaded, const SourceInfo& info, int width, int height, bool keepGrey, Light light)
{
    const int orientation = vips_image_get_orientation(loaded.get_image());
    const bool swap = vips_image_get_orientation_swap(loaded.get_image()) != 0;
    const double storedWidth = swap ? height : width;
    const double storedHeight = swap ? width : height;
    const auto toSrgb16 = [&](VImage image) {
        if ((info.embeddedProfile && !(keepGrey && info.grey)) || info.cmyk) {
            VOption* options
                = VImage::option()->set("depth", 16)->set("embedded", info.embeddedProfile);
            if (!info.embeddedProfile)
                options->set("input_profile", "cmyk");
            image = image.icc_transform("srgb", options);
        }
        return image;
    };
    const bool linear = light == Light::Linear;
    VImage image = linear ? toSrgb16(loaded) : loaded;
    const VipsInterpretation stored = image.interpretation();
    if (linear)
        image = image.colourspace(VIPS_INTERPRETATION_scRGB);
    const bool alpha = image.has_alpha();
    if (alpha)
        image = image.premultiply();
    image = image.resize(storedWidth / loaded.width(),
        VImage::option()
            ->set("vscale", storedHeight / loaded.height())
            ->set("kernel", VIPS_KERNEL_LANCZOS3));
    if (alpha)
        image = image.unpremultiply();
    if (linear) {
        // Grey comes back as one channel of grey.
        const bool grey = stored == VIPS_INTERPRETATION_GREY16 || stored == VIPS_INTERPRETATION_B_W;
        image = image.colourspace(grey ? VIPS_INTERPRETATION_GREY16 : VIPS_INTERPRETATION_RGB16);
    }
    image = image.cast(loaded.format());
    if (!linear)
        image = toSrgb16(image);
    // Turning a sequentially read pipeline would read it out of order: the result, at its
    // target size, is held in memory first.
    if (orientation > 1)
        image = image.copy_memory().autorot();
    return image;
}

} // namespace

VImage decodeAt(OpenSource& open, const SourceInfo& info, int width, int height, VipsSize size,
    WholeDataCheck* check, const Keep& keep, Light light, const QColor& background,
    OpaqueAlpha* opaque)
{
    const bool allFrames = keep.allFrames;
    const SourceType& type = *open.type;
    if (type.reader == Reader::Libvips && type.shrinkOnLoad) {
        // thumbnail_source keeps its own fail_on from the loader; the option string reaches it.
        QStringList loaderOptions;
        if (check && std::strcmp(type.decoder, "jpegload_source") == 0) {
            check->checkJpeg(open.file, open.source->get_source());
            if (check->jpegFailOn() == VIPS_FAIL_ON_WARNING)
                loaderOptions << QStringLiteral("fail_on=warning");
        }
        if (allFrames)
            loaderOptions << QStringLiteral("n=-1");
        VOption* options = thumbnailOptions(info, height, size, keep.grey, light)
                               ->set("fail_on", VIPS_FAIL_ON_TRUNCATED);
        if (!loaderOptions.isEmpty())
            options->set("option_string", loaderOptions.join(u',').toUtf8().constData());
        VImage image = VImage::thumbnail_source(*open.source, width, options);
        // thumbnail chooses its loader again from the same data: still only this type's.
        const char* loader = nullptr;
        if (vips_image_get_string(image.get_image(), VIPS_META_LOADER, &loader) != 0 || !loader
            || std::strcmp(loader, type.decoder) != 0) {
            vips_error_clear();
            throw Refusal { notOfType(type), SourceProblem::NotOfType };
        }
        return image;
    }
    VImage loaded = open.header;
    if (allFrames && type.structure == Structure::Gif) {
        // libvips composes frames that dispose to the background wrongly: composed here.
        loaded = composeGifFrames(open.file.get(), open.header, info.pages);
    } else if (allFrames && type.reader == Reader::Libvips) {
        VImage::call(type.decoder,
            VImage::option()
                ->set("source", *open.source)
                ->set("out", &loaded)
                ->set("access", VIPS_ACCESS_SEQUENTIAL)
                ->set("fail_on", VIPS_FAIL_ON_TRUNCATED)
                ->set("n", -1));
        // Every frame or none: the loader stops at a number of frames of its own.
        const int frames = loaded.get_typeof(VIPS_META_N_PAGES)
            ? loaded.get_int(VIPS_META_N_PAGES)
            : loaded.height() / std::max(1, vips_image_get_page_height(loaded.get_image()));
        if (frames < info.pages)
            throw Refusal { QCoreApplication::translate("ImageCodec",
                                "the animation has %1 frames, and only the first %2 can be read")
                                .arg(info.pages)
                                .arg(frames),
                SourceProblem::Damaged };
    }
    if (check && !open.decodedByQt)
        loaded = check->watch(loaded);
    const bool deep = keep.deep && info.deep && !open.decodedByQt && size == VIPS_SIZE_FORCE;
    const VipsInterpretation colours = loaded.interpretation();
    const bool flattened = background.isValid() && background.alpha() == 255;
    if (opaque && opaque->mayGuess() && !allFrames && light == Light::Gamma && loaded.bands() == 4
        && ((colours == VIPS_INTERPRETATION_sRGB && loaded.format() == VIPS_FORMAT_UCHAR)
            || (colours == VIPS_INTERPRETATION_RGB16 && loaded.format() == VIPS_FORMAT_USHORT))
        && !flattened) {
        const VImage colour = opaque->watch(loaded).extract_band(0, VImage::option()->set("n", 3));
        const VImage resampled = deep
            ? resampleDeep(colour, info, width, height, keep.grey, light)
            : colour.thumbnail_image(width, thumbnailOptions(info, height, size, keep.grey, light));
        return resampled.bandjoin_const({ fullScale(resampled) });
    }
    if (deep)
        return resampleDeep(loaded, info, width, height, keep.grey, light);
    // Flattening onto an opaque colour and resampling are both linear, in either order the
    // same picture (to a level): an 8-bit sRGB picture flattened first is resampled as three
    // bands of bytes instead of four premultiplied bands of floats, a third of the work. Only
    // on the sRGB curve, and where thumbnail converts no colours after resampling.
    if (flattened && !allFrames && light == Light::Gamma && !info.embeddedProfile && !info.cmyk
        && loaded.bands() == 4 && loaded.format() == VIPS_FORMAT_UCHAR
        && colours == VIPS_INTERPRETATION_sRGB)
        loaded = flattenOnto(loaded, background);
    return loaded.thumbnail_image(width, thumbnailOptions(info, height, size, keep.grey, light));
}

VImage toSrgb(VImage image)
{
    const VipsInterpretation interpretation = image.interpretation();
    if (interpretation != VIPS_INTERPRETATION_sRGB || image.format() != VIPS_FORMAT_UCHAR)
        image = image.colourspace(VIPS_INTERPRETATION_sRGB);
    if (image.format() != VIPS_FORMAT_UCHAR)
        image = image.cast(VIPS_FORMAT_UCHAR);
    return image;
}

VImage toOutputColour(VImage image, bool keepGrey, bool keepDeep)
{
    const VipsInterpretation now = image.interpretation();
    const bool grey = (now == VIPS_INTERPRETATION_B_W || now == VIPS_INTERPRETATION_GREY16)
        && image.bands() <= 2;
    const bool deep = keepDeep && image.format() == VIPS_FORMAT_USHORT;
    VipsInterpretation wanted = deep ? VIPS_INTERPRETATION_RGB16 : VIPS_INTERPRETATION_sRGB;
    if (grey && keepGrey)
        wanted = deep ? VIPS_INTERPRETATION_GREY16 : VIPS_INTERPRETATION_B_W;
    const VipsBandFormat sample = deep ? VIPS_FORMAT_USHORT : VIPS_FORMAT_UCHAR;
    if (now != wanted || image.format() != sample)
        image = image.colourspace(wanted);
    if (image.format() != sample)
        image = image.cast(sample);
    return image;
}

namespace {

// The thresholds of an 8 x 8 Bayer matrix as fractions of a level, (n + 0.5) / 64: each of the
// 64 once, neighbouring ones far apart, averaging one half.
VImage ditherThresholds()
{
    static constexpr int kBayer[64] = {
        0, 32, 8, 40, 2, 34, 10, 42, //
        48, 16, 56, 24, 50, 18, 58, 26, //
        12, 44, 4, 36, 14, 46, 6, 38, //
        60, 28, 52, 20, 62, 30, 54, 22, //
        3, 35, 11, 43, 1, 33, 9, 41, //
        51, 19, 59, 27, 49, 17, 57, 25, //
        15, 47, 7, 39, 13, 45, 5, 37, //
        63, 31, 55, 23, 61, 29, 53, 21, //
    };
    double thresholds[64];
    for (int i = 0; i < 64; ++i)
        thresholds[i] = (kBayer[i] + 0.5) / 64.0;
    return VImage::new_matrix(8, 8, thresholds, 64).cast(VIPS_FORMAT_FLOAT);
}

} // namespace

// Each 16-bit sample v becomes floor(v / 257 + t), t the threshold at its place in the tiled
// matrix: on average v / 257 exactly, where truncating would lose half a level and rounding
// would turn a slow gradient into steps. An 8-bit value lifted to 16 bits (k * 257) comes back
// as k.
VImage toOutputDepth(VImage image, int bits)
{
    if (image.format() != VIPS_FORMAT_USHORT || bits > 8)
        return image;
    const bool alpha = image.has_alpha();
    const int colourBands = alpha ? image.bands() - 1 : image.bands();
    const VImage colour
        = alpha ? image.extract_band(0, VImage::option()->set("n", colourBands)) : image;
    const VImage thresholds = ditherThresholds()
                                  .replicate((image.width() + 7) / 8, (image.height() + 7) / 8)
                                  .crop(0, 0, image.width(), image.height());
    VImage reduced = (colour.linear(1.0 / 257.0, 0.0) + thresholds).cast(VIPS_FORMAT_UCHAR);
    if (alpha)
        reduced = reduced.bandjoin(
            image.extract_band(colourBands).linear(1.0 / 257.0, 0.5).cast(VIPS_FORMAT_UCHAR));
    return reduced.copy(VImage::option()->set(
        "interpretation", colourBands == 1 ? VIPS_INTERPRETATION_B_W : VIPS_INTERPRETATION_sRGB));
}

namespace {

// The image made ready to meet the colour, and the colour's values in its bands and depth,
// alpha left out. Grey stays grey with a grey colour; a coloured one makes the image colour.
std::pair<VImage, std::vector<double>> meetingColour(VImage image, const QColor& rgb)
{
    const bool deep = image.format() == VIPS_FORMAT_USHORT;
    const bool neutral = rgb.red() == rgb.green() && rgb.green() == rgb.blue();
    if (image.bands() <= 2 && !neutral)
        image = image.colourspace(deep ? VIPS_INTERPRETATION_RGB16 : VIPS_INTERPRETATION_sRGB);
    const double full = fullScale(image);
    std::vector<double> values = { rgb.redF() * full, rgb.greenF() * full, rgb.blueF() * full };
    if (image.bands() <= 2)
        values.resize(1);
    return { image, values };
}

} // namespace

VImage flattenOnto(VImage image, const QColor& colour)
{
    if (!image.has_alpha())
        return image;
    const QColor rgb = colour.toRgb();
    auto [ready, opaque] = meetingColour(image, rgb);
    if (rgb.alphaF() >= 1.0)
        return ready.flatten(VImage::option()->set("background", opaque));
    // A translucent background: the image goes over a canvas filled with the colour, alpha
    // included, like painting it onto that canvas.
    std::vector<double> fill = opaque;
    fill.push_back(rgb.alphaF() * fullScale(ready));
    VImage canvas = ready.new_from_image(fill);
    return canvas.composite2(ready, VIPS_BLEND_MODE_OVER).cast(ready.format());
}

namespace {

// The image with fn applied to each of its frames (one above the other, page-height apart),
// or to the whole image when it has one.
template <typename Fn> VImage eachFrame(const VImage& image, Fn fn)
{
    const int pageHeight = vips_image_get_page_height(image.get_image());
    if (pageHeight >= image.height())
        return fn(image, false);
    std::vector<VImage> frames;
    for (int top = 0; top + pageHeight <= image.height(); top += pageHeight)
        frames.push_back(fn(image.extract_area(0, top, image.width(), pageHeight), true));
    VImage joined = VImage::arrayjoin(frames, VImage::option()->set("across", 1));
    joined.set(VIPS_META_PAGE_HEIGHT, frames.front().height());
    return joined;
}

} // namespace

VImage cropTo(VImage image, int width, int height, CropPosition position)
{
    VipsInteresting interesting = VIPS_INTERESTING_CENTRE;
    switch (position) {
    case CropPosition::Attention:
        interesting = VIPS_INTERESTING_ATTENTION;
        break;
    case CropPosition::Entropy:
        interesting = VIPS_INTERESTING_ENTROPY;
        break;
    case CropPosition::Top:
    case CropPosition::Left:
        interesting = VIPS_INTERESTING_LOW;
        break;
    case CropPosition::Bottom:
    case CropPosition::Right:
        interesting = VIPS_INTERESTING_HIGH;
        break;
    case CropPosition::Centre:
        break;
    }
    return eachFrame(image, [&](const VImage& frame, bool animated) {
        const int w = std::min(width, frame.width());
        const int h = std::min(height, frame.height());
        if (w == frame.width() && h == frame.height())
            return frame;
        // Frames cropped at different places would jump: only the edges and the centre.
        VipsInteresting kept = interesting;
        if (animated && (kept == VIPS_INTERESTING_ATTENTION || kept == VIPS_INTERESTING_ENTROPY))
            kept = VIPS_INTERESTING_CENTRE;
        // Attention and entropy look over the whole image before cropping, which a source
        // read in sequence cannot give twice: the scaled image is held in memory first.
        const bool looksOver
            = kept == VIPS_INTERESTING_ATTENTION || kept == VIPS_INTERESTING_ENTROPY;
        return (looksOver ? frame.copy_memory() : frame)
            .smartcrop(w, h, VImage::option()->set("interesting", kept));
    });
}

VImage padTo(VImage image, int width, int height, const QColor& colour, bool transparent)
{
    std::vector<double> fill;
    if (transparent) {
        if (!image.has_alpha())
            image = image.bandjoin_const({ fullScale(image) });
        fill.assign(static_cast<size_t>(image.bands()), 0.0);
    } else {
        const QColor rgb = colour.toRgb();
        std::tie(image, fill) = meetingColour(image, rgb);
        if (image.has_alpha())
            fill.push_back(rgb.alphaF() * fullScale(image));
    }
    return eachFrame(image, [&](const VImage& frame, bool) {
        return frame.gravity(VIPS_COMPASS_DIRECTION_CENTRE, std::max(width, frame.width()),
            std::max(height, frame.height()),
            VImage::option()->set("extend", VIPS_EXTEND_BACKGROUND)->set("background", fill));
    });
}

VImage scaleTo(const VImage& image, int width, int height)
{
    VImage scaled = eachFrame(image, [&](const VImage& frame, bool) {
        VOption* options = VImage::option()
                               ->set("vscale", double(height) / frame.height())
                               ->set("kernel", VIPS_KERNEL_LANCZOS3);
        const double hscale = double(width) / frame.width();
        if (!frame.has_alpha())
            return frame.resize(hscale, options);
        // Premultiplied, so that the colour of transparent pixels does not bleed into the edge.
        return frame.premultiply().resize(hscale, options).unpremultiply().cast(frame.format());
    });
    // A single picture that states its own height as a frame's says the new one.
    if (scaled.get_typeof(VIPS_META_PAGE_HEIGHT) && scaled.height() == height)
        scaled.set(VIPS_META_PAGE_HEIGHT, height);
    return scaled;
}

} // namespace ImageCodec
