#include "OutputFormat.h"

#include <array>

namespace OutputFormats {

namespace {

// JPEG keeps Huffman tables made for each image (smaller files, the same pixels). PNG: zlib
// level 6 with every row filter tried. GIF: palette search effort 4 of 10, on a 640 px photo
// within 0.2 dB PSNR of the default effort 7 at about a third of the time (effort 1 loses
// over 1 dB). TIFF: LZW with horizontal prediction or no compression, the resolution in
// inches. BMP is written by Qt's writer, which libvips lacks. WebP and JPEG XL are lossless at
// 100 %. AVIF is HEIF with AV1 at encoder effort 2 of 9: a 1600 px photo takes about 0.3 s
// there and 3 s at the default effort 4, whose file is no smaller. HEIC is HEIF with HEVC
// (x265 ignores the effort). WebP holds at most 16383 pixels a side; libheif reads back at
// most 16384.
constexpr std::array<Info, 9> kFormats { {
    { .format = OutputFormat::Jpeg,
        .name = "JPEG",
        .extension = "jpg",
        .commandLineNames = "jpeg jpg",
        .storesResolution = true,
        .takesQuality = true,
        .largestSide = 65500,
        .libvipsSaver = ".jpg[optimize_coding]",
        .keepsGrey = true },
    { .format = OutputFormat::Png,
        .name = "PNG",
        .extension = "png",
        .commandLineNames = "png",
        .keepsAlpha = true,
        .storesResolution = true,
        .libvipsSaver = ".png[compression=6,filter=all]",
        .keepsGrey = true,
        .keeps16Bit = true },
    { .format = OutputFormat::Gif,
        .name = "GIF",
        .extension = "gif",
        .commandLineNames = "gif",
        .keepsAlpha = true,
        .largestSide = 65535,
        .libvipsSaver = ".gif[effort=4]",
        .animates = true },
    { .format = OutputFormat::Bmp,
        .name = "BMP",
        .extension = "bmp",
        .commandLineNames = "bmp",
        .storesResolution = true },
    { .format = OutputFormat::Tiff,
        .name = "TIFF",
        .extension = "tif",
        .commandLineNames = "tiff tif",
        .keepsAlpha = true,
        .storesResolution = true,
        .libvipsSaver = ".tif[resunit=inch]",
        .keepsGrey = true,
        .keeps16Bit = true,
        .choosesCompression = true },
    { .format = OutputFormat::WebP,
        .name = "WebP",
        .extension = "webp",
        .commandLineNames = "webp",
        .keepsAlpha = true,
        .storesResolution = true,
        .takesQuality = true,
        .largestSide = 16383,
        .libvipsSaver = ".webp",
        .losslessAtFullQuality = true,
        .animates = true },
    { .format = OutputFormat::Avif,
        .name = "AVIF",
        .extension = "avif",
        .commandLineNames = "avif",
        .keepsAlpha = true,
        .storesResolution = true,
        .takesQuality = true,
        .largestSide = 16384,
        .libvipsSaver = ".heif[compression=av1,effort=2]" },
    { .format = OutputFormat::Heic,
        .name = "HEIC",
        .extension = "heic",
        .commandLineNames = "heic heif",
        .keepsAlpha = true,
        .storesResolution = true,
        .takesQuality = true,
        .largestSide = 16384,
        .libvipsSaver = ".heif[compression=hevc]" },
    { .format = OutputFormat::JpegXl,
        .name = "JPEG XL",
        .extension = "jxl",
        .commandLineNames = "jxl jpeg-xl",
        .keepsAlpha = true,
        .takesQuality = true,
        .libvipsSaver = ".jxl",
        .losslessAtFullQuality = true,
        .keepsGrey = true },
} };

} // namespace

std::span<const Info> all()
{
    return kFormats;
}

const Info* find(OutputFormat format)
{
    for (const Info& info : kFormats) {
        if (info.format == format)
            return &info;
    }
    return nullptr;
}

std::optional<OutputFormat> fromCode(int code)
{
    const auto format = static_cast<OutputFormat>(code);
    if (find(format))
        return format;
    return std::nullopt;
}

std::optional<OutputFormat> fromCommandLineName(const QString& word)
{
    const QString wanted = word.trimmed().toLower();
    for (const Info& info : kFormats) {
        const QStringList names
            = QString::fromLatin1(info.commandLineNames).split(QLatin1Char(' '));
        if (names.contains(wanted))
            return info.format;
    }
    return std::nullopt;
}

QStringList commandLineNames()
{
    QStringList names;
    for (const Info& info : kFormats)
        names << QString::fromLatin1(info.commandLineNames).section(QLatin1Char(' '), 0, 0);
    return names;
}

} // namespace OutputFormats
