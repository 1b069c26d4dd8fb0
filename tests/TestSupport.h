#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <atomic>
#include <memory>
#include <thread>

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
// A minimal ICC v2 matrix/TRC profile with the Adobe RGB (1998) primaries, so that a test can
// make a source whose numbers mean something else than sRGB.
QByteArray adobeRgbProfile();
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
