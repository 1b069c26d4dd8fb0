#pragma once

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>

#include "FileDescriptor.h"
#include "model/MetadataMode.h"
#include "model/OutputFormat.h"
#include "model/ResizeOptions.h"
#include "model/ResizeStatus.h"

// The image work of the application on libvips: measuring a source, rendering it at a target
// size into a new file, and decoding a small preview. The only place that speaks to libvips;
// every libvips error becomes a value here.
namespace ImageCodec {

// When libvips loads its optional modules (HEIF and AVIF, JPEG XL, PDF, ImageMagick): as it
// starts, or when one of their operations is first needed (about 30 ms less to start).
enum class Modules
{
    AtStart,
    WhenNeeded
};
// Starts libvips. Call once from main() before any other thread exists.
bool initialise(const char* argv0, Modules modules = Modules::AtStart);
void shutdown();
// Frees libvips' per-thread state at the end of a thread that libvips did not create.
void threadShutdown();
// Shares the processor cores between the images rendered at once: each image's pipeline gets
// an equal part of them, at least one thread (VIPS_CONCURRENCY in the environment, when set,
// decides instead). Two images at once on two cores are about 3 to 5 % faster with one
// thread each than with two each. Takes effect for renders started afterwards.
void setImagesAtOnce(int images);
// The libvips threads of one image among imagesAtOnce: an equal part of the cores, at least
// one. An image of a batch's last round (nothing waits to start after the images in
// progress) may end up alone while the others finish, so it gets twice that part, at most
// every core.
inline int threadsPerImage(int imagesAtOnce, bool lastRound)
{
    const int cores = std::max(1, QThread::idealThreadCount());
    const int share = std::max(1, cores / std::max(1, imagesAtOnce));
    return lastRound ? std::min(cores, 2 * share) : share;
}
// Gives the renders started afterwards that many libvips threads (VIPS_CONCURRENCY in the
// environment, when set, decides instead).
void setThreadsPerImage(int threads);

// The default of the pixel limit (the maxMegapixels setting): a source with more pixels is
// refused from its header, before anything is decoded.
constexpr qint64 kDefaultMaxPixels = ResizeOptions::kDefaultMaxPixels;

// The extensions of the types of source that can be read, in lower case, in a fixed order. A
// source is decoded only by the decoder of the type its extension names (matched without
// regard to case); content of any other type is refused as "not a <type> image".
QStringList sourceExtensions();

// The MIME types of the same types of source, as desktops name them (for the desktop file and
// the file managers' menus), each once.
QStringList sourceMimeTypes();

// Sources are opened only when they are regular files (a symbolic link is followed); a named
// pipe, a device, a folder or a socket fails at once, without waiting for data.

// Opens a source once for probe() and render() on its descriptor, so that both read the same
// file whatever is put at its path meanwhile, and so that they can run where no file can be
// opened. Not open, with the reason in *error, for a name whose extension is no type that can
// be read or for a file that is not a regular one.
FileDescriptor openSourceFile(const QString& path, QString* error);

// The kind of reason a source cannot be read, for a word short enough for a table cell; the
// reason's own text says the rest.
enum class SourceProblem
{
    None,
    Unreadable, // the file cannot be opened or is not a regular file, or the decoder failed
    NotOfType, // its content is not of the type its extension names
    Damaged, // its data ends early or is damaged
    TooLarge, // above the pixel limit
};

// The upright pixel size of a source (EXIF orientation applied), from its header.
struct SourceInfo
{
    bool ok = false;
    int width = 0;
    int height = 0;
    bool embeddedProfile = false; // colours are to be read through the file's own profile
    bool cmyk = false;
    int pages = 1; // the frames of an animation or the pages of a document
    bool animation = false; // frames of an animation rather than one picture or pages
    // The frames an output keeps where its format animates; 1 for anything else.
    int animationFrames() const { return animation ? pages : 1; }
    bool deep = false; // 16 bits a sample
    bool grey = false; // one channel of grey (two with alpha)
    QDateTime taken = {}; // when the photo was taken (EXIF DateTimeOriginal); invalid when unknown
    QString error;
    SourceProblem problem = SourceProblem::None; // the kind of error
};
// Fails, with the reason, for a source that cannot be opened, is not of its extension's type
// or has more than maxPixels pixels.
SourceInfo probe(const QString& path, qint64 maxPixels = kDefaultMaxPixels);
// The same of a source opened by openSourceFile(path).
SourceInfo probe(int source, const QString& path, qint64 maxPixels = kDefaultMaxPixels);

struct RenderRequest
{
    QString sourcePath; // its extension names the source's type
    int width = 0; // exact output size in pixels
    int height = 0;
    // The size the image is resampled to before Fill crops it or Pad pads it to width x
    // height; 0 for width x height itself.
    int scaledWidth = 0;
    int scaledHeight = 0;
    BoxMode boxMode = BoxMode::Fit;
    CropPosition cropPosition = CropPosition::Centre;
    bool linearLight = false; // resampled in linear light
    OutputFormat format = OutputFormat::Jpeg;
    float quality = 1.0f; // compression factor 0..1 on JPEG's scale (1 = best lossy)
    bool lossless = false; // where the format has it; the quality is then not used
    // The largest file to write, in bytes; 0 for no limit. The quality is lowered to fit, not
    // below minQuality, and then the image is made smaller.
    qint64 maxFileSize = 0;
    float minQuality = 0.30f;
    float resolution = 72.0f; // pixels per inch stated in the file
    bool flatten = false; // composite over background
    QColor background = Qt::white;
    MetadataMode metadata = MetadataMode::WithoutPersonal;
    // When it turns true (from any thread) the image is given up at once and nothing is
    // written. May be null.
    const std::atomic<bool>* abandon = nullptr;
    qint64 maxPixels = kDefaultMaxPixels; // a larger source is refused before decoding
    TiffCompression tiffCompression = TiffCompression::Lzw;
};

// Why an output of width x height pixels in so many frames is not made: more pixels than
// maxPixels, the limit that keeps a small source from asking for a huge output. Empty when
// it may be.
QString outputLimitProblem(qint64 width, qint64 height, qint64 frames, qint64 maxPixels);

// Why a target size in pixels cannot be made in a format: a side that is not finite or is
// beyond what libvips or the format's encoder can hold. Empty when it can be made.
QString targetSizeProblem(double width, double height, OutputFormat format);

// Decodes source, a descriptor from openSourceFile(request.sourcePath), resamples (lanczos3,
// shrink-on-load), converts to sRGB, flattens where asked or where the format has no alpha,
// stamps the resolution and encodes into output, an open,
// empty regular file of the caller's (made by the no-replace writer, which names it once it
// is complete). A failing write is a WriteFailed with the system's reason. The output is good
// only when the whole of the source's data decoded: a source cut short or damaged fails
// (DecodeFailed) whatever order the pixels were computed in. An animated GIF or WebP stays
// animated in a format that animates (GIF, WebP); otherwise, and for a multi-page TIFF or PDF,
// the first picture is written and the status' message says "first frame of N" or "first page
// of N". With a size limit in bytes the quality, and then the pixel size, are lowered until
// the file fits (an InvalidSettings when it cannot); status.encoded says what was written, and
// the message, after any of the above, what the limit needed ("quality 62 to fit 100 kB"). On
// any failure the file's content is of no use: the caller discards it. Safe to run for several
// images at once on different threads.
ResizeStatus render(const RenderRequest& request, int source, int output);

// JPEG quality on libjpeg's 1..100 scale for a compression factor of 0..1.
int jpegQuality(float factor);

struct PreviewResult
{
    QImage image; // at most boxPixels on its longer side
    QSize sourceSize; // the upright size of the source; empty when its header was not read
    int animationFrames = 1; // SourceInfo::animationFrames()
    // Why a source whose header was read has no preview (its data is damaged); empty
    // otherwise, also when probe() refuses it.
    QString error;
    SourceProblem problem = SourceProblem::None;
};
// Nothing is decoded from a source that probe() refuses. The preview is made only when the
// whole of the source's data decodes, as a render's output is: a source cut short or damaged
// has none, and says so.
PreviewResult decodePreview(
    const QString& path, int boxPixels, qint64 maxPixels = kDefaultMaxPixels);
// The same of a source opened by openSourceFile(path).
PreviewResult decodePreview(
    int source, const QString& path, int boxPixels, qint64 maxPixels = kDefaultMaxPixels);

// Ends the process with status when GLib fails to allocate memory (it would abort), so that a
// process that runs the decoders under a memory ceiling can say that the ceiling was reached.
void exitWhenAllocationFails(int status);

} // namespace ImageCodec
