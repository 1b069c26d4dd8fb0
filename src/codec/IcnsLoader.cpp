#include "IcnsLoader.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

#include "CodecError.h"
#include "FileBytes.h"
#include "LibvipsModules.h"
#include "PixelLimits.h"

using vips::VError;
using vips::VImage;

namespace ImageCodec {

namespace {

// Qt's reader: the largest picture the file holds (an icon file holds several sizes). Only
// for icon files whose pictures are all small: Qt decodes each of them whole.
VImage readWithQt(const OpenSource& open, qint64 maxPixels)
{
    if (::lseek(open.file.get(), 0, SEEK_SET) != 0)
        throw Refusal { systemMessage(errno) };
    QFile file;
    if (!file.open(open.file.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        throw Refusal { file.errorString() };
    QImageReader reader(&file, open.type->decoder);
    reader.setAutoDetectImageFormat(false); // this format's plug-in only
    // Qt refuses to allocate more than this for one picture (4 bytes a pixel).
    reader.setAllocationLimit(
        static_cast<int>(std::min<qint64>(maxPixels / (1 << 18) + 1, 1 << 30)));
    if (!reader.canRead())
        throw Refusal { notOfType(*open.type), SourceProblem::NotOfType };
    QImage largest;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        QImage picture;
        if (reader.read(&picture)
            && qint64(picture.width()) * picture.height()
                > qint64(largest.width()) * largest.height())
            largest = picture;
    }
    if (largest.isNull())
        throw Refusal { reader.errorString() };
    // Four bytes a pixel leave no padding at the end of a row. libvips takes a copy of its own
    // (an image on foreign memory counts as in memory already: copy_memory() would keep
    // pointing at the QImage's).
    const QImage rgba = largest.convertToFormat(QImage::Format_RGBA8888);
    const size_t bytes = static_cast<size_t>(rgba.sizeInBytes());
    void* pixels = g_malloc(bytes);
    std::memcpy(pixels, rgba.constBits(), bytes);
    VImage image = VImage::new_from_memory_steal(
        pixels, bytes, rgba.width(), rgba.height(), 4, VIPS_FORMAT_UCHAR);
    image = image.copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    return largest.hasAlphaChannel() ? image : image.extract_band(0, VImage::option()->set("n", 3));
}

} // namespace

void openIcns(OpenSource& open, qint64 maxPixels)
{
    using Picture = SourceStructure::IcnsPicture;
    const QList<Picture> pictures = SourceStructure::icnsPictures(open.file.get());
    if (pictures.isEmpty())
        throw Refusal { notOfType(*open.type), SourceProblem::NotOfType };
    const Picture largest = *std::max_element(
        pictures.cbegin(), pictures.cend(), [](const Picture& a, const Picture& b) {
            return qint64(a.width) * a.height < qint64(b.width) * b.height;
        });
    if (const QString tooLarge = pixelLimitProblem(largest.width, largest.height, maxPixels);
        !tooLarge.isEmpty())
        throw Refusal { tooLarge, SourceProblem::TooLarge };
    if (largest.coding == Picture::Coding::Legacy) {
        open.header = readWithQt(open, maxPixels);
        open.decodedByQt = true;
        return;
    }
    const QByteArray bytes = FileBytes::readAt(open.file.get(), largest.offset, largest.length);
    if (bytes.size() != largest.length)
        throw Refusal { QCoreApplication::translate(
                            "ImageCodec", "the image data ends early or is damaged"),
            SourceProblem::Damaged };
    // The loader keeps the bytes as long as it lives, and the image keeps the loader.
    void* copy = g_memdup2(bytes.constData(), static_cast<gsize>(bytes.size()));
    VipsBlob* blob = vips_blob_new(
        [](void* data, void*) {
            g_free(data);
            return 0;
        },
        copy, static_cast<size_t>(bytes.size()));
    const char* loader
        = largest.coding == Picture::Coding::Png ? "pngload_buffer" : "jp2kload_buffer";
    LibvipsModules::ensureOperation(loader);
    try {
        VImage::call(loader,
            VImage::option()
                ->set("buffer", blob)
                ->set("out", &open.header)
                ->set("access", VIPS_ACCESS_SEQUENTIAL)
                ->set("fail_on", VIPS_FAIL_ON_TRUNCATED));
    } catch (const VError&) {
        vips_area_unref(VIPS_AREA(blob));
        throw;
    }
    vips_area_unref(VIPS_AREA(blob));
}

} // namespace ImageCodec
