#include "Encoder.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>

#include <algorithm>
#include <cerrno>
#include <cmath>

#include <sys/stat.h>

#include "CodecError.h"
#include "OutputSink.h"
#include "WholeDataCheck.h"

using vips::VError;
using vips::VImage;
using vips::VOption;
using vips::VTarget;

namespace ImageCodec {

namespace {

// How libvips writes a format: what the codec alone needs to know of it (OutputFormats holds
// what the window, the settings and the command line show of it).
struct Saver
{
    OutputFormat format = OutputFormat::Jpeg;
    // The libvips saver, chosen by a file suffix followed by the saver's options in libvips'
    // own syntax (".png[compression=6]"); null for the codec's own BMP writer.
    const char* libvipsSaver = nullptr;
    // Whether a quality of 100 % asks the saver for lossless compression instead.
    bool losslessAtFullQuality = false;
    // The longest side the encoder can write, in pixels; 0 for libvips' own limit.
    int largestSide = 0;
};

// JPEG keeps Huffman tables made for each image (smaller files, the same pixels). PNG: zlib
// level 6 with every row filter tried. GIF: palette search effort 4 of 10, on a 640 px photo
// within 0.2 dB PSNR of the default effort 7 at about a third of the time (effort 1 loses
// over 1 dB). TIFF: the resolution in inches; LZW with horizontal prediction or no
// compression, as the request chooses. BMP is written by Qt's writer, which libvips lacks.
// WebP and JPEG XL are lossless at 100 %. AVIF is HEIF with AV1 at encoder effort 2 of 9: a
// 1600 px photo takes about 0.3 s there and 3 s at the default effort 4, whose file is no
// smaller. HEIC is HEIF with HEVC (x265 ignores the effort). WebP holds at most 16383 pixels
// a side; libheif reads back at most 16384.
constexpr Saver kSavers[] = {
    { .format = OutputFormat::Jpeg, .libvipsSaver = ".jpg[optimize_coding]", .largestSide = 65500 },
    { .format = OutputFormat::Png, .libvipsSaver = ".png[compression=6,filter=all]" },
    { .format = OutputFormat::Gif, .libvipsSaver = ".gif[effort=4]", .largestSide = 65535 },
    { .format = OutputFormat::Bmp },
    { .format = OutputFormat::Tiff, .libvipsSaver = ".tif[resunit=inch]" },
    { .format = OutputFormat::WebP,
        .libvipsSaver = ".webp",
        .losslessAtFullQuality = true,
        .largestSide = 16383 },
    { .format = OutputFormat::Avif,
        .libvipsSaver = ".heif[compression=av1,effort=2]",
        .largestSide = 16384 },
    { .format = OutputFormat::Heic,
        .libvipsSaver = ".heif[compression=hevc]",
        .largestSide = 16384 },
    { .format = OutputFormat::JpegXl, .libvipsSaver = ".jxl", .losslessAtFullQuality = true },
};

const Saver* saverFor(OutputFormat format)
{
    for (const Saver& saver : kSavers) {
        if (saver.format == format)
            return &saver;
    }
    return nullptr;
}

// Runs on whichever thread libvips reports progress from: a request to abandon the image, or
// a write the file refused, stops the computation at its next tile.
void onEval(VipsImage* image, VipsProgress*, void* sink)
{
    if (static_cast<const OutputSink*>(sink)->shouldStop())
        vips_image_set_kill(image, TRUE);
}

void stopWhenSinkStops(const VImage& image, OutputSink* sink)
{
    vips_image_set_progress(image.get_image(), TRUE);
    g_signal_connect(image.get_image(), "eval", G_CALLBACK(onEval), sink);
}

// BMP through Qt's writer, which stores the resolution as pixels per metre.
void saveBmp(const VImage& image, OutputSink* sink, float resolution)
{
    VImage rgb = image.bands() == 3 ? image : image.extract_band(0, VImage::option()->set("n", 3));
    size_t length = 0;
    void* data = rgb.write_to_memory(&length);
    const int w = rgb.width();
    const int h = rgb.height();
    QImage picture(
        static_cast<const uchar*>(data), w, h, w * 3, QImage::Format_RGB888,
        [](void* p) { g_free(p); }, data);
    const int dpm = static_cast<int>(std::lround(resolution / 0.0254));
    picture.setDotsPerMeterX(dpm);
    picture.setDotsPerMeterY(dpm);
    SinkDevice device(sink);
    device.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    QImageWriter writer(&device, "bmp");
    if (!writer.write(picture))
        throw VError(writer.errorString().toStdString());
}

void save(VImage image, const RenderRequest& request, OutputSink* sink)
{
    const OutputFormats::Info* format = OutputFormats::find(request.format);
    const Saver* saver = saverFor(request.format);
    if (!format || !saver)
        throw VError("unknown output format");
    if (format->storesResolution) {
        const double pixelsPerMm = static_cast<double>(request.resolution) / 25.4;
        image = image.copy(VImage::option()->set("xres", pixelsPerMm)->set("yres", pixelsPerMm));
        // The savers take the unit for the JFIF and EXIF records from here; inches are what
        // people type and what every viewer shows.
        image.set(VIPS_META_RESOLUTION_UNIT, "in");
    }
    stopWhenSinkStops(image, sink);
    if (!saver->libvipsSaver) {
        saveBmp(image, sink, request.resolution);
        return;
    }
    const VTarget target = sink->libvipsTarget();
    VOption* options = VImage::option();
    if (saver->losslessAtFullQuality && jpegQuality(request.quality) == 100)
        options->set("lossless", true);
    else if (format->takesQuality)
        options->set("Q", jpegQuality(request.quality));
    if (format->choosesCompression && request.tiffCompression == TiffCompression::Lzw)
        options->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_LZW)
            ->set("predictor", VIPS_FOREIGN_TIFF_PREDICTOR_HORIZONTAL);
    image.write_to_target(saver->libvipsSaver, target, options);
    // Whatever the saver left in the target's buffer goes out now, checked like the rest.
    if (vips_target_end(target.get_target()) != 0)
        throw VError();
}

} // namespace

ResizeStatus encode(const VImage& image, const RenderRequest& request, int descriptor)
{
    OutputSink sink(descriptor, request.abandon);
    // The pipeline is lazy, so a corrupt source fails inside the encoder's run: a step
    // between the source's pipeline and the encoder notes whether asking for the pixels
    // failed, which tells that apart from the encoder's own failure.
    WholeDataCheck::Watch source;
    QString encoderError;
    try {
        save(WholeDataCheck::watched(image, &source), request, &sink);
    } catch (const VError& e) {
        encoderError = takeError(e);
        if (encoderError.isEmpty())
            encoderError = QCoreApplication::translate("ImageCodec", "the encoder failed");
    }
    if (sink.abandoned() || (request.abandon && request.abandon->load()))
        return { ResizeError::WriteFailed,
            QCoreApplication::translate("ImageCodec", "abandoned before it was complete") };
    if (sink.error() != 0)
        return { ResizeError::WriteFailed, systemMessage(sink.error()) };
    if (source.failed.load())
        return { ResizeError::DecodeFailed, encoderError };
    if (!encoderError.isEmpty())
        return { ResizeError::WriteFailed, encoderError };
    struct stat written = {};
    if (::fstat(descriptor, &written) != 0)
        return { ResizeError::WriteFailed, systemMessage(errno) };
    if (sink.length() <= 0 || written.st_size != sink.length())
        return { ResizeError::WriteFailed,
            QCoreApplication::translate("ImageCodec", "%1 of %2 bytes written")
                .arg(written.st_size)
                .arg(sink.length()) };
    return {};
}

int jpegQuality(float factor)
{
    if (!std::isfinite(factor))
        return 100;
    return std::clamp(static_cast<int>(std::lround(factor * 100.0f)), 1, 100);
}

QString targetSizeProblem(double width, double height, OutputFormat format)
{
    // libvips' own limit on a side, or what the format's encoder can state in its header.
    double largest = VIPS_MAX_COORD;
    QString maker = QStringLiteral("libvips");
    const OutputFormats::Info* info = OutputFormats::find(format);
    if (const Saver* saver = saverFor(format); info && saver && saver->largestSide > 0) {
        largest = saver->largestSide;
        maker = QString::fromLatin1(info->name);
    }
    // Rounded as the render rounds them; a side that rounds to 0 is the caller's to refuse.
    if (std::isfinite(width) && std::isfinite(height) && std::round(width) <= largest
        && std::round(height) <= largest)
        return QString();
    // In whole pixels, as the render would make them.
    const auto text = [](double side) {
        return std::isfinite(side) && std::abs(side) < 1e15
            ? QString::number(static_cast<qint64>(std::round(side)))
            : QString::number(side, 'g', 6);
    };
    return QCoreApplication::translate("ImageCodec",
        "the target size %1 × %2 pixels has a side beyond the %3 pixels that "
        "%4 can make")
        .arg(text(width), text(height), QString::number(largest, 'f', 0), maker);
}

} // namespace ImageCodec
