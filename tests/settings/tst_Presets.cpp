#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "TestSupport.h"
#include "core/ResizeRules.h"
#include "settings/Presets.h"
#include "settings/Settings.h"

// The presets on a real settings file in a temporary folder: saved, read back by a fresh store,
// renamed and deleted, and applied into the settings under the settings' own keys.
class TestPresets : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    QString file() const { return mDir.filePath(QStringLiteral("Ostrel.conf")); }

private slots:
    void init() { QFile::remove(file()); }

    // Saved under a group of its own, read back by a fresh store, renamed and deleted; the
    // settings' own keys keep their meaning.
    void savedPresetsComeBackFromTheFile()
    {
        {
            QSettings store(file(), QSettings::IniFormat);
            Settings settings(&store);
            settings.setValue(Setting::unit, SizeUnit::Inches);
            settings.setValue(Setting::width, 6.5f);
            settings.setValue(Setting::resolution, 240.0f);
            settings.setValue(Setting::outputFormat, OutputFormat::Png);
            settings.setValue(Setting::outputFolder, QStringLiteral("/tmp/prints"));
            Presets presets(&store);
            QCOMPARE(presets.save(QStringLiteral("  Prints 6.5 in  "), settings),
                Presets::NameProblem::None);
            settings.setValue(Setting::width, 100.0f);
            QCOMPARE(presets.save(QStringLiteral("Small"), settings), Presets::NameProblem::None);
        }
        QVariantMap disk = TestSupport::settingsOnDisk(file());
        QCOMPARE(disk.value(QStringLiteral("presets/size")).toInt(), 2);
        QCOMPARE(disk.value(QStringLiteral("presets/1/presetName")).toString(),
            QStringLiteral("Prints 6.5 in"));
        QCOMPARE(disk.value(QStringLiteral("presets/1/widthValue")).toFloat(), 6.5f);
        QCOMPARE(disk.value(QStringLiteral("widthValue")).toFloat(), 100.0f);

        QSettings store(file(), QSettings::IniFormat);
        Presets presets(&store);
        QStringList names;
        for (const Preset& preset : presets.all())
            names << preset.name;
        QCOMPARE(names,
            QStringList({ "Web 1600 px", "E-mail 1024 px", "Print 300 ppi at 15 x 10 cm",
                "Thumbnail 256 px", "Prints 6.5 in", "Small" }));

        Settings fresh(&store);
        fresh.load();
        QVERIFY(presets.apply(QStringLiteral("Prints 6.5 in"), fresh));
        QCOMPARE(fresh.value(Setting::width), 6.5f);
        QCOMPARE(fresh.value(Setting::unit), SizeUnit::Inches);
        QCOMPARE(fresh.value(Setting::resolution), 240.0f);
        QCOMPARE(fresh.value(Setting::outputFormat), OutputFormat::Png);
        QCOMPARE(fresh.value(Setting::outputFolder), QStringLiteral("/tmp/prints"));
        // Written under the settings' own keys, for the window and the command line alike.
        store.sync();
        QCOMPARE(TestSupport::settingsOnDisk(file()).value(QStringLiteral("widthValue")).toFloat(),
            6.5f);

        QVERIFY(presets.rename(QStringLiteral("Small"), QStringLiteral("Tiny")));
        QVERIFY(presets.remove(QStringLiteral("Prints 6.5 in")));
        store.sync();
        QSettings reread(file(), QSettings::IniFormat);
        const QList<Preset> left = Presets(&reread).all();
        QCOMPARE(left.size(), 5);
        QCOMPARE(left.last().name, QStringLiteral("Tiny"));
        QCOMPARE(left.last().values.value(QStringLiteral("widthValue")).toFloat(), 100.0f);
        QVERIFY(!reread.contains(QStringLiteral("presets/2/presetName")));
    }

    // A name must be given and free, regardless of case and surrounding space; the built-in
    // presets cannot be renamed or deleted.
    void namesAreCheckedAndBuiltInPresetsStay()
    {
        QSettings store(file(), QSettings::IniFormat);
        Settings settings(&store);
        Presets presets(&store);
        QCOMPARE(presets.save(QStringLiteral("   "), settings), Presets::NameProblem::Empty);
        QCOMPARE(
            presets.save(QStringLiteral(" web 1600 PX"), settings), Presets::NameProblem::Taken);
        QCOMPARE(presets.save(QStringLiteral("Mine"), settings), Presets::NameProblem::None);
        QCOMPARE(presets.save(QStringLiteral("MINE "), settings), Presets::NameProblem::Taken);
        QVERIFY(!presets.rename(QStringLiteral("Mine"), QStringLiteral("Thumbnail 256 px")));
        QVERIFY(!presets.rename(QStringLiteral("Mine"), QString()));
        QVERIFY(presets.rename(QStringLiteral("Mine"), QStringLiteral("mine"))); // its own name
        QVERIFY(!presets.rename(QStringLiteral("Web 1600 px"), QStringLiteral("Web")));
        QVERIFY(!presets.remove(QStringLiteral("Web 1600 px")));
        QCOMPARE(presets.all().size(), 5);
        QCOMPARE(presets.all().first().name, QStringLiteral("Web 1600 px"));
    }

    // A preset's values are read like the settings file's: out of range or garbled keeps the
    // current value, and keys a preset does not cover are ignored.
    void storedValuesAreCheckedLikeTheSettings()
    {
        TestSupport::writeFile(file(),
            "[presets]\n"
            "size=1\n"
            "1\\presetName=Edited by hand\n"
            "1\\widthValue=-5\n"
            "1\\heightValue=250\n"
            "1\\resValue=0\n"
            "1\\UM=9\n"
            "1\\quality=1.5\n"
            "1\\formatMenu=2\n"
            "1\\maxMegapixels=3\n"
            "1\\jobs=7\n"
            "1\\tagSides=3\n");
        QSettings store(file(), QSettings::IniFormat);
        Settings settings(&store);
        settings.load();
        // A box from a preset saved before fill and pad is fit inside it.
        settings.setValue(Setting::boxMode, BoxMode::Fill);
        QVERIFY(Presets(&store).apply(QStringLiteral("Edited by hand"), settings));
        QCOMPARE(settings.value(Setting::width), 400.0f);
        QCOMPARE(settings.value(Setting::height), 250.0f);
        QCOMPARE(settings.value(Setting::resolution), 72.0f);
        QCOMPARE(settings.value(Setting::unit), SizeUnit::Pixels);
        QCOMPARE(settings.value(Setting::quality), 0.85f);
        QCOMPARE(settings.value(Setting::outputFormat), OutputFormat::Png);
        QCOMPARE(settings.value(Setting::maxMegapixels), 500);
        QCOMPARE(settings.value(Setting::jobs), 0);
        QCOMPARE(settings.value(Setting::boxMode), BoxMode::Fit);
    }

    // The user's presets are the entries the file holds, in the order of their numbers; the
    // count stored beside them is not believed, whether it is far too large (a 66-byte file
    // once held the start for ever), too small or absent. Entries without a name, or with a
    // name taken before them, are left out.
    void storedEntriesAreReadWhateverTheStoredCount_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("only a huge count")
            << QByteArray("[presets]\nsize=2147483647\n") << QStringList();
        QTest::newRow("huge count, two entries")
            << QByteArray("[presets]\nsize=2147483647\n1\\presetName=A\n3\\presetName=C\n")
            << QStringList({ "A", "C" });
        QTest::newRow("count too small, numeric order") << QByteArray(
            "[presets]\nsize=1\n10\\presetName=J\n2\\presetName=B\n"
            "1\\presetName=A\n") << QStringList({ "A", "B", "J" });
        QTest::newRow("no count") << QByteArray("[presets]\n2\\presetName=B\n1\\presetName=A\n")
                                  << QStringList({ "A", "B" });
        QTest::newRow("negative count")
            << QByteArray("[presets]\nsize=-3\n1\\presetName=A\n") << QStringList({ "A" });
        QTest::newRow("groups that are not entries")
            << QByteArray("[presets]\nsize=2\n1\\presetName=A\nx\\presetName=X\n"
                          "-2\\presetName=M\n+4\\presetName=P\n2\\presetName=B\n")
            << QStringList({ "A", "B" });
        QTest::newRow("empty and repeated names") << QByteArray(
            "[presets]\nsize=5\n1\\presetName=A\n2\\presetName=  \n"
            "3\\presetName=a \n4\\presetName=WEB 1600 PX\n5\\presetName=B\n"
            "6\\widthValue=10\n") << QStringList({ "A", "B" });
    }

    void storedEntriesAreReadWhateverTheStoredCount()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, names);
        QVERIFY(TestSupport::writeFile(file(), content));
        QSettings store(file(), QSettings::IniFormat);
        QStringList found;
        for (const Preset& preset : Presets(&store).all())
            found << preset.name;
        QCOMPARE(found.mid(0, 4),
            QStringList({ "Web 1600 px", "E-mail 1024 px", "Print 300 ppi at 15 x 10 cm",
                "Thumbnail 256 px" }));
        QCOMPARE(found.mid(4), names);
    }

    // Fifty thousand presets load, are found and take one more, at once. Each entry's name
    // used to be checked against every earlier one: reading this file took minutes each time
    // (17 s for 10,000), for the window at its start and again for every change.
    void manyPresetsLoad()
    {
        constexpr int kCount = 50'000;
        QByteArray content = "[presets]\n";
        QStringList names;
        for (int i = 1; i <= kCount; ++i) {
            names << QStringLiteral("Preset %1").arg(i);
            content += QByteArray::number(i) + "\\presetName=" + names.last().toUtf8() + "\n"
                + QByteArray::number(i) + "\\widthValue=" + QByteArray::number(i) + "\n";
        }
        content += "size=" + QByteArray::number(kCount) + "\n";
        QVERIFY(TestSupport::writeFile(file(), content));

        QSettings store(file(), QSettings::IniFormat);
        Presets presets(&store);
        QStringList found;
        for (const Preset& preset : presets.all())
            found << preset.name;
        QCOMPARE(found.mid(4), names);
        QCOMPARE(
            presets.find(QStringLiteral("Preset 49876")).values.value("widthValue").toInt(), 49876);
        Settings settings(&store);
        QCOMPARE(
            presets.save(QStringLiteral("preset 50000"), settings), Presets::NameProblem::Taken);
        QCOMPARE(presets.save(QStringLiteral("One more"), settings), Presets::NameProblem::None);
        QCOMPARE(presets.all().size(), 4 + kCount + 1);
    }

    // Each built-in preset gives what its name says, for landscape and portrait sources, and
    // picking one after another leaves nothing of the first behind.
    void builtInPresetsGiveTheSizesTheyAreNamedFor()
    {
        struct Case
        {
            const char* name;
            QSize landscape; // of a 6000 x 4000 source
            QSize portrait; // of a 3000 x 4000 source
        };
        const Case cases[] = {
            { "Web 1600 px", { 1600, 1067 }, { 1200, 1600 } },
            { "E-mail 1024 px", { 1024, 683 }, { 768, 1024 } },
            { "Print 300 ppi at 15 x 10 cm", { 1772, 1181 }, { 1181, 1575 } },
            { "Thumbnail 256 px", { 256, 171 }, { 192, 256 } },
        };
        Settings settings(nullptr);
        Presets presets(nullptr);
        auto pixels = [&settings](float width, float height) {
            const ResizeRules::Sides sides = ResizeRules::targetSize(settings.resizeOptions(), width, height);
            return QSize(
                ResizeRules::wholePixels(sides.width), ResizeRules::wholePixels(sides.height));
        };
        settings.setValue(Setting::boxMode, BoxMode::Fill); // the presets fit inside
        for (const Case& c : cases) {
            QVERIFY2(presets.apply(QLatin1String(c.name), settings), c.name);
            QCOMPARE(pixels(6000, 4000), c.landscape);
            QCOMPARE(pixels(3000, 4000), c.portrait);
        }
        // A small source is not enlarged for the screen, but is for print.
        QCOMPARE(pixels(200, 100), QSize(200, 100));
        QVERIFY(presets.apply(QStringLiteral("Print 300 ppi at 15 x 10 cm"), settings));
        QCOMPARE(pixels(200, 100), QSize(1772, 886));
        QVERIFY(!presets.apply(QStringLiteral("No such preset"), settings));
    }
};

QTEST_GUILESS_MAIN(TestPresets)
#include "tst_Presets.moc"
