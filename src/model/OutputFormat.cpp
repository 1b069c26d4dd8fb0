#include "OutputFormat.h"

#include <array>

namespace OutputFormats {

namespace {

constexpr std::array<Info, 9> kFormats { {
    { .format = OutputFormat::Jpeg,
        .name = "JPEG",
        .extension = "jpg",
        .commandLineNames = "jpeg jpg",
        .storesResolution = true,
        .takesQuality = true,
        .keepsGrey = true,
        .largestSide = 65500 },
    { .format = OutputFormat::Png,
        .name = "PNG",
        .extension = "png",
        .commandLineNames = "png",
        .keepsAlpha = true,
        .storesResolution = true,
        .keepsGrey = true,
        .deepSampleBits = 16 },
    { .format = OutputFormat::Gif,
        .name = "GIF",
        .extension = "gif",
        .commandLineNames = "gif",
        .keepsAlpha = true,
        .animates = true,
        .largestSide = 65535 },
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
        .keepsGrey = true,
        .deepSampleBits = 16,
        .choosesCompression = true },
    { .format = OutputFormat::WebP,
        .name = "WebP",
        .extension = "webp",
        .commandLineNames = "webp",
        .keepsAlpha = true,
        .storesResolution = true,
        .takesQuality = true,
        .hasLossless = true,
        .animates = true,
        // WebP holds at most 16383 pixels a side; libheif reads back at most 16384.
        .largestSide = 16383 },
    { .format = OutputFormat::Avif,
        .name = "AVIF",
        .extension = "avif",
        .commandLineNames = "avif",
        .keepsAlpha = true,
        .storesResolution = true,
        .takesQuality = true,
        // 8 bits, dithered: libheif 1.15 asks AV1 for its professional profile above 8 bits,
        // on which libaom 3.6 aborts at 10 bits; its 12-bit files are outside the AVIF
        // profiles many viewers (and phones' hardware decoders) read.
        .deepSampleBits = 8,
        .largestSide = 16384 },
    { .format = OutputFormat::Heic,
        .name = "HEIC",
        .extension = "heic",
        .commandLineNames = "heic heif",
        .keepsAlpha = true,
        .storesResolution = true,
        .takesQuality = true,
        .deepSampleBits = 10,
        .largestSide = 16384 },
    { .format = OutputFormat::JpegXl,
        .name = "JPEG XL",
        .extension = "jxl",
        .commandLineNames = "jxl jpeg-xl",
        .keepsAlpha = true,
        .takesQuality = true,
        .hasLossless = true,
        .keepsGrey = true,
        .deepSampleBits = 16 },
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
    if (find(format) || format == OutputFormat::SameAsSource)
        return format;
    return std::nullopt;
}

std::optional<OutputFormat> fromCommandLineName(const QString& word)
{
    const QString wanted = word.trimmed().toLower();
    if (wanted == QLatin1String("same"))
        return OutputFormat::SameAsSource;
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
    names << QStringLiteral("same");
    return names;
}

} // namespace OutputFormats
