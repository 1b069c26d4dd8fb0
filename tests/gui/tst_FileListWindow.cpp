#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "TestSupport.h"
#include "gui/FileTableView.h"
#include "gui/OstrelController.h"
#include "batch/BatchResizer.h"
#include "core/ImageCodec.h"
#include "core/LocalizedText.h"
#include "settings/Settings.h"

// The file list as the window shows it: files arriving, the preview and information line of
// the selected row, removal, and names or full paths, on the offscreen platform with real
// image files and a temporary settings file.
class TestFileListWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<OstrelController> mController;
    QStringList mFiles; // a.png .. e.png

    FileTableView* table() const
    {
        return mController->window()->findChild<FileTableView*>(QStringLiteral("tableImages"));
    }
    QLabel* label(const char* name) const
    {
        return mController->window()->findChild<QLabel*>(QLatin1String(name));
    }
    QString cell(int row) const
    {
        return table()->model()->index(row, 0).data().toString();
    }

    void start()
    {
        mController.reset();
        mController = std::make_unique<OstrelController>(mSettings.get());
        mController->applicationWillFinishLaunching();
    }

    void selectRow(int row)
    {
        table()->selectionModel()->clearSelection();
        table()->selectRow(row);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(ImageCodec::initialise("tst_FileListWindow"));
        QVERIFY(LocalizedText::installLanguage(*qApp, QStringLiteral("en")));
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

    void cleanup() { mController.reset(); }

    void filesArriveInOrderWithoutDuplicates()
    {
        mController->openFiles({ mFiles[2], mFiles[0], mDir.filePath(QStringLiteral("notes.txt")) });
        mController->openFiles({ mFiles[0], mFiles[1] });
        QCOMPARE(table()->model()->rowCount(), 3);
        QCOMPARE(cell(0), QStringLiteral("c.png"));
        QCOMPARE(cell(1), QStringLiteral("a.png"));
        QCOMPARE(cell(2), QStringLiteral("b.png"));
        QCOMPARE(mController->resizer()->images().count(), 3);
    }

    // What the list does not take is named in the status bar with why; a path that does not
    // exist is not listed. A path already listed, or a folder searched, is no such case.
    void filesNotAddedAreNamed()
    {
        QStatusBar* status = mController->window()->statusBar();
        const QString notes = mDir.filePath(QStringLiteral("notes.txt"));
        {
            QFile f(notes);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QString mixedCase = mDir.filePath(QStringLiteral("Photo.Jpg"));
        QVERIFY(TestSupport::pattern(20, 10).save(mixedCase, "JPEG"));
        const QString gone = mDir.filePath(QStringLiteral("gone.png"));

        mController->openFiles({ mFiles[0], notes, mixedCase });
        QCOMPARE(table()->model()->rowCount(), 1);
        QCOMPARE(status->currentMessage(),
            QStringLiteral(
                "2 files were not added: not a type Ostrel reads (notes.txt, Photo.Jpg)"));

        mController->openFiles({ gone, mFiles[1] });
        QCOMPARE(table()->model()->rowCount(), 2);
        QCOMPARE(cell(1), QStringLiteral("b.png"));
        QCOMPARE(
            status->currentMessage(), QStringLiteral("“gone.png” was not added: no such file"));

        // Both reasons at once, and more names than fit: the first few, then an ellipsis.
        const QStringList others = { mDir.filePath("a.doc"), mDir.filePath("b.doc"),
            mDir.filePath("c.doc"), mDir.filePath("d.doc") };
        mController->openFiles(others + QStringList { gone });
        QCOMPARE(status->currentMessage(),
            QStringLiteral("4 files were not added: not a type Ostrel reads (a.doc, b.doc, c.doc, "
                           "…); “gone.png” was not added: no such file"));

        // Files that are all taken, or already listed, clear the message.
        mController->openFiles({ mFiles[0], mFiles[2] });
        QCOMPARE(table()->model()->rowCount(), 3);
        QVERIFY(status->currentMessage().isEmpty());
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
        mController->openFiles(mFiles);
        QVERIFY(!remove->isEnabled());
        selectRow(2);
        QVERIFY(remove->isEnabled());
        QVERIFY(removeAction->isEnabled());
        mController->removeFile();
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

    void selectionShowsPreviewAndInformationLine()
    {
        const QString big = TestSupport::writeImage(mDir.filePath(QStringLiteral("big.jpg")), 4000, 3000);
        const QString broken = mDir.filePath(QStringLiteral("broken.png"));
        {
            QFile f(broken);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not an image");
        }
        mController->openFiles({ big, broken });

        selectRow(0);
        const QPixmap preview = label("previewImage")->pixmap();
        QVERIFY(!preview.isNull());
        QCOMPARE(preview.deviceIndependentSize().toSize(), QSize(100, 75));
        // The file size never breaks from its unit: a no-break space joins them.
        const QString size = ImageEntry::byteSizeText(QFileInfo(big).size(), QLocale());
        QVERIFY(size.contains(QChar(0x00A0)));
        QCOMPARE(label("sizeText")->text(), QStringLiteral("4000 × 3000 pixels, %1").arg(size));

        // A file that does not decode shows no picture and a size of 0 x 0.
        selectRow(1);
        QVERIFY(label("previewImage")->pixmap().isNull());
        QCOMPARE(label("sizeText")->text(), QStringLiteral("0 × 0 pixels, 12\u00A0Byte"));

        // Nothing selected: nothing shown.
        table()->clearSelection();
        QVERIFY(label("previewImage")->pixmap().isNull());
        QVERIFY(label("sizeText")->text().isEmpty());
    }

    void removeSelectedRows()
    {
        mController->openFiles(mFiles);
        QCOMPARE(table()->model()->rowCount(), 5);

        mController->removeFile(); // nothing selected: nothing happens
        QCOMPARE(table()->model()->rowCount(), 5);

        selectRow(1);
        QVERIFY(!label("sizeText")->text().isEmpty());
        table()->selectionModel()->select(table()->model()->index(3, 0),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        mController->removeFile();
        QCOMPARE(table()->model()->rowCount(), 3);
        QCOMPARE(cell(0), QStringLiteral("a.png"));
        QCOMPARE(cell(1), QStringLiteral("c.png"));
        QCOMPARE(cell(2), QStringLiteral("e.png"));
        QCOMPARE(table()->selectedRow(), -1);
        QVERIFY(label("previewImage")->pixmap().isNull());
        QVERIFY(label("sizeText")->text().isEmpty());
    }

    void fullPathsAreShownAndRemembered()
    {
        mController->openFiles({ mFiles[0] });
        auto* box = mController->window()->findChild<QCheckBox*>(QStringLiteral("showFullPathButton"));
        QVERIFY(box);
        box->click();
        QCOMPARE(cell(0), mFiles[0]);
        QVERIFY(mController->showsFullPath());
        mSettings->sync();
        QCOMPARE(QSettings(mDir.filePath(QStringLiteral("Ostrel.conf")), QSettings::IniFormat)
                     .value(QStringLiteral("showFullPath"))
                     .toBool(),
            true);

        start();
        mController->openFiles({ mFiles[1] });
        QCOMPARE(cell(0), mFiles[1]);
        box = mController->window()->findChild<QCheckBox*>(QStringLiteral("showFullPathButton"));
        QVERIFY(box->isChecked());
        box->click();
        QCOMPARE(cell(0), QStringLiteral("b.png"));
    }

    void foldersAreSearched()
    {
        QDir().mkpath(mDir.filePath(QStringLiteral("folder/inner")));
        TestSupport::writeImage(mDir.filePath(QStringLiteral("folder/inner/z.png")), 10, 10);
        TestSupport::writeImage(mDir.filePath(QStringLiteral("folder/y.jpg")), 10, 10);
        mController->openFiles({ mFiles[4], mDir.filePath(QStringLiteral("folder")), mFiles[0] });
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
        mController->addFile();
        QTRY_COMPARE(table()->model()->rowCount(), 2);

        // Cancelled: nothing added.
        QTimer::singleShot(0, this, [this] {
            auto* panel = mController->window()->findChild<QFileDialog*>();
            QVERIFY(panel);
            panel->reject();
        });
        mController->addFile();
        QTest::qWait(0);
        QTRY_VERIFY(!mController->window()->findChild<QFileDialog*>());
        QCOMPARE(table()->model()->rowCount(), 2);
    }
};

QTEST_MAIN(TestFileListWindow)
#include "tst_FileListWindow.moc"
