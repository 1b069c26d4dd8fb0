#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "TestSupport.h"
#include "gui/ImageListView.h"
#include "gui/ImagesPage.h"
#include "gui/ImageListModel.h"
#include "gui/MainController.h"
#include "batch/ImageList.h"
#include "codec/ImageCodec.h"
#include "core/ImageEntry.h"
#include "core/Translations.h"
#include "settings/Settings.h"

// How long a test waits for what the window's worker threads deliver: generous, for the
// sanitizer builds on a loaded machine; not a measure of speed.
constexpr int kWorkerWait = 30000;

// The file list as the window shows it: files arriving, the preview and information line of
// the selected row, removal, and names or full paths, on the offscreen platform with real
// image files and a temporary settings file.
class TestFileListWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<MainController> mController;
    QStringList mFiles; // a.png .. e.png
    std::unique_ptr<TestSupport::StandInDesktop> mDesktop;

    ImageListView* table() const
    {
        return mController->window()->findChild<ImageListView*>(QStringLiteral("imageListView"));
    }
    QLabel* label(const char* name) const
    {
        return mController->window()->findChild<QLabel*>(QLatin1String(name));
    }
    QString cell(int row) const { return table()->model()->index(row, 0).data().toString(); }

    void start()
    {
        mController.reset();
        mController = std::make_unique<MainController>(mSettings.get());
        mController->show();
    }

    // Whether the preview fills its box on one side (to a pixel of rounding), as it does once
    // the layout has settled and the preview was decoded for the box's last size.
    bool previewFitsTheBox() const
    {
        const QSize shown = label("previewLabel")->pixmap().deviceIndependentSize().toSize();
        const QSize room = label("previewLabel")->contentsRect().size();
        return !shown.isEmpty() && shown.width() <= room.width() && shown.height() <= room.height()
            && (shown.width() >= room.width() - 1 || shown.height() >= room.height() - 1);
    }

    void selectRow(int row)
    {
        table()->selectionModel()->clearSelection();
        table()->selectRow(row);
    }

    // The first 5000 bytes of a 1200 x 900 JPEG: a whole header, and data that ends early.
    QString cutJpeg()
    {
        const QString whole
            = TestSupport::writeImage(mDir.filePath(QStringLiteral("whole.jpg")), 1200, 900);
        QFile file(whole);
        const QString cut = mDir.filePath(QStringLiteral("cut.jpg"));
        if (!file.open(QIODevice::ReadOnly) || !TestSupport::writeFile(cut, file.read(5000)))
            return QString();
        return cut;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(ImageCodec::initialise("tst_FileListWindow"));
        QVERIFY(Translations::installLanguage(*qApp, QStringLiteral("en")));
        TestSupport::preloadMisbehavingDecoder();
        mDesktop = std::make_unique<TestSupport::StandInDesktop>(mDir.filePath("desktop"));
        const QStringList names = { "a.png", "b.png", "c.png", "d.png", "e.png" };
        for (int i = 0; i < names.size(); ++i)
            mFiles << TestSupport::writeImage(mDir.filePath(names[i]), 40 + i, 30);
    }

    void init()
    {
        mController.reset();
        mSettings.reset();
        mSettings = TestSupport::freshSettings(mDir.filePath(QStringLiteral("Ostrel.conf")));
        start();
    }

    void cleanup()
    {
        mController.reset();
        QLocale::setDefault(QLocale::system());
    }

    void filesArriveInOrderWithoutDuplicates()
    {
        mController->addFiles({ mFiles[2], mFiles[0], mDir.filePath(QStringLiteral("notes.txt")) });
        mController->addFiles({ mFiles[0], mFiles[1] });
        QCOMPARE(table()->model()->rowCount(), 3);
        QCOMPARE(cell(0), QStringLiteral("c.png"));
        QCOMPARE(cell(1), QStringLiteral("a.png"));
        QCOMPARE(cell(2), QStringLiteral("b.png"));
        QCOMPARE(mController->images()->count(), 3);
    }

    // What the list does not take is named in the status bar with why; a path that does not
    // exist is not listed. A path already listed, or a folder searched, is no such case.
    void filesNotAddedAreNamed()
    {
        QStatusBar* status = mController->window()->statusBar();
        const QString notes = mDir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(TestSupport::writeFile(notes));
        const QString mixedCase = mDir.filePath(QStringLiteral("Photo.Jpg"));
        QVERIFY(TestSupport::pattern(20, 10).save(mixedCase, "JPEG"));
        const QString gone = mDir.filePath(QStringLiteral("gone.png"));

        mController->addFiles({ mFiles[0], notes, mixedCase });
        QCOMPARE(table()->model()->rowCount(), 1);
        QCOMPARE(status->currentMessage(),
            QStringLiteral(
                "2 files were not added: not a type Ostrel reads (notes.txt, Photo.Jpg)"));

        mController->addFiles({ gone, mFiles[1] });
        QCOMPARE(table()->model()->rowCount(), 2);
        QCOMPARE(cell(1), QStringLiteral("b.png"));
        QCOMPARE(
            status->currentMessage(), QStringLiteral("“gone.png” was not added: no such file"));

        // Both reasons at once, and more names than fit: the first few, then an ellipsis.
        const QStringList others = { mDir.filePath("a.doc"), mDir.filePath("b.doc"),
            mDir.filePath("c.doc"), mDir.filePath("d.doc") };
        mController->addFiles(others + QStringList { gone });
        QCOMPARE(status->currentMessage(),
            QStringLiteral("4 files were not added: not a type Ostrel reads (a.doc, b.doc, c.doc, "
                           "…); “gone.png” was not added: no such file"));

        // Files that are all taken, or already listed, clear the message.
        mController->addFiles({ mFiles[0], mFiles[2] });
        QCOMPARE(table()->model()->rowCount(), 3);
        QVERIFY(status->currentMessage().isEmpty());

        // A folder added leaves out the links in it that lead out of it, and names them.
        const QString walked = mDir.filePath(QStringLiteral("walked"));
        QVERIFY(QDir().mkpath(walked) && QDir().mkpath(mDir.filePath(QStringLiteral("away"))));
        TestSupport::writeImage(walked + QStringLiteral("/in.png"), 20, 10);
        QVERIFY(
            QFile::link(mDir.filePath(QStringLiteral("away")), walked + QStringLiteral("/out")));
        QVERIFY(QFile::link(mFiles[4], walked + QStringLiteral("/linked.png")));
        // Files of other types in it are named as those given are.
        QVERIFY(QFile::copy(mixedCase, walked + QStringLiteral("/Photo.Jpg")));
        QVERIFY(TestSupport::writeFile(walked + QStringLiteral("/notes.txt")));
        mController->addFiles({ walked });
        QTRY_COMPARE_WITH_TIMEOUT(table()->model()->rowCount(), 4, kWorkerWait);
        QCOMPARE(cell(3), QStringLiteral("in.png"));
        QCOMPARE(status->currentMessage(),
            QStringLiteral("2 files were not added: not a type Ostrel reads (notes.txt, "
                           "Photo.Jpg); 2 files were not added: a link that leads out of the "
                           "folder added (linked.png, out)"));
    }

    // Tab leaves the list like any other control; Remove needs a selection.
    void tabLeavesTheListAndRemoveNeedsASelection()
    {
        auto* remove
            = mController->window()->findChild<QPushButton*>(QStringLiteral("removeButton"));
        auto* removeAction
            = mController->window()->findChild<QAction*>(QStringLiteral("actionRemove"));
        QVERIFY(remove && removeAction);
        QVERIFY(!remove->isEnabled());
        QVERIFY(!removeAction->isEnabled());
        mController->addFiles(mFiles);
        QVERIFY(!remove->isEnabled());
        selectRow(2);
        QVERIFY(remove->isEnabled());
        QVERIFY(removeAction->isEnabled());
        remove->click();
        QCOMPARE(table()->model()->rowCount(), 4);
        QVERIFY(!remove->isEnabled());
        QVERIFY(!removeAction->isEnabled());

        QMainWindow* window = mController->window();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        selectRow(1);
        table()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(table()));
        QTest::keyClick(table(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != table());
        QCOMPARE(table()->selectedRow(), 1);
        QCOMPARE(QApplication::focusWidget(),
            static_cast<QWidget*>(
                mController->window()->findChild<QPushButton*>(QStringLiteral("addButton"))));
    }

    // The preview is decoded off the main thread and fills the box, never enlarged beyond the
    // source; a file that does not decode, or crashes its decoder, says why instead of giving
    // a size of 0 x 0.
    void selectionShowsPreviewAndInformationLine()
    {
        // An uncompressed BMP has a size known in advance: a 54-byte header and 300 rows of
        // 400 three-byte pixels, 360054 bytes.
        const QString big
            = TestSupport::writeImage(mDir.filePath(QStringLiteral("big.bmp")), 400, 300);
        QCOMPARE(QFileInfo(big).size(), qint64(360054));
        const QString broken = mDir.filePath(QStringLiteral("broken.png"));
        QVERIFY(TestSupport::writeFile(broken, "not an image"));
        const QString crashing = TestSupport::writeImage(
            mDir.filePath(QStringLiteral("crashes-the-decoder.png")), 40, 30);
        mController->addFiles({ big, broken, mFiles[0], crashing });

        selectRow(0);
        // Once the layout has settled, the picture fills the box on one side (to a pixel of
        // rounding) and keeps its proportions.
        QTRY_VERIFY_WITH_TIMEOUT(previewFitsTheBox(), kWorkerWait);
        const QSize shown = label("previewLabel")->pixmap().deviceIndependentSize().toSize();
        QVERIFY(shown.width() < 400); // the test window's box is narrower than the source
        QVERIFY(qAbs(shown.width() * 3 / 4 - shown.height()) <= 1);
        QCOMPARE(label("imageSizeLabel")->text(), QStringLiteral("400 × 300 pixels, 351.62 KiB"));

        selectRow(1);
        QTRY_COMPARE(
            label("previewLabel")->text(), QStringLiteral("Cannot be read: not a PNG image"));
        QVERIFY(label("previewLabel")->pixmap().isNull());
        QCOMPARE(label("imageSizeLabel")->text(), QStringLiteral("not a PNG, 12 bytes"));
        QVERIFY(label("outputSizeLabel")->text().isEmpty());

        selectRow(3);
        QTRY_COMPARE(label("previewLabel")->text(),
            QStringLiteral("Cannot be read: the decoder crashed (signal 6)"));
        QVERIFY(label("previewLabel")->pixmap().isNull());

        // A source smaller than the box is shown at its own size.
        selectRow(2);
        QTRY_COMPARE(
            label("previewLabel")->pixmap().deviceIndependentSize().toSize(), QSize(40, 30));

        // Nothing selected: nothing shown.
        table()->clearSelection();
        QVERIFY(label("previewLabel")->pixmap().isNull());
        QVERIFY(label("imageSizeLabel")->text().isEmpty());
    }

    // A JPEG cut short has a header that reads: its preview finds the damage, which then
    // shows in its row and under the preview instead of an output size.
    void damagedFileShowsAsDamaged()
    {
        const QString cut = cutJpeg();
        QVERIFY(!cut.isEmpty());
        mController->addFiles({ cut });
        const QModelIndex pixels = table()->model()->index(0, 1);
        QTRY_COMPARE_WITH_TIMEOUT(
            pixels.data().toString(), QStringLiteral("1200 × 900"), kWorkerWait);
        selectRow(0);
        QTRY_COMPARE_WITH_TIMEOUT(pixels.data().toString(), QStringLiteral("damaged"), kWorkerWait);
        const QString reason = pixels.data(Qt::ToolTipRole).toString();
        QVERIFY2(reason.startsWith(QStringLiteral("the JPEG data ends early or is damaged")),
            qPrintable(reason));
        QCOMPARE(label("previewLabel")->text(), QStringLiteral("Cannot be read: ") + reason);
        QCOMPARE(label("imageSizeLabel")->text(), QStringLiteral("damaged, 4.88 KiB"));
        QVERIFY(label("outputSizeLabel")->text().isEmpty());
    }

    void addDialogOffersWhatTheListTakes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("taken");
        QTest::newRow("lower case") << "photo.jpg" << true;
        QTest::newRow("upper case") << "PHOTO.JPG" << true;
        QTest::newRow("capitalised") << "Photo.Jpg" << false;
        QTest::newRow("mixed") << "photo.JpG" << false;
    }

    // The Add dialog offers a file exactly when the list takes it, on real files.
    void addDialogOffersWhatTheListTakes()
    {
        QFETCH(QString, name);
        QFETCH(bool, taken);
        const QString folder = mDir.filePath(QStringLiteral("cases/") + QTest::currentDataTag());
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QLatin1Char('/') + name;
        QVERIFY(TestSupport::pattern(20, 10).save(path, "JPEG"));
        TestSupport::writeImage(folder + QStringLiteral("/anchor.png"), 20, 10);

        mController->window()->findChild<QPushButton*>(QStringLiteral("addButton"))->click();
        auto* panel = mController->window()->findChild<QFileDialog*>();
        QVERIFY(panel);
        panel->setDirectory(folder);
        auto* files = panel->findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(files);
        auto offered = [files](const QString& file) {
            for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row) {
                const QModelIndex index = files->model()->index(row, 0, files->rootIndex());
                if (index.data().toString() == file)
                    return bool(index.flags() & Qt::ItemIsEnabled);
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(offered(QStringLiteral("anchor.png")), kWorkerWait);
        QCOMPARE(offered(name), taken);
        panel->reject();

        mController->addFiles({ path });
        QCOMPARE(table()->model()->rowCount(), taken ? 1 : 0);
    }

    void fileSizesAreWrittenByTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QString>("text");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("bytes") << english << 771 << "771 bytes";
        QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy) << 1864 << "1,82 KiB";
    }

    // File sizes in the list and in its totals, in the words and numbers of the locale; the
    // totals wait until every size is known.
    void fileSizesAreWrittenByTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, bytes);
        QFETCH(QString, text);
        QLocale::setDefault(locale); // undone by cleanup()
        start();
        const QString path = mDir.filePath(QStringLiteral("sized.png"));
        QVERIFY(TestSupport::writeFile(path, QByteArray(bytes, 'x')));
        mController->addFiles({ path });
        QCOMPARE(label("listSummaryLabel")->text(), QStringLiteral("1 image, sizes loading"));
        QTRY_COMPARE_WITH_TIMEOUT(
            table()->model()->index(0, 2).data().toString(), text, kWorkerWait);
        QCOMPARE(label("listSummaryLabel")->text(), QStringLiteral("1 image, ") + text);
        QCOMPARE(table()->model()->headerData(2, Qt::Horizontal).toString(),
            QStringLiteral("File size"));
    }

    void listMenu_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("opened"); // the path the desktop opens
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("open") << "actionOpenFile"
                              << "b.png" << 5;
        QTest::newRow("show in folder") << "actionShowInFolder"
                                        << "." << 5;
        QTest::newRow("remove") << "actionRemoveFromList" << QString() << 4;
    }

    // The list's context menu opens the row's file or its folder through the desktop, or
    // removes the selected rows; Ctrl+A then selects every row and Del removes them.
    void listMenu()
    {
        QFETCH(QString, action);
        QFETCH(QString, opened);
        QFETCH(int, rowsLeft);
        mDesktop->clear();
        mController->addFiles(mFiles);
        selectRow(1);
        const QRect row = table()->visualRect(table()->model()->index(1, 0));
        QContextMenuEvent click(
            QContextMenuEvent::Mouse, row.center(), table()->viewport()->mapToGlobal(row.center()));
        QApplication::sendEvent(table()->viewport(), &click);
        auto* menu = mController->window()->findChild<QMenu*>(QStringLiteral("listMenu"));
        QVERIFY(menu && menu->isVisible());
        auto* item = menu->findChild<QAction*>(action);
        QVERIFY(item && item->isEnabled());
        item->trigger();
        menu->hide();
        const QStringList expected = opened.isNull()
            ? QStringList()
            : QStringList { QDir::cleanPath(mDir.filePath(opened)) };
        QCOMPARE(table()->model()->rowCount(), rowsLeft);

        QMainWindow* window = mController->window();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(int(table()->selectedRowSet().size()), rowsLeft);
        QTest::keyClick(table(), Qt::Key_Delete);
        QCOMPARE(table()->model()->rowCount(), 0);
        // The desktop answers in its own time.
        QTRY_COMPARE(mDesktop->opened(), expected);
    }

    void animationWarning_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("warning");
        QTest::newRow("JPEG") << int(OutputFormat::Jpeg)
                              << "Only the first frame is kept: JPEG holds no animation.";
        QTest::newRow("GIF") << int(OutputFormat::Gif) << QString();
    }

    // Under the preview of an animation, a warning when the output format keeps only its first
    // frame; the preview's box keeps its height whether the warning shows or not.
    void animationWarning()
    {
        QFETCH(int, format);
        QFETCH(QString, warning);
        mController.reset();
        mSettings = TestSupport::freshSettings(
            mDir.filePath(QStringLiteral("Ostrel.conf")), { { "formatMenu", format } });
        start();
        const QString still = mDir.filePath(QStringLiteral("still.gif"));
        const QString animation = mDir.filePath(QStringLiteral("animation.gif"));
        TestSupport::run(QStringLiteral("convert"), { "-size", "120x80", "xc:red", still });
        TestSupport::run(
            QStringLiteral("convert"), { "-size", "120x80", "xc:red", "xc:blue", animation });
        mController->addFiles({ still, animation });
        QVERIFY(label("animationWarningLabel"));
        int heights[2] = {};
        for (int row : { 0, 1 }) {
            selectRow(row);
            QTRY_VERIFY_WITH_TIMEOUT(!label("previewLabel")->pixmap().isNull(), kWorkerWait);
            QCoreApplication::processEvents(); // the layout settles
            heights[row] = label("previewLabel")->height();
            QCOMPARE(label("animationWarningLabel")->text(), row == 0 ? QString() : warning);
        }
        QCOMPARE(heights[1], heights[0]);
    }

    void outputSizeFollowsTheSettings_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("field"); // a field typed into, or a menu stepped down
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        // The source is 400 x 300 pixels; the settings start at 400 x 300 pixels, 72 ppi, JPEG.
        QTest::newRow("a width typed with proportions kept")
            << QVariantMap { { "proportional", true }, { "tagSides", 1 } } << "→ 400 × 300 px, JPEG"
            << "widthField"
            << "200"
            << "→ 200 × 150 px, JPEG";
        QTest::newRow("the unit turned to inches: more than the pixel limit")
            << QVariantMap {} << "→ 400 × 300 px, JPEG"
            << "unitCombo" << QString()
            << "→ not written: the output would be 28800 x 21600 pixels (623 megapixels), above "
               "the limit of 500 megapixels; the maxMegapixels setting raises it (ostrel-batch "
               "--max-megapixels N, with --save to keep it)";
        QTest::newRow("the unit turned to inches: an enormous target")
            << QVariantMap { { "widthValue", 200 }, { "heightValue", 150 } }
            << "→ 200 × 150 px, JPEG"
            << "unitCombo" << QString()
            << "→ 14400 × 10800 px, JPEG\nWarning: 156 megapixels, a very large image";
        QTest::newRow("another format")
            << QVariantMap { { "UM", 4 }, { "widthValue", 50 }, { "heightValue", 50 } }
            << "→ 200 × 150 px, JPEG"
            << "formatCombo" << QString() << "→ 200 × 150 px, PNG";
        const QVariantMap box { { "proportional", true }, { "tagSides", 3 }, { "widthValue", 300 },
            { "heightValue", 100 } };
        QTest::newRow("fill the box") << box << "→ 133 × 100 px, JPEG"
                                      << "fillRadio" << QString() << "→ 300 × 100 px, JPEG";
        QTest::newRow("pad to the box") << box << "→ 133 × 100 px, JPEG"
                                        << "padRadio" << QString() << "→ 300 × 100 px, JPEG";
        QTest::newRow("fill the box, not enlarged")
            << QVariantMap { { "proportional", true }, { "tagSides", 3 }, { "widthValue", 800 },
                   { "heightValue", 400 }, { "noEnlarge", true } }
            << "→ 400 × 300 px, JPEG"
            << "fillRadio" << QString() << "→ 400 × 200 px, JPEG";
        QTest::newRow("a size the format cannot hold, then one that can")
            << QVariantMap { { "proportional", false }, { "widthValue", 70000 } }
            << "→ cannot be written as JPEG: the target size 70000 × 300 pixels has a side "
               "beyond the 65500 pixels that JPEG can make"
            << "formatCombo" << QString() << "→ 70000 × 300 px, PNG";
    }

    // Under the pixel size: the size the selected image will be written at, following every
    // edit of the Size and Output settings.
    void outputSizeFollowsTheSettings()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QString, before);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, after);
        mController.reset();
        mSettings
            = TestSupport::freshSettings(mDir.filePath(QStringLiteral("Ostrel.conf")), stored);
        start();
        const QString photo
            = TestSupport::writeImage(mDir.filePath(QStringLiteral("photo.bmp")), 400, 300);
        mController->addFiles({ photo });
        selectRow(0);
        QTRY_COMPARE_WITH_TIMEOUT(label("outputSizeLabel")->text(), before, kWorkerWait);
        // Everything that arrives from the workers has arrived: only the edit can change it.
        auto* model = qobject_cast<ImageListModel*>(table()->model());
        QTRY_VERIFY_WITH_TIMEOUT(model->facts(0).headerRead && previewFitsTheBox(), kWorkerWait);

        QWidget* control = mController->window()->findChild<QWidget*>(field);
        QVERIFY(control);
        if (auto* line = qobject_cast<QLineEdit*>(control)) {
            line->clear();
            QTest::keyClicks(line, text);
            QTest::keyClick(line, Qt::Key_Return);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->click();
        } else {
            QTest::keyClick(control, Qt::Key_Down);
        }
        QTRY_COMPARE_WITH_TIMEOUT(label("outputSizeLabel")->text(), after, kWorkerWait);
    }

    // Clicking a column's header sorts the list the batch will process; the line under the
    // list gives the number of images and their total size.
    void headerClickSortsTheList()
    {
        const QString small
            = TestSupport::writeImage(mDir.filePath(QStringLiteral("small.bmp")), 10, 10);
        const QString large
            = TestSupport::writeImage(mDir.filePath(QStringLiteral("large.bmp")), 90, 90);
        const QString mid
            = TestSupport::writeImage(mDir.filePath(QStringLiteral("mid.bmp")), 30, 30);
        mController->addFiles({ mid, large, small }); // 30 x 30, 90 x 90 and 10 x 10 pixels
        QHeaderView* header = table()->horizontalHeader();
        const QPoint sizeSection(header->sectionViewportPosition(2) + 5, header->height() / 2);
        auto order = [this] {
            QStringList names;
            for (int i = 0; i < mController->images()->count(); ++i)
                names << mController->images()->at(i)->name();
            return names;
        };
        // Sizes arrive from a worker; sorting before they have all come would be a different
        // test.
        QTRY_VERIFY_WITH_TIMEOUT(
            !table()->model()->index(2, 2).data().toString().isEmpty(), kWorkerWait);
        // The line under the list counts them and adds their sizes up.
        const QString summary = label("listSummaryLabel")->text();
        QVERIFY2(summary.startsWith(QStringLiteral("3 "))
                && summary.endsWith(QLocale().formattedDataSize(
                    QFileInfo(small).size() + QFileInfo(mid).size() + QFileInfo(large).size())),
            qPrintable(summary));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeSection);
        QCOMPARE(order(), QStringList({ "small.bmp", "mid.bmp", "large.bmp" }));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeSection);
        QCOMPARE(order(), QStringList({ "large.bmp", "mid.bmp", "small.bmp" }));
    }

    void removeSelectedRows()
    {
        mController->addFiles(mFiles);
        QCOMPARE(table()->model()->rowCount(), 5);

        // Nothing selected: nothing happens.
        mController->window()->imagesPage()->removeSelectedFiles();
        QCOMPARE(table()->model()->rowCount(), 5);

        selectRow(1);
        QVERIFY(!label("imageSizeLabel")->text().isEmpty());
        table()->selectionModel()->select(
            table()->model()->index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        // File > Remove (the Del key) removes the selected rows.
        mController->window()->findChild<QAction*>(QStringLiteral("actionRemove"))->trigger();
        QCOMPARE(table()->model()->rowCount(), 3);
        QCOMPARE(cell(0), QStringLiteral("a.png"));
        QCOMPARE(cell(1), QStringLiteral("c.png"));
        QCOMPARE(cell(2), QStringLiteral("e.png"));
        QCOMPARE(table()->selectedRow(), -1);
        QVERIFY(label("previewLabel")->pixmap().isNull());
        QVERIFY(label("imageSizeLabel")->text().isEmpty());
    }

    void fullPathsAreShownAndRemembered()
    {
        mController->addFiles({ mFiles[0] });
        auto* box
            = mController->window()->findChild<QCheckBox*>(QStringLiteral("showFullPathsCheck"));
        QVERIFY(box);
        box->click();
        QCOMPARE(cell(0), mFiles[0]);
        QVERIFY(mController->window()->imagesPage()->showsFullPath());
        QTRY_VERIFY(TestSupport::settingsOnDisk(mDir.filePath(QStringLiteral("Ostrel.conf")))
                        .value(QStringLiteral("showFullPath"))
                        .toBool());

        start();
        mController->addFiles({ mFiles[1] });
        QCOMPARE(cell(0), mFiles[1]);
        box = mController->window()->findChild<QCheckBox*>(QStringLiteral("showFullPathsCheck"));
        QVERIFY(box->isChecked());
        box->click();
        QCOMPARE(cell(0), QStringLiteral("b.png"));
    }

    void foldersAreSearched()
    {
        QDir().mkpath(mDir.filePath(QStringLiteral("folder/inner")));
        TestSupport::writeImage(mDir.filePath(QStringLiteral("folder/inner/z.png")), 10, 10);
        TestSupport::writeImage(mDir.filePath(QStringLiteral("folder/y.jpg")), 10, 10);
        mController->addFiles({ mFiles[4], mDir.filePath(QStringLiteral("folder")), mFiles[0] });
        QTRY_COMPARE(table()->model()->rowCount(), 4);
        QCOMPARE(cell(0), QStringLiteral("e.png"));
        QCOMPARE(cell(1), QStringLiteral("y.jpg"));
        QCOMPARE(cell(2), QStringLiteral("z.png"));
        QCOMPARE(cell(3), QStringLiteral("a.png"));
    }

    void openPanelAddsChosenFiles()
    {
        // The panel is window-modal and answered here like a user would: pick two, accept.
        QTimer::singleShot(0, this, [this] {
            auto* panel = mController->window()->findChild<QFileDialog*>();
            QVERIFY(panel);
            QVERIFY(panel->isVisible());
            QCOMPARE(panel->windowModality(), Qt::WindowModal);
            panel->setDirectory(mDir.path());
            panel->selectFile(QStringLiteral("\"d.png\" \"b.png\""));
            static_cast<QDialog*>(panel)->accept();
        });
        mController->window()->findChild<QPushButton*>(QStringLiteral("addButton"))->click();
        QTRY_COMPARE(table()->model()->rowCount(), 2);

        // Cancelled: nothing added.
        QTimer::singleShot(0, this, [this] {
            auto* panel = mController->window()->findChild<QFileDialog*>();
            QVERIFY(panel);
            panel->reject();
        });
        mController->window()->findChild<QPushButton*>(QStringLiteral("addButton"))->click();
        QTest::qWait(0);
        QTRY_VERIFY(!mController->window()->findChild<QFileDialog*>());
        QCOMPARE(table()->model()->rowCount(), 2);
    }

    // Add Folder adds the images of a folder and its subfolders; every open panel then starts
    // where the last one ended, also after a new start.
    void addFolderAndPanelsRememberTheFolder()
    {
        QDir().mkpath(mDir.filePath(QStringLiteral("albums/trip/day2")));
        TestSupport::writeImage(mDir.filePath(QStringLiteral("albums/trip/b.png")), 10, 10);
        TestSupport::writeImage(mDir.filePath(QStringLiteral("albums/trip/day2/a.jpg")), 10, 10);
        const QString albums = QDir(mDir.filePath(QStringLiteral("albums"))).canonicalPath();
        QString startedIn;
        QTimer::singleShot(0, this, [&] {
            auto* panel = mController->window()->findChild<QFileDialog*>();
            QVERIFY(panel);
            QCOMPARE(panel->fileMode(), QFileDialog::Directory);
            startedIn = panel->directory().absolutePath();
            panel->setDirectory(albums);
            panel->selectFile(QStringLiteral("trip"));
            static_cast<QDialog*>(panel)->accept();
        });
        mController->window()->findChild<QPushButton*>(QStringLiteral("addFolderButton"))->click();
        QTRY_COMPARE(table()->model()->rowCount(), 2);
        QCOMPARE(cell(0), QStringLiteral("b.png"));
        QCOMPARE(cell(1), QStringLiteral("a.jpg"));
        QCOMPARE(startedIn, QDir::homePath()); // nothing remembered yet
        QTRY_COMPARE(TestSupport::settingsOnDisk(mDir.filePath(QStringLiteral("Ostrel.conf")))
                         .value(QStringLiteral("lastOpenFolder"))
                         .toString(),
            albums);

        start();
        QTimer::singleShot(0, this, [&] {
            auto* panel = mController->window()->findChild<QFileDialog*>();
            QVERIFY(panel);
            startedIn = panel->directory().absolutePath();
            panel->reject();
        });
        // File > Add Files…
        mController->window()->findChild<QAction*>(QStringLiteral("actionAddFiles"))->trigger();
        QTRY_VERIFY(!mController->window()->findChild<QFileDialog*>());
        QCOMPARE(startedIn, albums);

        // The output folder's panel too, while no output folder is set.
        startedIn.clear();
        QTimer::singleShot(0, this, [&] {
            auto* panel = mController->window()->findChild<QFileDialog*>();
            QVERIFY(panel);
            startedIn = panel->directory().absolutePath();
            panel->reject();
        });
        mController->window()
            ->findChild<QPushButton*>(QStringLiteral("chooseFolderButton"))
            ->click();
        QTRY_VERIFY(!mController->window()->findChild<QFileDialog*>());
        QCOMPARE(startedIn, albums);
    }
};

QTEST_MAIN(TestFileListWindow)
#include "tst_FileListWindow.moc"
