#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <csignal>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "gui/OstrelController.h"
#include "batch/BatchLog.h"
#include "batch/BatchResizer.h"
#include "core/ImageCodec.h"
#include "core/LocalizedText.h"

// Batches started and stopped from the real main window on the offscreen platform, with a
// settings file in a temporary folder and real image files written, resized and read back.
//
// Where a test must act while the worker is between two known images, the log file is a
// named pipe: the worker writes a failed image's line into it and cannot go on until the test
// opens the pipe for reading. The window stays live meanwhile, and the test knows exactly which
// image the worker is at, without relying on timing.
class TestBatchFromWindow : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the desktop's viewer: QDesktopServices hands file URLs here.
    void openUrl(const QUrl& url) { mOpenedUrls << url; }

private:
    QTemporaryDir mDir;
    QString mIn; // sources
    QString mOut; // the output folder
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<OstrelController> mController;
    QList<QUrl> mOpenedUrls;
    QStringList mPipes; // named pipes made for the log
    QList<int> mReaders; // their read ends, once opened

    QString settingsFile() const { return mDir.filePath(QStringLiteral("Ostrel.conf")); }
    QString logFile() const { return mDir.filePath(QStringLiteral("log/ostrel.log")); }

    // Valid settings for a small batch: 40 x 30 pixels, 72 ppi, PNG, source names, into mOut.
    QVariantMap validSettings() const
    {
        return { { "widthValue", 40.0 }, { "heightValue", 30.0 }, { "resValue", 72.0 },
            { "dest", mOut }, { "nameMenu", 1 }, { "formatMenu", 2 }, { "proportional", false },
            { "UM", 1 } };
    }

    void start(const QVariantMap& stored)
    {
        mController.reset();
        mSettings.reset();
        mSettings = TestSupport::freshSettings(settingsFile(), stored);
        mController = std::make_unique<OstrelController>(mSettings.get());
        mController->applicationWillFinishLaunching();
    }

    // Every stored key and value but the selected tab, which a batch start may change.
    QVariantMap storedWithoutTab()
    {
        mSettings->sync();
        QSettings reader(settingsFile(), QSettings::IniFormat);
        QVariantMap values;
        for (const QString& key : reader.allKeys()) {
            if (key != QLatin1String("tab"))
                values.insert(key, reader.value(key));
        }
        return values;
    }

    QStringList writeSources(const QStringList& names, int width = 64, int height = 48)
    {
        QStringList paths;
        for (const QString& name : names)
            paths << TestSupport::writeImage(QDir(mIn).filePath(name), width, height);
        return paths;
    }

    // Sources large enough that a batch of them is still running when the test acts on it.
    QStringList writeLargeSources(int count)
    {
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << QStringLiteral("big%1.png").arg(i, 2, 10, QLatin1Char('0'));
        return writeSources(names, 1600, 1200);
    }

    // What a batch that was ended early left in the output folder: whole files of the right
    // size only, no temporary file.
    void verifyOnlyWholeOutputs() const
    {
        for (const QString& name : filesIn(mOut)) {
            QVERIFY2(!name.startsWith('.'), qPrintable(name));
            const TestSupport::Facts facts = TestSupport::inspect(QDir(mOut).filePath(name));
            QCOMPARE(facts.width, 40);
            QCOMPARE(facts.height, 30);
        }
    }

    static QStringList filesIn(const QString& folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    template <class T> T* widget(const char* name) const
    {
        return mController->window()->findChild<T*>(QLatin1String(name));
    }
    QDialog* panel() const { return widget<QDialog>("progressPanel"); }
    QString statusMessage() const { return mController->window()->statusBar()->currentMessage(); }
    QTabWidget* tabs() const { return widget<QTabWidget>("tab"); }
    BatchResizer* resizer() const { return mController->resizer(); }

    // The closing alert while it is on screen.
    QMessageBox* alert() const
    {
        for (QMessageBox* box : mController->window()->findChildren<QMessageBox*>()) {
            if (box->isVisible())
                return box;
        }
        return nullptr;
    }

    // The buttons the alert was given, without the one QMessageBox adds to show details.
    static QStringList buttonTexts(QMessageBox* box)
    {
        QStringList texts;
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == QMessageBox::ActionRole && !box->detailedText().isEmpty()
                && button->text() != LocalizedText::text("_OpenConsole"))
                continue;
            texts << button->text();
        }
        texts.sort();
        return texts;
    }

    static QAbstractButton* button(QMessageBox* box, const QString& text)
    {
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }

    // A named pipe to use as the log: a worker that writes a failed image's line into it
    // waits until readLogPipe() opens it. Empty when it could not be made.
    QString makeLogPipe(const QString& name)
    {
        const QString path = mDir.filePath(name);
        QFile::remove(path);
        if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            return QString();
        mPipes << path;
        return path;
    }

    int openReader(const QString& pipe)
    {
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
        if (fd >= 0)
            mReaders << fd;
        return fd;
    }

    // Lets the worker write its line into the pipe and returns the line.
    QString readLogPipe(const QString& pipe)
    {
        const int fd = openReader(pipe);
        QByteArray text;
        auto readLine = [&] {
            char buffer[512];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0)
                text.append(buffer, n);
            return text.endsWith('\n');
        };
        if (fd < 0 || !QTest::qWaitFor(readLine, 60000))
            qWarning("nothing arrived in the log pipe");
        return QString::fromUtf8(text);
    }

    // The log's message for a source of mIn whose output name was taken.
    QString outputExistsMessage(const QString& name) const
    {
        return BatchLog::failureMessage(
            name, LocalizedText::text("_FailureOutputExists"), QDir(mIn).filePath(name));
    }

    // Waits for the closing alert of the running batch.
    bool waitForAlert() const
    {
        return QTest::qWaitFor([this] { return alert() != nullptr; }, 120000);
    }

    // The bar's value and the progress text at each value: the text and the value of one image
    // arrive together, the text first.
    struct ProgressRecord
    {
        QList<int> values;
        QStringList texts;
    };
    std::shared_ptr<ProgressRecord> recordProgress()
    {
        auto record = std::make_shared<ProgressRecord>();
        auto* bar = panel()->findChild<QProgressBar*>(QStringLiteral("progressBar"));
        auto* text = panel()->findChild<QLabel*>(QStringLiteral("progressText"));
        connect(bar, &QProgressBar::valueChanged, mController.get(), [record, text](int value) {
            if (value < 1)
                return; // the reset of a new maximum
            record->values << value;
            record->texts << text->text();
        });
        return record;
    }

    static QString progressText(int position, int count)
    {
        return LocalizedText::text(
            "_ElaboratingText", { QString::number(position), QString::number(count) });
    }

    // Answers the closing alert with a button and waits until it has gone.
    void dismissAlert(const QString& buttonText)
    {
        QMessageBox* box = alert();
        QVERIFY(box);
        QAbstractButton* pressed = button(box, buttonText);
        QVERIFY2(pressed, qPrintable(buttonText));
        QTest::mouseClick(pressed, Qt::LeftButton);
        QTRY_VERIFY(!alert());
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(mDir.isValid());
        QVERIFY(ImageCodec::initialise("tst_BatchFromWindow"));
        QVERIFY(LocalizedText::installLanguage(*qApp, QStringLiteral("en")));
        std::signal(SIGPIPE, SIG_IGN);
        // "~" is tested as a plain folder name: give the expansion something that exists.
        QVERIFY(QDir().mkpath(mDir.filePath(QStringLiteral("home/out"))));
        qputenv("HOME", QFile::encodeName(mDir.filePath(QStringLiteral("home"))));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void init()
    {
        mIn = mDir.filePath(QStringLiteral("in-%1").arg(QTest::currentTestFunction()));
        mOut = mDir.filePath(QStringLiteral("out-%1").arg(QTest::currentTestFunction()));
        QDir(mIn).removeRecursively();
        QDir(mOut).removeRecursively();
        QVERIFY(QDir().mkpath(mIn));
        QVERIFY(QDir().mkpath(mOut));
        BatchLog::setLogFilePath(logFile());
        QFile::remove(logFile());
        mOpenedUrls.clear();
    }

    void cleanup()
    {
        // A worker that a failed test left waiting in a log pipe gets a reader, so that the
        // window can wait for it to end.
        for (const QString& pipe : std::as_const(mPipes))
            openReader(pipe);
        mController.reset();
        mSettings.reset();
        for (int fd : std::as_const(mReaders))
            ::close(fd);
        mReaders.clear();
        for (const QString& pipe : std::as_const(mPipes))
            QFile::remove(pipe);
        mPipes.clear();
        BatchLog::setLogFilePath(QString());
    }

    // Each check in its order, on what the controls show: the first that fails beeps, then
    // turns to its tab, and changes nothing else; when all pass the batch starts.
    void checksBeepAndTurnToTheFaultyTab()
    {
        const QString aFile = TestSupport::writeImage(mDir.filePath("plain-file.png"), 8, 8);
        const QString missing = mDir.filePath(QStringLiteral("no-such-folder"));
        const QString link = mDir.filePath(QStringLiteral("link-to-out"));
        QFile::remove(link);
        QVERIFY(QFile::link(mOut, link));

        struct Case
        {
            const char* name;
            bool withImage;
            std::function<void(OstrelController*)> edit;
            int tab; // -1: the batch starts
            QString message = {}; // what the status bar says of a failed check
            QString writes = {}; // the file the started batch writes
            QVariantMap stored = {};
        };
        auto text = [](const char* name, const QString& value) {
            return [name, value](OstrelController* c) {
                c->window()->findChild<QLineEdit*>(QLatin1String(name))->setText(value);
            };
        };
        auto both = [](std::function<void(OstrelController*)> a,
                        std::function<void(OstrelController*)> b) {
            return [a, b](OstrelController* c) {
                a(c);
                b(c);
            };
        };
        auto proportional = [](Qt::CheckState state) {
            return [state](OstrelController* c) {
                c->window()
                    ->findChild<QCheckBox*>(QStringLiteral("proportionalButton"))
                    ->setCheckState(state);
            };
        };
        auto naming = [](int index) {
            return [index](OstrelController* c) {
                c->window()
                    ->findChild<QComboBox*>(QStringLiteral("nameMenu"))
                    ->setCurrentIndex(index);
            };
        };
        auto longAndShortSide = [](OstrelController* c) {
            c->window()->findChild<QCheckBox*>(QStringLiteral("switchButton"))->setChecked(true);
        };
        auto nothing = [](OstrelController*) {};

        const std::vector<Case> cases = {
            { "empty list, every other field empty too", false,
                [&](OstrelController* c) {
                    for (const char* field : { "widthField", "heightField", "resolutionField",
                             "destField", "nameNumber" })
                        text(field, QString())(c);
                    proportional(Qt::PartiallyChecked)(c);
                    naming(-1)(c);
                },
                0, "Add images to the list" },
            { "all valid", true, nothing, -1, {}, "a.png" },
            { "proportional on, second field empty", true,
                both(proportional(Qt::Checked), text("heightField", QString())), -1, {}, "a.png" },
            { "proportional on, first field empty", true,
                both(proportional(Qt::Checked), text("widthField", QString())), -1, {}, "a.png" },
            { "proportional on, both fields empty", true,
                both(proportional(Qt::Checked),
                    both(text("widthField", QString()), text("heightField", QString()))),
                1, "Enter a width" },
            { "proportional off, first field empty", true, text("widthField", QString()), 1,
                "Enter a width" },
            { "proportional off, second field empty", true, text("heightField", QString()), 1,
                "Enter a height" },
            { "long and short side, first field empty", true,
                both(longAndShortSide, text("widthField", QString())), 1, "Enter the long side" },
            { "mixed check box state", true, proportional(Qt::PartiallyChecked), 1,
                "Choose whether to keep proportions" },
            // What a field shows is read as a number: white space, like any text that is not
            // a number, reads as 0.
            { "single spaces read as 0", true,
                both(both(text("widthField", " "), text("heightField", " ")),
                    text("resolutionField", " ")),
                1, "Enter a size above 0" },
            { "negative width", true, text("widthField", "-5"), 1, "Enter a size above 0" },
            { "width and height 0", true, both(text("widthField", "0"), text("heightField", "0")),
                1, "Enter a size above 0" },
            { "proportional on, the given side 0", true,
                both(proportional(Qt::Checked),
                    both(text("widthField", "0"), text("heightField", QString()))),
                1, "Enter a size above 0" },
            { "width 0 takes it from the height", true, text("widthField", "0"), -1, {}, "a.png" },
            { "resolution empty", true, text("resolutionField", QString()), 1,
                "Enter a resolution" },
            { "resolution 0", true, text("resolutionField", "0"), 1, "Enter a resolution above 0" },
            { "size before resolution before destination", true,
                both(proportional(Qt::PartiallyChecked),
                    both(text("resolutionField", QString()), text("destField", QString()))),
                1, "Choose whether to keep proportions" },
            { "resolution before destination", true,
                both(text("resolutionField", QString()), text("destField", QString())), 1,
                "Enter a resolution" },
            { "destination empty", true, text("destField", QString()), 2,
                "Choose an output folder" },
            { "destination is a file", true, text("destField", aFile), 2,
                "The output path is not a folder" },
            { "destination missing", true, text("destField", missing), 2,
                "The output folder does not exist" },
            { "destination with ~ to expand", true, text("destField", "~/out"), 2,
                "The output folder does not exist" },
            { "destination through a symbolic link", true, text("destField", link), -1, {},
                "a.png" },
            { "naming mode 2 without a start number", true,
                both(naming(1), text("nameNumber", QString())), 2, "Enter a start number" },
            { "no naming mode selected", true, naming(-1), 2, "Choose how to name the new files" },
            { "naming mode 2, a name that leads out of the folder", true, nothing, 2,
                "The name \"../x\" cannot name a file: it may not contain \"/\" or be \".\" or \"..\"",
                {}, { { "nameMenu", 2 }, { "name", "../x" }, { "nameNum", "1" } } },
            { "naming mode 2, the name \"..\"", true, nothing, 2,
                "The name \"..\" cannot name a file: it may not contain \"/\" or be \".\" or \"..\"",
                {}, { { "nameMenu", 2 }, { "name", ".." }, { "nameNum", "1" } } },
            // The start number is the field's text at the start, not the stored one.
            { "naming mode 2, empty base name, start number", true, text("nameNumber", "0007"), -1,
                {}, "0007.png", { { "nameMenu", 2 }, { "name", QString() }, { "nameNum", "5" } } },
            { "naming mode 1 without a start number", true, text("nameNumber", QString()), -1, {},
                "a.png", { { "nameNum", QString() } } },
        };

        for (const Case& c : cases) {
            const QByteArray what = QByteArray("case: ") + c.name;
            QVERIFY(QDir(mOut).removeRecursively() && QDir().mkpath(mOut));
            QVariantMap stored = validSettings();
            for (auto it = c.stored.cbegin(); it != c.stored.cend(); ++it)
                stored.insert(it.key(), it.value());
            start(stored);
            if (c.withImage)
                mController->openFiles(writeSources({ QStringLiteral("a.jpg") }));
            c.edit(mController.get());

            // Start from another tab than the one expected, with the run flag down.
            const int startTab = c.tab < 0 ? 2 : (c.tab + 1) % 3;
            tabs()->setCurrentIndex(startTab);
            resizer()->setMayContinue(false);
            const int count = resizer()->images().count();
            const QVariantMap before = storedWithoutTab();
            QList<int> tabAtBeep;
            connect(mController.get(), &OstrelController::beeped, this,
                [&] { tabAtBeep << tabs()->currentIndex(); });

            widget<QPushButton>("resizeButton")->click();

            if (c.tab >= 0) {
                QVERIFY2(tabAtBeep == QList<int>({ startTab }), what); // one beep, then the tab
                QVERIFY2(tabs()->currentIndex() == c.tab, what);
                // Named too, for a machine that makes no sound.
                QVERIFY2(statusMessage() == c.message, what + ": " + statusMessage().toUtf8());
                QVERIFY2(!resizer()->mayContinue(), what);
                QVERIFY2(!resizer()->isRunning(), what);
                QVERIFY2(!panel()->isVisible(), what);
                QVERIFY2(resizer()->images().count() == count, what);
                QVERIFY2(storedWithoutTab() == before, what);
                QVERIFY2(
                    QSettings(settingsFile(), QSettings::IniFormat).value("tab").toInt() == c.tab,
                    what);
                QApplication::processEvents();
                QVERIFY2(filesIn(mOut).isEmpty(), what);
                continue;
            }

            // Started: the first tab, the run flag up, the sheet open on the window; resize()
            // has returned before any of the worker's calls could arrive.
            QVERIFY2(tabAtBeep.isEmpty(), what);
            QVERIFY2(statusMessage().isEmpty(), what);
            QVERIFY2(tabs()->currentIndex() == 0, what);
            QVERIFY2(resizer()->mayContinue(), what);
            QVERIFY2(panel()->isVisible(), what);
            QVERIFY2(panel()->windowModality() == Qt::WindowModal, what);
            QVERIFY2(panel()->parentWidget() == mController->window(), what);
            QVERIFY2(!alert(), what);
            QVERIFY2(waitForAlert(), what);
            QVERIFY2(!panel()->isVisible(), what);
            QVERIFY2(alert()->icon() == QMessageBox::Information, what);
            dismissAlert(LocalizedText::text("_OK"));
            QVERIFY2(filesIn(mOut) == QStringList(c.writes), what);
        }
        QVERIFY(mOpenedUrls.isEmpty());
    }

    // The message of a failed check goes with the next edit, and speaks the user's language.
    void failedCheckMessageGoesWithTheNextEdit()
    {
        QVariantMap stored = validSettings();
        stored.insert(QStringLiteral("dest"), QString());
        start(stored);
        mController->openFiles(writeSources({ QStringLiteral("a.jpg") }));
        widget<QPushButton>("resizeButton")->click();
        QCOMPARE(tabs()->currentIndex(), 2);
        QCOMPARE(statusMessage(), QStringLiteral("Choose an output folder"));

        // A keystroke in any field is an edit.
        QTest::keyClicks(widget<QLineEdit>("destField"), QStringLiteral("x"));
        QVERIFY(statusMessage().isEmpty());

        QVERIFY(LocalizedText::installLanguage(*qApp, QStringLiteral("it")));
        auto english
            = qScopeGuard([] { LocalizedText::installLanguage(*qApp, QStringLiteral("en")); });
        widget<QPushButton>("resizeButton")->click();
        QCOMPARE(statusMessage(), QStringLiteral("La cartella di destinazione non esiste"));
        // So is a click on a check box.
        widget<QCheckBox>("backgroundButton")->click();
        QVERIFY(statusMessage().isEmpty());
    }

    // Three real files of three formats through the window to the closing alert.
    void batchOfRealFilesEndsWithTheAlert()
    {
        start(validSettings());
        const QStringList sources = { TestSupport::writeImage(mIn + "/beach.jpg", 400, 300),
            TestSupport::writeImage(mIn + "/chart.png", 160, 120, true),
            TestSupport::writeImage(mIn + "/scan.tif", 800, 600) };
        mController->openFiles(sources);
        const auto progress = recordProgress();
        widget<QPushButton>("resizeButton")->click();
        QVERIFY(waitForAlert());

        // One text and one value per image, each before its image.
        QCOMPARE(progress->values, QList<int>({ 1, 2, 3 }));
        QCOMPARE(progress->texts,
            QStringList({ progressText(1, 3), progressText(2, 3), progressText(3, 3) }));
        auto* bar = panel()->findChild<QProgressBar*>(QStringLiteral("progressBar"));
        QCOMPARE(bar->maximum(), 3);
        QCOMPARE(bar->value(), 3); // the bar keeps its last value
        QVERIFY(panel()->findChild<QLabel*>(QStringLiteral("progressText"))->text().isEmpty());
        QVERIFY(!panel()->isVisible());

        QMessageBox* box = alert();
        QCOMPARE(box->parentWidget(), mController->window());
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        QCOMPARE(box->icon(), QMessageBox::Information);
        QCOMPARE(box->text(), LocalizedText::text("_ElaboratingFinished"));
        QCOMPARE(box->informativeText(), LocalizedText::text("_ElaboratingFinishedWithoutErrors"));
        QCOMPARE(buttonTexts(box), QStringList({ LocalizedText::text("_OK") }));
        QVERIFY(box->detailedText().isEmpty());
        // The alert keeps the window's controls out of reach, the start among them.
        QTest::mouseClick(widget<QPushButton>("resizeButton"), Qt::LeftButton);
        QVERIFY(alert() == box);
        QVERIFY(!panel()->isVisible());
        dismissAlert(LocalizedText::text("_OK"));
        QVERIFY(mOpenedUrls.isEmpty());
        QVERIFY(resizer()->mayContinue()); // a finished batch leaves the flag up

        QCOMPARE(filesIn(mOut), QStringList({ "beach.png", "chart.png", "scan.png" }));
        for (const QString& name : filesIn(mOut)) {
            const TestSupport::Facts facts = TestSupport::inspect(QDir(mOut).filePath(name));
            QCOMPARE(facts.width, 40);
            QCOMPARE(facts.height, 30);
        }
        QVERIFY(!QFile::exists(logFile()));
    }

    // One image fails: a critical alert with the count, both buttons, and the failed image
    // with its reason in the details; "_OpenConsole" asks the desktop to open the log.
    void failedImageGivesCriticalAlertThatOpensTheLog()
    {
        start(validSettings());
        mController->openFiles(writeSources({ "one.png", "two.png", "three.png" }));
        // Something already has the second image's output name: it must not be replaced.
        QFile occupied(QDir(mOut).filePath("two.png"));
        QVERIFY(occupied.open(QIODevice::WriteOnly));
        occupied.write("not an image");
        occupied.close();

        widget<QPushButton>("resizeButton")->click();
        QVERIFY(waitForAlert());
        QMessageBox* box = alert();
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        QCOMPARE(box->text(), LocalizedText::text("_ElaboratingFinished"));
        QCOMPARE(box->informativeText(),
            LocalizedText::text("_ElaboratingFinishedWithErrors", { QStringLiteral("1") }));
        QStringList expected = { LocalizedText::text("_OK"), LocalizedText::text("_OpenConsole") };
        expected.sort();
        QCOMPARE(buttonTexts(box), expected);
        QVERIFY(box->detailedText().contains(QLatin1String("two.png")));
        QVERIFY(box->detailedText().contains(LocalizedText::text("_FailureOutputExists")));
        QVERIFY(!box->detailedText().contains(QLatin1String("one.png")));

        dismissAlert(LocalizedText::text("_OpenConsole"));
        QCOMPARE(mOpenedUrls, QList<QUrl>({ QUrl::fromLocalFile(BatchLog::logFilePath()) }));

        QFile log(logFile());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.first().endsWith(outputExistsMessage("two.png")));
        QCOMPARE(filesIn(mOut), QStringList({ "one.png", "three.png", "two.png" }));
        QFile kept(QDir(mOut).filePath("two.png"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("not an image"));
    }

    // Stop while the second of five images is in progress, one at a time (jobs 1): it
    // completes (and is counted), no further image begins, the sheet closes and the alert
    // follows. The window stays live all along. A second batch raises the flag again and runs
    // to its end.
    void stopDuringBatchThenSecondBatch()
    {
        QVariantMap stored = validSettings();
        stored.insert(QStringLiteral("jobs"), 1);
        start(stored);
        mController->openFiles(writeSources({ "a.png", "b.png", "c.png", "d.png", "e.png" }));
        QFile occupied(QDir(mOut).filePath("b.png"));
        QVERIFY(occupied.open(QIODevice::WriteOnly));
        occupied.close();
        const QString pipe = makeLogPipe(QStringLiteral("log.pipe"));
        QVERIFY(!pipe.isEmpty());
        BatchLog::setLogFilePath(pipe);

        widget<QPushButton>("resizeButton")->click();
        auto* text = panel()->findChild<QLabel*>(QStringLiteral("progressText"));
        auto* stopButton = panel()->findChild<QPushButton*>(QStringLiteral("stopButton"));
        // The worker now waits in the second image's log line; the window goes on.
        QTRY_COMPARE_WITH_TIMEOUT(text->text(), progressText(2, 5), 60000);
        QVERIFY(panel()->isVisible());
        QVERIFY(!panel()->grab().isNull());
        // The window's controls are out of reach: no second start, no beep.
        QSignalSpy beeps(mController.get(), &OstrelController::beeped);
        QTest::mouseClick(widget<QPushButton>("resizeButton"), Qt::LeftButton);
        QVERIFY(beeps.isEmpty());

        QVERIFY(stopButton->isEnabled());
        QTest::mouseClick(stopButton, Qt::LeftButton);
        QVERIFY(!resizer()->mayContinue()); // at once, without waiting for the worker
        QCOMPARE(text->text(), LocalizedText::text("_StoppingAfterCurrent"));
        QVERIFY(!stopButton->isEnabled()); // a second press does nothing more
        QVERIFY(panel()->isVisible());

        QVERIFY(readLogPipe(pipe).endsWith(outputExistsMessage("b.png") + '\n'));
        QVERIFY(waitForAlert());
        QVERIFY(!panel()->isVisible());
        QMessageBox* box = alert();
        // Said to be stopped, with the numbers; critical, since an image failed.
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->text(), LocalizedText::text("_ElaboratingStopped"));
        QCOMPARE(box->informativeText(),
            QStringLiteral("Images written: 1. Failed: 1. Not processed: 3. The log names each "
                           "failed image."));
        QCOMPARE(filesIn(mOut), QStringList({ "a.png", "b.png" }));
        QCOMPARE(QFileInfo(QDir(mOut).filePath("b.png")).size(), 0);
        dismissAlert(LocalizedText::text("_OK"));
        QVERIFY(mOpenedUrls.isEmpty()); // the default button opens nothing
        QVERIFY(!resizer()->mayContinue());

        // The second batch, into a new folder typed by the user.
        BatchLog::setLogFilePath(logFile());
        const QString second = mDir.filePath(QStringLiteral("second"));
        QVERIFY(QDir().mkpath(second));
        tabs()->setCurrentIndex(2);
        auto* dest = widget<QLineEdit>("destField");
        dest->setFocus();
        dest->selectAll();
        QTest::keyClicks(dest, second);
        QTest::keyClick(dest, Qt::Key_Return);
        const auto progress = recordProgress();
        widget<QPushButton>("resizeButton")->click();
        QVERIFY(resizer()->mayContinue());
        QVERIFY(stopButton->isEnabled());
        QVERIFY(waitForAlert());
        QCOMPARE(alert()->icon(), QMessageBox::Information);
        dismissAlert(LocalizedText::text("_OK"));
        QCOMPARE(progress->values, QList<int>({ 1, 2, 3, 4, 5 }));
        QCOMPARE(progress->texts.last(), progressText(5, 5));
        QCOMPARE(filesIn(second), QStringList({ "a.png", "b.png", "c.png", "d.png", "e.png" }));
        QCOMPARE(TestSupport::inspect(QDir(second).filePath("e.png")).width, 40);
    }

    // Files handed over while a batch runs are processed by it: the text counts them, the
    // bar keeps the maximum of the start and shows full.
    void filesHandedOverDuringBatchAreProcessed()
    {
        start(validSettings());
        mController->openFiles(writeSources({ "a.png", "b.png", "c.png" }));
        // The first and the last image fail, each stopping the worker in its log line.
        for (const char* name : { "a.png", "e.png" }) {
            QFile occupied(QDir(mOut).filePath(QLatin1String(name)));
            QVERIFY(occupied.open(QIODevice::WriteOnly));
        }
        const QString firstPipe = makeLogPipe(QStringLiteral("first.pipe"));
        const QString lastPipe = makeLogPipe(QStringLiteral("last.pipe"));
        QVERIFY(!firstPipe.isEmpty() && !lastPipe.isEmpty());
        BatchLog::setLogFilePath(firstPipe);
        const auto progress = recordProgress();
        auto* text = panel()->findChild<QLabel*>(QStringLiteral("progressText"));
        auto* bar = panel()->findChild<QProgressBar*>(QStringLiteral("progressBar"));

        widget<QPushButton>("resizeButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(text->text(), progressText(1, 3), 60000);
        mController->openFiles(writeSources({ "d.png", "e.png" }));
        QCOMPARE(resizer()->images().count(), 5);
        BatchLog::setLogFilePath(lastPipe); // the worker waits in the first pipe already
        QVERIFY(readLogPipe(firstPipe).endsWith(outputExistsMessage("a.png") + '\n'));

        // The fifth image: the text counts the files handed over, the bar stays full.
        QTRY_COMPARE_WITH_TIMEOUT(text->text(), progressText(5, 5), 60000);
        QCOMPARE(bar->maximum(), 3);
        QCOMPARE(bar->value(), 3);
        QVERIFY(readLogPipe(lastPipe).endsWith(outputExistsMessage("e.png") + '\n'));
        QVERIFY(waitForAlert());
        QCOMPARE(alert()->informativeText(),
            LocalizedText::text("_ElaboratingFinishedWithErrors", { QStringLiteral("2") }));
        dismissAlert(LocalizedText::text("_OK"));

        QCOMPARE(progress->values, QList<int>({ 1, 2, 3 }));
        QCOMPARE(progress->texts,
            QStringList({ progressText(1, 3), progressText(2, 5), progressText(3, 5) }));
        QCOMPARE(bar->value(), 3);
        QCOMPARE(filesIn(mOut), QStringList({ "a.png", "b.png", "c.png", "d.png", "e.png" }));
        QCOMPARE(TestSupport::inspect(QDir(mOut).filePath("d.png")).width, 40);
    }

    // The start shortcut while a field is being edited: the batch uses what the field shows.
    void shortcutStartUsesTheFieldBeingEdited()
    {
        start(validSettings());
        mController->openFiles(writeSources({ "a.png" }));
        const QString typed = mDir.filePath(QStringLiteral("typed"));
        QVERIFY(QDir(typed).removeRecursively() && QDir().mkpath(typed));
        mController->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mController->window()));
        tabs()->setCurrentIndex(2);
        auto* dest = widget<QLineEdit>("destField");
        dest->setFocus();
        QTRY_VERIFY(dest->hasFocus());
        dest->selectAll();
        QTest::keyClicks(dest, typed);
        QTest::keySequence(mController->window(), QKeySequence(QStringLiteral("Ctrl+R")));
        QVERIFY(waitForAlert());
        dismissAlert(LocalizedText::text("_OK"));
        QCOMPARE(filesIn(typed), QStringList({ "a.png" }));
        QVERIFY(filesIn(mOut).isEmpty());
        QCOMPARE(QSettings(settingsFile(), QSettings::IniFormat).value("dest").toString(), typed);
    }

    // Destroying the window's controller in the middle of a batch (what the end of main()
    // does after the event loop) waits for the image in progress and leaves no partial file.
    void endingDuringBatchLeavesNoPartialFile()
    {
        start(validSettings());
        mController->openFiles(writeLargeSources(12));
        widget<QPushButton>("resizeButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(filesIn(mOut).size() >= 1, 60000);
        mController.reset();
        QApplication::processEvents(); // calls still queued for the sheet go nowhere
        verifyOnlyWholeOutputs();
    }

    // SIGTERM to a real application process in the middle of its batch: it quits the
    // orderly way, with every written file whole and no temporary file left behind.
    void terminationSignalDuringBatchQuitsCleanly()
    {
        const QString root = mDir.filePath(QStringLiteral("process"));
        QDir(root).removeRecursively();
        for (const char* folder : { "home", "config/Ostrel", "data", "runtime" })
            QVERIFY(QDir().mkpath(root + '/' + folder));
        QVERIFY(QFile::setPermissions(root + "/runtime",
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        {
            QSettings stored(root + "/config/Ostrel/Ostrel.conf", QSettings::IniFormat);
            const QVariantMap values = validSettings();
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                stored.setValue(it.key(), it.value());
        }
        const QStringList sources = writeLargeSources(16);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", root + "/home");
        env.insert("XDG_CONFIG_HOME", root + "/config");
        env.insert("XDG_DATA_HOME", root + "/data");
        env.insert("XDG_RUNTIME_DIR", root + "/runtime");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess app;
        app.setProcessEnvironment(env);
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The application's own main(), built with a start-up function that clicks Resize.
        app.start(QStringLiteral(OSTREL_AUTOSTART), sources);
        QVERIFY(app.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(filesIn(mOut).size() >= 1, 60000);
        QCOMPARE(app.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(app.processId()), SIGTERM);
        QVERIFY(app.waitForFinished(120000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);

        qInfo("%lld of %lld images written before the batch stopped",
            static_cast<long long>(filesIn(mOut).size()), static_cast<long long>(sources.size()));
        verifyOnlyWholeOutputs();
    }

    // The window closed during a batch quits the application through its termination path.
    // Runs an event loop of its own, so it comes last.
    void closingTheWindowDuringBatchQuitsCleanly()
    {
        start(validSettings());
        mController->openFiles(writeLargeSources(12));
        widget<QPushButton>("resizeButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(filesIn(mOut).size() >= 1, 60000);

        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, mController->window(), &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(quitting.size(), 1);
        QVERIFY(!mController->resizer()); // released, after its worker ended
        verifyOnlyWholeOutputs();
    }
};

QTEST_MAIN(TestBatchFromWindow)
#include "tst_BatchFromWindow.moc"
