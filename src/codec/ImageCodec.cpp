#include "ImageCodec.h"

#include <QCoreApplication>

#include <vips/vips8>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstring>

#include <unistd.h>

#include "CodecError.h"
#include "Encoder.h"
#include "LibvipsModules.h"
#include "MetadataFilter.h"
#include "PixelPipeline.h"
#include "SourceFile.h"
#include "SourceLoader.h"
#include "WholeDataCheck.h"

// The front door: each step of a render or a preview is a file of its own (SourceTypes,
// SourceFile, SourceLoader, StructureCheck, IcnsLoader, WholeDataCheck, PixelPipeline,
// MetadataFilter, Encoder, OutputSink), as libvips' foreign/ folder keeps one file a format
// and direction; this file puts them in order and turns their failures into values.

using vips::VError;
using vips::VImage;

namespace ImageCodec {

namespace {

// Whether libvips runs; a program that never started it (a tool that only lists files) has no
// per-thread state to free either.
std::atomic<bool> gStarted { false };

} // namespace

bool initialise(const char* argv0, Modules modules)
{
    if (modules == Modules::WhenNeeded)
        LibvipsModules::putOff(argv0);
    const bool started = VIPS_INIT(argv0) == 0;
    LibvipsModules::started();
    if (!started)
        return false;
    // Nothing is kept between images: a file that changes between two runs is read afresh.
    vips_cache_set_max(0);
    gStarted.store(true);
    return true;
}

void shutdown()
{
    vips_shutdown();
}

void setImagesAtOnce(int images)
{
    setThreadsPerImage(threadsPerImage(images, false));
}

void setThreadsPerImage(int threads)
{
    if (qEnvironmentVariableIsSet("VIPS_CONCURRENCY"))
        return;
    vips_concurrency_set(std::max(1, threads));
}

void threadShutdown()
{
    if (gStarted.load())
        vips_thread_shutdown();
}

SourceInfo probe(const QString& path, qint64 maxPixels)
{
    return probe(-1, path, maxPixels);
}

SourceInfo probe(int source, const QString& path, qint64 maxPixels)
{
    SourceInfo info;
    openAndMeasure(path, source, maxPixels, &info);
    return info;
}

ResizeStatus render(const RenderRequest& request, int sourceFile, int output)
{
    if (request.width < 1 || request.height < 1 || !OutputFormats::find(request.format)
        || !(request.resolution > 0.0f) || !std::isfinite(request.resolution))
        return { ResizeError::InvalidSettings, QString() };
    if (const QString size = targetSizeProblem(request.width, request.height, request.format);
        !size.isEmpty())
        return { ResizeError::InvalidSettings, size };

    SourceInfo source;
    OpenSource open = openAndMeasure(request.sourcePath, sourceFile, request.maxPixels, &source);
    if (!source.ok)
        return { ResizeError::DecodeFailed, source.error };

    // An animation stays one where the format animates; otherwise its first frame, or a
    // document's first page, is written and the status says so.
    const Sequence sequence = open.type ? open.type->sequence : Sequence::None;
    const bool allFrames = source.pages > 1 && sequence == Sequence::Frames
        && OutputFormats::find(request.format)->animates;
    // A fill resamples to more than it writes: the larger of the two is what is made.
    const int scaledWidth = request.scaledWidth > 0 ? request.scaledWidth : request.width;
    const int scaledHeight = request.scaledHeight > 0 ? request.scaledHeight : request.height;
    const bool scaledLarger
        = qint64(scaledWidth) * scaledHeight > qint64(request.width) * request.height;
    if (const QString tooLarge = outputLimitProblem(scaledLarger ? scaledWidth : request.width,
            scaledLarger ? scaledHeight : request.height, allFrames ? source.pages : 1,
            request.maxPixels);
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
    // 16-bit samples stay so through every step: the last one chooses the output's depth.
    const Keep keep { allFrames, format->keepsGrey, true };
    // Where the transparency goes: onto the background colour, or white where the format
    // keeps none; invalid where it stays, where a translucent colour keeps some, and where an
    // attention crop first looks at the picture as decoded, transparent areas and all.
    QColor background = request.flatten ? request.background.toRgb()
        : format->keepsAlpha            ? QColor()
                                        : QColor(Qt::white);
    if (background.alpha() != 255
        || (request.boxMode == BoxMode::Fill && request.cropPosition == CropPosition::Attention))
        background = QColor();
    WholeDataCheck whole;
    OpaqueAlpha opaque;
    ResizeStatus encoded;
    bool renderAgain = false;
    do {
        // A second render starts again from an empty file.
        if (::ftruncate(output, 0) != 0 || ::lseek(output, 0, SEEK_SET) != 0)
            return { ResizeError::WriteFailed, systemMessage(errno) };
        try {
            VImage image
                = decodeAt(open, source, scaledWidth, scaledHeight, VIPS_SIZE_FORCE, &whole, keep,
                    request.linearLight ? Light::Linear : Light::Gamma, background, &opaque);
            image = toOutputColour(image, keep.grey, keep.deep);
            if (request.boxMode == BoxMode::Fill)
                image = cropTo(image, request.width, request.height, request.cropPosition);
            // Padding stays transparent only where the file keeps it and nothing flattens.
            const bool clearPadding = format->keepsAlpha && !request.flatten;
            if (request.boxMode == BoxMode::Pad && clearPadding)
                image = padTo(image, request.width, request.height, request.background, true);

            if (request.flatten)
                image = flattenOnto(image, request.background);
            if (image.has_alpha() && !format->keepsAlpha)
                image = flattenOnto(image, Qt::white);
            if (request.boxMode == BoxMode::Pad && !clearPadding)
                image = padTo(image, request.width, request.height, request.background, false);
            image = toOutputDepth(image, format->deepSampleBits);

            image = MetadataFilter::apply(image, request.metadata);
            encoded = encode(image, request, output);
        } catch (const Refusal& refusal) {
            return { ResizeError::DecodeFailed, refusal.reason };
        } catch (const VError& e) {
            // The pipeline is only being built here: what fails is reading the source.
            encoded = { ResizeError::DecodeFailed, takeError(e) };
        }

        // The guess that the picture is opaque met a pixel that is not: nothing of this render
        // counts, the stop included (which may have failed other steps in progress), and the
        // source is read again from a new opening (its loader reads in sequence).
        if (opaque.shouldRenderAgain()) {
            vips_error_clear();
            open = openAndMeasure(request.sourcePath, sourceFile, request.maxPixels, &source);
            if (!source.ok)
                return { ResizeError::DecodeFailed, source.error };
            renderAgain = true;
            continue;
        }
        // A decoder that met damaged data is the source's fault, wherever its error surfaced;
        // a complete output is kept only if the whole of the source decoded. A loader's error
        // that did not stop the encoder is still in libvips' error buffer: it must not become
        // the next one's text.
        const QString damage = whole.problem(encoded);
        vips_error_clear();
        if (!damage.isEmpty())
            return { ResizeError::DecodeFailed, damage };
        renderAgain = whole.shouldRenderAgain();
    } while (renderAgain);
    if (!encoded.ok())
        return encoded;
    // Written whole: the message says what of the source it holds, when not all of it, and
    // what the size limit asked of it.
    if (!note.isEmpty() && !encoded.message.isEmpty())
        encoded.message = note + QStringLiteral("; ") + encoded.message;
    else if (!note.isEmpty())
        encoded.message = note;
    return encoded;
}

PreviewResult decodePreview(const QString& path, int boxPixels, qint64 maxPixels)
{
    return decodePreview(-1, path, boxPixels, maxPixels);
}

PreviewResult decodePreview(int source, const QString& path, int boxPixels, qint64 maxPixels)
{
    PreviewResult result;
    SourceInfo info;
    OpenSource open = openAndMeasure(path, source, maxPixels, &info);
    if (!info.ok)
        return result;
    result.sourceSize = QSize(info.width, info.height);
    result.animationFrames = info.animationFrames();
    // Judged as a render is (WholeDataCheck): a decoder meets a file cut short only in its
    // last rows, and would otherwise fill them in grey and pass.
    WholeDataCheck whole;
    ResizeStatus decoded;
    do {
        decoded = {};
        result.image = QImage();
        try {
            VImage image
                = toSrgb(decodeAt(open, info, boxPixels, boxPixels, VIPS_SIZE_DOWN, &whole));
            if (image.bands() == 3)
                image = image.bandjoin_const({ 255.0 });
            image = image.extract_band(0, VImage::option()->set("n", 4));
            size_t length = 0;
            void* data = image.write_to_memory(&length);
            result.image = QImage(
                static_cast<const uchar*>(data), image.width(), image.height(), image.width() * 4,
                QImage::Format_RGBA8888, [](void* p) { g_free(p); }, data);
        } catch (const Refusal& refusal) {
            result.error = refusal.reason;
            result.problem = refusal.problem;
            result.image = QImage();
            return result;
        } catch (const VError& e) {
            decoded = { ResizeError::DecodeFailed, takeError(e) };
        }
        const QString damage = whole.problem(decoded);
        // A loader's warnings (a JPEG's extraneous bytes) land in libvips' error buffer too.
        vips_error_clear();
        if (!damage.isEmpty()) {
            decoded = { ResizeError::DecodeFailed, damage };
            break;
        }
    } while (whole.shouldRenderAgain());
    if (!decoded.ok()) {
        // The header was read: what fails now is the data behind it.
        result.image = QImage();
        result.error = decoded.message;
        result.problem = SourceProblem::Damaged;
    }
    return result;
}

namespace {

int gAllocationFailureStatus = 1;

// GLib's allocators end the process through g_error() when the system has no memory for them.
void onGLibError(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer data)
{
    if (message && std::strstr(message, "failed to allocate"))
        _exit(gAllocationFailureStatus);
    g_log_default_handler(domain, level, message, data);
}

} // namespace

void exitWhenAllocationFails(int status)
{
    gAllocationFailureStatus = status;
    g_log_set_handler("GLib",
        static_cast<GLogLevelFlags>(G_LOG_LEVEL_ERROR | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION),
        onGLibError, nullptr);
}

} // namespace ImageCodec
