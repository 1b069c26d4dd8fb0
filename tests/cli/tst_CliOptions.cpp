#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "cli/CliOptions.h"
#include "cli/CliProgress.h"
#include "cli/SourceList.h"
#include "settings/Settings.h"

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
        for (const char* option : { "--output", "--width", "--height", "--unit", "--proportional",
                 "--sides", "--resolution", "--format", "--quality", "--naming", "--name",
                 "--start-number", "--background", "--background-color", "--max-megapixels",
                 "--jobs", "--save", "Examples:" })
            QVERIFY2(help.contains(QLatin1String(option)), option);
    }

    // Each option reaches its setting, and nothing else changes.
    void overrides()
    {
        const CliOptions options = parse({ "-o", "/tmp/../tmp/out/", "-w", "800", "-H", "600.5",
            "--unit", "mm", "--proportional", "short", "-r", "300", "--format", "TIFF", "-q", "85",
            "--naming", "custom", "--name", "Trip", "--start-number", " 0007", "--background", "on",
            "--background-color", "#336699", "--max-megapixels", "2000", "-j", "3", "x.jpg" });
        QCOMPARE(options.action(), CliOptions::Action::Run);
        Settings pref(nullptr);
        pref.setValue(Setting::showFullPath, true);
        options.applyTo(pref);
        QCOMPARE(pref.value(Setting::outputFolder), QStringLiteral("/tmp/out"));
        QCOMPARE(pref.value(Setting::width), 800.0f);
        QCOMPARE(pref.value(Setting::height), 600.5f);
        QCOMPARE(pref.value(Setting::unit), SizeUnit::Millimetres);
        QVERIFY(pref.value(Setting::proportional));
        QCOMPARE(pref.value(Setting::givenSide), GivenSide::Second);
        QVERIFY(pref.value(Setting::longShortSides));
        QCOMPARE(pref.value(Setting::resolution), 300.0f);
        QCOMPARE(pref.value(Setting::outputFormat), OutputFormat::Tiff);
        QCOMPARE(pref.value(Setting::quality), 0.85f);
        QCOMPARE(pref.value(Setting::naming), OutputNaming::CustomName);
        QCOMPARE(pref.value(Setting::baseName), QStringLiteral("Trip"));
        QCOMPARE(pref.value(Setting::startNumber), QStringLiteral("0007"));
        QVERIFY(pref.value(Setting::background));
        QCOMPARE(pref.backgroundColor().name(), QStringLiteral("#336699"));
        QCOMPARE(pref.value(Setting::maxMegapixels), 2000);
        QCOMPARE(pref.value(Setting::jobs), 3);
        QVERIFY(pref.value(Setting::showFullPath));
        QVERIFY(!options.save());
    }

    void outputFolderReadsHomeAsAShellDoes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("folder");
        QTest::newRow("--output=~/web, which the shell leaves")
            << QStringList { "--output=~/web" } << QDir::homePath() + "/web";
        QTest::newRow("~ alone") << QStringList { "-o", "~" } << QDir::homePath();
        QTest::newRow("~ inside a name")
            << QStringList { "-o", "a~/b" } << QDir::current().absoluteFilePath("a~/b");
        QTest::newRow("another user's home is not looked up")
            << QStringList { "-o", "~someone/x" } << QDir::current().absoluteFilePath("~someone/x");
    }

    void outputFolderReadsHomeAsAShellDoes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, folder);
        const CliOptions options = parse(arguments + QStringList { "x.jpg" });
        QCOMPARE(options.action(), CliOptions::Action::Run);
        Settings pref(nullptr);
        options.applyTo(pref);
        QCOMPARE(pref.value(Setting::outputFolder), folder);
    }

    void sidesAndScaling()
    {
        Settings pref(nullptr);
        pref.setValue(Setting::longShortSides, true);
        parse({ "--proportional", "width" }).applyTo(pref);
        QVERIFY(pref.value(Setting::proportional));
        QCOMPARE(int(pref.value(Setting::givenSide)), 1);
        QVERIFY(!pref.value(Setting::longShortSides));
        // Fit inside leaves the sides' meaning to --sides.
        QVERIFY(!pref.value(Setting::linearLight));
        parse({ "-p", "fit", "--sides", "long-short", "--no-enlarge", "--linear" }).applyTo(pref);
        QCOMPARE(pref.value(Setting::givenSide), GivenSide::Both);
        QVERIFY(pref.value(Setting::longShortSides));
        QVERIFY(pref.value(Setting::noEnlarge));
        QVERIFY(pref.value(Setting::linearLight));
        parse({ "--enlarge", "--existing", "number" }).applyTo(pref);
        QVERIFY(!pref.value(Setting::noEnlarge));
        QCOMPARE(pref.value(Setting::existingFile), ExistingFile::Number);
        parse({ "--existing", "skip" }).applyTo(pref);
        QCOMPARE(pref.value(Setting::existingFile), ExistingFile::Skip);
        parse({ "--proportional", "second", "--sides", "long-short" }).applyTo(pref);
        QCOMPARE(int(pref.value(Setting::givenSide)), 2);
        QVERIFY(pref.value(Setting::longShortSides));
        parse({ "--proportional", "first" }).applyTo(pref);
        QVERIFY(pref.value(Setting::longShortSides)); // first/second leave the sides' meaning alone
        parse({ "--free", "--unit", "%" }).applyTo(pref);
        QVERIFY(!pref.value(Setting::proportional));
        QCOMPARE(pref.value(Setting::unit), SizeUnit::Percent);
        parse({ "--background", "off", "--background-color", "#80ff0000" }).applyTo(pref);
        QVERIFY(!pref.value(Setting::background));
        QCOMPARE(pref.backgroundColor().alpha(), 128);
        QCOMPARE(pref.backgroundColor().red(), 255);
    }

    // -p fill and -p pad are boxes of both sides, as fit is; --crop says what fill keeps.
    void boxModes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("crop");
        QTest::newRow("fill, attention") << QStringList { "-p", "fill", "--crop", "attention" }
                                         << int(BoxMode::Fill) << int(CropPosition::Attention);
        QTest::newRow("pad, crop left alone") << QStringList { "--proportional", "pad" }
                                              << int(BoxMode::Pad) << int(CropPosition::Top);
        QTest::newRow("fit after fill")
            << QStringList { "-p", "fit" } << int(BoxMode::Fit) << int(CropPosition::Top);
        QTest::newRow("centre") << QStringList { "--crop", "center" } << int(BoxMode::Fill)
                                << int(CropPosition::Centre);
        QTest::newRow("entropy") << QStringList { "--crop", "entropy" } << int(BoxMode::Fill)
                                 << int(CropPosition::Entropy);
        QTest::newRow("bottom") << QStringList { "--crop", "bottom" } << int(BoxMode::Fill)
                                << int(CropPosition::Bottom);
        QTest::newRow("left") << QStringList { "--crop", "left" } << int(BoxMode::Fill)
                              << int(CropPosition::Left);
        QTest::newRow("right") << QStringList { "--crop", "right" } << int(BoxMode::Fill)
                               << int(CropPosition::Right);
    }

    void boxModes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, box);
        QFETCH(int, crop);
        Settings pref(nullptr);
        pref.setValue(Setting::givenSide, GivenSide::First);
        pref.setValue(Setting::boxMode, BoxMode::Fill);
        pref.setValue(Setting::cropPosition, CropPosition::Top);
        const CliOptions options = parse(arguments);
        QCOMPARE(options.action(), CliOptions::Action::Run);
        options.applyTo(pref);
        QCOMPARE(int(pref.value(Setting::boxMode)), box);
        QCOMPARE(int(pref.value(Setting::cropPosition)), crop);
        if (arguments.first() != QLatin1String("--crop"))
            QCOMPARE(pref.value(Setting::givenSide), GivenSide::Both);
    }

    void formatsAndMetadata()
    {
        Settings pref(nullptr);
        parse({ "-f", "AVIF", "--metadata", "keep" }).applyTo(pref);
        QCOMPARE(pref.value(Setting::outputFormat), OutputFormat::Avif);
        QCOMPARE(pref.value(Setting::metadata), MetadataMode::Keep);
        parse({ "-f", "jpeg-xl", "--metadata", "none" }).applyTo(pref);
        QCOMPARE(pref.value(Setting::outputFormat), OutputFormat::JpegXl);
        QCOMPARE(pref.value(Setting::metadata), MetadataMode::None);
        parse({ "-f", "heif", "--metadata", "no-personal" }).applyTo(pref);
        QCOMPARE(pref.value(Setting::outputFormat), OutputFormat::Heic);
        QCOMPARE(pref.value(Setting::metadata), MetadataMode::WithoutPersonal);
        parse({ "-f", "webp" }).applyTo(pref);
        QCOMPARE(pref.value(Setting::outputFormat), OutputFormat::WebP);
        QCOMPARE(
            pref.value(Setting::metadata), MetadataMode::WithoutPersonal); // not given: left alone
    }

    // Only the options given are written to a store-backed record (this is what --save does).
    void onlyGivenKeysAreStored()
    {
        QTemporaryDir dir;
        QSettings store(dir.filePath("Ostrel.conf"), QSettings::IniFormat);
        Settings pref(&store);
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
        Settings pref(&store);
        const CliOptions options = parse({ "-w", "640", "-H", "0", "photo.jpg" });
        QCOMPARE(options.action(), CliOptions::Action::Run);
        options.applyTo(pref);
        QCOMPARE(pref.value(Setting::width), 640.0f);
        QCOMPARE(pref.value(Setting::height), 0.0f);
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

    // Sizes in bytes, k and M decimal as file managers count them.
    void fileSizeLimits_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("bytes");
        QTest::newRow("500k") << "500k" << 500'000;
        QTest::newRow("2M") << "2M" << 2'000'000;
        QTest::newRow("bytes") << "300000" << 300'000;
        QTest::newRow("1.5M") << "1.5M" << 1'500'000;
        QTest::newRow("0.3k") << "0.3k" << 300;
        QTest::newRow("no limit") << "0" << 0;
    }

    void fileSizeLimits()
    {
        QFETCH(QString, given);
        QFETCH(int, bytes);
        const CliOptions options = parse({ "--max-file-size", given, "--min-quality", "25", "x.jpg" });
        QCOMPARE(options.action(), CliOptions::Action::Run);
        Settings pref(nullptr);
        pref.setValue(Setting::maxFileSize, 123);
        options.applyTo(pref);
        QCOMPARE(pref.value(Setting::maxFileSize), bytes);
        QCOMPARE(pref.value(Setting::minQuality), 0.25f);
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
        QTest::newRow("format") << QStringList { "-f", "pdf" } << "--format";
        QTest::newRow("quality high") << QStringList { "-q", "101" } << "--quality";
        QTest::newRow("quality text") << QStringList { "-q", "best" } << "--quality";
        QTest::newRow("naming") << QStringList { "-n", "date" } << "--naming";
        QTest::newRow("metadata") << QStringList { "--metadata", "some" } << "--metadata";
        QTest::newRow("side") << QStringList { "-p", "diagonal" } << "--proportional";
        QTest::newRow("sides") << QStringList { "--sides", "both" } << "--sides";
        QTest::newRow("crop") << QStringList { "--crop", "middle" } << "--crop";
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
        QTest::newRow("file size in gigabytes")
            << QStringList { "--max-file-size", "2G" } << "--max-file-size";
        QTest::newRow("file size in KiB")
            << QStringList { "--max-file-size", "10KiB" } << "--max-file-size";
        QTest::newRow("file size negative")
            << QStringList { "--max-file-size", "-5k" } << "--max-file-size";
        QTest::newRow("file size fraction of a byte")
            << QStringList { "--max-file-size", "1.5" } << "--max-file-size";
        QTest::newRow("file size above 2000M")
            << QStringList { "--max-file-size", "2001M" } << "--max-file-size";
        QTest::newRow("lowest quality above 100")
            << QStringList { "--min-quality", "101" } << "--min-quality";
        QTest::newRow("jobs negative") << QStringList { "-j", "-1" } << "--jobs";
        QTest::newRow("jobs above 64") << QStringList { "--jobs", "65" } << "--jobs";
        QTest::newRow("jobs not a number") << QStringList { "--jobs", "all" } << "--jobs";
        QTest::newRow("empty output") << QStringList { "-o", "" } << "--output";
        QTest::newRow("missing value") << QStringList { "x.jpg", "--width" } << "width";
        QTest::newRow("unknown option") << QStringList { "--colour", "red" } << "colour";
        QTest::newRow("twice") << QStringList { "-w", "1", "--width", "2" } << "--width";
        QTest::newRow("free and proportional")
            << QStringList { "--free", "-p", "width" } << "--free";
        QTest::newRow("contradicting sides")
            << QStringList { "-p", "long", "--sides", "width-height" } << "--sides";
        QTest::newRow("existing") << QStringList { "--existing", "replace" } << "--existing";
        QTest::newRow("enlarge both ways")
            << QStringList { "--no-enlarge", "--enlarge" } << "--no-enlarge";
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
        Settings pref(nullptr);
        QVERIFY(CliOptions::checkRun(pref).contains("no output folder"));
        pref.setValue(Setting::outputFolder, dir.filePath("missing"));
        QVERIFY(CliOptions::checkRun(pref).contains("does not exist"));
        QFile file(dir.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        pref.setValue(Setting::outputFolder, file.fileName());
        QVERIFY(CliOptions::checkRun(pref).contains("not a folder"));
        pref.setValue(Setting::outputFolder, dir.path());
        QCOMPARE(CliOptions::checkRun(pref), QString());
        pref.setValue(Setting::naming, OutputNaming::CustomName);
        QVERIFY(CliOptions::checkRun(pref).contains("--start-number"));
        pref.setValue(Setting::startNumber, QStringLiteral("1"));
        QCOMPARE(CliOptions::checkRun(pref), QString());

        // One size of 0 is taken from the other; both 0, or 0 for the side that proportional
        // scaling is given, leave no size. A negative size is never one.
        pref.setValue(Setting::proportional, false);
        pref.setValue(Setting::givenSide, GivenSide::First);
        pref.setValue(Setting::width, 0.0f);
        QCOMPARE(CliOptions::checkRun(pref), QString());
        pref.setValue(Setting::height, 0.0f);
        QVERIFY(CliOptions::checkRun(pref).contains("no size"));
        pref.setValue(Setting::proportional, true);
        pref.setValue(Setting::height, 300.0f);
        QVERIFY(CliOptions::checkRun(pref).contains("--width"));
        pref.setValue(Setting::givenSide, GivenSide::Second);
        QCOMPARE(CliOptions::checkRun(pref), QString());
        pref.setValue(Setting::height, -5.0f);
        QVERIFY(CliOptions::checkRun(pref).contains("--height"));
        pref.setValue(Setting::height, 300.0f);
        // Fit inside takes both values, like free scaling: one above 0 is enough.
        pref.setValue(Setting::givenSide, GivenSide::Both);
        pref.setValue(Setting::width, 0.0f);
        QCOMPARE(CliOptions::checkRun(pref), QString());
        pref.setValue(Setting::height, 0.0f);
        QVERIFY(CliOptions::checkRun(pref).contains("no size"));
        pref.setValue(Setting::height, 300.0f);
        pref.setValue(Setting::resolution, 0.0f);
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

    // The shard hash is the documented one, so that every machine and every later version
    // splits a list alike: the first 8 bytes of the SHA-1 of the path's bytes, big-endian,
    // modulo N, plus 1, here worked out from sha1sum's digest.
    void shardHashIsTheDocumentedOne()
    {
        for (const QString& path : { QString("photos/a.jpg"), QString("/data/2024/IMG_0001.JPG"),
                 QString("name with space\nand newline.png"), QString("été/ß.jpg") }) {
            QProcess sha1sum;
            sha1sum.start("sha1sum");
            sha1sum.write(path.toUtf8());
            sha1sum.closeWriteChannel();
            QVERIFY(sha1sum.waitForFinished(30000));
            const quint64 value = sha1sum.readAllStandardOutput().left(16).toULongLong(nullptr, 16);
            for (int count : { 1, 2, 3, 7, 1000 })
                QCOMPARE(SourceList::shardOf(path, count), int(value % quint64(count)) + 1);
            // The same path written another way is the same source.
            if (!path.startsWith('/'))
                QCOMPARE(SourceList::shardOf("./" + path, 1000), SourceList::shardOf(path, 1000));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliOptions)
#include "tst_CliOptions.moc"
