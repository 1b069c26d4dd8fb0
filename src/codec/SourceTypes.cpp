#include "SourceTypes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include "CodecError.h"
#include "ImageCodec.h"

namespace ImageCodec {

namespace {

// Which decoder may read a source, by the extension of its name. Content of another type is
// refused instead of going to whatever decoder recognises it: a ".png" that holds SVG, PDF or
// libvips' own format is not a PNG image. The rows are in the order of the accepted
// extensions; a row names its reader where it is not libvips.
constexpr SourceType kSourceTypes[] = {
    { .name = "TIFF",
        .extensions = { "tiff", "tif" },
        .mimeTypes = { "image/tiff" },
        .decoder = "tiffload_source",
        .sequence = Sequence::Pages },
    { .name = "JPEG",
        .extensions = { "jpeg", "jpg" },
        .mimeTypes = { "image/jpeg" },
        .decoder = "jpegload_source",
        .shrinkOnLoad = true },
    { .name = "PSD",
        .extensions = { "psd" },
        .mimeTypes = { "image/vnd.adobe.photoshop" },
        .reader = Reader::ImageMagick,
        .decoder = "PSD" },
    { .name = "PNG",
        .extensions = { "png" },
        .mimeTypes = { "image/png" },
        .decoder = "pngload_source" },
    { .name = "GIF",
        .extensions = { "gif" },
        .mimeTypes = { "image/gif" },
        .decoder = "gifload_source",
        .sequence = Sequence::Frames,
        .structure = Structure::Gif },
    { .name = "BMP",
        .extensions = { "bmp" },
        .mimeTypes = { "image/bmp" },
        .reader = Reader::ImageMagick,
        .decoder = "BMP" },
    { .name = "PICT",
        .extensions = { "pict", "pct" },
        .mimeTypes = { "image/x-pict" },
        .reader = Reader::ImageMagick,
        .decoder = "PICT" },
    // ImageMagick has no ICNS coder here.
    { .name = "ICNS",
        .extensions = { "icns" },
        .mimeTypes = { "image/x-icns" },
        .reader = Reader::Icns,
        .decoder = "icns" },
    { .name = "PDF",
        .extensions = { "pdf" },
        .mimeTypes = { "application/pdf" },
        .decoder = "pdfload_source",
        .shrinkOnLoad = true,
        .sequence = Sequence::Pages,
        .structure = Structure::Pdf },
    { .name = "WebP",
        .extensions = { "webp" },
        .mimeTypes = { "image/webp" },
        .decoder = "webpload_source",
        .shrinkOnLoad = true,
        .sequence = Sequence::Frames },
    { .name = "AVIF",
        .extensions = { "avif" },
        .mimeTypes = { "image/avif" },
        .decoder = "heifload_source",
        .heifCompression = "av1",
        .structure = Structure::Heif },
    { .name = "HEIC",
        .extensions = { "heic", "heif" },
        .mimeTypes = { "image/heif", "image/heic" },
        .decoder = "heifload_source",
        .heifCompression = "hevc",
        .structure = Structure::Heif },
    { .name = "JPEG XL",
        .extensions = { "jxl" },
        .mimeTypes = { "image/jxl" },
        .decoder = "jxlload_source" },
    // Rendered by its loader at the scale the target needs, never enlarged from a raster.
    { .name = "SVG",
        .extensions = { "svg" },
        .mimeTypes = { "image/svg+xml" },
        .decoder = "svgload_source",
        .shrinkOnLoad = true,
        .structure = Structure::Svg },
    { .name = "JPEG 2000",
        .extensions = { "jp2" },
        .mimeTypes = { "image/jp2" },
        .decoder = "jp2kload_source" },
};

} // namespace

const SourceType* typeOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return nullptr;
    const QString extension = name.mid(dot + 1).toLower();
    for (const SourceType& type : kSourceTypes) {
        for (const char* candidate : type.extensions) {
            if (candidate && extension == QLatin1String(candidate))
                return &type;
        }
    }
    return nullptr;
}

const SourceType& readableType(const QString& path)
{
    const SourceType* type = typeOf(path);
    if (!type)
        throw Refusal { QCoreApplication::translate(
            "ImageCodec", "not a type of image that can be read") };
    return *type;
}

QString notOfType(const SourceType& type)
{
    return QCoreApplication::translate("ImageCodec", "not a %1 image")
        .arg(QLatin1String(type.name));
}

QStringList sourceMimeTypes()
{
    QStringList mimeTypes;
    for (const SourceType& type : kSourceTypes) {
        for (const char* mimeType : type.mimeTypes) {
            if (mimeType)
                mimeTypes << QLatin1String(mimeType);
        }
    }
    return mimeTypes;
}

QStringList sourceExtensions()
{
    QStringList extensions;
    for (const SourceType& type : kSourceTypes) {
        for (const char* extension : type.extensions) {
            if (extension)
                extensions << QLatin1String(extension);
        }
    }
    return extensions;
}

} // namespace ImageCodec
