#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"

// The real ostrel-batch, run as a user would run it, with HOME and the XDG folders inside a
// temporary folder so that it reads and writes only the test's settings and log.
class TestCliBatch : public QObject
{
    Q_OBJECT

private:
    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };

    std::unique_ptr<QTemporaryDir> mTmp;
    QString mIn;
    QString mOut;

    QString settingsPath() const { return mTmp->filePath("config/Ostrel/Ostrel.conf"); }
    QString logPath() const { return mTmp->filePath("data/Ostrel/Ostrel/ostrel.log"); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", mTmp->filePath("home"));
        env.insert("XDG_CONFIG_HOME", mTmp->filePath("config"));
        env.insert("XDG_DATA_HOME", mTmp->filePath("data"));
        env.insert("LC_ALL", "C.UTF-8");
        env.insert("LANG", "C.UTF-8");
        env.remove("LANGUAGE");
        return env;
    }

    void start(QProcess& process, const QStringList& arguments) const
    {
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(mTmp->path());
        process.start(QStringLiteral(OSTREL_BATCH_PATH), arguments);
    }

    Result run(const QStringList& arguments) const
    {
        QProcess process;
        start(process, arguments);
        Result result;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QString source(const QString& name, int w = 120, int h = 80)
    {
        return TestSupport::writeImage(QDir(mIn).filePath(name), w, h);
    }

    QStringList outputFiles() const
    {
        return QDir(mOut).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    void storeSettings(const QVariantMap& values)
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        for (auto it = values.begin(); it != values.end(); ++it)
            settings.setValue(it.key(), it.value());
    }

    QByteArray settingsBytes() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { QVERIFY(QFile::exists(QStringLiteral(OSTREL_BATCH_PATH))); }

    void init()
    {
        mTmp = std::make_unique<QTemporaryDir>();
        QVERIFY(mTmp->isValid());
        mIn = mTmp->filePath("in");
        mOut = mTmp->filePath("out");
        QVERIFY(QDir().mkpath(mIn) && QDir().mkpath(mOut) && QDir().mkpath(mTmp->filePath("home")));
    }

    void helpAndVersion()
    {
        const Result help = run({ "--help" });
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("--output"));
        QVERIFY(help.out.contains("Examples:"));
        QVERIFY(help.out.contains("Exit status"));
        const Result version = run({ "--version" });
        QCOMPARE(version.exitCode, 0);
        QVERIFY(QRegularExpression("^ostrel-batch \\d+\\.\\d+\\.\\d+\\n$")
                    .match(version.out)
                    .hasMatch());
    }

    // A usage error says what is wrong, exits with 2 and processes nothing.
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad width") << QStringList { "-o", "out", "-w", "abc", "in/a.jpg" }
                                   << "invalid value \"abc\" for --width";
        QTest::newRow("bad format") << QStringList { "-o", "out", "-f", "webp", "in/a.jpg" }
                                    << "invalid value \"webp\" for --format";
        QTest::newRow("unknown option")
            << QStringList { "--fast", "in/a.jpg" } << "Unknown option 'fast'";
        QTest::newRow("no files") << QStringList { "-o", "out" } << "no files given";
        QTest::newRow("no output folder") << QStringList { "in/a.jpg" } << "no output folder";
        QTest::newRow("empty output folder") << QStringList { "-o", "", "in/a.jpg" } << "--output";
        QTest::newRow("missing output folder")
            << QStringList { "-o", "nowhere", "in/a.jpg" } << "does not exist";
        QTest::newRow("output is a file")
            << QStringList { "-o", "in/a.jpg", "in/a.jpg" } << "not a folder";
        QTest::newRow("custom naming without number")
            << QStringList { "-o", "out", "-n", "custom", "in/a.jpg" } << "--start-number";
        QTest::newRow("no image among the files")
            << QStringList { "-o", "out", "in/notes.txt" } << "none of the files";
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        source("a.jpg");
        const Result result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(outputFiles().isEmpty());
        QVERIFY(!QFile::exists(logPath()));
        QVERIFY(!QFile::exists(settingsPath()));
    }

    // The window's settings file drives the run; a run without --save leaves it as it was.
    void storedSettingsDriveTheRun()
    {
        storeSettings(
            { { "dest", mOut }, { "widthValue", 50 }, { "heightValue", 40 }, { "formatMenu", 2 } });
        const QByteArray before = settingsBytes();
        source("a.jpg");
        source("b.png");
        const Result result = run({ "in/a.jpg", "in/b.png", "./in/a.jpg", "in/notes.txt" });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(outputFiles(), QStringList({ "a.png", "b.png" }));
        const TestSupport::Facts facts = TestSupport::inspect(QDir(mOut).filePath("a.png"));
        QCOMPARE(facts.width, 50);
        QCOMPARE(facts.height, 40);
        QVERIFY(result.err.contains("Processing image 1 of 2…\nProcessing image 2 of 2…\n"));
        QVERIFY(result.err.contains("skipped"));
        QVERIFY(result.err.contains("Written: 2. Failed: 0. Not processed: 0."));
        QCOMPARE(settingsBytes(), before);
    }

    void optionsOverrideAndSave()
    {
        storeSettings({ { "dest", mOut }, { "formatMenu", 2 } });
        const QByteArray before = settingsBytes();
        source("a.jpg", 200, 100);
        Result result = run({ "-f", "gif", "-p", "width", "-w", "30", "in/a.jpg" });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(TestSupport::inspect(QDir(mOut).filePath("a.gif")).height, 15);
        QCOMPARE(settingsBytes(), before);

        // --save without files stores the options and processes nothing.
        result = run({ "--save", "-f", "tiff", "-p", "height", "-H", "20" });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(outputFiles(), QStringList({ "a.gif" }));
        {
            QSettings settings(settingsPath(), QSettings::IniFormat);
            QCOMPARE(settings.value("formatMenu").toInt(), 5);
            QCOMPARE(settings.value("heightValue").toDouble(), 20.0);
            QCOMPARE(settings.value("tagSides").toInt(), 2);
            QCOMPARE(settings.value("proportional").toBool(), true);
            QCOMPARE(settings.value("dest").toString(), mOut);
        }
        // The next run needs no options.
        result = run({ "in/a.jpg" });
        QCOMPARE(result.exitCode, 0);
        const TestSupport::Facts facts = TestSupport::inspect(QDir(mOut).filePath("a.tif"));
        QCOMPARE(facts.width, 40);
        QCOMPARE(facts.height, 20);
    }

    // A failed image: exit 1, its log line on standard error and in the log, its reason in
    // the summary; the others are written.
    void failureExitsWithOne()
    {
        source("good.jpg");
        QFile bad(QDir(mIn).filePath("bad.jpg"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not an image");
        bad.close();
        const Result result = run({ "-o", "out", "in/bad.jpg", "in/good.jpg" });
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(outputFiles(), QStringList({ "good.jpg" }));
        const QRegularExpression line("\\d\\d:\\d\\d:\\d\\d\\.\\d{3} ostrel\\[\\d+\\]: Error! The "
                                      "image \"bad.jpg\" was not elaborated\\.");
        QVERIFY2(line.match(result.err).hasMatch(), qPrintable(result.err));
        QVERIFY(result.err.contains("bad.jpg: the source file could not be read as an image"));
        QVERIFY(result.err.contains("Written: 1. Failed: 1. Not processed: 0."));
        QFile log(logPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY(line.match(lines.first()).hasMatch());
    }

    // A named pipe, a link to a device and a 35-byte GIF that claims 65535 x 65535 pixels each
    // fail at once with their reason, and the batch goes on to the next image. The tool runs
    // under an address-space limit, as a careful user would run it: the GIF used to take it
    // past 17 GB and end it by an abort, with no summary and its temporary file left.
    void hostileSourcesFailAndTheBatchGoesOn()
    {
        const QString pipe = QDir(mIn).filePath("pipe.jpg");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", QDir(mIn).filePath("zero.jpg")));
        QFile gif(QDir(mIn).filePath("bomb.gif"));
        QVERIFY(gif.open(QIODevice::WriteOnly));
        gif.write(QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff"
                             ",\x00\x00\x00\x00\xff\xff\xff\xff\x00\x02\x02\x44\x01\x00;",
            35));
        gif.close();
        source("good.jpg");

        QProcess process;
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
        // (The sanitizers reserve far more address space than this for themselves.)
        process.setChildProcessModifier([] {
            const rlimit limit { rlim_t(2) << 30, rlim_t(2) << 30 };
            ::setrlimit(RLIMIT_AS, &limit);
        });
#endif
        start(process, { "-o", "out", "in/pipe.jpg", "in/zero.jpg", "in/bomb.gif", "in/good.jpg" });
        QVERIFY(process.waitForFinished(120000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.contains("pipe.jpg: the source file could not be read as an image (not a "
                              "regular file but a named pipe)"),
            qPrintable(err));
        QVERIFY2(err.contains("zero.jpg: the source file could not be read as an image (not a "
                              "regular file but a device)"),
            qPrintable(err));
        QVERIFY2(err.contains("bomb.gif: the source file could not be read as an image (the "
                              "image is 65535 x 65535 pixels"),
            qPrintable(err));
        QVERIFY(err.contains("--max-megapixels"));
        QVERIFY2(err.contains("Written: 1. Failed: 3. Not processed: 0."), qPrintable(err));
        QCOMPARE(outputFiles(), QStringList({ "good.jpg" }));
    }

    // The pixel limit for one run, or stored with --save; the summary says how to raise it.
    void pixelLimitOption()
    {
        source("wide.png", 1200, 1000); // 1.2 megapixels
        Result result = run({ "-o", "out", "--max-megapixels", "1", "in/wide.png" });
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("above the limit of 1 megapixels"), qPrintable(result.err));
        QVERIFY(outputFiles().isEmpty());
        QVERIFY(!QFile::exists(settingsPath()));

        result = run({ "-o", "out", "--max-megapixels", "2", "--save", "in/wide.png" });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(outputFiles(), QStringList({ "wide.jpg" }));
        QSettings settings(settingsPath(), QSettings::IniFormat);
        QCOMPARE(settings.value("maxMegapixels").toInt(), 2);

        result = run({ "-o", "out", "--max-megapixels", "0", "in/wide.png" });
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains("--max-megapixels"));
    }

    // A settings file that is a named pipe would hold the start for ever: it is left alone,
    // with a warning, and the run goes on with the options given.
    void settingsFileThatIsAPipe()
    {
        QVERIFY(QDir().mkpath(QFileInfo(settingsPath()).absolutePath()));
        QCOMPARE(::mkfifo(QFile::encodeName(settingsPath()).constData(), 0600), 0);
        source("a.jpg");
        const Result result = run({ "-o", "out", "-w", "60", "-H", "40", "in/a.jpg" });
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.contains("is not a regular file"), qPrintable(result.err));
        QCOMPARE(outputFiles(), QStringList({ "a.jpg" }));
        QCOMPARE(TestSupport::inspect(QDir(mOut).filePath("a.jpg")).width, 60);
    }

    // Ctrl-C while the first of twelve is processed: it completes, nothing else begins, and the
    // summary follows. The log is a FIFO that holds the first (failing) image until the signal
    // has been sent, so the signal lands inside that image every time.
    void interruptStopsAfterCurrentImage()
    {
        QStringList files;
        for (int i = 1; i <= 12; ++i)
            files << QDir(mTmp->path()).relativeFilePath(source(QStringLiteral("p%1.jpg").arg(i)));
        QFile occupied(QDir(mOut).filePath("p1.jpg"));
        QVERIFY(occupied.open(QIODevice::WriteOnly));
        occupied.close();
        QVERIFY(QDir().mkpath(QFileInfo(logPath()).absolutePath()));
        QCOMPARE(::mkfifo(QFile::encodeName(logPath()).constData(), 0600), 0);
        int reader = -1;
        auto closeReader = qScopeGuard([&reader] {
            if (reader >= 0)
                ::close(reader);
        });

        QProcess process;
        start(process, QStringList { "-o", "out" } + files);
        QVERIFY(process.waitForStarted());
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT(
            (err += process.readAllStandardError()).contains("Processing image 1 of 12"), 60000);
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        // The handler lowers the flag before it prints its message: once the message is there,
        // the stop has landed, and the worker's log write may go through.
        QTRY_VERIFY_WITH_TIMEOUT(
            (err += process.readAllStandardError()).contains("Stopping after the current image"),
            60000);
        reader = ::open(QFile::encodeName(logPath()).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        err += process.readAllStandardError();
        const QString text = QString::fromUtf8(err);
        QCOMPARE(process.exitCode(), 1);
        QVERIFY2(text.contains("Stopping after the current image"), qPrintable(text));
        QVERIFY(!text.contains("Processing image 2 of 12"));
        QVERIFY2(text.contains("Written: 0. Failed: 1. Not processed: 11."), qPrintable(text));
        QCOMPARE(outputFiles(), QStringList({ "p1.jpg" }));
    }
};

QTEST_MAIN(TestCliBatch)
#include "tst_CliBatch.moc"
