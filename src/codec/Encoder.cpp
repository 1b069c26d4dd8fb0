#include "Encoder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <span>

#include <sys/stat.h>

#include "CodecError.h"
#include "ContainerFixup.h"
#include "FileSizeFit.h"
#include "LibvipsModules.h"
#include "OutputSink.h"
#include "PngWriter.h"
#include "WholeDataCheck.h"
#include "model/FileSizeLimit.h"

using vips::VError;
using vips::VImage;
using vips::VOption;
using vips::VTarget;

namespace ImageCodec {

namespace {

// A point of a format's quality scale: the encoder's own Q that gives the same fidelity as
// JPEG at a quality.
struct QualityPoint
{
    int jpeg = 0;
    int encoder = 0;
};

// The quality a user sets is on JPEG's scale, the one people know; each encoder's Q means
// something else (AVIF at Q 85 spends about 1.7 times the bytes JPEG 85 needs for the same
// fidelity, HEIC over 4 times). These tables map the user's number to the Q of equal mean
// SSIM, read off bench/fidelity.sh --encoder-q: the photos of Debian's mate-backgrounds,
// reduced to 1024 px wide with lanczos3 as the reference, each encoder given the reference
// with the options of the saver table below, decoded by libvips and scored by SSIM on luma
// (Gaussian window 11, sigma 1.5), mean of the photos; the encoder's Q interpolated
// linearly between its sweep's points at each JPEG quality (3 photos, 2026-12-09, libvips
// 8.14.1). Between the points the scale is linear; 100 stays the top of each lossy scale.
constexpr QualityPoint kWebPScale[] = { { 1, 1 }, { 15, 11 }, { 20, 16 }, { 30, 25 }, { 40, 32 },
    { 50, 38 }, { 60, 44 }, { 70, 54 }, { 75, 61 }, { 80, 70 }, { 85, 77 }, { 90, 83 },
    { 95, 92 }, { 100, 100 } };
constexpr QualityPoint kAvifScale[] = { { 1, 1 }, { 5, 6 }, { 10, 20 }, { 20, 32 }, { 30, 38 },
    { 40, 42 }, { 50, 44 }, { 60, 47 }, { 70, 51 }, { 75, 53 }, { 80, 55 }, { 85, 60 },
    { 90, 69 }, { 95, 84 }, { 100, 100 } };
constexpr QualityPoint kHeicScale[] = { { 1, 1 }, { 5, 5 }, { 10, 18 }, { 20, 26 }, { 30, 30 },
    { 40, 33 }, { 50, 34 }, { 60, 36 }, { 70, 39 }, { 75, 40 }, { 80, 42 }, { 85, 44 },
    { 90, 49 }, { 95, 58 }, { 100, 100 } };
constexpr QualityPoint kJpegXlScale[] = { { 1, 1 }, { 20, 24 }, { 25, 38 }, { 30, 47 }, { 40, 57 },
    { 50, 63 }, { 60, 68 }, { 70, 73 }, { 75, 76 }, { 80, 79 }, { 85, 83 }, { 90, 87 },
    { 95, 94 }, { 100, 100 } };

// How libvips writes a format: what the codec alone needs to know of it (OutputFormats holds
// what the window, the settings and the command line show of it).
struct Saver
{
    OutputFormat format = OutputFormat::Jpeg;
    // The libvips saver, chosen by a file suffix followed by the saver's options in libvips'
    // own syntax (".png[compression=6]"); null where the codec's own writer does it all.
    const char* libvipsSaver = nullptr;
    // The codec's own writer, where it has one: BMP's (libvips has none) and PNG's (PngWriter,
    // faster on photos). It writes the image into the device and says true, or says false,
    // having written nothing, for an image it does not take, which libvips' saver then writes.
    bool (*ownWriter)(const VImage& image, const RenderRequest& request, QIODevice* device)
        = nullptr;
    // The encoder's Q for each quality on JPEG's scale; empty for JPEG itself.
    std::span<const QualityPoint> qualityScale = {};
    // Whether the file is made both baseline and progressive and the smaller one kept.
    bool smallerOfProgressive = false;
    // The correction the saver's file needs (ContainerFixup): such a file is made in memory
    // and corrected before any of it is written. PNG is streamed unless it carries EXIF data;
    // the others' savers hold the whole file in memory anyway.
    QByteArray (*fixContainer)(const QByteArray&) = nullptr;
    // Whether the saver writes the bits a sample its bitdepth option names (HEIF, whose libvips
    // default is 12 whatever the image's); the others write the image's own depth.
    bool choosesBitDepth = false;
};

bool writeBmp(const VImage& image, const RenderRequest& request, QIODevice* device);
bool writePng(const VImage& image, const RenderRequest& request, QIODevice* device);

// JPEG keeps Huffman tables made for each image (smaller files, the same pixels), and is
// written baseline or progressive, whichever is smaller (see kLargestBaselineOnly). PNG: the
// codec's own writer (PngWriter); libvips' with zlib level 6 and every row filter tried for
// the images it does not take. GIF: libimagequant's default palette search effort 7 of 10, as
// vipsthumbnail's (effort 4 loses about 0.5 dB PSNR for 1.6 % fewer bytes). TIFF: the
// resolution in inches; LZW with horizontal prediction or no compression, as the request
// chooses. BMP is written by Qt's writer, which libvips lacks. WebP and JPEG XL have a
// lossless mode (the lossless setting). AVIF is HEIF with AV1 at encoder effort 2 of 9: a
// 1600 px photo takes about 0.3 s there and 3 s at the default effort 4, whose file is no
// smaller. HEIC is HEIF with HEVC (x265 ignores the effort).
constexpr Saver kSavers[] = {
    { .format = OutputFormat::Jpeg,
        .libvipsSaver = ".jpg[optimize_coding]",
        .smallerOfProgressive = true },
    { .format = OutputFormat::Png,
        .libvipsSaver = ".png[compression=6,filter=all]",
        .ownWriter = writePng,
        .fixContainer = ContainerFixup::pngWithOneExif },
    { .format = OutputFormat::Gif, .libvipsSaver = ".gif" },
    { .format = OutputFormat::Bmp, .ownWriter = writeBmp },
    { .format = OutputFormat::Tiff, .libvipsSaver = ".tif[resunit=inch]" },
    { .format = OutputFormat::WebP,
        .libvipsSaver = ".webp",
        .qualityScale = kWebPScale,
        .fixContainer = ContainerFixup::webpWithBareExif },
    { .format = OutputFormat::Avif,
        .libvipsSaver = ".heif[compression=av1,effort=2]",
        .qualityScale = kAvifScale,
        .fixContainer = ContainerFixup::heifWithSrgbColour,
        .choosesBitDepth = true },
    { .format = OutputFormat::Heic,
        .libvipsSaver = ".heif[compression=hevc]",
        .qualityScale = kHeicScale,
        .fixContainer = ContainerFixup::heifWithSrgbColour,
        .choosesBitDepth = true },
    { .format = OutputFormat::JpegXl, .libvipsSaver = ".jxl", .qualityScale = kJpegXlScale },
};

// A JPEG of more pixels than this is written progressive, streamed, without the baseline one
// to compare: both in memory would hold the whole image and two files.
constexpr qint64 kLargestJpegCompared = 16'000'000;

// Progressive JPEG (optimised Huffman tables, as baseline's) was smaller than baseline in
// every photo of more than 256 x 256 pixels measured whose progressive file had a bit per
// pixel or more: by 1.5 to 3.5 % at quality 85, 5 % at 95. It was larger on smaller pictures
// (by 6 % on average at 128 px; at 256 x 192 each won about half the time, within 0.2 % on
// the whole) and on smooth ones (under about 0.75 bit per pixel: by 1 to 5 % on blurred
// photos, 15 to 18 % on flat ones). So a small JPEG is written baseline, a larger one
// progressive, and one that comes out under a bit per pixel baseline as well, the smaller
// kept: a second encoding only where either may win.
constexpr qint64 kLargestBaselineOnly = 256 * 256;
constexpr double kDetailedBitsPerPixel = 1.0;

// Whether a file of the saver's of that many pixels is written progressive (first).
bool progressiveFirst(const Saver& saver, qint64 pixels)
{
    return saver.smallerOfProgressive && pixels > kLargestBaselineOnly;
}

// The encoder's Q for a quality on JPEG's scale (1..100).
int encoderQuality(const Saver& saver, int quality)
{
    const std::span<const QualityPoint> scale = saver.qualityScale;
    if (scale.empty())
        return quality;
    if (quality <= scale.front().jpeg)
        return scale.front().encoder;
    for (size_t i = 1; i < scale.size(); ++i) {
        const QualityPoint low = scale[i - 1];
        const QualityPoint high = scale[i];
        if (quality <= high.jpeg)
            return low.encoder
                + static_cast<int>(std::lround(double(quality - low.jpeg)
                    * (high.encoder - low.encoder) / (high.jpeg - low.jpeg)));
    }
    return scale.back().encoder;
}

// How one file is compressed: lossless, or lossy at a quality on JPEG's scale (-1 for a
// format that takes none); a JPEG baseline or progressive.
struct Compression
{
    bool lossless = false;
    int quality = -1;
    bool progressive = false;
};

bool needsContainerFixed(const Saver& saver, const VImage& image)
{
    if (!saver.fixContainer)
        return false;
    return saver.format != OutputFormat::Png || image.get_typeof(VIPS_META_EXIF_NAME);
}

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
bool writeBmp(const VImage& image, const RenderRequest& request, QIODevice* device)
{
    VImage rgb = image.bands() == 3 ? image : image.extract_band(0, VImage::option()->set("n", 3));
    size_t length = 0;
    void* data = rgb.write_to_memory(&length);
    const int w = rgb.width();
    const int h = rgb.height();
    QImage picture(
        static_cast<const uchar*>(data), w, h, w * 3, QImage::Format_RGB888,
        [](void* p) { g_free(p); }, data);
    const int dpm = static_cast<int>(std::lround(request.resolution / 0.0254));
    picture.setDotsPerMeterX(dpm);
    picture.setDotsPerMeterY(dpm);
    QImageWriter writer(device, "bmp");
    if (!writer.write(picture))
        throw VError(writer.errorString().toStdString());
    return true;
}

bool writePng(const VImage& image, const RenderRequest&, QIODevice* device)
{
    if (!PngWriter::takes(image))
        return false;
    PngWriter::write(image, device);
    return true;
}

// The saver's options for a compression, for an image of 8 or 16 bits a sample.
VOption* saverOptions(const Saver& saver, const OutputFormats::Info& format,
    const RenderRequest& request, const Compression& compression, const VImage& image)
{
    VOption* options = VImage::option();
    if (saver.choosesBitDepth)
        options->set("bitdepth", image.format() == VIPS_FORMAT_USHORT ? format.deepSampleBits : 8);
    if (compression.lossless)
        options->set("lossless", true);
    else if (format.takesQuality)
        options->set("Q", encoderQuality(saver, compression.quality));
    if (compression.progressive)
        options->set("interlace", true);
    if (format.choosesCompression && request.tiffCompression == TiffCompression::Lzw)
        options->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_LZW)
            ->set("predictor", VIPS_FOREIGN_TIFF_PREDICTOR_HORIZONTAL);
    return options;
}

QByteArray writeToBuffer(const VImage& image, const Saver& saver,
    const OutputFormats::Info& format, const RenderRequest& request, const Compression& compression)
{
    void* data = nullptr;
    size_t length = 0;
    image.write_to_buffer(
        saver.libvipsSaver, &data, &length, saverOptions(saver, format, request, compression, image));
    QByteArray bytes(static_cast<const char*>(data), static_cast<qsizetype>(length));
    g_free(data);
    return bytes;
}

// The file in memory, as save() would write it. The image's pixels are best in memory already:
// a JPEG may be encoded twice.
QByteArray encodeInMemory(const VImage& image, const Saver& saver,
    const OutputFormats::Info& format, const RenderRequest& request, Compression compression)
{
    if (saver.ownWriter) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (saver.ownWriter(image, request, &buffer))
            return buffer.data();
    }
    const qint64 pixels = qint64(image.width()) * image.height();
    const bool choose = !compression.progressive && progressiveFirst(saver, pixels);
    compression.progressive = compression.progressive || choose;
    QByteArray bytes = writeToBuffer(image, saver, format, request, compression);
    if (choose && bytes.size() * 8.0 < kDetailedBitsPerPixel * double(pixels)) {
        compression.progressive = false;
        QByteArray baseline = writeToBuffer(image, saver, format, request, compression);
        if (baseline.size() < bytes.size())
            bytes = std::move(baseline);
    }
    if (needsContainerFixed(saver, image))
        bytes = saver.fixContainer(bytes);
    return bytes;
}

// What the size limit asked of a file, for the report: "quality 62 to fit 100 kB"; empty when
// the file fitted as it was set.
QString fitNote(const FittedFile& fitted, int setQuality, qint64 limit)
{
    const QString size = FileSizeLimit::text(limit);
    const int percent = static_cast<int>(std::lround(fitted.scale * 100.0));
    if (fitted.scale < 1.0 && fitted.quality >= 0)
        return QCoreApplication::translate("ImageCodec", "quality %1, made %2 % as large to fit %3")
            .arg(fitted.quality)
            .arg(percent)
            .arg(size);
    if (fitted.scale < 1.0)
        return QCoreApplication::translate("ImageCodec", "made %1 % as large to fit %2")
            .arg(percent)
            .arg(size);
    if (fitted.quality < setQuality)
        return QCoreApplication::translate("ImageCodec", "quality %1 to fit %2")
            .arg(fitted.quality)
            .arg(size);
    return QString();
}

// The image's file did not fit the size limit at any quality or size tried.
struct LimitNotMet
{
    qint64 limit = 0;
};

// Writes the image through the sink and says how: the quality, the size and, when the size
// limit changed either, a note.
ResizeStatus save(VImage image, const RenderRequest& request, OutputSink* sink)
{
    const OutputFormats::Info* format = OutputFormats::find(request.format);
    const Saver* saver = saverFor(request.format);
    if (!format || !saver)
        throw VError("unknown output format");
    if (saver->libvipsSaver)
        LibvipsModules::ensureSaver(saver->libvipsSaver);
    if (format->storesResolution) {
        const double pixelsPerMm = static_cast<double>(request.resolution) / 25.4;
        image = image.copy(VImage::option()->set("xres", pixelsPerMm)->set("yres", pixelsPerMm));
        // The savers take the unit for the JFIF and EXIF records from here; inches are what
        // people type and what every viewer shows.
        image.set(VIPS_META_RESOLUTION_UNIT, "in");
    }
    stopWhenSinkStops(image, sink);
    const bool lossless = request.lossless && format->hasLossless;
    const int quality = format->takesQuality ? jpegQuality(request.quality) : -1;
    ResizeStatus written;
    written.encoded = { .quality = lossless ? -1 : quality,
        .scale = 1.0,
        .width = image.width(),
        .height = vips_image_get_page_height(image.get_image()) };

    if (request.maxFileSize > 0) {
        // Lossless when that fits; otherwise the lossy search, and the note says so.
        if (lossless) {
            image = image.copy_memory();
            const QByteArray bytes
                = encodeInMemory(image, *saver, *format, request, { .lossless = true });
            if (bytes.size() <= request.maxFileSize) {
                sink->write(bytes.constData(), bytes.size()); // a failure stays in the sink
                return written;
            }
        }
        const FittedFile fitted = fitFileSize(image, request.maxFileSize, quality,
            jpegQuality(request.minQuality), [&](const VImage& trial, int trialQuality) {
                if (sink->shouldStop())
                    throw VError("abandoned");
                return encodeInMemory(
                    trial, *saver, *format, request, { .quality = trialQuality });
            });
        if (fitted.bytes.isEmpty())
            throw LimitNotMet { request.maxFileSize };
        sink->write(fitted.bytes.constData(), fitted.bytes.size()); // a failure stays in the sink
        written.encoded
            = { fitted.quality, fitted.scale, fitted.width, fitted.height };
        written.message = fitNote(fitted, quality, request.maxFileSize);
        if (lossless && written.message.isEmpty())
            written.message = QCoreApplication::translate("ImageCodec", "lossy at quality %1 to fit %2")
                                  .arg(fitted.quality)
                                  .arg(FileSizeLimit::text(request.maxFileSize));
        else if (lossless)
            written.message
                = QCoreApplication::translate("ImageCodec", "lossy, %1").arg(written.message);
        return written;
    }

    if (saver->ownWriter) {
        SinkDevice device(sink);
        device.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        if (saver->ownWriter(image, request, &device))
            return written;
    }
    const Compression compression { .lossless = lossless, .quality = quality };
    const qint64 pixels = qint64(image.width()) * image.height();
    const bool progressive = progressiveFirst(*saver, pixels);
    const bool compareJpegs = progressive && pixels <= kLargestJpegCompared;
    if (needsContainerFixed(*saver, image) || compareJpegs) {
        if (compareJpegs)
            image = image.copy_memory(); // computed once for a second encoding
        const QByteArray bytes = encodeInMemory(image, *saver, *format, request, compression);
        sink->write(bytes.constData(), bytes.size()); // a failure stays in the sink
        return written;
    }
    const VTarget target = sink->libvipsTarget();
    image.write_to_target(saver->libvipsSaver, target,
        saverOptions(*saver, *format, request,
            { .lossless = lossless, .quality = quality, .progressive = progressive }, image));
    // Whatever the saver left in the target's buffer goes out now, checked like the rest.
    if (vips_target_end(target.get_target()) != 0)
        throw VError();
    return written;
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
    ResizeStatus written;
    qint64 limitNotMet = 0;
    try {
        written = save(WholeDataCheck::watched(image, &source), request, &sink);
    } catch (const VError& e) {
        encoderError = takeError(e);
        if (encoderError.isEmpty())
            encoderError = QCoreApplication::translate("ImageCodec", "the encoder failed");
    } catch (const LimitNotMet& missed) {
        limitNotMet = missed.limit;
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
    if (limitNotMet > 0)
        return { ResizeError::InvalidSettings,
            QCoreApplication::translate("ImageCodec", "cannot be made smaller than %1 bytes")
                .arg(limitNotMet) };
    struct stat file = {};
    if (::fstat(descriptor, &file) != 0)
        return { ResizeError::WriteFailed, systemMessage(errno) };
    if (sink.length() <= 0 || file.st_size != sink.length())
        return { ResizeError::WriteFailed,
            QCoreApplication::translate("ImageCodec", "%1 of %2 bytes written")
                .arg(file.st_size)
                .arg(sink.length()) };
    return written;
}

int jpegQuality(float factor)
{
    if (!std::isfinite(factor))
        return 100;
    return std::clamp(static_cast<int>(std::lround(factor * 100.0f)), 1, 100);
}

} // namespace ImageCodec
