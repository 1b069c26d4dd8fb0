#include "OutputFormat.h"

#include <array>

namespace OutputFormats {

namespace {

// JPEG keeps Huffman tables made for each image (smaller files, the same pixels). PNG: zlib
// level 6 with every row filter tried. GIF: palette search effort 4 of 10, on a 640 px photo
// within 0.2 dB PSNR of the default effort 7 at about a third of the time (effort 1 loses
// over 1 dB). TIFF: LZW with horizontal prediction or no compression, the resolution in inches. BMP is written
// by Qt's writer, which libvips lacks. WebP and JPEG XL are lossless at 100 %. AVIF is HEIF
// with AV1 at encoder effort 2 of 9: a 1600 px photo takes about 0.3 s there and 3 s at the
// default effort 4, whose file is no smaller. HEIC is HEIF with HEVC (x265 ignores the
// effort). WebP holds at most 16383 pixels a side; libheif reads back at most 16384.
constexpr std::array<Info, 9> kFormats { {
    { OutputFormat::Jpeg, "JPEG", "jpg", "jpeg jpg", false, true, true, 65500,
        ".jpg[optimize_coding]", false, false, true },
    { OutputFormat::Png, "PNG", "png", "png", true, true, false, 0,
        ".png[compression=6,filter=all]", false, false, true, true },
    { OutputFormat::Gif, "GIF", "gif", "gif", true, false, false, 65535, ".gif[effort=4]", false,
        true },
    { OutputFormat::Bmp, "BMP", "bmp", "bmp", false, true, false, 0, nullptr },
    { OutputFormat::Tiff, "TIFF", "tif", "tiff tif", true, true, false, 0,
        ".tif[resunit=inch]", false, false, true, true, true },
    { OutputFormat::WebP, "WebP", "webp", "webp", true, true, true, 16383, ".webp", true, true },
    { OutputFormat::Avif, "AVIF", "avif", "avif", true, true, true, 16384,
        ".heif[compression=av1,effort=2]" },
    { OutputFormat::Heic, "HEIC", "heic", "heic heif", true, true, true, 16384,
        ".heif[compression=hevc]" },
    { OutputFormat::JpegXl, "JPEG XL", "jxl", "jxl jpeg-xl", true, false, true, 0, ".jxl", true,
        false, true },
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
