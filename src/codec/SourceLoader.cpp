#include "SourceLoader.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

#include "CodecError.h"
#include "FileNames.h"
#include "IccProfile.h"
#include "IcnsLoader.h"
#include "LibvipsModules.h"
#include "PixelLimits.h"
#include "SourceFile.h"
#include "StructureCheck.h"

using vips::VError;
using vips::VImage;

namespace ImageCodec {

namespace {

// ImageMagick opens the file by name: the name of the descriptor already open and checked,
// with the coder forced, so that it neither meets another file nor guesses another format.
QByteArray magickName(const OpenSource& open, const QString& path)
{
#if defined(__linux__)
    Q_UNUSED(path);
    return QByteArray(open.type->decoder) + ":/proc/self/fd/" + QByteArray::number(open.file.get());
#else
    // Elsewhere a descriptor's name shares the descriptor's offset between ImageMagick's
    // opens, so the path itself is given; it was a regular file a moment ago.
    return QByteArray(open.type->decoder) + ':' + FileNames::encode(path);
#endif
}

// ImageMagick's words for why it did not read a file, without the file's name and its own
// source position: "libMagick error: width or height exceeds limit `x.psd' @ error/cache.c/
// OpenPixelCache/4039". The coder is forced, so a header it does not know means that the file
// is not of this type; anything else is ImageMagick's own reason.
Refusal magickProblem(const SourceType& type, const QString& error)
{
    static const QRegularExpression words(QStringLiteral("libMagick error: ([^`]*)"));
    const QRegularExpressionMatch match = words.match(error);
    const QString reason = QStringLiteral("ImageMagick: ")
        + (match.hasMatch() ? match.captured(1).trimmed() : error);
    if (!match.hasMatch() || match.captured(1).contains(QLatin1String("improper image header")))
        return { notOfType(type) + QStringLiteral(" (") + reason + QLatin1Char(')'),
            SourceProblem::NotOfType };
    return { reason };
}

// libheif hands over a HEIF's ICC profile, but not the colour code (nclx) that phones write
// instead: Display P3 or BT.2020 would be taken as sRGB and come out washed out. The profile
// the code stands for is attached to the header as if the file had embedded it, so that the
// source goes through the same conversion to sRGB as any profiled one.
void attachColourCodeProfile(OpenSource& open)
{
    if (open.header.get_typeof(VIPS_META_ICC_NAME) != 0)
        return;
    const SourceStructure::ColourCode code = SourceStructure::heifColourCode(open.file.get());
    if (!code.present)
        return;
    const QByteArray profile = IccProfile::fromColourCode(code.primaries, code.transfer);
    if (profile.isEmpty())
        return;
    // A copy: the loader's own image may be shared through libvips' operation cache.
    open.header = open.header.copy();
    vips_image_set_blob_copy(
        open.header.get_image(), VIPS_META_ICC_NAME, profile.constData(), size_t(profile.size()));
}

// The libvips loader of the type, and no other, reads the header from the open file.
void openWithLibvips(OpenSource& open, qint64 maxPixels)
{
    const SourceType& type = *open.type;
    open.svg = checkStructure(type, open.file.get(), maxPixels);
    open.source = vips::VSource::new_from_descriptor(open.file.get());
    // Which loader would take this content; only the one of this type may.
    const char* found = vips_foreign_find_load_source(open.source->get_source());
    const char* nickname = found ? vips_nickname_find(g_type_from_name(found)) : nullptr;
    if (!nickname || std::strcmp(nickname, type.decoder) != 0) {
        vips_error_clear();
        throw Refusal { notOfType(type), SourceProblem::NotOfType };
    }
    VImage::call(type.decoder,
        VImage::option()
            ->set("source", *open.source)
            ->set("out", &open.header)
            ->set("access", VIPS_ACCESS_SEQUENTIAL)
            ->set("fail_on", VIPS_FAIL_ON_TRUNCATED));
    if (type.heifCompression) {
        const char* compression = nullptr;
        if (vips_image_get_string(open.header.get_image(), "heif-compression", &compression) != 0
            || !compression || std::strcmp(compression, type.heifCompression) != 0) {
            vips_error_clear();
            throw Refusal { notOfType(type), SourceProblem::NotOfType };
        }
    }
    if (type.structure == Structure::Heif)
        attachColourCodeProfile(open);
}

// When the photo was taken, as its EXIF data says, in local time (EXIF states no zone).
// libvips gives the tag as "2023:06:14 10:22:33 (2023:06:14 10:22:33, ASCII, 20 components,
// 20 bytes)": the value comes first.
QDateTime dateTaken(const VImage& header)
{
    const char* field = "exif-ifd2-DateTimeOriginal";
    const char* text = nullptr;
    if (header.get_typeof(field) == 0
        || vips_image_get_string(header.get_image(), field, &text) != 0 || !text) {
        vips_error_clear();
        return {};
    }
    return QDateTime::fromString(
        QString::fromLatin1(text).left(19), QStringLiteral("yyyy:MM:dd HH:mm:ss"));
}

SourceInfo describe(const VImage& header)
{
    SourceInfo info;
    info.width = header.width();
    info.height = header.height();
    if (vips_image_get_orientation_swap(header.get_image()))
        std::swap(info.width, info.height);
    info.embeddedProfile = header.get_typeof(VIPS_META_ICC_NAME) != 0;
    info.cmyk = header.interpretation() == VIPS_INTERPRETATION_CMYK;
    info.deep = header.format() == VIPS_FORMAT_USHORT;
    const VipsInterpretation kind = vips_image_guess_interpretation(header.get_image());
    info.grey = kind == VIPS_INTERPRETATION_B_W || kind == VIPS_INTERPRETATION_GREY16;
    if (header.get_typeof(VIPS_META_N_PAGES))
        info.pages = std::max(1, header.get_int(VIPS_META_N_PAGES));
    info.taken = dateTaken(header);
    info.ok = info.width > 0 && info.height > 0;
    return info;
}

} // namespace

OpenSource openSource(const QString& path, int descriptor, qint64 maxPixels)
{
    OpenSource open;
    open.type = &readableType(path);
    open.file = descriptor >= 0 ? adoptRegularFile(descriptor) : openRegularFile(path);
    switch (open.type->reader) {
    case Reader::Libvips:
        LibvipsModules::ensureOperation(open.type->decoder);
        openWithLibvips(open, maxPixels);
        break;
    case Reader::ImageMagick:
        LibvipsModules::ensureOperation("magickload");
        try {
            open.header = VImage::magickload(magickName(open, path).constData(),
                VImage::option()
                    ->set("access", VIPS_ACCESS_SEQUENTIAL)
                    ->set("fail_on", VIPS_FAIL_ON_TRUNCATED));
        } catch (const VError& e) {
            throw magickProblem(*open.type, takeError(e));
        }
        break;
    case Reader::Icns:
        openIcns(open, maxPixels);
        break;
    }
    return open;
}

OpenSource openAndMeasure(const QString& path, int descriptor, qint64 maxPixels, SourceInfo* info)
{
    *info = {};
    try {
        OpenSource open = openSource(path, descriptor, maxPixels);
        *info = describe(open.header);
        if (open.type->structure == Structure::Gif) {
            // libvips' header stops counting at 4,097 frames.
            const qint64 frames = SourceStructure::gifFrameCount(open.file.get());
            info->pages = int(std::clamp<qint64>(frames, info->pages, INT_MAX));
        }
        if (open.type->structure == Structure::Svg)
            checkSvgSize(open.svg, &open.header);

        info->animation = open.type->sequence == Sequence::Frames && info->pages > 1;
        const QString tooLarge = info->animation
            ? animationLimitProblem(info->width, info->height, info->pages, maxPixels)
            : pixelLimitProblem(info->width, info->height, maxPixels);
        if (!tooLarge.isEmpty()) {
            info->ok = false;
            info->error = tooLarge;
            info->problem = SourceProblem::TooLarge;
        }
        return open;
    } catch (const Refusal& refusal) {
        *info = {};
        info->error = refusal.reason;
        info->problem = refusal.problem;
    } catch (const VError& e) {
        *info = {};
        info->error = takeError(e);
        info->problem = SourceProblem::Unreadable;
    }
    return {};
}

} // namespace ImageCodec
