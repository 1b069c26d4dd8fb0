#include "MetadataFilter.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <libexif/exif-data.h>

#include "IccProfile.h"

using vips::VImage;

namespace {

// How far down the modes a field is kept.
enum class KeptUpTo
{
    Keep, // only when everything is kept
    WithoutPersonal, // also without personal data
    None, // in every mode
};

// Fields that shape the file rather than describe the picture: the savers read them to write
// an animation, its timing and the resolution's unit.
constexpr std::string_view kStructure[]
    = { VIPS_META_ORIENTATION, VIPS_META_RESOLUTION_UNIT, VIPS_META_N_PAGES, VIPS_META_PAGE_HEIGHT,
          "delay", "gif-delay", "loop", "gif-loop", "gif-palette", "heif-primary", "stonits" };

// The EXIF tags kept without personal data, as libvips names them ("exif-ifd<N>-<tag>"): the
// first directory describes the picture, the second the exposure. Serial numbers, owner and
// artist names, free text (descriptions, comments, keywords, unique ids), maker notes, the GPS
// directory and tags nobody listed here all go.
constexpr std::string_view kCameraTags[]
    = { "exif-ifd0-Make", "exif-ifd0-Model", "exif-ifd0-Orientation", "exif-ifd0-XResolution",
          "exif-ifd0-YResolution", "exif-ifd0-ResolutionUnit", "exif-ifd0-YCbCrPositioning",
          "exif-ifd0-Copyright", "exif-ifd2-ExposureTime", "exif-ifd2-FNumber",
          "exif-ifd2-ExposureProgram", "exif-ifd2-ISOSpeedRatings", "exif-ifd2-SensitivityType",
          "exif-ifd2-ExifVersion", "exif-ifd2-DateTimeOriginal", "exif-ifd2-DateTimeDigitized",
          "exif-ifd2-OffsetTimeOriginal", "exif-ifd2-OffsetTimeDigitized",
          "exif-ifd2-SubSecTimeOriginal", "exif-ifd2-SubSecTimeDigitized",
          "exif-ifd2-ComponentsConfiguration", "exif-ifd2-ShutterSpeedValue",
          "exif-ifd2-ApertureValue", "exif-ifd2-BrightnessValue", "exif-ifd2-ExposureBiasValue",
          "exif-ifd2-MaxApertureValue", "exif-ifd2-MeteringMode", "exif-ifd2-LightSource",
          "exif-ifd2-Flash", "exif-ifd2-FocalLength", "exif-ifd2-FlashpixVersion",
          "exif-ifd2-ColorSpace", "exif-ifd2-PixelXDimension", "exif-ifd2-PixelYDimension",
          "exif-ifd2-SensingMethod", "exif-ifd2-CustomRendered", "exif-ifd2-ExposureMode",
          "exif-ifd2-WhiteBalance", "exif-ifd2-DigitalZoomRatio", "exif-ifd2-FocalLengthIn35mmFilm",
          "exif-ifd2-SceneCaptureType", "exif-ifd2-GainControl", "exif-ifd2-Contrast",
          "exif-ifd2-Saturation", "exif-ifd2-Sharpness", "exif-ifd2-SubjectDistanceRange",
          "exif-ifd2-LensSpecification", "exif-ifd2-LensMake", "exif-ifd2-LensModel" };

// PNG text kept without personal data, by keyword ("png-comment-<N>-<keyword>").
constexpr std::string_view kCameraPngText[] = { "Copyright", "Creation Time" };

bool contains(const auto& list, std::string_view field)
{
    return std::find(std::begin(list), std::end(list), field) != std::end(list);
}

KeptUpTo keptUpTo(std::string_view field)
{
    if (contains(kStructure, field) || field == VIPS_META_ICC_NAME)
        return KeptUpTo::None;
    if (contains(kCameraTags, field))
        return KeptUpTo::WithoutPersonal;
    constexpr std::string_view pngText = "png-comment-";
    if (field.starts_with(pngText)) {
        // The number keeps the chunks apart; the keyword follows it.
        const std::string_view rest = field.substr(pngText.size());
        const size_t dash = rest.find('-');
        if (dash != std::string_view::npos && contains(kCameraPngText, rest.substr(dash + 1)))
            return KeptUpTo::WithoutPersonal;
    }
    return KeptUpTo::Keep;
}

bool isKept(std::string_view field, MetadataMode mode)
{
    // A picture of the original, uncropped and unedited: never.
    if (field == "jpeg-thumbnail-data" || field.starts_with("exif-ifd1-"))
        return false;
    // Without personal data the block has been pruned to the tags kept (apply()).
    if (field == VIPS_META_EXIF_NAME)
        return mode != MetadataMode::None;
    switch (keptUpTo(field)) {
    case KeptUpTo::None:
        return true;
    case KeptUpTo::WithoutPersonal:
        return mode != MetadataMode::None;
    case KeptUpTo::Keep:
        break;
    }
    return mode == MetadataMode::Keep;
}

// XMP keeps its own copy of the orientation and of the pixel size: it is made to agree with the
// pixels written (upright, the new size). Both spellings of a property, attribute and element,
// are rewritten; everything else stays as it was.
QByteArray updatedXmp(const QByteArray& xmp, int width, int height)
{
    QString text = QString::fromUtf8(xmp);
    const auto set = [&text](const char* property, const QString& value) {
        const QString name = QRegularExpression::escape(QLatin1String(property));
        text.replace(QRegularExpression(name + QStringLiteral("(\\s*=\\s*)([\"'])[^\"']*\\2")),
            QLatin1String(property) + QStringLiteral("\\1\\2") + value + QStringLiteral("\\2"));
        text.replace(QRegularExpression(QStringLiteral("<") + name + QStringLiteral(">[^<]*</")
                         + name + QLatin1Char('>')),
            QStringLiteral("<%1>%2</%1>").arg(QLatin1String(property), value));
    };
    set("tiff:Orientation", QStringLiteral("1"));
    set("exif:PixelXDimension", QString::number(width));
    set("exif:PixelYDimension", QString::number(height));
    set("tiff:ImageWidth", QString::number(width));
    set("tiff:ImageLength", QString::number(height));
    return text.toUtf8();
}

QByteArray blobOf(const VImage& image, const char* field)
{
    size_t length = 0;
    const void* data = image.get_blob(field, &length);
    return QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(length));
}

// libvips' own sRGB profile, which the colour conversion attaches.
const QByteArray& builtInSrgbProfile()
{
    static const QByteArray profile = [] {
        VipsBlob* blob = nullptr;
        if (vips_profile_load("srgb", &blob, nullptr) != 0 || !blob) {
            vips_error_clear();
            return QByteArray();
        }
        size_t length = 0;
        const void* data = vips_blob_get(blob, &length);
        const QByteArray bytes(static_cast<const char*>(data), static_cast<qsizetype>(length));
        vips_area_unref(VIPS_AREA(blob));
        return bytes;
    }();
    return profile;
}

// The source's EXIF block with only the tags kept without personal data, or empty when it
// cannot be read. libexif reads and writes the block: it leaves out tags it has no name for
// on reading, and the thumbnail, the GPS and interoperability directories and the maker's
// notes here. The fields of the tags kept still match their entries, so the saver keeps
// the entries as they are instead of making them again from the fields' text (which does not
// survive every value).
QByteArray cameraExif(const QByteArray& blob)
{
    ExifData* exif = exif_data_new();
    if (!exif)
        return {};
    exif_data_load_data(exif, reinterpret_cast<const unsigned char*>(blob.constData()),
        static_cast<unsigned int>(blob.size()));
    for (int ifd = 0; ifd < EXIF_IFD_COUNT; ++ifd) {
        ExifContent* content = exif->ifd[ifd];
        // Removing shifts the entries: walk from the end.
        for (unsigned int i = content->count; i-- > 0;) {
            ExifEntry* entry = content->entries[i];
            const char* name = exif_tag_get_name_in_ifd(entry->tag, ExifIfd(ifd));
            const std::string field = "exif-ifd" + std::to_string(ifd) + '-' + (name ? name : "");
            if (!name || !contains(kCameraTags, field))
                exif_content_remove_entry(content, entry);
        }
    }
    // The thumbnail's memory comes from libexif's default allocator, which is malloc's.
    free(exif->data);
    exif->data = nullptr;
    exif->size = 0;
    unsigned char* saved = nullptr;
    unsigned int length = 0;
    exif_data_save_data(exif, &saved, &length);
    exif_data_unref(exif);
    const QByteArray pruned(reinterpret_cast<const char*>(saved), static_cast<qsizetype>(length));
    free(saved);
    return pruned;
}

} // namespace

VImage MetadataFilter::apply(VImage image, MetadataMode mode)
{
    image = image.copy();
    // A new EXIF block makes libvips read it into fields again (the orientation among them),
    // so it comes first, and the fields are pruned after it.
    if (mode == MetadataMode::WithoutPersonal && image.get_typeof(VIPS_META_EXIF_NAME)) {
        const QByteArray exif = cameraExif(blobOf(image, VIPS_META_EXIF_NAME));
        if (exif.isEmpty())
            image.remove(VIPS_META_EXIF_NAME);
        else
            vips_image_set_blob_copy(image.get_image(), VIPS_META_EXIF_NAME, exif.constData(),
                static_cast<size_t>(exif.size()));
    }
    std::vector<std::string> fields;
    if (char** names = vips_image_get_fields(image.get_image())) {
        for (char** name = names; *name; ++name)
            fields.emplace_back(*name);
        g_strfreev(names);
    }
    for (const std::string& field : fields) {
        if (!isKept(field, mode))
            image.remove(field.c_str());
    }
    // The pixels are written upright.
    image.set(VIPS_META_ORIENTATION, 1);
    if (image.get_typeof(VIPS_META_ICC_NAME)) {
        const QByteArray profile = blobOf(image, VIPS_META_ICC_NAME);
        // The colour conversion's sRGB: an untagged file is read as sRGB everywhere, so the
        // profile is written only where everything is kept (the source was tagged), and then
        // in a few hundred bytes instead of libvips' 6 kB.
        const bool plainSrgb = profile == builtInSrgbProfile();
        QByteArray written = profile;
        if (plainSrgb)
            written = mode == MetadataMode::Keep ? IccProfile::compactSrgb() : QByteArray();
        else if (mode != MetadataMode::Keep)
            written = IccProfile::withoutText(profile);
        if (written.isEmpty())
            image.remove(VIPS_META_ICC_NAME);
        else if (written != profile)
            vips_image_set_blob_copy(image.get_image(), VIPS_META_ICC_NAME, written.constData(),
                static_cast<size_t>(written.size()));
    }
    if (mode == MetadataMode::Keep && image.get_typeof(VIPS_META_XMP_NAME)) {
        const QByteArray xmp
            = updatedXmp(blobOf(image, VIPS_META_XMP_NAME), image.width(), image.height());
        vips_image_set_blob_copy(image.get_image(), VIPS_META_XMP_NAME, xmp.constData(),
            static_cast<size_t>(xmp.size()));
    }
    return image;
}
