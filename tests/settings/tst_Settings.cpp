#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#include <sys/stat.h>

#include "TestSupport.h"
#include "settings/Settings.h"

// The store on a real settings file in a temporary folder: what a setter writes must be in the
// file at once, and a new store reading that file must get the value back.
class TestSettings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    QString file() const { return mDir.filePath(QStringLiteral("Ostrel.conf")); }

    void writeRaw(const QString& text) { QVERIFY(TestSupport::writeFile(file(), text.toUtf8())); }

private slots:
    void init() { QFile::remove(file()); }

    void defaultsWithEmptyPreferences()
    {
        QSettings s(file(), QSettings::IniFormat);
        Settings pref(&s);
        pref.load();
        QCOMPARE(pref.value(Setting::background), false);
        QCOMPARE(pref.backgroundColor(), QColor::fromRgbF(1, 1, 1, 1));
        QCOMPARE(pref.value(Setting::showFullPath), false);
        // A first start keeps every picture's proportions, fitting it inside the box.
        QCOMPARE(pref.value(Setting::proportional), true);
        QCOMPARE(pref.value(Setting::longShortSides), false);
        QCOMPARE(pref.value(Setting::givenSide), GivenSide::Both);
        QCOMPARE(int(pref.value(Setting::unit)), 1);
        QCOMPARE(pref.value(Setting::currentTab), 0);
        QCOMPARE(pref.value(Setting::width), 400.0f);
        QCOMPARE(pref.value(Setting::height), 300.0f);
        QCOMPARE(pref.value(Setting::resolution), 72.0f);
        QCOMPARE(pref.value(Setting::outputFolder), QString());
        QCOMPARE(int(pref.value(Setting::naming)), 1);
        QCOMPARE(pref.value(Setting::baseName), QString());
        QCOMPARE(pref.value(Setting::startNumber), QString());
        QCOMPARE(int(pref.value(Setting::outputFormat)), 1);
        QCOMPARE(pref.value(Setting::quality), 0.85f);
        QCOMPARE(pref.value(Setting::noEnlarge), false);
        QCOMPARE(pref.value(Setting::linearLight), false);
        QCOMPARE(pref.value(Setting::existingFile), ExistingFile::Fail);
        QCOMPARE(pref.value(Setting::metadata), MetadataMode::WithoutPersonal);
        // Reading writes nothing.
        s.sync();
        QVERIFY(s.allKeys().isEmpty());
    }

    void settersWriteAtOnceAndReadBack()
    {
        {
            QSettings s(file(), QSettings::IniFormat);
            Settings pref(&s);
            pref.setValue(Setting::currentTab, 2);
            // On disk without a sync: the store writes it out by itself.
            QTRY_COMPARE(
                TestSupport::settingsOnDisk(file()).value(QStringLiteral("tab")).toInt(), 2);
            pref.setValue(Setting::background, true);
            pref.setBackgroundColor(QColor::fromRgbF(0.25f, 0.5f, 0.75f, 0.5f));
            pref.setValue(Setting::showFullPath, true);
            pref.setValue(Setting::proportional, true);
            pref.setValue(Setting::longShortSides, true);
            pref.setValue(Setting::givenSide, GivenSide::Second);
            pref.setValue(Setting::unit, SizeUnit::Millimetres);
            pref.setValue(Setting::width, 1234.5f);
            pref.setValue(Setting::height, 0.0f);
            pref.setValue(Setting::resolution, 300.0f);
            pref.setValue(Setting::outputFolder, QStringLiteral("/tmp/out, with comma"));
            pref.setValue(Setting::naming, OutputNaming::CustomName);
            pref.setValue(Setting::baseName, QStringLiteral("Img"));
            pref.setValue(Setting::startNumber, QStringLiteral("0007"));
            pref.setValue(Setting::outputFormat, OutputFormat::Tiff);
            pref.setValue(Setting::quality, 0.856f);
        }
        QSettings s(file(), QSettings::IniFormat);
        Settings pref(&s);
        pref.load();
        QCOMPARE(pref.value(Setting::currentTab), 2);
        QCOMPARE(pref.value(Setting::background), true);
        // QColor keeps 16 bits per component.
        QVERIFY(qAbs(pref.backgroundColor().redF() - 0.25f) < 1e-4f);
        QVERIFY(qAbs(pref.backgroundColor().alphaF() - 0.5f) < 1e-4f);
        QCOMPARE(pref.value(Setting::showFullPath), true);
        QCOMPARE(pref.value(Setting::proportional), true);
        QCOMPARE(pref.value(Setting::longShortSides), true);
        QCOMPARE(pref.value(Setting::givenSide), GivenSide::Second);
        QCOMPARE(pref.value(Setting::unit), SizeUnit::Millimetres);
        QCOMPARE(pref.value(Setting::width), 1234.5f);
        QCOMPARE(pref.value(Setting::height), 0.0f); // 0 means "derive it", and is kept
        QCOMPARE(pref.value(Setting::resolution), 300.0f);
        QCOMPARE(pref.value(Setting::outputFolder), QStringLiteral("/tmp/out, with comma"));
        QCOMPARE(pref.value(Setting::naming), OutputNaming::CustomName);
        QCOMPARE(pref.value(Setting::baseName), QStringLiteral("Img"));
        QCOMPARE(pref.value(Setting::startNumber), QStringLiteral("0007"));
        QCOMPARE(pref.value(Setting::outputFormat), OutputFormat::Tiff);
        QCOMPARE(pref.value(Setting::quality), 0.856f);
    }

    // A stored zero is a value, not "unset": black stays black, quality 0 stays 0.
    void storedZerosAreKept()
    {
        {
            QSettings s(file(), QSettings::IniFormat);
            Settings pref(&s);
            pref.setBackgroundColor(QColor::fromRgbF(0, 0, 0, 1));
            pref.setValue(Setting::quality, 0.0f);
            pref.setValue(Setting::currentTab, 0);
            pref.setValue(Setting::background, false);
            pref.setValue(Setting::outputFolder, QString());
        }
        QSettings s(file(), QSettings::IniFormat);
        Settings pref(&s);
        pref.load();
        QCOMPARE(pref.backgroundColor(), QColor::fromRgbF(0, 0, 0, 1));
        QCOMPARE(pref.value(Setting::quality), 0.0f);
        QCOMPARE(pref.value(Setting::currentTab), 0);
        QCOMPARE(pref.value(Setting::background), false);
        QVERIFY(s.contains(QStringLiteral("dest")));
        QCOMPARE(pref.value(Setting::outputFolder), QString());
    }

    // A settings file from before the metadata choice (every other key of it set) leaves
    // personal data out; the choice and the new formats' codes are read back as stored.
    void metadataAndNewFormatCodes()
    {
        writeRaw(QStringLiteral("[General]\nformatMenu=2\nquality=0.8\ndest=/tmp\n"));
        {
            QSettings s(file(), QSettings::IniFormat);
            Settings pref(&s);
            pref.load();
            QCOMPARE(pref.value(Setting::metadata), MetadataMode::WithoutPersonal);
            QCOMPARE(pref.value(Setting::outputFormat), OutputFormat::Png);
            pref.setValue(Setting::metadata, MetadataMode::Keep);
            pref.setValue(Setting::outputFormat, OutputFormat::JpegXl);
            QVERIFY(pref.sync());
            QCOMPARE(s.value("metadata").toInt(), 1);
            QCOMPARE(s.value("formatMenu").toInt(), 9);
        }
        QSettings s(file(), QSettings::IniFormat);
        Settings pref(&s);
        pref.load();
        QCOMPARE(pref.value(Setting::metadata), MetadataMode::Keep);
        QCOMPARE(pref.value(Setting::outputFormat), OutputFormat::JpegXl);
        // One file each: QSettings keeps what it read of a file while its size and time stay.
        for (const char* stored : { "3", "0", "4", "none" }) {
            const QString path = mDir.filePath(QStringLiteral("metadata-%1.conf").arg(stored));
            QFile raw(path);
            QVERIFY(raw.open(QIODevice::WriteOnly));
            raw.write(QByteArray("[General]\nmetadata=") + stored + '\n');
            raw.close();
            QSettings store(path, QSettings::IniFormat);
            Settings read(&store);
            read.load();
            QCOMPARE(read.value(Setting::metadata),
                qstrcmp(stored, "3") == 0 ? MetadataMode::None : MetadataMode::WithoutPersonal);
        }
    }

    void invalidValuesKeepTheDefault_data()
    {
        QTest::addColumn<QString>("content");
        QTest::newRow("out of range")
            << "[General]\ntagSides=4\nUM=0\nnameMenu=7\nformatMenu=11\ntab=3\nquality=1.5\n"
               "backgroundColorR=-0.1\nwidthValue=-5\nheightValue=-1\nresValue=0\n";
        QTest::newRow("not numbers")
            << "[General]\ntagSides=one\nUM=\nnameMenu=1.5\nformatMenu=abc\ntab=x\nquality=nan\n"
               "backgroundColorR=inf\nwidthValue=wide\nheightValue=@Invalid()\nresValue=1e999\n"
               "background=maybe\nproportional=yes please\n";
        QTest::newRow("binary garbage")
            << QString::fromLatin1("\x01\x02[General\nUM=\xff\xfe\n=\n[[[\nquality=\"\"\n"
                                   "widthValue=@Variant(\\0\\0\\0\\x7f\\0)\n");
    }

    void invalidValuesKeepTheDefault()
    {
        QFETCH(QString, content);
        writeRaw(content);
        QSettings s(file(), QSettings::IniFormat);
        Settings pref(&s);
        pref.load();
        QCOMPARE(pref.value(Setting::givenSide), GivenSide::Both);
        QCOMPARE(int(pref.value(Setting::unit)), 1);
        QCOMPARE(int(pref.value(Setting::naming)), 1);
        QCOMPARE(int(pref.value(Setting::outputFormat)), 1);
        QCOMPARE(pref.value(Setting::currentTab), 0);
        QCOMPARE(pref.value(Setting::quality), 0.85f);
        QCOMPARE(pref.backgroundColor(), QColor::fromRgbF(1, 1, 1, 1));
        QCOMPARE(pref.value(Setting::width), 400.0f);
        QCOMPARE(pref.value(Setting::height), 300.0f);
        QCOMPARE(pref.value(Setting::resolution), 72.0f);
        QCOMPARE(pref.value(Setting::background), false);
        QCOMPARE(pref.value(Setting::proportional), true);
    }

    void boolsAsStoredAndHandWrittenNumbers()
    {
        writeRaw(QStringLiteral("[General]\nbackground=true\nproportional=false\nshowFullPath=1\n"
                                "widthValue=800\nUM=4\nname=123\n"));
        QSettings s(file(), QSettings::IniFormat);
        Settings pref(&s);
        pref.load();
        QCOMPARE(pref.value(Setting::background), true);
        QCOMPARE(pref.value(Setting::proportional), false);
        QCOMPARE(pref.value(Setting::showFullPath), true);
        QCOMPARE(pref.value(Setting::width), 800.0f);
        QCOMPARE(int(pref.value(Setting::unit)), 4);
        QCOMPARE(pref.value(Setting::baseName), QStringLiteral("123"));
    }

    // The colour well hands back what it was given; the stored numbers must not drift.
    void colourRoundTripKeepsStoredValues()
    {
        writeRaw(QStringLiteral("[General]\nbackgroundColorR=0.5\nbackgroundColorG=0.1\n"
                                "backgroundColorB=0.3\nbackgroundColorA=0.7\n"));
        QSettings s(file(), QSettings::IniFormat);
        Settings pref(&s);
        pref.load();
        pref.setBackgroundColor(pref.backgroundColor());
        s.sync();
        QVariantMap disk = TestSupport::settingsOnDisk(file());
        QCOMPARE(disk.value(QStringLiteral("backgroundColorR")).toFloat(), 0.5f);
        QCOMPARE(disk.value(QStringLiteral("backgroundColorG")).toFloat(), 0.1f);
        QCOMPARE(disk.value(QStringLiteral("backgroundColorB")).toFloat(), 0.3f);
        QCOMPARE(disk.value(QStringLiteral("backgroundColorA")).toFloat(), 0.7f);
        pref.setBackgroundColor(QColor(255, 0, 0));
        s.sync();
        disk = TestSupport::settingsOnDisk(file());
        QCOMPARE(disk.value(QStringLiteral("backgroundColorR")).toFloat(), 1.0f);
        QCOMPARE(disk.value(QStringLiteral("backgroundColorG")).toFloat(), 0.0f);
    }

    // The pixel limit is a whole number of megapixels from 1 to a million.
    void pixelLimit_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("missing") << QString() << 500;
        QTest::newRow("stored") << "2000" << 2000;
        QTest::newRow("smallest") << "1" << 1;
        QTest::newRow("largest") << "1000000" << 1000000;
        QTest::newRow("zero") << "0" << 500;
        QTest::newRow("negative") << "-3" << 500;
        QTest::newRow("above a million") << "1000001" << 500;
        QTest::newRow("fraction") << "2.5" << 500;
        QTest::newRow("words") << "lots" << 500;
    }

    void pixelLimit()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        writeRaw(stored.isNull() ? QStringLiteral("[General]\n")
                                 : QStringLiteral("[General]\nmaxMegapixels=%1\n").arg(stored));
        QSettings s(file(), QSettings::IniFormat);
        Settings pref(&s);
        pref.load();
        QCOMPARE(pref.value(Setting::maxMegapixels), expected);
        QCOMPARE(pref.maxPixels(), qint64(expected) * 1000000);
        QCOMPARE(pref.detachedCopy()->value(Setting::maxMegapixels), expected);
        // The setter stores at once (in a file of its own: QSettings would take an unchanged
        // size and time for unchanged content on the next row's file).
        const QString written
            = mDir.filePath(QStringLiteral("limit-%1.conf").arg(QTest::currentDataTag()));
        QSettings other(written, QSettings::IniFormat);
        Settings writer(&other);
        writer.setValue(Setting::maxMegapixels, 750);
        QTRY_COMPARE(TestSupport::settingsOnDisk(written).value("maxMegapixels").toInt(), 750);
    }

    // How many images a batch processes at once: 0 (one per core) to 64.
    void jobs_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("missing") << QString() << 0;
        QTest::newRow("stored") << "3" << 3;
        QTest::newRow("one per core") << "0" << 0;
        QTest::newRow("largest") << "64" << 64;
        QTest::newRow("negative") << "-1" << 0;
        QTest::newRow("above 64") << "65" << 0;
        QTest::newRow("words") << "all" << 0;
    }

    void jobs()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        // A file of its own for each row: QSettings may answer from its cache for a file
        // rewritten at the same size within its clock's resolution.
        const QString path
            = mDir.filePath(QStringLiteral("read-%1.conf").arg(QTest::currentDataTag()));
        QVERIFY(TestSupport::writeFile(path,
            (stored.isNull() ? QStringLiteral("[General]\n")
                             : QStringLiteral("[General]\njobs=%1\n").arg(stored))
                .toUtf8()));
        QSettings s(path, QSettings::IniFormat);
        Settings pref(&s);
        pref.load();
        QCOMPARE(pref.value(Setting::jobs), expected);
        QCOMPARE(pref.detachedCopy()->value(Setting::jobs), expected);
        QCOMPARE(pref.effectiveJobs(),
            expected > 0 ? expected
                         : std::clamp(QThread::idealThreadCount(), 1, Settings::kMaxJobs));
        QSettings other(mDir.filePath(QStringLiteral("jobs-%1.conf").arg(QTest::currentDataTag())),
            QSettings::IniFormat);
        Settings writer(&other);
        writer.setValue(Setting::jobs, 2);
        QCOMPARE(other.value(QStringLiteral("jobs")).toInt(), 2);
    }

    // A named pipe where a settings file belongs would hold every read of it forever: it is
    // left alone and the settings live in memory. Each case runs on a thread of its own, so
    // that a read that blocks fails the test instead of holding it.
    void settingsFileThatIsAPipe_data()
    {
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<bool>("userFileUsed");
        QTest::newRow("the user's file") << "user/Ostrel/Ostrel.conf" << false;
        QTest::newRow("the organisation's file") << "user/Ostrel.conf" << true;
        QTest::newRow("a system file") << "system/Ostrel/Ostrel.conf" << true;
    }

    void settingsFileThatIsAPipe()
    {
        QFETCH(QString, pipe);
        QFETCH(bool, userFileUsed);
        // Set before the first store on the user's file, which fixes QSettings' folders.
        static QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.filePath(QStringLiteral("user"))));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(config.filePath(QStringLiteral("system"))));
        QDir(config.path()).removeRecursively();
        QVERIFY(QDir().mkpath(config.filePath(QStringLiteral("user/Ostrel"))));
        QVERIFY(QDir().mkpath(config.filePath(QStringLiteral("system/Ostrel"))));
        const QString userFile = config.filePath(QStringLiteral("user/Ostrel/Ostrel.conf"));
        if (userFileUsed) {
            QFile f(userFile);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[General]\nwidthValue=123\n");
        }
        QCOMPARE(::mkfifo(QFile::encodeName(config.filePath(pipe)).constData(), 0600), 0);

        struct Outcome
        {
            std::atomic<bool> done { false };
            bool hasStore = false;
            QString fileName;
            float width = 0.0f;
        };
        auto outcome = std::make_shared<Outcome>();
        std::thread([outcome] {
            const std::unique_ptr<QSettings> store = Settings::openUserSettings();
            outcome->hasStore = store != nullptr;
            if (store)
                outcome->fileName = store->fileName();
            Settings pref;
            pref.load();
            pref.setValue(Setting::height, 77.0f);
            outcome->width = pref.value(Setting::width);
            outcome->done.store(true);
        }).detach();
        QTRY_VERIFY_WITH_TIMEOUT(outcome->done.load(), 30000);
        QCOMPARE(outcome->hasStore, userFileUsed);
        if (userFileUsed) {
            QCOMPARE(outcome->fileName, userFile);
            QCOMPARE(outcome->width, 123.0f);
            QSettings written(userFile, QSettings::IniFormat);
            QCOMPARE(written.value(QStringLiteral("heightValue")).toFloat(), 77.0f);
        } else {
            QCOMPARE(outcome->width, 400.0f);
        }
        // The pipe is still a pipe: nothing was written over it.
        struct stat status = {};
        QCOMPARE(::stat(QFile::encodeName(config.filePath(pipe)).constData(), &status), 0);
        QVERIFY(S_ISFIFO(status.st_mode));
    }

    // Fit inside is the given side 3; "do not enlarge" and the existing-file choice have keys
    // of their own, so a file written before them keeps its meaning. A copy for one run
    // carries them too.
    void sizeModeAndExistingFileKeys()
    {
        writeRaw(QStringLiteral("[General]\nproportional=true\ntagSides=3\nnoEnlarge=true\n"
                                "existingFile=2\n"));
        {
            QSettings s(file(), QSettings::IniFormat);
            Settings pref(&s);
            pref.load();
            QCOMPARE(pref.value(Setting::givenSide), GivenSide::Both);
            QCOMPARE(pref.value(Setting::noEnlarge), true);
            QCOMPARE(pref.value(Setting::existingFile), ExistingFile::Number);
            const auto copy = pref.detachedCopy();
            QCOMPARE(copy->value(Setting::givenSide), GivenSide::Both);
            QCOMPARE(copy->value(Setting::noEnlarge), true);
            QCOMPARE(copy->value(Setting::existingFile), ExistingFile::Number);
            pref.setValue(Setting::existingFile, ExistingFile::Skip);
            pref.setValue(Setting::noEnlarge, false);
        }
        {
            QSettings s(file(), QSettings::IniFormat);
            QCOMPARE(s.value(QStringLiteral("existingFile")).toInt(), 3);
            QCOMPARE(s.value(QStringLiteral("noEnlarge")).toBool(), false);
        }
        writeRaw(QStringLiteral("[General]\nnoEnlarge=maybe\nexistingFile=4\n"));
        QSettings s(file(), QSettings::IniFormat);
        Settings pref(&s);
        pref.load();
        QCOMPARE(pref.value(Setting::noEnlarge), false);
        QCOMPARE(pref.value(Setting::existingFile), ExistingFile::Fail);
    }

    // sync() reads the file back, as the next load() will: values of every kind come back as
    // they were set, and one that does not (a resolution of 0, which load() refuses) is
    // reported by its key instead of being taken as saved.
    void syncReadsTheFileBack()
    {
        QSettings s(file(), QSettings::IniFormat);
        Settings pref(&s);
        pref.setValue(Setting::width, 1234.5f);
        pref.setValue(Setting::quality, 0.85f);
        pref.setBackgroundColor(QColor::fromRgbF(0.1f, 0.2f, 0.3f, 0.4f));
        pref.setValue(Setting::outputFolder, QStringLiteral("/tmp/a, b @c"));
        pref.setValue(Setting::startNumber, QString());
        pref.setValue(Setting::proportional, true);
        pref.setValue(Setting::outputFormat, OutputFormat::Tiff);
        QString problem;
        QVERIFY2(pref.sync(&problem), qPrintable(problem));
        QCOMPARE(pref.fileName(), file());

        pref.setValue(Setting::resolution, 0.0f);
        QVERIFY(!pref.sync(&problem));
        QCOMPARE(problem, QStringLiteral("it did not keep the value of resValue"));
    }

    void detachedCopyStoresNothing()
    {
        QSettings s(file(), QSettings::IniFormat);
        Settings pref(&s);
        pref.setValue(Setting::width, 640.0f);
        auto copy = pref.detachedCopy();
        QCOMPARE(copy->value(Setting::width), 640.0f);
        copy->setValue(Setting::width, 10.0f);
        copy->setValue(Setting::outputFolder, QStringLiteral("/elsewhere"));
        s.sync();
        const QVariantMap disk = TestSupport::settingsOnDisk(file());
        QCOMPARE(disk.value(QStringLiteral("widthValue")).toFloat(), 640.0f);
        QVERIFY(!disk.contains(QStringLiteral("dest")));
        QCOMPARE(pref.value(Setting::width), 640.0f);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_Settings.moc"
