#include "ImageCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QImageWriter>

#include <vips/vips8>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "NoReplaceFile.h"

using vips::VError;
using vips::VImage;
using vips::VTarget;

namespace ImageCodec {

namespace {

// libvips parses "[options]" at the end of a file name; a name that itself ends in "]" gets
// an empty option list so that it is taken literally.
QByteArray vipsName(const QString& path)
{
    QByteArray name = QFile::encodeName(path);
    if (name.endsWith(']'))
        name += "[]";
    return name;
}

// libvips keeps its error text in one global buffer: read and clear it in one place.
QString takeError(const VError& e)
{
    QString text = QString::fromUtf8(e.what()).trimmed();
    vips_error_clear();
    // The buffer repeats the operation name as a prefix on every line; the first line is the
    // most useful to a person.
    const qsizetype nl = text.indexOf(QLatin1Char('\n'));
    if (nl > 0)
        text = text.left(nl);
    return text;
}

// thumbnail's options for a source: exact size or a box, shrink-on-load, and the colour
// conversion to sRGB that the source needs.
VImage thumbnail(const QString& path, const SourceInfo& source, int width, int height,
    VipsSize size)
{
    auto options = VImage::option()
                       ->set("height", height)
                       ->set("size", size)
                       ->set("fail_on", VIPS_FAIL_ON_TRUNCATED);
    if (source.embeddedProfile || source.cmyk)
        options->set("export_profile", "srgb");
    if (source.cmyk && !source.embeddedProfile)
        options->set("import_profile", "cmyk");
    // Shrink-on-load, lanczos3, alpha premultiplied while resampling, EXIF orientation applied.
    return VImage::thumbnail(vipsName(path).constData(), width, options);
}

// Converts whatever was decoded to 8-bit sRGB (alpha kept). Sources with an embedded profile
// are transformed through it; CMYK without one through libvips' default CMYK profile.
VImage toSrgb(VImage image)
{
    const VipsInterpretation interpretation = image.interpretation();
    if (interpretation != VIPS_INTERPRETATION_sRGB || image.format() != VIPS_FORMAT_UCHAR)
        image = image.colourspace(VIPS_INTERPRETATION_sRGB);
    if (image.format() != VIPS_FORMAT_UCHAR)
        image = image.cast(VIPS_FORMAT_UCHAR);
    return image;
}

bool formatHasAlpha(int format)
{
    return format == 2 || format == 3 || format == 5; // PNG, GIF, TIFF
}

VImage flattenOnto(VImage image, const QColor& colour)
{
    if (!image.has_alpha())
        return image;
    const QColor rgb = colour.toRgb();
    const std::vector<double> opaque = { rgb.redF() * 255.0, rgb.greenF() * 255.0,
        rgb.blueF() * 255.0 };
    if (rgb.alphaF() >= 1.0)
        return image.flatten(VImage::option()->set("background", opaque));
    // A translucent background: the image goes over a canvas filled with the colour, alpha
    // included, like painting it onto that canvas.
    std::vector<double> fill = opaque;
    fill.push_back(rgb.alphaF() * 255.0);
    VImage canvas = image.new_from_image(fill);
    return canvas.composite2(image, VIPS_BLEND_MODE_OVER).cast(VIPS_FORMAT_UCHAR);
}

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

// A step between the source's pipeline (decode, resample, colour) and the encoder that
// passes the pixels through untouched and notes whether asking for them failed: the
// pipeline is lazy, so a corrupt source fails inside the encoder's run, and this tells that
// apart from the encoder's own failure.
int passThrough(VipsRegion* out, void* sequence, void*, void* failed, gboolean*)
{
    auto* in = static_cast<VipsRegion*>(sequence);
    if (vips_region_prepare(in, &out->valid) != 0) {
        static_cast<std::atomic<bool>*>(failed)->store(true);
        return -1;
    }
    return vips_region_region(out, in, &out->valid, out->valid.left, out->valid.top);
}

VImage noteSourceFailures(const VImage& image, std::atomic<bool>* failed)
{
    VipsImage* in = image.get_image();
    VipsImage* out = vips_image_new();
    if (vips_image_pipelinev(out, VIPS_DEMAND_STYLE_THINSTRIP, in, nullptr) != 0
        || vips_image_generate(out, vips_start_one, passThrough, vips_stop_one, in, failed) != 0) {
        g_object_unref(out);
        throw VError();
    }
    // The input lives as long as the step that reads it.
    g_object_ref(in);
    vips_object_local(out, in);
    return VImage(out);
}

// BMP through Qt's writer, which stores the resolution as pixels per metre.
void saveBmp(const VImage& image, OutputSink* sink, float resolution)
{
    VImage rgb = image.bands() == 3 ? image : image.extract_band(0, VImage::option()->set("n", 3));
    size_t length = 0;
    void* data = rgb.write_to_memory(&length);
    const int w = rgb.width();
    const int h = rgb.height();
    QImage picture(static_cast<const uchar*>(data), w, h, w * 3, QImage::Format_RGB888,
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
    const double pixelsPerMm = static_cast<double>(request.resolution) / 25.4;
    image = image.copy(VImage::option()->set("xres", pixelsPerMm)->set("yres", pixelsPerMm));
    // The savers take the unit for the JFIF and EXIF records from here; inches are what
    // people type and what every viewer shows.
    image.set(VIPS_META_RESOLUTION_UNIT, "in");
    stopOnAbandon(image, request.abandon);
    if (request.format == 4) {
        saveBmp(image, sink, request.resolution);
        return;
    }
    const VTarget target = targetFor(sink);
    switch (request.format) {
    case 1:
        image.jpegsave_target(target,
            VImage::option()->set("Q", jpegQuality(request.quality))->set("optimize_coding", true));
        break;
    case 2:
        image.pngsave_target(target,
            VImage::option()->set("compression", 6)->set("filter", VIPS_FOREIGN_PNG_FILTER_ALL));
        break;
    case 3:
        // Palette search effort 4 of 10: on a 640 px photo it is within 0.2 dB PSNR of the
        // default effort 7 at about a third of the time; effort 1 loses over 1 dB.
        image.gifsave_target(target, VImage::option()->set("effort", 4));
        break;
    case 5:
        image.tiffsave_target(target,
            VImage::option()
                ->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_LZW)
                ->set("predictor", VIPS_FOREIGN_TIFF_PREDICTOR_HORIZONTAL)
                ->set("resunit", VIPS_FOREIGN_TIFF_RESUNIT_INCH)
                ->set("xres", pixelsPerMm)
                ->set("yres", pixelsPerMm));
        break;
    default:
        throw VError("unknown output format");
    }
    // Whatever the saver left in the target's buffer goes out now, checked like the rest.
    if (vips_target_end(target.get_target()) != 0)
        throw VError();
}

QString systemMessage(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Encodes the image into the open file and says which step failed, if one did: the file
// (a write failure with the system's reason), the source's pipeline (the source's fault), or
// the encoder (a write failure with its reason). The written length is checked against the
// file's.
ResizeStatus encode(const VImage& image, const RenderRequest& request, int descriptor)
{
    OutputSink sink(descriptor, request.abandon);
    std::atomic<bool> sourceFailed { false };
    QString encoderError;
    try {
        save(noteSourceFailures(image, &sourceFailed), request, &sink);
    } catch (const VError& e) {
        encoderError = takeError(e);
        if (encoderError.isEmpty())
            encoderError = QStringLiteral("the encoder failed");
    }
    if (sink.abandoned() || (request.abandon && request.abandon->load()))
        return { ResizeError::WriteFailed, QStringLiteral("abandoned before it was complete") };
    if (sink.error() != 0)
        return { ResizeError::WriteFailed, systemMessage(sink.error()) };
    if (sourceFailed.load())
        return { ResizeError::DecodeFailed, encoderError };
    if (!encoderError.isEmpty())
        return { ResizeError::WriteFailed, encoderError };
    struct stat written = {};
    if (::fstat(descriptor, &written) != 0)
        return { ResizeError::WriteFailed, systemMessage(errno) };
    if (sink.length() <= 0 || written.st_size != sink.length())
        return { ResizeError::WriteFailed,
            QStringLiteral("%1 of %2 bytes written").arg(written.st_size).arg(sink.length()) };
    return {};
}

// Gives the finished file its name; a name taken in the meantime is an existing output.
ResizeStatus commit(NoReplaceFile::NewFile& file, const QString& outputPath)
{
    if (file.commit())
        return {};
    if (file.errorCode() == EEXIST)
        return { ResizeError::OutputExists, outputPath };
    return { ResizeError::WriteFailed, file.errorString() };
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

SourceInfo probe(const QString& path)
{
    SourceInfo info;
    try {
        VImage image = VImage::new_from_file(vipsName(path).constData(),
            VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        info.width = image.width();
        info.height = image.height();
        if (vips_image_get_orientation_swap(image.get_image()))
            std::swap(info.width, info.height);
        info.embeddedProfile = image.get_typeof(VIPS_META_ICC_NAME) != 0;
        info.cmyk = image.interpretation() == VIPS_INTERPRETATION_CMYK;
        info.ok = info.width > 0 && info.height > 0;
    } catch (const VError& e) {
        info.error = takeError(e);
    }
    return info;
}

ResizeStatus render(const RenderRequest& request, const QString& outputPath)
{
    if (request.width < 1 || request.height < 1 || request.format < 1 || request.format > 5
        || !(request.resolution > 0.0f) || !std::isfinite(request.resolution))
        return { ResizeError::InvalidSettings, QString() };

    const QFileInfo output(outputPath);
    NoReplaceFile::NewFile file;
    if (!file.create(output.absolutePath(), output.fileName()))
        return { ResizeError::WriteFailed, file.errorString() };

    ResizeStatus encoded;
    try {
        VImage image = thumbnail(request.sourcePath, request.source, request.width,
            request.height, VIPS_SIZE_FORCE);
        image = toSrgb(image);

        if (request.flatten)
            image = flattenOnto(image, request.background);
        if (image.has_alpha() && !formatHasAlpha(request.format))
            image = flattenOnto(image, Qt::white);

        // The camera's metadata stays, but nothing may turn the upright pixels again: the
        // EXIF orientation is rewritten as "normal" and XMP (which can carry its own) goes.
        image = image.copy();
        image.set(VIPS_META_ORIENTATION, 1);
        image.remove(VIPS_META_XMP_NAME);
        encoded = encode(image, request, file.descriptor());
    } catch (const VError& e) {
        // The pipeline is only being built here: what fails is reading the source.
        return { ResizeError::DecodeFailed, takeError(e) };
    }
    if (!encoded.ok())
        return encoded;
    return commit(file, outputPath);
}

PreviewResult decodePreview(const QString& path, int boxPixels)
{
    PreviewResult result;
    const SourceInfo info = probe(path);
    if (!info.ok)
        return result;
    try {
        VImage image
            = toSrgb(thumbnail(path, info, boxPixels, boxPixels, VIPS_SIZE_DOWN));
        if (image.bands() == 3)
            image = image.bandjoin_const({ 255.0 });
        image = image.extract_band(0, VImage::option()->set("n", 4));
        size_t length = 0;
        void* data = image.write_to_memory(&length);
        result.image = QImage(static_cast<const uchar*>(data), image.width(), image.height(),
            image.width() * 4, QImage::Format_RGBA8888, [](void* p) { g_free(p); }, data);
        result.sourceSize = QSize(info.width, info.height);
    } catch (const VError& e) {
        takeError(e);
        result = {};
    }
    return result;
}

} // namespace ImageCodec
