#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "TestSupport.h"
#include "gui/MainController.h"
#include "gui/PresetController.h"
#include "settings/Settings.h"

// The preset menu of the Size tab in the real window, with a settings file in a temporary
// folder: a preset picked from the menu writes the settings' keys and the controls show it; a
// preset saved comes back in a new window on the same file, renamed and deleted there.
class TestPresetController : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<MainController> mController;

    QString settingsFile() const { return mDir.filePath(QStringLiteral("Ostrel.conf")); }

    void openWindow(const QVariantMap& stored = {}, bool fresh = true)
    {
        mController.reset();
        if (fresh) {
            mSettings = TestSupport::freshSettings(settingsFile(), stored);
        } else {
            mSettings->sync();
            mSettings = std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat);
        }
        mController = std::make_unique<MainController>(mSettings.get());
        mController->show();
    }

    template <typename T> T* widget(const char* name) const
    {
        return mController->window()->findChild<T*>(QLatin1String(name));
    }

    // The menu's entries as a user sees them once it opens.
    QStringList menuTexts() const
    {
        QMenu* menu = widget<QPushButton>("presetButton")->menu();
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }

    QAction* menuEntry(const QString& text) const
    {
        QMenu* menu = widget<QPushButton>("presetButton")->menu();
        emit menu->aboutToShow();
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }

    QMessageBox* visibleMessage() const
    {
        for (QMessageBox* box : mController->window()->findChildren<QMessageBox*>()) {
            if (box->isVisible())
                return box;
        }
        return nullptr;
    }

private slots:
    void initTestCase() { QVERIFY(mDir.isValid()); }
    void cleanup()
    {
        mController.reset();
        mSettings.reset();
    }

    void pickingAPresetWritesTheKeysAndTheControlsShowIt()
    {
        openWindow({ { "widthValue", 400.0 }, { "heightValue", 300.0 }, { "UM", 1 },
            { "formatMenu", 2 }, { "dest", "/tmp/kept" }, { "resValue", 96.0 } });
        mController->window()->statusBar()->showMessage(QStringLiteral("old news"));

        QAction* print = menuEntry(QStringLiteral("Print 300 ppi at 15 x 10 cm"));
        QVERIFY(print);
        print->trigger();

        QCOMPARE(widget<QComboBox>("unitCombo")->currentData().toInt(), int(SizeUnit::Millimetres));
        QCOMPARE(widget<QLineEdit>("widthField")->text(), QStringLiteral("150"));
        QCOMPARE(widget<QLineEdit>("heightField")->text(), QStringLiteral("100"));
        QCOMPARE(widget<QLineEdit>("resolutionField")->text(), QStringLiteral("300"));
        QVERIFY(widget<QCheckBox>("longShortSidesCheck")->isChecked());
        QVERIFY(widget<QCheckBox>("keepProportionsCheck")->isChecked());
        QCOMPARE(widget<QButtonGroup>("givenSideGroup")->checkedId(), int(GivenSide::Both));
        QCOMPARE(widget<QComboBox>("formatCombo")->currentData().toInt(), 1); // JPEG
        QCOMPARE(widget<QLineEdit>("outputFolderField")->text(), QStringLiteral("/tmp/kept"));
        QVERIFY(mController->window()->statusBar()->currentMessage().isEmpty());

        mSettings->sync();
        const QVariantMap disk = TestSupport::settingsOnDisk(settingsFile());
        QCOMPARE(disk.value(QStringLiteral("UM")).toInt(), int(SizeUnit::Millimetres));
        QCOMPARE(disk.value(QStringLiteral("widthValue")).toFloat(), 150.0f);
        QCOMPARE(disk.value(QStringLiteral("resValue")).toFloat(), 300.0f);
        QCOMPARE(disk.value(QStringLiteral("formatMenu")).toInt(), 1);
        QCOMPARE(disk.value(QStringLiteral("dest")).toString(), QStringLiteral("/tmp/kept"));
    }

    void savingWaitsForAFreeName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("free");
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("blanks") << "   " << false;
        QTest::newRow("a built-in one's, in other case") << " web 1600 PX" << false;
        QTest::newRow("a new one") << "Blog" << true;
    }

    // The name dialog's OK waits for a name that the presets can take: Return before then
    // neither closes the dialog nor brings an error.
    void savingWaitsForAFreeName()
    {
        QFETCH(QString, name);
        QFETCH(bool, free);
        openWindow();
        menuEntry(QStringLiteral("Save Current Settings as Preset…"))->trigger();
        QPointer<QInputDialog> dialog;
        for (QInputDialog* open : mController->window()->findChildren<QInputDialog*>()) {
            if (open->isVisible())
                dialog = open;
        }
        QVERIFY(dialog);
        auto* field = dialog->findChild<QLineEdit*>();
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QVERIFY(field && ok);
        QVERIFY(!ok->isEnabled());

        QTest::keyClicks(field, name);
        QCOMPARE(ok->isEnabled(), free);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(dialog && dialog->isVisible(), !free);
        QVERIFY(!visibleMessage());
        QCOMPARE(menuTexts().contains(name), free);
    }

    void savedPresetComesBackRenamedAndDeleted()
    {
        openWindow({ { "widthValue", 640.0 }, { "heightValue", 480.0 }, { "formatMenu", 6 },
            { "dest", "/tmp/blog" } });
        PresetController* presets = mController->presets();
        QVERIFY(presets->savePreset(QStringLiteral("Blog")));
        // A taken name is refused and said so.
        QVERIFY(!presets->savePreset(QStringLiteral("blog")));
        QMessageBox* refusal = visibleMessage();
        QVERIFY(refusal);
        QVERIFY2(
            refusal->text().contains(QLatin1String("exists already")), qPrintable(refusal->text()));
        refusal->close();

        // A new window on the same file, its settings changed since.
        mSettings->setValue(QStringLiteral("widthValue"), 100.0);
        mSettings->setValue(QStringLiteral("formatMenu"), 2);
        openWindow({}, false);
        QCOMPARE(widget<QLineEdit>("widthField")->text(), QStringLiteral("100"));
        QStringList texts = menuTexts();
        QCOMPARE(texts.mid(0, 6),
            QStringList({ "Web 1600 px", "E-mail 1024 px", "Print 300 ppi at 15 x 10 cm",
                "Thumbnail 256 px", "-", "Blog" }));
        menuEntry(QStringLiteral("Blog"))->trigger();
        QCOMPARE(widget<QLineEdit>("widthField")->text(), QStringLiteral("640"));
        QCOMPARE(widget<QComboBox>("formatCombo")->currentData().toInt(), 6);
        QCOMPARE(mSettings->value(QStringLiteral("widthValue")).toFloat(), 640.0f);

        // Rename and delete reach only the user's presets.
        QMenu* rename = menuEntry(QStringLiteral("Rename Preset"))->menu();
        QCOMPARE(rename->actions().size(), 1);
        QVERIFY(!mController->presets()->renamePreset(
            QStringLiteral("Blog"), QStringLiteral("Web 1600 px")));
        visibleMessage()->close();
        QVERIFY(mController->presets()->renamePreset(
            QStringLiteral("Blog"), QStringLiteral("Blog 640")));
        QVERIFY(menuTexts().contains(QStringLiteral("Blog 640")));
        QVERIFY(mController->presets()->deletePreset(QStringLiteral("Blog 640")));
        texts = menuTexts();
        QVERIFY(!texts.contains(QStringLiteral("Blog 640")));
        QVERIFY(!menuEntry(QStringLiteral("Delete Preset"))->isEnabled());
        QVERIFY(!mController->presets()->deletePreset(QStringLiteral("Web 1600 px")));
        // Opened again and again, the menu keeps its two submenus, not one more each time.
        QCOMPARE(widget<QPushButton>("presetButton")->menu()->findChildren<QMenu*>().size(), 2);
    }

    // File > Add Ostrel to the File Manager's Menu writes the entries of every preset, which
    // follow the user's presets from then on, until File > Remove... takes them out.
    void fileManagerMenuFollowsThePresets()
    {
        const QString data = mDir.filePath(QStringLiteral("xdg data"));
        const QString config = mDir.filePath(QStringLiteral("xdg config"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        const auto restore = qScopeGuard([] {
            qunsetenv("XDG_DATA_HOME");
            qunsetenv("XDG_CONFIG_HOME");
        });
        const QString serviceMenu
            = data + QStringLiteral("/kio/servicemenus/io.github.ostrel.Ostrel.desktop");
        const auto entryNames = [serviceMenu] {
            QStringList names;
            QFile file(serviceMenu);
            if (file.open(QIODevice::ReadOnly)) {
                for (const QByteArray& line : file.readAll().split('\n')) {
                    if (line.startsWith("Name="))
                        names << QString::fromUtf8(line.mid(5));
                }
            }
            return names;
        };

        openWindow();
        auto* item
            = mController->window()->findChild<QAction*>(QStringLiteral("actionFileManagerMenu"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Add Ostrel to the File &Manager's Menu"));
        item->trigger();
        QCOMPARE(entryNames(),
            QStringList({ "Ostrel", "Open in Ostrel", "Resize with Ostrel: Web 1600 px",
                "Resize with Ostrel: E-mail 1024 px",
                "Resize with Ostrel: Print 300 ppi at 15 x 10 cm",
                "Resize with Ostrel: Thumbnail 256 px" }));
        QVERIFY(QFile::exists(config + QStringLiteral("/Thunar/uca.xml")));
        const QString message = mController->window()->statusBar()->currentMessage();
        QVERIFY2(message.startsWith(QLatin1String("Added Ostrel")) && message.contains(data),
            qPrintable(message));
        QCOMPARE(item->text(), QStringLiteral("Remove Ostrel from the File &Manager's Menu"));
        QCOMPARE(mSettings->value(QStringLiteral("fileManagerActions")).toBool(), true);

        PresetController* presets = mController->presets();
        QVERIFY(presets->savePreset(QStringLiteral("Blog")));
        QCOMPARE(entryNames().last(), QStringLiteral("Resize with Ostrel: Blog"));
        QVERIFY(presets->renamePreset(QStringLiteral("Blog"), QStringLiteral("Blog 640")));
        QCOMPARE(entryNames().last(), QStringLiteral("Resize with Ostrel: Blog 640"));
        QVERIFY(presets->deletePreset(QStringLiteral("Blog 640")));
        QCOMPARE(entryNames().size(), 6);

        // A new window knows they are there.
        openWindow({}, false);
        item = mController->window()->findChild<QAction*>(QStringLiteral("actionFileManagerMenu"));
        QCOMPARE(item->text(), QStringLiteral("Remove Ostrel from the File &Manager's Menu"));
        item->trigger();
        QVERIFY(!QFile::exists(serviceMenu));
        QVERIFY(mController->window()->statusBar()->currentMessage().startsWith(
            QLatin1String("Removed Ostrel")));
        QCOMPARE(item->text(), QStringLiteral("Add Ostrel to the File &Manager's Menu"));
        QCOMPARE(mSettings->value(QStringLiteral("fileManagerActions")).toBool(), false);
    }
};

QTEST_MAIN(TestPresetController)
#include "tst_PresetController.moc"
