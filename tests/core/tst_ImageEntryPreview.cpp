#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "codec/ImageCodec.h"
#include "core/ImageEntry.h"

// The preview of a real image file (decoded small, its display size fitted into the
// 100 x 100 box, the source's pixel size recorded on the way) and the file size text.
class TestImageEntryPreview : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;

    QString path(const QString& name) const { return mDir.filePath(name); }

    static void writeBytes(const QString& file, int count)
    {
        QVERIFY(TestSupport::writeFile(file, QByteArray(count, 'x')));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(ImageCodec::initialise("tst_ImageEntryPreview"));
        QVERIFY(mDir.isValid());
    }

    void fitting_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("displayWidth");
        QTest::addColumn<double>("displayHeight");
        QTest::newRow("4000 x 3000 landscape") << 4000 << 3000 << 100.0 << 75.0;
        QTest::newRow("3000 x 4000 portrait") << 3000 << 4000 << 75.0 << 100.0;
        QTest::newRow("150 x 150 square") << 150 << 150 << 100.0 << 100.0;
        QTest::newRow("100 x 100 fits") << 100 << 100 << 100.0 << 100.0;
        QTest::newRow("80 x 60 stays") << 80 << 60 << 80.0 << 60.0;
        // The quotient in single precision, not rounded (in double it would be 49.5049504950...).
        QTest::newRow("101 x 50 single precision") << 101 << 50 << 100.0 << 49.504951477050781;
    }

    void fitting()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, displayWidth);
        QFETCH(double, displayHeight);
        const QString file = TestSupport::writeImage(
            path(QStringLiteral("fit_%1x%2.png").arg(width).arg(height)), width, height);
        ImageEntry entry(file);
        QCOMPARE(entry.pixelSize().width, 0.0f);

        const ImageEntry::Preview preview = entry.preview(1.0);
        QVERIFY(!preview.isNull());
        QCOMPARE(preview.displaySize.width(), displayWidth);
        QCOMPARE(preview.displaySize.height(), displayHeight);
        QCOMPARE(entry.pixelSize().width, static_cast<float>(width));
        QCOMPARE(entry.pixelSize().height, static_cast<float>(height));
        // The decoded pixels are only as large as the box needs on the screen.
        QCOMPARE(std::max(preview.pixels.width(), preview.pixels.height()),
            std::min(std::max(width, height), 100));
    }

    void decodeSizedForTheScreen()
    {
        const QString file = TestSupport::writeImage(path(QStringLiteral("hidpi.jpg")), 1200, 900);
        ImageEntry entry(file);
        const ImageEntry::Preview preview = entry.preview(2.0);
        QVERIFY(!preview.isNull());
        QCOMPARE(preview.pixels.devicePixelRatio(), 2.0);
        QCOMPARE(preview.pixels.width(), 200);
        QCOMPARE(preview.pixels.height(), 150);
        QCOMPARE(preview.displaySize, QSizeF(100, 75));
    }

    void keptAfterFirstBuild()
    {
        const QString file = TestSupport::writeImage(path(QStringLiteral("kept.png")), 300, 200);
        ImageEntry entry(file);
        const ImageEntry::Preview first = entry.preview();
        QVERIFY(!first.isNull());
        // The second request must not go back to the file.
        QVERIFY(QFile::remove(file));
        const ImageEntry::Preview second = entry.preview();
        QVERIFY(!second.isNull());
        QCOMPARE(second.pixels, first.pixels);
        QCOMPARE(second.displaySize, QSizeF(100, 66.666664123535156));
        QCOMPARE(entry.pixelSize().width, 300.0f);
    }

    void undecodableThenRetried()
    {
        const QString file = path(QStringLiteral("broken.jpg"));
        QVERIFY(TestSupport::writeFile(file, "this is not a JPEG file at all"));
        ImageEntry entry(file);
        QVERIFY(entry.preview().isNull());
        QCOMPARE(entry.pixelSize().width, 0.0f);
        QCOMPARE(entry.pixelSize().height, 0.0f);
        QVERIFY(entry.preview().isNull());

        // A real image in its place is picked up by the next request.
        QVERIFY(QFile::remove(file));
        TestSupport::writeImage(file, 640, 480);
        const ImageEntry::Preview preview = entry.preview();
        QVERIFY(!preview.isNull());
        QCOMPARE(preview.displaySize, QSizeF(100, 75));
        QCOMPARE(entry.pixelSize().width, 640.0f);
        QCOMPARE(entry.pixelSize().height, 480.0f);
    }

    void missingFileGivesNoPreview()
    {
        ImageEntry entry(path(QStringLiteral("nowhere.png")));
        QVERIFY(entry.preview().isNull());
        QCOMPARE(entry.pixelSize().width, 0.0f);
    }
};

QTEST_GUILESS_MAIN(TestImageEntryPreview)
#include "tst_ImageEntryPreview.moc"
