#include "ImageCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRegularExpression>
#include <QImageReader>
#include <QImageWriter>
#include <QThread>

#include <vips/vips8>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CodecError.h"
#include "MetadataFilter.h"
#include "PixelPipeline.h"
#include "SourceLoader.h"
#include "WholeDataCheck.h"

using vips::VError;
using vips::VImage;
using vips::VOption;
using vips::VRegion;
using vips::VTarget;

namespace ImageCodec {

namespace {

// The bytes an encoder writes, on their way into the new file's descriptor. The first write
// the file refuses (full disk, size limit, I/O error) is recorded with its errno, so that a
// failure of the file is told from one of the encoder by where it happened, and the furthest
// byte written is kept, so that the file's length can be checked at the end. A request to
// abandon the image fails the next write. libvips calls it from its write thread, Qt's
// writer from the rendering thread; never two at once.
class OutputSink
{
public:
    OutputSink(int descriptor, const std::atomic<bool>* abandon)
        : mDescriptor(descriptor)
        , mAbandon(abandon)
    {
    }

    qint64 write(const void* data, qint64 length)
    {
        if (mAbandon && mAbandon->load()) {
            mAbandoned = true;
            errno = ECANCELED;
            return -1;
        }
        const char* bytes = static_cast<const char*>(data);
        qint64 done = 0;
        while (done < length) {
            const ssize_t n
                = ::write(mDescriptor, bytes + done, static_cast<size_t>(length - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (mError == 0)
                    mError = n < 0 ? errno : EIO;
                errno = mError;
                return -1;
            }
            done += n;
            mPosition += n;
            mEnd = std::max(mEnd, mPosition);
        }
        return done;
    }

    qint64 read(void* data, qint64 length)
    {
        const ssize_t n = ::read(mDescriptor, data, static_cast<size_t>(length));
        if (n > 0)
            mPosition += n;
        return n;
    }

    qint64 seek(qint64 offset, int whence)
    {
        const off_t position = ::lseek(mDescriptor, static_cast<off_t>(offset), whence);
        if (position >= 0)
            mPosition = position;
        return position;
    }

    int error() const { return mError; }
    bool abandoned() const { return mAbandoned; }
    // How far the file reaches, by what was written into it.
    qint64 length() const { return mEnd; }

private:
    int mDescriptor;
    const std::atomic<bool>* mAbandon;
    int mError = 0;
    bool mAbandoned = false;
    qint64 mPosition = 0;
    qint64 mEnd = 0;
};

gint64 onTargetWrite(VipsTargetCustom*, void* data, gint64 length, void* sink)
{
    return static_cast<OutputSink*>(sink)->write(data, length);
}

gint64 onTargetRead(VipsTargetCustom*, void* data, gint64 length, void* sink)
{
    return static_cast<OutputSink*>(sink)->read(data, length);
}

gint64 onTargetSeek(VipsTargetCustom*, gint64 offset, int whence, void* sink)
{
    return static_cast<OutputSink*>(sink)->seek(offset, whence);
}

// A libvips target that writes through the sink (TIFF also reads and seeks its own output).
VTarget targetFor(OutputSink* sink)
{
    VipsTargetCustom* target = vips_target_custom_new();
    if (!target)
        throw VError();
    g_signal_connect(target, "write", G_CALLBACK(onTargetWrite), sink);
    g_signal_connect(target, "read", G_CALLBACK(onTargetRead), sink);
    g_signal_connect(target, "seek", G_CALLBACK(onTargetSeek), sink);
    return VTarget(VIPS_TARGET(target));
}

// Qt's image writer writes through the sink too, unbuffered, so that no failed write is
// left for a flush whose result nobody reads.
class SinkDevice : public QIODevice
{
public:
    explicit SinkDevice(OutputSink* sink)
        : mSink(sink)
    {
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        return mSink->write(data, length);
    }

private:
    OutputSink* mSink;
};

// Runs on whichever thread libvips reports progress from: a request to abandon the image
// stops the computation at its next tile.
void onEval(VipsImage* image, VipsProgress*, void* abandon)
{
    if (static_cast<const std::atomic<bool>*>(abandon)->load())
        vips_image_set_kill(image, TRUE);
}

void stopOnAbandon(const VImage& image, const std::atomic<bool>* abandon)
{
    if (!abandon)
        return;
    vips_image_set_progress(image.get_image(), TRUE);
    g_signal_connect(
        image.get_image(), "eval", G_CALLBACK(onEval), const_cast<std::atomic<bool>*>(abandon));
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
    if (!format)
        throw VError("unknown output format");
    if (format->storesResolution) {
        const double pixelsPerMm = static_cast<double>(request.resolution) / 25.4;
        image = image.copy(VImage::option()->set("xres", pixelsPerMm)->set("yres", pixelsPerMm));
        // The savers take the unit for the JFIF and EXIF records from here; inches are what
        // people type and what every viewer shows.
        image.set(VIPS_META_RESOLUTION_UNIT, "in");
    }
    stopOnAbandon(image, request.abandon);
    if (!format->libvipsSaver) {
        saveBmp(image, sink, request.resolution);
        return;
    }
    const VTarget target = targetFor(sink);
    VOption* options = VImage::option();
    if (format->losslessAtFullQuality && jpegQuality(request.quality) == 100)
        options->set("lossless", true);
    else if (format->takesQuality)
        options->set("Q", jpegQuality(request.quality));
    if (format->choosesCompression && request.tiffCompression == TiffCompression::Lzw)
        options->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_LZW)
            ->set("predictor", VIPS_FOREIGN_TIFF_PREDICTOR_HORIZONTAL);
    image.write_to_target(format->libvipsSaver, target, options);
    // Whatever the saver left in the target's buffer goes out now, checked like the rest.
    if (vips_target_end(target.get_target()) != 0)
        throw VError();
}

// Encodes the image into the open file and says which step failed, if one did: the file
// (a write failure with the system's reason), the source's pipeline (the source's fault), or
// the encoder (a write failure with its reason). The written length is checked against the
// file's.
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

} // namespace

bool initialise(const char* argv0)
{
    if (VIPS_INIT(argv0) != 0)
        return false;
    // Nothing is kept between images: a file that changes between two runs is read afresh.
    vips_cache_set_max(0);
    return true;
}

void shutdown()
{
    vips_shutdown();
}

void setImagesAtOnce(int images)
{
    if (qEnvironmentVariableIsSet("VIPS_CONCURRENCY"))
        return;
    const int cores = std::max(1, QThread::idealThreadCount());
    vips_concurrency_set(std::max(1, cores / std::max(1, images)));
}

void threadShutdown()
{
    vips_thread_shutdown();
}

int jpegQuality(float factor)
{
    if (!std::isfinite(factor))
        return 100;
    return std::clamp(static_cast<int>(std::lround(factor * 100.0f)), 1, 100);
}

SourceInfo probe(const QString& path, qint64 maxPixels)
{
    SourceInfo info;
    openAndMeasure(path, maxPixels, &info);
    return info;
}

QString targetSizeProblem(double width, double height, OutputFormat format)
{
    // libvips' own limit on a side, or what the format's encoder can state in its header.
    double largest = VIPS_MAX_COORD;
    QString maker = QStringLiteral("libvips");
    if (const OutputFormats::Info* info = OutputFormats::find(format);
        info && info->largestSide > 0) {
        largest = info->largestSide;
        maker = QString::fromLatin1(info->name);
    }
    // Rounded as the render rounds them; a side that rounds to 0 is the caller's to refuse.
    if (std::isfinite(width) && std::isfinite(height) && std::round(width) <= largest
        && std::round(height) <= largest)
        return QString();
    const auto text = [](double side) {
        return std::isfinite(side) && std::abs(side) < 1e15 && side == std::round(side)
            ? QString::number(static_cast<qint64>(side))
            : QString::number(side, 'g', 6);
    };
    return QCoreApplication::translate("ImageCodec",
        "the target size %1 x %2 pixels has a side beyond the %3 pixels that "
        "%4 can make")
        .arg(text(width), text(height), QString::number(largest, 'f', 0), maker);
}

ResizeStatus render(const RenderRequest& request, int output)
{
    if (request.width < 1 || request.height < 1 || !OutputFormats::find(request.format)
        || !(request.resolution > 0.0f) || !std::isfinite(request.resolution))
        return { ResizeError::InvalidSettings, QString() };
    if (const QString size = targetSizeProblem(request.width, request.height, request.format);
        !size.isEmpty())
        return { ResizeError::InvalidSettings, size };

    SourceInfo source;
    OpenSource open = openAndMeasure(request.sourcePath, request.maxPixels, &source);
    if (!source.ok)
        return { ResizeError::DecodeFailed, source.error };

    // An animation stays one where the format animates; otherwise its first frame, or a
    // document's first page, is written and the status says so.
    const Sequence sequence = open.type ? open.type->sequence : Sequence::None;
    const bool allFrames = source.pages > 1 && sequence == Sequence::Frames
        && OutputFormats::find(request.format)->animates;
    if (const QString tooLarge = outputLimitProblem(
            request.width, request.height, allFrames ? source.pages : 1, request.maxPixels);
        !tooLarge.isEmpty())
        return { ResizeError::InvalidSettings, tooLarge };
    QString note;
    if (source.pages > 1 && !allFrames && sequence != Sequence::None) {
        note = (sequence == Sequence::Frames
                ? QCoreApplication::translate("ImageCodec", "first frame of %1")
                : QCoreApplication::translate("ImageCodec", "first page of %1"))
                   .arg(source.pages);
    }

    const OutputFormats::Info* format = OutputFormats::find(request.format);
    const Keep keep { allFrames, format->keepsGrey, format->keeps16Bit };
    WholeDataCheck whole;
    ResizeStatus encoded;
    do {
        // A second render starts again from an empty file.
        if (::ftruncate(output, 0) != 0 || ::lseek(output, 0, SEEK_SET) != 0)
            return { ResizeError::WriteFailed, systemMessage(errno) };
        try {
            VImage image = decodeAt(
                open, source, request.width, request.height, VIPS_SIZE_FORCE, &whole, keep);
            image = toOutputColour(image, keep.grey, keep.deep);

            if (request.flatten)
                image = flattenOnto(image, request.background);
            if (image.has_alpha() && !format->keepsAlpha)
                image = flattenOnto(image, Qt::white);

            image = MetadataFilter::apply(image, request.metadata);
            encoded = encode(image, request, output);
        } catch (const Refusal& refusal) {
            return { ResizeError::DecodeFailed, refusal.reason };
        } catch (const VError& e) {
            // The pipeline is only being built here: what fails is reading the source.
            encoded = { ResizeError::DecodeFailed, takeError(e) };
        }

        // A decoder that met damaged data is the source's fault, wherever its error surfaced;
        // a complete output is kept only if the whole of the source decoded. A loader's error
        // that did not stop the encoder is still in libvips' error buffer: it must not become
        // the next one's text.
        const QString damage = whole.problem(encoded);
        vips_error_clear();
        if (!damage.isEmpty())
            return { ResizeError::DecodeFailed, damage };
    } while (whole.shouldRenderAgain());
    if (!encoded.ok())
        return encoded;
    // Written whole: the message says what of the source it holds, when not all of it.
    return { ResizeError::None, note };
}

PreviewResult decodePreview(const QString& path, int boxPixels, qint64 maxPixels)
{
    PreviewResult result;
    SourceInfo info;
    OpenSource open = openAndMeasure(path, maxPixels, &info);
    if (!info.ok)
        return result;
    try {
        VImage image = toSrgb(decodeAt(open, info, boxPixels, boxPixels, VIPS_SIZE_DOWN, nullptr));
        if (image.bands() == 3)
            image = image.bandjoin_const({ 255.0 });
        image = image.extract_band(0, VImage::option()->set("n", 4));
        size_t length = 0;
        void* data = image.write_to_memory(&length);
        result.image = QImage(
            static_cast<const uchar*>(data), image.width(), image.height(), image.width() * 4,
            QImage::Format_RGBA8888, [](void* p) { g_free(p); }, data);
        result.sourceSize = QSize(info.width, info.height);
        result.animationFrames = info.animationFrames();
        // A loader's warnings (a JPEG's extraneous bytes) land in libvips' error buffer too.
        vips_error_clear();
    } catch (const Refusal&) {
        result = {};
    } catch (const VError& e) {
        takeError(e);
        result = {};
    }
    return result;
}

} // namespace ImageCodec
