#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "cli/CliOptions.h"
#include "cli/CliProgress.h"
#include "settings/TQPref.h"

// The options of ostrel-batch: what each one sets, what each bad value says, and what a run
// refuses before it starts.
class TestCliOptions : public QObject
{
    Q_OBJECT

private:
    static CliOptions parse(const QStringList& arguments)
    {
        return CliOptions::parse(QStringList { QStringLiteral("ostrel-batch") } + arguments);
    }

private slots:
    void actions()
    {
        QCOMPARE(parse({ "--help" }).action(), CliOptions::Action::Help);
        QCOMPARE(parse({ "-h" }).action(), CliOptions::Action::Help);
        QCOMPARE(parse({ "--version" }).action(), CliOptions::Action::Version);
        QCOMPARE(parse({ "a.jpg" }).action(), CliOptions::Action::Run);
        QCOMPARE(parse({}).action(), CliOptions::Action::Run);
        const QString help = parse({ "--help" }).helpText();
        for (const char* option :
            { "--output", "--width", "--height", "--unit", "--proportional", "--sides",
                "--resolution", "--format", "--quality", "--naming", "--name", "--start-number",
                "--background", "--background-color", "--max-megapixels", "--save", "Examples:" })
            QVERIFY2(help.contains(QLatin1String(option)), option);
    }

    // Each option reaches its setting, and nothing else changes.
    void overrides()
    {
        const CliOptions options = parse({ "-o", "/tmp/../tmp/out/", "-w", "800", "-H", "600.5",
            "--unit", "mm", "--proportional", "short", "-r", "300", "--format", "TIFF", "-q", "85",
            "--naming", "custom", "--name", "Trip", "--start-number", " 0007", "--background", "on",
            "--background-color", "#336699", "--max-megapixels", "2000", "x.jpg" });
        QCOMPARE(options.action(), CliOptions::Action::Run);
        TQPref pref(nullptr);
        pref.setShowFullPath(true);
        options.applyTo(pref);
        QCOMPARE(pref.getDest(), QStringLiteral("/tmp/out"));
        QCOMPARE(pref.getWidthValue(), 800.0f);
        QCOMPARE(pref.getHeightValue(), 600.5f);
        QCOMPARE(pref.getUM(), int(TQPref::UnitMillimetres));
        QVERIFY(pref.getProportional());
        QCOMPARE(pref.getTagSides(), int(TQPref::SideSecond));
        QVERIFY(pref.getSwitchSides());
        QCOMPARE(pref.getResValue(), 300.0f);
        QCOMPARE(pref.getFormatMenu(), int(TQPref::FormatTiff));
        QCOMPARE(pref.getQuality(), 0.85f);
        QCOMPARE(pref.getNameMenu(), int(TQPref::NamingCustom));
        QCOMPARE(pref.getName(), QStringLiteral("Trip"));
        QCOMPARE(pref.getNameNum(), QStringLiteral("0007"));
        QVERIFY(pref.getBackground());
        QCOMPARE(pref.getBackgroundColor().name(), QStringLiteral("#336699"));
        QCOMPARE(pref.getMaxMegapixels(), 2000);
        QVERIFY(pref.getShowFullPath());
        QVERIFY(!options.save());
    }

    void sidesAndScaling()
    {
        TQPref pref(nullptr);
        pref.setSwitchSides(true);
        parse({ "--proportional", "width" }).applyTo(pref);
        QVERIFY(pref.getProportional());
        QCOMPARE(pref.getTagSides(), 1);
        QVERIFY(!pref.getSwitchSides());
        parse({ "--proportional", "second", "--sides", "long-short" }).applyTo(pref);
        QCOMPARE(pref.getTagSides(), 2);
        QVERIFY(pref.getSwitchSides());
        parse({ "--proportional", "first" }).applyTo(pref);
        QVERIFY(pref.getSwitchSides()); // first/second leave the sides' meaning alone
        parse({ "--free", "--unit", "%" }).applyTo(pref);
        QVERIFY(!pref.getProportional());
        QCOMPARE(pref.getUM(), int(TQPref::UnitPercent));
        parse({ "--background", "off", "--background-color", "#80ff0000" }).applyTo(pref);
        QVERIFY(!pref.getBackground());
        QCOMPARE(pref.getBackgroundColor().alpha(), 128);
        QCOMPARE(pref.getBackgroundColor().red(), 255);
    }

    // Only the options given are written to a store-backed record (this is what --save does).
    void onlyGivenKeysAreStored()
    {
        QTemporaryDir dir;
        QSettings store(dir.filePath("Ostrel.conf"), QSettings::IniFormat);
        TQPref pref(&store);
        parse({ "--width", "1024", "--format", "png", "--save" }).applyTo(pref);
        store.sync();
        QStringList keys = store.allKeys();
        keys.sort();
        QCOMPARE(keys, QStringList({ "formatMenu", "widthValue" }));
        QCOMPARE(store.value("widthValue").toDouble(), 1024.0);
        QCOMPARE(store.value("formatMenu").toInt(), 2);
        QVERIFY(parse({ "--save" }).save());
    }

    // 0 in a size field means "take it from the other side", as in the window.
    void zeroSizeDerives()
    {
        QTemporaryDir dir;
        QSettings store(dir.filePath("Ostrel.conf"), QSettings::IniFormat);
        TQPref pref(&store);
        const CliOptions options = parse({ "-w", "640", "-H", "0", "photo.jpg" });
        QCOMPARE(options.action(), CliOptions::Action::Run);
        options.applyTo(pref);
        QCOMPARE(pref.getWidthValue(), 640.0f);
        QCOMPARE(pref.getHeightValue(), 0.0f);
    }

    void files()
    {
        const CliOptions options
            = parse({ "b.jpg", "./sub/../a.JPG", "/abs/c.png", "--", "-d.jpg" });
        const QDir here = QDir::current();
        QCOMPARE(options.files(),
            QStringList({ here.absoluteFilePath("b.jpg"), here.absoluteFilePath("a.JPG"),
                "/abs/c.png", here.absoluteFilePath("-d.jpg") }));
    }

    void badValues_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("width text") << QStringList { "-w", "abc" } << "--width";
        QTest::newRow("resolution zero") << QStringList { "-r", "0" } << "--resolution";
        QTest::newRow("width negative") << QStringList { "--width", "-5" } << "--width";
        QTest::newRow("height nan") << QStringList { "-H", "nan" } << "--height";
        QTest::newRow("height inf") << QStringList { "-H", "inf" } << "--height";
        QTest::newRow("resolution") << QStringList { "-r", "72dpi" } << "--resolution";
        QTest::newRow("unit") << QStringList { "--unit", "cm" } << "--unit";
        QTest::newRow("format") << QStringList { "-f", "webp" } << "--format";
        QTest::newRow("quality high") << QStringList { "-q", "101" } << "--quality";
        QTest::newRow("quality text") << QStringList { "-q", "best" } << "--quality";
        QTest::newRow("naming") << QStringList { "-n", "date" } << "--naming";
        QTest::newRow("side") << QStringList { "-p", "diagonal" } << "--proportional";
        QTest::newRow("sides") << QStringList { "--sides", "both" } << "--sides";
        QTest::newRow("start number")
            << QStringList { "--start-number", "12a" } << "--start-number";
        QTest::newRow("start number huge")
            << QStringList { "--start-number", "99999999999" } << "--start-number";
        QTest::newRow("background") << QStringList { "--background", "maybe" } << "--background";
        QTest::newRow("colour") << QStringList { "--background-color", "#12345" }
                                << "--background-color";
        QTest::newRow("name with slash") << QStringList { "--name", "a/b" } << "--name";
        QTest::newRow("pixel limit zero")
            << QStringList { "--max-megapixels", "0" } << "--max-megapixels";
        QTest::newRow("pixel limit above a million")
            << QStringList { "--max-megapixels", "1000001" } << "--max-megapixels";
        QTest::newRow("pixel limit fraction")
            << QStringList { "--max-megapixels", "2.5" } << "--max-megapixels";
        QTest::newRow("empty output") << QStringList { "-o", "" } << "--output";
        QTest::newRow("missing value") << QStringList { "x.jpg", "--width" } << "width";
        QTest::newRow("unknown option") << QStringList { "--colour", "red" } << "colour";
        QTest::newRow("twice") << QStringList { "-w", "1", "--width", "2" } << "--width";
        QTest::newRow("free and proportional")
            << QStringList { "--free", "-p", "width" } << "--free";
        QTest::newRow("contradicting sides")
            << QStringList { "-p", "long", "--sides", "width-height" } << "--sides";
    }

    void badValues()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        const CliOptions options = parse(arguments + QStringList { "photo.jpg" });
        QCOMPARE(options.action(), CliOptions::Action::UsageError);
        QVERIFY2(options.error().contains(named), qPrintable(options.error()));
    }

    void runChecks()
    {
        QTemporaryDir dir;
        TQPref pref(nullptr);
        QVERIFY(CliOptions::checkRun(pref).contains("no output folder"));
        pref.setDest(dir.filePath("missing"));
        QVERIFY(CliOptions::checkRun(pref).contains("does not exist"));
        QFile file(dir.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        pref.setDest(file.fileName());
        QVERIFY(CliOptions::checkRun(pref).contains("not a folder"));
        pref.setDest(dir.path());
        QCOMPARE(CliOptions::checkRun(pref), QString());
        pref.setNameMenu(TQPref::NamingCustom);
        QVERIFY(CliOptions::checkRun(pref).contains("--start-number"));
        pref.setNameNum(QStringLiteral("1"));
        QCOMPARE(CliOptions::checkRun(pref), QString());

        // One size of 0 is taken from the other; both 0, or 0 for the side that proportional
        // scaling is given, leave no size. A negative size is never one.
        pref.setWidthValue(0.0f);
        QCOMPARE(CliOptions::checkRun(pref), QString());
        pref.setHeightValue(0.0f);
        QVERIFY(CliOptions::checkRun(pref).contains("no size"));
        pref.setProportional(true);
        pref.setHeightValue(300.0f);
        QVERIFY(CliOptions::checkRun(pref).contains("--width"));
        pref.setTagSides(TQPref::SideSecond);
        QCOMPARE(CliOptions::checkRun(pref), QString());
        pref.setHeightValue(-5.0f);
        QVERIFY(CliOptions::checkRun(pref).contains("--height"));
        pref.setHeightValue(300.0f);
        pref.setResValue(0.0f);
        QVERIFY(CliOptions::checkRun(pref).contains("--resolution"));
    }

    void bar()
    {
        QCOMPARE(CliProgress::barLine(0, 3, "x", 6), QStringLiteral("[------] x"));
        QCOMPARE(CliProgress::barLine(1, 3, "x", 6), QStringLiteral("[##----] x"));
        QCOMPARE(CliProgress::barLine(3, 3, "x", 6), QStringLiteral("[######] x"));
        QCOMPARE(CliProgress::barLine(5, 3, "x", 6), QStringLiteral("[######] x"));
        QCOMPARE(CliProgress::barLine(1, 0, "", 4), QStringLiteral("[----] "));
    }
};

QTEST_GUILESS_MAIN(TestCliOptions)
#include "tst_CliOptions.moc"
