#pragma once

#include <optional>
#include <span>

#include <QString>
#include <QStringList>

// The formats a batch writes, by the code the settings file stores for each.
enum class OutputFormat
{
    Jpeg = 1,
    Png = 2,
    Gif = 3,
    Bmp = 4,
    Tiff = 5,
    WebP = 6,
    Avif = 7,
    Heic = 8,
    JpegXl = 9,
    // Each image in its source's own format where that is one of the above, PNG otherwise;
    // resolved per image (ResizeRules::formatFor) before anything reads the format's row.
    SameAsSource = 10,
};

// How a TIFF is compressed, by the code the settings file stores. Both are lossless: LZW
// makes smaller files, None faster ones that any reader takes.
enum class TiffCompression
{
    Lzw = 1,
    None = 2,
};

// The one description of every output format: the settings, the codec, the output names, the
// window's format menu and the command line's --format all read it. How libvips writes each
// format (its saver and options, the quality scale, the longest side) is the codec's own, in
// its encoder's table. A new format is a new value above, a new row in OutputFormat.cpp and one
// in the encoder's table.
namespace OutputFormats {

struct Info
{
    OutputFormat format = OutputFormat::Jpeg;
    // As the window's menu and messages show it.
    const char* name = nullptr;
    // The output file's extension, without the dot.
    const char* extension = nullptr;
    // The words --format takes for it, separated by spaces, the first one shown in the help.
    const char* commandLineNames = nullptr;
    // Whether transparent areas stay transparent; without alpha they are flattened onto white.
    bool keepsAlpha = false;
    // Whether the file states the resolution (pixels per inch) the settings give.
    bool storesResolution = false;
    // Whether the quality setting applies (on JPEG's scale, mapped to the encoder's own).
    bool takesQuality = false;
    // Whether the encoder can write the pixels exactly (the lossless setting); AVIF and HEIC
    // cannot, their colour conversion to YCbCr rounds even without chroma subsampling.
    bool hasLossless = false;
    // Whether an animation stays one: every frame resized, the timing kept.
    bool animates = false;
    // Whether a greyscale image stays one channel (two with alpha).
    bool keepsGrey = false;
    // The bits a sample keeps of a source deeper than 8 bits (a 16-bit PNG or TIFF, a 10-bit
    // HEIF): 16, the 10 or 12 that HEIF's codecs hold, or 8. Sources of 8 bits stay 8-bit in
    // every format.
    int deepSampleBits = 8;
    // Whether the compression is the user's choice (TiffCompression); the saver's options
    // leave it out.
    bool choosesCompression = false;
    // The longest side its encoder can write, in pixels; 0 for libvips' own limit.
    int largestSide = 0;
};

// Every format, in the order of the window's menu.
std::span<const Info> all();
// The row of a format; null for a code that names none (a stored code out of range).
const Info* find(OutputFormat format);
// The format a stored code names, if any; SameAsSource too, which has no row.
std::optional<OutputFormat> fromCode(int code);
// The format one of the --format words names (any case, surrounding blanks ignored).
std::optional<OutputFormat> fromCommandLineName(const QString& word);
// The first command-line word of each format, in menu order: "jpeg", "png", ..., then
// "same" for SameAsSource.
QStringList commandLineNames();

} // namespace OutputFormats
