#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
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
#include "gui/BatchController.h"
#include "gui/ImageListView.h"
#include "gui/MainController.h"
#include "gui/ProgressSheet.h"
#include "batch/BatchLog.h"
#include "batch/BatchJob.h"
#include "batch/ImageList.h"
#include "codec/ImageCodec.h"
#include "core/Translations.h"

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

public:
    enum class Ending
    {
        Quit,
        ControllerDestroyed,
        EscapeOnPanel,
        EscapeOnWindow,
        CloseButton,
        QuitKey,
        TerminationSignal
    };
    Q_ENUM(Ending)

private:
    QTemporaryDir mDir;
    std::unique_ptr<TestSupport::StandInDesktop> mDesktop;
    QString mIn; // sources
    QString mOut; // the output folder
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<MainController> mController;

    QString settingsFile() const { return mDir.filePath(QStringLiteral("Ostrel.conf")); }
    QString logFile() const { return BatchLog::logFilePath(); }
    // Moves the log into a folder of its own, for a pipe in its place.
    QString moveLog(const char* folder)
    {
        return TestSupport::setDataHome(mDir.filePath(QLatin1String(folder)));
    }

    // Valid settings for a small batch: 40 x 30 pixels, 72 ppi, PNG, source names, into mOut,
    // one image at a time, so that a batch held at a known image has nothing else in flight.
    QVariantMap validSettings() const
    {
        return { { "widthValue", 40.0 }, { "heightValue", 30.0 }, { "resValue", 72.0 },
            { "dest", mOut }, { "nameMenu", 1 }, { "formatMenu", 2 }, { "proportional", false },
            { "tagSides", 1 }, { "UM", 1 }, { "jobs", 1 } };
    }

    void start(const QVariantMap& stored)
    {
        mController.reset();
        mSettings.reset();
        mSettings = TestSupport::freshSettings(settingsFile(), stored);
        mController = std::make_unique<MainController>(mSettings.get());
        mController->show();
    }

    // Every key and value in the settings file but the selected tab, which a batch start may
    // change, once the store has written all it holds.
    QVariantMap storedWithoutTab()
    {
        mSettings->sync();
        QVariantMap values = TestSupport::settingsOnDisk(settingsFile());
        values.remove(QStringLiteral("tab"));
        return values;
    }

    QStringList writeSources(const QStringList& names, int width = 64, int height = 48)
    {
        QStringList paths;
        for (const QString& name : names)
            paths << TestSupport::writeImage(QDir(mIn).filePath(name), width, height);
        return paths;
    }

    // What a batch of p1.png .. p6.png ended while the third was processed leaves: the first
    // two written whole, the occupied third untouched and logged, nothing after it, no
    // temporary file.
    void verifyEndedAfterTheThird(const QString& log) const
    {
        QCOMPARE(TestSupport::filesIn(mOut), QStringList({ "p1.png", "p2.png", "p3.png" }));
        for (const char* name : { "p1.png", "p2.png" }) {
            const TestSupport::Facts facts = TestSupport::inspect(QDir(mOut).filePath(name));
            QCOMPARE(facts.width, 40);
            QCOMPARE(facts.height, 30);
        }
        QFile occupied(QDir(mOut).filePath("p3.png"));
        QVERIFY(occupied.open(QIODevice::ReadOnly));
        QCOMPARE(occupied.readAll(), QByteArray("occupied"));
        const QStringList lines = log.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().endsWith(outputExistsMessage("p3.png")), qPrintable(log));
    }

    // SIGTERM to the application's own main(), built with a start-up function that clicks
    // Resize and reports on standard error each image the batch reaches and the stop.
    void terminateProcessDuringBatch(const QStringList& sources)
    {
        const QString root = mDir.filePath(QStringLiteral("process"));
        QDir(root).removeRecursively();
        for (const char* folder : { "home", "config/Ostrel", "data/Ostrel/Ostrel", "runtime" })
            QVERIFY(QDir().mkpath(root + '/' + folder));
        QVERIFY(QFile::setPermissions(root + "/runtime",
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        TestSupport::freshSettings(root + "/config/Ostrel/Ostrel.conf", validSettings());
        TestSupport::LogPipe gate(root + "/data/Ostrel/Ostrel/ostrel.log");
        QVERIFY(gate.isValid());

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", root + "/home");
        env.insert("XDG_CONFIG_HOME", root + "/config");
        env.insert("XDG_DATA_HOME", root + "/data");
        env.insert("XDG_RUNTIME_DIR", root + "/runtime");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess app;
        app.setProcessEnvironment(env);
        app.start(QStringLiteral(OSTREL_AUTOSTART), sources);
        QVERIFY(app.waitForStarted());
        QByteArray err;
        auto said = [&](const QByteArray& line) {
            err += app.readAllStandardError();
            return err.contains(line);
        };
        QTRY_VERIFY_WITH_TIMEOUT(said("autostart: image 3\n"), 60000);
        ::kill(static_cast<pid_t>(app.processId()), SIGTERM);
        // The stop has landed once it is reported: only then may the held image finish.
        QTRY_VERIFY_WITH_TIMEOUT(said("autostart: stopping\n"), 60000);
        gate.open();
        QVERIFY(app.waitForFinished(60000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        QVERIFY2(!said("autostart: image 4"), err.constData());
        verifyEndedAfterTheThird(gate.readAll());
    }

    template <class T> T* widget(const char* name) const
    {
        return mController->window()->findChild<T*>(QLatin1String(name));
    }
    QDialog* panel() const { return widget<QDialog>("progressPanel"); }
    QString statusMessage() const { return mController->window()->statusBar()->currentMessage(); }
    QTabWidget* tabs() const { return widget<QTabWidget>("tabs"); }
    BatchJob* job() const { return mController->batch()->job(); }
    ImageList* images() const { return mController->images(); }

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
                && button->text() != QStringLiteral("Open Log")
                && button->text() != QStringLiteral("Show Files"))
                continue;
            texts << button->text();
        }
        texts.sort();
        return texts;
    }

    // The alert's informative text is the outcome's sentence, then a line of counts and time.
    static QString outcomeSentence(QMessageBox* box)
    {
        return box->informativeText().section(QStringLiteral("\n\n"), 0, 0);
    }
    static QString countsLine(QMessageBox* box)
    {
        return box->informativeText().section(QStringLiteral("\n\n"), 1);
    }

    static QAbstractButton* button(QMessageBox* box, const QString& text)
    {
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }

    // The log's message for a source of mIn whose output name was taken.
    QString outputExistsMessage(const QString& name) const
    {
        return QStringLiteral("Error! The image \"%1\" was not elaborated: a file with the output "
                              "name already exists (%2)")
            .arg(name, QDir(mIn).filePath(name));
    }

    // Waits for the closing alert of the running batch.
    // The control that a failed check's message is about, which then has the focus.
    static QString controlFor(const QString& message)
    {
        static const QList<std::pair<QString, QString>> controls = { { "Add images", "addButton" },
            { "Choose whether", "keepProportionsCheck" }, { "Enter a width", "widthField" },
            { "Enter the long side", "widthField" }, { "Enter a size above 0", "widthField" },
            { "Enter a height", "heightField" }, { "Enter the short side", "heightField" },
            { "Enter a resolution", "resolutionField" }, { "Choose how to name", "namingCombo" },
            { "Enter a start number", "startNumberField" }, { "The name", "baseNameField" } };
        for (const auto& [start, control] : controls) {
            if (message.startsWith(start))
                return control;
        }
        return QStringLiteral("outputFolderField"); // the other messages are the folder's
    }

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
        auto* text = panel()->findChild<QLabel*>(QStringLiteral("progressLabel"));
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
        return QStringLiteral("Processing image %1 of %2…").arg(position).arg(count);
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
        QVERIFY(mDir.isValid());
        // The user's settings and data are never touched: both live in the test's folder.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(mDir.filePath(QStringLiteral("config"))));
        QVERIFY(ImageCodec::initialise("tst_BatchFromWindow"));
        QVERIFY(Translations::installLanguage(*qApp, QStringLiteral("en")));
        std::signal(SIGPIPE, SIG_IGN);
        // "~" is the test's folder, which holds the output folders.
        qputenv("HOME", QFile::encodeName(mDir.path()));
        mDesktop = std::make_unique<TestSupport::StandInDesktop>(mDir.filePath("desktop"));
    }

    void init()
    {
        mIn = mDir.filePath(QStringLiteral("in-%1").arg(QTest::currentTestFunction()));
        mOut = mDir.filePath(QStringLiteral("out-%1").arg(QTest::currentTestFunction()));
        QDir(mIn).removeRecursively();
        QDir(mOut).removeRecursively();
        QVERIFY(QDir().mkpath(mIn));
        QVERIFY(QDir().mkpath(mOut));
        moveLog("data");
        QFile::remove(logFile());
        mDesktop->clear();
        mDesktop->setHasViewer(true);
    }

    void cleanup()
    {
        mController.reset();
        mSettings.reset();
    }

    // Each check in its order, on what the controls show: the first that fails beeps, then
    // turns to its tab, and changes nothing else; when all pass the batch starts.
    void checksBeepAndTurnToTheFaultyTab()
    {
        const QString aFile = TestSupport::writeImage(mDir.filePath("plain-file.png"), 8, 8);
        const QString link = mDir.filePath(QStringLiteral("link-to-out"));
        QFile::remove(link);
        QVERIFY(QFile::link(mOut, link));

        struct Case
        {
            const char* name;
            bool withImage;
            std::function<void(MainController*)> edit;
            int tab; // -1: the batch starts
            QString message = {}; // what the status bar says of a failed check
            QString writes = {}; // the file the started batch writes
            QVariantMap stored = {};
        };
        auto text = [](const char* name, const QString& value) {
            return [name, value](MainController* c) {
                c->window()->findChild<QLineEdit*>(QLatin1String(name))->setText(value);
            };
        };
        auto both
            = [](std::function<void(MainController*)> a, std::function<void(MainController*)> b) {
                  return [a, b](MainController* c) {
                      a(c);
                      b(c);
                  };
              };
        auto proportional = [](Qt::CheckState state) {
            return [state](MainController* c) {
                c->window()
                    ->findChild<QCheckBox*>(QStringLiteral("keepProportionsCheck"))
                    ->setCheckState(state);
            };
        };
        auto naming = [](int index) {
            return [index](MainController* c) {
                c->window()
                    ->findChild<QComboBox*>(QStringLiteral("namingCombo"))
                    ->setCurrentIndex(index);
            };
        };
        auto longAndShortSide = [](MainController* c) {
            c->window()
                ->findChild<QCheckBox*>(QStringLiteral("longShortSidesCheck"))
                ->setChecked(true);
        };
        auto fitInside = [](MainController* c) {
            c->window()
                ->findChild<QRadioButton*>(QStringLiteral("fitInsideRadio"))
                ->setChecked(true);
        };
        auto nothing = [](MainController*) {};

        const std::vector<Case> cases = {
            { "empty list, every other field empty too", false,
                [&](MainController* c) {
                    for (const char* field : { "widthField", "heightField", "resolutionField",
                             "outputFolderField", "startNumberField" })
                        text(field, QString())(c);
                    proportional(Qt::PartiallyChecked)(c);
                    naming(-1)(c);
                },
                0, "Add images to the list" },
            { "all valid", true, nothing, -1, {}, "a.png" },
            { "proportional on, second field empty", true,
                both(proportional(Qt::Checked), text("heightField", QString())), -1, {}, "a.png" },
            { "proportional on, first field empty", true,
                both(proportional(Qt::Checked), text("widthField", QString())), 1,
                "Enter a width" },
            { "proportional on, both fields empty", true,
                both(proportional(Qt::Checked),
                    both(text("widthField", QString()), text("heightField", QString()))),
                1, "Enter a width" },
            { "fit inside, second field empty", true,
                both(proportional(Qt::Checked), both(fitInside, text("heightField", QString()))), 1,
                "Enter a height" },
            { "fit inside, one field 0", true,
                both(proportional(Qt::Checked), both(fitInside, text("widthField", "0"))), -1, {},
                "a.png" },
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
                    both(text("resolutionField", QString()), text("outputFolderField", QString()))),
                1, "Choose whether to keep proportions" },
            { "resolution before destination", true,
                both(text("resolutionField", QString()), text("outputFolderField", QString())), 1,
                "Enter a resolution" },
            { "destination empty", true, text("outputFolderField", QString()), 2,
                "Choose an output folder" },
            { "destination is a file", true, text("outputFolderField", aFile), 2,
                "The output path is not a folder" },
            // Only an absolute path is offered to be created: a relative one depends on a
            // working folder the user does not see.
            { "destination relative", true, text("outputFolderField", "no-such-folder"), 2,
                "Enter the output folder as a full path: a relative one would depend on the folder "
                "Ostrel was started in" },
            { "destination with ~ for the home folder", true,
                text("outputFolderField", "~/out-checksBeepAndTurnToTheFaultyTab"), -1, {},
                "a.png" },
            { "destination holds the sources, names and format kept", true,
                text("outputFolderField", mIn), 2,
                "The output folder holds the sources: choose another folder, number the names, or "
                "name the files yourself",
                {}, { { "formatMenu", 1 } } },
            { "destination holds the sources, a template of their names", true,
                text("outputFolderField", mIn), 2,
                "The output folder holds the sources: choose another folder, number the names, or "
                "name the files yourself",
                {}, { { "formatMenu", 1 }, { "nameMenu", 3 }, { "nameTemplate", "{name}" } } },
            // Creating a missing folder is offered only once every other check has passed.
            { "destination missing, and no start number", true,
                text("outputFolderField", mDir.filePath("not-made")), 2, "Enter a start number", {},
                { { "nameMenu", 2 }, { "nameNum", QString() } } },
            { "destination through a symbolic link", true, text("outputFolderField", link), -1, {},
                "a.png" },
            { "naming mode 2 without a start number", true, nothing, 2, "Enter a start number", {},
                { { "nameMenu", 2 }, { "nameNum", QString() } } },
            { "no naming mode selected", true, naming(-1), 2, "Choose how to name the new files" },
            { "naming mode 2, a name that leads out of the folder", true, nothing, 2,
                "The name \"../x\" cannot name a file: it may not contain \"/\" or be \".\" or "
                "\"..\"",
                {}, { { "nameMenu", 2 }, { "name", "../x" }, { "nameNum", "1" } } },
            { "naming mode 2, the name \"..\"", true, nothing, 2,
                "The name \"..\" cannot name a file: it may not contain \"/\" or be \".\" or "
                "\"..\"",
                {}, { { "nameMenu", 2 }, { "name", ".." }, { "nameNum", "1" } } },
            // The start number is the field's text at the start, not the stored one.
            { "naming mode 2, empty base name, start number", true,
                text("startNumberField", "0007"), -1, {}, "0007.png",
                { { "nameMenu", 2 }, { "name", QString() }, { "nameNum", "5" } } },
            { "naming mode 1 without a start number", true, text("startNumberField", QString()), -1,
                {}, "a.png", { { "nameNum", QString() } } },
        };

        for (const Case& c : cases) {
            const QByteArray what = QByteArray("case: ") + c.name;
            QVERIFY(QDir(mOut).removeRecursively() && QDir().mkpath(mOut));
            QVariantMap stored = validSettings();
            for (auto it = c.stored.cbegin(); it != c.stored.cend(); ++it)
                stored.insert(it.key(), it.value());
            start(stored);
            if (c.withImage)
                mController->addFiles(writeSources({ QStringLiteral("a.jpg") }));
            c.edit(mController.get());

            // Start from another tab than the one expected, with the run flag down.
            const int startTab = c.tab < 0 ? 2 : (c.tab + 1) % 3;
            tabs()->setCurrentIndex(startTab);
            job()->stop();
            const int count = images()->count();
            const QVariantMap before = storedWithoutTab();
            QList<int> tabAtBeep;
            connect(mController->batch(), &BatchController::beeped, this,
                [&] { tabAtBeep << tabs()->currentIndex(); });

            widget<QPushButton>("resizeButton")->click();

            if (c.tab >= 0) {
                QVERIFY2(tabAtBeep == QList<int>({ startTab }), what); // one beep, then the tab
                QVERIFY2(tabs()->currentIndex() == c.tab, what);
                // Named too, for a machine that makes no sound.
                QVERIFY2(statusMessage() == c.message, what + ": " + statusMessage().toUtf8());
                QVERIFY2(mController->window()->focusWidget()
                        && mController->window()->focusWidget()->objectName()
                            == controlFor(c.message),
                    what);
                QVERIFY2(job()->isStopping(), what);
                QVERIFY2(!job()->isRunning(), what);
                QVERIFY2(!panel()->isVisible(), what);
                QVERIFY2(images()->count() == count, what);
                QVERIFY2(storedWithoutTab() == before, what);
                QTRY_VERIFY2(
                    TestSupport::settingsOnDisk(settingsFile()).value("tab").toInt() == c.tab,
                    what);
                QApplication::processEvents();
                QVERIFY2(TestSupport::filesIn(mOut).isEmpty(), what);
                continue;
            }

            // Started: the first tab, the run flag up, the sheet open on the window; resize()
            // has returned before any of the worker's calls could arrive.
            QVERIFY2(tabAtBeep.isEmpty(), what);
            QVERIFY2(statusMessage().isEmpty(), what);
            QVERIFY2(tabs()->currentIndex() == 0, what);
            QVERIFY2(!job()->isStopping(), what);
            QVERIFY2(panel()->isVisible(), what);
            QVERIFY2(panel()->parentWidget() == mController->window(), what);
            QVERIFY2(!alert(), what);
            QVERIFY2(waitForAlert(), what);
            QVERIFY2(!panel()->isVisible(), what);
            QVERIFY2(alert()->icon() == QMessageBox::Information, what);
            dismissAlert(QStringLiteral("OK"));
            QVERIFY2(TestSupport::filesIn(mOut) == QStringList(c.writes), what);
        }
        QVERIFY(mDesktop->opened().isEmpty());
    }

    // The message of a failed check goes with the next edit, and speaks the user's language.
    void failedCheckMessageGoesWithTheNextEdit()
    {
        QVariantMap stored = validSettings();
        stored.insert(QStringLiteral("dest"), QString());
        start(stored);
        mController->addFiles(writeSources({ QStringLiteral("a.jpg") }));
        widget<QPushButton>("resizeButton")->click();
        QCOMPARE(tabs()->currentIndex(), 2);
        QCOMPARE(statusMessage(), QStringLiteral("Choose an output folder"));

        // A keystroke in any field is an edit.
        QTest::keyClicks(widget<QLineEdit>("outputFolderField"), QStringLiteral("x"));
        QVERIFY(statusMessage().isEmpty());

        QVERIFY(Translations::installLanguage(*qApp, QStringLiteral("it")));
        auto english
            = qScopeGuard([] { Translations::installLanguage(*qApp, QStringLiteral("en")); });
        widget<QPushButton>("resizeButton")->click();
        QCOMPARE(statusMessage(),
            QStringLiteral("Inserisci la cartella di destinazione come percorso completo: uno "
                           "relativo dipenderebbe dalla cartella da cui è stato avviato Ostrel"));
        // So is a click on a check box.
        widget<QCheckBox>("backgroundCheck")->click();
        QVERIFY(statusMessage().isEmpty());
    }

    // Three real files of three formats through the window to the closing alert.
    void batchOfRealFilesEndsWithTheAlert()
    {
        start(validSettings());
        const QStringList sources = { TestSupport::writeImage(mIn + "/beach.jpg", 400, 300),
            TestSupport::writeImage(mIn + "/chart.png", 160, 120, true),
            TestSupport::writeImage(mIn + "/scan.tif", 800, 600) };
        mController->addFiles(sources);
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
        QVERIFY(panel()->findChild<QLabel*>(QStringLiteral("progressLabel"))->text().isEmpty());
        QVERIFY(!panel()->isVisible());

        QMessageBox* box = alert();
        QCOMPARE(box->parentWidget(), mController->window());
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        QCOMPARE(box->icon(), QMessageBox::Information);
        QCOMPARE(box->text(), QStringLiteral("Processing finished"));
        QCOMPARE(outcomeSentence(box), QStringLiteral("All images were processed without errors."));
        QVERIFY2(QRegularExpression(QStringLiteral("^Written: 3 · Time: [0-9.]+ s$"))
                     .match(countsLine(box))
                     .hasMatch(),
            qPrintable(countsLine(box)));
        QCOMPARE(
            buttonTexts(box), QStringList({ QStringLiteral("OK"), QStringLiteral("Show Files") }));
        // Show Files opens the output folder and leaves the alert up.
        QAbstractButton* showFiles = button(box, QStringLiteral("Show Files"));
        QVERIFY(showFiles);
        QTest::mouseClick(showFiles, Qt::LeftButton);
        QTRY_COMPARE(mDesktop->opened(), QStringList({ mOut }));
        QVERIFY(alert() == box);
        mDesktop->clear();
        QVERIFY(box->detailedText().isEmpty());
        // The alert keeps the window's controls out of reach, the start among them.
        QTest::mouseClick(widget<QPushButton>("resizeButton"), Qt::LeftButton);
        QVERIFY(alert() == box);
        QVERIFY(!panel()->isVisible());
        dismissAlert(QStringLiteral("OK"));
        QVERIFY(mDesktop->opened().isEmpty());
        QVERIFY(!job()->isStopping()); // a finished batch leaves the flag up

        QCOMPARE(TestSupport::filesIn(mOut), QStringList({ "beach.png", "chart.png", "scan.png" }));
        for (const QString& name : TestSupport::filesIn(mOut)) {
            const TestSupport::Facts facts = TestSupport::inspect(QDir(mOut).filePath(name));
            QCOMPARE(facts.width, 40);
            QCOMPARE(facts.height, 30);
        }
        QVERIFY(!QFile::exists(logFile()));
    }

    // A folder added to the list keeps its subfolders in the output folder with Keep
    // subfolders on; without it every image goes into the output folder itself.
    void keepSubfoldersOfAnAddedFolder()
    {
        const QString folder = mIn + "/trip";
        QVERIFY(QDir().mkpath(folder + "/day1"));
        QVERIFY(!TestSupport::writeImage(folder + "/day1/a.png", 80, 60).isEmpty());
        QVERIFY(!TestSupport::writeImage(folder + "/b.png", 80, 60).isEmpty());
        for (const bool keep : { true, false }) {
            QVariantMap stored = validSettings();
            stored.insert("keepTree", keep);
            start(stored);
            QVERIFY(QDir(mOut).removeRecursively() && QDir().mkpath(mOut));
            mController->addFiles({ folder });
            QTRY_COMPARE(images()->count(), 2);
            widget<QPushButton>("resizeButton")->click();
            QVERIFY(waitForAlert());
            QCOMPARE(QFile::exists(mOut + "/day1/a.png"), keep);
            QCOMPARE(QFile::exists(mOut + "/a.png"), !keep);
            QVERIFY(QFile::exists(mOut + "/b.png"));
            dismissAlert(QStringLiteral("OK"));
        }
    }

    // The presets checked in "Write with Several Presets…" each write every image into a
    // folder of their own; the alert counts files.
    void severalPresetsFromTheChecklist()
    {
        start(validSettings());
        mController->addFiles({ TestSupport::writeImage(mIn + "/a.jpg", 800, 600),
            TestSupport::writeImage(mIn + "/b.png", 600, 800) });
        QMenu* menu = widget<QPushButton>("presetButton")->menu();
        emit menu->aboutToShow();
        for (QAction* action : menu->actions()) {
            if (action->text() == QStringLiteral("Write with Several Presets…"))
                action->trigger();
        }
        auto* list = widget<QListWidget>("presetChecklist");
        QVERIFY(list);
        QPushButton* resize = nullptr;
        for (auto* candidate : list->parentWidget()->findChildren<QPushButton*>()) {
            if (candidate->text() == QStringLiteral("Resize"))
                resize = candidate;
        }
        QVERIFY(resize && !resize->isEnabled());
        for (const QString& name :
            { QStringLiteral("Thumbnail 256 px"), QStringLiteral("Web 1600 px") })
            list->findItems(name, Qt::MatchExactly).first()->setCheckState(Qt::Checked);
        QVERIFY(resize->isEnabled());
        resize->click();
        QVERIFY(waitForAlert());

        QCOMPARE(
            TestSupport::filesIn(mOut + "/Thumbnail 256 px"), QStringList({ "a.jpg", "b.jpg" }));
        QCOMPARE(TestSupport::filesIn(mOut + "/Web 1600 px"), QStringList({ "a.jpg", "b.jpg" }));
        QCOMPARE(TestSupport::inspect(mOut + "/Thumbnail 256 px/b.jpg").height, 256);
        QCOMPARE(TestSupport::inspect(mOut + "/Web 1600 px/a.jpg").width, 800); // never enlarged
        QVERIFY2(outcomeSentence(alert()).contains("each of 2 presets"),
            qPrintable(alert()->informativeText()));
    }

    // One image fails: a critical alert with the count, both buttons, and the failed image
    // with its reason in the details; "Open Log" asks the desktop to open the log.
    void failedImageGivesCriticalAlertThatOpensTheLog()
    {
        start(validSettings());
        mController->addFiles(writeSources({ "one.png", "two.png", "three.png" }));
        // Something already has the second image's output name: it must not be replaced.
        QVERIFY(TestSupport::writeFile(QDir(mOut).filePath("two.png"), "not an image"));

        widget<QPushButton>("resizeButton")->click();
        QVERIFY(waitForAlert());
        QMessageBox* box = alert();
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        QCOMPARE(box->text(), QStringLiteral("Processing finished"));
        QCOMPARE(outcomeSentence(box),
            QStringLiteral("Images written: 2. Failed: 1. The log names each failed image."));
        QVERIFY2(countsLine(box).startsWith(QStringLiteral("Written: 2 · Failed: 1 · Time: ")),
            qPrintable(countsLine(box)));
        QStringList expected
            = { QStringLiteral("OK"), QStringLiteral("Open Log"), QStringLiteral("Show Files") };
        expected.sort();
        QCOMPARE(buttonTexts(box), expected);
        QVERIFY(box->detailedText().contains(QLatin1String("two.png")));
        QVERIFY(box->detailedText().contains(
            QStringLiteral("a file with the output name already exists")));
        QVERIFY(!box->detailedText().contains(QLatin1String("one.png")));

        // Open Log opens the log and leaves the alert up.
        QTest::mouseClick(button(box, QStringLiteral("Open Log")), Qt::LeftButton);
        QTRY_COMPARE(mDesktop->opened(), QStringList({ BatchLog::logFilePath() }));
        QVERIFY(alert() == box);
        dismissAlert(QStringLiteral("OK"));

        QFile log(logFile());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.first().endsWith(outputExistsMessage("two.png")));
        QCOMPARE(TestSupport::filesIn(mOut), QStringList({ "one.png", "three.png", "two.png" }));
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
        mController->addFiles(writeSources({ "a.png", "b.png", "c.png", "d.png", "e.png" }));
        QVERIFY(TestSupport::writeFile(QDir(mOut).filePath("b.png")));
        TestSupport::LogPipe gate(moveLog("log-pipe"));
        QVERIFY(gate.isValid());

        widget<QPushButton>("resizeButton")->click();
        auto* text = panel()->findChild<QLabel*>(QStringLiteral("progressLabel"));
        auto* stopButton = panel()->findChild<QPushButton*>(QStringLiteral("stopButton"));
        // The worker now waits in the second image's log line; the window goes on.
        QTRY_COMPARE_WITH_TIMEOUT(text->text(), progressText(2, 5), 60000);
        QVERIFY(panel()->isVisible());
        // The sheet names the image in progress.
        QCOMPARE(panel()->findChild<QLabel*>(QStringLiteral("imageNameLabel"))->text(),
            QStringLiteral("b.png"));
        QVERIFY(!panel()->grab().isNull());
        // The window's controls are out of reach: no second start, no beep.
        QSignalSpy beeps(mController->batch(), &BatchController::beeped);
        QTest::mouseClick(widget<QPushButton>("resizeButton"), Qt::LeftButton);
        QVERIFY(beeps.isEmpty());
        // Nor is the order of the running batch's list changed by sorting, which a click on a
        // column's header asks for.
        emit widget<ImageListView>("imageListView")->sortRequested(0, Qt::DescendingOrder);
        QCOMPARE(images()->at(0)->name(), QStringLiteral("a.png"));
        QCOMPARE(images()->at(4)->name(), QStringLiteral("e.png"));

        QVERIFY(stopButton->isEnabled());
        QTest::mouseClick(stopButton, Qt::LeftButton);
        QVERIFY(job()->isStopping()); // at once, without waiting for the worker
        QCOMPARE(text->text(), QStringLiteral("Stopping after the current image…"));
        QVERIFY(!stopButton->isEnabled()); // a second press does nothing more
        QVERIFY(panel()->isVisible());

        QVERIFY(gate.waitForLine().endsWith(outputExistsMessage("b.png") + '\n'));
        QVERIFY(waitForAlert());
        QVERIFY(!panel()->isVisible());
        QMessageBox* box = alert();
        // Said to be stopped, with the numbers; critical, since an image failed.
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->text(), QStringLiteral("Processing stopped"));
        QCOMPARE(outcomeSentence(box),
            QStringLiteral("Images written: 1. Failed: 1. Not processed: 3. The log names each "
                           "failed image."));
        // The sentence has said every count: only the time follows.
        QVERIFY2(countsLine(box).startsWith(QStringLiteral("Time: ")), qPrintable(countsLine(box)));
        QCOMPARE(TestSupport::filesIn(mOut), QStringList({ "a.png", "b.png" }));
        QCOMPARE(QFileInfo(QDir(mOut).filePath("b.png")).size(), 0);
        dismissAlert(QStringLiteral("OK"));
        QVERIFY(mDesktop->opened().isEmpty()); // the default button opens nothing
        QVERIFY(job()->isStopping());

        // The second batch, into a new folder typed by the user.
        moveLog("data"); // back from the pipe
        const QString second = mDir.filePath(QStringLiteral("second"));
        QVERIFY(QDir().mkpath(second));
        tabs()->setCurrentIndex(2);
        auto* dest = widget<QLineEdit>("outputFolderField");
        dest->setFocus();
        dest->selectAll();
        QTest::keyClicks(dest, second);
        QTest::keyClick(dest, Qt::Key_Return);
        const auto progress = recordProgress();
        widget<QPushButton>("resizeButton")->click();
        QVERIFY(!job()->isStopping());
        QVERIFY(stopButton->isEnabled());
        QVERIFY(waitForAlert());
        QCOMPARE(alert()->icon(), QMessageBox::Information);
        dismissAlert(QStringLiteral("OK"));
        QCOMPARE(progress->values, QList<int>({ 1, 2, 3, 4, 5 }));
        QCOMPARE(progress->texts.last(), progressText(5, 5));
        QCOMPARE(TestSupport::filesIn(second),
            QStringList({ "a.png", "b.png", "c.png", "d.png", "e.png" }));
        QCOMPARE(TestSupport::inspect(QDir(second).filePath("e.png")).width, 40);
    }

    // After a few images the sheet shows the elapsed time and the time left, beside the name
    // of the image in progress. The worker is held in the fifth image's log line.
    void sheetShowsTimesAfterAFewImages()
    {
        start(validSettings());
        mController->addFiles(
            writeSources({ "a.png", "b.png", "c.png", "d.png", "e.png", "f.png" }));
        QVERIFY(TestSupport::writeFile(QDir(mOut).filePath("e.png")));
        TestSupport::LogPipe gate(moveLog("times-pipe"));
        QVERIFY(gate.isValid());

        widget<QPushButton>("resizeButton")->click();
        auto* text = panel()->findChild<QLabel*>(QStringLiteral("progressLabel"));
        QTRY_COMPARE_WITH_TIMEOUT(text->text(), progressText(5, 6), 60000);
        QCOMPARE(panel()->findChild<QLabel*>(QStringLiteral("imageNameLabel"))->text(),
            QStringLiteral("e.png"));
        const QString times = panel()->findChild<QLabel*>(QStringLiteral("timeLabel"))->text();
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9.]+ s elapsed, about [0-9.]+ s left$"))
                     .match(times)
                     .hasMatch(),
            qPrintable(times));
        gate.open();
        QVERIFY(waitForAlert());
        dismissAlert(QStringLiteral("OK"));
        // A new batch starts without the last one's times.
        moveLog("data"); // back from the pipe
        widget<QPushButton>("resizeButton")->click();
        QVERIFY(panel()->findChild<QLabel*>(QStringLiteral("timeLabel"))->text().isEmpty());
        QVERIFY(waitForAlert());
        dismissAlert(QStringLiteral("OK"));
    }

    // Durations as the sheet and the alert show them.
    void durationsReadShortAndWhole()
    {
        QCOMPARE(ProgressSheet::durationText(3400), QStringLiteral("3.4 s"));
        QCOMPARE(ProgressSheet::durationText(12400), QStringLiteral("12 s"));
        QCOMPARE(ProgressSheet::durationText(80000), QStringLiteral("1 min 20 s"));
        QCOMPARE(ProgressSheet::durationText(119600), QStringLiteral("2 min"));
        QCOMPARE(ProgressSheet::durationText(7500000), QStringLiteral("2 h 5 min"));
        QCOMPARE(ProgressSheet::durationText(-5), QStringLiteral("0.0 s"));
    }

    // A missing output folder at an absolute path is offered to be created. Cancel changes
    // nothing and turns to the Output tab as a failed check does; Create makes it and the
    // batch writes into it; a folder under a file cannot be made, and the message says why.
    void missingOutputFolderIsOfferedToBeCreated()
    {
        const QString fresh = mDir.filePath(QStringLiteral("made/for/batch"));
        QVariantMap stored = validSettings();
        stored.insert(QStringLiteral("dest"), fresh);
        start(stored);
        mController->addFiles(writeSources({ QStringLiteral("a.png") }));
        QSignalSpy beeps(mController->batch(), &BatchController::beeped);

        tabs()->setCurrentIndex(0);
        widget<QPushButton>("resizeButton")->click();
        QMessageBox* offer = alert();
        QVERIFY(offer);
        QVERIFY2(offer->text().contains(fresh), qPrintable(offer->text()));
        dismissAlert(QStringLiteral("Cancel"));
        QCOMPARE(tabs()->currentIndex(), 2);
        QCOMPARE(statusMessage(), QStringLiteral("The output folder does not exist"));
        QVERIFY(!QFileInfo::exists(fresh));
        QVERIFY(!job()->isRunning());
        QVERIFY(!panel()->isVisible());

        tabs()->setCurrentIndex(0);
        widget<QPushButton>("resizeButton")->click();
        QTest::mouseClick(button(alert(), QStringLiteral("Create")), Qt::LeftButton);
        QVERIFY(waitForAlert());
        QCOMPARE(alert()->text(), QStringLiteral("Processing finished"));
        QCOMPARE(TestSupport::filesIn(fresh), QStringList({ "a.png" }));
        dismissAlert(QStringLiteral("OK"));

        const QString file = mDir.filePath(QStringLiteral("plain-file"));
        QVERIFY(TestSupport::writeFile(file, "text"));
        const QString underFile = file + QStringLiteral("/out");
        widget<QLineEdit>("outputFolderField")->setText(underFile);
        tabs()->setCurrentIndex(0);
        widget<QPushButton>("resizeButton")->click();
        QTest::mouseClick(button(alert(), QStringLiteral("Create")), Qt::LeftButton);
        QMessageBox* refusal = alert();
        QVERIFY(refusal);
        QVERIFY2(refusal->text().contains(underFile)
                && refusal->text().contains(QLatin1String("Not a directory")),
            qPrintable(refusal->text()));
        QCOMPARE(tabs()->currentIndex(), 2);
        QVERIFY(!panel()->isVisible());
        QVERIFY(!job()->isRunning());
        dismissAlert(QStringLiteral("OK"));
        QVERIFY(beeps.isEmpty());
    }

    void openingWithoutAViewerSaysSo_data()
    {
        QTest::addColumn<QString>("buttonText");
        QTest::newRow("Show Files") << "Show Files";
        QTest::newRow("Open Log") << "Open Log";
    }

    // Where the desktop has no viewer (xdg-open finds none), Show Files and Open Log say so,
    // naming the path with a button that copies it, and leave the closing alert up.
    void openingWithoutAViewerSaysSo()
    {
        QFETCH(QString, buttonText);
        start(validSettings());
        mController->addFiles(writeSources({ "one.png", "two.png" }));
        QVERIFY(TestSupport::writeFile(QDir(mOut).filePath("two.png"), "taken"));
        mDesktop->setHasViewer(false);
        const QString path
            = buttonText == QLatin1String("Open Log") ? BatchLog::logFilePath() : mOut;

        widget<QPushButton>("resizeButton")->click();
        QVERIFY(waitForAlert());
        QMessageBox* closing = alert();
        QTest::mouseClick(button(closing, buttonText), Qt::LeftButton);
        QMessageBox* cannotOpen = nullptr;
        QVERIFY(QTest::qWaitFor([&] {
            for (QMessageBox* box : closing->findChildren<QMessageBox*>()) {
                if (box->isVisible())
                    cannotOpen = box;
            }
            return cannotOpen != nullptr;
        }));
        QCOMPARE(cannotOpen->informativeText(), path);
        QTest::mouseClick(button(cannotOpen, QStringLiteral("Copy Path")), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), path);
        QVERIFY(cannotOpen->isVisible());
        QTest::mouseClick(button(cannotOpen, QStringLiteral("OK")), Qt::LeftButton);
        QTRY_VERIFY(!cannotOpen->isVisible());
        QVERIFY(closing->isVisible());
        QVERIFY(mDesktop->opened().isEmpty());
        dismissAlert(QStringLiteral("OK"));
    }

    // Files handed over while a batch runs are processed by it: the text counts them, the
    // bar keeps the maximum of the start and shows full.
    void filesHandedOverDuringBatchAreProcessed()
    {
        start(validSettings());
        mController->addFiles(writeSources({ "a.png", "b.png", "c.png" }));
        // The first and the last image fail, each stopping the worker in its log line.
        for (const char* name : { "a.png", "e.png" })
            QVERIFY(TestSupport::writeFile(QDir(mOut).filePath(QLatin1String(name))));
        TestSupport::LogPipe last(moveLog("last-pipe"));
        TestSupport::LogPipe first(moveLog("first-pipe"));
        QVERIFY(first.isValid() && last.isValid());
        const auto progress = recordProgress();
        auto* text = panel()->findChild<QLabel*>(QStringLiteral("progressLabel"));
        auto* bar = panel()->findChild<QProgressBar*>(QStringLiteral("progressBar"));

        widget<QPushButton>("resizeButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(text->text(), progressText(1, 3), 60000);
        mController->addFiles(writeSources({ "d.png", "e.png" }));
        QCOMPARE(images()->count(), 5);
        moveLog("last-pipe"); // the worker waits in the first pipe already
        QVERIFY(first.waitForLine().endsWith(outputExistsMessage("a.png") + '\n'));

        // The fifth image: the text counts the files handed over, the bar stays full.
        QTRY_COMPARE_WITH_TIMEOUT(text->text(), progressText(5, 5), 60000);
        QCOMPARE(bar->maximum(), 3);
        QCOMPARE(bar->value(), 3);
        QVERIFY(last.waitForLine().endsWith(outputExistsMessage("e.png") + '\n'));
        QVERIFY(waitForAlert());
        QCOMPARE(outcomeSentence(alert()),
            QStringLiteral("Images written: 3. Failed: 2. The log names each failed image."));
        dismissAlert(QStringLiteral("OK"));

        QCOMPARE(progress->values, QList<int>({ 1, 2, 3 }));
        QCOMPARE(progress->texts,
            QStringList({ progressText(1, 3), progressText(2, 5), progressText(3, 5) }));
        QCOMPARE(bar->value(), 3);
        QCOMPARE(TestSupport::filesIn(mOut),
            QStringList({ "a.png", "b.png", "c.png", "d.png", "e.png" }));
        QCOMPARE(TestSupport::inspect(QDir(mOut).filePath("d.png")).width, 40);
    }

    // The start shortcut while a field is being edited: the batch uses what the field shows.
    void shortcutStartUsesTheFieldBeingEdited()
    {
        start(validSettings());
        mController->addFiles(writeSources({ "a.png" }));
        const QString typed = mDir.filePath(QStringLiteral("typed"));
        QVERIFY(QDir(typed).removeRecursively() && QDir().mkpath(typed));
        mController->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mController->window()));
        tabs()->setCurrentIndex(2);
        auto* dest = widget<QLineEdit>("outputFolderField");
        dest->setFocus();
        QTRY_VERIFY(dest->hasFocus());
        dest->selectAll();
        QTest::keyClicks(dest, typed);
        QTest::keySequence(mController->window(), QKeySequence(QStringLiteral("Ctrl+R")));
        QVERIFY(waitForAlert());
        dismissAlert(QStringLiteral("OK"));
        QCOMPARE(TestSupport::filesIn(typed), QStringList({ "a.png" }));
        QVERIFY(TestSupport::filesIn(mOut).isEmpty());
        QTRY_COMPARE(TestSupport::settingsOnDisk(settingsFile()).value("dest").toString(), typed);
    }

    // Ending the application while a batch runs, each way it can end: the quit handler, the
    // controller destroyed at the end of main(), the window closed (which quits the event
    // loop), and SIGTERM to a real application process. The third of six images is held in
    // its log line while the ending begins: it completes, nothing after it begins, and no
    // partial file is left.
    void endingDuringBatch_data()
    {
        QTest::addColumn<Ending>("ending");
        QTest::newRow("quit") << Ending::Quit;
        QTest::newRow("controller destroyed") << Ending::ControllerDestroyed;
        QTest::newRow("Escape on the progress panel") << Ending::EscapeOnPanel;
        QTest::newRow("Escape on the main window, after a click on it") << Ending::EscapeOnWindow;
        QTest::newRow("the main window's close button, then Stop and Quit") << Ending::CloseButton;
        QTest::newRow("Ctrl+Q, then Stop and Quit") << Ending::QuitKey;
        QTest::newRow("termination signal to the process") << Ending::TerminationSignal;
    }

    void endingDuringBatch()
    {
        QFETCH(Ending, ending);
        const QStringList sources
            = writeSources({ "p1.png", "p2.png", "p3.png", "p4.png", "p5.png", "p6.png" });
        QVERIFY(TestSupport::writeFile(QDir(mOut).filePath("p3.png"), "occupied"));
        if (ending == Ending::TerminationSignal) {
            terminateProcessDuringBatch(sources);
            return;
        }
        TestSupport::LogPipe gate(moveLog("ending-pipe"));
        QVERIFY(gate.isValid());
        start(validSettings());
        mController->addFiles(sources);
        widget<QPushButton>("resizeButton")->click();
        auto* text = panel()->findChild<QLabel*>(QStringLiteral("progressLabel"));
        QTRY_COMPARE_WITH_TIMEOUT(text->text(), progressText(3, 6), 60000);

        // The ending waits for the worker, which waits for the pipe: that opens once the
        // run flag is down.
        const BatchJob* running = job();
        gate.openWhen([running] { return running->isStopping(); });
        switch (ending) {
        case Ending::Quit:
            mController->shutDown();
            QVERIFY(!mController->batch()->job());
            break;
        case Ending::ControllerDestroyed:
            mController.reset();
            QApplication::processEvents(); // calls still queued for the sheet go nowhere
            break;
        case Ending::EscapeOnPanel:
        case Ending::EscapeOnWindow: {
            // Through the window system, as a key typed into whichever window is active.
            QWidget* target = ending == Ending::EscapeOnPanel
                ? static_cast<QWidget*>(panel())
                : static_cast<QWidget*>(mController->window());
            QTest::mouseClick(target->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
            target->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(target));
            QTest::keyClick(target->windowHandle(), Qt::Key_Escape);
            QVERIFY(job()->isStopping());
            QVERIFY(waitForAlert());
            QCOMPARE(alert()->text(), QStringLiteral("Processing stopped"));
            dismissAlert(QStringLiteral("OK"));
            break;
        }
        case Ending::CloseButton:
        case Ending::QuitKey: {
            // Asked first; Stop and Quit lets the images in progress finish, then quits without
            // the closing alert.
            QMainWindow* window = mController->window();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
            QTimer::singleShot(0, window, [window, ending] {
                if (ending == Ending::CloseButton)
                    window->windowHandle()->close(); // as the window manager's button does
                else
                    QTest::keyClick(window->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
            });
            QString question;
            QTimer answer;
            connect(&answer, &QTimer::timeout, this, [this, &answer, &question] {
                if (QMessageBox* box = alert()) {
                    answer.stop();
                    question = box->text();
                    if (QAbstractButton* quit = button(box, QStringLiteral("Stop and Quit")))
                        quit->click();
                }
            });
            answer.start(10);
            QCOMPARE(QApplication::exec(), 0);
            QCOMPARE(question, QStringLiteral("Stop the batch and quit?"));
            QCOMPARE(quitting.size(), 1);
            QVERIFY(!mController->batch()->job()); // released, after its worker ended
            QVERIFY(!mController->batch()->progressSheet()->closingAlert());
            QTRY_VERIFY(TestSupport::settingsOnDisk(settingsFile()).contains("windowPosition"));
            break;
        }
        case Ending::TerminationSignal:
            break;
        }
        QVERIFY2(gate.openedOnCondition(), "the run flag stayed up");
        verifyEndedAfterTheThird(gate.readAll());
    }
};

QTEST_MAIN(TestBatchFromWindow)
#include "tst_BatchFromWindow.moc"
