#include "TestSupport.h"

#include "batch/BatchLog.h"
#include "core/ImageEntry.h"
#include "core/PendingOutput.h"
#include "worker/WorkerProcess.h"

#include <array>
#include <chrono>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__linux__)
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/prctl.h>
#include <sys/syscall.h>

#include <cstddef>
#endif

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>

namespace {

#if defined(__linux__) && defined(O_TMPFILE) && (defined(__x86_64__) || defined(__aarch64__))
// openat() with O_TMPFILE answers EOPNOTSUPP; every other call goes through. The flag bit
// that tells O_TMPFILE from O_DIRECTORY lies in the low word of the flags argument.
bool installUnnamedFileFilter()
{
#if defined(__x86_64__)
    constexpr quint32 kArchitecture = AUDIT_ARCH_X86_64;
#else
    constexpr quint32 kArchitecture = AUDIT_ARCH_AARCH64;
#endif
    constexpr quint32 kTemporaryBit = O_TMPFILE & ~O_DIRECTORY;
    sock_filter code[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kArchitecture, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, kTemporaryBit, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (EOPNOTSUPP & SECCOMP_RET_DATA)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program { static_cast<unsigned short>(std::size(code)), code };
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0
        && ::syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_TSYNC, &program)
        == 0;
}
#else
bool installUnnamedFileFilter()
{
    return false;
}
#endif

// Decided once, before main() and so before any thread of the test.
const bool gUnnamedFilesRefused
    = qEnvironmentVariableIsSet("OSTREL_TEST_NO_UNNAMED_FILES") && installUnnamedFileFilter();

} // namespace

namespace TestSupport {

bool unnamedFilesRefused()
{
    if (qEnvironmentVariableIsSet("OSTREL_TEST_NO_UNNAMED_FILES") && !gUnnamedFilesRefused)
        qFatal("OSTREL_TEST_NO_UNNAMED_FILES is set but the filter could not be installed");
    return gUnnamedFilesRefused;
}

QStringList filesOpenIn(const QString& folder)
{
    const QString prefix = QDir(folder).canonicalPath() + QLatin1Char('/');
    QStringList files;
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QString& entry :
        descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = QFile::symLinkTarget(descriptors.filePath(entry));
        if (target.startsWith(prefix) && !files.contains(target))
            files << target;
    }
    files.sort();
    return files;
}

QString run(const QString& program, const QStringList& args, int* exitCode)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted(10000)) {
        if (exitCode)
            *exitCode = -1;
        return {};
    }
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput());
}

QImage pattern(int width, int height, bool alpha)
{
    QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(alpha ? Qt::transparent : Qt::white);
    QPainter p(&image);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, QColor(30, 90, 160));
    g.setColorAt(1, QColor(230, 180, 60));
    if (alpha) {
        // Opaque subject in the middle, transparent border.
        p.fillRect(QRect(width / 4, height / 4, width / 2, height / 2), g);
    } else {
        p.fillRect(image.rect(), g);
    }
    p.setPen(QPen(Qt::black, std::max(1, width / 200)));
    p.drawLine(width / 4, height / 4, 3 * width / 4, 3 * height / 4);
    p.end();
    return image;
}

QString writeImage(const QString& path, int width, int height, bool alpha)
{
    const QImage image = pattern(width, height, alpha);
    if (!image.save(path, nullptr, 95))
        qWarning("could not write test image %s", qPrintable(path));
    return path;
}

QString writeOrientedJpeg(const QString& path, int storedWidth, int storedHeight, int orientation)
{
    writeImage(path, storedWidth, storedHeight);
    int code = 0;
    run(QStringLiteral("exiftool"),
        { QStringLiteral("-q"), QStringLiteral("-overwrite_original"), QStringLiteral("-n"),
            QStringLiteral("-Orientation=%1").arg(orientation), path },
        &code);
    if (code != 0)
        qWarning("exiftool failed on %s", qPrintable(path));
    return path;
}

Facts inspect(const QString& path)
{
    Facts facts;
    const QString header = run(
        QStringLiteral("vipsheader"), { QStringLiteral("-f"), QStringLiteral("width"), path });
    facts.width = header.trimmed().toInt();
    facts.height = run(
        QStringLiteral("vipsheader"), { QStringLiteral("-f"), QStringLiteral("height"), path })
                       .trimmed()
                       .toInt();
    facts.bands
        = run(QStringLiteral("vipsheader"), { QStringLiteral("-f"), QStringLiteral("bands"), path })
              .trimmed()
              .toInt();
    facts.xResPpi
        = run(QStringLiteral("vipsheader"), { QStringLiteral("-f"), QStringLiteral("xres"), path })
              .trimmed()
              .toDouble()
        * 25.4;
    facts.identifyResolution = run(QStringLiteral("identify"),
        { QStringLiteral("-format"), QStringLiteral("%x %y %U"), path + QStringLiteral("[0]") })
                                   .trimmed();
    return facts;
}

QColor averageColour(const QString& path, int x, int y, int w, int h)
{
    // vips getpoint on a cropped, averaged region would need several calls; ImageMagick gives
    // the mean of a region in one.
    const QString out = run(QStringLiteral("convert"),
        { path + QStringLiteral("[0]"), QStringLiteral("-alpha"), QStringLiteral("off"),
            QStringLiteral("-crop"), QStringLiteral("%1x%2+%3+%4").arg(w).arg(h).arg(x).arg(y),
            QStringLiteral("+repage"), QStringLiteral("-resize"), QStringLiteral("1x1!"),
            QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("txt:-") });
    // Last line looks like: "0,0: (255,255,255)  #FFFFFF  white"
    const QStringList lines = out.trimmed().split(QLatin1Char('\n'));
    const QString last = lines.isEmpty() ? QString() : lines.last();
    const qsizetype open = last.indexOf(QLatin1Char('('));
    const qsizetype close = last.indexOf(QLatin1Char(')'), open);
    if (open < 0 || close < 0)
        return {};
    const QStringList parts = last.mid(open + 1, close - open - 1).split(QLatin1Char(','));
    if (parts.size() < 3)
        return {};
    return QColor(
        qRound(parts[0].toDouble()), qRound(parts[1].toDouble()), qRound(parts[2].toDouble()));
}

} // namespace TestSupport

namespace TestSupport {

namespace {
void put32(QByteArray& b, int at, quint32 v)
{
    b[at] = char(v >> 24);
    b[at + 1] = char(v >> 16);
    b[at + 2] = char(v >> 8);
    b[at + 3] = char(v);
}
QByteArray xyzTag(double x, double y, double z)
{
    QByteArray t(20, '\0');
    t.replace(0, 4, "XYZ ");
    auto s15 = [](double v) { return quint32(qint32(qRound(v * 65536.0))); };
    put32(t, 8, s15(x));
    put32(t, 12, s15(y));
    put32(t, 16, s15(z));
    return t;
}
} // namespace

namespace {
// A profile's description in the version 2 form: ASCII, with empty Unicode and ScriptCode.
QByteArray descriptionTag(const QByteArray& text)
{
    QByteArray desc(4 + 4 + 4 + text.size() + 1 + 4 + 4 + 2 + 1 + 67, '\0');
    desc.replace(0, 4, "desc");
    put32(desc, 8, quint32(text.size() + 1));
    desc.replace(12, text.size(), text);
    return desc;
}

// A version 2.1 display profile of the colour space given ("RGB ", "GRAY") with these tags.
QByteArray assembleProfile(const char* space, const QList<QPair<QByteArray, QByteArray>>& tags)
{
    QByteArray profile(128, '\0');
    QByteArray table(4 + 12 * tags.size(), '\0');
    put32(table, 0, quint32(tags.size()));
    QByteArray data;
    int offset = 128 + table.size();
    for (int i = 0; i < tags.size(); ++i) {
        QByteArray body = tags[i].second;
        while (body.size() % 4)
            body.append('\0');
        table.replace(4 + 12 * i, 4, tags[i].first);
        put32(table, 8 + 12 * i, quint32(offset + data.size()));
        put32(table, 12 + 12 * i, quint32(tags[i].second.size()));
        data.append(body);
    }
    profile.append(table);
    profile.append(data);
    put32(profile, 0, quint32(profile.size()));
    profile.replace(8, 4, QByteArray("\x02\x10\x00\x00", 4)); // version 2.1
    profile.replace(12, 4, "mntr");
    profile.replace(16, 4, space);
    profile.replace(20, 4, "XYZ ");
    profile.replace(36, 4, "acsp");
    // Rendering intent 0; illuminant D50.
    QByteArray d50 = xyzTag(0.9642, 1.0, 0.8249).mid(8);
    profile.replace(68, 12, d50);
    return profile;
}

// A tone curve of gamma 563/256 = 2.19921875.
QByteArray gammaCurve()
{
    QByteArray curve(14, '\0');
    curve.replace(0, 4, "curv");
    put32(curve, 8, 1);
    curve[12] = char(0x02);
    curve[13] = char(0x33);
    return curve;
}
} // namespace

QByteArray adobeRgbProfile()
{
    const QByteArray curve = gammaCurve();
    return assembleProfile("RGB ",
        { { "desc", descriptionTag("Adobe RGB") }, { "cprt", QByteArray("text\0\0\0\0none\0", 13) },
            { "wtpt", xyzTag(0.9642, 1.0, 0.8249) }, { "rXYZ", xyzTag(0.6097, 0.3111, 0.0195) },
            { "gXYZ", xyzTag(0.2053, 0.6257, 0.0609) }, { "bXYZ", xyzTag(0.1492, 0.0632, 0.7446) },
            { "rTRC", curve }, { "gTRC", curve }, { "bTRC", curve } });
}

QByteArray greyProfile(const QByteArray& description)
{
    QByteArray profile = assembleProfile("GRAY",
        { { "desc", descriptionTag(description) },
            { "cprt", QByteArray("text\0\0\0\0", 8) + description + '\0' },
            { "wtpt", xyzTag(0.9642, 1.0, 0.8249) }, { "kTRC", gammaCurve() } });
    profile.replace(48, 4, "SAMM"); // the device's maker
    return profile;
}

} // namespace TestSupport

namespace TestSupport {

std::unique_ptr<QSettings> freshSettings(const QString& file, const QVariantMap& stored)
{
    QFile::remove(file);
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        settings->setValue(it.key(), it.value());
    settings->sync();
    return settings;
}

} // namespace TestSupport

namespace TestSupport {

FolderSwapper::FolderSwapper(const QString& folder, const QString& victim)
    : mFolder(QFile::encodeName(folder))
    , mVictim(QFile::encodeName(victim))
{
}

FolderSwapper::~FolderSwapper()
{
    stop();
}

bool FolderSwapper::start()
{
#if defined(__linux__)
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch < 0)
        return false;
    if (::inotify_add_watch(watch, mFolder.constData(), IN_CREATE | IN_MOVED_TO) < 0) {
        ::close(watch);
        return false;
    }
    mThread = std::thread([this, watch] { run(watch); });
    return true;
#else
    return false;
#endif
}

void FolderSwapper::stop()
{
    mStop.store(true);
    if (mThread.joinable())
        mThread.join();
}

void FolderSwapper::run(int watch)
{
#if defined(__linux__)
    alignas(inotify_event) char buffer[16384];
    int serial = 0;
    while (!mStop.load()) {
        pollfd ready { watch, POLLIN, 0 };
        // The timeout only lets the loop see stop(); every event is handled as it comes.
        if (::poll(&ready, 1, 20) <= 0)
            continue;
        const ssize_t length = ::read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->len == 0)
                continue;
            const QByteArray name(event->name);
            if (!name.startsWith('.') || name.startsWith(".swap-"))
                continue;
            const QByteArray link = mFolder + "/.swap-" + QByteArray::number(++serial);
            if (::symlink(mVictim.constData(), link.constData()) != 0)
                continue;
            if (::rename(link.constData(), (mFolder + '/' + name).constData()) == 0)
                ++mSwaps;
            else
                ::unlink(link.constData());
        }
    }
    ::close(watch);
#else
    Q_UNUSED(watch);
#endif
}

} // namespace TestSupport

namespace TestSupport {

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool writeFile(const QString& path, const QByteArray& content)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(content) == content.size();
}

QVariantMap settingsOnDisk(const QString& file)
{
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    // A new name for every read: QSettings keeps what it parsed per path, and would take a
    // copy of the same size and time for the one it read before.
    QTemporaryFile copy(QDir::temp().filePath(QStringLiteral("settings-XXXXXX.conf")));
    if (!copy.open() || copy.write(source.readAll()) != source.size() || !copy.flush())
        return {};
    const QSettings settings(copy.fileName(), QSettings::IniFormat);
    QVariantMap values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

QString setDataHome(const QString& folder)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
    return BatchLog::logFilePath();
}

LogPipe::LogPipe(const QString& path)
    : mPath(path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    mValid = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

LogPipe::~LogPipe()
{
    mClosing.store(true);
    if (mOpener.joinable())
        mOpener.join();
    // A worker still waiting goes on; one that comes later finds no pipe and makes a file.
    open();
    QFile::remove(mPath);
    std::lock_guard lock(mMutex);
    if (mFd >= 0)
        ::close(mFd);
}

void LogPipe::open()
{
    std::lock_guard lock(mMutex);
    if (mFd < 0)
        mFd = ::open(QFile::encodeName(mPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

void LogPipe::openWhen(std::function<bool()> condition)
{
    mOpener = std::thread([this, condition = std::move(condition)] {
        // Nothing announces the condition: it is polled until it holds.
        const QDeadlineTimer deadline(30000);
        bool met = false;
        while (!(met = condition()) && !mClosing.load() && !deadline.hasExpired())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        mConditionMet.store(met);
        open();
    });
}

bool LogPipe::openedOnCondition()
{
    if (mOpener.joinable())
        mOpener.join();
    return mConditionMet.load();
}

void LogPipe::readAvailable()
{
    open();
    std::lock_guard lock(mMutex);
    char buffer[4096];
    ssize_t n = 0;
    while (mFd >= 0 && (n = ::read(mFd, buffer, sizeof buffer)) > 0)
        mText.append(buffer, n);
}

QString LogPipe::waitForLine()
{
    const bool arrived = QTest::qWaitFor(
        [this] {
            readAvailable();
            return mText.endsWith('\n');
        },
        60000);
    if (!arrived)
        qWarning("nothing arrived in the log pipe %s", qPrintable(mPath));
    return QString::fromUtf8(mText);
}

QString LogPipe::readAll()
{
    readAvailable();
    return QString::fromUtf8(mText);
}

} // namespace TestSupport

namespace TestSupport {

namespace {

// A frame's indices in LZW data sub-blocks, with codes of one width: 9 bits, a clear code
// whenever the decoder's table would otherwise make them 10 bits wide.
QByteArray gifImageData(const QList<int>& indices)
{
    constexpr int kMinimumCodeSize = 8;
    constexpr int kClear = 1 << kMinimumCodeSize;
    constexpr int kEnd = kClear + 1;
    constexpr int kWidth = kMinimumCodeSize + 1;
    QList<int> codes { kClear };
    int sinceClear = 0;
    for (const int index : indices) {
        codes << index;
        if (++sinceClear == (1 << kWidth) - (kClear + 2) - 1) {
            codes << kClear;
            sinceClear = 0;
        }
    }
    codes << kEnd;
    QByteArray packed;
    quint32 bits = 0;
    int pending = 0;
    for (const int code : codes) {
        bits |= quint32(code) << pending;
        pending += kWidth;
        for (; pending >= 8; pending -= 8, bits >>= 8)
            packed += char(bits & 0xff);
    }
    if (pending > 0)
        packed += char(bits & 0xff);
    QByteArray data(1, char(kMinimumCodeSize));
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        data += char(block.size()) + block;
    }
    return data + '\0';
}

QByteArray littleEndian16(int value)
{
    return QByteArray(1, char(value & 0xff)) + char((value >> 8) & 0xff);
}

} // namespace

QByteArray gifAnimation(
    int width, int height, const QList<QColor>& palette, const QList<GifFrame>& frames)
{
    QByteArray gif = "GIF89a" + littleEndian16(width) + littleEndian16(height);
    gif += QByteArray("\xf7\0\0", 3); // a global table of 256 colours
    for (int i = 0; i < 256; ++i) {
        const QColor colour = palette.value(i, Qt::black);
        gif += char(colour.red());
        gif += char(colour.green());
        gif += char(colour.blue());
    }
    gif += QByteArray("!\xff\x0bNETSCAPE2.0\x03\x01\0\0\0", 19); // loop for ever
    for (const GifFrame& frame : frames) {
        const bool transparent = frame.transparentIndex >= 0;
        gif += QByteArray("!\xf9\x04", 3) + char((frame.disposal << 2) | (transparent ? 1 : 0))
            + littleEndian16(frame.delay) + char(transparent ? frame.transparentIndex : 0) + '\0';
        gif += ',' + littleEndian16(frame.left) + littleEndian16(frame.top)
            + littleEndian16(frame.width) + littleEndian16(frame.height)
            + char(frame.interlaced ? 0x40 : 0);
        QList<int> rows;
        for (int pass = 0, start = 0, step = 1; pass < (frame.interlaced ? 4 : 1); ++pass) {
            if (frame.interlaced) {
                start = std::array { 0, 4, 2, 1 }[size_t(pass)];
                step = std::array { 8, 8, 4, 2 }[size_t(pass)];
            }
            for (int row = start; row < frame.height; row += step)
                rows << frame.pixels.mid(qsizetype(row) * frame.width, frame.width);
        }
        gif += gifImageData(rows);
    }
    return gif + ';';
}

QString writeWebpAnimation(const QString& path, int side, int frames)
{
    // One lossless 1 x 1 picture from libvips; its VP8L data is every frame's.
    const QString pixel = path + QStringLiteral(".pixel.webp");
    run(QStringLiteral("vips"),
        { QStringLiteral("webpsave"), writeImage(path + QStringLiteral(".pixel.png"), 1, 1), pixel,
            QStringLiteral("--lossless") });
    QFile pixelFile(pixel);
    const QByteArray oneByOne
        = pixelFile.open(QIODevice::ReadOnly) ? pixelFile.readAll() : QByteArray();
    QFile::remove(pixel);
    QFile::remove(path + QStringLiteral(".pixel.png"));
    const qsizetype at = oneByOne.indexOf("VP8L");
    if (at < 0 || at + 8 > oneByOne.size())
        return QString();
    const auto littleEndian = [](quint32 value, int bytes) {
        QByteArray out;
        for (int i = 0; i < bytes; ++i)
            out += char((value >> (8 * i)) & 0xff);
        return out;
    };
    const auto chunk = [&](const char* type, const QByteArray& data) {
        return QByteArray(type, 4) + littleEndian(quint32(data.size()), 4) + data
            + (data.size() % 2 ? QByteArray(1, '\0') : QByteArray());
    };
    const QByteArray picture
        = oneByOne.mid(at + 8, qFromLittleEndian<quint32>(oneByOne.constData() + at + 4));
    const QByteArray frame = chunk("ANMF",
        littleEndian(0, 3) + littleEndian(0, 3) + littleEndian(0, 3) + littleEndian(0, 3)
            + littleEndian(100, 3) + '\0' + chunk("VP8L", picture));
    // Animated, with alpha (the picture has it).
    QByteArray body = "WEBP"
        + chunk("VP8X",
            QByteArray("\x12\0\0\0", 4) + littleEndian(side - 1, 3) + littleEndian(side - 1, 3))
        + chunk("ANIM", QByteArray(6, '\0'));
    for (int i = 0; i < frames; ++i)
        body += frame;
    return writeFile(path, "RIFF" + littleEndian(quint32(body.size()), 4) + body) ? path
                                                                                  : QString();
}

} // namespace TestSupport

namespace TestSupport {

ResizeStatus renderToFile(
    const ImageCodec::RenderRequest& request, const QString& outputPath, ExistingFile existing)
{
    QString openError;
    const FileDescriptor source = ImageCodec::openSourceFile(request.sourcePath, &openError);
    if (!source.isOpen())
        return { ResizeError::DecodeFailed, openError };
    PendingOutput output;
    ResizeStatus status = output.create(outputPath, QString(), existing);
    if (!status.ok())
        return status;
    const ResizeStatus rendered = ImageCodec::render(request, source.get(), output.descriptor());
    if (!rendered.ok())
        return rendered;
    status = output.commit();
    if (status.ok()) {
        status.message = rendered.message;
        status.encoded = rendered.encoded;
    }
    return status;
}

void preloadMisbehavingDecoder()
{
    qputenv("LD_PRELOAD", OSTREL_MISBEHAVING_DECODER);
    // A sanitizer's run-time library wants to come first; here it need not.
    qputenv("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":verify_asan_link_order=0");
}

bool memoryCeilingApplies()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return false;
#else
    return true;
#endif
}

QList<qint64> workersWithFileOpen(const QString& text)
{
    QList<qint64> found;
    const QString self = QString::number(::getpid());
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 2 || fields.at(1) != self.toLatin1())
            continue;
        const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QFileInfo& descriptor :
            descriptors.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            if (descriptor.symLinkTarget().contains(text)) {
                found << pid.toLongLong();
                break;
            }
        }
    }
    return found;
}

bool writeResized(ImageEntry& image, const ResizeOptions& options, int number, ResizeStatus* status)
{
    // A worker of its own, so that it runs with this process's limits as they are now.
    WorkerProcess worker;
    ImageEntry::Rendered rendered = image.render(options, number, worker);
    const ResizeStatus result = ImageEntry::commit(rendered);
    if (status)
        *status = result;
    return result.ok();
}

} // namespace TestSupport

TestSupport::StandInDesktop::StandInDesktop(const QString& folder)
    : mFolder(folder)
{
    QDir().mkpath(folder);
    const QString program = QDir(folder).filePath(QStringLiteral("xdg-open"));
    writeFile(program,
        "#!/bin/sh\n"
        "dir=$(dirname \"$0\")\n"
        "[ -e \"$dir/no-viewer\" ] && exit 3\n"
        "printf '%s\\n' \"$1\" >> \"$dir/opened\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(folder) + ':' + qgetenv("PATH"));
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
}

void TestSupport::StandInDesktop::setHasViewer(bool hasViewer)
{
    const QString marker = QDir(mFolder).filePath(QStringLiteral("no-viewer"));
    if (hasViewer)
        QFile::remove(marker);
    else
        writeFile(marker);
}

QStringList TestSupport::StandInDesktop::opened() const
{
    QFile file(QDir(mFolder).filePath(QStringLiteral("opened")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestSupport::StandInDesktop::clear()
{
    QFile::remove(QDir(mFolder).filePath(QStringLiteral("opened")));
}
