#include <QSize>
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
        QTest::newRow("mode 1 strips last extension") << 1 << "holiday.photo.PNG"
                                                      << "" << 0 << 1 << "/out/holiday.photo.jpg";
        QTest::newRow("mode 1 without dot") << 1 << "README"
                                            << "" << 0 << 2 << "/out/README.png";
        QTest::newRow("mode 1 leading dot") << 1 << ".hidden"
                                            << "" << 0 << 3 << "/out/.gif";
        QTest::newRow("mode 2 Img 7 tiff") << 2 << "x.jpg"
                                           << "Img" << 7 << 5 << "/out/Img0007.tif";
        QTest::newRow("mode 2 negative") << 2 << "x.jpg"
                                         << "Img" << -7 << 4 << "/out/Img-007.bmp";
        QTest::newRow("mode 2 five digits") << 2 << "x.jpg"
                                            << "Img" << 12345 << 1 << "/out/Img12345.jpg";
        QTest::newRow("mode 2 empty name") << 2 << "x.jpg"
                                           << "" << 42 << 1 << "/out/0042.jpg";
        QTest::newRow("unknown naming code") << 3 << "x.jpg"
                                             << "Img" << 1 << 1 << "/out";
    }

    void names()
    {
        QFETCH(int, nameMenu);
        QFETCH(QString, imageName);
        QFETCH(QString, name);
        QFETCH(int, num);
        QFETCH(int, format);
        QFETCH(QString, expected);
        QCOMPARE(outputPath(QStringLiteral("/out"), OutputNaming(nameMenu), imageName, name, num,
                     OutputFormat(format)),
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
        QCOMPARE(outputPath("/out/", OutputNaming::SourceName, "a.png", "", 0, OutputFormat::Jpeg),
            QStringLiteral("/out/a.jpg"));
        QCOMPARE(outputPath("/", OutputNaming::SourceName, "a.png", "", 0, OutputFormat::Jpeg),
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
        QTest::newRow("free portrait no switch")
            << false << 2 << false << P[0] << P[1] << 400.f << 300.f;
        QTest::newRow("free switch landscape")
            << false << 1 << true << L[0] << L[1] << 400.f << 300.f;
        QTest::newRow("free switch square") << false << 1 << true << S[0] << S[1] << 400.f << 300.f;
        QTest::newRow("free switch portrait")
            << false << 1 << true << P[0] << P[1] << 300.f << 400.f;
        QTest::newRow("prop 1") << true << 1 << false << P[0] << P[1] << 400.f << 0.f;
        QTest::newRow("prop 1 switch landscape")
            << true << 1 << true << L[0] << L[1] << 400.f << 0.f;
        QTest::newRow("prop 1 switch portrait")
            << true << 1 << true << P[0] << P[1] << 0.f << 400.f;
        QTest::newRow("prop 1 switch square")
            << true << 1 << true << S[0] << S[1] << 400.f << 400.f;
        QTest::newRow("prop 2") << true << 2 << false << L[0] << L[1] << 0.f << 300.f;
        QTest::newRow("prop 2 switch landscape")
            << true << 2 << true << L[0] << L[1] << 0.f << 300.f;
        QTest::newRow("prop 2 switch portrait")
            << true << 2 << true << P[0] << P[1] << 300.f << 0.f;
        QTest::newRow("prop 2 switch square")
            << true << 2 << true << S[0] << S[1] << 300.f << 300.f;
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
            = requestedSides(proportional, GivenSide(tag), switchSides, 400.f, 300.f, pw, ph);
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
        QTest::newRow("800 wide") << true << 1 << false << 800.f << 0.f << 1 << 72.f << 4000.f
                                  << 3000.f << 800 << 600;
        QTest::newRow("long side 800 portrait")
            << true << 1 << true << 800.f << 0.f << 1 << 72.f << 3000.f << 4000.f << 600 << 800;
        QTest::newRow("square short side")
            << true << 2 << true << 0.f << 300.f << 1 << 72.f << 1000.f << 1000.f << 300 << 300;
        QTest::newRow("free switched portrait")
            << false << 1 << true << 400.f << 300.f << 1 << 72.f << 3000.f << 4000.f << 300 << 400;
        QTest::newRow("height 0 derives")
            << false << 1 << false << 640.f << 0.f << 1 << 72.f << 4000.f << 3000.f << 640 << 480;
        QTest::newRow("width 0 derives")
            << false << 1 << false << 0.f << 300.f << 1 << 72.f << 4000.f << 3000.f << 400 << 300;
        QTest::newRow("inches") << true << 1 << false << 4.f << 0.f << 2 << 300.f << 4000.f
                                << 3000.f << 1200 << 900;
        QTest::newRow("mm 25.4 at 72")
            << false << 1 << false << 25.4f << 25.4f << 3 << 72.f << 100.f << 100.f << 72 << 72;
        QTest::newRow("percent prop")
            << true << 1 << false << 50.f << 0.f << 4 << 72.f << 4000.f << 3000.f << 2000 << 1500;
        QTest::newRow("percent free")
            << false << 1 << false << 50.f << 25.f << 4 << 72.f << 4000.f << 3000.f << 2000 << 750;
        QTest::newRow("unknown unit is pixels")
            << false << 1 << false << 10.f << 20.f << 9 << 72.f << 40.f << 30.f << 10 << 20;
        QTest::newRow("rounds to nearest")
            << true << 1 << false << 333.f << 0.f << 1 << 72.f << 1000.f << 999.f << 333 << 333;
        QTest::newRow("upscale") << true << 2 << false << 0.f << 900.f << 1 << 72.f << 40.f << 30.f
                                 << 1200 << 900;
        QTest::newRow("nothing given")
            << true << 4 << false << 800.f << 600.f << 1 << 72.f << 40.f << 30.f << 0 << 0;
        QTest::newRow("inches at res 0")
            << false << 1 << false << 4.f << 3.f << 2 << 0.f << 40.f << 30.f << 0 << 0;
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
        const Sides req = requestedSides(proportional, GivenSide(tag), switchSides, wv, hv, pw, ph);
        const Sides t = targetSize(req, SizeUnit(um), res, pw, ph);
        QCOMPARE(wholePixels(t.width), tw);
        QCOMPARE(wholePixels(t.height), th);
    }

    // Fit inside (both values a box) and do not enlarge, through the settings as a batch
    // reads them, in every unit.
    void sizeModes_data()
    {
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("longShort");
        QTest::addColumn<float>("wv");
        QTest::addColumn<float>("hv");
        QTest::addColumn<int>("unit");
        QTest::addColumn<float>("res");
        QTest::addColumn<bool>("noEnlarge");
        QTest::addColumn<float>("pw");
        QTest::addColumn<float>("ph");
        QTest::addColumn<int>("tw");
        QTest::addColumn<int>("th");
        const int px = 1, in = 2, mm = 3, pc = 4, both = 3;
        QTest::newRow("fit: height binds") << true << both << false << 1600.f << 1200.f << px
                                           << 72.f << false << 3000.f << 4000.f << 900 << 1200;
        QTest::newRow("fit: width binds") << true << both << false << 1600.f << 1200.f << px << 72.f
                                          << false << 4000.f << 2000.f << 1600 << 800;
        QTest::newRow("fit: exact box") << true << both << false << 1600.f << 1200.f << px << 72.f
                                        << false << 4000.f << 3000.f << 1600 << 1200;
        QTest::newRow("fit: long and short, portrait")
            << true << both << true << 1600.f << 1200.f << px << 72.f << false << 3000.f << 4000.f
            << 1200 << 1600;
        QTest::newRow("fit: long and short, landscape")
            << true << both << true << 1600.f << 1200.f << px << 72.f << false << 5000.f << 2000.f
            << 1600 << 640;
        QTest::newRow("fit: inches") << true << both << false << 4.f << 2.f << in << 300.f << false
                                     << 4000.f << 3000.f << 800 << 600;
        QTest::newRow("fit: millimetres") << true << both << false << 101.6f << 101.6f << mm
                                          << 300.f << false << 3000.f << 4000.f << 900 << 1200;
        QTest::newRow("fit: percent") << true << both << false << 50.f << 25.f << pc << 72.f
                                      << false << 4000.f << 3000.f << 1000 << 750;
        QTest::newRow("fit: a 0 sets no limit") << true << both << false << 0.f << 300.f << px
                                                << 72.f << false << 4000.f << 3000.f << 400 << 300;
        QTest::newRow("fit: enlarges") << true << both << false << 1600.f << 1600.f << px << 72.f
                                       << false << 800.f << 600.f << 1600 << 1200;
        QTest::newRow("fit, not enlarged") << true << both << false << 1600.f << 1600.f << px
                                           << 72.f << true << 800.f << 600.f << 800 << 600;
        QTest::newRow("not enlarged: inches") << true << 1 << false << 4.f << 0.f << in << 300.f
                                              << true << 800.f << 600.f << 800 << 600;
        QTest::newRow("not enlarged: percent") << false << 1 << false << 150.f << 150.f << pc
                                               << 72.f << true << 1000.f << 500.f << 1000 << 500;
        QTest::newRow("not enlarged: shrinking is unchanged")
            << true << 1 << false << 800.f << 0.f << px << 72.f << true << 4000.f << 3000.f << 800
            << 600;
        QTest::newRow("not enlarged: free, no side stretched")
            << false << 1 << false << 800.f << 600.f << px << 72.f << true << 1000.f << 500.f << 800
            << 500;
        QTest::newRow("not enlarged: mm, one pixel over")
            << true << 2 << false << 0.f << 25.4f << mm << 601.f << true << 800.f << 600.f << 800
            << 600;
    }

    void sizeModes()
    {
        QFETCH(bool, proportional);
        QFETCH(int, side);
        QFETCH(bool, longShort);
        QFETCH(float, wv);
        QFETCH(float, hv);
        QFETCH(int, unit);
        QFETCH(float, res);
        QFETCH(bool, noEnlarge);
        QFETCH(float, pw);
        QFETCH(float, ph);
        QFETCH(int, tw);
        QFETCH(int, th);
        ResizeOptions options;
        options.proportional = proportional;
        options.givenSide = GivenSide(side);
        options.longShortSides = longShort;
        options.width = wv;
        options.height = hv;
        options.unit = SizeUnit(unit);
        options.resolution = res;
        options.noEnlarge = noEnlarge;
        const Sides t = targetSize(options, pw, ph);
        QCOMPARE(wholePixels(t.width), tw);
        QCOMPARE(wholePixels(t.height), th);
    }

    // Fill and pad give the box itself; the image is first scaled to cover it (fill) or to fit
    // inside it (pad).
    void boxModes_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<bool>("longShort");
        QTest::addColumn<float>("wv");
        QTest::addColumn<float>("hv");
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("noEnlarge");
        QTest::addColumn<float>("pw");
        QTest::addColumn<float>("ph");
        QTest::addColumn<QSize>("scaled");
        QTest::addColumn<QSize>("target");
        const int fill = int(BoxMode::Fill), pad = int(BoxMode::Pad), px = 1, mm = 3, pc = 4;
        QTest::newRow("fill: height covers")
            << fill << false << 400.f << 300.f << px << false << 4000.f << 2000.f << QSize(600, 300)
            << QSize(400, 300);
        QTest::newRow("fill: width covers")
            << fill << false << 400.f << 300.f << px << false << 3000.f << 4000.f << QSize(400, 533)
            << QSize(400, 300);
        QTest::newRow("fill: long and short, portrait")
            << fill << true << 400.f << 300.f << px << false << 2000.f << 4000.f << QSize(300, 600)
            << QSize(300, 400);
        QTest::newRow("fill: millimetres") << fill << false << 25.4f << 25.4f << mm << false
                                           << 400.f << 200.f << QSize(144, 72) << QSize(72, 72);
        QTest::newRow("fill: percent") << fill << false << 50.f << 25.f << pc << false << 400.f
                                       << 200.f << QSize(200, 100) << QSize(200, 50);
        QTest::newRow("fill: enlarges") << fill << false << 400.f << 200.f << px << false << 300.f
                                        << 100.f << QSize(600, 200) << QSize(400, 200);
        QTest::newRow("fill, not enlarged: the box shrinks to the source")
            << fill << false << 400.f << 200.f << px << true << 300.f << 100.f << QSize(300, 100)
            << QSize(200, 100);
        QTest::newRow("fill, not enlarged: shrinking is unchanged")
            << fill << false << 400.f << 300.f << px << true << 4000.f << 2000.f << QSize(600, 300)
            << QSize(400, 300);
        QTest::newRow("pad: fits inside, then the box")
            << pad << false << 400.f << 400.f << px << false << 4000.f << 2000.f << QSize(400, 200)
            << QSize(400, 400);
        QTest::newRow("pad: long and short, portrait")
            << pad << true << 400.f << 300.f << px << false << 1000.f << 2000.f << QSize(200, 400)
            << QSize(300, 400);
        QTest::newRow("pad, not enlarged: the source padded")
            << pad << false << 400.f << 400.f << px << true << 300.f << 100.f << QSize(300, 100)
            << QSize(400, 400);
        QTest::newRow("pad: a 0 takes the scaled side")
            << pad << false << 400.f << 0.f << px << false << 4000.f << 2000.f << QSize(400, 200)
            << QSize(400, 200);
    }

    void boxModes()
    {
        QFETCH(int, box);
        QFETCH(bool, longShort);
        QFETCH(float, wv);
        QFETCH(float, hv);
        QFETCH(int, unit);
        QFETCH(bool, noEnlarge);
        QFETCH(float, pw);
        QFETCH(float, ph);
        QFETCH(QSize, scaled);
        QFETCH(QSize, target);
        ResizeOptions options;
        options.proportional = true;
        options.givenSide = GivenSide::Both;
        options.boxMode = BoxMode(box);
        options.longShortSides = longShort;
        options.width = wv;
        options.height = hv;
        options.unit = SizeUnit(unit);
        options.resolution = 72.f;
        options.noEnlarge = noEnlarge;
        const Sides s = scaledSize(options, pw, ph);
        QCOMPARE(QSize(wholePixels(s.width), wholePixels(s.height)), scaled);
        const Sides t = targetSize(options, pw, ph);
        QCOMPARE(QSize(wholePixels(t.width), wholePixels(t.height)), target);
    }

    // Conversions to fractional pixels, and their rounding to whole ones.
    void fractionalPixels()
    {
        // mm: 10 mm at 300 ppi is 118.11 pixels.
        QCOMPARE(convertSide(10.0f, SizeUnit::Millimetres, 300.0f, 0.0f), 118.110237f);
        // percent: 7 % of 333 pixels.
        QCOMPARE(convertSide(7.0f, SizeUnit::Percent, 0.0f, 333.0f), 23.3099995f);
        // a derived side: 333 wide from 1000 x 999 gives 332.667 high.
        const Sides t = targetSize({ 333.0f, 0.0f }, SizeUnit::Pixels, 72.0f, 1000.0f, 999.0f);
        QCOMPARE(t.height, 332.666992f);
        // A side that rounds to nothing is one pixel (1 x 1 at 12.5 %); none is none.
        QCOMPARE(wholePixels(0.125f), 1);
        QCOMPARE(wholePixels(0.5f), 1);
        QCOMPARE(wholePixels(1.5f), 2);
        QCOMPARE(wholePixels(0.0f), 0);
        QCOMPARE(wholePixels(-0.25f), 0);
        QCOMPARE(wholePixels(std::numeric_limits<float>::infinity()), 0);
        QCOMPARE(wholePixels(std::numeric_limits<float>::quiet_NaN()), 0);
    }
};

QTEST_GUILESS_MAIN(TestResizeRules)
#include "tst_ResizeRules.moc"
