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
#include "JpegIntegrity.h"
#include "MetadataFilter.h"
#include "SourceLoader.h"

using vips::VError;
using vips::VImage;
using vips::VOption;
using vips::VRegion;
using vips::VTarget;

namespace ImageCodec {

namespace {

// thumbnail's options for a source: exact size or a box, and the colour conversion to sRGB
// that the source needs. Shrink-on-load, lanczos3, alpha premultiplied while resampling, EXIF
// orientation applied. The operation called with them deletes them: make them in its call.
// With keepGrey a greyscale source keeps its own profile, which describes its one channel.
VOption* thumbnailOptions(
    const SourceInfo& source, int height, VipsSize size, bool keepGrey = false)
{
    auto options = VImage::option()->set("height", height)->set("size", size);
    if ((source.embeddedProfile && !(keepGrey && source.grey)) || source.cmyk)
        options->set("export_profile", "srgb");
    if (source.cmyk && !source.embeddedProfile)
        options->set("import_profile", "cmyk");
    return options;
}

// What a watched loader has given so far. Shared by the threads that compute the pixels.
struct WatchState
{
    std::atomic<bool> failed { false };
    std::atomic<int> reached { 0 }; // the furthest row below any request that succeeded
};

int watchGenerate(VipsRegion* out, void* sequence, void*, void* state, gboolean*)
{
    auto* input = static_cast<VipsRegion*>(sequence);
    auto* watch = static_cast<WatchState*>(state);
    const VipsRect area = out->valid;
    if (vips_region_prepare(input, &area) != 0) {
        watch->failed.store(true);
        return -1;
    }
    const int bottom = area.top + area.height;
    int reached = watch->reached.load();
    while (bottom > reached && !watch->reached.compare_exchange_weak(reached, bottom)) { }
    return vips_region_region(out, input, &area, area.left, area.top);
}

// Decides, once the pixels are computed, whether the whole of the source's data decoded.
//
// libvips computes pixels lazily on several threads: an error a loader raises in the last
// rows may or may not stop the encoder. So the answer comes from the decoders themselves.
// A JPEG is decoded strictly, failing at libjpeg's first warning, which stops the render
// wherever the data is damaged; a render that went through is whole when the loader also read
// the file to its end marker. Anything else (a render that failed, an end marker missing or
// followed by more data, a small file read in one gulp) is judged by libjpeg's own error state
// after a separate pass over all of the data: warnings that lose no pixels pass, and the
// render is then made again, tolerant of them. For other libvips and ImageMagick sources,
// every request made to the loader is watched, and the rows that no request reached are
// decoded afterwards.
class WholeDataCheck
{
public:
    WholeDataCheck() = default;
    WholeDataCheck(const WholeDataCheck&) = delete;
    WholeDataCheck& operator=(const WholeDataCheck&) = delete;

    // The JPEG in the open file is decoded by the loader reading through source.
    void checkJpeg(const FileDescriptor& file, VipsSource* source)
    {
        mJpegFile = file.get();
        mJpegSource = source;
    }
    // What the JPEG loader is to fail on: any warning, unless the data is known to be whole.
    VipsFailOn jpegFailOn() const
    {
        return mJpeg && mJpeg->whole ? VIPS_FAIL_ON_TRUNCATED : VIPS_FAIL_ON_WARNING;
    }

    // The loaded image with its every pixel request watched.
    VImage watch(VImage loaded)
    {
        auto* state = new WatchState;
        VipsImage* out = vips_image_new();
        VipsImage* inputs[] = { loaded.get_image(), nullptr };
        if (vips_image_pipeline_array(out, VIPS_DEMAND_STYLE_THINSTRIP, inputs) != 0
            || vips_image_generate(
                   out, vips_start_one, watchGenerate, vips_stop_one, loaded.get_image(), state)
                != 0) {
            g_object_unref(out);
            delete state;
            throw VError();
        }
        // The watched image keeps the loaded one and its state as long as it lives.
        g_object_ref(loaded.get_image());
        g_signal_connect_swapped(out, "close", G_CALLBACK(g_object_unref), loaded.get_image());
        g_signal_connect_swapped(
            out, "close", G_CALLBACK(+[](WatchState* finished) { delete finished; }), state);
        mWatched = VImage(out);
        mState = state;
        return mWatched;
    }

    // Empty when the source's data decoded whole, else why not; rendered is how the render
    // ended. After a render that wrote its output, rows that no request reached are decoded
    // now; after one that failed, only what the render met counts.
    QString problem(const ResizeStatus& rendered)
    {
        mRenderAgain = false;
        if (mJpegFile >= 0)
            return jpegProblem(rendered);
        if (!mState)
            return QString();
        const int height = mWatched.height();
        if (rendered.ok() && !mState->failed.load() && mState->reached.load() < height) {
            // Forward from the furthest row reached, which a sequential loader allows.
            VRegion region = VRegion::new_from_image(mWatched);
            constexpr int kRows = 64;
            for (int top = mState->reached.load(); top < height; top += kRows) {
                try {
                    region.prepare(0, top, mWatched.width(), std::min(kRows, height - top));
                } catch (const VError& e) {
                    takeError(e);
                    break;
                }
            }
        }
        if (mState->failed.load())
            return QCoreApplication::translate(
                "ImageCodec", "the image data ends early or is damaged");
        return QString();
    }

    // The strict render of a JPEG failed on warnings that lose no pixels: render it again.
    bool shouldRenderAgain() const { return mRenderAgain; }

private:
    QString jpegProblem(const ResizeStatus& rendered)
    {
        if (mJpeg) // judged before this render, which was tolerant
            return QString();
        if (rendered.ok() && readToEndMarker())
            return QString();
        // An image given up or an output that could not be written says nothing of the data.
        if (!rendered.ok() && rendered.error != ResizeError::DecodeFailed)
            return QString();
        mJpeg = JpegIntegrity::check(mJpegFile);
        if (!mJpeg->whole)
            return QCoreApplication::translate(
                "ImageCodec", "the JPEG data ends early or is damaged: %1")
                .arg(mJpeg->problem);
        mRenderAgain = !rendered.ok();
        return QString();
    }

    // Whether the strict loader went through the file to the end marker that closes it. A
    // file that fits in one read is always read to its end, whatever was decoded of it, so
    // only larger ones count.
    bool readToEndMarker() const
    {
        constexpr qint64 kOneRead = 64 * 1024;
        struct stat status = {};
        unsigned char end[2] = {};
        return ::fstat(mJpegFile, &status) == 0 && status.st_size > kOneRead
            && mJpegSource->read_position >= status.st_size
            && ::pread(mJpegFile, end, 2, status.st_size - 2) == 2 && end[0] == 0xFF
            && end[1] == 0xD9;
    }

    int mJpegFile = -1; // the JPEG's open file, owned by the caller
    VipsSource* mJpegSource = nullptr; // libvips' reader on it
    std::optional<JpegIntegrity::Verdict> mJpeg;
    bool mRenderAgain = false;
    VImage mWatched;
    WatchState* mState = nullptr; // owned by mWatched
};

// What a decode keeps of the source's own kind of pixels, as the output format can hold it.
struct Keep
{
    bool allFrames = false; // every frame of an animation, one above the other
    bool grey = false; // one channel of grey, with the source's own grey profile
    bool deep = false; // 16 bits a sample
};

// Resamples a 16-bit source for a format that keeps 16 bits (thumbnail makes everything
// 8-bit): lanczos3 in premultiplied alpha, as thumbnail does, then turned upright. Colours
// go through the source's profile into sRGB at 16 bits, unless a greyscale source keeps its
// own.
VImage resampleDeep(
    const VImage& loaded, const SourceInfo& info, int width, int height, bool keepGrey)
{
    const int orientation = vips_image_get_orientation(loaded.get_image());
    const bool swap = vips_image_get_orientation_swap(loaded.get_image()) != 0;
    const double storedWidth = swap ? height : width;
    const double storedHeight = swap ? width : height;
    VImage image = loaded;
    const bool alpha = image.has_alpha();
    if (alpha)
        image = image.premultiply();
    image = image.resize(storedWidth / loaded.width(),
        VImage::option()
            ->set("vscale", storedHeight / loaded.height())
            ->set("kernel", VIPS_KERNEL_LANCZOS3));
    if (alpha)
        image = image.unpremultiply();
    image = image.cast(loaded.format());
    if ((info.embeddedProfile && !(keepGrey && info.grey)) || info.cmyk) {
        VOption* options
            = VImage::option()->set("depth", 16)->set("embedded", info.embeddedProfile);
        if (!info.embeddedProfile)
            options->set("input_profile", "cmyk");
        image = image.icc_transform("srgb", options);
    }
    // Turning a sequentially read pipeline would read it out of order: the result, at its
    // target size, is held in memory first.
    if (orientation > 1)
        image = image.copy_memory().autorot();
    return image;
}

// Decodes an opened source at (or shrinks it towards) width x height. A check, when given,
// learns whether the source's data was whole. Without keep.allFrames only the first picture
// of a file is decoded; with it every frame, each resized to width x height.
VImage decodeAt(OpenSource& open, const SourceInfo& info, int width, int height, VipsSize size,
    WholeDataCheck* check, const Keep& keep = {})
{
    const bool allFrames = keep.allFrames;
    const SourceType& type = *open.type;
    if (type.reader == Reader::Libvips && type.shrinkOnLoad) {
        // thumbnail_source keeps its own fail_on from the loader; the option string reaches it.
        QStringList loaderOptions;
        if (check && std::strcmp(type.decoder, "jpegload_source") == 0) {
            check->checkJpeg(open.file, open.source->get_source());
            if (check->jpegFailOn() == VIPS_FAIL_ON_WARNING)
                loaderOptions << QStringLiteral("fail_on=warning");
        }
        if (allFrames)
            loaderOptions << QStringLiteral("n=-1");
        VOption* options = thumbnailOptions(info, height, size, keep.grey)
                               ->set("fail_on", VIPS_FAIL_ON_TRUNCATED);
        if (!loaderOptions.isEmpty())
            options->set("option_string", loaderOptions.join(u',').toUtf8().constData());
        VImage image = VImage::thumbnail_source(*open.source, width, options);
        // thumbnail chooses its loader again from the same data: still only this type's.
        const char* loader = nullptr;
        if (vips_image_get_string(image.get_image(), VIPS_META_LOADER, &loader) != 0 || !loader
            || std::strcmp(loader, type.decoder) != 0) {
            vips_error_clear();
            throw Refusal { notOfType(type) };
        }
        return image;
    }
    VImage loaded = open.header;
    if (allFrames && type.reader == Reader::Libvips) {
        VImage::call(type.decoder,
            VImage::option()
                ->set("source", *open.source)
                ->set("out", &loaded)
                ->set("access", VIPS_ACCESS_SEQUENTIAL)
                ->set("fail_on", VIPS_FAIL_ON_TRUNCATED)
                ->set("n", -1));
        // Every frame or none: the loader stops at a number of frames of its own.
        const int frames = loaded.get_typeof(VIPS_META_N_PAGES)
            ? loaded.get_int(VIPS_META_N_PAGES)
            : loaded.height() / std::max(1, vips_image_get_page_height(loaded.get_image()));
        if (frames < info.pages)
            throw Refusal { QCoreApplication::translate(
                "ImageCodec", "the animation has %1 frames, and only the first %2 can be read")
                                .arg(info.pages)
                                .arg(frames) };
    }
    if (check && !open.decodedByQt)
        loaded = check->watch(loaded);
    if (keep.deep && info.deep && !open.decodedByQt && size == VIPS_SIZE_FORCE)
        return resampleDeep(loaded, info, width, height, keep.grey);
    return loaded.thumbnail_image(width, thumbnailOptions(info, height, size, keep.grey));
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

// The colour space an image is written in: greyscale stays one channel where the format
// keeps it, and 16-bit samples stay 16-bit where the format keeps them; anything else becomes
// 8-bit sRGB (alpha kept).
VImage toOutputColour(VImage image, bool keepGrey, bool keepDeep)
{
    const VipsInterpretation now = image.interpretation();
    const bool grey = (now == VIPS_INTERPRETATION_B_W || now == VIPS_INTERPRETATION_GREY16)
        && image.bands() <= 2;
    const bool deep = keepDeep && image.format() == VIPS_FORMAT_USHORT;
    VipsInterpretation wanted = deep ? VIPS_INTERPRETATION_RGB16 : VIPS_INTERPRETATION_sRGB;
    if (grey && keepGrey)
        wanted = deep ? VIPS_INTERPRETATION_GREY16 : VIPS_INTERPRETATION_B_W;
    const VipsBandFormat sample = deep ? VIPS_FORMAT_USHORT : VIPS_FORMAT_UCHAR;
    if (now != wanted || image.format() != sample)
        image = image.colourspace(wanted);
    if (image.format() != sample)
        image = image.cast(sample);
    return image;
}

VImage flattenOnto(VImage image, const QColor& colour)
{
    if (!image.has_alpha())
        return image;
    const QColor rgb = colour.toRgb();
    const bool deep = image.format() == VIPS_FORMAT_USHORT;
    const double full = deep ? 65535.0 : 255.0;
    // Grey stays grey on a grey background; a coloured one makes the image colour.
    const bool neutral = rgb.red() == rgb.green() && rgb.green() == rgb.blue();
    if (image.bands() == 2 && !neutral)
        image = image.colourspace(deep ? VIPS_INTERPRETATION_RGB16 : VIPS_INTERPRETATION_sRGB);
    std::vector<double> opaque = { rgb.redF() * full, rgb.greenF() * full, rgb.blueF() * full };
    if (image.bands() == 2)
        opaque.resize(1);
    if (rgb.alphaF() >= 1.0)
        return image.flatten(VImage::option()->set("background", opaque));
    // A translucent background: the image goes over a canvas filled with the colour, alpha
    // included, like painting it onto that canvas.
    std::vector<double> fill = opaque;
    fill.push_back(rgb.alphaF() * full);
    VImage canvas = image.new_from_image(fill);
    return canvas.composite2(image, VIPS_BLEND_MODE_OVER).cast(image.format());
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
// apart from the encoder's own failure. The same pass-through step that watches a loader.
VImage noteSourceFailures(const VImage& image, WatchState* state)
{
    VipsImage* in = image.get_image();
    VipsImage* out = vips_image_new();
    if (vips_image_pipelinev(out, VIPS_DEMAND_STYLE_THINSTRIP, in, nullptr) != 0
        || vips_image_generate(out, vips_start_one, watchGenerate, vips_stop_one, in, state) != 0) {
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
    WatchState source;
    QString encoderError;
    try {
        save(noteSourceFailures(image, &source), request, &sink);
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
