#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <memory>
#include <thread>

#include <sys/stat.h>

#include "TestSupport.h"
#include "codec/ImageCodec.h"
#include "codec/PngWriter.h"
#include "core/ImageEntry.h"
#include "core/ImageWork.h"
#include "settings/Settings.h"

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qWarning("could not write %s", qPrintable(path));
    return path;
}

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= static_cast<quint8>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian(static_cast<quint32>(data.size()), chunk.data());
    chunk += type + data;
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(type + data), crc.data());
    return chunk + crc;
}

struct PngChunks
{
    QByteArray header; // IHDR's data
    QByteArray pixels; // the concatenated IDAT data
};

PngChunks pngChunks(const QByteArray& png)
{
    PngChunks chunks;
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        const QByteArray type = png.mid(at + 4, 4);
        const QByteArray data = png.mid(at + 8, length);
        if (type == "IHDR")
            chunks.header = data;
        else if (type == "IDAT")
            chunks.pixels += data;
        at += 12 + length;
    }
    return chunks;
}

// The offset of the first byte after a JPEG marker's segment (SOFn, SOS, ...).
qsizetype afterSegment(const QByteArray& jpeg, const char* marker)
{
    const qsizetype at = jpeg.indexOf(QByteArray(marker, 2));
    if (at < 0)
        return -1;
    return at + 2 + qFromBigEndian<quint16>(jpeg.constData() + at + 2);
}

// A JPEG whose frame header claims another size.
QByteArray withFrameSize(QByteArray jpeg, quint16 width, quint16 height, const char* frame)
{
    const qsizetype at = jpeg.indexOf(QByteArray(frame, 2));
    if (at >= 0) {
        qToBigEndian(height, jpeg.data() + at + 5);
        qToBigEndian(width, jpeg.data() + at + 7);
    }
    return jpeg;
}

// A one-page PDF of width x height points: a red and a blue rectangle.
QByteArray pagePdf(int width, int height)
{
    const QByteArray content = "1 0 0 rg 10 10 100 50 re f 0 0 1 rg 150 100 80 80 re f";
    const QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + QByteArray::number(width) + ' '
            + QByteArray::number(height) + "] /Contents 4 0 R >>",
        "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content
            + "\nendstream",
    };
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype table = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1)
        + " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
    return pdf;
}

// Writes the picture through ImageMagick's coder for the format.
bool convertTo(const QString& coder, const QString& path, int width, int height)
{
    const QString png
        = TestSupport::writeImage(path + QStringLiteral(".source.png"), width, height);
    int code = -1;
    TestSupport::run(QStringLiteral("convert"), { png, coder + QLatin1Char(':') + path }, &code);
    QFile::remove(png);
    return code == 0;
}

// Writes the picture in the format of the suffix through libvips' own saver (WebP, AVIF, HEIC,
// JPEG XL, JPEG 2000), then gives it the name asked for, whatever its extension.
bool vipsConvertTo(const QString& suffix, const QString& path, int width, int height)
{
    const QString png
        = TestSupport::writeImage(path + QStringLiteral(".source.png"), width, height);
    const QString native = path + QStringLiteral(".native.") + suffix;
    int code = -1;
    TestSupport::run(QStringLiteral("vips"), { QStringLiteral("copy"), png, native }, &code);
    QFile::remove(png);
    QFile::remove(path);
    return code == 0 && QFile::rename(native, path);
}

QByteArray drawingSvg(int width, int height)
{
    // The left half red, the right half white, in user units of the size given.
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + QByteArray::number(width)
        + "\" height=\"" + QByteArray::number(height) + "\"><rect width=\""
        + QByteArray::number(width) + "\" height=\"" + QByteArray::number(height)
        + "\" fill=\"white\"/><rect width=\"" + QByteArray::number(width / 2) + "\" height=\""
        + QByteArray::number(height) + "\" fill=\"red\"/></svg>\n";
}

QByteArray bigEndian16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray isoBox(const char* type, const QByteArray& payload)
{
    return bigEndian32(quint32(8 + payload.size())) + QByteArray(type, 4) + payload;
}

QByteArray isoFullBox(const char* type, quint32 versionAndFlags, const QByteArray& payload)
{
    return isoBox(type, bigEndian32(versionAndFlags) + payload);
}

// A HEIF whose primary item is a grid of rows x rows tiles of 512 x 512 that states it is
// statedSide x statedSide: libheif assembles the whole grid before anyone sees that the sizes
// differ. The tiles' coded data is absent: nothing may decode it.
QByteArray heifGrid(int rows, int statedSide = 512)
{
    const int tiles = rows * rows;
    const quint16 grid = quint16(tiles + 1);
    QByteArray infe
        = isoFullBox("infe", 0x02000000, bigEndian16(grid) + bigEndian16(0) + "grid" + '\0');
    QByteArray references = bigEndian16(grid) + bigEndian16(quint16(tiles));
    QByteArray associations = bigEndian32(quint32(tiles + 1));
    for (quint16 tile = 1; tile <= tiles; ++tile) {
        infe += isoFullBox("infe", 0x02000001, bigEndian16(tile) + bigEndian16(0) + "hvc1" + '\0');
        references += bigEndian16(tile);
        associations += bigEndian16(tile) + QByteArray("\x01\x81", 2); // ispe of the tile
    }
    associations += bigEndian16(grid) + QByteArray("\x01\x82", 2); // ispe of the grid
    const QByteArray ispe = isoFullBox("ispe", 0, bigEndian32(512) + bigEndian32(512));
    const QByteArray stated = isoFullBox(
        "ispe", 0, bigEndian32(quint32(statedSide)) + bigEndian32(quint32(statedSide)));
    const QByteArray gridData = QByteArray("\x00\x00", 2) + char(rows - 1) + char(rows - 1)
        + bigEndian16(quint16(512 * rows)) + bigEndian16(quint16(512 * rows));
    const auto meta = [&](quint32 gridOffset) {
        QByteArray locations = QByteArray("\x44\x00", 2) + bigEndian16(1) + bigEndian16(grid)
            + bigEndian16(0) + bigEndian16(1) + bigEndian32(gridOffset)
            + bigEndian32(quint32(gridData.size()));
        return isoFullBox("meta", 0,
            isoFullBox("hdlr", 0, bigEndian32(0) + "pict" + QByteArray(13, '\0'))
                + isoFullBox("pitm", 0, bigEndian16(grid)) + isoFullBox("iloc", 0, locations)
                + isoFullBox("iinf", 0, bigEndian16(quint16(tiles + 1)) + infe)
                + isoFullBox("iref", 0, isoBox("dimg", references))
                + isoBox(
                    "iprp", isoBox("ipco", ispe + stated) + isoFullBox("ipma", 0, associations)));
    };
    const QByteArray ftyp = isoBox("ftyp", QByteArray("heic\0\0\0\0mif1heic", 16));
    const quint32 gridOffset = quint32(ftyp.size() + meta(0).size() + 8);
    return ftyp + meta(gridOffset) + isoBox("mdat", gridData);
}

// A PDF whose one small page draws an image of width x height pixels (its data absent).
QByteArray imagePdf(int width, int height)
{
    QByteArray pdf = pagePdf(400, 300);
    const QByteArray image = "5 0 obj\n<< /Type /XObject /Subtype /Image /Width "
        + QByteArray::number(width) + " /Height " + QByteArray::number(height)
        + " /ColorSpace /DeviceGray /BitsPerComponent 8 /Length 1 >>\nstream\nx\nendstream\n"
          "endobj\n";
    return pdf.insert(pdf.indexOf("xref"), image);
}

// An Apple icon file whose one picture is a PNG that states width x height (its data absent).
QByteArray icnsWithPng(quint32 width, quint32 height)
{
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8)
        + pngChunk(
            "IHDR", bigEndian32(width) + bigEndian32(height) + QByteArray("\x08\x02\0\0\0", 5))
        + pngChunk("IEND", {});
    const QByteArray entry = QByteArray("ic10") + bigEndian32(quint32(8 + png.size())) + png;
    return QByteArray("icns") + bigEndian32(quint32(8 + entry.size())) + entry;
}

// A GIF of frames 1 x 1 frames.
QByteArray manyFrameGif(int frames)
{
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff", 19);
    const QByteArray frame("\x21\xf9\x04\x00\x0a\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00"
                           "\x00\x02\x02\x44\x01\x00",
        23);
    for (int i = 0; i < frames; ++i)
        gif += frame;
    return gif + ';';
}
} // namespace

// Sources as a hostile sender would make them: content that is not what the name says,
// special files, damaged data, sizes made to exhaust the memory. Every one is refused the same
// way on every run, nothing is written for it, and the preview stays empty; the genuine files
// of every type still go through.
class TestImageCodec : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    QString mIn;
    QString mOut;

    QString in(const QString& name) const { return mIn + QLatin1Char('/') + name; }
    QStringList outputs() const
    {
        return QDir(mOut).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    ResizeStatus render(const QString& source, int width, int height,
        qint64 maxPixels = ImageCodec::kDefaultMaxPixels, OutputFormat format = OutputFormat::Png)
    {
        ImageCodec::RenderRequest request;
        request.sourcePath = source;
        request.width = width;
        request.height = height;
        request.format = format;
        request.maxPixels = maxPixels;
        const QString output = mOut + QLatin1Char('/') + QFileInfo(source).completeBaseName()
            + (format == OutputFormat::Jpeg ? ".jpg" : ".png");
        QFile::remove(output);
        return TestSupport::renderToFile(request, output);
    }

    // A photo-like JPEG, 1200 x 900, as a camera or an editor would write it.
    QByteArray photo()
    {
        const QString file = in(QStringLiteral("photo-source.jpg"));
        if (!QFile::exists(file))
            TestSupport::writeImage(file, 1200, 900);
        return readAll(file);
    }

    // Expects the source to be refused before anything is decoded, with why.
    void expectRefused(const QString& source, const QString& reason,
        qint64 maxPixels = ImageCodec::kDefaultMaxPixels)
    {
        const ImageCodec::SourceInfo info = ImageCodec::probe(source, maxPixels);
        QVERIFY2(!info.ok, qPrintable(source));
        QVERIFY2(info.error.contains(reason), qPrintable(info.error));
        const ResizeStatus status = render(source, 40, 30, maxPixels);
        QCOMPARE(status.error, ResizeError::DecodeFailed);
        QVERIFY2(status.message.contains(reason), qPrintable(status.message));
        QVERIFY(outputs().isEmpty());
        QVERIFY(ImageCodec::decodePreview(source, 100, maxPixels).image.isNull());
    }

    // A photo-like picture with fine detail, 320 x 240, that compresses about as a photo does.
    QString detailedPhoto()
    {
        const QString file = in(QStringLiteral("detailed.png"));
        if (QFile::exists(file))
            return file;
        QImage image = TestSupport::pattern(320, 240);
        QRandomGenerator noise(7);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const auto grain = [&noise](int value) {
                    return std::clamp(value + int(noise.bounded(40)) - 20, 0, 255);
                };
                line[x] = qRgb(grain(qRed(line[x])), grain(qGreen(line[x])), grain(qBlue(line[x])));
            }
        }
        image.save(file);
        return file;
    }

    // Renders source at width x height into format at quality under a size limit (0: none),
    // lossless where asked; *output is the file's path.
    ResizeStatus renderWithin(const QString& source, int width, int height, int format,
        float quality, qint64 limit, QString* output, bool lossless = false)
    {
        ImageCodec::RenderRequest request;
        request.sourcePath = source;
        request.width = width;
        request.height = height;
        request.format = OutputFormat(format);
        request.quality = quality;
        request.maxFileSize = limit;
        request.lossless = lossless;
        *output = mOut + QStringLiteral("/limited.")
            + QLatin1String(OutputFormats::find(request.format)->extension);
        QFile::remove(*output);
        return TestSupport::renderToFile(request, *output);
    }

    // A picture with the smooth areas and the fine detail of a photo: ImageMagick's plasma
    // fractal, 640 x 480, as an 8-bit PNG.
    QString plasmaPhoto()
    {
        const QString file = in(QStringLiteral("plasma.png"));
        if (!QFile::exists(file))
            TestSupport::run(QStringLiteral("convert"),
                { "-seed", "3", "-size", "640x480", "plasma:", "-blur", "0x1", "-depth", "8", file });
        return file;
    }

    // The pixels of a file as libvips decodes it, 8-bit RGBA.
    QImage decodedPixels(const QString& path)
    {
        const QString png = mDir.filePath(QStringLiteral("decoded.png"));
        QFile::remove(png);
        // Without its colour profile (JPEG XL's decoder attaches one), which QImage compares.
        TestSupport::run(QStringLiteral("vips"), { "copy", path, png + QStringLiteral("[strip]") });
        return QImage(png).convertToFormat(QImage::Format_RGBA8888);
    }

private Q_SLOTS:
    // How far a written picture's colours are from the expected one's, over the pixels the
    // expected one has opaque: the mean and the largest difference of a sample, in levels.
    static std::pair<double, int> colourDifference(const QImage& written, const QImage& expected)
    {
        if (written.size() != expected.size())
            return { 255.0, 255 };
        qint64 total = 0;
        qint64 samples = 0;
        int largest = 0;
        for (int y = 0; y < written.height(); ++y) {
            for (int x = 0; x < written.width(); ++x) {
                const QRgb a = written.pixel(x, y), b = expected.pixel(x, y);
                if (qAlpha(b) != 255)
                    continue;
                for (int d : { qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b) }) {
                    total += std::abs(d);
                    largest = std::max(largest, std::abs(d));
                    ++samples;
                }
            }
        }
        return { samples > 0 ? double(total) / double(samples) : 255.0, largest };
    }

    void initTestCase()
    {
        QVERIFY(ImageCodec::initialise("tst_ImageCodec"));
        mIn = mDir.filePath(QStringLiteral("in"));
        mOut = mDir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(mIn));
    }

    void init()
    {
        QDir(mOut).removeRecursively();
        QVERIFY(QDir().mkpath(mOut));
    }

    // Each extension names the one decoder its files may reach.
    void contentOfAnotherTypeIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::newRow("SVG named .png") << "svg.png"
                                        << "PNG";
        QTest::newRow("PDF named .png") << "pdf.png"
                                        << "PNG";
        QTest::newRow("libvips format named .jpg") << "vips.jpg"
                                                   << "JPEG";
        QTest::newRow("PNG named .JPG") << "png.JPG"
                                        << "JPEG";
        QTest::newRow("JPEG named .tif") << "jpeg.tif"
                                         << "TIFF";
        QTest::newRow("GIF named .bmp") << "gif.bmp"
                                        << "BMP";
        QTest::newRow("PNG named .icns") << "png.icns"
                                         << "ICNS";
        QTest::newRow("PNG named .webp") << "png.webp"
                                         << "WebP";
        QTest::newRow("HEIC named .avif") << "heic.avif"
                                          << "AVIF";
        QTest::newRow("AVIF named .heic") << "avif.heic"
                                          << "HEIC";
        QTest::newRow("WebP named .jxl") << "webp.jxl"
                                         << "JPEG XL";
        QTest::newRow("JPEG XL named .jp2") << "jxl.jp2"
                                            << "JPEG 2000";
        QTest::newRow("PNG named .svg") << "png.svg"
                                        << "SVG";
    }

    void contentOfAnotherTypeIsRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        const QString png = TestSupport::writeImage(in(QStringLiteral("real.png")), 60, 40);
        const QString kind = name.section(QLatin1Char('.'), 0, 0);
        const QString file = in(name);
        if (kind == QLatin1String("svg")) {
            writeAll(file,
                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60\" height=\"40\">"
                "<rect width=\"60\" height=\"40\" fill=\"red\"/></svg>\n");
        } else if (kind == QLatin1String("pdf")) {
            writeAll(file, pagePdf(60, 40));
        } else if (kind == QLatin1String("vips")) {
            int code = -1;
            TestSupport::run(QStringLiteral("vips"),
                { QStringLiteral("copy"), png, in(QStringLiteral("native.v")) }, &code);
            QCOMPARE(code, 0);
            QFile::remove(file);
            QVERIFY(QFile::rename(in(QStringLiteral("native.v")), file));
        } else if (kind == QLatin1String("jpeg")) {
            writeAll(file, photo());
        } else if (kind == QLatin1String("gif")) {
            QVERIFY(convertTo(QStringLiteral("gif"), file, 60, 40));
        } else if (QStringList({ "webp", "avif", "heic", "jxl" }).contains(kind)) {
            QVERIFY(vipsConvertTo(kind, file, 60, 40));
        } else {
            QFile::remove(file);
            QVERIFY(QFile::copy(png, file));
        }
        expectRefused(file, QStringLiteral("not a %1 image").arg(type));
    }

    // The genuine article of every type decodes, whatever the case of its extension.
    void everyTypeDecodes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("JPG") << "photo.JPG";
        QTest::newRow("tiff") << "photo.tiff";
        QTest::newRow("png") << "photo.png";
        QTest::newRow("gif") << "photo.gif";
        QTest::newRow("BMP") << "photo.BMP";
        QTest::newRow("psd") << "photo.psd";
        QTest::newRow("pict") << "photo.pict";
        QTest::newRow("PCT") << "photo.PCT";
        QTest::newRow("pdf") << "page.pdf";
        QTest::newRow("webp") << "photo.webp";
        QTest::newRow("AVIF") << "photo.AVIF";
        QTest::newRow("heic") << "photo.heic";
        QTest::newRow("HEIF") << "photo.HEIF";
        QTest::newRow("jxl") << "photo.jxl";
        QTest::newRow("jp2") << "photo.jp2";
        QTest::newRow("svg") << "drawing.svg";
    }

    void everyTypeDecodes()
    {
        QFETCH(QString, name);
        const QString file = in(name);
        const QString suffix = QFileInfo(name).suffix().toLower();
        if (suffix == QLatin1String("pdf")) {
            writeAll(file, pagePdf(300, 200));
        } else if (suffix == QLatin1String("svg")) {
            writeAll(file, drawingSvg(300, 200));
        } else if (QStringList({ "webp", "avif", "heic", "heif", "jxl", "jp2" }).contains(suffix)) {
            QVERIFY(vipsConvertTo(suffix, file, 300, 200));
        } else if (suffix == QLatin1String("jpg") || suffix == QLatin1String("tiff")
            || suffix == QLatin1String("png")) {
            QVERIFY(TestSupport::pattern(300, 200).save(file, suffix.toLatin1().constData()));
        } else {
            // ImageMagick calls the PICT coder "pict" whatever the extension.
            const QString coder = suffix == QLatin1String("pct") ? QStringLiteral("pict") : suffix;
            QVERIFY(convertTo(coder, file, 300, 200));
        }
        const ImageCodec::SourceInfo info = ImageCodec::probe(file);
        QVERIFY2(info.ok, qPrintable(info.error));
        QCOMPARE(info.width, 300);
        QCOMPARE(info.height, 200);
        const ResizeStatus status = render(file, 150, 100);
        QVERIFY2(status.ok(), qPrintable(status.message));
        const TestSupport::Facts facts = TestSupport::inspect(
            mOut + QLatin1Char('/') + QFileInfo(name).completeBaseName() + QStringLiteral(".png"));
        QCOMPARE(facts.width, 150);
        QCOMPARE(facts.height, 100);
        QVERIFY(!ImageCodec::decodePreview(file, 100).image.isNull());
    }

    // An SVG is drawn at the size asked for: an edge stays one pixel sharp at ten times the
    // drawing's own size, where a raster enlarged ten times would blur it over many pixels.
    void svgDrawnAtTheTargetSize()
    {
        const QString file = writeAll(in(QStringLiteral("edge.svg")), drawingSvg(60, 40));
        const ImageCodec::SourceInfo info = ImageCodec::probe(file);
        QVERIFY2(info.ok, qPrintable(info.error));
        QCOMPARE(info.width, 60);
        QCOMPARE(info.height, 40);
        const ResizeStatus status = render(file, 600, 400);
        QVERIFY2(status.ok(), qPrintable(status.message));
        const QString output = mOut + QStringLiteral("/edge.png");
        QCOMPARE(TestSupport::inspect(output).width, 600);
        QCOMPARE(TestSupport::averageColour(output, 296, 100), QColor(255, 0, 0));
        QCOMPARE(TestSupport::averageColour(output, 300, 100), QColor(255, 255, 255));
    }

    // ICNS goes to Qt's reader (libvips' ImageMagick has no ICNS coder here): the largest
    // picture of the file, transparency kept.
    void icnsThroughQt()
    {
        if (!QImageWriter::supportedImageFormats().contains("icns"))
            QSKIP("Qt's image formats plug-ins (ICNS) are not installed");
        QImage icon(256, 256, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        for (int y = 64; y < 192; ++y) {
            for (int x = 64; x < 192; ++x)
                icon.setPixelColor(x, y, QColor(200, 30, 40));
        }
        const QString file = in(QStringLiteral("app.icns"));
        QImageWriter writer(file, "icns");
        QVERIFY2(writer.write(icon), qPrintable(writer.errorString()));

        const ImageCodec::SourceInfo info = ImageCodec::probe(file);
        QVERIFY2(info.ok, qPrintable(info.error));
        QCOMPARE(info.width, 256);
        QCOMPARE(info.height, 256);
        const ResizeStatus status = render(file, 128, 128);
        QVERIFY2(status.ok(), qPrintable(status.message));
        const QString output = mOut + QStringLiteral("/app.png");
        const TestSupport::Facts facts = TestSupport::inspect(output);
        QCOMPARE(facts.width, 128);
        QCOMPARE(facts.height, 128);
        QCOMPARE(facts.bands, 4);
        const QColor centre = TestSupport::averageColour(output, 60, 60);
        QVERIFY2(centre.red() > 180 && centre.green() < 60 && centre.blue() < 70,
            qPrintable(centre.name()));
        QVERIFY(!ImageCodec::decodePreview(file, 100).image.isNull());
    }

    // A named pipe or a device never holds anyone: it fails at once, in the render and in the
    // preview. Each call runs on a thread of its own so that a call that blocks fails the test
    // instead of holding it.
    void specialFilesFailAtOnce_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("named pipe") << "pipe.jpg";
        QTest::newRow("link to /dev/zero") << "zero.jpg";
        QTest::newRow("folder") << "folder.png";
    }

    void specialFilesFailAtOnce()
    {
        QFETCH(QString, name);
        const QString file = in(name);
        if (!QFileInfo(file).exists() && !QFileInfo(file).isSymLink()) {
            if (name.startsWith(QLatin1String("pipe")))
                QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
            else if (name.startsWith(QLatin1String("zero")))
                QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file));
            else
                QVERIFY(QDir().mkpath(file));
        }
        struct Outcome
        {
            std::atomic<bool> done { false };
            ImageCodec::SourceInfo info;
            ResizeStatus status;
            bool previewEmpty = false;
        };
        auto outcome = std::make_shared<Outcome>();
        const QString output = mOut + QStringLiteral("/special.png");
        std::thread([outcome, file, output] {
            outcome->info = ImageCodec::probe(file);
            ImageCodec::RenderRequest request;
            request.sourcePath = file;
            request.width = 40;
            request.height = 30;
            request.format = OutputFormat::Png;
            outcome->status = TestSupport::renderToFile(request, output);
            outcome->previewEmpty = ImageCodec::decodePreview(file, 100).image.isNull();
            ImageCodec::threadShutdown();
            outcome->done.store(true);
        }).detach();
        QTRY_VERIFY_WITH_TIMEOUT(outcome->done.load(), 30000);
        QVERIFY(!outcome->info.ok);
        QVERIFY2(outcome->info.error.contains(QLatin1String("not a regular file")),
            qPrintable(outcome->info.error));
        QCOMPARE(outcome->status.error, ResizeError::DecodeFailed);
        QVERIFY(outcome->previewEmpty);
        QVERIFY(outputs().isEmpty());
    }

    // Pixels lost anywhere in a JPEG fail it, with libjpeg's words for the loss; the header is
    // sound, so only a decode of the whole data can tell.
    void damagedJpegsFail_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("width");
        const QByteArray jpeg = photo();
        const QByteArray end("\xff\xd9", 2);
        QTest::newRow("cut at 10 %, end marker added") << jpeg.left(jpeg.size() / 10) + end << 600;
        QTest::newRow("cut at 50 %, end marker added") << jpeg.left(jpeg.size() / 2) + end << 600;
        QTest::newRow("cut at 50 %, shrunk on load") << jpeg.left(jpeg.size() / 2) + end << 100;
        QTest::newRow("cut at 90 %") << jpeg.left(jpeg.size() * 9 / 10) << 600;
        QByteArray flipped = jpeg;
        QRandomGenerator random(20261207);
        const qsizetype scan = afterSegment(jpeg, "\xff\xda");
        for (int i = 0; i < 20; ++i) {
            const qsizetype at = scan + random.bounded(jpeg.size() - 2 - scan);
            flipped[at] = static_cast<char>(flipped.at(at) ^ (1 << random.bounded(8)));
        }
        QTest::newRow("flipped bits") << flipped << 600;
        QBuffer progressive;
        progressive.open(QIODevice::WriteOnly);
        QImageWriter writer(&progressive, "jpeg");
        writer.setProgressiveScanWrite(true);
        QVERIFY(writer.write(TestSupport::pattern(1200, 900)));
        const QByteArray scans = progressive.data();
        QTest::newRow("progressive, cut at 50 %, end marker added")
            << scans.left(scans.size() / 2) + end << 600;
        // Large enough (48 megapixels) to be checked before the render instead of beside it.
        const QString large = in(QStringLiteral("large-progressive.jpg"));
        int code = -1;
        TestSupport::run(QStringLiteral("vips"),
            { QStringLiteral("black"), large + QStringLiteral("[interlace]"),
                QStringLiteral("8000"), QStringLiteral("6000"), QStringLiteral("--bands"),
                QStringLiteral("3") },
            &code);
        QCOMPARE(code, 0);
        const QByteArray largeScans = readAll(large);
        QTest::newRow("large progressive, cut at 50 %, end marker added")
            << largeScans.left(largeScans.size() / 2) + end << 600;
        // The size a hostile header claims, under a limit raised to let it through.
        QTest::newRow("header claims 65500 x 65500")
            << withFrameSize(jpeg, 65500, 65500, "\xff\xc0").left(1400) + end << 600;
    }

    void damagedJpegsFail()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, width);
        const QString file = writeAll(in(QStringLiteral("damaged.jpg")), bytes);
        const qint64 limit = 5'000'000'000;
        QVERIFY(ImageCodec::probe(file, limit).ok);
        const ResizeStatus status = render(file, width, width * 3 / 4, limit);
        QCOMPARE(status.error, ResizeError::DecodeFailed);
        QVERIFY2(
            status.message.startsWith(QLatin1String("the JPEG data ends early or is damaged: ")),
            qPrintable(status.message));
        QVERIFY(outputs().isEmpty());
    }

    // Warnings that lose no pixel leave the file good.
    void harmlessJpegWarningsPass_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jpeg = photo();
        const qsizetype tables = jpeg.indexOf(QByteArray("\xff\xdb", 2));
        QTest::newRow("extraneous bytes before a marker")
            << jpeg.left(tables) + QByteArray(3, '\0') + jpeg.mid(tables);
        QByteArray app9("\xff\xe9\x00\x16", 4);
        app9 += "UnknownApplication!!";
        QTest::newRow("unknown APP segment") << jpeg.left(2) + app9 + jpeg.mid(2);
        QTest::newRow("extraneous bytes before the end marker")
            << jpeg.left(jpeg.size() - 2) + QByteArray(5, '\x17') + jpeg.right(2);
    }

    void harmlessJpegWarningsPass()
    {
        QFETCH(QByteArray, bytes);
        const QString file = writeAll(in(QStringLiteral("harmless.jpg")), bytes);
        const ResizeStatus status = render(file, 600, 450);
        QVERIFY2(status.ok(), qPrintable(status.message));
        QCOMPARE(TestSupport::inspect(mOut + QStringLiteral("/harmless.png")).width, 600);
    }

    // The verdict on a source cut short must not depend on which rows the threads happened to
    // compute: the same file fails on every run. Encoded as JPEG, small outputs especially,
    // some of these runs used to write a file.
    void verdictIsTheSameOnEveryRun_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jpeg = photo();
        QTest::newRow("JPEG without its end marker") << "noend.jpg" << jpeg.left(jpeg.size() - 2);
        QTest::newRow("JPEG cut 500 bytes short") << "short.jpg" << jpeg.left(jpeg.size() - 500);

        // A PNG whose chunks are all whole but whose pixel data stops 9 rows early.
        const QString whole = TestSupport::writeImage(in(QStringLiteral("whole.png")), 1200, 900);
        const QByteArray png = readAll(whole);
        const PngChunks chunks = pngChunks(png);
        const quint32 width = qFromBigEndian<quint32>(chunks.header.constData());
        const quint32 height = qFromBigEndian<quint32>(chunks.header.constData() + 4);
        const int channels = chunks.header.at(9) == 6 ? 4 : 3;
        const qsizetype rowBytes = 1 + qsizetype(width) * channels;
        QByteArray sized(4, '\0');
        qToBigEndian(static_cast<quint32>(rowBytes * height), sized.data());
        const QByteArray raw = qUncompress(sized + chunks.pixels);
        QCOMPARE(raw.size(), rowBytes * height);
        const QByteArray shortened = qCompress(raw.left(rowBytes * (height - 9))).mid(4);
        QTest::newRow("PNG missing its last rows") << "rows.png"
                                                   << png.left(8) + pngChunk("IHDR", chunks.header)
                + pngChunk("IDAT", shortened) + pngChunk("IEND", QByteArray());
        QTest::newRow("PNG cut in half") << "half.png" << png.left(png.size() / 2);
    }

    void verdictIsTheSameOnEveryRun()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString file = writeAll(in(name), bytes);
        for (int run = 0; run < 15; ++run) {
            for (const int width : { 100, 400 }) {
                const ResizeStatus status = render(
                    file, width, width * 3 / 4, ImageCodec::kDefaultMaxPixels, OutputFormat::Jpeg);
                QVERIFY2(status.error == ResizeError::DecodeFailed,
                    qPrintable(QStringLiteral("run %1, width %2: %3")
                                   .arg(run)
                                   .arg(width)
                                   .arg(status.ok() ? QStringLiteral("written") : status.message)));
                QVERIFY(outputs().isEmpty());
            }
        }
    }

    // Sizes made to exhaust the memory are refused from the header, unread, and the reason
    // says how to raise the limit.
    void sourcesAboveThePixelLimitAreRefusedUnread_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("size");

        // 35 bytes: a GIF whose only frame claims 65535 x 65535.
        QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
        gif += QByteArray("\x00\x00\x00\xff\xff\xff", 6);
        gif += QByteArray(",\x00\x00\x00\x00\xff\xff\xff\xff\x00", 10);
        gif += QByteArray("\x02\x02\x44\x01\x00;", 6);
        QTest::newRow("35-byte GIF") << "bomb.gif" << gif << "65535 x 65535";

        const QByteArray end("\xff\xd9", 2);
        QTest::newRow("1.4 KB JPEG header")
            << "bomb.jpg" << withFrameSize(photo(), 64250, 64250, "\xff\xc0").left(1400) + end
            << "64250 x 64250";

        QBuffer progressive;
        progressive.open(QIODevice::WriteOnly);
        QImageWriter writer(&progressive, "jpeg");
        writer.setProgressiveScanWrite(true);
        QVERIFY(writer.write(TestSupport::pattern(600, 400)));
        QTest::newRow("progressive JPEG header")
            << "progressive.jpg" << withFrameSize(progressive.data(), 22500, 33300, "\xff\xc2")
            << "22500 x 33300";

        QByteArray header
            = pngChunks(readAll(TestSupport::writeImage(in(QStringLiteral("small.png")), 60, 40)))
                  .header;
        qToBigEndian(quint32(60000), header.data());
        qToBigEndian(quint32(60000), header.data() + 4);
        QTest::newRow("PNG header") << "bomb.png"
                                    << QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header)
                + pngChunk("IDAT", qCompress(QByteArray(64, '\0')).mid(4))
                + pngChunk("IEND", QByteArray())
                                    << "60000 x 60000";
    }

    void sourcesAboveThePixelLimitAreRefusedUnread()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, size);
        const QString file = writeAll(in(name), bytes);
        // The header is read before anything else: without a limit it gives the size claimed.
        const ImageCodec::SourceInfo unlimited
            = ImageCodec::probe(file, std::numeric_limits<qint64>::max());
        QCOMPARE(QStringLiteral("%1 x %2").arg(unlimited.width).arg(unlimited.height), size);
        expectRefused(file, size + QStringLiteral(" pixels"));
        const QString reason = ImageCodec::probe(file).error;
        QVERIFY2(reason.contains(QLatin1String("above the limit of 500 megapixels")),
            qPrintable(reason));
        QVERIFY2(reason.contains(QLatin1String("maxMegapixels"))
                && reason.contains(QLatin1String("--max-megapixels")),
            qPrintable(reason));
    }

    // Sources whose decoder would allocate by what it finds inside rather than by the size
    // it reports first: each is held to the pixel limit (a low one here, so that nothing large
    // is made) from its own structure, before the decoder reads it. Sources that a decoder
    // refuses by a limit of its own: the reason is the decoder's.
    void hostileSourcesAreRefusedUnread_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("maxPixels");
        QTest::addColumn<QString>("reason");
        const qint64 limit = 4'000'000;
        QTest::newRow("HEIF grid larger than it states")
            << "grid.heic" << heifGrid(3) << limit << "its tiles make 1536 x 1536";
        QTest::newRow("HEIF grid above the limit")
            << "tiles.heic" << heifGrid(5) << qint64(1'000'000) << "assembled from tiles";
        QTest::newRow("HEIF wider than libheif reads")
            << "wide.heic" << heifGrid(33, 33 * 512) << ImageCodec::kDefaultMaxPixels
            << "exceeds the maximum image size 16384x16384";
        QByteArray psd = QByteArray("8BPS\0\x01", 6) + QByteArray(6, '\0') + bigEndian16(3)
            + bigEndian32(100) + bigEndian32(20000) + bigEndian16(8) + bigEndian16(3);
        psd += QByteArray(14, '\0') + QByteArray(60000, '\x7f');
        QTest::newRow("PSD wider than ImageMagick reads")
            << "wide.psd" << psd << ImageCodec::kDefaultMaxPixels
            << "ImageMagick: width or height exceeds limit";
        QTest::newRow("PDF page drawing a large image")
            << "drawing.pdf" << imagePdf(3000, 3000) << limit << "holds an image (9 megapixels)";
        QTest::newRow("ICNS with a large PNG picture")
            << "icon.icns" << icnsWithPng(3000, 3000) << limit << "3000 x 3000 pixels";
        QByteArray elements
            = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\">";
        for (int i = 0; i < 5000; ++i)
            elements += "<rect width=\"1\" height=\"1\"/>";
        elements += "</svg>";
        QTest::newRow("SVG of many elements")
            << "many.svg" << elements << qint64(2'000'000) << "5001 elements, more than the 2000";
        QTest::newRow("SVG of many bytes")
            << "long.svg" << elements << qint64(8'000) << "larger than 0.001 MB";
        QProcess gzip;
        gzip.start(QStringLiteral("gzip"),
            { QStringLiteral("-c"), writeAll(in(QStringLiteral("many-plain.svg")), elements) });
        QVERIFY(gzip.waitForFinished());
        const QByteArray compressed = gzip.readAllStandardOutput();
        QTest::newRow("compressed SVG of many elements")
            << "many-compressed.svg" << compressed << qint64(2'000'000) << "5001 elements";
        QTest::newRow("SVG whose size overflows")
            << "huge.svg"
            << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1e9mm\" "
                          "height=\"30\"><rect width=\"10\" height=\"10\"/></svg>")
            << limit << "the SVG states its size as 1e9mm x 30, which cannot be drawn";
        QTest::newRow("WebP canvas in many frames")
            << "frames.webp"
            << readAll(TestSupport::writeWebpAnimation(in(QStringLiteral("frames.webp")), 200, 120))
            << limit << "200 x 200 pixels in 120 frames";
    }

    void hostileSourcesAreRefusedUnread()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, maxPixels);
        QFETCH(QString, reason);
        expectRefused(writeAll(in(name), bytes), reason, maxPixels);
    }

    // libvips' header counts at most 4,097 frames of a GIF: a longer one keeps every frame,
    // and its first frame knows how many there are.
    void everyFrameOfALongGif()
    {
        const QString file = writeAll(in(QStringLiteral("long.gif")), manyFrameGif(5000));
        QCOMPARE(ImageCodec::probe(file).pages, 5000);
        const ResizeStatus animated
            = render(file, 1, 1, ImageCodec::kDefaultMaxPixels, OutputFormat::Gif);
        QVERIFY2(animated.ok(), qPrintable(animated.message));
        // Counted by ImageMagick: libvips' reader would stop at 4,097 again.
        const QString pages = TestSupport::run(
            QStringLiteral("identify"), { "-format", "%n\\n", mOut + QStringLiteral("/long.png") });
        QCOMPARE(pages.section(QLatin1Char('\n'), 0, 0), QStringLiteral("5000"));
        const ResizeStatus still
            = render(file, 1, 1, ImageCodec::kDefaultMaxPixels, OutputFormat::Png);
        QVERIFY2(still.ok(), qPrintable(still.message));
        QCOMPARE(still.message, QStringLiteral("first frame of 5000"));
    }

    // The frames of an animated GIF are decoded whole, or the image fails: data that ends
    // inside a frame, or a frame far larger than the picture (decoding it would cost as much
    // as a picture of that size).
    void damagedGifAnimationsFail_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QList<QColor> palette { Qt::red, Qt::blue };
        const TestSupport::GifFrame red { .width = 20, .height = 20, .pixels = QList<int>(400, 0) };
        const TestSupport::GifFrame blue {
            .width = 20, .height = 20, .pixels = QList<int>(400, 1)
        };
        const QByteArray whole = TestSupport::gifAnimation(20, 20, palette, { red, blue, red });
        QTest::newRow("cut inside the last frame")
            << whole.left(whole.size() - 200) << "the image data ends early or is damaged";
        const TestSupport::GifFrame huge {
            .width = 1000, .height = 1000, .pixels = QList<int>(1000 * 1000, 1)
        };
        QTest::newRow("a frame 1000 x 1000 on a 20 x 20 picture")
            << TestSupport::gifAnimation(20, 20, palette, { red, huge, red })
            << "a frame of the GIF is 1000 x 1000 pixels, far larger than the picture's 20 x 20";
    }

    void damagedGifAnimationsFail()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString file = writeAll(in(QStringLiteral("damaged.gif")), bytes);
        QCOMPARE(ImageCodec::probe(file).pages, 3);
        const ResizeStatus status
            = render(file, 20, 20, ImageCodec::kDefaultMaxPixels, OutputFormat::Gif);
        QCOMPARE(status.error, ResizeError::DecodeFailed);
        QCOMPARE(status.message, reason);
        QVERIFY(outputs().isEmpty());
    }

    void pixelLimitIsInclusive()
    {
        const QString file = TestSupport::writeImage(in(QStringLiteral("limit.png")), 1200, 1000);
        QVERIFY(ImageCodec::probe(file, 1'200'000).ok);
        QVERIFY(render(file, 120, 100, 1'200'000).ok());
        QVERIFY(!ImageCodec::probe(file, 1'199'999).ok);
        QCOMPARE(render(file, 120, 100, 1'199'999).error, ResizeError::DecodeFailed);
        QVERIFY(ImageCodec::decodePreview(file, 100, 1'199'999).image.isNull());
        QVERIFY(!ImageCodec::decodePreview(file, 100, 1'200'000).image.isNull());
    }

    // A target that no encoder can make is a settings failure found before decoding, and the
    // reason names the size.
    void targetSizesThatCannotBeMade_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("named");
        QTest::newRow("JPEG 100000 wide") << 100000.0f << int(OutputFormat::Jpeg) << "100000 ×";
        QTest::newRow("PNG 2e7 wide") << 2e7f << int(OutputFormat::Png) << "20000000 ×";
        QTest::newRow("1e30 wide") << 1e30f << int(OutputFormat::Tiff) << "1e+30 ×";
        // In whole pixels, as the render would make them.
        QTest::newRow("WebP 33333.3 wide")
            << 33333.3f << int(OutputFormat::WebP) << "33333 × 25000 pixels";
    }

    void targetSizesThatCannotBeMade()
    {
        QFETCH(float, width);
        QFETCH(int, format);
        QFETCH(QString, named);
        TestSupport::writeImage(in(QStringLiteral("size.png")), 40, 30);
        Settings pref(nullptr);
        pref.setValue(Setting::outputFolder, mOut);
        pref.setValue(Setting::proportional, true);
        pref.setValue(Setting::givenSide, GivenSide::First);
        pref.setValue(Setting::width, width);
        pref.setValue(Setting::outputFormat, OutputFormat(format));
        ImageEntry image(in(QStringLiteral("size.png")));
        ResizeStatus status;
        QVERIFY(!TestSupport::writeResized(image, pref.resizeOptions(), 1, &status));
        QCOMPARE(status.error, ResizeError::InvalidSettings);
        QVERIFY2(status.message.contains(named), qPrintable(status.message));
        QVERIFY(outputs().isEmpty());
    }

    // The output is held to the pixel limit too, frames included where the format keeps
    // them: a tiny source cannot ask for a huge file, in the batch, its dry run or the window.
    void outputsAboveThePixelLimit_data()
    {
        QTest::addColumn<int>("sourceWidth");
        QTest::addColumn<int>("sourceHeight");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("problem");
        QTest::newRow("1 x 5000 made 800 wide") << 1 << 5000 << 1 << int(OutputFormat::Tiff)
                                                << "800 x 4000000 pixels (3200 megapixels)";
        QTest::newRow("40 frames kept") << 1 << 1 << 40 << int(OutputFormat::Gif)
                                        << "800 x 800 pixels in 40 frames (26 megapixels)";
        QTest::newRow("first of 40 frames") << 1 << 1 << 40 << int(OutputFormat::Jpeg) << "";
    }

    void outputsAboveThePixelLimit()
    {
        QFETCH(int, sourceWidth);
        QFETCH(int, sourceHeight);
        QFETCH(int, frames);
        QFETCH(int, format);
        QFETCH(QString, problem);
        Settings pref(nullptr);
        pref.setValue(Setting::outputFolder, mOut);
        pref.setValue(Setting::proportional, true);
        pref.setValue(Setting::givenSide, GivenSide::First);
        pref.setValue(Setting::width, 800);
        pref.setValue(Setting::outputFormat, OutputFormat(format));
        pref.setValue(Setting::maxMegapixels, frames > 1 ? 20 : 500);
        const QString found
            = ImageWork::outputSize(pref.resizeOptions(), sourceWidth, sourceHeight, frames)
                  .problem();
        QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.contains(problem), qPrintable(found));
        if (frames > 1)
            return;
        // Refused before anything is decoded.
        const QString tall = TestSupport::writeImage(in(QStringLiteral("tall.png")), 1, 5000);
        ResizeStatus status;
        ImageEntry image(tall);
        QVERIFY(!TestSupport::writeResized(image, pref.resizeOptions(), 1, &status));
        QCOMPARE(status.error, ResizeError::InvalidSettings);
        QVERIFY2(status.message.contains(problem), qPrintable(status.message));
        QVERIFY(outputs().isEmpty());
    }
    // A limit between the files at quality 90 and at 40 is met at the highest quality whose
    // file fits, at the full pixel size.
    void sizeLimitLowersTheQuality_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("JPEG") << int(OutputFormat::Jpeg);
        QTest::newRow("WebP") << int(OutputFormat::WebP);
        QTest::newRow("AVIF") << int(OutputFormat::Avif);
        QTest::newRow("HEIC") << int(OutputFormat::Heic);
        QTest::newRow("JPEG XL") << int(OutputFormat::JpegXl);
    }

    void sizeLimitLowersTheQuality()
    {
        QFETCH(int, format);
        const QString source = detailedPhoto();
        QString output;
        const auto bytesAt = [&](float quality) {
            const ResizeStatus free = renderWithin(source, 320, 240, format, quality, 0, &output);
            return free.ok() ? QFileInfo(output).size() : -1;
        };
        const qint64 limit = (bytesAt(0.9f) + bytesAt(0.4f)) / 2;
        const ResizeStatus status = renderWithin(source, 320, 240, format, 0.9f, limit, &output);
        QVERIFY2(status.ok(), qPrintable(status.message));
        QVERIFY2(QFileInfo(output).size() <= limit, qPrintable(output));
        QCOMPARE(TestSupport::inspect(output).width, 320);
        const int quality = status.encoded.quality;
        QVERIFY2(quality > 40 && quality < 90, qPrintable(QString::number(quality)));
        QCOMPARE(status.encoded.scale, 1.0);
        QVERIFY2(status.message.startsWith(QStringLiteral("quality %1 to fit").arg(quality)),
            qPrintable(status.message));
        QVERIFY(bytesAt((quality + 1) / 100.0f) > limit);
    }

    // When the lowest quality is too large, or the format takes none, every side is made
    // smaller in steps, every frame of an animation alike.
    void sizeLimitMakesTheImageSmaller_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("frames");
        QTest::newRow("PNG") << int(OutputFormat::Png) << 1;
        QTest::newRow("JPEG past its lowest quality") << int(OutputFormat::Jpeg) << 1;
        QTest::newRow("GIF animation") << int(OutputFormat::Gif) << 3;
    }

    void sizeLimitMakesTheImageSmaller()
    {
        QFETCH(int, format);
        QFETCH(int, frames);
        QString source = detailedPhoto();
        if (frames > 1) {
            source = in(QStringLiteral("plasma.gif"));
            TestSupport::run(QStringLiteral("convert"),
                { "-seed", "3", "-size", "320x240", "plasma:", "plasma:", "plasma:", source });
        }
        QString output;
        // At the lowest quality, 30: the steps must make it smaller.
        QVERIFY(renderWithin(source, 320, 240, format, 0.3f, 0, &output).ok());
        const qint64 limit = QFileInfo(output).size() / 2;
        const ResizeStatus status = renderWithin(source, 320, 240, format, 0.85f, limit, &output);
        QVERIFY2(status.ok(), qPrintable(status.message));
        QVERIFY2(QFileInfo(output).size() <= limit, qPrintable(output));
        QVERIFY(status.encoded.scale < 1.0);
        const TestSupport::Facts written = TestSupport::inspect(output);
        QCOMPARE(written.width, status.encoded.width);
        QCOMPARE(written.height, status.encoded.height);
        QVERIFY(written.width < 320);
        QVERIFY(std::abs(written.height - written.width * 3 / 4) <= 1);
        const QString pages = TestSupport::run(
            QStringLiteral("vipsheader"), { "-f", "n-pages", output + QStringLiteral("[n=-1]") });
        QCOMPARE(pages.trimmed().toInt(), frames > 1 ? frames : 0);
        QVERIFY2(status.message.contains(QStringLiteral("made %1 % as large")
                                             .arg(std::lround(status.encoded.scale * 100))),
            qPrintable(status.message));
    }

    // A limit that no size can meet fails the image as a setting, and nothing is written.
    void sizeLimitThatCannotBeMet()
    {
        QString output;
        const ResizeStatus status = renderWithin(
            detailedPhoto(), 320, 240, int(OutputFormat::Jpeg), 0.85f, 100, &output);
        QCOMPARE(status.error, ResizeError::InvalidSettings);
        QCOMPARE(status.message, QStringLiteral("cannot be made smaller than 100 bytes"));
        QVERIFY(outputs().isEmpty());
    }

    // The quality is on JPEG's scale in every format: a higher number never makes a smaller
    // file, and at the default AVIF and HEIC spend about what JPEG does instead of several
    // times as much (measured on this picture: HEIC 3.0 times JPEG's bytes, AVIF 1.03 times
    // when their encoders were given the number as it was; 0.55 and 0.57 times mapped).
    void qualityScaleOfEachFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<double>("largestOfJpeg"); // the default's bytes, at most JPEG's times
        QTest::newRow("WebP") << int(OutputFormat::WebP) << 1.0;
        QTest::newRow("AVIF") << int(OutputFormat::Avif) << 0.8;
        QTest::newRow("HEIC") << int(OutputFormat::Heic) << 0.8;
        QTest::newRow("JPEG XL") << int(OutputFormat::JpegXl) << 1.0;
    }

    void qualityScaleOfEachFormat()
    {
        QFETCH(int, format);
        QFETCH(double, largestOfJpeg);
        const QString source = plasmaPhoto();
        QString output;
        const auto bytesAt = [&](int f, float quality) {
            const ResizeStatus status = renderWithin(source, 640, 480, f, quality, 0, &output);
            return status.ok() ? QFileInfo(output).size() : -1;
        };
        qint64 previous = 0;
        for (const float quality : { 0.1f, 0.3f, 0.6f, 0.85f, 0.95f, 1.0f }) {
            const qint64 bytes = bytesAt(format, quality);
            QVERIFY2(bytes > previous, qPrintable(QStringLiteral("%1 bytes at %2, %3 below")
                                                      .arg(bytes)
                                                      .arg(quality)
                                                      .arg(previous)));
            previous = bytes;
        }
        const qint64 jpeg = bytesAt(int(OutputFormat::Jpeg), 0.85f);
        const qint64 bytes = bytesAt(format, 0.85f);
        QVERIFY2(bytes <= jpeg * largestOfJpeg,
            qPrintable(QStringLiteral("%1 bytes against JPEG's %2").arg(bytes).arg(jpeg)));
    }

    // Lossless keeps every pixel where the format has it; quality 100 is the top of the lossy
    // scale, not lossless.
    void losslessIsItsOwnChoice_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("lossless");
        QTest::addColumn<bool>("identical");
        QTest::newRow("WebP lossless") << int(OutputFormat::WebP) << true << true;
        QTest::newRow("JPEG XL lossless") << int(OutputFormat::JpegXl) << true << true;
        QTest::newRow("WebP at 100") << int(OutputFormat::WebP) << false << false;
        QTest::newRow("JPEG XL at 100") << int(OutputFormat::JpegXl) << false << false;
    }

    void losslessIsItsOwnChoice()
    {
        QFETCH(int, format);
        QFETCH(bool, lossless);
        QFETCH(bool, identical);
        QString output;
        QVERIFY(renderWithin(plasmaPhoto(), 320, 240, int(OutputFormat::Png), 1.0f, 0, &output)
                    .ok());
        const QImage exact = decodedPixels(output);
        QCOMPARE(exact.size(), QSize(320, 240));
        const ResizeStatus status
            = renderWithin(plasmaPhoto(), 320, 240, format, 1.0f, 0, &output, lossless);
        QVERIFY2(status.ok(), qPrintable(status.message));
        QCOMPARE(decodedPixels(output) == exact, identical);
        QCOMPARE(status.encoded.quality, lossless ? -1 : 100);
    }

    // With a size limit, lossless is written when it fits; otherwise the lossy search finds the
    // quality, and the note says the file is lossy.
    void sizeLimitWithLossless_data()
    {
        QTest::addColumn<double>("limitOfLossless"); // the limit, times the lossless file's bytes
        QTest::addColumn<int>("quality"); // -1: lossless
        QTest::addColumn<QString>("note");
        QTest::newRow("lossless fits") << 1.0 << -1 << QString();
        QTest::newRow("lossy at the set quality")
            << 0.6 << 90 << QStringLiteral("lossy at quality 90 to fit");
        QTest::newRow("lossy at a lower quality")
            << 0.05 << 0 << QStringLiteral("lossy, quality %1 to fit");
    }

    void sizeLimitWithLossless()
    {
        QFETCH(double, limitOfLossless);
        QFETCH(int, quality);
        QFETCH(QString, note);
        const QString source = plasmaPhoto();
        const int webp = int(OutputFormat::WebP);
        QString output;
        QVERIFY(renderWithin(source, 320, 240, webp, 0.9f, 0, &output, true).ok());
        const qint64 limit = std::llround(QFileInfo(output).size() * limitOfLossless);
        const ResizeStatus status = renderWithin(source, 320, 240, webp, 0.9f, limit, &output, true);
        QVERIFY2(status.ok(), qPrintable(status.message));
        QVERIFY(QFileInfo(output).size() <= limit);
        QCOMPARE(status.encoded.scale, 1.0);
        if (quality == 0) { // somewhere below the set quality
            QVERIFY2(status.encoded.quality >= 30 && status.encoded.quality < 90,
                qPrintable(QString::number(status.encoded.quality)));
            note = note.arg(status.encoded.quality);
        } else {
            QCOMPARE(status.encoded.quality, quality);
        }
        QVERIFY2(note.isEmpty() ? status.message.isEmpty() : status.message.startsWith(note),
            qPrintable(status.message));
    }

    // A JPEG is progressive where that makes the smaller file: a detailed picture of some size,
    // not a small one.
    void progressiveWhereSmaller_data()
    {
        QTest::addColumn<bool>("smooth");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("progressive");
        QTest::newRow("detailed, 640 px") << false << 640 << true;
        QTest::newRow("small, 64 px") << false << 64 << false;
        QTest::newRow("smooth, 640 px") << true << 640 << false;
    }

    void progressiveWhereSmaller()
    {
        QFETCH(bool, smooth);
        QFETCH(int, side);
        QFETCH(bool, progressive);
        const QString gradient = in(QStringLiteral("gradient.png"));
        if (smooth)
            QVERIFY(TestSupport::pattern(640, 480).save(gradient));
        QString output;
        const ResizeStatus status = renderWithin(smooth ? gradient : plasmaPhoto(), side,
            side * 3 / 4, int(OutputFormat::Jpeg), 0.85f, 0, &output);
        QVERIFY2(status.ok(), qPrintable(status.message));
        const QString interlaced = TestSupport::run(
            QStringLiteral("vipsheader"), { "-f", "interlaced", output });
        QCOMPARE(interlaced.trimmed() == QLatin1String("1"), progressive);
        // Read back by every reader: libvips, ImageMagick and Qt.
        QCOMPARE(TestSupport::inspect(output).width, side);
        QCOMPARE(QImage(output).width(), side);
    }

    // A transparent picture ending on an opaque colour (the background, or white in a format
    // without alpha) is the picture libvips' own resampling in premultiplied alpha, flattened
    // afterwards, gives: within a level on average. Next to sharp lines where the picture is
    // nearly clear, the kernel's ringing is clipped differently, by up to a tenth of the range.
    void flattenedPictureIsTheResampledOne_data()
    {
        QTest::addColumn<bool>("flatten");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<int>("format");
        QTest::newRow("background on, PNG")
            << true << QColor(40, 90, 200) << int(OutputFormat::Png);
        QTest::newRow("BMP keeps no alpha: white") << false << QColor() << int(OutputFormat::Bmp);
    }

    void flattenedPictureIsTheResampledOne()
    {
        QFETCH(bool, flatten);
        QFETCH(QColor, background);
        QFETCH(int, format);
        // Alpha from clear to opaque across the picture, under colour and thin lines.
        QImage picture(600, 400, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        QLinearGradient gradient(0, 0, 600, 0);
        gradient.setColorAt(0, QColor(230, 40, 20, 0));
        gradient.setColorAt(1, QColor(20, 200, 90, 255));
        painter.fillRect(picture.rect(), gradient);
        painter.setPen(QPen(Qt::black, 2));
        for (int x = 10; x < 600; x += 23)
            painter.drawLine(x, 0, x + 40, 400);
        painter.end();
        const QString source = in(QStringLiteral("clear.png"));
        QVERIFY(picture.save(source));

        ImageCodec::RenderRequest request;
        request.sourcePath = source;
        request.width = 210;
        request.height = 140;
        request.format = OutputFormat(format);
        request.flatten = flatten;
        request.background = background;
        const QString output = mOut + QStringLiteral("/clear.")
            + QLatin1String(OutputFormats::find(request.format)->extension);
        const ResizeStatus status = TestSupport::renderToFile(request, output);
        QVERIFY2(status.ok(), qPrintable(status.message));

        const QColor onto = flatten ? background : QColor(Qt::white);
        const QString resampled = mOut + QStringLiteral("/reference.v");
        const QString reference = mOut + QStringLiteral("/reference.png");
        int code = -1;
        TestSupport::run(QStringLiteral("vips"),
            { "thumbnail", source, resampled, "210", "--height", "140", "--size", "force" }, &code);
        QCOMPARE(code, 0);
        TestSupport::run(QStringLiteral("vips"),
            { "flatten", resampled, reference, "--background",
                QStringLiteral("%1 %2 %3").arg(onto.red()).arg(onto.green()).arg(onto.blue()) },
            &code);
        QCOMPARE(code, 0);

        const auto [mean, largest] = colourDifference(QImage(output), QImage(reference));
        QVERIFY2(mean < 1.0 && largest <= 25,
            qPrintable(QStringLiteral("mean %1, largest %2").arg(mean).arg(largest)));
    }

    // A picture with alpha is resampled as if its alpha were opaque until a pixel says
    // otherwise: an opaque one comes out opaque with the colours of libvips' own resampling
    // (which truncates to whole levels, half a level darker on average; next to the sharp
    // line the kernel's ringing rounds apart by a few levels); one clear only in its last
    // rows is made again the ordinary way, those rows kept clear.
    void alphaGuessedOpaqueIsChecked_data()
    {
        QTest::addColumn<int>("clearRows");
        QTest::newRow("opaque throughout") << 0;
        QTest::newRow("clear in its last rows") << 30;
    }

    void alphaGuessedOpaqueIsChecked()
    {
        QFETCH(int, clearRows);
        QImage picture = TestSupport::pattern(600, 400).convertToFormat(QImage::Format_ARGB32);
        for (int y = 400 - clearRows; y < 400; ++y) {
            for (int x = 0; x < 600; ++x)
                picture.setPixelColor(x, y, Qt::transparent);
        }
        const QString source = in(QStringLiteral("alpha.png"));
        QVERIFY(picture.save(source));
        const ResizeStatus status = render(source, 210, 140);
        QVERIFY2(status.ok(), qPrintable(status.message));

        const QImage written(mOut + QStringLiteral("/alpha.png"));
        QVERIFY(written.hasAlphaChannel());
        QCOMPARE(qAlpha(written.pixel(0, 0)), 255);
        QCOMPARE(qAlpha(written.pixel(100, 139)), clearRows > 0 ? 0 : 255);
        const QString reference = mOut + QStringLiteral("/reference.png");
        int code = -1;
        TestSupport::run(QStringLiteral("vips"),
            { "thumbnail", source, reference, "210", "--height", "140", "--size", "force" }, &code);
        QCOMPARE(code, 0);
        const auto [mean, largest] = colourDifference(written, QImage(reference));
        QVERIFY2(mean < 1.0 && largest <= 8,
            qPrintable(QStringLiteral("mean %1, largest %2").arg(mean).arg(largest)));
    }

    // The codec's PNG writer keeps every pixel of every layout it takes, whichever filter each
    // row gets, and its file is no larger than libvips' own (zlib level 6, every filter) by
    // more than a little: a drawing, and one below a photo, still gets the search for repeated
    // strings, which the photo's rows are written without.
    void pngWriterKeepsEveryPixel_data()
    {
        QTest::addColumn<int>("bands");
        QTest::addColumn<bool>("deep");
        QTest::addColumn<QString>("content");
        for (const int bands : { 1, 2, 3, 4 }) {
            for (const bool deep : { false, true }) {
                for (const char* content : { "photo", "drawing", "photo above a drawing" })
                    QTest::addRow("%d bands, %d bits, %s", bands, deep ? 16 : 8, content)
                        << bands << deep << QString::fromLatin1(content);
            }
        }
    }

    void pngWriterKeepsEveryPixel()
    {
        QFETCH(int, bands);
        QFETCH(bool, deep);
        QFETCH(QString, content);
        using vips::VImage;
        const int width = 700;
        const int height = 500;
        // Noise on a slope for the photo (no string repeated but by chance); a tile of noise
        // repeated for the drawing.
        std::vector<uchar> grain(size_t(width) * height);
        QRandomGenerator random(7);
        for (size_t i = 0; i < grain.size(); ++i)
            grain[i] = uchar(40 + (i % width) / 4 + random.bounded(24) + random.bounded(24));
        const VImage photo = VImage::new_from_memory(
            grain.data(), grain.size(), width, height, 1, VIPS_FORMAT_UCHAR);
        const VImage drawing = VImage::gaussnoise(29, 17, VImage::option()->set("sigma", 60.0))
                                   .replicate(width / 29 + 1, height / 17 + 1)
                                   .crop(0, 0, width, height);
        VImage picture = content == QLatin1String("photo") ? photo
            : content == QLatin1String("drawing")
            ? drawing
            : photo.crop(0, 0, width, height / 2)
                  .join(drawing.crop(0, 0, width, height - height / 2), VIPS_DIRECTION_VERTICAL);
        VImage layers = picture;
        for (int band = 1; band < bands; ++band)
            layers = layers.bandjoin(picture.rot180().linear(1.0, 9.0 * band));
        const double scale = deep ? 257.0 : 1.0;
        const VipsInterpretation space = bands <= 2
            ? (deep ? VIPS_INTERPRETATION_GREY16 : VIPS_INTERPRETATION_B_W)
            : (deep ? VIPS_INTERPRETATION_RGB16 : VIPS_INTERPRETATION_sRGB);
        VImage image = layers.linear(scale, deep ? 3.0 : 0.0)
                           .cast(deep ? VIPS_FORMAT_USHORT : VIPS_FORMAT_UCHAR)
                           .copy(VImage::option()->set("interpretation", space));
        image = image.copy_memory();
        QVERIFY(PngWriter::takes(image));

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        PngWriter::write(image, &buffer);
        const QByteArray& file = buffer.data();
        const VImage read = VImage::new_from_buffer(file.constData(), size_t(file.size()), "");
        QCOMPARE(read.bands(), bands);
        QCOMPARE(read.format(), image.format());
        QCOMPARE(read.interpretation(), space);
        QCOMPARE((read - image).abs().max(), 0.0);

        void* reference = nullptr;
        size_t referenceSize = 0;
        image.write_to_buffer(".png[compression=6,filter=all]", &reference, &referenceSize);
        g_free(reference);
        QVERIFY2(double(file.size()) <= 1.02 * double(referenceSize),
            qPrintable(QStringLiteral("%1 bytes against libvips' %2")
                           .arg(file.size())
                           .arg(referenceSize)));
    }
};

QTEST_GUILESS_MAIN(TestImageCodec)
#include "tst_ImageCodec.moc"
