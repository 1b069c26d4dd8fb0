#include <climits>
#include <csignal>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUrl>

#include "TestSupport.h"
#include "batch/BatchLog.h"
#include "batch/BatchJob.h"
#include "batch/ClosingReport.h"
#include "batch/ImageList.h"
#include "codec/ImageCodec.h"
#include "core/Translations.h"
#include "core/NoReplaceFile.h"
#include "settings/Settings.h"

using namespace std::string_view_literals;

namespace {

// Records every signal of a batch, in arrival order, and the thread it arrived on; at the end
// the closing report the window and the command line make of the result.
class RecordingProgress : public QObject
{
    Q_OBJECT

public:
    QStringList events;
    QStringList texts; // "image 2 of 5" for each image started
    std::optional<ClosingReport> report;
    bool offMainThread = false;
    std::function<void(const QString&)> onText;

    void follow(BatchJob& job)
    {
        connect(&job, &BatchJob::started, this,
            [this](int count) { record(QStringLiteral("started %1").arg(count)); });
        connect(
            &job, &BatchJob::imageStarted, this, [this](int position, int count, const QString&) {
                const QString text = progressText(position + 1, count);
                record(text);
                texts << text;
                if (onText)
                    onText(text);
            });
        connect(&job, &BatchJob::imageFailed, this, [this](const BatchFailure& failure) {
            record(QStringLiteral("failed ") + failure.name);
        });
        connect(&job, &BatchJob::finished, this, [this](const BatchResult& result) {
            record(QStringLiteral("finished"));
            report = ClosingReport::forResult(result);
            emit alertShown();
        });
    }

    static QString progressText(int position, int count)
    {
        return QStringLiteral("image %1 of %2").arg(position).arg(count);
    }

signals:
    void alertShown();

private:
    void record(const QString& event)
    {
        offMainThread = offMainThread || QThread::currentThread() != qApp->thread();
        events << event;
    }
};

// A list and the job that processes it, as the window and the command line hold them.
struct Batch
{
    ImageList list;
    BatchJob job;
    ImageList& images() { return list; }
};

QString progressText(int position, int count)
{
    return RecordingProgress::progressText(position, count);
}

// A QString of exactly these UTF-16 code units, NUL and lone surrogates included.
QString units(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList logLines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The name, the reason and the source's full path.
const QRegularExpression kLogLine(QStringLiteral(
    R"re(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} ostrel\[\d+\]: Error! The image "(.+)" was not elaborated: (.+) \((/.+)\)$)re"));

} // namespace

// A whole batch on its worker thread with real files: progress in order on the main thread,
// the stop flag before and after each image, the log line and the closing report.
class TestBatchJob : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> mTmp;
    QString mIn;
    QString mOut;
    std::unique_ptr<Settings> mPref;

    QString source(const QString& name, int w = 64, int h = 48)
    {
        return TestSupport::writeImage(QDir(mIn).filePath(name), w, h);
    }

    QString output(const QString& name) const { return QDir(mOut).filePath(name); }

    // A batch of the settings as they are now, with the start number given.
    BatchArguments arguments(const QString& startNumber = {}) const
    {
        ResizeOptions options = mPref->resizeOptions();
        options.startNumber = startNumber;
        return BatchArguments(options, mPref->effectiveJobs());
    }

    QStringList outputFiles() const { return TestSupport::filesIn(mOut); }

    // An output name already taken by something that is not an image.
    void occupy(const QString& name) { QVERIFY(TestSupport::writeFile(output(name), "occupied")); }

    // A log that holds the worker in a failed image's line until the test opens it.
    std::unique_ptr<TestSupport::LogPipe> logPipe()
    {
        return std::make_unique<TestSupport::LogPipe>(BatchLog::logFilePath());
    }

    // Runs one batch to its closing report.
    void run(Batch& batch, RecordingProgress& progress, const QString& startNumber = {})
    {
        progress.follow(batch.job);
        QSignalSpy alert(&progress, &RecordingProgress::alertShown);
        QVERIFY(batch.job.start(&batch.list, arguments(startNumber)));
        QVERIFY(alert.wait(120000));
        batch.job.wait();
        QVERIFY(!progress.offMainThread);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(ImageCodec::initialise("tst_BatchJob"));
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(Translations::installLanguage(*QCoreApplication::instance(), QStringLiteral("en")));
        TestSupport::preloadMisbehavingDecoder();
    }

    void init()
    {
        mTmp = std::make_unique<QTemporaryDir>();
        QVERIFY(mTmp->isValid());
        mIn = mTmp->filePath(QStringLiteral("in"));
        mOut = mTmp->filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(mIn));
        QVERIFY(QDir().mkpath(mOut));
        mPref = std::make_unique<Settings>(nullptr);
        mPref->setValue(Setting::outputFolder, mOut);
        mPref->setValue(Setting::width, 40);
        mPref->setValue(Setting::height, 30);
        mPref->setValue(Setting::outputFormat, OutputFormat::Jpeg);
        TestSupport::setDataHome(mTmp->filePath(QStringLiteral("data")));
    }

    void secondOfThreeFails()
    {
        Batch resizer;
        resizer.images().addPaths({ source("a.jpg"), source("b.jpg"), source("c.jpg") });
        occupy("b.jpg");
        RecordingProgress progress;
        run(resizer, progress);

        const QStringList expected = { "started 3", progressText(1, 3), progressText(2, 3),
            "failed b.jpg", progressText(3, 3), "finished" };
        QCOMPARE(progress.events, expected);

        QFile log(BatchLog::logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = logLines(QString::fromUtf8(log.readAll()));
        QCOMPARE(lines.size(), 1);
        const auto match = kLogLine.match(lines.first());
        QVERIFY2(match.hasMatch(), qPrintable(lines.first()));
        QCOMPARE(match.captured(1), QStringLiteral("b.jpg"));
        QCOMPARE(match.captured(2), QStringLiteral("a file with the output name already exists"));
        QCOMPARE(match.captured(3), QDir(mIn).filePath("b.jpg"));

        const ClosingReport& report = *progress.report;
        QCOMPARE(report.result.errorCount(), 1);
        QCOMPARE(report.result.processed, 3);
        QCOMPARE(report.result.written, 2);
        QVERIFY(!report.result.stopped);
        QCOMPARE(report.style, ClosingReport::Style::Critical);
        QCOMPARE(report.messageText, QStringLiteral("Processing finished"));
        QCOMPARE(report.defaultButton, QStringLiteral("OK"));
        QVERIFY(report.hasAlternateButton);
        QCOMPARE(report.alternateButton, QStringLiteral("Open Log"));
        QCOMPARE(report.informativeText,
            QStringLiteral("Images written: 2. Failed: 1. The log names each failed image."));
        QCOMPARE(report.detailedText,
            "b.jpg: a file with the output name already exists (" + output("b.jpg") + ")");
        QCOMPARE(report.result.failures.first().status.error, ResizeError::OutputExists);
        QCOMPARE(report.result.failures.first().position, 1);

        // The two others were written at the asked size; the occupied name was left alone.
        QCOMPARE(outputFiles(), QStringList({ "a.jpg", "b.jpg", "c.jpg" }));
        for (const char* name : { "a.jpg", "c.jpg" }) {
            const TestSupport::Facts facts = TestSupport::inspect(output(name));
            QCOMPARE(facts.width, 40);
            QCOMPARE(facts.height, 30);
        }
        QFile occupied(output("b.jpg"));
        QVERIFY(occupied.open(QIODevice::ReadOnly));
        QCOMPARE(occupied.readAll(), QByteArray("occupied"));
        QVERIFY(!resizer.job.isStopping());
        QVERIFY(!resizer.job.isRunning());
    }

    // An image whose output name exists is skipped, not failed: no log line, no failure, a
    // report that counts it; with numbering, the first in the list keeps the plain name.
    void existingFilesSkippedOrNumbered()
    {
        Batch resizer;
        resizer.images().addPaths({ source("a.jpg"), source("b.jpg"), source("c.jpg") });
        occupy("b.jpg");
        mPref->setValue(Setting::existingFile, ExistingFile::Skip);
        RecordingProgress progress;
        run(resizer, progress);
        QVERIFY(!progress.events.join(QLatin1Char(' ')).contains(QStringLiteral("failed")));
        const ClosingReport& report = *progress.report;
        QCOMPARE(report.result.processed, 3);
        QCOMPARE(report.result.written, 2);
        QCOMPARE(report.result.skipped, 1);
        QCOMPARE(report.result.errorCount(), 0);
        QCOMPARE(report.style, ClosingReport::Style::Informational);
        QVERIFY(!report.hasAlternateButton);
        QCOMPARE(report.informativeText,
            QStringLiteral("Images written: 2. Skipped because a file of that name exists: 1."));
        QVERIFY(!QFile::exists(BatchLog::logFilePath()));

        // Skipped beside a failure: the count follows the failure's sentences.
        const QString gone = source("gone.jpg");
        resizer.images().addPaths({ gone });
        QVERIFY(QFile::remove(gone));
        RecordingProgress second;
        run(resizer, second);
        QCOMPARE(second.report->result.skipped, 3);
        QCOMPARE(second.report->result.errorCount(), 1);
        QCOMPARE(second.report->informativeText,
            QStringLiteral("Images written: 0. Failed: 1. The log names each failed image. Skipped because "
                           "a file of that name exists: 3."));

        // Two sources of one name: the first in the list keeps the name, the second is
        // numbered.
        const QString other = mTmp->filePath(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(other));
        Batch numbering;
        numbering.images().addPaths({ source("same.png", 64, 48),
            TestSupport::writeImage(QDir(other).filePath("same.png"), 64, 32) });
        mPref->setValue(Setting::existingFile, ExistingFile::Number);
        mPref->setValue(Setting::proportional, true);
        mPref->setValue(Setting::givenSide, GivenSide::First);
        RecordingProgress third;
        run(numbering, third);
        QCOMPARE(third.report->result.written, 2);
        QCOMPARE(TestSupport::inspect(output("same.jpg")).height, 30);
        QCOMPARE(TestSupport::inspect(output("same-2.jpg")).height, 20);
    }

    void oneImageSucceeds()
    {
        Batch resizer;
        resizer.images().addPaths({ source("only.png") });
        RecordingProgress progress;
        run(resizer, progress);
        QCOMPARE(progress.events.mid(0, 2), QStringList({ "started 1", progressText(1, 1) }));
        const ClosingReport& report = *progress.report;
        QCOMPARE(report.style, ClosingReport::Style::Informational);
        QVERIFY(!report.hasAlternateButton);
        QCOMPARE(report.defaultButton, QStringLiteral("OK"));
        QCOMPARE(
            report.informativeText, QStringLiteral("All images were processed without errors."));
        QVERIFY(report.detailedText.isEmpty());
        QCOMPARE(report.result.written, 1);
        QVERIFY(!QFile::exists(BatchLog::logFilePath()));
        QCOMPARE(outputFiles(), QStringList({ "only.jpg" }));

        // The next batch counts its images anew before its first one, and meets the file it
        // wrote last time.
        resizer.images().addPaths({ source("second.png") });
        RecordingProgress again;
        run(resizer, again);
        QCOMPARE(again.events.mid(0, 2), QStringList({ "started 2", progressText(1, 2) }));
        QCOMPARE(again.report->result.errorCount(), 1);
        QCOMPARE(again.report->result.failures.first().name, QStringLiteral("only.png"));
        QCOMPARE(outputFiles(), QStringList({ "only.jpg", "second.jpg" }));
    }

    // The stop lands while the second of five is processed: it completes (here it fails and is
    // logged and counted), the third is never begun, and the report follows as usual. One
    // image at a time, as with jobs 1.
    void stopWhileSecondOfFive()
    {
        mPref->setValue(Setting::jobs, 1);
        Batch resizer;
        for (int i = 1; i <= 5; ++i)
            resizer.images().addPaths({ source(QStringLiteral("img%1.jpg").arg(i)) });
        occupy("img2.jpg");
        const auto gate = logPipe();
        QVERIFY(gate->isValid());
        RecordingProgress progress;
        progress.onText = [&](const QString& text) {
            if (text == progressText(2, 5)) {
                resizer.job.stop();
                gate->open();
            }
        };
        run(resizer, progress);

        QCOMPARE(progress.texts, QStringList({ progressText(1, 5), progressText(2, 5) }));
        QCOMPARE(progress.events.last(), QStringLiteral("finished"));
        const BatchResult& result = progress.report->result;
        QCOMPARE(result.processed, 2);
        QCOMPARE(result.written, 1);
        QCOMPARE(result.errorCount(), 1);
        QVERIFY(result.stopped);
        QCOMPARE(result.notProcessed(), 3);
        // Said to be stopped, with what was written, what failed and what was left.
        QCOMPARE(progress.report->style, ClosingReport::Style::Critical);
        QCOMPARE(progress.report->messageText, QStringLiteral("Processing stopped"));
        QCOMPARE(progress.report->informativeText,
            QStringLiteral("Images written: 1. Failed: 1. Not processed: 3. The log names each "
                           "failed image."));
        QVERIFY(progress.report->hasAlternateButton);
        QCOMPARE(outputFiles(), QStringList({ "img1.jpg", "img2.jpg" }));
        const QStringList lines = logLines(gate->readAll());
        QCOMPARE(lines.size(), 1);
        QCOMPARE(kLogLine.match(lines.first()).captured(1), QStringLiteral("img2.jpg"));
        QVERIFY(resizer.job.isStopping()); // stays lowered until the next start raises it
    }

    // Several images at once (jobs 4): whichever render ends first, the batch's outcome is
    // that of writing the images one after another in list order.

    // Two sources of one name from two folders: the first in the list wins even though the
    // second, much smaller, is rendered long before it; the second fails in its place. A third
    // of that name that is missing too fails as one after the first was written would: its
    // output name is taken.
    void firstOfOneNameWinsWhateverEndsFirst()
    {
        mPref->setValue(Setting::jobs, 4);
        mPref->setValue(Setting::proportional, true);
        mPref->setValue(Setting::givenSide, GivenSide::First);
        const QString other = mTmp->filePath(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(other));
        // 40 x 10 from the first, 40 x 30 from the second.
        const QString first = source("same.png", 4000, 1000);
        const QString second = TestSupport::writeImage(QDir(other).filePath("same.png"), 64, 48);
        Batch resizer;
        const QString third = mTmp->filePath(QStringLiteral("gone/same.png"));
        resizer.images().addPaths({ first, second, third, source("after.png") });
        RecordingProgress progress;
        run(resizer, progress);

        const TestSupport::Facts facts = TestSupport::inspect(output("same.jpg"));
        QCOMPARE(facts.width, 40);
        QCOMPARE(facts.height, 10);
        const BatchResult& result = progress.report->result;
        QCOMPARE(result.written, 2);
        QCOMPARE(result.errorCount(), 2);
        QCOMPARE(result.failures.at(0).position, 1);
        QCOMPARE(result.failures.at(0).path, second);
        QCOMPARE(result.failures.at(0).status.error, ResizeError::OutputExists);
        QCOMPARE(result.failures.at(1).position, 2);
        QCOMPARE(result.failures.at(1).status.error, ResizeError::OutputExists);
        QCOMPARE(result.failures.at(1).status.message, output("same.jpg"));
        QCOMPARE(progress.events.indexOf("failed same.png"),
            progress.events.indexOf(progressText(2, 4)) + 1);
        QCOMPARE(outputFiles(), QStringList({ "after.jpg", "same.jpg" }));
    }

    // Running numbers go with the list positions, whichever render ends first; a failed image
    // keeps its number unused.
    void runningNumbersFollowTheList()
    {
        mPref->setValue(Setting::jobs, 4);
        mPref->setValue(Setting::proportional, true);
        mPref->setValue(Setting::givenSide, GivenSide::First);
        mPref->setValue(Setting::naming, OutputNaming::CustomName);
        mPref->setValue(Setting::baseName, QStringLiteral("Img"));
        mPref->setValue(Setting::outputFormat, OutputFormat::Png);
        Batch resizer;
        resizer.images().addPaths({ source("slow.png", 3000, 3000), source("b.png", 64, 16),
            QDir(mIn).filePath("missing.png"), source("d.png", 64, 32), source("e.png", 48, 96) });
        RecordingProgress progress;
        run(resizer, progress, QStringLiteral("1"));

        QCOMPARE(outputFiles(),
            QStringList({ "Img0001.png", "Img0002.png", "Img0004.png", "Img0005.png" }));
        const QList<QPair<QString, int>> heights = { { "Img0001.png", 40 }, { "Img0002.png", 10 },
            { "Img0004.png", 20 }, { "Img0005.png", 80 } };
        for (const auto& [name, height] : heights) {
            const TestSupport::Facts facts = TestSupport::inspect(output(name));
            QCOMPARE(facts.width, 40);
            QCOMPARE(facts.height, height);
        }
        QCOMPARE(progress.report->result.failures.first().position, 2);
    }

    // Images that fail at once, among images that take long, are reported in their place:
    // after their own text and before the next one's, and in the log in list order.
    void failuresAreReportedInTheirPlace()
    {
        mPref->setValue(Setting::jobs, 4);
        QFile notImage(QDir(mIn).filePath("notes.jpg"));
        QVERIFY(notImage.open(QIODevice::WriteOnly));
        notImage.write("this is not a JPEG");
        notImage.close();
        Batch resizer;
        resizer.images().addPaths({ source("big1.png", 3000, 2000), source("big2.png", 3000, 2000),
            QDir(mIn).filePath("missing.jpg"), source("big3.png", 3000, 2000),
            notImage.fileName() });
        RecordingProgress progress;
        run(resizer, progress);

        const QStringList expected = { "started 5", progressText(1, 5), progressText(2, 5),
            progressText(3, 5), "failed missing.jpg", progressText(4, 5), progressText(5, 5),
            "failed notes.jpg", "finished" };
        QCOMPARE(progress.events, expected);
        QFile log(BatchLog::logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QStringList named;
        for (const QString& line : logLines(QString::fromUtf8(log.readAll())))
            named << kLogLine.match(line).captured(1);
        QCOMPARE(named, QStringList({ "missing.jpg", "notes.jpg" }));
        const BatchResult& result = progress.report->result;
        QCOMPARE(result.failures.size(), 2);
        QCOMPARE(result.failures.at(0).position, 2);
        QCOMPARE(result.failures.at(1).position, 4);
        QCOMPARE(outputFiles(), QStringList({ "big1.jpg", "big2.jpg", "big3.jpg" }));
    }

    // A stop while several images are out: those begun complete and are written in order,
    // none after them begins, and no temporary file is left. The fourth image's output name
    // is taken, so its log line (a FIFO) holds the batch while the fifth to eleventh are
    // rendered (twice the jobs are out at once, finished ones included); their files open in
    // the output folder show that they have begun.
    void stopWithSeveralImagesInProgress()
    {
        mPref->setValue(Setting::jobs, 4);
        Batch resizer;
        for (int i = 1; i <= 16; ++i)
            resizer.images().addPaths({ source(QStringLiteral("img%1.jpg").arg(i)) });
        occupy("img4.jpg");
        const auto gate = logPipe();
        QVERIFY(gate->isValid());
        RecordingProgress progress;
        progress.follow(resizer.job);
        QSignalSpy alert(&progress, &RecordingProgress::alertShown);
        QVERIFY(resizer.job.start(&resizer.list, arguments()));
        // The first three are written (so the eleventh was handed out as the third's place
        // freed), the fourth fails and holds the batch in its log line, and the seven after it
        // have their outputs open.
        const auto written = [this] {
            const QStringList files = outputFiles();
            return files.contains(QStringLiteral("img1.jpg"))
                && files.contains(QStringLiteral("img2.jpg"))
                && files.contains(QStringLiteral("img3.jpg"));
        };
        QTRY_VERIFY_WITH_TIMEOUT(written() && TestSupport::filesOpenIn(mOut).size() == 7, 60000);
        resizer.job.stop();
        gate->open();
        QVERIFY(alert.wait(120000));
        resizer.job.wait();

        QStringList texts;
        QStringList files;
        for (int i = 1; i <= 11; ++i) {
            texts << progressText(i, 16);
            files << QStringLiteral("img%1.jpg").arg(i);
        }
        QCOMPARE(progress.texts, texts);
        const BatchResult& result = progress.report->result;
        QCOMPARE(result.processed, 11);
        QCOMPARE(result.written, 10);
        QCOMPARE(result.errorCount(), 1);
        QVERIFY(result.stopped);
        QCOMPARE(result.notProcessed(), 5);
        QCOMPARE(progress.report->messageText, QStringLiteral("Processing stopped"));
        files.sort();
        QCOMPARE(outputFiles(), files);
        QCOMPARE(TestSupport::inspect(output("img11.jpg")).width, 40);
        // A render measures its source once its output name is found free: the five after
        // the stop were never begun (nor was the fourth measured, its name being taken).
        for (int i = 0; i < 16; ++i)
            QCOMPARE(resizer.images().at(i)->pixelSize().width, i < 11 && i != 3 ? 64.0f : 0.0f);
        const QStringList lines = logLines(gate->readAll());
        QCOMPARE(lines.size(), 1);
        QCOMPARE(kLogLine.match(lines.first()).captured(1), QStringLiteral("img4.jpg"));
    }

    // A decoder that crashes, runs out of its memory ceiling or computes for ever costs its
    // image only: the images around it are written, in order, with their running numbers.
    void misbehavingDecoderCostsOneImage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("crash") << "crashes-the-decoder.png"
                               << "the decoder crashed (signal 6)";
        QTest::newRow("memory") << "exhausts-memory.png"
                                << "the decoder needed more than 256 MiB of memory";
        QTest::newRow("loop") << "loops-for-ever.png"
                              << "the decoder took more than 1 s of processor time";
    }

    void misbehavingDecoderCostsOneImage()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        if (name.startsWith(QLatin1String("exhausts")) && !TestSupport::memoryCeilingApplies())
            QSKIP("a sanitizer's shadow memory leaves no room for a memory ceiling");
        mPref->setValue(Setting::decoderMemory, 256);
        mPref->setValue(Setting::decoderSeconds, 1);
        mPref->setValue(Setting::jobs, 2);
        mPref->setValue(Setting::naming, OutputNaming::CustomName);
        mPref->setValue(Setting::baseName, QStringLiteral("Img"));
        Batch resizer;
        resizer.images().addPaths(
            { source("a.png"), source("b.png"), source(name), source("d.png"), source("e.png") });
        RecordingProgress progress;
        run(resizer, progress, QStringLiteral("1"));

        QCOMPARE(outputFiles(),
            QStringList({ "Img0001.jpg", "Img0002.jpg", "Img0004.jpg", "Img0005.jpg" }));
        for (const QString& file : outputFiles())
            QCOMPARE(TestSupport::inspect(output(file)).width, 40);
        const BatchResult& result = progress.report->result;
        QCOMPARE(result.processed, 5);
        QCOMPARE(result.errorCount(), 1);
        QCOMPARE(result.failures.first().name, name);
        QCOMPARE(result.failures.first().status.message, reason);
    }

    // A decoder taken over by its file can neither write a file, nor open a socket, nor start
    // a program or a process: it crashes if one of them works (misbehaving_decoder.cpp).
    void decoderCannotEscape()
    {
        Batch resizer;
        resizer.images().addPaths({ source("escapes-the-sandbox.png") });
        RecordingProgress progress;
        run(resizer, progress);
        QCOMPARE(progress.report->result.errorCount(), 0);
        QCOMPARE(outputFiles(), QStringList({ "escapes-the-sandbox.jpg" }));
        QCOMPARE(TestSupport::filesIn(mIn), QStringList({ "escapes-the-sandbox.png" }));
    }

    // A worker killed from outside in the middle of an image: that image fails, the worker is
    // started again for the next.
    void workerKilledMidImage()
    {
        mPref->setValue(Setting::jobs, 1);
        Batch resizer;
        resizer.images().addPaths(
            { source("a.png"), source("loops-for-ever.png"), source("c.png") });
        RecordingProgress progress;
        progress.follow(resizer.job);
        QSignalSpy alert(&progress, &RecordingProgress::alertShown);
        QVERIFY(resizer.job.start(&resizer.list, arguments()));
        QList<qint64> busy;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(busy = TestSupport::workersWithFileOpen(QStringLiteral("loops-for-ever"))).isEmpty(),
            60000);
        // It writes no core file, whatever ends it.
        QFile limits(QStringLiteral("/proc/%1/limits").arg(busy.first()));
        QVERIFY(limits.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromLatin1(limits.readAll())
                    .contains(QRegularExpression(QStringLiteral("Max core file size +0 +0 "))));
        QCOMPARE(::kill(pid_t(busy.first()), SIGKILL), 0);
        QVERIFY(alert.wait(120000));
        resizer.job.wait();

        QCOMPARE(outputFiles(), QStringList({ "a.jpg", "c.jpg" }));
        const BatchResult& result = progress.report->result;
        QCOMPARE(result.errorCount(), 1);
        QCOMPARE(result.failures.first().status.message,
            QStringLiteral("the decoder was ended from outside (signal 9)"));
    }

    void startNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("0007") << "0007"
                              << QStringList { "Img0007.tif", "Img0008.tif", "Img0009.tif" };
        QTest::newRow("empty") << "" << QStringList { "Img0000.tif", "Img0001.tif", "Img0002.tif" };
        QTest::newRow("12a") << "12a"
                             << QStringList { "Img0012.tif", "Img0013.tif", "Img0014.tif" };
        QTest::newRow("-1") << " -1" << QStringList { "Img-001.tif", "Img0000.tif", "Img0001.tif" };
    }

    void startNumbers()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, files);
        mPref->setValue(Setting::naming, OutputNaming::CustomName);
        mPref->setValue(Setting::baseName, QStringLiteral("Img"));
        mPref->setValue(Setting::startNumber,
            QStringLiteral("500")); // the field's text counts, not the setting
        mPref->setValue(Setting::outputFormat, OutputFormat::Tiff);
        Batch resizer;
        resizer.images().addPaths({ source("x.png"), source("y.jpg"), source("z.jpeg") });
        RecordingProgress progress;
        run(resizer, progress, text);
        QCOMPARE(progress.report->result.written, 3);
        QStringList sorted = files;
        sorted.sort();
        QCOMPARE(outputFiles(), sorted);
        QCOMPARE(TestSupport::inspect(output(files.first())).width, 40);
    }

    // Two files handed over while the first of three is processed: five are processed, the
    // text counts the new total while the bar keeps its first maximum.
    void appendDuringBatch()
    {
        Batch resizer;
        resizer.images().addPaths({ source("p1.jpg"), source("p2.jpg"), source("p3.jpg") });
        const QStringList late = { source("p4.png"), source("p5.png") };
        occupy("p1.jpg");
        const auto gate = logPipe();
        QVERIFY(gate->isValid());
        RecordingProgress progress;
        progress.onText = [&](const QString& text) {
            if (text == progressText(1, 3)) {
                resizer.images().addPaths(late);
                gate->open();
            }
        };
        run(resizer, progress);

        QCOMPARE(progress.texts,
            QStringList({ progressText(1, 3), progressText(2, 5), progressText(3, 5),
                progressText(4, 5), progressText(5, 5) }));
        QCOMPARE(
            progress.events.filter(QRegularExpression("^started")), QStringList({ "started 3" }));
        QCOMPARE(progress.report->result.processed, 5);
        QCOMPARE(progress.report->result.written, 4);
        QCOMPARE(outputFiles(), QStringList({ "p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg", "p5.jpg" }));
        QCOMPARE(TestSupport::inspect(output("p5.jpg")).height, 30);
        QCOMPARE(logLines(gate->readAll()).size(), 1);
    }

    // Each failed image keeps its reason for the report; the log keeps one line per image.
    void failureReasons()
    {
        Batch resizer;
        const QString notImage = QDir(mIn).filePath("notes.jpg");
        QVERIFY(TestSupport::writeFile(notImage, "this is not a JPEG"));
        occupy("taken.jpg");
        resizer.images().addPaths(
            { notImage, QDir(mIn).filePath("gone.png"), source("good.png"), source("taken.png") });
        RecordingProgress progress;
        run(resizer, progress);

        const BatchResult& result = progress.report->result;
        QCOMPARE(result.errorCount(), 3);
        QCOMPARE(result.failures.at(0).status.error, ResizeError::DecodeFailed);
        QCOMPARE(result.failures.at(1).status.error, ResizeError::SourceMissing);
        QCOMPARE(result.failures.at(2).status.error, ResizeError::OutputExists);
        const QStringList details = progress.report->detailedText.split('\n');
        QCOMPARE(details.size(), 3);
        QVERIFY2(
            details.at(0).startsWith("notes.jpg: the source file could not be read as an image ("),
            qPrintable(details.at(0)));
        QVERIFY(details.at(1).startsWith("gone.png: the source file is missing ("));
        QVERIFY(details.at(2).startsWith("taken.png: a file with the output name already exists"));
        QCOMPARE(progress.report->informativeText,
            QStringLiteral("Images written: 1. Failed: 3. The log names each failed image."));

        QFile log(BatchLog::logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QStringList named;
        for (const QString& line : logLines(QString::fromUtf8(log.readAll())))
            named << kLogLine.match(line).captured(1);
        QCOMPARE(named, QStringList({ "notes.jpg", "gone.png", "taken.png" }));
        QCOMPARE(outputFiles(), QStringList({ "good.jpg", "taken.jpg" }));
    }

    // Two sources of one name from two folders: the log tells them apart by their paths.
    void logNamesTheSourcePath()
    {
        const QString other = mTmp->filePath(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(other));
        const QString first = source("same.jpg");
        const QString second = TestSupport::writeImage(QDir(other).filePath("same.jpg"), 64, 48);
        occupy("same.jpg");
        Batch resizer;
        resizer.images().addPaths({ first, second });
        RecordingProgress progress;
        run(resizer, progress);

        QFile log(BatchLog::logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QStringList paths;
        for (const QString& line : logLines(QString::fromUtf8(log.readAll()))) {
            const auto match = kLogLine.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            QCOMPARE(match.captured(1), QStringLiteral("same.jpg"));
            QCOMPARE(
                match.captured(2), QStringLiteral("a file with the output name already exists"));
            paths << match.captured(3);
        }
        QCOMPARE(paths, QStringList({ first, second }));
    }

    // A log that cannot be written: the report says so once, and does not send the user to
    // it; the details still name each failed image.
    void unwritableLogIsReportedOnce()
    {
        QVERIFY(TestSupport::writeFile(mTmp->filePath("not-a-folder")));
        const QString logPath = TestSupport::setDataHome(mTmp->filePath("not-a-folder"));
        occupy("a.jpg");
        occupy("b.jpg");
        Batch resizer;
        resizer.images().addPaths({ source("a.jpg"), source("b.jpg"), source("c.jpg") });
        RecordingProgress progress;
        run(resizer, progress);

        const ClosingReport& report = *progress.report;
        QCOMPARE(report.result.errorCount(), 2);
        QVERIFY(!report.result.logWritten);
        QCOMPARE(report.style, ClosingReport::Style::Critical);
        QCOMPARE(report.informativeText,
            "Images written: 1. Failed: 2. The log could not be written (" + logPath + ").");
        QVERIFY(!report.hasAlternateButton);
        QCOMPARE(report.detailedText.split('\n').size(), 2);

        // Stopped with failures and no log: the same sentence once, after the numbers.
        BatchResult stopped = report.result;
        stopped.stopped = true;
        stopped.listCount = 5;
        QCOMPARE(ClosingReport::forResult(stopped).informativeText,
            "Images written: 1. Failed: 2. Not processed: 2. The log could not be written ("
                + logPath + ").");
    }

    // Destroyed in the middle of a batch with no event loop running, as at the end of a
    // program: the run flag goes down and the destructor waits, so the image in progress (the
    // third of six, held in its log line) completes and nothing after it begins. One image at
    // a time: with more, those already begun would complete too.
    void destroyedDuringBatch()
    {
        mPref->setValue(Setting::jobs, 1);
        auto resizer = std::make_unique<Batch>();
        for (int i = 1; i <= 6; ++i)
            resizer->images().addPaths({ source(QStringLiteral("img%1.jpg").arg(i)) });
        occupy("img3.jpg");
        const auto gate = logPipe();
        QVERIFY(gate->isValid());
        RecordingProgress progress;
        progress.follow(resizer->job);
        QVERIFY(resizer->job.start(&resizer->list, arguments()));
        QTRY_VERIFY_WITH_TIMEOUT(progress.texts.contains(progressText(3, 6)), 60000);

        const Batch* running = resizer.get();
        gate->openWhen([running] { return running->job.isStopping(); });
        resizer.reset();
        QVERIFY2(gate->openedOnCondition(), "the run flag stayed up");
        // The job is gone, and its signals with it: the files tell what it did. The third
        // failed (its name was taken), and nothing after it began.
        QVERIFY(!progress.report.has_value());
        QCOMPARE(outputFiles(), QStringList({ "img1.jpg", "img2.jpg", "img3.jpg" }));
        QCOMPARE(TestSupport::inspect(output("img2.jpg")).width, 40);
        QFile occupied(output("img3.jpg"));
        QVERIFY(occupied.open(QIODevice::ReadOnly));
        QCOMPARE(occupied.readAll(), QByteArray("occupied"));
        const QStringList lines = logLines(gate->readAll());
        QCOMPARE(lines.size(), 1);
        QCOMPARE(kLogLine.match(lines.first()).captured(1), QStringLiteral("img3.jpg"));
    }

    // Hidden temporary files that a process ended by force left in the output folder go at
    // the next batch once they are a day old. Younger ones may be a running batch's; other
    // hidden files, and anything that is not a plain file of ours, stay.
    void leftoversOfAnEndedBatchAreRemoved()
    {
        const QDateTime now = QDateTime::currentDateTime();
        auto leave = [this](const QString& name, const QDateTime& changed) {
            QFile file(output(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("partial");
            QVERIFY(file.flush());
            QVERIFY(file.setFileTime(changed, QFileDevice::FileModificationTime));
        };
        leave(QStringLiteral(".a.jpg.ostrel-0a1b2c3d"), now.addDays(-2));
        leave(QStringLiteral(".b.png.ostrel-zz9y8x7w"), now.addDays(-30));
        leave(QStringLiteral(".c.jpg.ostrel-0a1b2c3e"), now.addSecs(-3600));
        leave(QStringLiteral(".notes.txt"), now.addDays(-2));
        leave(QStringLiteral(".d.jpg.ostrel-backup"), now.addDays(-2));
        leave(QStringLiteral("e.jpg.ostrel-0a1b2c3f"), now.addDays(-2));
        QVERIFY(QFile::link(mIn, output(QStringLiteral(".f.jpg.ostrel-0a1b2c3g"))));

        Batch resizer;
        resizer.images().addPaths({ source("new.png") });
        RecordingProgress progress;
        run(resizer, progress);
        QCOMPARE(progress.report->result.written, 1);
        QStringList left = QDir(mOut).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        left.sort();
        QCOMPARE(left,
            QStringList({ ".c.jpg.ostrel-0a1b2c3e", ".d.jpg.ostrel-backup",
                ".f.jpg.ostrel-0a1b2c3g", ".notes.txt", "e.jpg.ostrel-0a1b2c3f", "new.jpg" }));
        QVERIFY(QFileInfo(mIn).isDir());
    }

    // A receiver that goes before its queued calls arrive simply never gets them.
    void receiverGoneBeforeDelivery()
    {
        Batch resizer;
        resizer.images().addPaths({ source("a.jpg") });
        auto progress = std::make_unique<RecordingProgress>();
        progress->follow(resizer.job);
        QVERIFY(resizer.job.start(&resizer.list, arguments()));
        resizer.job.wait();
        progress.reset();
        QCoreApplication::processEvents();
        QCOMPARE(outputFiles(), QStringList({ "a.jpg" }));
    }

    void logFileInDataFolder()
    {
        // The application's data folder, made when it does not exist yet.
        const QString nested = TestSupport::setDataHome(mTmp->filePath("new/folder"));
        QCOMPARE(nested,
            QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
                .filePath("ostrel.log"));
        QVERIFY(nested.startsWith(mTmp->filePath("new/folder/")));
        QVERIFY(BatchLog::write(BatchLog::failureMessage(
            QStringLiteral("über \"x\".jpg"), QStringLiteral("a reason"), QStringLiteral("/a/b"))));
        QVERIFY(BatchLog::write(BatchLog::failureMessage(
            QStringLiteral("second.png"), QStringLiteral("a reason"), QStringLiteral("/a/c"))));
        QFile log(nested);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = logLines(QString::fromUtf8(log.readAll()));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(kLogLine.match(lines.at(0)).captured(1), QStringLiteral("über \"x\".jpg"));
        QVERIFY(lines.at(0).contains(
            QStringLiteral("ostrel[%1]: ").arg(QCoreApplication::applicationPid())));
        // A log that cannot be written is reported as such.
        TestSupport::setDataHome(mTmp->filePath("occupied-by-a-file"));
        QVERIFY(TestSupport::writeFile(mTmp->filePath("occupied-by-a-file")));
        QVERIFY(!BatchLog::write(QStringLiteral("x")));
    }

    // Names and reasons come from outside (a file name, a decoder's message): a control
    // character in them is quoted, so that one image is one line of the log and no terminal
    // sequence reaches the echo. Raw bytes of a name that is not UTF-8 (lone surrogates
    // U+DC80..U+DCFF) are written as the bytes they stand for, never as broken UTF-8.
    void logLineQuotesControlCharacters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("quotedName");
        QTest::addColumn<QString>("quotedReason");
        const QString reason = QStringLiteral("a reason");
        QTest::newRow("nothing to quote") << QString::fromUtf8("über \"x\" a\\nb 😀.jpg") << reason
                                          << QString::fromUtf8("über \"x\" a\\nb 😀.jpg") << reason;
        QTest::newRow("a forged line")
            << QStringLiteral("payroll.jpg\n2026-01-01 00:00:00.000 ostrel[1]: Error! The image "
                              "\"payroll.jpg\"")
            << reason
            << QStringLiteral("payroll.jpg\\n2026-01-01 00:00:00.000 ostrel[1]: Error! The image "
                              "\"payroll.jpg\"")
            << reason;
        QTest::newRow("carriage return and tab")
            << QStringLiteral("a\rb\tc.jpg") << reason << QStringLiteral("a\\rb\\tc.jpg") << reason;
        QTest::newRow("terminal sequences")
            << QStringLiteral("\x1b[2J\x1b]0;title\x07.jpg") << reason
            << QStringLiteral("\\x1b[2J\\x1b]0;title\\x07.jpg") << reason;
        QTest::newRow("NUL, DEL and C1 controls")
            << units(u"a\0b\u007fc\u0085d\u009be.jpg"sv) << reason
            << QStringLiteral("a\\x00b\\x7fc\\x85d\\x9be.jpg") << reason;
        QTest::newRow("raw bytes of a name that is not UTF-8")
            << units(u"caf\xdce9z\xdc80z\xdcff.jpg"sv) << reason
            << QStringLiteral("caf\\xe9z\\x80z\\xff.jpg") << reason;
        QTest::newRow("other lone surrogates and line separators")
            << units(u"a\xd800z\xdc00z\u2028z\u2029.jpg\xd83d"sv) << reason
            << QStringLiteral("a\\ud800z\\udc00z\\u2028z\\u2029.jpg\\ud83d") << reason;
        QTest::newRow("a decoder's message")
            << QStringLiteral("a.jpg") << QStringLiteral("bad data \x1b[31mred\nforged")
            << QStringLiteral("a.jpg") << QStringLiteral("bad data \\x1b[31mred\\nforged");
    }

    void logLineQuotesControlCharacters()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QFETCH(QString, quotedName);
        QFETCH(QString, quotedReason);
        QVERIFY(BatchLog::write(BatchLog::failureMessage(name, reason, "/in/" + name)));
        QFile log(BatchLog::logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray bytes = log.readAll();
        QVERIFY2(bytes.endsWith('\n') && bytes.count('\n') == 1, bytes.constData());
        const QString line = QString::fromUtf8(bytes.chopped(1));
        QCOMPARE(line.toUtf8(), bytes.chopped(1)); // valid UTF-8
        const auto match = kLogLine.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QCOMPARE(match.captured(1), quotedName);
        QCOMPARE(match.captured(2), quotedReason);
        QCOMPARE(match.captured(3), "/in/" + quotedName);
    }

    void parseStartNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("leading zeros") << "0007" << 7;
        QTest::newRow("trailing letter") << "12a" << 12;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("white space") << " \t\n 42" << 42;
        QTest::newRow("minus") << "-5" << -5;
        QTest::newRow("plus") << "+3" << 3;
        QTest::newRow("sign then space") << "- 5" << 0;
        QTest::newRow("two signs") << "--5" << 0;
        QTest::newRow("decimal") << "3.9" << 3;
        QTest::newRow("space inside") << "1 2" << 1;
        QTest::newRow("max") << "2147483647" << INT_MAX;
        QTest::newRow("above max") << "2147483648" << INT_MAX;
        QTest::newRow("far above") << "99999999999999999999999" << INT_MAX;
        QTest::newRow("min") << "-2147483648" << INT_MIN;
        QTest::newRow("below min") << "-2147483649" << INT_MIN;
        QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0663\u0664") << 0;
        QTest::newRow("full-width space") << QString::fromUtf8("\u30005") << 0;
    }

    void parseStartNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(BatchJob::parseStartNumber(text), number);
    }
};

QTEST_MAIN(TestBatchJob)
#include "tst_BatchJob.moc"
