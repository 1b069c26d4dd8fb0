#include <QTest>

#include "core/ResizeRules.h"

using namespace ResizeRules;

// Output names and the size arithmetic, number for number.
class TestResizeRules : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<int>("nameMenu");
        QTest::addColumn<QString>("imageName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("num");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mode 1 strips last extension")
            << 1 << "holiday.photo.PNG" << "" << 0 << 1 << "/out/holiday.photo.jpg";
        QTest::newRow("mode 1 without dot") << 1 << "README" << "" << 0 << 2 << "/out/README.png";
        QTest::newRow("mode 1 leading dot") << 1 << ".hidden" << "" << 0 << 3 << "/out/.gif";
        QTest::newRow("mode 2 Img 7 tiff") << 2 << "x.jpg" << "Img" << 7 << 5 << "/out/Img0007.tif";
        QTest::newRow("mode 2 negative") << 2 << "x.jpg" << "Img" << -7 << 4 << "/out/Img-007.bmp";
        QTest::newRow("mode 2 five digits") << 2 << "x.jpg" << "Img" << 12345 << 1 << "/out/Img12345.jpg";
        QTest::newRow("mode 2 empty name") << 2 << "x.jpg" << "" << 42 << 1 << "/out/0042.jpg";
        QTest::newRow("unknown naming code") << 3 << "x.jpg" << "Img" << 1 << 1 << "/out";
    }

    void names()
    {
        QFETCH(int, nameMenu);
        QFETCH(QString, imageName);
        QFETCH(QString, name);
        QFETCH(int, num);
        QFETCH(int, format);
        QFETCH(QString, expected);
        QCOMPARE(outputPath(QStringLiteral("/out"), Settings::Naming(nameMenu), imageName, name,
                     num, OutputFormat(format)),
            expected);
    }

    void extensionsAndSeparators()
    {
        const QStringList expected
            = { "jpg", "png", "gif", "bmp", "tif", "webp", "avif", "heic", "jxl" };
        for (int code = 1; code <= 9; ++code)
            QCOMPARE(formatExtension(OutputFormat(code)), expected[code - 1]);
        QVERIFY(formatExtension(OutputFormat(0)).isEmpty());
        QVERIFY(formatExtension(OutputFormat(10)).isEmpty());
        QCOMPARE(
            outputPath("/out/", Settings::Naming::SourceName, "a.png", "", 0, OutputFormat::Jpeg),
            QStringLiteral("/out/a.jpg"));
        QCOMPARE(outputPath("/", Settings::Naming::SourceName, "a.png", "", 0, OutputFormat::Jpeg),
            QStringLiteral("/a.jpg"));
    }

    // Requested sides for every row of the side table, on a landscape, portrait and square
    // source, with width field 400 and height field 300.
    void sides_data()
    {
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("switchSides");
        QTest::addColumn<float>("pw");
        QTest::addColumn<float>("ph");
        QTest::addColumn<float>("w");
        QTest::addColumn<float>("h");
        const float L[2] = { 4000, 3000 }, P[2] = { 3000, 4000 }, S[2] = { 1000, 1000 };
        QTest::newRow("free") << false << 1 << false << L[0] << L[1] << 400.f << 300.f;
        QTest::newRow("free portrait no switch") << false << 2 << false << P[0] << P[1] << 400.f << 300.f;
        QTest::newRow("free switch landscape") << false << 1 << true << L[0] << L[1] << 400.f << 300.f;
        QTest::newRow("free switch square") << false << 1 << true << S[0] << S[1] << 400.f << 300.f;
        QTest::newRow("free switch portrait") << false << 1 << true << P[0] << P[1] << 300.f << 400.f;
        QTest::newRow("prop 1") << true << 1 << false << P[0] << P[1] << 400.f << 0.f;
        QTest::newRow("prop 1 switch landscape") << true << 1 << true << L[0] << L[1] << 400.f << 0.f;
        QTest::newRow("prop 1 switch portrait") << true << 1 << true << P[0] << P[1] << 0.f << 400.f;
        QTest::newRow("prop 1 switch square") << true << 1 << true << S[0] << S[1] << 400.f << 400.f;
        QTest::newRow("prop 2") << true << 2 << false << L[0] << L[1] << 0.f << 300.f;
        QTest::newRow("prop 2 switch landscape") << true << 2 << true << L[0] << L[1] << 0.f << 300.f;
        QTest::newRow("prop 2 switch portrait") << true << 2 << true << P[0] << P[1] << 300.f << 0.f;
        QTest::newRow("prop 2 switch square") << true << 2 << true << S[0] << S[1] << 300.f << 300.f;
        QTest::newRow("prop other tag") << true << 0 << true << L[0] << L[1] << 0.f << 0.f;
    }

    void sides()
    {
        QFETCH(bool, proportional);
        QFETCH(int, tag);
        QFETCH(bool, switchSides);
        QFETCH(float, pw);
        QFETCH(float, ph);
        QFETCH(float, w);
        QFETCH(float, h);
        const Sides s
            = requestedSides(proportional, Settings::Side(tag), switchSides, 400.f, 300.f, pw, ph);
        QCOMPARE(s.width, w);
        QCOMPARE(s.height, h);
    }

    // Whole cases from request settings to pixels, as the user sees them.
    void targets_data()
    {
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("switchSides");
        QTest::addColumn<float>("wv");
        QTest::addColumn<float>("hv");
        QTest::addColumn<int>("um");
        QTest::addColumn<float>("res");
        QTest::addColumn<float>("pw");
        QTest::addColumn<float>("ph");
        QTest::addColumn<int>("tw");
        QTest::addColumn<int>("th");
        QTest::newRow("800 wide") << true << 1 << false << 800.f << 0.f << 1 << 72.f << 4000.f << 3000.f << 800 << 600;
        QTest::newRow("long side 800 portrait") << true << 1 << true << 800.f << 0.f << 1 << 72.f << 3000.f << 4000.f << 600 << 800;
        QTest::newRow("square short side") << true << 2 << true << 0.f << 300.f << 1 << 72.f << 1000.f << 1000.f << 300 << 300;
        QTest::newRow("free switched portrait") << false << 1 << true << 400.f << 300.f << 1 << 72.f << 3000.f << 4000.f << 300 << 400;
        QTest::newRow("height 0 derives") << false << 1 << false << 640.f << 0.f << 1 << 72.f << 4000.f << 3000.f << 640 << 480;
        QTest::newRow("width 0 derives") << false << 1 << false << 0.f << 300.f << 1 << 72.f << 4000.f << 3000.f << 400 << 300;
        QTest::newRow("inches") << true << 1 << false << 4.f << 0.f << 2 << 300.f << 4000.f << 3000.f << 1200 << 900;
        QTest::newRow("mm 25.4 at 72") << false << 1 << false << 25.4f << 25.4f << 3 << 72.f << 100.f << 100.f << 72 << 72;
        QTest::newRow("percent prop") << true << 1 << false << 50.f << 0.f << 4 << 72.f << 4000.f << 3000.f << 2000 << 1500;
        QTest::newRow("percent free") << false << 1 << false << 50.f << 25.f << 4 << 72.f << 4000.f << 3000.f << 2000 << 750;
        QTest::newRow("unknown unit is pixels") << false << 1 << false << 10.f << 20.f << 9 << 72.f << 40.f << 30.f << 10 << 20;
        QTest::newRow("rounds to nearest") << true << 1 << false << 333.f << 0.f << 1 << 72.f << 1000.f << 999.f << 333 << 333;
        QTest::newRow("upscale") << true << 2 << false << 0.f << 900.f << 1 << 72.f << 40.f << 30.f << 1200 << 900;
        QTest::newRow("nothing given") << true << 3 << false << 800.f << 600.f << 1 << 72.f << 40.f << 30.f << 0 << 0;
        QTest::newRow("inches at res 0") << false << 1 << false << 4.f << 3.f << 2 << 0.f << 40.f << 30.f << 0 << 0;
    }

    void targets()
    {
        QFETCH(bool, proportional);
        QFETCH(int, tag);
        QFETCH(bool, switchSides);
        QFETCH(float, wv);
        QFETCH(float, hv);
        QFETCH(int, um);
        QFETCH(float, res);
        QFETCH(float, pw);
        QFETCH(float, ph);
        QFETCH(int, tw);
        QFETCH(int, th);
        const Sides req
            = requestedSides(proportional, Settings::Side(tag), switchSides, wv, hv, pw, ph);
        const Sides t = targetSize(req, Settings::Unit(um), res, pw, ph);
        QCOMPARE(wholePixels(t.width), tw);
        QCOMPARE(wholePixels(t.height), th);
    }

    // Single precision where the rules say so, and the one double-precision rule.
    void precision()
    {
        // mm: divide by 25.4 and multiply by res in double, rounded once to float.
        const float mm = convertSide(10.0f, Settings::Unit::Millimetres, 300.0f, 0.0f);
        QCOMPARE(mm, static_cast<float>(10.0 / 25.4 * 300.0));
        // percent divides first: (333 / 100) * 7 in float.
        QCOMPARE(
            convertSide(7.0f, Settings::Unit::Percent, 0.0f, 333.0f), (333.0f / 100.0f) * 7.0f);
        // a derived side multiplies first: 333 * 999 / 1000.
        const Sides t
            = targetSize({ 333.0f, 0.0f }, Settings::Unit::Pixels, 72.0f, 1000.0f, 999.0f);
        QCOMPARE(t.height, 333.0f * 999.0f / 1000.0f);
        QCOMPARE(wholePixels(0.49f), 0);
        QCOMPARE(wholePixels(0.5f), 1);
        QCOMPARE(wholePixels(std::numeric_limits<float>::infinity()), 0);
        QCOMPARE(wholePixels(std::numeric_limits<float>::quiet_NaN()), 0);
    }
};

QTEST_GUILESS_MAIN(TestResizeRules)
#include "tst_ResizeRules.moc"
