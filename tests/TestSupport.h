#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "codec/ImageCodec.h"

class ImageEntry;
class QSettings;

// Helpers shared by the tests: real image files written into a temporary folder, and the
// system's own inspection tools (vipsheader, identify, exiftool) to read results back, so that
// a result is never checked only by the code that wrote it.
namespace TestSupport {

// Runs a program and returns its standard output; exitCode receives its exit status (-1 when
// it could not start).
QString run(const QString& program, const QStringList& args, int* exitCode = nullptr);

// A photo-like test picture: a smooth gradient with a few sharp shapes.
QImage pattern(int width, int height, bool alpha = false);

// Writes pattern(width, height) to path in the format of its extension; returns path.
QString writeImage(const QString& path, int width, int height, bool alpha = false);

// A JPEG of the given stored size with an EXIF orientation tag (via exiftool).
QString writeOrientedJpeg(const QString& path, int storedWidth, int storedHeight, int orientation);

struct Facts
{
    int width = 0;
    int height = 0;
    int bands = 0;
    double xResPpi = 0; // as vipsheader reports it, converted to pixels per inch
    QString identifyResolution; // identify's "%x %y %U"
};
// Reads a file back with vipsheader (size, bands, resolution) and identify.
Facts inspect(const QString& path);

// The average colour of a w x h patch at (x, y), read with libvips' command-line tools.
QColor averageColour(const QString& path, int x, int y, int w = 4, int h = 4);

} // namespace TestSupport

namespace TestSupport {
// Renders into a new file of the output path's folder and names it, the way an image entry
// does: what the codec's render and the no-replace writer give together.
ResizeStatus renderToFile(const ImageCodec::RenderRequest& request, const QString& outputPath,
    ExistingFile existing = ExistingFile::Fail);
// Preloads a decoder that misbehaves into the worker processes started from now on: a source
// whose file name holds "crashes-the-decoder" crashes it, "exhausts-memory" makes it allocate
// without end, "loops-for-ever" makes it compute without end.
void preloadMisbehavingDecoder();
// Whether the workers run under their memory ceiling (not in a sanitizer's build).
bool memoryCeilingApplies();
// The worker processes of this process that have a file whose path holds text open.
QList<qint64> workersWithFileOpen(const QString& text);
// Writes an image as a batch does (ImageEntry::render in a worker process started for it,
// then commit); false when nothing was written, with the reason in status.
bool writeResized(
    ImageEntry& image, const ResizeOptions& options, int number, ResizeStatus* status = nullptr);
} // namespace TestSupport

namespace TestSupport {
// A minimal ICC v2 matrix/TRC profile with the Adobe RGB (1998) primaries, so that a test can
// make a source whose numbers mean something else than sRGB.
QByteArray adobeRgbProfile();
// A grey display profile (gamma 2.2) whose description and copyright are the text given, made
// by a device of the maker "SAMM": what a calibration tool may put a person's name into.
QByteArray greyProfile(const QByteArray& description);
} // namespace TestSupport

namespace TestSupport {
// A settings store on a fresh file (an earlier one removed) that holds the given values, as a
// user's settings file would before a start.
std::unique_ptr<QSettings> freshSettings(const QString& file, const QVariantMap& stored = {});
} // namespace TestSupport

namespace TestSupport {
// A hostile user of a folder: from its own thread it replaces every hidden entry that appears
// there (the way temporary files are named) with a symbolic link to a victim file, for as
// long as it runs. Linux only (inotify); start() is false elsewhere.
class FolderSwapper
{
public:
    FolderSwapper(const QString& folder, const QString& victim);
    ~FolderSwapper();
    bool start();
    void stop();
    // How many entries it replaced.
    int swaps() const { return mSwaps.load(); }

private:
    void run(int watch);

    QByteArray mFolder;
    QByteArray mVictim;
    std::atomic<bool> mStop { false };
    std::atomic<int> mSwaps { 0 };
    std::thread mThread;
};
} // namespace TestSupport

namespace TestSupport {
// The names of the files in a folder, hidden ones included, sorted.
QStringList filesIn(const QString& folder);
// Writes a file with the given bytes, making its folder first; false when that failed.
bool writeFile(const QString& path, const QByteArray& content = {});
// An animated WebP of frames copies of a 1 x 1 picture on a canvas of side x side; returns
// path (empty when it could not be made).
QString writeWebpAnimation(const QString& path, int side, int frames);

// One frame of a GIF: its rectangle on the canvas, its pixels as indices of the palette (row
// by row, top to bottom), and how it is disposed of before the next one (GIF89a: 1 leaves it,
// 2 clears its rectangle to the background, 3 restores what was there before it).
struct GifFrame
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QList<int> pixels;
    int disposal = 1;
    int transparentIndex = -1; // none
    bool interlaced = false;
    int delay = 10; // hundredths of a second
};
// The bytes of an animated GIF of width x height with a global palette (at most 256 colours)
// and a loop extension, its frames' data coded plainly (the coder's table is cleared before
// its codes would grow).
QByteArray gifAnimation(
    int width, int height, const QList<QColor>& palette, const QList<GifFrame>& frames);

// What a settings file holds on disk now, key by key. Read through a copy: a second QSettings
// on the same path in this process would share the first one's unwritten values (and write
// them out on its way), so it could not tell what was stored from what is only in memory.
QVariantMap settingsOnDisk(const QString& file);
} // namespace TestSupport

namespace TestSupport {
// Whether this process runs as on a file system without unnamed files: with the environment
// variable OSTREL_TEST_NO_UNNAMED_FILES set, a filter installed before main() makes the kernel
// refuse O_TMPFILE with EOPNOTSUPP, as such file systems do, so that new files take the
// hidden-temporary path. CTest runs the tests of new files both ways.
bool unnamedFilesRefused();

// The files under folder that this process holds open, each once: the outputs being written
// there, named or not, whatever else looks at the folder.
QStringList filesOpenIn(const QString& folder);

// Points the application's data folder, where the batch log lives, into folder: the
// XDG_DATA_HOME that Qt reads on every call (with Qt's test mode off). Returns the log's path
// there; nothing is created.
QString setDataHome(const QString& folder);

// A named pipe in the place of a batch's log (its folder is created). A worker that writes a failed
// image's line into it waits in open() until the pipe has a reader, so a test holds the batch
// inside that image for as long as it needs: a stop, a quit or files handed over then land at a
// known image, with no sleep and no race. Whatever happens to the test, the destructor lets a
// waiting worker through and leaves the path to a plain file, so that nothing hangs on the pipe.
// Unix only.
class LogPipe
{
public:
    explicit LogPipe(const QString& path);
    ~LogPipe();
    LogPipe(const LogPipe&) = delete;
    LogPipe& operator=(const LogPipe&) = delete;

    bool isValid() const { return mValid; }
    QString path() const { return mPath; }

    // Lets the worker through.
    void open();
    // Lets the worker through from a thread of its own once condition() holds, for a test
    // whose main thread is about to wait for the worker itself (a quit joins it). After 30 s
    // it opens anyway, so that a stop that never comes fails the test instead of hanging it.
    // condition() runs on that thread.
    void openWhen(std::function<bool()> condition);
    // Whether the pipe opened because openWhen's condition held; waits for that thread.
    bool openedOnCondition();

    // Waits (up to a minute) until a whole line has arrived; returns all read so far.
    QString waitForLine();
    // All the worker wrote; call once it has ended.
    QString readAll();

private:
    void readAvailable();

    QString mPath;
    bool mValid = false;
    std::mutex mMutex; // guards mFd: the opener thread and the test's thread both open
    int mFd = -1;
    std::thread mOpener;
    std::atomic<bool> mConditionMet { false };
    std::atomic<bool> mClosing { false };
    QByteArray mText;
};
// The desktop as a test sees it: an xdg-open of the test's own, first on PATH, which notes each
// path it is asked to open, or finds no program for it (exit status 3) while hasViewer is
// off; no file manager answers on D-Bus. Sets the process's environment: make one before the
// code under test first looks for either.
class StandInDesktop
{
public:
    explicit StandInDesktop(const QString& folder);
    void setHasViewer(bool hasViewer);
    // The paths opened so far, in order; clear() forgets them.
    QStringList opened() const;
    void clear();

private:
    QString mFolder;
};

} // namespace TestSupport
