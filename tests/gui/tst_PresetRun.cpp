#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

#include "FakeNotificationService.h"
#include "TestSupport.h"
#include "gui/DesktopNotification.h"
#include "gui/PresetRun.h"
#include "gui/ProgressSheet.h"
#include "batch/ImageList.h"
#include "core/Translations.h"

// A preset run (ostrel --preset NAME FILES...): the real application on the offscreen platform,
// with a notification service of the test's own on the test's own session bus (the test runs
// under dbus-run-session), sources in two folders and a settings file of its own.
class TestPresetRun : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    std::unique_ptr<TestSupport::StandInDesktop> mDesktop;
    std::unique_ptr<FakeNotificationService> mService;
    QString mSources; // holds a/ and b/
    QString mSettingsFile;

    struct Outcome
    {
        int exitStatus = -1;
        QString errors; // standard error
    };

    // Runs the application until it ends, or until endWhen holds: then it is asked to end
    // (SIGTERM), as the session would.
    Outcome runOstrel(const QStringList& arguments, const std::function<bool(const QString&)>& endWhen = {})
    {
        QProcess process;
        process.setWorkingDirectory(mSources);
        process.start(QStringLiteral(OSTREL_APPLICATION), arguments);
        Outcome outcome;
        if (!process.waitForStarted(10000))
            return outcome;
        bool asked = false;
        const bool ended = QTest::qWaitFor(
            [&] {
                outcome.errors += QString::fromUtf8(process.readAllStandardError());
                if (!asked && endWhen && endWhen(outcome.errors)) {
                    process.terminate();
                    asked = true;
                }
                return process.state() == QProcess::NotRunning;
            },
            60000);
        if (!ended) {
            process.kill();
            process.waitForFinished();
            return outcome;
        }
        outcome.errors += QString::fromUtf8(process.readAllStandardError());
        if (process.exitStatus() == QProcess::NormalExit)
            outcome.exitStatus = process.exitCode();
        return outcome;
    }

    static QByteArray digest(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }

    // Every file below the sources' folder with its digest.
    QMap<QString, QByteArray> sourceDigests() const
    {
        QMap<QString, QByteArray> digests;
        for (const char* name : { "a/one.jpg", "a/two.png", "b/three.jpg" })
            digests.insert(QLatin1String(name), digest(QDir(mSources).filePath(QLatin1String(name))));
        return digests;
    }

    void writeSettings(const QVariantMap& values, const QVariantMap& userPreset)
    {
        QFile::remove(mSettingsFile);
        QSettings settings(mSettingsFile, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
        if (!userPreset.isEmpty()) {
            settings.beginWriteArray(QStringLiteral("presets"));
            settings.setArrayIndex(0);
            for (auto it = userPreset.cbegin(); it != userPreset.cend(); ++it)
                settings.setValue(it.key(), it.value());
            settings.endArray();
        }
        // Something to keep: a file that the run would have changed differs from it.
        settings.setValue(QStringLiteral("widthValue"), 123.0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QVERIFY(ImageCodec::initialise("tst_PresetRun"));
        QVERIFY(Translations::installLanguage(*qApp, QStringLiteral("en")));
        const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        QVERIFY2(!bus.isEmpty(), "the test runs under dbus-run-session");
        mDesktop = std::make_unique<TestSupport::StandInDesktop>(mDir.filePath("desktop"));
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
        // The user's settings, presets and log are the test's.
        qputenv("HOME", QFile::encodeName(mDir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(mDir.filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(mDir.filePath("data")));
        qputenv("LANGUAGE", "en");
        mSettingsFile = mDir.filePath("config/Ostrel/Ostrel.conf");
        mService = std::make_unique<FakeNotificationService>(mDir.filePath("calls"));
    }

    void init()
    {
        mSources = QFileInfo(mDir.filePath("sources")).absoluteFilePath();
        QDir(mSources).removeRecursively();
        QDir(mDir.filePath("own")).removeRecursively();
        QVERIFY(QDir().mkpath(QDir(mSources).filePath("a")));
        QVERIFY(QDir().mkpath(QDir(mSources).filePath("b")));
        TestSupport::writeImage(QDir(mSources).filePath("a/one.jpg"), 3000, 2000);
        TestSupport::writeImage(QDir(mSources).filePath("a/two.png"), 2400, 1200);
        TestSupport::writeImage(QDir(mSources).filePath("b/three.jpg"), 1000, 4000);
        mDesktop->clear();
        QFile::remove(mDir.filePath("calls"));
    }

    void cleanup() { mService->stop(); }

    void writesWithThePreset_data()
    {
        QTest::addColumn<QVariantMap>("settings");
        QTest::addColumn<QVariantMap>("userPreset");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("taken"); // a file in the way of an output, below the sources
        QTest::addColumn<QString>("answer"); // the notification service's
        QTest::addColumn<QStringList>("outputs"); // "path:WxH", below the test's folder
        QTest::addColumn<QString>("body"); // a part of the notification's text
        QTest::addColumn<QString>("opened"); // by Show Files, below the test's folder
        QTest::addColumn<int>("exitStatus");

        QTest::newRow("built-in, next to the sources, Show Files")
            << QVariantMap() << QVariantMap() << "Web 1600 px" << "" << "action"
            << QStringList { "sources/a/Resized/one.jpg:1600x1067",
                   "sources/a/Resized/two.jpg:1600x800", "sources/b/Resized/three.jpg:400x1600" }
            << "Written: 3" << "sources" << 0;
        QTest::newRow("the subfolder from the settings")
            << QVariantMap { { "presetSubfolder", "Smaller" } } << QVariantMap()
            << "Thumbnail 256 px" << "" << "close"
            << QStringList { "sources/a/Smaller/one.jpg:256x171",
                   "sources/a/Smaller/two.jpg:256x128", "sources/b/Smaller/three.jpg:64x256" }
            << "Written: 3" << "" << 0;
        QTest::newRow("an output's name is taken, skipped")
            << QVariantMap { { "existingFile", 3 } } << QVariantMap() << "Web 1600 px"
            << "a/Resized/one.jpg" << "close"
            << QStringList { "sources/a/Resized/two.jpg:1600x800",
                   "sources/b/Resized/three.jpg:400x1600" }
            << "Skipped because a file of that name exists: 1" << "" << 0;
        QTest::newRow("an output's name is taken, failed")
            << QVariantMap() << QVariantMap() << "Web 1600 px" << "a/Resized/one.jpg" << "close"
            << QStringList { "sources/a/Resized/two.jpg:1600x800",
                   "sources/b/Resized/three.jpg:400x1600" }
            << "Failed: 1" << "" << 1;
        QTest::newRow("the user's preset with its own folder")
            << QVariantMap()
            << QVariantMap { { "presetName", "Mine" }, { "dest", mDir.filePath("own") },
                   { "widthValue", 500 }, { "heightValue", 500 }, { "UM", 1 },
                   { "proportional", true }, { "tagSides", 3 }, { "switchSides", true },
                   { "formatMenu", 1 } }
            << "Mine" << "" << "close"
            << QStringList { "own/one.jpg:500x333", "own/two.jpg:500x250", "own/three.jpg:125x500" }
            << "Written: 3" << "" << 0;
    }

    // The outputs go where the preset or the settings say, at the preset's size, without
    // replacing anything; the sources and the settings file stay as they were, and the
    // notification tells the counts.
    void writesWithThePreset()
    {
        QFETCH(QVariantMap, settings);
        QFETCH(QVariantMap, userPreset);
        QFETCH(QString, preset);
        QFETCH(QString, taken);
        QFETCH(QString, answer);
        QFETCH(QStringList, outputs);
        QFETCH(QString, body);
        QFETCH(QString, opened);
        QFETCH(int, exitStatus);
        writeSettings(settings, userPreset);
        const QByteArray settingsBefore = digest(mSettingsFile);
        if (!taken.isEmpty())
            QVERIFY(TestSupport::writeFile(QDir(mSources).filePath(taken), "taken"));
        const auto sourcesBefore = sourceDigests();
        QVERIFY(mService->start(answer));

        // A folder and a file, as a file manager hands over a selection.
        const Outcome outcome = runOstrel({ QStringLiteral("--preset"), preset,
            QStringLiteral("a"), QStringLiteral("b/three.jpg") },
            // With a failure the closing alert stays up until the session ends the process.
            [this, exitStatus](const QString&) { return exitStatus != 0 && !mService->calls().isEmpty(); });
        QCOMPARE(outcome.exitStatus, exitStatus);

        for (const QString& output : outputs) {
            const QStringList parts = output.split(QLatin1Char(':'));
            const TestSupport::Facts facts = TestSupport::inspect(mDir.filePath(parts.at(0)));
            QCOMPARE(QStringLiteral("%1x%2").arg(facts.width).arg(facts.height), parts.at(1));
        }
        if (!taken.isEmpty()) {
            QFile kept(QDir(mSources).filePath(taken));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), QByteArray("taken"));
        }
        QCOMPARE(sourceDigests(), sourcesBefore);
        QCOMPARE(digest(mSettingsFile), settingsBefore);

        const QList<QJsonObject> calls = mService->calls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().value("appName").toString(), QStringLiteral("Ostrel"));
        QCOMPARE(calls.first().value("desktopEntry").toString(),
            QStringLiteral("io.github.ostrel.Ostrel"));
        QCOMPARE(calls.first().value("summary").toString(),
            QStringLiteral("Images resized with %1").arg(preset));
        QVERIFY2(calls.first().value("body").toString().contains(body),
            qPrintable(calls.first().value("body").toString()));
        QCOMPARE(mDesktop->opened(),
            opened.isEmpty() ? QStringList() : QStringList { mDir.filePath(opened) });
    }

    void refusesWhatCannotRun_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown preset") << QStringList { "--preset", "Nope", "a" }
                                        << "There is no preset named \"Nope\".";
        QTest::newRow("no files") << QStringList { "--preset", "Web 1600 px" }
                                  << "No files were given";
        QTest::newRow("no images among the files")
            << QStringList { "--preset", "Web 1600 px", "notes.txt" }
            << "No images were found";
        QTest::newRow("an option that is none") << QStringList { "--presets", "Web 1600 px" }
                                                << "Unknown option 'presets'";
    }

    // A clear message on standard error (and in a message box, which the session's end
    // closes), exit status 2, and nothing written.
    void refusesWhatCannotRun()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        writeSettings({}, {});
        QVERIFY(TestSupport::writeFile(QDir(mSources).filePath("notes.txt"), "text"));
        const Outcome outcome = runOstrel(arguments,
            [&message](const QString& errors) { return errors.contains(message); });
        QVERIFY2(outcome.errors.contains(message), qPrintable(outcome.errors));
        QCOMPARE(outcome.exitStatus, 2);
        QVERIFY(!QFileInfo::exists(QDir(mSources).filePath("a/Resized")));
    }

    void answersWithoutADisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << "--help" << "--preset <NAME>";
        QTest::newRow("version") << "--version" << "ostrel " OSTREL_VERSION;
    }

    // What help2man reads, with no window system at all.
    void answersWithoutADisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, output);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(OSTREL_APPLICATION), { option });
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains(output));
    }

    void closingAlert_data()
    {
        QTest::addColumn<QString>("answer"); // "none": no service runs
        QTest::addColumn<bool>("taken");
        QTest::addColumn<int>("calls"); // taken by the service
        QTest::newRow("no notification service") << "none" << false << 0;
        QTest::newRow("the service refuses") << "refuse" << false << 1;
        QTest::newRow("an image failed") << "keep" << true << 1;
    }

    // Where the notification tells nothing, or images failed, the closing alert opens as a
    // window of its own, and the run ends when it is closed.
    void closingAlert()
    {
        QFETCH(QString, answer);
        QFETCH(bool, taken);
        QFETCH(int, calls);
        writeSettings({}, {});
        if (taken)
            QVERIFY(TestSupport::writeFile(QDir(mSources).filePath("a/Resized/one.jpg"), "taken"));
        if (answer != QLatin1String("none"))
            QVERIFY(mService->start(answer));
        QSettings store(mSettingsFile, QSettings::IniFormat);
        PresetRun run(&store);
        QCOMPARE(run.prepare(QStringLiteral("Web 1600 px"), { QDir(mSources).filePath("a") }),
            QString());
        QCOMPARE(run.images().count(), 2);
        QSignalSpy ended(&run, &PresetRun::ended);
        run.start();
        QVERIFY(run.progressWindow()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(run.progressSheet()->closingAlert(), 30000);
        QMessageBox* alert = run.progressSheet()->closingAlert();
        QVERIFY(!alert->parentWidget());
        QVERIFY(!run.progressWindow()->isVisible());
        QCOMPARE(run.exitStatus(), taken ? 1 : 0);
        QTRY_COMPARE(mService->calls().size(), calls);
        QVERIFY(ended.isEmpty());
        alert->defaultButton()->click();
        QTRY_COMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(TestPresetRun)
#include "tst_PresetRun.moc"
