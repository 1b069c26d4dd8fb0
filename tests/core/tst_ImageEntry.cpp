#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "TestSupport.h"
#include "codec/ContainerFixup.h"
#include "codec/ImageCodec.h"
#include "core/NoReplaceFile.h"
#include "core/ImageEntry.h"
#include "core/ResizeRules.h"
#include "model/OutputFormat.h"
#include "settings/Settings.h"

using TestSupport::inspect;
using TestSupport::writeImage;

// One image in, one file out: each case writes real files and reads the result back with the
// system's own tools.
class TestImageEntry : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mTmp;
    QString mIn; // sources
    QString mOut; // output folder, emptied before every test
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<Settings> mPref;

    QString in(const QString& name) const { return mIn + QLatin1Char('/') + name; }
    QString out(const QString& name) const { return mOut + QLatin1Char('/') + name; }
    QStringList outputFiles() const
    {
        return QDir(mOut).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    // Pixel size, free scaling, into mOut.
    void pixels(float w, float h, OutputFormat format = OutputFormat::Jpeg, float res = 72.0f)
    {
        mPref->setValue(Setting::proportional, false);
        mPref->setValue(Setting::longShortSides, false);
        mPref->setValue(Setting::unit, SizeUnit::Pixels);
        mPref->setValue(Setting::width, w);
        mPref->setValue(Setting::height, h);
        mPref->setValue(Setting::outputFormat, format);
        mPref->setValue(Setting::resolution, res);
    }

    // The largest difference of any sample of two pictures of one size, by libvips' own tools.
    double largestDifference(const QString& a, const QString& b) const
    {
        const QString difference = in(QStringLiteral("difference.v"));
        TestSupport::run(QStringLiteral("vips"), { QStringLiteral("subtract"), a, b, difference });
        const QString absolute = in(QStringLiteral("absolute.v"));
        TestSupport::run(QStringLiteral("vips"), { QStringLiteral("abs"), difference, absolute });
        bool ok = false;
        const double largest
            = TestSupport::run(QStringLiteral("vips"), { QStringLiteral("max"), absolute })
                  .trimmed()
                  .toDouble(&ok);
        return ok ? largest : -1.0;
    }

    bool writeResized(ImageEntry& image, ResizeStatus* status = nullptr, bool bg = false,
        const QColor& colour = Qt::white)
    {
        ResizeOptions options = mPref->resizeOptions();
        options.flatten = bg;
        options.background = colour;
        return TestSupport::writeResized(image, options, 1, status);
    }

    // The sources of metadataModes, made once.
    void makeMetadataSources()
    {
        const QString camera = in(QStringLiteral("camera.jpg"));
        if (QFile::exists(camera))
            return;
        const auto exiftool = [](const QStringList& arguments) {
            int code = -1;
            TestSupport::run(QStringLiteral("exiftool"),
                QStringList { QStringLiteral("-q"), QStringLiteral("-overwrite_original") }
                    + arguments,
                &code);
            return code == 0;
        };
        // Grey, stored 300 x 200 with orientation 6: 200 x 300 upright, like the others.
        const QString grey = in(QStringLiteral("grey.v"));
        TestSupport::run(QStringLiteral("vips"),
            { QStringLiteral("colourspace"), writeImage(in(QStringLiteral("rgb.png")), 300, 200),
                grey, QStringLiteral("b-w") });
        TestSupport::run(QStringLiteral("vips"), { QStringLiteral("copy"), grey, camera });
        const QString thumbnail = writeImage(in(QStringLiteral("thumbnail.jpg")), 60, 40);
        const QString profile = in(QStringLiteral("named.icc"));
        QFile file(profile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(TestSupport::greyProfile("Sam Person, 1 Main St"));
        file.close();
        QVERIFY(exiftool({ QStringLiteral("-Make=Cam"),
            QStringLiteral("-DateTimeOriginal=2024:05:01 10:00:00"),
            QStringLiteral("-ExposureTime=1/250"), QStringLiteral("-LensModel=Lens 50"),
            QStringLiteral("-Copyright=(c) Sam"), QStringLiteral("-Artist=Sam Artist"),
            QStringLiteral("-OwnerName=Sam Owner"), QStringLiteral("-SerialNumber=BODY123"),
            QStringLiteral("-LensSerialNumber=LENS456"), QStringLiteral("-GPSLatitude=45.5"),
            QStringLiteral("-GPSLatitudeRef=N"), QStringLiteral("-XPAuthor=Sam XP"),
            QStringLiteral("-ImageDescription=Home of Sam"),
            QStringLiteral("-UserComment=Sam's comment"),
            QStringLiteral("-XPComment=Sam's XP comment"),
            QStringLiteral("-ImageUniqueID=ABCDEF0123"),
            QStringLiteral("-XMP-dc:Creator=Sam Creator"),
            QStringLiteral("-XMP-tiff:Orientation#=6"), QStringLiteral("-IPTC:By-line=Sam Byline"),
            QStringLiteral("-Orientation#=6"), QStringLiteral("-ThumbnailImage<=") + thumbnail,
            QStringLiteral("-ICC_Profile<=") + profile, camera }));

        const QString text = writeImage(in(QStringLiteral("text.png")), 100, 150);
        QVERIFY(exiftool({ QStringLiteral("-PNG:Comment=Sam's comment"),
            QStringLiteral("-PNG:Author=Sam Author"), QStringLiteral("-PNG:Copyright=(c) Sam"),
            text }));
        // Compressed text (zTXt) as well as plain.
        QVERIFY(exiftool(
            { QStringLiteral("-z"), QStringLiteral("-PNG:Description=Home of Sam"), text }));

        const QString scan = writeImage(in(QStringLiteral("scan.tif")), 100, 150);
        QVERIFY(exiftool({ QStringLiteral("-IFD0:ImageDescription=Home of Sam"),
            QStringLiteral("-Photoshop:URL=http://sam.example/"), scan }));
    }

    // A 16-bit PNG of width x 64 pixels whose grey runs from first to last, evenly.
    QString writeDeepRamp(const QString& name, int width, int first, int last)
    {
        QImage ramp(width, 64, QImage::Format_RGBX64);
        for (int x = 0; x < width; ++x) {
            const auto level = quint16(first + qint64(last - first) * x / (width - 1));
            for (int y = 0; y < ramp.height(); ++y)
                ramp.setPixelColor(x, y, QColor::fromRgba64(level, level, level));
        }
        const QString path = in(name);
        if (!ramp.save(path))
            return QString();
        return path;
    }

    // The picture of any file libvips reads, through a PNG of its own depth.
    QImage readBack(const QString& file)
    {
        const QString png = in(QStringLiteral("read-back.png"));
        QFile::remove(png);
        int code = -1;
        TestSupport::run(QStringLiteral("vips"), { QStringLiteral("copy"), file, png }, &code);
        return code == 0 ? QImage(png) : QImage();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(ImageCodec::initialise("tst_ImageEntry"));
        std::signal(SIGXFSZ, SIG_IGN);
        mIn = mTmp.filePath(QStringLiteral("in"));
        QVERIFY(QDir().mkpath(mIn));
        mSettings = std::make_unique<QSettings>(
            mTmp.filePath(QStringLiteral("s.conf")), QSettings::IniFormat);
    }

    void init()
    {
        mOut = mTmp.filePath(QStringLiteral("out"));
        QDir(mOut).removeRecursively();
        QVERIFY(QDir().mkpath(mOut));
        mSettings->clear();
        mPref = std::make_unique<Settings>(mSettings.get());
        mPref->setValue(Setting::outputFolder, mOut);
    }

    void entryBasics()
    {
        ImageEntry photo(QStringLiteral("/pictures/trip/photo.JPG"));
        QCOMPARE(photo.name(), QStringLiteral("photo.JPG"));
        QCOMPARE(photo.path(), QStringLiteral("/pictures/trip/photo.JPG"));
        QCOMPARE(photo.pixelSize().width, 0.0f);
        QCOMPARE(photo.pixelSize().height, 0.0f);
        QCOMPARE(photo.initialFileSize(), 0); // no such file
        photo.setPath(QStringLiteral("/elsewhere/other.png"));
        QCOMPARE(photo.path(), QStringLiteral("/elsewhere/other.png"));
        QCOMPARE(photo.name(), QStringLiteral("photo.JPG"));
    }

    void fileSizes()
    {
        const QString target = in(QStringLiteral("sized.bin"));
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(12345, 'x'));
        }
        const QString link = in(QStringLiteral("link.png"));
        QVERIFY(QFile::link(target, link));
        ImageEntry viaLink(link);
        QCOMPARE(viaLink.initialFileSize(), 12345); // the target, not the link

        // Past 2 GiB the size is still right (a sparse file takes no disk).
        const QString big = in(QStringLiteral("big.tif"));
        {
            QFile f(big);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(Q_INT64_C(3) * 1024 * 1024 * 1024));
        }
        QCOMPARE(ImageEntry(big).fileSize(), Q_INT64_C(3221225472));

        // A resource fork kept as an extended attribute counts too.
        const QByteArray fork(100, 'r');
        if (::setxattr(QFile::encodeName(target).constData(), "user.com.apple.ResourceFork",
                fork.constData(), fork.size(), 0)
            != 0)
            QSKIP("this file system keeps no user extended attributes");
        QCOMPARE(ImageEntry(target).fileSize(), 12345 + 100);
    }

    void outputNames()
    {
        writeImage(in(QStringLiteral("holiday.photo.PNG")), 60, 40);
        ImageEntry holiday(in(QStringLiteral("holiday.photo.PNG")));
        pixels(30, 20);
        QVERIFY(writeResized(holiday));
        QVERIFY(QFile::exists(out(QStringLiteral("holiday.photo.jpg"))));

        mPref->setValue(Setting::naming, OutputNaming::CustomName);
        mPref->setValue(Setting::baseName, QStringLiteral("Img"));
        mPref->setValue(Setting::outputFormat, OutputFormat::Tiff);
        QVERIFY(TestSupport::writeResized(holiday, mPref->resizeOptions(), 7));
        QVERIFY(QFile::exists(out(QStringLiteral("Img0007.tif"))));
        QCOMPARE(outputFiles().size(), 2); // no temporary file left beside them
    }

    // Nothing that exists is ever replaced, and nothing is decoded to find that out.
    void neverOverwrites()
    {
        writeImage(in(QStringLiteral("a.png")), 60, 40);
        writeImage(in(QStringLiteral("a.tif")), 80, 40);
        pixels(30, 20, OutputFormat::Png);

        ImageEntry first(in(QStringLiteral("a.png")));
        ImageEntry second(in(QStringLiteral("a.tif")));
        QVERIFY(writeResized(first));
        const QByteArray written = [&] {
            QFile f(out(QStringLiteral("a.png")));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        ResizeStatus status;
        QVERIFY(!writeResized(second, &status));
        QCOMPARE(status.error, ResizeError::OutputExists);
        QCOMPARE(second.pixelSize().width, 0.0f); // stopped before measuring
        QFile again(out(QStringLiteral("a.png")));
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), written);

        // The same entry a second time finds its own output.
        QVERIFY(!writeResized(first, &status));
        QCOMPARE(status.error, ResizeError::OutputExists);
        QCOMPARE(first.pixelSize().width, 60.0f); // kept from the first call

        // A source that lies in the output folder is never its own output.
        const QString inside = writeImage(out(QStringLiteral("self.jpg")), 60, 40);
        const qint64 before = QFileInfo(inside).size();
        ImageEntry self(inside);
        pixels(30, 20, OutputFormat::Jpeg);
        QVERIFY(!writeResized(self, &status));
        QCOMPARE(status.error, ResizeError::OutputExists);
        QCOMPARE(QFileInfo(inside).size(), before);

        // A dangling link at the output path is not followed.
        QVERIFY(QFile::link(
            mTmp.filePath(QStringLiteral("nowhere.png")), out(QStringLiteral("dangling.png"))));
        writeImage(in(QStringLiteral("dangling.bmp")), 20, 20);
        ImageEntry dangling(in(QStringLiteral("dangling.bmp")));
        pixels(10, 10, OutputFormat::Png);
        QVERIFY(!writeResized(dangling, &status));
        QVERIFY(!QFile::exists(mTmp.filePath(QStringLiteral("nowhere.png"))));
    }

    void missingAndBadSources()
    {
        pixels(30, 20);
        ResizeStatus status;

        const QString gone = writeImage(in(QStringLiteral("gone.png")), 60, 40);
        ImageEntry deleted(gone);
        QVERIFY(QFile::remove(gone));
        QVERIFY(!writeResized(deleted, &status));
        QCOMPARE(status.error, ResizeError::SourceMissing);

        const QString text = in(QStringLiteral("notes.jpg"));
        {
            QFile f(text);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("this is not a picture\n");
        }
        ImageEntry notImage(text);
        QVERIFY(!writeResized(notImage, &status));
        QCOMPARE(status.error, ResizeError::DecodeFailed);

        // Half a JPEG must not become a half-grey picture called a success.
        const QString whole = writeImage(in(QStringLiteral("whole.jpg")), 1200, 900);
        QFile source(whole);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();
        const QString cut = in(QStringLiteral("cut.jpg"));
        QFile truncated(cut);
        QVERIFY(truncated.open(QIODevice::WriteOnly));
        truncated.write(bytes.left(bytes.size() / 2));
        truncated.close();
        ImageEntry half(cut);
        pixels(600, 450, OutputFormat::Png);
        QVERIFY(!writeResized(half, &status));
        QCOMPARE(status.error, ResizeError::DecodeFailed);
        QVERIFY(outputFiles().isEmpty());
    }

    void impossibleSettingsWriteNothing()
    {
        writeImage(in(QStringLiteral("s.png")), 60, 40);
        ImageEntry image(in(QStringLiteral("s.png")));
        ResizeStatus status;

        mPref->setValue(Setting::proportional, true);
        mPref->setValue(Setting::givenSide, GivenSide(4)); // neither side given
        QVERIFY(!writeResized(image, &status));
        QCOMPARE(status.error, ResizeError::InvalidSettings);

        pixels(4, 3);
        mPref->setValue(Setting::unit, SizeUnit::Inches);
        mPref->setValue(Setting::resolution, 0.0f);
        QVERIFY(!writeResized(image, &status));
        QCOMPARE(status.error, ResizeError::InvalidSettings);

        pixels(4, 3);
        mPref->setValue(Setting::resolution, 0.0f); // pixels, but no resolution to state
        QVERIFY(!writeResized(image, &status));

        pixels(4, 3);
        mPref->setValue(Setting::outputFormat, OutputFormat(11));
        QVERIFY(!writeResized(image, &status));
        QCOMPARE(status.error, ResizeError::InvalidSettings);

        pixels(4, 3);
        mPref->setValue(
            Setting::naming, OutputNaming(5)); // no file name: the output path is the folder itself
        QVERIFY(!writeResized(image, &status));
        QCOMPARE(status.error, ResizeError::OutputExists);
        QVERIFY(outputFiles().isEmpty());
    }

    // Every format reads back at the asked size, stating the resolution where it can.
    void formats_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("identifyRes");
        QTest::newRow("jpeg") << 1 << "photo.jpg"
                              << "300 300 PixelsPerInch";
        QTest::newRow("png") << 2 << "photo.png"
                             << "";
        QTest::newRow("gif") << 3 << "photo.gif"
                             << "";
        QTest::newRow("bmp") << 4 << "photo.bmp"
                             << "";
        QTest::newRow("tiff") << 5 << "photo.tif"
                              << "300 300 PixelsPerInch";
    }

    void formats()
    {
        QFETCH(int, format);
        QFETCH(QString, file);
        QFETCH(QString, identifyRes);
        if (!QFile::exists(in(QStringLiteral("photo.png"))))
            writeImage(in(QStringLiteral("photo.png")), 1200, 900);
        ImageEntry image(in(QStringLiteral("photo.png")));
        pixels(800, 600, OutputFormat(format), 300.0f);
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        QCOMPARE(image.pixelSize().width, 1200.0f);
        QCOMPARE(image.pixelSize().height, 900.0f);

        const TestSupport::Facts facts = inspect(out(file));
        QCOMPARE(facts.width, 800);
        QCOMPARE(facts.height, 600);
        const QString identified = TestSupport::run(QStringLiteral("identify"),
            { QStringLiteral("-format"), QStringLiteral("%w %h"), out(file) });
        QCOMPARE(identified.trimmed(), QStringLiteral("800 600"));
        if (!identifyRes.isEmpty()) {
            QCOMPARE(facts.identifyResolution, identifyRes);
            const QString exif = TestSupport::run(QStringLiteral("exiftool"),
                { QStringLiteral("-s3"), QStringLiteral("-XResolution"),
                    QStringLiteral("-YResolution"), QStringLiteral("-ResolutionUnit"), out(file) });
            QCOMPARE(exif.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                QStringList({ "300", "300", "inches" }));
        } else if (format == int(OutputFormat::Png) || format == int(OutputFormat::Bmp)) {
            // Stored per metre: 11811 dots per metre is 299.9994 per inch.
            QVERIFY2(qAbs(facts.xResPpi - 300.0) < 0.3, qPrintable(QString::number(facts.xResPpi)));
        }
        QCOMPARE(outputFiles(), QStringList { file });
    }

    // The web's formats read back at the asked size with their transparency, in the codec
    // their name promises, stating the resolution where the format can (in its EXIF block);
    // WebP and JPEG XL are lossless at 100 % and lossy below.
    void modernFormats_data()
    {
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("codec"); // vipsheader's heif-compression
        QTest::addColumn<bool>("statesResolution");
        QTest::addColumn<bool>("hasLossless");
        QTest::newRow("webp") << OutputFormat::WebP << "cut.webp"
                              << "" << true << true;
        QTest::newRow("avif") << OutputFormat::Avif << "cut.avif"
                              << "av1" << true << false;
        QTest::newRow("heic") << OutputFormat::Heic << "cut.heic"
                              << "hevc" << true << false;
        QTest::newRow("jxl") << OutputFormat::JpegXl << "cut.jxl"
                             << "" << false << true;
    }

    void modernFormats()
    {
        QFETCH(OutputFormat, format);
        QFETCH(QString, file);
        QFETCH(QString, codec);
        QFETCH(bool, statesResolution);
        QFETCH(bool, hasLossless);
        const QString extension = QFileInfo(file).suffix();
        writeImage(in(QStringLiteral("cut.png")), 300, 200, true);
        ImageEntry cut(in(QStringLiteral("cut.png")));
        pixels(240, 160, format, 300.0f);
        ResizeStatus status;
        QVERIFY2(writeResized(cut, &status), qPrintable(status.message));
        const TestSupport::Facts facts = inspect(out(file));
        QCOMPARE(facts.width, 240);
        QCOMPARE(facts.height, 160);
        QCOMPARE(facts.bands, 4);
        if (!codec.isEmpty()) {
            const QString written = TestSupport::run(QStringLiteral("vipsheader"),
                { QStringLiteral("-f"), QStringLiteral("heif-compression"), out(file) });
            QCOMPARE(written.trimmed(), codec);
        }
        const QString resolution = TestSupport::run(QStringLiteral("exiftool"),
            { QStringLiteral("-s3"), QStringLiteral("-XResolution"),
                QStringLiteral("-ResolutionUnit"), out(file) });
        QCOMPARE(resolution.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            statesResolution ? QStringList({ "300", "inches" }) : QStringList());

        // Lossless: the same pixels as a PNG of the same render where the format has it (an
        // opaque photo: lossless WebP need not keep the colour under transparent pixels).
        writeImage(in(QStringLiteral("photo.png")), 300, 200);
        ImageEntry photo(in(QStringLiteral("photo.png")));
        pixels(240, 160, OutputFormat::Png);
        QVERIFY(writeResized(photo));
        pixels(240, 160, format);
        mPref->setValue(Setting::lossless, true);
        QVERIFY(writeResized(photo));
        const QString written = out(QStringLiteral("photo.") + extension);
        const double full = largestDifference(out(QStringLiteral("photo.png")), written);
        QVERIFY2(hasLossless ? full == 0.0 : full > 0.0, qPrintable(QString::number(full)));

        // Lossy every one of them is, and smaller.
        const qint64 fullSize = QFileInfo(written).size();
        QVERIFY(QFile::remove(written));
        mPref->setValue(Setting::lossless, false);
        mPref->setValue(Setting::quality, 0.6f);
        QVERIFY(writeResized(photo));
        QVERIFY(largestDifference(out(QStringLiteral("photo.png")), written) > 0.0);
        QVERIFY2(QFileInfo(written).size() < fullSize, qPrintable(written));
    }

    void jpegQualityMapping()
    {
        QCOMPARE(ImageCodec::jpegQuality(1.0f), 100);
        QCOMPARE(ImageCodec::jpegQuality(0.5f), 50);
        QCOMPARE(ImageCodec::jpegQuality(0.856f), 86);
        QCOMPARE(ImageCodec::jpegQuality(0.0f), 1);

        writeImage(in(QStringLiteral("q.png")), 400, 300);
        ImageEntry image(in(QStringLiteral("q.png")));
        pixels(200, 150);
        mPref->setValue(Setting::quality, 0.5f);
        QVERIFY(writeResized(image));
        const QString q = TestSupport::run(QStringLiteral("identify"),
            { QStringLiteral("-format"), QStringLiteral("%Q"), out(QStringLiteral("q.jpg")) });
        QCOMPARE(q.trimmed(), QStringLiteral("50"));
    }

    void sizesFromSettings()
    {
        writeImage(in(QStringLiteral("land.png")), 400, 300);
        writeImage(in(QStringLiteral("port.png")), 300, 400);
        ImageEntry land(in(QStringLiteral("land.png")));
        ImageEntry port(in(QStringLiteral("port.png")));

        // Long side 80 on a portrait source.
        mPref->setValue(Setting::proportional, true);
        mPref->setValue(Setting::givenSide, GivenSide::First);
        mPref->setValue(Setting::longShortSides, true);
        mPref->setValue(Setting::width, 80);
        mPref->setValue(Setting::outputFormat, OutputFormat::Png);
        QVERIFY(writeResized(port));
        QCOMPARE(inspect(out(QStringLiteral("port.png"))).width, 60);
        QCOMPARE(inspect(out(QStringLiteral("port.png"))).height, 80);

        // 50 and 25 percent, free: each field applies to its own side; upscaling works too.
        pixels(50, 250, OutputFormat::Gif);
        mPref->setValue(Setting::unit, SizeUnit::Percent);
        QVERIFY(writeResized(land));
        QCOMPARE(inspect(out(QStringLiteral("land.gif"))).width, 200);
        QCOMPARE(inspect(out(QStringLiteral("land.gif"))).height, 750);
    }

    // With the background on, the pixel size stays the file's own whatever resolution it states.
    void flattenAtPixelSize()
    {
        QImage picture = TestSupport::pattern(300, 200, true);
        picture.setDotsPerMeterX(11811); // 300 ppi
        picture.setDotsPerMeterY(11811);
        QVERIFY(picture.save(in(QStringLiteral("dense.png"))));
        ImageEntry image(in(QStringLiteral("dense.png")));
        pixels(50, 0, OutputFormat::Png);
        mPref->setValue(Setting::unit, SizeUnit::Percent);
        QVERIFY(writeResized(image, nullptr, true, QColor(255, 0, 0)));
        QCOMPARE(image.pixelSize().width, 300.0f);
        QCOMPARE(image.pixelSize().height, 200.0f);
        const auto facts = inspect(out(QStringLiteral("dense.png")));
        QCOMPARE(facts.width, 150);
        QCOMPARE(facts.height, 100);
        QCOMPARE(facts.bands, 3); // flattened: no alpha left
        const QColor corner = TestSupport::averageColour(out(QStringLiteral("dense.png")), 0, 0);
        QCOMPARE(corner, QColor(255, 0, 0));
    }

    // An animation stays one in GIF and WebP, every frame resized and its timing kept; into
    // another format its first frame is written and the status says so. A multi-page TIFF
    // gives its first page, said the same way.
    void animationsAndPages_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QString>("note");
        QTest::newRow("GIF to GIF") << "anim.gif" << OutputFormat::Gif << 3 << "";
        QTest::newRow("GIF to WebP") << "anim.gif" << OutputFormat::WebP << 3 << "";
        QTest::newRow("WebP to GIF") << "anim.webp" << OutputFormat::Gif << 3 << "";
        QTest::newRow("WebP to WebP") << "anim.webp" << OutputFormat::WebP << 3 << "";
        QTest::newRow("GIF to PNG") << "anim.gif" << OutputFormat::Png << 1 << "first frame of 3";
        QTest::newRow("WebP to JPEG")
            << "anim.webp" << OutputFormat::Jpeg << 1 << "first frame of 3";
        QTest::newRow("TIFF pages to TIFF")
            << "pages.tif" << OutputFormat::Tiff << 1 << "first page of 3";
    }

    void animationsAndPages()
    {
        QFETCH(QString, source);
        QFETCH(OutputFormat, format);
        QFETCH(int, frames);
        QFETCH(QString, note);
        if (!QFile::exists(in(QStringLiteral("anim.webp")))) {
            // Three 200 x 150 frames: 0.2 s, 0.2 s, 0.5 s; red, green, blue.
            int code = -1;
            TestSupport::run(QStringLiteral("convert"),
                { QStringLiteral("-delay"), QStringLiteral("20"), QStringLiteral("-size"),
                    QStringLiteral("200x150"), QStringLiteral("xc:red"), QStringLiteral("xc:lime"),
                    QStringLiteral("-delay"), QStringLiteral("50"), QStringLiteral("xc:blue"),
                    QStringLiteral("-loop"), QStringLiteral("0"), in(QStringLiteral("anim.gif")) },
                &code);
            QCOMPARE(code, 0);
            TestSupport::run(QStringLiteral("vips"),
                { QStringLiteral("copy"), in(QStringLiteral("anim.gif[n=-1]")),
                    in(QStringLiteral("anim.webp")) },
                &code);
            QCOMPARE(code, 0);
            TestSupport::run(QStringLiteral("convert"),
                { in(QStringLiteral("anim.gif")), in(QStringLiteral("pages.tif")) }, &code);
            QCOMPARE(code, 0);
        }
        ImageEntry image(in(source));
        pixels(100, 60, format);
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        QCOMPARE(status.message, note);
        QCOMPARE(image.pixelSize().width, 200.0f);
        QCOMPARE(image.pixelSize().height, 150.0f);

        const QString output = out(QFileInfo(source).completeBaseName() + QLatin1Char('.')
            + OutputFormats::find(format)->extension);
        const auto header = [&output](const char* field, const char* options = "") {
            return TestSupport::run(QStringLiteral("vipsheader"),
                { QStringLiteral("-f"), QLatin1String(field), output + QLatin1String(options) })
                .trimmed();
        };
        QCOMPARE(header("width"), QStringLiteral("100"));
        QCOMPARE(header("height"), QStringLiteral("60"));
        if (frames > 1) {
            QCOMPARE(header("n-pages"), QString::number(frames));
            QCOMPARE(header("height", "[n=-1]"), QString::number(60 * frames));
            QCOMPARE(header("delay"), QStringLiteral("200 200 500"));
            // The last frame is blue.
            const QStringList last = TestSupport::run(QStringLiteral("vips"),
                { QStringLiteral("getpoint"), output + QStringLiteral("[page=2]"),
                    QStringLiteral("40"), QStringLiteral("20") })
                                         .split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QVERIFY2(last.size() >= 3 && last[0].toDouble() < 50 && last[2].toDouble() > 200,
                qPrintable(last.join(QLatin1Char(' '))));
        } else {
            // The first frame, red.
            QVERIFY(TestSupport::averageColour(output, 40, 20).red() > 200);
        }
    }

    // An animated GIF's frames are written as viewers show them: each drawn over what the
    // frames before left, after the previous frame's disposal (kept, cleared to transparent,
    // or restored to what was under it), clipped to the canvas, interlaced rows in their
    // places. A 20 x 20 canvas: a red frame that fills it, then a blue one, then a 4 x 4
    // green one in the corner; counted in every frame written, as GIF and as WebP.
    void gifFramesAsViewersShowThem_data()
    {
        QTest::addColumn<int>("redDisposal");
        QTest::addColumn<int>("blueDisposal");
        QTest::addColumn<QRect>("blueFrame"); // rows above its middle blue, below green
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<QList<int>>("transparent"); // pixels, frame by frame
        QTest::addColumn<QList<int>>("blue");
        const QRect middle(4, 4, 8, 8);
        for (const OutputFormat format : { OutputFormat::Gif, OutputFormat::WebP }) {
            const QByteArray name = OutputFormats::find(format)->extension;
            QTest::addRow("kept, %s", name.constData())
                << 1 << 1 << middle << false << QList { 0, 0, 0 } << QList { 0, 32, 32 };
            QTest::addRow("cleared to the background, %s", name.constData())
                << 2 << 2 << middle << false << QList { 0, 400 - 64, 400 - 16 }
                << QList { 0, 32, 0 };
            QTest::addRow("restored to the previous, %s", name.constData())
                << 1 << 3 << middle << false << QList { 0, 0, 0 } << QList { 0, 32, 0 };
            // 10 x 10 at (15, 15): only its top 5 rows, all blue, are on the canvas.
            QTest::addRow("interlaced, partly outside the canvas, %s", name.constData())
                << 1 << 2 << QRect(15, 15, 10, 10) << true << QList { 0, 0, 25 }
                << QList { 0, 25, 0 };
        }
    }

    void gifFramesAsViewersShowThem()
    {
        QFETCH(int, redDisposal);
        QFETCH(int, blueDisposal);
        QFETCH(QRect, blueFrame);
        QFETCH(bool, interlaced);
        QFETCH(QList<int>, transparent);
        QFETCH(QList<int>, blue);
        const OutputFormat format
            = QString::fromLatin1(QTest::currentDataTag()).endsWith(QLatin1String("webp"))
            ? OutputFormat::WebP
            : OutputFormat::Gif;
        enum
        {
            Red,
            Blue,
            Green
        };
        QList<int> bluePixels;
        for (int y = 0; y < blueFrame.height(); ++y)
            bluePixels += QList<int>(blueFrame.width(), y < blueFrame.height() / 2 ? Blue : Green);
        const QList<TestSupport::GifFrame> frames {
            { .width = 20, .height = 20, .pixels = QList<int>(400, Red), .disposal = redDisposal },
            { .left = blueFrame.x(),
                .top = blueFrame.y(),
                .width = blueFrame.width(),
                .height = blueFrame.height(),
                .pixels = bluePixels,
                .disposal = blueDisposal,
                .interlaced = interlaced },
            { .width = 4, .height = 4, .pixels = QList<int>(16, Green) },
        };
        const QString source = in(QStringLiteral("disposed.gif"));
        QVERIFY(TestSupport::writeFile(
            source, TestSupport::gifAnimation(20, 20, { Qt::red, Qt::blue, Qt::green }, frames)));

        ImageEntry image(source);
        pixels(20, 20, format);
        mPref->setValue(Setting::lossless, true); // WebP's colours counted exactly
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        const QString output
            = out(QStringLiteral("disposed.") + OutputFormats::find(format)->extension);

        // Read back by other decoders than libvips' GIF loader: ImageMagick composes the
        // GIF's frames, libwebp's demuxer the WebP's.
        int code = -1;
        if (format == OutputFormat::Gif) {
            TestSupport::run(QStringLiteral("convert"),
                { output, QStringLiteral("-coalesce"),
                    QStringLiteral("PNG32:") + out(QStringLiteral("frame-%d.png")) },
                &code);
            QCOMPARE(code, 0);
        }
        for (int frame = 0; frame < 3; ++frame) {
            const QString png = out(QStringLiteral("frame-%1.png").arg(frame));
            if (format == OutputFormat::WebP) {
                TestSupport::run(QStringLiteral("vips"),
                    { QStringLiteral("copy"), output + QStringLiteral("[page=%1]").arg(frame),
                        png },
                    &code);
                QCOMPARE(code, 0);
            }
            const QImage written = QImage(png).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(written.size(), QSize(20, 20));
            int clear = 0;
            int blues = 0;
            for (int y = 0; y < 20; ++y) {
                for (int x = 0; x < 20; ++x) {
                    const QRgb pixel = written.pixel(x, y);
                    clear += qAlpha(pixel) == 0;
                    blues += qAlpha(pixel) == 255 && pixel == qRgb(0, 0, 255);
                }
            }
            QCOMPARE(clear, transparent.at(frame));
            QCOMPARE(blues, blue.at(frame));
        }
    }

    // A fine pattern of black and white halved is the grey of half the light in linear light
    // (188), and 128 resampled on the sRGB curve, as most programs do: 8-bit sources go
    // through libvips' thumbnail, 16-bit ones kept 16-bit through a resample of their own.
    void linearLight_data()
    {
        QTest::addColumn<bool>("deep");
        QTest::addColumn<bool>("linear");
        QTest::addColumn<int>("grey");
        QTest::newRow("8-bit, sRGB curve") << false << false << 128;
        QTest::newRow("8-bit, linear light") << false << true << 188;
        QTest::newRow("16-bit, sRGB curve") << true << false << 128;
        QTest::newRow("16-bit, linear light") << true << true << 188;
    }

    void linearLight()
    {
        QFETCH(bool, deep);
        QFETCH(bool, linear);
        QFETCH(int, grey);
        QImage checks(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x)
                checks.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
        QString source = in(QStringLiteral("checks.png"));
        QVERIFY(checks.save(source));
        if (deep) {
            const QString deepSource = in(QStringLiteral("checks16.png"));
            int code = -1;
            TestSupport::run(QStringLiteral("vips"),
                { QStringLiteral("colourspace"), source, deepSource, QStringLiteral("rgb16") },
                &code);
            QCOMPARE(code, 0);
            source = deepSource;
        }
        ImageEntry image(source);
        pixels(32, 32, OutputFormat::Png);
        mPref->setValue(Setting::linearLight, linear);
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        const QString output = out(QFileInfo(source).completeBaseName() + QStringLiteral(".png"));
        QCOMPARE(inspect(output).bands, 3);
        const QColor mean = TestSupport::averageColour(output, 8, 8, 16, 16);
        QVERIFY2(
            qAbs(mean.red() - grey) <= 2 && qAbs(mean.blue() - grey) <= 2, qPrintable(mean.name()));
    }

    // 16-bit sources stay 16-bit in PNG, TIFF and JPEG XL, and above 8 bits in HEIC
    // (8-bit elsewhere; 8-bit sources stay 8-bit everywhere); greyscale stays one
    // channel, plus alpha where the format has it, in JPEG, PNG, TIFF and JPEG XL. WebP has no
    // grey mode: its three channels stay equal.
    void depthAndChannels_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<int>("bands");
        QTest::addColumn<QString>("sample");
        QTest::newRow("16-bit to PNG") << "deep.png" << OutputFormat::Png << 3 << "ushort";
        QTest::newRow("16-bit to TIFF") << "deep.png" << OutputFormat::Tiff << 3 << "ushort";
        QTest::newRow("16-bit to JPEG") << "deep.png" << OutputFormat::Jpeg << 3 << "uchar";
        QTest::newRow("16-bit alpha to PNG") << "deepcut.png" << OutputFormat::Png << 4 << "ushort";
        QTest::newRow("16-bit alpha to WebP")
            << "deepcut.png" << OutputFormat::WebP << 4 << "uchar";
        QTest::newRow("grey 16-bit to TIFF") << "grey16.png" << OutputFormat::Tiff << 1 << "ushort";
        QTest::newRow("16-bit to AVIF") << "deep.png" << OutputFormat::Avif << 3 << "uchar";
        QTest::newRow("16-bit to HEIC") << "deep.png" << OutputFormat::Heic << 3 << "ushort";
        QTest::newRow("16-bit to JPEG XL") << "deep.png" << OutputFormat::JpegXl << 3 << "ushort";
        QTest::newRow("8-bit to AVIF") << "rgb.png" << OutputFormat::Avif << 3 << "uchar";
        QTest::newRow("8-bit to HEIC") << "rgb.png" << OutputFormat::Heic << 3 << "uchar";
        QTest::newRow("grey to JPEG") << "grey.png" << OutputFormat::Jpeg << 1 << "uchar";
        QTest::newRow("grey to PNG") << "grey.png" << OutputFormat::Png << 1 << "uchar";
        QTest::newRow("grey to TIFF") << "grey.png" << OutputFormat::Tiff << 1 << "uchar";
        QTest::newRow("grey to JPEG XL") << "grey.png" << OutputFormat::JpegXl << 1 << "uchar";
        QTest::newRow("grey to WebP") << "grey.png" << OutputFormat::WebP << 3 << "uchar";
        QTest::newRow("grey alpha to PNG") << "greycut.png" << OutputFormat::Png << 2 << "uchar";
        QTest::newRow("grey alpha to JPEG") << "greycut.png" << OutputFormat::Jpeg << 1 << "uchar";
    }

    void depthAndChannels()
    {
        QFETCH(QString, source);
        QFETCH(OutputFormat, format);
        QFETCH(int, bands);
        QFETCH(QString, sample);
        if (!QFile::exists(in(QStringLiteral("greycut.png")))) {
            const auto vips = [](const QStringList& arguments) {
                int code = -1;
                TestSupport::run(QStringLiteral("vips"), arguments, &code);
                return code == 0;
            };
            const QString rgb = writeImage(in(QStringLiteral("rgb.png")), 300, 200);
            const QString rgba = writeImage(in(QStringLiteral("rgba.png")), 300, 200, true);
            QVERIFY(vips({ "colourspace", rgb, in(QStringLiteral("grey.png")), "b-w" }));
            QVERIFY(vips({ "colourspace", rgba, in(QStringLiteral("greycut.png")), "b-w" }));
            QVERIFY(vips({ "colourspace", rgb, in(QStringLiteral("deep.png")), "rgb16" }));
            QVERIFY(vips({ "colourspace", rgba, in(QStringLiteral("deepcut.png")), "rgb16" }));
            QVERIFY(vips({ "colourspace", rgb, in(QStringLiteral("grey16.png")), "grey16" }));
        }
        // vipsheader names the sample format as libvips' enum: VIPS_FORMAT_USHORT.
        const auto sampleOf = [](const QString& file) {
            return TestSupport::run(QStringLiteral("vipsheader"),
                { QStringLiteral("-f"), QStringLiteral("format"), file })
                .section(QStringLiteral("VIPS_FORMAT_"), 1)
                .section(QLatin1Char(')'), 0, 0)
                .toLower();
        };
        QCOMPARE(sampleOf(in(QStringLiteral("deep.png"))), QStringLiteral("ushort"));
        ImageEntry image(in(source));
        pixels(150, 100, format);
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        const QString output = out(QFileInfo(source).completeBaseName() + QLatin1Char('.')
            + OutputFormats::find(format)->extension);
        const TestSupport::Facts facts = inspect(output);
        QCOMPARE(facts.width, 150);
        QCOMPARE(facts.bands, bands);
        QCOMPARE(sampleOf(output), sample);
        // The same picture as its 8-bit colour original, within what the encoders change, as
        // libvips reads it (ImageMagick reads no JPEG XL, and HEIF without its colour box).
        const QString readable = in(QStringLiteral("read-back.png"));
        QVERIFY(!readBack(output).isNull());
        const QColor written = TestSupport::averageColour(readable, 60, 40, 8, 8);
        const QColor original
            = TestSupport::averageColour(in(QStringLiteral("rgb.png")), 120, 80, 16, 16);
        if (source.startsWith(QLatin1String("grey"))) {
            QVERIFY2(qAbs(written.red() - written.green()) <= 2
                    && qAbs(written.green() - written.blue()) <= 2,
                qPrintable(written.name()));
        } else {
            QVERIFY2(qAbs(written.red() - original.red()) <= 6
                    && qAbs(written.blue() - original.blue()) <= 6,
                qPrintable(written.name() + QLatin1Char(' ') + original.name()));
        }
    }

    // A gradient of 1024 levels keeps them where the format holds more than 8 bits (where it
    // holds 8, 256 of them at most).
    void deepGradientsKeepTheirLevels_data()
    {
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<int>("fewestLevels");
        QTest::newRow("HEIC") << OutputFormat::Heic << 900;
        QTest::newRow("JPEG XL") << OutputFormat::JpegXl << 1000;
    }

    void deepGradientsKeepTheirLevels()
    {
        QFETCH(OutputFormat, format);
        QFETCH(int, fewestLevels);
        const QString source = writeDeepRamp(QStringLiteral("ramp.png"), 1024, 0, 65535);
        QVERIFY(!source.isEmpty());
        ImageEntry image(source);
        pixels(1024, 64, format);
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        const QImage written
            = readBack(out(QStringLiteral("ramp.") + OutputFormats::find(format)->extension));
        QCOMPARE(written.width(), 1024);
        QSet<quint16> levels;
        for (int x = 0; x < written.width(); ++x)
            levels.insert(written.pixelColor(x, 32).rgba64().green());
        QVERIFY2(levels.size() >= fewestLevels, qPrintable(QString::number(levels.size())));
    }

    // An 8-bit output of a 16-bit source is dithered: in a slow gradient (a level every 64
    // pixels) the mean of each 8 x 8 block is the source's to a small fraction of a level,
    // where cutting to 8 bits would be off by half a level on average, and rounding by up to
    // half a level wherever the gradient is between two levels. Lossless where the format has
    // it, at 100 % elsewhere, so that the encoder keeps block means.
    void deepGradientsDoNotBand_data()
    {
        QTest::addColumn<OutputFormat>("format");
        QTest::newRow("JPEG") << OutputFormat::Jpeg;
        QTest::newRow("WebP") << OutputFormat::WebP;
        QTest::newRow("AVIF") << OutputFormat::Avif;
        QTest::newRow("BMP") << OutputFormat::Bmp;
    }

    void deepGradientsDoNotBand()
    {
        QFETCH(OutputFormat, format);
        constexpr int kWidth = 256;
        constexpr int kFirst = 100 * 257;
        constexpr int kLast = kFirst + 4 * 257;
        const QString source = writeDeepRamp(QStringLiteral("slow.png"), kWidth, kFirst, kLast);
        QVERIFY(!source.isEmpty());
        ImageEntry image(source);
        pixels(kWidth, 64, format);
        mPref->setValue(Setting::quality, 1.0f);
        mPref->setValue(Setting::lossless, true); // where the format has it
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        const QImage written
            = readBack(out(QStringLiteral("slow.") + OutputFormats::find(format)->extension));
        QCOMPARE(written.size(), QSize(kWidth, 64));
        double furthest = 0.0;
        for (int left = 0; left < kWidth; left += 8) {
            for (int top = 0; top < 64; top += 8) {
                double got = 0.0;
                double wanted = 0.0;
                for (int x = left; x < left + 8; ++x) {
                    wanted += 8 * (kFirst + double(kLast - kFirst) * x / (kWidth - 1)) / 257.0;
                    for (int y = top; y < top + 8; ++y)
                        got += written.pixelColor(x, y).green();
                }
                furthest = std::max(furthest, std::abs(got - wanted) / 64.0);
            }
        }
        QVERIFY2(furthest < 0.15, qPrintable(QString::number(furthest)));
    }

    // Metadata is an allow-list: each source carries fields of every kind, and exiftool reads
    // what each format's output holds in each mode. A grey photo (its grey profile kept where
    // the format keeps grey) with EXIF, a thumbnail, XMP and IPTC; a PNG with text chunks; a
    // scanned TIFF with a description and a Photoshop block.
    void metadataModes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<MetadataMode>("mode");
        const std::pair<const char*, OutputFormat> formats[]
            = { { "jpeg", OutputFormat::Jpeg }, { "png", OutputFormat::Png },
                  { "webp", OutputFormat::WebP }, { "avif", OutputFormat::Avif },
                  { "heic", OutputFormat::Heic }, { "tiff", OutputFormat::Tiff } };
        const std::pair<const char*, MetadataMode> modes[] = { { "keep", MetadataMode::Keep },
            { "no personal", MetadataMode::WithoutPersonal }, { "none", MetadataMode::None } };
        for (const char* source : { "camera.jpg", "text.png", "scan.tif" }) {
            for (const auto& [modeName, mode] : modes) {
                for (const auto& [formatName, format] : formats)
                    QTest::addRow("%s, %s, %s", source, modeName, formatName)
                        << QString::fromLatin1(source) << format << mode;
            }
        }
    }

    void metadataModes()
    {
        QFETCH(QString, source);
        QFETCH(OutputFormat, format);
        QFETCH(MetadataMode, mode);
        makeMetadataSources();

        // Which modes keep a field, and which formats can carry it at all.
        enum class Kept
        {
            Never,
            Keep,
            WithoutPersonal
        };
        enum Carrier
        {
            Exif,
            Xmp,
            Iptc,
            PngText,
            TiffTags
        };
        struct Field
        {
            const char* tag; // as exiftool names it
            const char* value; // as exiftool -n prints it
            Kept kept;
            Carrier carrier;
        };
        const QMap<QString, QList<Field>> fields = {
            { "camera.jpg",
                { { "Make", "Cam", Kept::WithoutPersonal, Exif },
                    { "DateTimeOriginal", "2024:05:01 10:00:00", Kept::WithoutPersonal, Exif },
                    { "ExposureTime", "0.004", Kept::WithoutPersonal, Exif },
                    { "LensModel", "Lens 50", Kept::WithoutPersonal, Exif },
                    { "EXIF:Copyright", "(c) Sam", Kept::WithoutPersonal, Exif },
                    { "Artist", "Sam Artist", Kept::Keep, Exif },
                    { "OwnerName", "Sam Owner", Kept::Keep, Exif },
                    { "SerialNumber", "BODY123", Kept::Keep, Exif },
                    { "LensSerialNumber", "LENS456", Kept::Keep, Exif },
                    { "GPSLatitude", "45.5", Kept::Keep, Exif },
                    { "XPAuthor", "Sam XP", Kept::Keep, Exif },
                    { "EXIF:ImageDescription", "Home of Sam", Kept::Keep, Exif },
                    { "UserComment", "Sam's comment", Kept::Keep, Exif },
                    { "XPComment", "Sam's XP comment", Kept::Keep, Exif },
                    { "ImageUniqueID", "ABCDEF0123", Kept::Keep, Exif },
                    { "ThumbnailLength", "", Kept::Never, Exif },
                    { "XMP-dc:Creator", "Sam Creator", Kept::Keep, Xmp },
                    // The pixels are upright: XMP's own copy of the orientation says so too.
                    { "XMP-tiff:Orientation", "1", Kept::Keep, Xmp },
                    { "IPTC:By-line", "Sam Byline", Kept::Keep, Iptc } } },
            { "text.png",
                { { "PNG:Comment", "Sam's comment", Kept::Keep, PngText },
                    { "PNG:Description", "Home of Sam", Kept::Keep, PngText },
                    { "PNG:Author", "Sam Author", Kept::Keep, PngText },
                    { "PNG:Copyright", "(c) Sam", Kept::WithoutPersonal, PngText } } },
            { "scan.tif",
                { { "IFD0:ImageDescription", "Home of Sam", Kept::Keep, TiffTags },
                    { "Photoshop:URL", "http://sam.example/", Kept::Keep, TiffTags } } },
        };
        const auto carries = [format](Carrier carrier) {
            switch (carrier) {
            case Exif:
                return format != OutputFormat::Tiff;
            case Xmp:
                return true;
            case Iptc:
                return format == OutputFormat::Jpeg;
            case PngText:
                return format == OutputFormat::Png;
            case TiffTags:
                return format == OutputFormat::Tiff;
            }
            return false;
        };

        ImageEntry image(in(source));
        pixels(100, 150, format, 300.0f); // upright: stored 300 x 200 and turned, or 100 x 150
        mPref->setValue(Setting::metadata, mode);
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        const QString output = out(QFileInfo(source).completeBaseName() + QLatin1Char('.')
            + OutputFormats::find(format)->extension);
        QCOMPARE(inspect(output).width, 100);

        QStringList tags;
        QStringList expected;
        for (const Field& field : fields.value(source)) {
            tags << QString::fromLatin1(field.tag);
            const bool kept = field.kept == Kept::Keep
                ? mode == MetadataMode::Keep
                : field.kept == Kept::WithoutPersonal && mode != MetadataMode::None;
            expected << (kept && carries(field.carrier) ? field.value : "-");
        }
        // The profile keeps its colours in every mode, its text only when everything is kept;
        // formats that make grey colour are plain sRGB, with a compact profile under Keep and
        // none otherwise.
        tags << QStringLiteral("ProfileDescription");
        if (source != QLatin1String("camera.jpg"))
            expected << "-";
        else if (!OutputFormats::find(format)->keepsGrey)
            expected << (mode == MetadataMode::Keep ? "sRGB" : "-");
        else
            expected << (mode == MetadataMode::Keep ? "Sam Person, 1 Main St" : "Grey");
        // TIFF states the orientation in its own header; JPEG, WebP, AVIF and HEIC get an EXIF
        // block of libvips' own even with none (the orientation and the resolution); PNG's
        // resolution has a chunk of its own.
        tags << QStringLiteral("EXIF:Orientation");
        const bool sourceExif = source == QLatin1String("camera.jpg");
        const bool exifBlock = format == OutputFormat::Tiff
            || (carries(Exif)
                && !(format == OutputFormat::Png && (mode == MetadataMode::None || !sourceExif)));
        expected << (exifBlock ? "1" : "-");

        QStringList arguments
            = { QStringLiteral("-s3"), QStringLiteral("-f"), QStringLiteral("-n") };
        for (const QString& tag : std::as_const(tags))
            arguments << QLatin1Char('-') + tag;
        const QStringList found = TestSupport::run(QStringLiteral("exiftool"), arguments << output)
                                      .split(QLatin1Char('\n'));
        // A thumbnail's length is whatever it was: only its absence is compared exactly.
        QStringList compared = found.mid(0, tags.size());
        const qsizetype thumbnail = tags.indexOf(QStringLiteral("ThumbnailLength"));
        if (thumbnail >= 0 && compared.value(thumbnail) != QLatin1String("-"))
            compared[thumbnail] = QStringLiteral("(a thumbnail of the original)");
        QCOMPARE(compared, expected);
        const QString resolution = TestSupport::run(QStringLiteral("exiftool"),
            { QStringLiteral("-s3"), QStringLiteral("-XResolution"), output });
        if (format == OutputFormat::Png)
            QVERIFY(qAbs(inspect(output).xResPpi - 300.0) < 0.3);
        else
            QCOMPARE(resolution.trimmed(), QStringLiteral("300"));
    }

    // A photo tagged in another space is written in plain sRGB, which is what an untagged
    // file means everywhere: no profile, except where everything is kept, and there a compact
    // one instead of libvips' 6 kB. AVIF and HEIC say sRGB in their colour box instead.
    void plainSrgbCarriesACompactProfileOrNone_data()
    {
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<MetadataMode>("mode");
        const std::pair<const char*, OutputFormat> formats[]
            = { { "jpeg", OutputFormat::Jpeg }, { "png", OutputFormat::Png },
                  { "webp", OutputFormat::WebP }, { "tiff", OutputFormat::Tiff },
                  { "avif", OutputFormat::Avif }, { "heic", OutputFormat::Heic } };
        const std::pair<const char*, MetadataMode> modes[] = { { "keep", MetadataMode::Keep },
            { "no personal", MetadataMode::WithoutPersonal }, { "none", MetadataMode::None } };
        for (const auto& [modeName, mode] : modes) {
            for (const auto& [formatName, format] : formats)
                QTest::addRow("%s, %s", formatName, modeName) << format << mode;
        }
    }

    void plainSrgbCarriesACompactProfileOrNone()
    {
        QFETCH(OutputFormat, format);
        QFETCH(MetadataMode, mode);
        const QString source = in(QStringLiteral("tagged.jpg"));
        if (!QFile::exists(source)) {
            const QString icc = in(QStringLiteral("tagged.icc"));
            QFile file(icc);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(TestSupport::adobeRgbProfile());
            file.close();
            writeImage(source, 300, 200);
            int code = -1;
            TestSupport::run(QStringLiteral("exiftool"),
                { QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                    QStringLiteral("-ICC_Profile<=") + icc, source },
                &code);
            QCOMPARE(code, 0);
        }
        ImageEntry image(source);
        pixels(150, 100, format);
        mPref->setValue(Setting::metadata, mode);
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        const QString output
            = out(QStringLiteral("tagged.") + OutputFormats::find(format)->extension);

        QProcess exiftool;
        exiftool.start(QStringLiteral("exiftool"),
            { QStringLiteral("-b"), QStringLiteral("-ICC_Profile"), output });
        QVERIFY(exiftool.waitForFinished(60000));
        const QByteArray profile = exiftool.readAllStandardOutput();
        if (mode == MetadataMode::Keep) {
            QVERIFY2(profile.size() > 128 && profile.size() < 1000,
                qPrintable(QString::number(profile.size())));
            const QString described = TestSupport::run(QStringLiteral("exiftool"),
                { QStringLiteral("-s3"), QStringLiteral("-ProfileDescription"),
                    QStringLiteral("-ColorSpaceData"), output });
            QCOMPARE(described.split(QLatin1Char('\n')).mid(0, 2),
                QStringList({ QStringLiteral("sRGB"), QStringLiteral("RGB") }));
        } else {
            QCOMPARE(profile.size(), 0);
        }
        if (format == OutputFormat::Avif || format == OutputFormat::Heic) {
            // Primaries BT.709, transfer sRGB (13) and the BT.601 matrix libheif encodes with.
            const QString colour = TestSupport::run(QStringLiteral("exiftool"),
                { QStringLiteral("-s3"), QStringLiteral("-f"), QStringLiteral("-n"),
                    QStringLiteral("-ColorPrimaries"), QStringLiteral("-TransferCharacteristics"),
                    QStringLiteral("-MatrixCoefficients"), output });
            const QStringList expected = mode == MetadataMode::Keep
                ? QStringList { QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-") }
                : QStringList { QStringLiteral("1"), QStringLiteral("13"), QStringLiteral("6") };
            QCOMPARE(colour.split(QLatin1Char('\n')).mid(0, 3), expected);
        }
    }

    // EXIF data where each format's readers look for it, in the form they expect: exiftool
    // reads the camera back and finds nothing amiss. PNG's is one eXIf chunk before the image
    // data; WebP's holds the TIFF header without JPEG's "Exif" prefix; JPEG is the control.
    // A size limit makes the file in memory first: the same holds there.
    void exifIsWellFormed_data()
    {
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<int>("sizeLimit");
        QTest::addRow("jpeg") << OutputFormat::Jpeg << 0;
        QTest::addRow("png") << OutputFormat::Png << 0;
        QTest::addRow("webp") << OutputFormat::WebP << 0;
        QTest::addRow("png within a size limit") << OutputFormat::Png << 10'000'000;
        QTest::addRow("webp within a size limit") << OutputFormat::WebP << 10'000'000;
    }

    void exifIsWellFormed()
    {
        QFETCH(OutputFormat, format);
        QFETCH(int, sizeLimit);
        const QString source = in(QStringLiteral("model.jpg"));
        if (!QFile::exists(source)) {
            writeImage(source, 300, 200);
            int code = -1;
            TestSupport::run(QStringLiteral("exiftool"),
                { QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                    QStringLiteral("-Model=Model 7"), QStringLiteral("-Artist=Sam"), source },
                &code);
            QCOMPARE(code, 0);
        }
        ImageEntry image(source);
        pixels(150, 100, format);
        mPref->setValue(Setting::metadata, MetadataMode::Keep);
        mPref->setValue(Setting::maxFileSize, sizeLimit);
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        const QString output
            = out(QStringLiteral("model.") + OutputFormats::find(format)->extension);

        const QString read = TestSupport::run(QStringLiteral("exiftool"),
            { QStringLiteral("-s3"), QStringLiteral("-f"), QStringLiteral("-Warning"),
                QStringLiteral("-Model"), QStringLiteral("-Artist"), output });
        QCOMPARE(read.split(QLatin1Char('\n')).mid(0, 3),
            QStringList({ QStringLiteral("-"), QStringLiteral("Model 7"), QStringLiteral("Sam") }));
        if (format == OutputFormat::Png) {
            // The chunks in their order, as exiftool walks them.
            QStringList chunks;
            const QString walk
                = TestSupport::run(QStringLiteral("exiftool"), { QStringLiteral("-v1"), output });
            for (const QString& line : walk.split(QLatin1Char('\n'))) {
                if (line.startsWith(QLatin1String("PNG ")))
                    chunks << line.mid(4, 4);
            }
            QCOMPARE(chunks.count(QStringLiteral("eXIf")), 1);
            QVERIFY2(
                chunks.indexOf(QStringLiteral("eXIf")) < chunks.indexOf(QStringLiteral("IDAT")),
                qPrintable(chunks.join(u' ')));
        }
    }

    void transparencyIntoJpegIsWhite()
    {
        TestSupport::writeImage(in(QStringLiteral("cut.png")), 200, 100, true);
        ImageEntry image(in(QStringLiteral("cut.png")));
        pixels(100, 50, OutputFormat::Jpeg);
        QVERIFY(writeResized(image));
        const QColor corner = TestSupport::averageColour(out(QStringLiteral("cut.jpg")), 0, 0);
        QVERIFY2(corner.red() > 250 && corner.green() > 250 && corner.blue() > 250,
            qPrintable(corner.name()));

        // PNG keeps the transparency when the background is off.
        mPref->setValue(Setting::outputFormat, OutputFormat::Png);
        QVERIFY(writeResized(image));
        QCOMPARE(inspect(out(QStringLiteral("cut.png"))).bands, 4);
        // GIF keeps it too.
        mPref->setValue(Setting::outputFormat, OutputFormat::Gif);
        QVERIFY(writeResized(image));
        const QString opaque = TestSupport::run(QStringLiteral("identify"),
            { QStringLiteral("-format"), QStringLiteral("%[opaque]"),
                out(QStringLiteral("cut.gif")) });
        QCOMPARE(opaque.trimmed().toLower(), QStringLiteral("false"));
    }

    // A photo stored sideways comes out upright, with no tag left to turn it again.
    void orientation()
    {
        // Stored 600 x 400, tag 6: shown 90 degrees clockwise, 400 x 600.
        TestSupport::writeOrientedJpeg(in(QStringLiteral("side.jpg")), 600, 400, 6);
        ImageEntry image(in(QStringLiteral("side.jpg")));
        mPref->setValue(Setting::proportional, true);
        mPref->setValue(Setting::givenSide, GivenSide::First);
        mPref->setValue(Setting::longShortSides,
            true); // the long side is 300, which is the height when upright
        mPref->setValue(Setting::width, 300);
        mPref->setValue(Setting::outputFormat, OutputFormat::Jpeg);
        QVERIFY(writeResized(image));
        QCOMPARE(image.pixelSize().width, 400.0f);
        QCOMPARE(image.pixelSize().height, 600.0f);
        const QString file = out(QStringLiteral("side.jpg"));
        QCOMPARE(inspect(file).width, 200);
        QCOMPARE(inspect(file).height, 300);
        const QString tag = TestSupport::run(QStringLiteral("exiftool"),
            { QStringLiteral("-s3"), QStringLiteral("-n"), QStringLiteral("-Orientation"), file });
        QVERIFY2(tag.trimmed().isEmpty() || tag.trimmed() == QLatin1String("1"), qPrintable(tag));
        // The stored top-left (blue end of the gradient) is now the top-right corner.
        const QColor topRight = TestSupport::averageColour(file, 190, 2);
        const QColor topLeft = TestSupport::averageColour(file, 2, 2);
        QVERIFY2(topRight.blue() > topRight.red() + 60, qPrintable(topRight.name()));
        QVERIFY2(topLeft.blue() < topRight.blue(), qPrintable(topLeft.name()));
    }

    void coloursComeOutAsSrgb()
    {
        const QByteArray profile = TestSupport::adobeRgbProfile();
        const QString icc = in(QStringLiteral("adobe.icc"));
        {
            QFile f(icc);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(profile);
        }
        // A flat sRGB green, transformed into Adobe RGB numbers with the profile embedded.
        QImage green(64, 64, QImage::Format_RGB32);
        green.fill(QColor(40, 180, 60));
        QVERIFY(green.save(in(QStringLiteral("green.png"))));
        int code = 0;
        TestSupport::run(QStringLiteral("vips"),
            { QStringLiteral("icc_transform"), in(QStringLiteral("green.png")),
                in(QStringLiteral("adobe.jpg")) + QStringLiteral("[Q=98]"), icc,
                QStringLiteral("--input-profile"), QStringLiteral("srgb") },
            &code);
        QCOMPARE(code, 0);
        const QColor stored = TestSupport::averageColour(in(QStringLiteral("adobe.jpg")), 20, 20);
        QVERIFY2(qAbs(stored.red() - 40) > 15, qPrintable(stored.name())); // really other numbers

        // A CMYK JPEG with its profile, one as ImageMagick writes it (Adobe-style inverted, no
        // profile), a 16-bit TIFF, and grey.
        QImage red(64, 64, QImage::Format_RGB32);
        red.fill(QColor(220, 30, 30));
        QVERIFY(red.save(in(QStringLiteral("red.png"))));
        // Saturated red is outside what ink can print; a muted colour survives the round trip.
        QImage muted(64, 64, QImage::Format_RGB32);
        muted.fill(QColor(170, 110, 90));
        QVERIFY(muted.save(in(QStringLiteral("muted.png"))));
        TestSupport::run(QStringLiteral("vips"),
            { QStringLiteral("icc_transform"), in(QStringLiteral("muted.png")),
                in(QStringLiteral("cmyk.jpg")) + QStringLiteral("[Q=98]"), QStringLiteral("cmyk"),
                QStringLiteral("--input-profile"), QStringLiteral("srgb") },
            &code);
        QCOMPARE(code, 0);
        TestSupport::run(QStringLiteral("convert"),
            { in(QStringLiteral("red.png")), QStringLiteral("-colorspace"), QStringLiteral("CMYK"),
                in(QStringLiteral("adobecmyk.jpg")) },
            &code);
        QCOMPARE(code, 0);
        TestSupport::run(QStringLiteral("vips"),
            { QStringLiteral("colourspace"), in(QStringLiteral("red.png")),
                in(QStringLiteral("deep.tif")), QStringLiteral("rgb16") },
            &code);
        QCOMPARE(code, 0);
        QCOMPARE(
            TestSupport::run(QStringLiteral("vipsheader"),
                { QStringLiteral("-f"), QStringLiteral("format"), in(QStringLiteral("deep.tif")) })
                .trimmed(),
            QStringLiteral("((VipsBandFormat) VIPS_FORMAT_USHORT)"));
        TestSupport::run(QStringLiteral("convert"),
            { in(QStringLiteral("red.png")), QStringLiteral("-colorspace"), QStringLiteral("Gray"),
                in(QStringLiteral("grey.png")) },
            &code);
        QCOMPARE(code, 0);

        pixels(32, 32, OutputFormat::Png);
        struct Case
        {
            const char* source;
            const char* output;
            QColor expected;
        };
        const QColor greyOfRed = TestSupport::averageColour(in(QStringLiteral("grey.png")), 20, 20);
        const Case cases[] = {
            { "adobe.jpg", "adobe.png", QColor(40, 180, 60) },
            { "cmyk.jpg", "cmyk.png", QColor(170, 110, 90) },
            { "deep.tif", "deep.png", QColor(220, 30, 30) },
            { "grey.png", "grey.png", greyOfRed },
        };
        for (const Case& c : cases) {
            ImageEntry image(in(QLatin1String(c.source)));
            ResizeStatus status;
            QVERIFY2(writeResized(image, &status), qPrintable(status.message));
            const QColor got = TestSupport::averageColour(out(QLatin1String(c.output)), 10, 10);
            const int off = qAbs(got.red() - c.expected.red())
                + qAbs(got.green() - c.expected.green()) + qAbs(got.blue() - c.expected.blue());
            QVERIFY2(off <= 24,
                qPrintable(QStringLiteral("%1: %2 instead of %3")
                               .arg(QLatin1String(c.source), got.name(), c.expected.name())));
            // Greyscale stays one channel in PNG.
            QCOMPARE(inspect(out(QLatin1String(c.output))).bands,
                qstrcmp(c.source, "grey.png") == 0 ? 1 : 3);
        }
        // Without a profile the exact shade is anyone's guess, but red must stay red.
        ImageEntry naive(in(QStringLiteral("adobecmyk.jpg")));
        QVERIFY(writeResized(naive));
        const QColor got = TestSupport::averageColour(out(QStringLiteral("adobecmyk.png")), 10, 10);
        QVERIFY2(got.red() > 150 && got.green() < 110 && got.blue() < 110, qPrintable(got.name()));
    }

    // HEIF and AVIF that state their colours by code (a colour box of type nclx) instead of a
    // profile, as phones write them: the output shows what a colour-managed viewer shows of
    // the source. The stored numbers are sRGB colours in the code's space, worked out from the
    // codes' published primaries and curves; unspecified, sRGB's own and unknown codes leave
    // the numbers as they are.
    void colourCodesAreConverted_data()
    {
        QTest::addColumn<QString>("encoder"); // heif-enc or avifenc
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("primaries");
        QTest::addColumn<int>("transfer");
        QTest::addColumn<QColor>("stored");
        QTest::addColumn<QColor>("expected");
        const QString heifEnc = QStringLiteral("heif-enc");
        const QString avifenc = QStringLiteral("avifenc");
        const QString avif = QStringLiteral("avif");
        const QString heic = QStringLiteral("heic");
        // sRGB's red in Display P3's numbers; a P3 green beyond sRGB, clipped.
        QTest::newRow("Display P3 red, AVIF")
            << heifEnc << avif << 12 << 13 << QColor(234, 51, 35) << QColor(255, 0, 0);
        QTest::newRow("Display P3 green, HEIC")
            << heifEnc << heic << 12 << 13 << QColor(60, 200, 80) << QColor(0, 203, 58);
        QTest::newRow("Display P3, avifenc")
            << avifenc << avif << 12 << 13 << QColor(100, 150, 200) << QColor(83, 152, 205);
        // sRGB's red in BT.2020's numbers with the BT.709 curve.
        QTest::newRow("BT.2020") << heifEnc << avif << 9 << 14 << QColor(171, 55, 28)
                                 << QColor(220, 30, 30);
        // 102 cd/m2, half of diffuse white; 85 cd/m2 on HLG's 1000 cd/m2 display.
        QTest::newRow("BT.2020 PQ")
            << heifEnc << avif << 9 << 16 << QColor(130, 130, 130) << QColor(188, 188, 188);
        QTest::newRow("BT.2020 HLG")
            << heifEnc << avif << 9 << 18 << QColor(153, 153, 153) << QColor(173, 173, 173);
        QTest::newRow("unspecified")
            << heifEnc << avif << 2 << 2 << QColor(234, 51, 35) << QColor(234, 51, 35);
        QTest::newRow("sRGB") << heifEnc << heic << 1 << 13 << QColor(234, 51, 35)
                              << QColor(234, 51, 35);
        QTest::newRow("unknown codes")
            << avifenc << avif << 300 << 999 << QColor(234, 51, 35) << QColor(234, 51, 35);
    }

    void colourCodesAreConverted()
    {
        QFETCH(QString, encoder);
        QFETCH(QString, suffix);
        QFETCH(int, primaries);
        QFETCH(int, transfer);
        QFETCH(QColor, stored);
        QFETCH(QColor, expected);
        QImage flat(64, 64, QImage::Format_RGB32);
        flat.fill(stored);
        const QString png = in(QStringLiteral("flat.png"));
        QVERIFY(flat.save(png));
        const QString source = in(QStringLiteral("coded.") + suffix);
        QFile::remove(source);
        int code = -1;
        if (encoder == QLatin1String("avifenc")) {
            // avifenc writes the codes it is given, known or not.
            TestSupport::run(encoder,
                { QStringLiteral("-y"), QStringLiteral("444"), QStringLiteral("--min"),
                    QStringLiteral("0"), QStringLiteral("--max"), QStringLiteral("8"),
                    QStringLiteral("--cicp"),
                    QStringLiteral("%1/%2/6").arg(primaries).arg(transfer), png, source },
                &code);
        } else {
            TestSupport::run(encoder,
                { QStringLiteral("-q"), QStringLiteral("95"), png, QStringLiteral("-o"), source },
                &code);
        }
        QCOMPARE(code, 0);
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        file.close();
        // heif-enc 1.15 writes "unspecified" into AVIF's colour box whatever codes it is given,
        // and no colour box into HEIC, to which Ostrel's own correction of its outputs adds an
        // sRGB one: the codes are set in the box.
        if (!bytes.contains("colrnclx"))
            bytes = ContainerFixup::heifWithSrgbColour(bytes);
        const qsizetype box = bytes.indexOf("colrnclx");
        QVERIFY(box > 0);
        qToBigEndian(quint16(primaries), bytes.data() + box + 8);
        qToBigEndian(quint16(transfer), bytes.data() + box + 10);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();

        pixels(32, 32, OutputFormat::Png);
        ImageEntry image(source);
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        const QColor got
            = TestSupport::averageColour(out(QStringLiteral("coded.png")), 12, 12, 8, 8);
        const int off = std::max({ qAbs(got.red() - expected.red()),
            qAbs(got.green() - expected.green()), qAbs(got.blue() - expected.blue()) });
        QVERIFY2(
            off <= 5, qPrintable(got.name() + QStringLiteral(" instead of ") + expected.name()));
    }

    // What appears at the output path after the existence check is never clobbered, and the
    // image is reported as one whose output name exists.
    void noReplaceMove()
    {
        const QString existing = out(QStringLiteral("taken.jpg"));
        {
            QFile f(existing);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("precious");
        }
        writeImage(in(QStringLiteral("race.png")), 60, 40);
        ImageCodec::RenderRequest request;
        request.sourcePath = in(QStringLiteral("race.png"));
        request.width = 30;
        request.height = 20;
        const ResizeStatus status = TestSupport::renderToFile(request, existing);
        QCOMPARE(status.error, ResizeError::OutputExists);
        QFile f(existing);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("precious"));
        QCOMPARE(outputFiles(), QStringList { QStringLiteral("taken.jpg") });

        // Taken at the commit: a skipped image, or the first free numbered name.
        QCOMPARE(TestSupport::renderToFile(request, existing, ExistingFile::Skip).error,
            ResizeError::Skipped);
        QCOMPARE(outputFiles(), QStringList { QStringLiteral("taken.jpg") });
        QVERIFY(TestSupport::renderToFile(request, existing, ExistingFile::Number).ok());
        QCOMPARE(inspect(out(QStringLiteral("taken-2.jpg"))).width, 30);
        QFile again(existing);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), QByteArray("precious"));
    }

    // The name is taken between the start of a new file and its commit: the commit is
    // refused as an existing name, the other file stays, and nothing of the new one is left.
    void nameTakenBeforeCommit()
    {
        const bool unnamed = !TestSupport::unnamedFilesRefused();
        NoReplaceFile::NewFile file;
        QVERIFY2(file.create(mOut, QStringLiteral("late.png")), qPrintable(file.errorString()));
        QCOMPARE(file.isUnnamed(), unnamed);
        QCOMPARE(::write(file.descriptor(), "new content", 11), ssize_t(11));
        {
            QFile other(out(QStringLiteral("late.png")));
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.write("first");
        }
        QVERIFY(!file.commit());
        QCOMPARE(file.errorCode(), EEXIST);
        QFile other(out(QStringLiteral("late.png")));
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(), QByteArray("first"));
        QCOMPARE(outputFiles(), QStringList { QStringLiteral("late.png") });

        // Numbered: the names taken meanwhile are passed over for the first free one.
        NoReplaceFile::NewFile numbered;
        QVERIFY(numbered.create(mOut, QStringLiteral("late.png")));
        QCOMPARE(::write(numbered.descriptor(), "numbered", 8), ssize_t(8));
        {
            QFile second(out(QStringLiteral("late-2.png")));
            QVERIFY(second.open(QIODevice::WriteOnly));
            second.write("second");
        }
        QVERIFY2(numbered.commit(NoReplaceFile::NewFile::WhenTaken::Number),
            qPrintable(numbered.errorString()));
        QCOMPARE(numbered.committedName(), QStringLiteral("late-3.png"));
        QFile third(out(QStringLiteral("late-3.png")));
        QVERIFY(third.open(QIODevice::ReadOnly));
        QCOMPARE(third.readAll(), QByteArray("numbered"));
        QCOMPARE(outputFiles(),
            QStringList({ QStringLiteral("late-2.png"), QStringLiteral("late-3.png"),
                QStringLiteral("late.png") }));
    }

    // What happens when a file of the output name exists: the image fails, is skipped (and
    // nothing is decoded to find that out), or takes the first free numbered name; what was
    // there is never touched, and a dangling link is a taken name, never followed.
    void existingFileChoices()
    {
        writeImage(in(QStringLiteral("a.png")), 60, 40);
        pixels(30, 20);
        {
            QFile f(out(QStringLiteral("a.jpg")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("occupied");
        }
        ResizeStatus status;
        ImageEntry failing(in(QStringLiteral("a.png")));
        QVERIFY(!writeResized(failing, &status));
        QCOMPARE(status.error, ResizeError::OutputExists);

        mPref->setValue(Setting::existingFile, ExistingFile::Skip);
        ImageEntry skipped(in(QStringLiteral("a.png")));
        QVERIFY(!writeResized(skipped, &status));
        QCOMPARE(status.error, ResizeError::Skipped);
        QCOMPARE(status.message, out(QStringLiteral("a.jpg")));
        QCOMPARE(skipped.pixelSize().width, 0.0f); // stopped before measuring
        QCOMPARE(outputFiles(), QStringList { QStringLiteral("a.jpg") });

        mPref->setValue(Setting::existingFile, ExistingFile::Number);
        ImageEntry numbered(in(QStringLiteral("a.png")));
        QVERIFY2(writeResized(numbered, &status), qPrintable(status.message));
        QVERIFY2(writeResized(numbered, &status), qPrintable(status.message));
        QVERIFY(QFile::link(
            mTmp.filePath(QStringLiteral("nowhere.jpg")), out(QStringLiteral("a-4.jpg"))));
        QVERIFY2(writeResized(numbered, &status), qPrintable(status.message));
        QVERIFY(!QFile::exists(mTmp.filePath(QStringLiteral("nowhere.jpg"))));
        QCOMPARE(
            outputFiles(), QStringList({ "a-2.jpg", "a-3.jpg", "a-4.jpg", "a-5.jpg", "a.jpg" }));
        for (const char* name : { "a-2.jpg", "a-3.jpg", "a-5.jpg" }) {
            const TestSupport::Facts facts = inspect(out(QLatin1String(name)));
            QCOMPARE(facts.width, 30);
            QCOMPARE(facts.height, 20);
        }
        QFile occupied(out(QStringLiteral("a.jpg")));
        QVERIFY(occupied.open(QIODevice::ReadOnly));
        QCOMPARE(occupied.readAll(), QByteArray("occupied"));
    }

    // Fit inside and do not enlarge, written and read back in two units: the pixel size and
    // the resolution stated in the file.
    void sizeModesWrittenAndReadBack_data()
    {
        QTest::addColumn<int>("sourceWidth");
        QTest::addColumn<int>("sourceHeight");
        QTest::addColumn<int>("side"); // 0: free scaling
        QTest::addColumn<bool>("longShort");
        QTest::addColumn<float>("first");
        QTest::addColumn<float>("second");
        QTest::addColumn<int>("unit");
        QTest::addColumn<float>("resolution");
        QTest::addColumn<bool>("noEnlarge");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        const int both = int(GivenSide::Both);
        const int px = int(SizeUnit::Pixels);
        const int in = int(SizeUnit::Inches);
        QTest::newRow("fit inside, pixels, portrait")
            << 300 << 400 << both << false << 160.f << 120.f << px << 72.f << false << 90 << 120;
        QTest::newRow("fit inside, inches, long and short side")
            << 300 << 400 << both << true << 1.f << 0.5f << in << 150.f << false << 75 << 100;
        QTest::newRow("fit inside enlarges")
            << 120 << 80 << both << false << 2.f << 2.f << in << 150.f << false << 300 << 200;
        QTest::newRow("do not enlarge, inches")
            << 120 << 80 << both << false << 2.f << 2.f << in << 150.f << true << 120 << 80;
        QTest::newRow("do not enlarge, pixels, free scaling")
            << 120 << 80 << 0 << false << 200.f << 40.f << px << 96.f << true << 120 << 40;
    }

    void sizeModesWrittenAndReadBack()
    {
        QFETCH(int, sourceWidth);
        QFETCH(int, sourceHeight);
        QFETCH(int, side);
        QFETCH(bool, longShort);
        QFETCH(float, first);
        QFETCH(float, second);
        QFETCH(int, unit);
        QFETCH(float, resolution);
        QFETCH(bool, noEnlarge);
        QFETCH(int, width);
        QFETCH(int, height);
        writeImage(in(QStringLiteral("box.png")), sourceWidth, sourceHeight);
        pixels(first, second, OutputFormat::Jpeg, resolution);
        mPref->setValue(Setting::proportional, side != 0);
        if (side != 0)
            mPref->setValue(Setting::givenSide, GivenSide(side));
        mPref->setValue(Setting::longShortSides, longShort);
        mPref->setValue(Setting::unit, SizeUnit(unit));
        mPref->setValue(Setting::noEnlarge, noEnlarge);
        ImageEntry image(in(QStringLiteral("box.png")));
        ResizeStatus status;
        QVERIFY2(writeResized(image, &status), qPrintable(status.message));
        const TestSupport::Facts facts = inspect(out(QStringLiteral("box.jpg")));
        QCOMPARE(facts.width, width);
        QCOMPARE(facts.height, height);
        QVERIFY2(
            qAbs(facts.xResPpi - resolution) < 0.3, qPrintable(QString::number(facts.xResPpi)));
    }

    // A box filled or padded, written and read back: fill gives the box and keeps the part
    // asked for of a dark source with a bright patch at its top right; pad fills the rest
    // of the box with the background colour, or leaves it transparent where the format keeps
    // alpha and the background is off.
    void boxesWrittenAndReadBack_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("crop");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("flatten");
        QTest::addColumn<bool>("noEnlarge");
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("written");
        QTest::addColumn<int>("squareKept"); // -1: not checked
        QTest::addColumn<QColor>("corner"); // of the top left corner; invalid: not checked
        const int fill = int(BoxMode::Fill), pad = int(BoxMode::Pad);
        const int png = int(OutputFormat::Png), jpeg = int(OutputFormat::Jpeg);
        const QColor none;
        QTest::newRow("fill, attention keeps the square")
            << fill << int(CropPosition::Attention) << png << false << false << QSize(100, 100)
            << QSize(100, 100) << 1 << none;
        QTest::newRow("fill, centre crops it away")
            << fill << int(CropPosition::Centre) << png << false << false << QSize(100, 100)
            << QSize(100, 100) << 0 << none;
        QTest::newRow("fill, right") << fill << int(CropPosition::Right) << jpeg << false << false
                                     << QSize(100, 100) << QSize(100, 100) << 1 << none;
        QTest::newRow("fill, top rows") << fill << int(CropPosition::Top) << png << false << false
                                        << QSize(300, 50) << QSize(300, 50) << 1 << none;
        QTest::newRow("fill, bottom rows")
            << fill << int(CropPosition::Bottom) << png << false << false << QSize(300, 50)
            << QSize(300, 50) << 0 << none;
        QTest::newRow("fill, not enlarged")
            << fill << int(CropPosition::Right) << png << false << true << QSize(400, 200)
            << QSize(200, 100) << 1 << none;
        QTest::newRow("pad, JPEG: the colour")
            << pad << 0 << jpeg << false << false << QSize(100, 100) << QSize(100, 100) << 1
            << QColor(255, 0, 0);
        QTest::newRow("pad, PNG, background on: the colour")
            << pad << 0 << png << true << false << QSize(100, 100) << QSize(100, 100) << -1
            << QColor(255, 0, 0);
        QTest::newRow("pad, PNG, background off: transparent")
            << pad << 0 << png << false << false << QSize(100, 100) << QSize(100, 100) << -1
            << QColor(0, 0, 0, 0);
    }

    void boxesWrittenAndReadBack()
    {
        QFETCH(int, box);
        QFETCH(int, crop);
        QFETCH(int, format);
        QFETCH(bool, flatten);
        QFETCH(bool, noEnlarge);
        QFETCH(QSize, asked);
        QFETCH(QSize, written);
        QFETCH(int, squareKept);
        QFETCH(QColor, corner);
        QImage source(300, 100, QImage::Format_RGB32);
        source.fill(QColor(30, 30, 30));
        for (int y = 4; y < 24; ++y) {
            for (int x = 250; x < 280; ++x)
                source.setPixelColor(x, y, Qt::white);
        }
        QVERIFY(source.save(in(QStringLiteral("square.png"))));
        pixels(asked.width(), asked.height(), OutputFormat(format));
        mPref->setValue(Setting::proportional, true);
        mPref->setValue(Setting::givenSide, GivenSide::Both);
        mPref->setValue(Setting::boxMode, BoxMode(box));
        if (crop != 0)
            mPref->setValue(Setting::cropPosition, CropPosition(crop));
        mPref->setValue(Setting::noEnlarge, noEnlarge);
        ImageEntry image(in(QStringLiteral("square.png")));
        ResizeStatus status;
        QVERIFY2(
            writeResized(image, &status, flatten, QColor(255, 0, 0)), qPrintable(status.message));
        const QString path
            = out(QStringLiteral("square.") + ResizeRules::formatExtension(OutputFormat(format)));
        const QImage result(path);
        QCOMPARE(result.size(), written);
        if (squareKept >= 0) {
            int brightest = 0;
            for (int y = 0; y < result.height(); ++y) {
                for (int x = 0; x < result.width(); ++x)
                    brightest = std::max(brightest, qGray(result.pixel(x, y)));
            }
            QCOMPARE(brightest > 200, squareKept == 1);
        }
        if (corner.isValid()) {
            const QColor seen = result.pixelColor(2, 2);
            QVERIFY2(qAbs(seen.red() - corner.red()) < 8 && qAbs(seen.green() - corner.green()) < 8
                    && qAbs(seen.blue() - corner.blue()) < 8 && seen.alpha() == corner.alpha(),
                qPrintable(seen.name(QColor::HexArgb)));
        }
    }

    // A file-size limit makes every encoder's writes fail part-way through, the last flush
    // included: the failure is the write's, with the system's reason, and nothing is left.
    void failedWritesLeaveNothing_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("jpeg") << int(OutputFormat::Jpeg);
        QTest::newRow("png") << int(OutputFormat::Png);
        QTest::newRow("gif") << int(OutputFormat::Gif);
        QTest::newRow("bmp") << int(OutputFormat::Bmp);
        QTest::newRow("tiff") << int(OutputFormat::Tiff);
    }

    void failedWritesLeaveNothing()
    {
        QFETCH(int, format);
        const QString source = in(QStringLiteral("noise.png"));
        if (!QFile::exists(source)) {
            QImage noise(1500, 1000, QImage::Format_RGB32);
            for (int y = 0; y < noise.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(noise.scanLine(y));
                for (int x = 0; x < noise.width(); ++x)
                    line[x] = qRgb(
                        (x * 7919 + y * 104729) % 251, (x * 31 + y * 17) % 253, (x ^ y) % 255);
            }
            QVERIFY(noise.save(source));
        }
        ImageEntry image(source);
        pixels(1500, 1000, OutputFormat(format));

        rlimit saved {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 64 * 1024;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        ResizeStatus status;
        const bool ok = writeResized(image, &status);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!ok);
        QCOMPARE(status.error, ResizeError::WriteFailed);
        QCOMPARE(status.message, QString::fromLocal8Bit(std::strerror(EFBIG)));
        QVERIFY2(outputFiles().isEmpty(), qPrintable(outputFiles().join(QLatin1Char(' '))));

        // The output folder gone.
        mPref->setValue(Setting::outputFolder, mTmp.filePath(QStringLiteral("no-such-folder")));
        QVERIFY(!writeResized(image, &status));
        QCOMPARE(status.error, ResizeError::WriteFailed);
    }

    // A size the encoder cannot hold (JPEG's largest side) is the settings' fault, not the
    // source's, and is known before anything is decoded or written.
    void sizeBeyondTheEncoderIsASettingsFailure()
    {
        writeImage(in(QStringLiteral("small.png")), 60, 40);
        ImageEntry image(in(QStringLiteral("small.png")));
        pixels(65501, 2, OutputFormat::Jpeg);
        ResizeStatus status;
        QVERIFY(!writeResized(image, &status));
        QCOMPARE(status.error, ResizeError::InvalidSettings);
        QVERIFY(!status.message.isEmpty());
        QVERIFY(outputFiles().isEmpty());
    }

    // A new file gets the permissions any new file gets: 0666 less the umask.
    void permissionsFollowTheUmask_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("mode");
        QTest::newRow("022") << 022 << 0644;
        QTest::newRow("077") << 077 << 0600;
        QTest::newRow("002") << 002 << 0664;
    }

    void permissionsFollowTheUmask()
    {
        QFETCH(int, mask);
        QFETCH(int, mode);
        writeImage(in(QStringLiteral("mode.png")), 60, 40);
        ImageEntry image(in(QStringLiteral("mode.png")));
        pixels(30, 20, OutputFormat::Png);
        const mode_t saved = ::umask(static_cast<mode_t>(mask));
        ResizeStatus status;
        const bool ok = writeResized(image, &status);
        ::umask(saved);
        QVERIFY2(ok, qPrintable(status.message));
        struct stat st = {};
        QCOMPARE(::stat(QFile::encodeName(out(QStringLiteral("mode.png"))).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), mode);
    }

    // Another user of the output folder keeps replacing every hidden file that appears there
    // with a symbolic link to a file elsewhere. No write may go through such a link, and no
    // output may end up a link. An unnamed file offers nothing to replace; a hidden
    // temporary file that was replaced costs its image, and only that.
    void swappedTemporaryRedirectsNothing()
    {
        const bool unnamed = !TestSupport::unnamedFilesRefused();
        const QString victim = mTmp.filePath(QStringLiteral("victim.txt"));
        {
            QFile f(victim);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("precious");
        }
        QStringList names;
        for (int i = 0; i < 12; ++i) {
            names << QStringLiteral("swap%1").arg(i);
            writeImage(in(names.last() + QStringLiteral(".jpg")), 1200, 900);
        }
        pixels(1200, 900, OutputFormat::Png);

        TestSupport::FolderSwapper swapper(mOut, victim);
        QVERIFY(swapper.start());
        int written = 0;
        for (const QString& name : names) {
            ImageEntry image(in(name + QStringLiteral(".jpg")));
            ResizeStatus status;
            if (writeResized(image, &status))
                ++written;
            else
                QCOMPARE(status.error, ResizeError::WriteFailed);
        }
        swapper.stop();

        QFile f(victim);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("precious"));
        for (const QString& name : names) {
            const QFileInfo output(out(name + QStringLiteral(".png")));
            QVERIFY2(!output.isSymLink(), qPrintable(output.fileName()));
            if (output.exists())
                QCOMPARE(TestSupport::inspect(output.filePath()).width, 1200);
        }
        if (unnamed) {
            QCOMPARE(swapper.swaps(), 0);
            QCOMPARE(written, names.size());
        } else {
            QVERIFY(swapper.swaps() > 0); // the attack did happen
        }
    }

    // A name that fits the file system works, however little room it leaves.
    void longNames()
    {
        pixels(30, 20, OutputFormat::Jpeg);
        QStringList bases;
        for (int length = 248; length <= 255; ++length)
            bases << QString(length - 4, QLatin1Char('n'));
        bases << QString(125, QChar(0x00e9)); // 250 bytes of two-byte characters, 254 in all
        for (const QString& base : bases) {
            const QString source = writeImage(in(base + QStringLiteral(".png")), 60, 40);
            ImageEntry image(source);
            ResizeStatus status;
            QVERIFY2(writeResized(image, &status),
                qPrintable(QStringLiteral("%1 bytes: %2")
                               .arg(QFile::encodeName(base).size() + 4)
                               .arg(status.message)));
            QVERIFY(QFile::exists(out(base + QStringLiteral(".jpg"))));
            QFile::remove(source);
        }
        QCOMPARE(outputFiles().size(), bases.size());
    }

    // A custom name is a file name: one that would lead out of the output folder never gets
    // to a write, whoever skipped the checks before the batch.
    void customNameStaysInTheFolder()
    {
        writeImage(in(QStringLiteral("c.png")), 60, 40);
        ImageEntry image(in(QStringLiteral("c.png")));
        pixels(30, 20, OutputFormat::Jpeg);
        mPref->setValue(Setting::naming, OutputNaming::CustomName);
        const QString nested = mOut + QStringLiteral("/sub");
        QVERIFY(QDir().mkpath(nested));
        for (const QString& name : { QStringLiteral("../x"), QStringLiteral("sub/x"),
                 QStringLiteral("."), QStringLiteral(".."), QStringLiteral("/tmp/x") }) {
            mPref->setValue(Setting::baseName, name);
            ResizeStatus status;
            QVERIFY2(!writeResized(image, &status), qPrintable(name));
            QCOMPARE(status.error, ResizeError::InvalidSettings);
        }
        QVERIFY(!QFile::exists(mTmp.filePath(QStringLiteral("x0001.jpg"))));
        QVERIFY(QDir(nested).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(outputFiles().isEmpty());
        mPref->setValue(Setting::baseName, QStringLiteral("x"));
        QVERIFY(writeResized(image));
        QCOMPARE(outputFiles(), QStringList { QStringLiteral("x0001.jpg") });
    }

    void readOnlyFolderLeavesNothing()
    {
        // Permissions do not bind root, so as root the write runs in a child process that has
        // given up its privileges.
        const QString folder = mTmp.filePath(QStringLiteral("readonly"));
        QVERIFY(QDir().mkpath(folder));
        const QString source = writeImage(mTmp.filePath(QStringLiteral("ro-src.png")), 60, 40);
        QFile::setPermissions(mTmp.path(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        QFile::setPermissions(
            source, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::ReadGroup);
        QFile::setPermissions(folder,
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                | QFile::ReadGroup | QFile::ExeGroup);

        QProcess child;
        child.setProgram(QStringLiteral(OSTREL_RESIZE_ONE));
        child.setArguments({ source, folder });
        child.setChildProcessModifier([] {
            if (::geteuid() == 0) {
                if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                    ::_exit(99);
            }
        });
        child.start();
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1); // resize returned false
        QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(child.readAllStandardError().contains("could not be written"));
    }
};

QTEST_GUILESS_MAIN(TestImageEntry)
#include "tst_ImageEntry.moc"
