#include <algorithm>
#include <csignal>

#include <dirent.h>
#include <ftw.h>
#include <sys/resource.h>
#include <sys/stat.h>
#if defined(__linux__)
#include <sys/inotify.h>
#endif
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "model/OutputFormat.h"

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

    void start(QProcess& process, const QStringList& arguments,
        const QString& program = QStringLiteral(OSTREL_BATCH_PATH)) const
    {
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(mTmp->path());
        process.start(program, arguments);
    }

    // Runs the tool to its end; input, when given, is its standard input, closed after it.
    Result run(const QStringList& arguments, const QByteArray& input = QByteArray()) const
    {
        return runProgram(QStringLiteral(OSTREL_BATCH_PATH), arguments, input);
    }

    // The same for a program that starts the tool: sh, for arguments of bytes that are not
    // UTF-8 (QProcess passes its arguments as text), or unshare.
    Result runProgram(
        const QString& program, const QStringList& arguments, const QByteArray& input) const
    {
        QProcess process;
        start(process, arguments, program);
        if (!input.isNull()) {
            process.write(input);
            process.closeWriteChannel();
        }
        Result result;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    // Standard output read as JSON Lines: every line must be one JSON object.
    static QList<QJsonObject> jsonLines(const QString& out)
    {
        QList<QJsonObject> objects;
        for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            QJsonParseError error;
            const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
            if (error.error != QJsonParseError::NoError || !document.isObject()) {
                qWarning("not a JSON object: %s", qPrintable(line));
                return {};
            }
            objects << document.object();
        }
        return objects;
    }

    QString source(const QString& name, int w = 120, int h = 80)
    {
        return TestSupport::writeImage(QDir(mIn).filePath(name), w, h);
    }

    QStringList outputFiles() const { return TestSupport::filesIn(mOut); }

    // The names in a folder as the system has them, sorted.
    static QList<QByteArray> rawNamesIn(const QString& folder)
    {
        QList<QByteArray> names;
        if (DIR* dir = ::opendir(QFile::encodeName(folder).constData())) {
            while (const dirent* entry = ::readdir(dir)) {
                if (entry->d_name[0] != '.')
                    names << QByteArray(entry->d_name);
            }
            ::closedir(dir);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static qint64 rawSize(const QByteArray& path)
    {
        struct stat status = {};
        return ::stat(path.constData(), &status) == 0 ? status.st_size : -1;
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

    // Whether the process has a file in the output folder open: its output being written.
    bool writesIntoOutput(qint64 pid) const
    {
        const QByteArray folder = QFile::encodeName(mOut) + '/';
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QString& fd :
            fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            char target[4096];
            const ssize_t n = ::readlink(
                QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof target);
            if (n > 0 && QByteArray(target, n).startsWith(folder))
                return true;
        }
        return false;
    }

    static char processState(qint64 pid)
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            return 0;
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        return close >= 0 && close + 2 < line.size() ? line.at(close + 2) : 0;
    }

    // Waits until the tool writes its output, then stops it there (SIGSTOP) so that a signal
    // sent next is known to land inside that image. False when the image was done before
    // the tool could be stopped in it.
    bool stopWhileWriting(QProcess& process) const
    {
        const qint64 pid = process.processId();
        if (!QTest::qWaitFor([&] { return writesIntoOutput(pid); }, 120000))
            return false;
        ::kill(static_cast<pid_t>(pid), SIGSTOP);
        if (!QTest::qWaitFor([&] { return processState(pid) == 'T'; }, 60000))
            return false;
        return writesIntoOutput(pid);
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
        QTest::newRow("bad format") << QStringList { "-o", "out", "-f", "pdf", "in/a.jpg" }
                                    << "invalid value \"pdf\" for --format";
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
        QTest::newRow("custom name that is no file name") << QStringList { "-o", "out", "-n",
            "custom", "--name", "..", "--start-number", "1", "in/a.jpg" }
                                                          << "invalid value \"..\" for --name";
        QTest::newRow("no image among the files")
            << QStringList { "-o", "out", "in/notes.txt" } << "none of the files";
        // A size of 0 takes that side from the other: with both 0 there is no size at all.
        QTest::newRow("both sizes 0")
            << QStringList { "-o", "out", "-w", "0", "-H", "0", "in/a.jpg" } << "no size";
        QTest::newRow("proportional, given side 0") << QStringList { "-o", "out", "-p", "height",
            "-H", "0", "-w", "50", "in/a.jpg" } << "no size";
        QTest::newRow("shard 0 of 3")
            << QStringList { "-o", "out", "--shard", "0/3", "in/a.jpg" } << "for --shard";
        QTest::newRow("shard 4 of 3")
            << QStringList { "-o", "out", "--shard", "4/3", "in/a.jpg" } << "for --shard";
        QTest::newRow("shard without count")
            << QStringList { "-o", "out", "--shard", "2", "in/a.jpg" } << "for --shard";
        QTest::newRow("missing list file")
            << QStringList { "-o", "out", "--files-from", "in/nothing.txt" } << "--files-from";
        QTest::newRow("null without a list")
            << QStringList { "-o", "out", "--null", "in/a.jpg" } << "--null goes with";
        QTest::newRow("source outside the kept tree") << QStringList { "-o", "out", "--keep-tree",
            "out", "in/a.jpg" } << "is not below the folder of --keep-tree";
        QTest::newRow("unknown preset") << QStringList { "-o", "out", "--preset", "Web 1600 px",
            "--preset", "Nope", "in/a.jpg" }
                                        << "no preset is named \"Nope\"";
        QTest::newRow("dry run with save")
            << QStringList { "-o", "out", "--dry-run", "--save", "in/a.jpg" } << "--dry-run";
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
        storeSettings({ { "dest", mOut }, { "widthValue", 50 }, { "heightValue", 40 },
            { "formatMenu", 2 }, { "proportional", false } });
        const QByteArray before = settingsBytes();
        source("a.jpg");
        source("b.png");
        // A file given twice is one image, and no error.
        const Result result = run({ "in/a.jpg", "in/b.png", "./in/a.jpg" });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(outputFiles(), QStringList({ "a.png", "b.png" }));
        const TestSupport::Facts facts = TestSupport::inspect(QDir(mOut).filePath("a.png"));
        QCOMPARE(facts.width, 50);
        QCOMPARE(facts.height, 40);
        QVERIFY(result.err.contains("Processing image 1 of 2…\nProcessing image 2 of 2…\n"));
        QVERIFY(!result.err.contains("skipped"));
        QVERIFY(result.err.contains("Written: 2. Failed: 0. Not processed: 0."));
        QCOMPARE(settingsBytes(), before);
    }

    // --format and --metadata end to end: a stored "keep" is overridden for one run, and the
    // photo's GPS position never reaches the WebP; with the stored choice it does.
    void formatAndMetadataOptions()
    {
        storeSettings(
            { { "dest", mOut }, { "widthValue", 60 }, { "heightValue", 40 }, { "metadata", 1 } });
        const QString photo = source("gps.jpg");
        int code = -1;
        TestSupport::run("exiftool",
            { "-q", "-overwrite_original", "-Make=Cam", "-GPSLatitude=45.5", "-GPSLatitudeRef=N",
                photo },
            &code);
        QCOMPARE(code, 0);
        const QString webp = QDir(mOut).filePath("gps.webp");
        const auto tags = [&webp] {
            return TestSupport::run(
                "exiftool", { "-s3", "-f", "-n", "-Make", "-GPSLatitude", webp })
                .split('\n', Qt::SkipEmptyParts);
        };
        Result result = run({ "-f", "webp", "--metadata", "no-personal", "in/gps.jpg" });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(TestSupport::inspect(webp).width, 60);
        QCOMPARE(tags(), QStringList({ "Cam", "-" }));
        QVERIFY(QFile::remove(webp));
        result = run({ "--format", "webp", "in/gps.jpg" });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(tags(), QStringList({ "Cam", "45.5" }));
    }

    // The tool leaves all decoding to its workers, so it starts without libvips and the
    // hundred libraries behind it (a quarter of its start-up time otherwise).
    void startsWithoutLibvips()
    {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
        QSKIP("a sanitizer's link keeps every library it is given, used or not");
#endif
        const QString needed
            = TestSupport::run("readelf", { "--dynamic", QStringLiteral(OSTREL_BATCH_PATH) });
        QVERIFY(needed.contains("libQt6Core"));
        QVERIFY2(!needed.contains("libvips"), qPrintable(needed));
    }

    // The workers load libvips' optional modules only when an image needs one: a reader or a
    // writer of each module still works, made or read back by other programs.
    void formatsInLibvipsModules_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("output");
        QTest::newRow("HEIC source") << "a.heic"
                                     << "jpeg"
                                     << "a.jpg";
        QTest::newRow("PSD source, through ImageMagick") << "a.psd"
                                                         << "jpeg"
                                                         << "a.jpg";
        QTest::newRow("PDF source") << "a.pdf"
                                    << "png"
                                    << "a.png";
        QTest::newRow("JPEG XL output") << "a.png"
                                        << "jxl"
                                        << "a.jxl";
    }

    void formatsInLibvipsModules()
    {
        QFETCH(QString, source);
        QFETCH(QString, format);
        QFETCH(QString, output);
        const QString png = TestSupport::writeImage(QDir(mIn).filePath("made.png"), 120, 80);
        const QString path = QDir(mIn).filePath(source);
        int code = -1;
        if (source.endsWith(".heic"))
            TestSupport::run("vips", { "copy", png, path }, &code);
        else if (source.endsWith(".psd"))
            TestSupport::run("convert", { png, path }, &code);
        else if (source.endsWith(".pdf")) {
            // One page of 120 x 80 points with a red box.
            QFile pdf(path);
            QVERIFY(pdf.open(QIODevice::WriteOnly));
            pdf.write("%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
                      "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
                      "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 120 80]/Contents 4 0 R>>"
                      "endobj\n4 0 obj<</Length 24>>stream\n1 0 0 rg 9 9 50 40 re f\nendstream "
                      "endobj\ntrailer<</Root 1 0 R>>\n%%EOF\n");
            code = 0;
        } else
            code = QFile::copy(png, path) ? 0 : 1;
        QCOMPARE(code, 0);
        const Result result = run({ "-o", "out", "-u", "px", "-p", "width", "-w", "60", "-f",
            format, QDir("in").filePath(source) });
        QCOMPARE(result.exitCode, 0);
        const TestSupport::Facts facts = TestSupport::inspect(QDir(mOut).filePath(output));
        QCOMPARE(facts.width, 60);
        QCOMPARE(facts.height, 40);
    }

    // TIFFs are LZW-compressed unless the user chooses none; the choice is stored with --save
    // and read back by the next run.
    void tiffCompressionOption()
    {
        storeSettings({ { "dest", mOut }, { "widthValue", 60 }, { "heightValue", 40 } });
        source("a.png");
        const auto compression = [this](const char* name) {
            return TestSupport::run(
                "exiftool", { "-s3", "-Compression", QDir(mOut).filePath(name) })
                .trimmed();
        };
        QCOMPARE(run({ "-f", "tiff", "in/a.png" }).exitCode, 0);
        QCOMPARE(compression("a.tif"), QByteArray("LZW"));
        QVERIFY(QFile::remove(QDir(mOut).filePath("a.tif")));
        QCOMPARE(
            run({ "-f", "tiff", "--tiff-compression", "none", "--save", "in/a.png" }).exitCode, 0);
        QCOMPARE(compression("a.tif"), QByteArray("Uncompressed"));
        QVERIFY(QFile::remove(QDir(mOut).filePath("a.tif")));
        QCOMPARE(run({ "in/a.png" }).exitCode, 0);
        QCOMPARE(compression("a.tif"), QByteArray("Uncompressed"));
    }

    // --lossless reaches the worker: the WebP holds exactly the PNG's pixels and the report
    // names no quality; --lossy goes back to the quality, which stored settings keep.
    void losslessOption()
    {
        source("a.png", 120, 80);
        const QStringList options = { "-o", "out", "-p", "width", "-w", "120", "--json" };
        const auto pixels = [this](const QString& name) {
            const QString png = mTmp->filePath("decoded.png");
            QFile::remove(png);
            TestSupport::run("vips", { "copy", QDir(mOut).filePath(name), png + "[strip]" });
            return QImage(png).convertToFormat(QImage::Format_RGBA8888);
        };
        QCOMPARE(run(options + QStringList { "-f", "png", "in/a.png" }).exitCode, 0);
        const QImage exact = pixels("a.png");
        QCOMPARE(exact.size(), QSize(120, 80));
        for (const QString& choice : { QStringLiteral("--lossless"), QStringLiteral("--lossy") }) {
            const Result result
                = run(options + QStringList { "-f", "webp", "-q", "100", choice, "in/a.png" });
            QCOMPARE(result.exitCode, 0);
            const bool lossless = choice == QLatin1String("--lossless");
            QCOMPARE(jsonLines(result.out).value(0).value("quality").toInt(), lossless ? -1 : 100);
            QCOMPARE(pixels("a.webp") == exact, lossless);
            QVERIFY(QFile::remove(QDir(mOut).filePath("a.webp")));
        }
    }

    // An image written in part is named in the summary with what was written of it; the run
    // still counts it as written.
    void firstFrameIsReported()
    {
        storeSettings(
            { { "dest", mOut }, { "widthValue", 60 }, { "heightValue", 40 }, { "formatMenu", 2 } });
        int code = -1;
        TestSupport::run("convert",
            { "-size", "120x80", "xc:red", "xc:blue", QDir(mIn).filePath("anim.gif") }, &code);
        QCOMPARE(code, 0);
        source("still.tif");
        const Result result = run({ "in/anim.gif", "in/still.tif" });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(outputFiles(), QStringList({ "anim.png", "still.png" }));
        QVERIFY2(result.err.contains("\n  anim.gif: first frame of 2\n"), qPrintable(result.err));
        QVERIFY(!result.err.contains("still.tif:"));
        QVERIFY(result.err.contains("Written: 2. Failed: 0. Not processed: 0."));
    }

    // --max-file-size: the file fits, --json and the closing report say the quality it took,
    // and a dry run says that the limit is applied when encoding.
    void fileSizeLimit()
    {
        source("a.jpg", 600, 400);
        const QStringList options
            = { "-o", "out", "-p", "width", "-w", "600", "-q", "95", "--json", "in/a.jpg" };
        const qint64 full = jsonLines(run(options).out).value(0).value("bytes").toInteger();
        QVERIFY(QFile::remove(QDir(mOut).filePath("a.jpg")));
        const qint64 limit = full * 2 / 3;
        const Result limited
            = run(options + QStringList { "--max-file-size", QString::number(limit) });
        QCOMPARE(limited.exitCode, 0);
        const QJsonObject image = jsonLines(limited.out).value(0);
        QVERIFY(QFileInfo(QDir(mOut).filePath("a.jpg")).size() <= limit);
        const int quality = image.value("quality").toInt();
        QVERIFY2(quality >= 30 && quality < 95, qPrintable(QString::number(quality)));
        QCOMPARE(image.value("scale").toDouble(), 1.0);
        QVERIFY2(limited.err.contains(QStringLiteral("a.jpg: quality %1 to fit").arg(quality)),
            qPrintable(limited.err));

        const Result planned = run({ "-o", "out", "--dry-run", "--max-file-size", "100k",
            "--existing", "number", "in/a.jpg" });
        QVERIFY2(planned.out.contains("at most 100 kB"), qPrintable(planned.out));
        const QJsonObject plan = jsonLines(run({ "-o", "out", "--dry-run", "--json",
            "--max-file-size", "100k", "--existing", "number", "in/a.jpg" })
                                               .out)
                                     .value(0);
        QCOMPARE(plan.value("maxFileSize").toInteger(), 100'000);
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

    // Files that the list does not take are each named with why, and the run exits with 1;
    // the files taken are processed as usual.
    void filesNotTakenAreNamed()
    {
        source("a.jpg");
        source("Photo.Jpg");
        QFile notes(QDir(mIn).filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        QVERIFY(QDir().mkpath(QDir(mIn).filePath("folder")));
        const Result result
            = run({ "-o", "out", "in/Photo.Jpg", "in/a.jpg", "in/notes.txt", "in/folder" });
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(outputFiles(), QStringList({ "a.jpg" }));
        const QStringList expected = {
            QStringLiteral("ostrel-batch: skipped \"%1\": the extension \".Jpg\" is taken only "
                           "in lower or in upper case (\".jpg\" or \".JPG\")\n")
                .arg(QDir(mIn).filePath("Photo.Jpg")),
            QStringLiteral("ostrel-batch: skipped \"%1\": not a file type that Ostrel reads\n")
                .arg(QDir(mIn).filePath("notes.txt")),
            QStringLiteral("ostrel-batch: skipped \"%1\": a folder (search it with --recursive)\n")
                .arg(QDir(mIn).filePath("folder")),
            QStringLiteral("Written: 1. Failed: 0. Not processed: 0."),
            QStringLiteral("ostrel-batch: 3 of the files given were not taken (named above)\n"),
        };
        for (const QString& line : expected)
            QVERIFY2(result.err.contains(line), qPrintable(result.err));
    }

    // --save where the settings cannot be kept: no "Settings saved.", no exit 0, and the
    // reason. The settings file's folder is a regular file, which no user (root included) can
    // write into; a settings file that is a link to a device or a named pipe holds nothing,
    // and is neither written nor written through.
    void settingsThatCannotBeSavedAreReported_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder is a file") << QString("file") << QString("it could not be written");
        QTest::newRow("link to a device")
            << QString("device") << QString("it is not a regular file");
        QTest::newRow("named pipe") << QString("pipe") << QString("it is not a regular file");
    }

    void settingsThatCannotBeSavedAreReported()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, reason);
        const QByteArray path = QFile::encodeName(settingsPath());
        if (blocker == QLatin1String("file")) {
            QVERIFY(TestSupport::writeFile(mTmp->filePath("config/Ostrel")));
        } else {
            QVERIFY(QDir().mkpath(mTmp->filePath("config/Ostrel")));
            if (blocker == QLatin1String("device"))
                QCOMPARE(::symlink("/dev/zero", path.constData()), 0);
            else
                QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        }

        Result result = run({ "--save", "-f", "png" });
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(!result.err.contains("Settings saved."), qPrintable(result.err));
        const QString message = "ostrel-batch: the settings could not be saved to \""
            + settingsPath() + "\": " + reason + "\n";
        QVERIFY2(result.err.contains(message), qPrintable(result.err));

        // With files the batch still runs, and the exit status tells that something failed.
        source("a.jpg");
        result = run({ "--save", "-o", "out", "-f", "png", "in/a.jpg" });
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(outputFiles(), QStringList({ "a.png" }));
        QVERIFY2(result.err.contains(message), qPrintable(result.err));

        // What stood in the file's place is still there, alone (no lock or temporary file
        // beside it), and nothing was written beside the device.
        if (blocker == QLatin1String("file"))
            return;
        struct stat status = {};
        QCOMPARE(::lstat(path.constData(), &status), 0);
        if (blocker == QLatin1String("device")) {
            QVERIFY(S_ISLNK(status.st_mode));
            QCOMPARE(QFile::symLinkTarget(settingsPath()), QStringLiteral("/dev/zero"));
            QCOMPARE(::stat("/dev/zero", &status), 0);
            QVERIFY(S_ISCHR(status.st_mode));
            QCOMPARE(QDir("/dev").entryList({ "zero*" }, QDir::AllEntries | QDir::System),
                QStringList({ "zero" }));
        } else {
            QVERIFY(S_ISFIFO(status.st_mode));
        }
        QCOMPARE(
            QDir(mTmp->filePath("config/Ostrel"))
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList({ "Ostrel.conf" }));
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
                                      "image \"bad.jpg\" was not elaborated: the source file "
                                      "could not be read as an image \\("
            + QRegularExpression::escape(QDir(mIn).filePath("bad.jpg")) + "\\)");
        QVERIFY2(line.match(result.err).hasMatch(), qPrintable(result.err));
        QVERIFY(result.err.contains("bad.jpg: the source file could not be read as an image"));
        QVERIFY(result.err.contains("Written: 1. Failed: 1. Not processed: 0."));
        QFile log(logPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY(line.match(lines.first()).hasMatch());
    }

    // File names are the attacker's text: one whose newline would forge a log line, one with
    // terminal sequences. Each image stays one line on standard error, in the log, in the
    // summary and in a dry run, its controls quoted; no control reaches the terminal.
    void namesWithControlCharactersStayOnOneLine()
    {
        const QString forged = QStringLiteral("pay.jpg\n2026-01-01 00:00:00.000 ostrel[1]: Error! "
                                              "The image \"x.jpg\"\x1b[2J.jpg");
        const QString quoted = QStringLiteral("pay.jpg\\n2026-01-01 00:00:00.000 ostrel[1]: Error! "
                                              "The image \"x.jpg\"\\x1b[2J.jpg");
        QVERIFY(TestSupport::writeFile(QDir(mIn).filePath(forged), "not an image"));
        QVERIFY(TestSupport::writeFile(QDir(mIn).filePath("notes\x1b]0;title\x07.txt")));
        source("good.jpg");

        const Result result
            = run({ "-o", "out", "in/" + forged, "in/notes\x1b]0;title\x07.txt", "in/good.jpg" });
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(outputFiles(), QStringList({ "good.jpg" }));
        for (const QChar control : { QChar(0x1b), QChar(0x07) })
            QVERIFY2(!result.err.contains(control), qPrintable(result.err));
        const QStringList expected = {
            QStringLiteral("]: Error! The image \"%1\" was not elaborated: the source file could "
                           "not be read as an image (%2)\n")
                .arg(quoted, QDir(mIn).filePath(quoted)),
            QStringLiteral("ostrel-batch: skipped \"%1\": not a file type that Ostrel reads\n")
                .arg(QDir(mIn).filePath("notes\\x1b]0;title\\x07.txt")),
            "\n  " + quoted + ": the source file could not be read as an image",
        };
        for (const QString& line : expected)
            QVERIFY2(result.err.contains(line), qPrintable(result.err));
        QFile log(logPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray logged = log.readAll();
        QCOMPARE(logged.count('\n'), 1);
        QVERIFY2(QString::fromUtf8(logged).contains("\"" + quoted + "\""), logged.constData());

        const Result dry = run({ "--dry-run", "-o", "out", "in/" + forged });
        QCOMPARE(dry.out.count('\n'), 1);
        QVERIFY2(dry.out.startsWith(QDir(mIn).filePath(quoted) + " -> "), qPrintable(dry.out));
    }

    // Fit inside and do not enlarge, from the options and from the stored settings, in
    // pixels and in millimetres; the sizes read back with vipsheader.
    void sizeModes()
    {
        source("wide.png", 400, 200);
        source("tall.png", 150, 300);
        source("small.png", 60, 40);
        const QStringList files = { "in/wide.png", "in/tall.png", "in/small.png" };
        auto sizes = [this] {
            QStringList result;
            for (const QString& name : outputFiles()) {
                const TestSupport::Facts facts = TestSupport::inspect(QDir(mOut).filePath(name));
                result << QStringLiteral("%1 %2x%3").arg(name).arg(facts.width).arg(facts.height);
            }
            return result;
        };
        Result result
            = run(QStringList { "-o", "out", "-p", "fit", "-w", "200", "-H", "100", "--no-enlarge" }
                + files);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(
            sizes(), QStringList({ "small.jpg 60x40", "tall.jpg 50x100", "wide.jpg 200x100" }));

        // 10 mm at 254 pixels per inch is 100 pixels, as the long side; stored settings say
        // "do not enlarge", the option says the opposite.
        QVERIFY(QDir(mOut).removeRecursively() && QDir().mkpath(mOut));
        storeSettings({ { "noEnlarge", true } });
        result = run(QStringList { "-o", "out", "-p", "fit", "--sides", "long-short", "-u", "mm",
                         "-r", "254", "-w", "10", "-H", "10" }
            + files);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(sizes(), QStringList({ "small.jpg 60x40", "tall.jpg 50x100", "wide.jpg 100x50" }));
        QVERIFY(QDir(mOut).removeRecursively() && QDir().mkpath(mOut));
        result = run(QStringList { "-o", "out", "-p", "fit", "-u", "mm", "-r", "254", "-w", "10",
                         "-H", "10", "--enlarge" }
            + files);
        QCOMPARE(
            sizes(), QStringList({ "small.jpg 100x67", "tall.jpg 50x100", "wide.jpg 100x50" }));
    }

    // An output name that exists: the image fails (exit 1), is skipped (exit 0, counted in
    // the summary, nothing logged) or is numbered.
    void existingFileChoices()
    {
        source("a.jpg");
        source("b.jpg");
        {
            QFile occupied(QDir(mOut).filePath("a.jpg"));
            QVERIFY(occupied.open(QIODevice::WriteOnly));
            occupied.write("occupied");
        }
        Result result = run({ "-o", "out", "in/a.jpg", "in/b.jpg" });
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("Written: 1. Failed: 1. Not processed: 0."),
            qPrintable(result.err));
        QVERIFY(QFile::remove(logPath()));

        result = run({ "-o", "out", "--existing", "skip", "in/a.jpg", "in/b.jpg" });
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.contains("Written: 0. Skipped: 2. Failed: 0. Not processed: 0."),
            qPrintable(result.err));
        QVERIFY(result.err.contains("Skipped because a file of that name exists: 2."));
        QVERIFY(!QFile::exists(logPath()));

        result = run({ "-o", "out", "--existing", "number", "in/a.jpg", "in/b.jpg" });
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.contains("Written: 2. Failed: 0. Not processed: 0."),
            qPrintable(result.err));
        QCOMPARE(outputFiles(), QStringList({ "a-2.jpg", "a.jpg", "b-2.jpg", "b.jpg" }));
        QFile occupied(QDir(mOut).filePath("a.jpg"));
        QVERIFY(occupied.open(QIODevice::ReadOnly));
        QCOMPARE(occupied.readAll(), QByteArray("occupied"));
    }

    // Two runs over the same files into one folder at the same time, in the same order so
    // that they reach each name together: with number every image is written once by each,
    // under names that never collide; with skip each name is written once, by one of them,
    // and the other skips it. Every output is whole and nothing else is left.
    void racingRuns_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::newRow("number") << "number";
        QTest::newRow("skip") << "skip";
    }

    void racingRuns()
    {
        QFETCH(QString, choice);
        constexpr int kCount = 16;
        QStringList files;
        for (int i = 0; i < kCount; ++i) {
            const QString name = QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0'));
            source(name, 160, 120);
            files << QStringLiteral("in/") + name;
        }
        const QStringList arguments
            = QStringList { "-o", "out", "-w", "80", "-H", "60", "--existing", choice } + files;
        QProcess first;
        QProcess second;
        start(first, arguments);
        start(second, arguments);
        QVERIFY(first.waitForFinished(120000) && second.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);

        QStringList expected;
        for (int i = 0; i < kCount; ++i) {
            const QString stem = QStringLiteral("p%1").arg(i, 2, 10, QLatin1Char('0'));
            expected << stem + QStringLiteral(".jpg");
            if (choice == QLatin1String("number"))
                expected << stem + QStringLiteral("-2.jpg");
        }
        expected.sort();
        QStringList names = outputFiles();
        names.sort();
        QCOMPARE(names, expected);
        for (const QString& name : names) {
            const TestSupport::Facts facts = TestSupport::inspect(QDir(mOut).filePath(name));
            QCOMPARE(facts.width, 80);
            QCOMPARE(facts.height, 60);
        }
        // What each run says it did adds up to what is there.
        const QRegularExpression summary(
            QStringLiteral("Written: (\\d+)\\.(?: Skipped: (\\d+)\\.)?"));
        int written = 0;
        int skipped = 0;
        for (QProcess* process : { &first, &second }) {
            const QString err = QString::fromUtf8(process->readAllStandardError());
            const QRegularExpressionMatch match = summary.match(err);
            QVERIFY2(match.hasMatch(), qPrintable(err));
            written += match.captured(1).toInt();
            skipped += match.captured(2).toInt();
        }
        QCOMPARE(written, int(names.size()));
        QCOMPARE(skipped, choice == QLatin1String("skip") ? kCount : 0);
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

    // Ctrl-C while the first of twelve is processed, one at a time: it completes, nothing else
    // begins, and the summary follows. The log is a FIFO that holds the first (failing) image
    // until the signal has been sent, so the signal lands inside that image every time.
    void interruptStopsAfterCurrentImage()
    {
        QStringList files;
        for (int i = 1; i <= 12; ++i)
            files << QDir(mTmp->path()).relativeFilePath(source(QStringLiteral("p%1.jpg").arg(i)));
        QVERIFY(TestSupport::writeFile(QDir(mOut).filePath("p1.jpg")));
        QVERIFY(QDir().mkpath(QFileInfo(logPath()).absolutePath()));
        TestSupport::LogPipe gate(logPath());
        QVERIFY(gate.isValid());

        QProcess process;
        start(process, QStringList { "-o", "out", "-j", "1" } + files);
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
        gate.open();
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        err += process.readAllStandardError();
        const QString text = QString::fromUtf8(err);
        QCOMPARE(process.exitCode(), 1);
        QVERIFY2(text.contains("Stopping after the current image"), qPrintable(text));
        QVERIFY(!text.contains("Processing image 2 of 12"));
        QVERIFY2(text.contains("Written: 0. Failed: 1. Not processed: 11."), qPrintable(text));
        // The headline says the batch was stopped, never that everything was processed.
        QVERIFY2(text.contains("Processing stopped. Images written: 0. Failed: 1. Not processed: "
                               "11. The log names each failed image.\n"),
            qPrintable(text));
        QVERIFY(!text.contains("without errors"));
        QCOMPARE(outputFiles(), QStringList({ "p1.jpg" }));
    }

    // A custom name stored by hand in the settings file that would lead out of the output
    // folder stops the run before anything is processed, naming it.
    void storedCustomNameLeavingTheFolder()
    {
        storeSettings({ { "dest", mOut }, { "nameMenu", 2 }, { "name", "../x" }, { "nameNum", "1" },
            { "formatMenu", 2 } });
        source("a.jpg");
        const Result result = run({ "in/a.jpg" });
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains("the custom name \"../x\""), qPrintable(result.err));
        QVERIFY(outputFiles().isEmpty());
        QVERIFY(!QFile::exists(mTmp->filePath("x0001.png")));
    }

    // Ended by force (kill -9) or by a closed terminal (SIGHUP) in the middle of writing an
    // image: no temporary file is left. SIGHUP is a polite request like SIGTERM: the image in
    // progress is finished and the summary follows.
    void endedWhileWritingLeavesNoTemporary_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGKILL") << int(SIGKILL);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void endedWhileWritingLeavesNoTemporary()
    {
        QFETCH(int, signalNumber);
        source("big.png", 400, 300);
        QProcess process;
        start(process, { "-o", "out", "-f", "png", "-p", "width", "-w", "6000", "in/big.png" });
        QVERIFY(process.waitForStarted());
        QVERIFY(stopWhileWriting(process));
        ::kill(static_cast<pid_t>(process.processId()), signalNumber);
        ::kill(static_cast<pid_t>(process.processId()), SIGCONT);
        QVERIFY(process.waitForFinished(120000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        if (signalNumber == SIGKILL) {
            QCOMPARE(process.exitStatus(), QProcess::CrashExit);
            QVERIFY2(outputFiles().isEmpty(), qPrintable(outputFiles().join(' ')));
            return;
        }
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY2(err.contains("Stopping after the current image"), qPrintable(err));
        QVERIFY2(err.contains("Written: 1. Failed: 0. Not processed: 0."), qPrintable(err));
        QCOMPARE(outputFiles(), QStringList({ "big.png" }));
        QCOMPARE(TestSupport::inspect(QDir(mOut).filePath("big.png")).height, 4500);
    }

    // Standard error closed by its reader (a pipe into a pager that was quit): the batch goes
    // on without its messages instead of ending on SIGPIPE.
    void closedStandardErrorIsSurvived()
    {
        source("a.jpg");
        int channel[2];
        QCOMPARE(::pipe(channel), 0);
        ::close(channel[0]);
        QProcess process;
        process.setChildProcessModifier([&channel] { ::dup2(channel[1], STDERR_FILENO); });
        start(process, { "-o", "out", "-f", "png", "in/a.jpg" });
        QVERIFY(process.waitForFinished(120000));
        ::close(channel[1]);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(outputFiles(), QStringList({ "a.png" }));
    }

    // A second request to stop (Ctrl-C again, or SIGTERM while stopping) does not wait for a
    // very large image: it is abandoned at once, nothing of it is left, and the summary counts
    // it as not processed.
    void secondStopAbandonsTheImage_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("Ctrl-C twice") << int(SIGINT) << int(SIGINT);
        QTest::newRow("SIGHUP, then SIGTERM") << int(SIGHUP) << int(SIGTERM);
    }

    void secondStopAbandonsTheImage()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        source("huge.png", 400, 300);
        QProcess process;
        start(process, { "-o", "out", "-f", "png", "-p", "width", "-w", "20000", "in/huge.png" });
        QVERIFY(process.waitForStarted());
        const auto pid = static_cast<pid_t>(process.processId());
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT(
            (err += process.readAllStandardError()).contains("Processing image 1 of 1"), 60000);
        ::kill(pid, first);
        QTRY_VERIFY_WITH_TIMEOUT(
            (err += process.readAllStandardError()).contains("Stopping after the current image"),
            60000);
        QVERIFY2(stopWhileWriting(process), "the image was finished before the second stop");
        ::kill(pid, second);
        ::kill(pid, SIGCONT);
        QVERIFY(process.waitForFinished(120000));
        err += process.readAllStandardError();
        const QString text = QString::fromUtf8(err);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QVERIFY2(text.contains("Written: 0. Failed: 0. Not processed: 1."), qPrintable(text));
        QVERIFY2(outputFiles().isEmpty(), qPrintable(outputFiles().join(' ')));
        QVERIFY(!QFile::exists(logPath()));
    }

    // Names from standard input, NUL-separated, may hold spaces and newlines; they come after
    // the arguments. --json reports every image in list order, then the summary, and nothing
    // else reaches standard output; each image's line agrees with the file on disk.
    void filesFromStandardInputWithJsonReport()
    {
        const QString first = source("first.jpg", 300, 200);
        const QString spaced = source("with space.jpg", 300, 200);
        const QString newline = source("new\nline.png", 200, 300);
        const QString broken = QDir(mIn).filePath("broken.jpg");
        QVERIFY(TestSupport::writeFile(broken, "not a JPEG"));
        const QByteArray input = QFile::encodeName(spaced) + '\0' + QFile::encodeName(newline)
            + '\0' + '\0' + QFile::encodeName(broken) + '\0';
        const Result result = run({ "-o", "out", "-p", "width", "-w", "60", "-f", "png", "--json",
                                      "--files-from", "-", "--null", "in/first.jpg" },
            input);
        QCOMPARE(result.exitCode, 1);
        const QList<QJsonObject> lines = jsonLines(result.out);
        QCOMPARE(lines.size(), 5);
        const QStringList sources = { first, spaced, newline, broken };
        const QStringList outputs = { "first.png", "with space.png", "new\nline.png" };
        for (int i = 0; i < 3; ++i) {
            const QJsonObject image = lines.at(i);
            QCOMPARE(image.value("type").toString(), QString("image"));
            QCOMPARE(image.value("source").toString(), sources.at(i));
            QCOMPARE(image.value("status").toString(), QString("written"));
            QVERIFY(image.value("reason").isNull());
            const QString output = image.value("output").toString();
            QCOMPARE(output, QDir(mOut).filePath(outputs.at(i)));
            const TestSupport::Facts facts = TestSupport::inspect(output);
            QCOMPARE(image.value("width").toInt(), facts.width);
            QCOMPARE(image.value("height").toInt(), facts.height);
            QCOMPARE(facts.width, 60);
            QCOMPARE(image.value("sourceWidth").toInt(), i == 2 ? 200 : 300);
            QCOMPARE(image.value("sourceHeight").toInt(), i == 2 ? 300 : 200);
            QCOMPARE(image.value("bytes").toInteger(), QFileInfo(output).size());
            QVERIFY(image.value("milliseconds").toInteger() >= 0);
        }
        const QJsonObject failed = lines.at(3);
        QCOMPARE(failed.value("source").toString(), broken);
        QCOMPARE(failed.value("status").toString(), QString("failed"));
        QVERIFY(failed.value("output").isNull());
        QVERIFY(!failed.value("reason").toString().isEmpty());
        const QJsonObject summary = lines.at(4);
        QCOMPARE(summary.value("type").toString(), QString("summary"));
        QCOMPARE(summary.value("written").toInt(), 3);
        QCOMPARE(summary.value("failed").toInt(), 1);
        QCOMPARE(summary.value("skipped").toInt(), 0);
        QCOMPARE(summary.value("notProcessed").toInt(), 0);
        QCOMPARE(summary.value("exitStatus").toInt(), 1);
        QCOMPARE(outputFiles(), QStringList({ "first.png", "new\nline.png", "with space.png" }));

        // Lines instead of NULs; --quiet leaves only the errors on standard error.
        const Result again
            = run({ "-o", "out", "--existing", "skip", "--quiet", "--files-from", "-" },
                "in/first.jpg\n\n");
        QCOMPARE(again.exitCode, 0);
        QVERIFY2(again.err.isEmpty(), qPrintable(again.err));
        QVERIFY(again.out.isEmpty());
    }

    // --preset applies a preset under the options given; repeated, every image is written once
    // per preset, each preset's files in a folder of their own, reported per file.
    void severalPresetsInOneRun()
    {
        storeSettings({ { "presets/1/presetName", "Tiny" }, { "presets/1/widthValue", 40 },
            { "presets/1/heightValue", 40 }, { "presets/1/tagSides", 3 },
            { "presets/1/proportional", true }, { "presets/1/formatMenu", 2 },
            { "presets/size", 1 } });
        source("a.jpg", 800, 600);
        source("b.jpg", 600, 800);
        const Result several = run({ "-o", "out", "--json", "--preset", "Thumbnail 256 px",
            "--preset", "Tiny", "in/a.jpg", "in/b.jpg" });
        QVERIFY2(several.exitCode == 0, qPrintable(several.err));
        QStringList written;
        for (QDirIterator it(mOut, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            written << QDir(mOut).relativeFilePath(it.next());
        written.sort();
        QCOMPARE(written,
            QStringList({ "Thumbnail 256 px/a.jpg", "Thumbnail 256 px/b.jpg", "Tiny/a.png",
                "Tiny/b.png" }));
        const QList<QJsonObject> lines = jsonLines(several.out);
        QCOMPARE(lines.size(), 5);
        const QStringList presets = { "Thumbnail 256 px", "Tiny", "Thumbnail 256 px", "Tiny" };
        const QList<int> longSides = { 256, 40, 256, 40 };
        for (int i = 0; i < 4; ++i) {
            const QJsonObject image = lines.at(i);
            QCOMPARE(image.value("preset").toString(), presets.at(i));
            const TestSupport::Facts facts = TestSupport::inspect(image.value("output").toString());
            QCOMPARE(std::max(facts.width, facts.height), longSides.at(i));
        }
        QCOMPARE(lines.at(4).value("written").toInt(), 4);

        // One preset: its settings, in the output folder itself; an option given wins.
        QVERIFY(QDir(mOut).removeRecursively() && QDir().mkpath(mOut));
        const Result one = run({ "-o", "out", "--preset", "Tiny", "-f", "jpeg", "in/a.jpg" });
        QCOMPARE(one.exitCode, 0);
        QCOMPARE(outputFiles(), QStringList({ "a.jpg" }));
        QCOMPARE(TestSupport::inspect(QDir(mOut).filePath("a.jpg")).width, 40);
    }

    // -R stays inside the folder given: links in it to a folder or an image elsewhere (a
    // co-user's private pictures) are named and counted as not taken, not followed; the same
    // image named directly is taken.
    void recursionStaysInTheFolderGiven()
    {
        QVERIFY(QDir(mIn).mkpath("sub"));
        source("a.jpg");
        source("sub/b.jpg");
        QVERIFY(QDir(mTmp->path()).mkpath("private"));
        const QString secret
            = TestSupport::writeImage(mTmp->filePath("private/secret.jpg"), 40, 30);
        QVERIFY(QFile::link(mTmp->filePath("private"), QDir(mIn).filePath("shared")));
        QVERIFY(QFile::link(secret, QDir(mIn).filePath("linked.jpg")));
        const Result result = run({ "-o", "out", "-R", "in", "in/linked.jpg" });
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(outputFiles(), QStringList({ "a.jpg", "b.jpg", "linked.jpg" }));
        for (const char* name : { "linked.jpg", "shared" }) {
            const QString line
                = QStringLiteral("ostrel-batch: skipped \"%1\": a link that leads out "
                                 "of the folder given\n")
                      .arg(QDir(mIn).filePath(name));
            QVERIFY2(result.err.contains(line), qPrintable(result.err));
        }
        QVERIFY2(result.err.contains(
                     "ostrel-batch: 2 of the files given were not taken (named above)\n"),
            qPrintable(result.err));
    }

    // A proc file system mounted inside the folder (as in a container's tree) is not walked:
    // the links of its processes lead to every file of the machine. Mounted in a user and
    // process namespace of the test's own.
    void kernelFileSystemInTheFolderIsNotWalked()
    {
        source("a.jpg");
        QVERIFY(QDir(mIn).mkpath("proc"));
        const QString mount = QStringLiteral("mount -t proc proc in/proc");
        const QStringList unshare = { "-Urmpf", "/bin/sh", "-c" };
        if (runProgram("unshare", unshare + QStringList { mount }, QByteArray()).exitCode != 0)
            QSKIP("no user namespace for a mount here");
        const Result result = runProgram("unshare",
            unshare + QStringList { mount + " && exec \"$0\" -o out -R in", OSTREL_BATCH_PATH },
            QByteArray());
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(outputFiles(), QStringList({ "a.jpg" }));
        const QString line = QStringLiteral("ostrel-batch: skipped \"%1\": a system folder (such "
                                            "as /proc), never searched\n")
                                 .arg(QDir(mIn).filePath("proc"));
        QVERIFY2(result.err.contains(line), qPrintable(result.err));
    }

    // Names that are not UTF-8 (a Latin-1 "é") are found by -R and written under the same
    // bytes; --json gives each such path as text and as its bytes. Named directly (through
    // sh, which passes bytes) or in a list of names, they are planned and written alike.
    void namesThatAreNotUtf8()
    {
        // QTemporaryDir cannot see these names to remove them.
        const auto removeAll = qScopeGuard([this] {
            ::nftw(
                QFile::encodeName(mTmp->path()).constData(),
                [](const char* path, const struct stat*, int, FTW*) { return ::remove(path); }, 16,
                FTW_DEPTH | FTW_PHYS);
        });
        const QByteArray in = QFile::encodeName(mIn);
        const QByteArray out = QFile::encodeName(mOut);
        QCOMPARE(::mkdir(in + "/deep\xff", 0777), 0);
        const QList<QByteArray> names = { "caf\xe9.jpg", "plain.jpg", "deep\xff/\xe9t\xe9.png" };
        const QList<QByteArray> outputs = { "caf\xe9.jpg", "plain.jpg", "\xe9t\xe9.jpg" };
        for (const QByteArray& name : names) {
            const QString made = source(name.endsWith(".png") ? "made.png" : "made.jpg");
            QCOMPARE(
                ::rename(QFile::encodeName(made).constData(), (in + '/' + name).constData()), 0);
        }
        const Result walked = run({ "-o", "out", "-w", "30", "--json", "-R", "in" });
        QCOMPARE(walked.exitCode, 0);
        QCOMPARE(rawNamesIn(mOut), outputs);
        const QList<QJsonObject> lines = jsonLines(walked.out);
        QCOMPARE(lines.size(), 4);
        auto bytesOf = [](const QJsonObject& line, const char* key) {
            return QByteArray::fromBase64(line.value(QLatin1String(key)).toString().toLatin1());
        };
        for (int i = 0; i < 3; ++i) {
            const QByteArray source = in + '/' + names.at(i);
            const QByteArray output = out + '/' + outputs.at(i);
            const QJsonObject line = lines.at(i);
            QCOMPARE(line.value("status").toString(), QString("written"));
            QCOMPARE(line.value("source").toString(), QString::fromUtf8(source));
            QCOMPARE(line.value("output").toString(), QString::fromUtf8(output));
            QCOMPARE(line.contains("source_bytes"), i != 1);
            QCOMPARE(line.contains("output_bytes"), i != 1);
            if (i != 1) {
                QCOMPARE(bytesOf(line, "source_bytes"), source);
                QCOMPARE(bytesOf(line, "output_bytes"), output);
            }
            QCOMPARE(line.value("bytes").toInteger(), rawSize(output));
        }

        QVERIFY(QDir(mTmp->path()).mkpath("given"));
        const QByteArray list = "in/deep\xff/\xe9t\xe9.png\n";
        const QStringList command = { "-c",
            "exec \"$0\" -o given -w 30 --json --files-from - \"$(printf 'in/caf\\351.jpg')\" "
            "\"$@\"",
            OSTREL_BATCH_PATH };
        const Result planned = runProgram("/bin/sh", command + QStringList { "--dry-run" }, list);
        QCOMPARE(planned.exitCode, 0);
        const QList<QJsonObject> plans = jsonLines(planned.out);
        QCOMPARE(plans.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(plans.at(i).value("status").toString(), QString("write"));
            QCOMPARE(bytesOf(plans.at(i), "source_bytes"), in + '/' + names.at(i * 2));
        }
        QCOMPARE(runProgram("/bin/sh", command, list).exitCode, 0);
        QCOMPARE(
            rawNamesIn(mTmp->filePath("given")), QList<QByteArray>({ outputs[0], outputs[2] }));
    }

    // --name-template alone names the outputs by it, numbered from --start-number, with the
    // pixel size each output gets; a template that cannot name files stops the run.
    void nameTemplate()
    {
        source("a.jpg", 200, 100);
        source("b.png", 100, 200);
        const QStringList options = { "-o", "out", "-p", "long", "-w", "50", "--start-number",
            "5", "in/a.jpg", "in/b.png", "--name-template" };
        const Result result = run(options + QStringList { "{name}_{w}x{h}_{n:3}" });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(outputFiles(), QStringList({ "a_50x25_005.jpg", "b_25x50_006.jpg" }));
        QCOMPARE(TestSupport::inspect(QDir(mOut).filePath("b_25x50_006.jpg")).height, 50);

        const Result refused = run(options + QStringList { "{name}_{size}" });
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.contains("the name template \"{name}_{size}\" cannot be used: "
                                      "unknown token \"{size}\""),
            qPrintable(refused.err));
        QCOMPARE(outputFiles().size(), 2);
    }

    // The smaller output choices, end to end: each image in its own format (what cannot be
    // written becomes PNG), outputs not smaller than their source skipped, the sources' dates.
    void outputChoices()
    {
        source("photo.jpg", 2000, 1500);
        source("icon.png", 20, 15);
        // A drawing of many bytes: its PNG is smaller.
        QVERIFY(TestSupport::writeFile(QDir(mIn).filePath("logo.svg"),
            "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='30'><!-- "
                + QByteArray(50000, 'x') + " --><rect width='40' height='30' fill='red'/></svg>"));
        const QDateTime modified(QDate(2001, 2, 3), QTime(4, 5, 6));
        for (const char* name : { "photo.jpg", "icon.png", "logo.svg" }) {
            QFile file(QDir(mIn).filePath(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        }
        const Result result = run({ "-o", "out", "-p", "long", "-w", "200", "-f", "same",
            "--skip-larger", "--keep-dates", "--json", "in/photo.jpg", "in/icon.png",
            "in/logo.svg" });
        QCOMPARE(result.exitCode, 0);
        // The icon, enlarged, would have been larger than its source.
        QCOMPARE(outputFiles(), QStringList({ "logo.png", "photo.jpg" }));
        const QList<QJsonObject> lines = jsonLines(result.out);
        QCOMPARE(lines.at(1).value("status").toString(), QString("skipped"));
        QCOMPARE(lines.at(1).value("reason").toString(), QString("not smaller than its source"));
        QCOMPARE(lines.at(3).value("skipped").toInt(), 1);
        for (const QString& name : outputFiles()) {
            const QString path = QDir(mOut).filePath(name);
            QCOMPARE(QFileInfo(path).lastModified(), modified);
            QCOMPARE(TestSupport::inspect(path).width, 200);
        }
        QVERIFY(TestSupport::run("vipsheader", { "-f", "vips-loader", QDir(mOut).filePath("logo.png") })
                    .startsWith("pngload"));
        QVERIFY(TestSupport::run("vipsheader", { "-f", "vips-loader", QDir(mOut).filePath("photo.jpg") })
                    .startsWith("jpegload"));
    }

    // -R walks folders as the window does; --keep-tree puts each output in its source's
    // subfolders, two levels made as needed. --dry-run beforehand names the same paths and
    // sizes and makes nothing, not even a folder; after the run it names the numbered names
    // the existing-file choice would take.
    void keepTreeWithDryRun()
    {
        QVERIFY(QDir(mIn).mkpath("a/b") && QDir(mIn).mkpath("c"));
        source("top.jpg", 200, 100);
        source("a/mid.jpg", 200, 100);
        source("a/b/deep.png", 100, 200);
        QVERIFY(TestSupport::writeFile(QDir(mIn).filePath("c/notes.txt")));
        const QStringList options = { "-o", "out", "-R", "--keep-tree", "in", "-p", "long", "-w",
            "50", "--existing", "number", "--json", "in" };
        const Result planned = run(options + QStringList { "--dry-run" });
        QCOMPARE(planned.exitCode, 0);
        QVERIFY(outputFiles().isEmpty());
        QVERIFY(QDir(mOut).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
        const QList<QJsonObject> plans = jsonLines(planned.out);
        QCOMPARE(plans.size(), 3);

        const Result done = run(options);
        QCOMPARE(done.exitCode, 0);
        const QList<QJsonObject> images = jsonLines(done.out);
        QCOMPARE(images.size(), 4);
        const QStringList expected = { QDir(mOut).filePath("top.jpg"),
            QDir(mOut).filePath("a/mid.jpg"), QDir(mOut).filePath("a/b/deep.jpg") };
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(plans.at(i).value("status").toString(), QString("write"));
            QCOMPARE(plans.at(i).value("output").toString(), expected.at(i));
            QCOMPARE(images.at(i).value("output").toString(), expected.at(i));
            const TestSupport::Facts facts = TestSupport::inspect(expected.at(i));
            QCOMPARE(plans.at(i).value("width").toInt(), facts.width);
            QCOMPARE(plans.at(i).value("height").toInt(), facts.height);
        }
        QCOMPARE(TestSupport::inspect(expected.at(2)).height, 50);

        const QList<QJsonObject> replanned
            = jsonLines(run(options + QStringList { "--dry-run" }).out);
        QCOMPARE(replanned.size(), 3);
        QCOMPARE(replanned.at(1).value("output").toString(), QDir(mOut).filePath("a/mid-2.jpg"));
        QVERIFY(!QFile::exists(QDir(mOut).filePath("a/mid-2.jpg")));

        // A file where a subfolder is needed fails that image alone, and is left as it was.
        QVERIFY(QDir(mOut).removeRecursively() && QDir().mkpath(mOut));
        QVERIFY(TestSupport::writeFile(QDir(mOut).filePath("a"), "mine"));
        const Result blocked = run(options);
        QCOMPARE(blocked.exitCode, 1);
        const QList<QJsonObject> outcome = jsonLines(blocked.out);
        QCOMPARE(outcome.size(), 4);
        QCOMPARE(outcome.at(0).value("status").toString(), QString("written"));
        QCOMPARE(outcome.at(1).value("status").toString(), QString("failed"));
        QCOMPARE(outcome.at(2).value("status").toString(), QString("failed"));
        QFile mine(QDir(mOut).filePath("a"));
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("mine"));
        // Nor does a link placed there lead the outputs into another folder.
        QVERIFY(QFile::remove(QDir(mOut).filePath("a")));
        const QString elsewhere = mTmp->filePath("elsewhere");
        QVERIFY(QDir().mkpath(elsewhere) && QFile::link(elsewhere, QDir(mOut).filePath("a")));
        QCOMPARE(run(options).exitCode, 1);
        QVERIFY(QDir(elsewhere).isEmpty());

        // Without the tree two sources share a name: the plan says what the run does, the
        // first one written and the second one skipped.
        source("c/top.jpg", 30, 20);
        QVERIFY(QDir(mOut).removeRecursively() && QDir().mkpath(mOut));
        const QStringList flat
            = { "-o", "out", "-R", "-w", "10", "--existing", "skip", "--json", "in" };
        const QList<QJsonObject> flatPlan = jsonLines(run(flat + QStringList { "--dry-run" }).out);
        const QList<QJsonObject> flatRun = jsonLines(run(flat).out);
        QCOMPARE(flatPlan.size(), 4);
        QCOMPARE(flatRun.size(), 5);
        const QStringList planWords = { "write", "write", "write", "skip" };
        const QStringList runWords = { "written", "written", "written", "skipped" };
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(flatPlan.at(i).value("source").toString(),
                flatRun.at(i).value("source").toString());
            QCOMPARE(flatPlan.at(i).value("status").toString(), planWords.at(i));
            QCOMPARE(flatRun.at(i).value("status").toString(), runWords.at(i));
        }
    }

    // Shards 1/3, 2/3 and 3/3 of a list of 100 are a partition of it, and with custom naming
    // each image keeps the running number it has in the whole list.
    void shardsPartitionTheList()
    {
        const QString one = source("0.png", 8, 8);
        QStringList names;
        for (int i = 0; i < 100; ++i) {
            const QString name = QStringLiteral("in/img%1.png").arg(i);
            QVERIFY(i == 0 ? QFile::rename(one, mTmp->filePath(name))
                           : QFile::copy(mTmp->filePath("in/img0.png"), mTmp->filePath(name)));
            names << name;
        }
        const QStringList options = { "-o", "out", "-w", "4", "-n", "custom", "--name", "T",
            "--start-number", "1", "--dry-run", "--json" };
        auto plan = [&](const QStringList& extra, const QStringList& sources) {
            QMap<QString, QString> outputBySource;
            const Result result = run(options + extra + sources);
            if (result.exitCode != 0)
                return outputBySource;
            for (const QJsonObject& line : jsonLines(result.out))
                outputBySource.insert(
                    line.value("source").toString(), line.value("output").toString());
            return outputBySource;
        };
        const QMap<QString, QString> whole = plan({}, names);
        QCOMPARE(whole.size(), 100);
        QMap<QString, QString> united;
        for (int k = 1; k <= 3; ++k) {
            const QMap<QString, QString> part
                = plan({ "--shard", QStringLiteral("%1/3").arg(k) }, names);
            QVERIFY2(part.size() > 10, qPrintable(QString::number(part.size())));
            for (auto it = part.cbegin(); it != part.cend(); ++it) {
                QVERIFY2(!united.contains(it.key()), qPrintable(it.key()));
                united.insert(it.key(), it.value());
            }
        }
        QCOMPARE(united, whole);
        QVERIFY(outputFiles().isEmpty());

        // A real run of one shard writes the names its plan gave: whole-list numbers.
        const QMap<QString, QString> second = plan({ "--shard", "2/3" }, names);
        // The same files written another way, or found by -R, are split alike.
        QStringList dotted;
        for (const QString& name : std::as_const(names))
            dotted << "./" + name;
        QCOMPARE(plan({ "--shard", "2/3" }, dotted), second);
        QCOMPARE(plan({ "--shard", "2/3", "-R" }, { "./in" }), second);
        QStringList planned;
        for (const QString& output : second)
            planned << QFileInfo(output).fileName();
        planned.sort();
        QCOMPARE(run(options.mid(0, 10) + QStringList { "--shard", "2/3" } + names).exitCode, 0);
        QCOMPARE(outputFiles(), planned);
    }

    // Stopped, then killed with SIGKILL in the middle of a run, then run again with --existing
    // skip: every image is written exactly once, and none of them is a partial file.
    void killedRunResumesWithSkip()
    {
        const QString first = source("p00.png", 1200, 900);
        QStringList files;
        for (int i = 0; i < 30; ++i) {
            const QString name = QStringLiteral("in/p%1.png").arg(i, 2, 10, QLatin1Char('0'));
            QVERIFY(i == 0 || QFile::copy(first, mTmp->filePath(name)));
            files << name;
        }
        const QStringList options = { "-o", "out", "-j", "1", "-p", "width", "-w", "800", "-f",
            "png", "--existing", "skip" };
        auto written
            = [this] { return int(QDir(mOut).entryList(QDir::Files | QDir::Hidden).size()); };
        // Stopped with Ctrl-C first: the JSON report still names every image once, in list
        // order, those the stop left behind as not processed.
        QProcess stopped;
        start(stopped, options + QStringList { "--json" } + files);
        QVERIFY(stopped.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return written() >= 3; }, 120000));
        ::kill(static_cast<pid_t>(stopped.processId()), SIGINT);
        QVERIFY(stopped.waitForFinished(60000));
        QCOMPARE(stopped.exitCode(), 1);
        const QList<QJsonObject> report
            = jsonLines(QString::fromUtf8(stopped.readAllStandardOutput()));
        QCOMPARE(report.size(), 31);
        const int done = written();
        QVERIFY2(done < 30, "the run ended before it could be stopped");
        for (int i = 0; i < 30; ++i) {
            QCOMPARE(report.at(i).value("source").toString(), mTmp->filePath(files.at(i)));
            QCOMPARE(report.at(i).value("status").toString(),
                QString(i < done ? "written" : "not processed"));
        }
        QCOMPARE(report.last().value("notProcessed").toInt(), 30 - done);

        QProcess process;
        start(process, options + files);
        QVERIFY(process.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return written() >= qMin(done + 7, 20); }, 120000));
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        const int before = written();
        QVERIFY2(before < 30, "the run ended before it could be killed");

        const Result resumed = run(options + QStringList { "--json" } + files);
        QCOMPARE(resumed.exitCode, 0);
        const QList<QJsonObject> lines = jsonLines(resumed.out);
        QCOMPARE(lines.size(), 31);
        const QJsonObject summary = lines.last();
        QCOMPARE(summary.value("skipped").toInt(), before);
        QCOMPARE(summary.value("written").toInt(), 30 - before);
        const QStringList outputs = outputFiles();
        QCOMPARE(outputs.size(), 30);
        for (const QString& name : outputs) {
            QVERIFY2(
                QRegularExpression("^p\\d\\d\\.png$").match(name).hasMatch(), qPrintable(name));
            const TestSupport::Facts facts = TestSupport::inspect(QDir(mOut).filePath(name));
            QCOMPARE(facts.width, 800);
            QCOMPARE(facts.height, 600);
        }
    }

    // The bash completion offers every option that --help lists, and the words of the options
    // that take one from a fixed set; the manual page made at build time has every option.
    void completionAndManualFollowHelp()
    {
        const Result help = run({ "--help" });
        QCOMPARE(help.exitCode, 0);
        QStringList options;
        QRegularExpressionMatchIterator it
            = QRegularExpression("^  (?:(-\\w), )?(--[\\w-]+)", QRegularExpression::MultilineOption)
                  .globalMatch(help.out);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            if (!match.captured(1).isEmpty())
                options << match.captured(1);
            options << match.captured(2);
        }
        QVERIFY2(options.contains("--shard") && options.contains("-R"), qPrintable(help.out));

        // The completion function run as bash runs it, on the words typed so far.
        auto complete = [](const QStringList& words) {
            int exitCode = -1;
            const QString out = TestSupport::run("bash",
                QStringList { "-c",
                    "source \"$0\"; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); _ostrel_batch; "
                    "printf '%s\\n' \"${COMPREPLY[@]}\"",
                    OSTREL_BATCH_COMPLETION }
                    + words,
                &exitCode);
            QStringList offered = out.split('\n', Qt::SkipEmptyParts);
            offered.sort();
            return exitCode == 0 ? offered : QStringList { "bash failed" };
        };
        const QStringList offered = complete({ "ostrel-batch", "-" });
        for (const QString& option : std::as_const(options))
            QVERIFY2(offered.contains(option), qPrintable(option + " is not completed"));
        QStringList formats = OutputFormats::commandLineNames();
        formats.sort();
        QCOMPARE(complete({ "ostrel-batch", "-o", "out", "--format", "" }), formats);
        QCOMPARE(complete({ "ostrel-batch", "--existing", "" }),
            QStringList({ "fail", "number", "skip" }));
        QCOMPARE(complete({ "ostrel-batch", "--metadata", "n" }),
            QStringList({ "no-personal", "none" }));

        QFile manual(QStringLiteral(OSTREL_BATCH_MANPAGE));
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString page
            = QString::fromUtf8(manual.readAll()).remove("\\fB").remove("\\fR").replace("\\-", "-");
        for (const QString& option : std::as_const(options))
            QVERIFY2(page.contains(option), qPrintable(option + " is not in the manual page"));
    }

    // The scaling guide's command: GNU parallel gives each of its job slots (two on this
    // machine, "2/:" in the sshloginfile) one shard of the same folder; every image is
    // written once, none twice (a second write would fail on the existing name).
    void parallelSlotsShareTheList()
    {
        if (QStandardPaths::findExecutable("parallel").isEmpty())
            QSKIP("GNU parallel is not installed (scripts/install-deps installs it)");
        QStringList expected;
        for (int i = 0; i < 12; ++i) {
            source(QStringLiteral("p%1.jpg").arg(i), 16, 12);
            expected << QStringLiteral("p%1.jpg").arg(i);
        }
        expected.sort();
        QVERIFY(TestSupport::writeFile(mTmp->filePath("slots"), "2/:\n"));
        QProcess process;
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(mTmp->path());
        process.start("parallel",
            { "--will-cite", "--sshloginfile", "slots", "--halt", "now,fail=1",
                QStringLiteral(OSTREL_BATCH_PATH), "-o", "out", "-w", "8", "-R", "in", "--shard",
                "{}/3", "--quiet", ":::", "1", "2", "3" });
        QVERIFY(process.waitForFinished(120000));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            process.readAllStandardError().constData());
        QCOMPARE(outputFiles(), expected);
    }

    // libvips' intermediate files (forced here for every image that has one) go into a
    // folder of the process's own, readable by its user only, never straight into the
    // temporary folder others share; it is gone when the run ends, and so is one that a
    // process no longer running left behind.
    void intermediateFilesStayPrivate()
    {
#if defined(__linux__)
        const QString shared = mTmp->filePath(QStringLiteral("shared-tmp"));
        const QString abandoned = shared + QStringLiteral("/ostrel-2147483646-left");
        QVERIFY(QDir().mkpath(abandoned));
        const int events = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(events >= 0);
        QVERIFY(::inotify_add_watch(events, QFile::encodeName(shared).constData(), IN_CREATE) >= 0);
        const QString animation = TestSupport::writeWebpAnimation(
            QDir(mIn).filePath(QStringLiteral("spill.webp")), 300, 8);
        QProcess process;
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("TMPDIR"), shared);
        env.insert(QStringLiteral("VIPS_DISC_THRESHOLD"), QStringLiteral("1"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(OSTREL_BATCH_PATH),
            { QStringLiteral("-o"), mOut, QStringLiteral("-f"), QStringLiteral("webp"),
                QStringLiteral("-w"), QStringLiteral("100"), QStringLiteral("-p"),
                QStringLiteral("width"), animation });
        QVERIFY(process.waitForFinished(120000));
        QCOMPARE(process.exitCode(), 0);
        QStringList created;
        alignas(inotify_event) char buffer[64 * 1024];
        for (ssize_t n; (n = ::read(events, buffer, sizeof buffer)) > 0;) {
            for (char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                created << QString::fromLocal8Bit(event->name)
                        + ((event->mask & IN_ISDIR) ? QStringLiteral("/") : QString());
                at += sizeof(inotify_event) + event->len;
            }
        }
        ::close(events);
        QCOMPARE(created.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^ostrel-\\d+-\\w+/$"))
                     .match(created.first())
                     .hasMatch(),
            qPrintable(created.join(u' ')));
        QCOMPARE(TestSupport::filesIn(shared), QStringList());
#else
        QSKIP("inotify is Linux's");
#endif
    }
};

QTEST_MAIN(TestCliBatch)
#include "tst_CliBatch.moc"
