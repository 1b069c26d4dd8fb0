#include <QApplication>
#include <QButtonGroup>
#include <QHash>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "TestSupport.h"
#include "gui/ColorButton.h"
#include "gui/ImagesPage.h"
#include "gui/MainController.h"
#include "gui/QualitySlider.h"
#include "gui/StepButtons.h"
#include "batch/ImageList.h"
#include "codec/ImageCodec.h"
#include "core/Translations.h"
#include "settings/Settings.h"

class TestMainController;
// One use of a window control by the test, as a row of a table.
using UseControl = std::function<void(TestMainController*)>;
Q_DECLARE_METATYPE(UseControl)

// The main window on the offscreen platform, started on a real settings file in a temporary
// folder. Controls are driven the way a user drives them (clicks, keys, dialogs answered)
// wherever that is possible, and the settings are read back from the file.
class TestMainController : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<MainController> mController;

    QString settingsFile() const { return mDir.filePath(QStringLiteral("Ostrel.conf")); }

    // A fresh settings file, with values stored before the start.
    void resetSettings(const QVariantMap& stored = {})
    {
        mController.reset();
        mSettings.reset();
        mSettings = TestSupport::freshSettings(settingsFile(), stored);
    }

    void start(const QVariantMap& stored = {})
    {
        resetSettings(stored);
        mController = std::make_unique<MainController>(mSettings.get());
        mController->show();
    }

    // What the settings file on disk holds under a key, as the type of the value expected
    // there; an invalid value when the key is absent.
    QVariant stored(const QString& key, QMetaType type)
    {
        QVariant value = TestSupport::settingsOnDisk(settingsFile()).value(key);
        if (value.isValid() && type.isValid() && !value.convert(type))
            return QStringLiteral("%1, not a %2").arg(value.toString(), QLatin1String(type.name()));
        return value;
    }

    // Waits until the file on disk holds each value (an invalid value: holds no such key).
    // No sync is asked for first: the store must write them out by itself. Then, once the
    // store has written everything it holds, the file must still say the same: a value that
    // was there before proves nothing until then.
    void verifyStored(const QVariantMap& expected)
    {
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            if (it.value().isValid())
                QTRY_COMPARE(stored(it.key(), it.value().metaType()), it.value());
        }
        mSettings->sync();
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(stored(it.key(), it.value().metaType()), it.value());
    }

    // What a control shows: a field's or label's text, step buttons' or a slider's's number, a
    // menu's tag, a colour.
    QVariant shownBy(const QString& name)
    {
        QObject* control = mController->window()->findChild<QObject*>(name);
        if (auto* stepper = qobject_cast<StepButtons*>(control))
            return stepper->floatValue();
        if (auto* slider = qobject_cast<QualitySlider*>(control))
            return slider->floatValue();
        if (auto* field = qobject_cast<QLineEdit*>(control))
            return field->text();
        if (auto* label = qobject_cast<QLabel*>(control))
            return label->text();
        if (auto* menu = qobject_cast<QComboBox*>(control))
            return tag(menu);
        if (auto* spinBox = qobject_cast<QSpinBox*>(control))
            return spinBox->text();
        if (auto* colorButton = qobject_cast<ColorButton*>(control))
            return colorButton->color();
        return QStringLiteral("no control named ") + name;
    }

    // A click on a check box's indicator (a wide box does not take clicks beyond its text).
    static void clickBox(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    }

    // Ways of using a control, for the table of controls.
    static UseControl click(const char* name)
    {
        return [name](TestMainController* t) {
            if (auto* box = t->widget<QCheckBox>(name))
                clickBox(box);
            else
                QTest::mouseClick(t->widget<QWidget>(name), Qt::LeftButton);
        };
    }
    static UseControl keys(const char* name, const QList<Qt::Key>& keys)
    {
        return [name, keys](TestMainController* t) {
            for (Qt::Key key : keys)
                QTest::keyClick(t->widget<QWidget>(name), key);
        };
    }
    static UseControl key(const char* name, Qt::Key key) { return keys(name, { key }); }
    // Replaces a field's text by typing, and ends the edit with Return.
    static UseControl type(const char* name, const QString& text)
    {
        return [name, text](TestMainController* t) {
            auto* field = t->widget<QLineEdit>(name);
            field->clear();
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Return);
        };
    }

    // Turns to a tab, as the user does before using its controls.
    void showTab(int index) { widget<QTabWidget>("tabs")->setCurrentIndex(index); }

    template <class T> T* widget(const char* name)
    {
        T* found = mController->window()->findChild<T*>(QLatin1String(name));
        if (!found)
            qWarning("no %s named %s", T::staticMetaObject.className(), name);
        return found;
    }

    static int tag(QComboBox* menu) { return menu->currentData().toInt(); }
    // Shown by its own state: a control on a tab that is not current is shown but not visible.
    static bool shown(const QWidget* widget) { return !widget->isHidden(); }

    // The dialog that a control just opened on the main window.
    template <class T> T* openDialog()
    {
        const auto dialogs = mController->window()->findChildren<T*>();
        for (T* dialog : dialogs) {
            if (dialog->isVisible())
                return dialog;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QVERIFY(ImageCodec::initialise("tst_MainController"));
        QVERIFY(Translations::installLanguage(*qApp, QStringLiteral("en")));
    }

    void cleanup()
    {
        mController.reset();
        mSettings.reset();
        Translations::installLanguage(*qApp, QStringLiteral("en"));
    }

    void controlsAreTheNamedWidgets()
    {
        start();
        for (const char* name : { "backgroundCheck", "keepProportionsCheck", "showFullPathsCheck",
                 "longShortSidesCheck" })
            QVERIFY2(widget<QCheckBox>(name), name);
        for (const char* name : { "outputFolderField", "heightField", "baseNameField",
                 "startNumberField", "resolutionField", "widthField" })
            QVERIFY2(widget<QLineEdit>(name), name);
        for (const char* name :
            { "neverReplacedNote", "heightLabel", "qualityLabel", "qualityValueLabel",
                "previewLabel", "progressLabel", "imageSizeLabel", "widthLabel" })
            QVERIFY2(widget<QLabel>(name), name);
        for (const char* name :
            { "heightStepButtons", "resolutionStepButtons", "widthStepButtons" })
            QVERIFY2(widget<StepButtons>(name), name);
        for (const char* name : { "formatCombo", "namingCombo", "unitCombo" })
            QVERIFY2(widget<QComboBox>(name), name);
        QVERIFY(widget<ColorButton>("backgroundColorButton"));
        QVERIFY(widget<QualitySlider>("qualitySlider"));
        QVERIFY(widget<QPushButton>("resizeButton"));
        QVERIFY(widget<QProgressBar>("previewBusyBar"));
        QCOMPARE(widget<QProgressBar>("previewBusyBar")->maximum(), 0); // busy indicator
        QVERIFY(widget<QTableView>("imageListView"));
        QCOMPARE(mController->window()->objectName(), QStringLiteral("mainWindow"));

        // The progress sheet: a dialog of the main window with bar, text, stop.
        auto* panel = widget<QDialog>("progressPanel");
        QVERIFY(panel);
        QVERIFY(panel->findChild<QProgressBar*>(QStringLiteral("progressBar")));
        QVERIFY(panel->findChild<QLabel*>(QStringLiteral("progressLabel")));
        QVERIFY(panel->findChild<QPushButton*>(QStringLiteral("stopButton")));
        QVERIFY(!panel->isVisible());

        // Tags are the settings codes.
        auto tags = [](QComboBox* menu) {
            QList<int> result;
            for (int i = 0; i < menu->count(); ++i)
                result << menu->itemData(i).toInt();
            return result;
        };
        QCOMPARE(tags(widget<QComboBox>("unitCombo")), QList<int>({ 1, 2, 3, 4 }));
        QCOMPARE(tags(widget<QComboBox>("namingCombo")), QList<int>({ 1, 2, 3 }));
        QCOMPARE(tags(widget<QComboBox>("existingFileCombo")), QList<int>({ 1, 2, 3 }));
        QCOMPARE(tags(widget<QComboBox>("formatCombo")), QList<int>({ 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }));
        QCOMPARE(tags(widget<QComboBox>("metadataCombo")), QList<int>({ 1, 2, 3 }));
        auto* group = widget<QButtonGroup>("givenSideGroup");
        QVERIFY(group);
        QCOMPARE(group->buttons().size(), 5);
        QVERIFY(group->button(1) && group->button(2) && group->button(3));
        // Beyond the given sides' codes, the box's fill and pad.
        QCOMPARE(group->button(4), widget<QAbstractButton>("fillRadio"));
        QCOMPARE(group->button(5), widget<QAbstractButton>("padRadio"));
        QCOMPARE(tags(widget<QComboBox>("cropCombo")), QList<int>({ 1, 2, 3, 4, 5 }));
        QVERIFY(group->button(1)->parentWidget() == widget<QWidget>("givenSideBox"));

        // Tab 0 the list, 1 the sizes and resolution, 2 the destination and naming.
        auto* tabs = widget<QTabWidget>("tabs");
        QCOMPARE(tabs->count(), 3);
        QVERIFY(tabs->widget(0)->isAncestorOf(widget<QTableView>("imageListView")));
        for (const char* name :
            { "widthField", "heightField", "resolutionField", "noEnlargeCheck" })
            QVERIFY2(tabs->widget(1)->isAncestorOf(widget<QWidget>(name)), name);
        for (const char* name : { "outputFolderField", "namingCombo", "baseNameField",
                 "startNumberField", "existingFileCombo" })
            QVERIFY2(tabs->widget(2)->isAncestorOf(widget<QWidget>(name)), name);
    }

    void firstStartShowsDefaultsBroughtIntoLine()
    {
        start();
        QVERIFY(mController->window()->isVisible());
        QCOMPARE(widget<QCheckBox>("backgroundCheck")->checkState(), Qt::Unchecked);
        QVERIFY(!shown(widget<ColorButton>("backgroundColorButton")));
        QCOMPARE(widget<QCheckBox>("showFullPathsCheck")->checkState(), Qt::Unchecked);
        QVERIFY(!mController->window()->imagesPage()->showsFullPath());
        // Proportions kept, each picture fitting inside the box: nothing is distorted.
        QCOMPARE(widget<QCheckBox>("keepProportionsCheck")->checkState(), Qt::Checked);
        QVERIFY(shown(widget<QWidget>("givenSideBox")));
        QVERIFY(widget<QRadioButton>("fitInsideRadio")->isChecked());
        for (const char* name :
            { "widthField", "widthStepButtons", "heightField", "heightStepButtons" })
            QVERIFY2(widget<QWidget>(name)->isEnabled(), name);
        QCOMPARE(widget<QCheckBox>("longShortSidesCheck")->checkState(), Qt::Unchecked);
        QCOMPARE(widget<QTabWidget>("tabs")->currentIndex(), 0);
        const QVariantMap shows = { { "widthLabel", "Width" }, { "heightLabel", "Height" },
            { "unitCombo", 1 }, { "widthField", "400" }, { "widthStepButtons", 400.0f },
            { "heightField", "300" }, { "heightStepButtons", 300.0f }, { "resolutionField", "72" },
            { "resolutionStepButtons", 72.0f }, { "outputFolderField", "" }, { "namingCombo", 1 },
            { "formatCombo", 1 }, { "qualityValueLabel", "85%" } };
        for (auto it = shows.cbegin(); it != shows.cend(); ++it)
            QCOMPARE(shownBy(it.key()), it.value());
        QVERIFY(!shown(widget<QLineEdit>("baseNameField")));
        QVERIFY(!shown(widget<QLineEdit>("startNumberField")));
        QVERIFY(shown(widget<QualitySlider>("qualitySlider")));
        QVERIFY(shown(widget<QLabel>("qualityLabel")));
        QVERIFY(shown(widget<QLabel>("qualityValueLabel")));
        QVERIFY(mController->images());
        QCOMPARE(mController->images()->count(), 0);

        // The six handlers of the start store what their controls show, and nothing else is
        // written.
        const QVariant absent;
        verifyStored({ { "background", false }, { "backgroundColorR", 1.0f },
            { "backgroundColorG", 1.0f }, { "backgroundColorB", 1.0f },
            { "backgroundColorA", 1.0f }, { "switchSides", false }, { "proportional", true },
            { "nameMenu", 1 }, { "formatMenu", 1 }, { "quality", 0.85f }, { "showFullPath", absent },
            { "tagSides", 3 }, { "UM", absent }, { "widthValue", absent },
            { "heightValue", absent }, { "resValue", absent }, { "dest", absent },
            { "name", absent }, { "nameNum", absent }, { "tab", absent } });
    }

    void storedProportionalScalingWithAGivenSide_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("first side given") << 1;
        QTest::newRow("second side given") << 2;
    }

    void storedProportionalScalingWithAGivenSide()
    {
        QFETCH(int, side);
        start({ { "proportional", true }, { "tagSides", side }, { "widthValue", 640.0 },
            { "heightValue", 250.0 } });
        QVERIFY(shown(widget<QWidget>("givenSideBox")));
        QCOMPARE(widget<QButtonGroup>("givenSideGroup")->checkedId(), side);
        auto* given = widget<QLineEdit>(side == 1 ? "widthField" : "heightField");
        auto* other = widget<QLineEdit>(side == 1 ? "heightField" : "widthField");
        auto* otherStepper
            = widget<StepButtons>(side == 1 ? "heightStepButtons" : "widthStepButtons");
        QCOMPARE(given->text(), QString::fromLatin1(side == 1 ? "640" : "250"));
        QVERIFY(given->isEnabled());
        QCOMPARE(other->text(), QString());
        QVERIFY(!other->isEnabled());
        QVERIFY(!otherStepper->isEnabled());
        // Emptying the field changed only what it shows.
        verifyStored({ { "widthValue", 640.0f }, { "heightValue", 250.0f } });
        QCOMPARE(mController->settings()->value(Setting::height), 250.0f);
    }

    // One settings control used the way a user uses it, on a window started afresh with the
    // settings stored before: what the file on disk then holds, what the controls show, and
    // which dependent controls are shown, hidden, enabled or disabled.
    void control_data()
    {
        QTest::addColumn<QVariantMap>("before");
        QTest::addColumn<int>("tab");
        QTest::addColumn<UseControl>("use");
        QTest::addColumn<QVariantMap>("stored"); // an invalid value: the key is not stored
        QTest::addColumn<QVariantMap>("shows");
        QTest::addColumn<QStringList>("dependents");
        const QVariant absent;
        const QVariantMap colour = { { "backgroundColorR", 0.2 }, { "backgroundColorG", 0.4 },
            { "backgroundColorB", 0.6 }, { "backgroundColorA", 0.6 } };
        const QVariantMap colourStored
            = { { "backgroundColorR", 0.2f }, { "backgroundColorG", 0.4f },
                  { "backgroundColorB", 0.6f }, { "backgroundColorA", 0.6f } };
        auto with = [](QVariantMap map, const QVariantMap& more) {
            for (auto it = more.cbegin(); it != more.cend(); ++it)
                map.insert(it.key(), it.value());
            return map;
        };
        const QStringList qualityControls
            = { "qualitySlider", "qualityLabel", "qualityValueLabel" };
        auto all = [](const QStringList& names, const char* state) {
            QStringList result;
            for (const QString& name : names)
                result << name + QLatin1Char(' ') + QLatin1String(state);
            return result;
        };

        // Background flattening and its colour.
        QTest::newRow("background on shows the colour button")
            << QVariantMap {} << 2 << click("backgroundCheck")
            << QVariantMap { { "background", true } } << QVariantMap {}
            << QStringList { "backgroundColorButton shown" };
        QTest::newRow("background off hides the colour button and stores its colour again")
            << with(colour, { { "background", true } }) << 2
            << UseControl([](TestMainController* t) {
                   for (const char* key : { "backgroundColorR", "backgroundColorG",
                            "backgroundColorB", "backgroundColorA" })
                       t->mSettings->remove(QLatin1String(key));
                   clickBox(t->widget<QCheckBox>("backgroundCheck"));
               })
            << with(colourStored, { { "background", false } })
            << QVariantMap { { "backgroundColorButton", QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.6f) } }
            << QStringList { "backgroundColorButton hidden" };
        auto answerColourDialog = [](bool accept) {
            return UseControl([accept](TestMainController* t) {
                auto* colorButton = t->widget<ColorButton>("backgroundColorButton");
                QTest::mouseClick(colorButton, Qt::LeftButton);
                auto* dialog = colorButton->findChild<QColorDialog*>();
                QVERIFY(dialog);
                QTRY_VERIFY(dialog->isVisible());
                QCOMPARE(dialog->windowModality(), Qt::WindowModal);
                QVERIFY(dialog->testOption(QColorDialog::ShowAlphaChannel));
                QCOMPARE(dialog->currentColor(), QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.6f));
                dialog->setCurrentColor(QColor(255, 0, 0, 128));
                if (accept)
                    dialog->accept();
                else
                    dialog->reject();
            });
        };
        QTest::newRow("a colour chosen in the colour button")
            << with(colour, { { "background", true } }) << 2 << answerColourDialog(true)
            << QVariantMap { { "backgroundColorR", 1.0f }, { "backgroundColorG", 0.0f },
                   { "backgroundColorB", 0.0f }, { "backgroundColorA", 0.501960814f } }
            << QVariantMap { { "backgroundColorButton", QColor(255, 0, 0, 128) } }
            << QStringList {};
        QTest::newRow("the colour dialog cancelled")
            << with(colour, { { "background", true } }) << 2 << answerColourDialog(false)
            << colourStored
            << QVariantMap { { "backgroundColorButton", QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.6f) } }
            << QStringList {};

        // Proportional scaling: the side not given is emptied and disabled, and kept.
        QTest::newRow("keep proportions on, the width given")
            << QVariantMap { { "proportional", false }, { "tagSides", 1 } } << 1
            << click("keepProportionsCheck")
            << QVariantMap { { "proportional", true }, { "tagSides", 1 },
                   { "heightValue", absent } }
            << QVariantMap { { "widthField", "400" }, { "heightField", "" } }
            << QStringList { "givenSideBox shown", "widthField enabled", "widthStepButtons enabled",
                   "heightField disabled", "heightStepButtons disabled" };
        QTest::newRow("keep proportions, the height given")
            << QVariantMap { { "proportional", true } } << 1 << click("secondSideRadio")
            << QVariantMap { { "tagSides", 2 }, { "widthValue", absent } }
            << QVariantMap { { "widthField", "" }, { "heightField", "300" } }
            << QStringList { "widthField disabled", "widthStepButtons disabled",
                   "heightField enabled", "heightStepButtons enabled" };
        QTest::newRow("fill the box")
            << QVariantMap { { "proportional", true }, { "tagSides", 1 } } << 1
            << click("fillRadio") << QVariantMap { { "tagSides", 3 }, { "boxMode", 2 } }
            << QVariantMap { { "heightField", "300" } }
            << QStringList { "heightField enabled", "cropCombo enabled" };
        QTest::newRow("pad to the box, a left crop shown as top or left")
            << QVariantMap { { "proportional", true }, { "tagSides", 3 }, { "boxMode", 2 },
                   { "cropPosition", 6 } }
            << 1 << click("padRadio") << QVariantMap { { "tagSides", 3 }, { "boxMode", 3 } }
            << QVariantMap { { "cropCombo", 4 } } << QStringList { "cropCombo disabled" };
        QTest::newRow("the part a fill keeps")
            << QVariantMap { { "proportional", true }, { "tagSides", 3 }, { "boxMode", 2 } } << 1
            << key("cropCombo", Qt::Key_Down) << QVariantMap { { "cropPosition", 2 } }
            << QVariantMap {} << QStringList { "cropCombo enabled" };
        QTest::newRow("keep proportions off")
            << QVariantMap { { "proportional", true }, { "tagSides", 2 } } << 1
            << UseControl([](TestMainController* t) {
                   t->mSettings->remove(QStringLiteral("tagSides"));
                   clickBox(t->widget<QCheckBox>("keepProportionsCheck"));
               })
            << QVariantMap { { "proportional", false }, { "tagSides", absent } }
            << QVariantMap { { "widthField", "400" }, { "widthStepButtons", 400.0f },
                   { "heightField", "300" } }
            << QStringList { "givenSideBox hidden", "widthField enabled",
                   "widthStepButtons enabled", "heightField enabled", "heightStepButtons enabled" };

        // The size fields, their steppers and the resolution.
        QTest::newRow("the stepper's up arrow")
            << QVariantMap {} << 1 << UseControl([](TestMainController* t) {
                   auto* stepper = t->widget<StepButtons>("widthStepButtons");
                   QStyleOptionSpinBox opt;
                   opt.initFrom(stepper);
                   opt.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
                   opt.stepEnabled
                       = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
                   const QRect up = stepper->style()->subControlRect(
                       QStyle::CC_SpinBox, &opt, QStyle::SC_SpinBoxUp, stepper);
                   QVERIFY(!up.isEmpty());
                   QTest::mouseClick(stepper, Qt::LeftButton, {}, up.center());
               })
            << QVariantMap { { "widthValue", 401.0f } }
            << QVariantMap { { "widthField", "401" }, { "widthStepButtons", 401.0f } }
            << QStringList {};
        QTest::newRow("Down in a field steps what was typed")
            << QVariantMap {} << 1 << UseControl([](TestMainController* t) {
                   auto* field = t->widget<QLineEdit>("widthField");
                   field->setFocus();
                   field->selectAll();
                   QTest::keyClicks(field, QStringLiteral("250"));
                   QTest::keyClick(field, Qt::Key_Down);
               })
            << QVariantMap { { "widthValue", 249.0f } }
            << QVariantMap { { "widthField", "249" }, { "widthStepButtons", 249.0f } }
            << QStringList {};
        QTest::newRow("a resolution typed")
            << QVariantMap {} << 1 << type("resolutionField", "300")
            << QVariantMap { { "resValue", "300" } }
            << QVariantMap { { "resolutionStepButtons", 300.0f } } << QStringList {};
        QTest::newRow("a resolution beyond the stepper's range")
            << QVariantMap {} << 1 << type("resolutionField", "20000")
            << QVariantMap { { "resValue", 20000.0f } }
            << QVariantMap { { "resolutionStepButtons", 10000.0f } } << QStringList {};
        QTest::newRow("a number followed by text")
            << QVariantMap {} << 1 << type("heightField", "12.5abc")
            << QVariantMap { { "heightValue", 12.5f } }
            << QVariantMap { { "heightField", "12.5" }, { "heightStepButtons", 12.5f } }
            << QStringList {};
        QTest::newRow("text that is no number")
            << QVariantMap {} << 1 << type("heightField", "abc")
            << QVariantMap { { "heightValue", 0.0f } } << QVariantMap { { "heightField", "0" } }
            << QStringList {};
        QTest::newRow("a sign after a space")
            << QVariantMap {} << 1 << type("heightField", " -5 px")
            << QVariantMap { { "heightValue", -5.0f } } << QVariantMap { { "heightField", "-5" } }
            << QStringList {};
        // The checks before a batch ask for a value in an empty field.
        QTest::newRow("an emptied field stays empty")
            << QVariantMap {} << 1 << type("heightField", "")
            << QVariantMap { { "heightValue", 0.0f } } << QVariantMap { { "heightField", "" } }
            << QStringList {};
        QTest::newRow("the folder as typed, spaces and all")
            << QVariantMap {} << 2 << type("outputFolderField", " /tmp/out ")
            << QVariantMap { { "dest", " /tmp/out " } } << QVariantMap {} << QStringList {};
        QTest::newRow("a new unit keeps the numbers")
            << QVariantMap {} << 1 << key("unitCombo", Qt::Key_End)
            << QVariantMap { { "UM", 4 }, { "widthValue", absent } }
            << QVariantMap { { "unitCombo", 4 }, { "widthField", "400" }, { "heightField", "300" },
                   { "widthUnitLabel", "%" }, { "heightUnitLabel", "%" } }
            << QStringList {};
        QTest::newRow("long and short side")
            << QVariantMap {} << 1 << click("longShortSidesCheck")
            << QVariantMap { { "switchSides", true } }
            << QVariantMap { { "widthLabel", "Long side" }, { "heightLabel", "Short side" },
                   { "widthField", "400" }, { "heightField", "300" } }
            << QStringList {};
        QTest::newRow("width and height")
            << QVariantMap { { "switchSides", true } } << 1 << click("longShortSidesCheck")
            << QVariantMap { { "switchSides", false } }
            << QVariantMap { { "widthLabel", "Width" }, { "heightLabel", "Height" } }
            << QStringList {};
        QTest::newRow("captions in English without a table")
            << QVariantMap {} << 1 << UseControl([](TestMainController* t) {
                   Translations::uninstall(*qApp);
                   clickBox(t->widget<QCheckBox>("longShortSidesCheck"));
               })
            << QVariantMap {}
            << QVariantMap { { "widthLabel", "Long side" }, { "heightLabel", "Short side" } }
            << QStringList {};

        // Format and JPEG quality: a whole percentage shown, the exact factor kept.
        QTest::newRow("the stored quality")
            << QVariantMap { { "quality", 0.856 } } << 2 << UseControl([](TestMainController*) {})
            << QVariantMap { { "quality", 0.856f } }
            << QVariantMap { { "qualityValueLabel", "86%" }, { "qualitySlider", 0.856f } }
            << QStringList {};
        QTest::newRow("quality to the end")
            << QVariantMap { { "quality", 0.5 } } << 2 << key("qualitySlider", Qt::Key_End)
            << QVariantMap { { "quality", 1.0f } }
            << QVariantMap { { "qualityValueLabel", "100%" } } << QStringList {};
        QTest::newRow("quality one step down")
            << QVariantMap {} << 2 << key("qualitySlider", Qt::Key_Left)
            << QVariantMap { { "quality", 0.84f } }
            << QVariantMap { { "qualityValueLabel", "84%" } } << QStringList {};
        QTest::newRow("quality to the start")
            << QVariantMap {} << 2 << key("qualitySlider", Qt::Key_Home)
            << QVariantMap { { "quality", 0.0f } } << QVariantMap { { "qualityValueLabel", "0%" } }
            << QStringList {};
        QTest::newRow("GIF hides the quality")
            << QVariantMap {} << 2 << keys("formatCombo", { Qt::Key_Down, Qt::Key_Down })
            << QVariantMap { { "formatMenu", 3 } } << QVariantMap {}
            << all(qualityControls, "hidden");
        QTest::newRow("TIFF hides the quality")
            << QVariantMap {} << 2
            << keys("formatCombo", { Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down })
            << QVariantMap { { "formatMenu", 5 } } << QVariantMap {}
            << all(qualityControls, "hidden");
        QTest::newRow("WebP shows the quality")
            << QVariantMap { { "formatMenu", 5 } } << 2 << key("formatCombo", Qt::Key_Down)
            << QVariantMap { { "formatMenu", 6 } } << QVariantMap {}
            << all(qualityControls, "shown");
        QTest::newRow("JPEG XL shows the quality")
            << QVariantMap { { "formatMenu", 8 } } << 2 << key("formatCombo", Qt::Key_Down)
            << QVariantMap { { "formatMenu", 9 } } << QVariantMap {}
            << all(qualityControls, "shown");
        // Lossless: a choice for the formats that have it, the quality then not used.
        QTest::newRow("lossless ticked for WebP disables the quality")
            << QVariantMap { { "formatMenu", 6 } } << 2 << click("losslessCheck")
            << QVariantMap { { "lossless", true } } << QVariantMap {}
            << QStringList { "losslessCheck enabled", "qualitySlider disabled" };
        QTest::newRow("JPEG has no lossless and takes the quality")
            << QVariantMap { { "formatMenu", 6 }, { "lossless", true } } << 2
            << key("formatCombo", Qt::Key_Home)
            << QVariantMap { { "formatMenu", 1 }, { "lossless", true } } << QVariantMap {}
            << QStringList { "losslessCheck disabled", "qualitySlider enabled" };
        // Metadata: without personal data unless chosen otherwise.
        QTest::newRow("no metadata") << QVariantMap {} << 2 << key("metadataCombo", Qt::Key_End)
                                     << QVariantMap { { "metadata", 3 } }
                                     << QVariantMap { { "metadataCombo", 3 } } << QStringList {};
        QTest::newRow("all metadata kept")
            << QVariantMap { { "metadata", 3 } } << 2 << key("metadataCombo", Qt::Key_Home)
            << QVariantMap { { "metadata", 1 } } << QVariantMap { { "metadataCombo", 1 } }
            << QStringList {};
        QTest::newRow("JPEG shows the quality")
            << QVariantMap { { "formatMenu", 5 }, { "quality", 0.7 } } << 2
            << key("formatCombo", Qt::Key_Home) << QVariantMap { { "formatMenu", 1 } }
            << QVariantMap { { "qualityValueLabel", "70%" }, { "qualitySlider", 0.7f } }
            << all(qualityControls, "shown");

        // The file size limit: kilobytes of 1000 bytes shown, bytes stored.
        QTest::newRow("a size limit one step up")
            << QVariantMap { { "maxFileSize", 250000 } } << 2 << key("maxFileSizeSpin", Qt::Key_Up)
            << QVariantMap { { "maxFileSize", 260000 } }
            << QVariantMap { { "maxFileSizeSpin", "260 KB" } } << QStringList {};
        QTest::newRow("a size limit down to none")
            << QVariantMap { { "maxFileSize", 10000 } } << 2 << key("maxFileSizeSpin", Qt::Key_Down)
            << QVariantMap { { "maxFileSize", 0 } }
            << QVariantMap { { "maxFileSizeSpin", "No limit" } } << QStringList {};

        // Naming.
        QTest::newRow("name and number shows both fields")
            << QVariantMap { { "name", "holiday" }, { "nameNum", "0007" } } << 2
            << key("namingCombo", Qt::Key_Down) << QVariantMap { { "nameMenu", 2 } }
            << QVariantMap { { "baseNameField", "holiday" }, { "startNumberField", "0007" } }
            << QStringList { "baseNameField shown", "startNumberField shown" };
        QTest::newRow("a name typed")
            << QVariantMap { { "nameMenu", 2 } } << 2 << type("baseNameField", "trip")
            << QVariantMap { { "name", "trip" } } << QVariantMap {} << QStringList {};
        QTest::newRow("the start number emptied")
            << QVariantMap { { "nameMenu", 2 }, { "nameNum", "0007" } } << 2
            << type("startNumberField", "") << QVariantMap { { "nameNum", "" } } << QVariantMap {}
            << QStringList {};
        QTest::newRow("source name hides both fields and keeps the name")
            << QVariantMap { { "nameMenu", 2 }, { "name", "trip" } } << 2
            << key("namingCombo", Qt::Key_Up)
            << QVariantMap { { "nameMenu", 1 }, { "name", "trip" } }
            << QVariantMap { { "baseNameField", "trip" } }
            << QStringList { "baseNameField hidden", "startNumberField hidden" };

        // The folder chooser: a window-modal panel for folders.
        auto answerFolderChooser = [](const QString& folder) {
            return UseControl([folder](TestMainController* t) {
                QTest::mouseClick(t->widget<QPushButton>("chooseFolderButton"), Qt::LeftButton);
                QFileDialog* panel = t->openDialog<QFileDialog>();
                QVERIFY(panel);
                QCOMPARE(panel->windowModality(), Qt::WindowModal);
                QCOMPARE(panel->fileMode(), QFileDialog::Directory);
                if (folder.isEmpty()) {
                    panel->reject();
                    return;
                }
                QVERIFY(QDir().mkpath(folder));
                panel->setDirectory(QFileInfo(folder).path());
                panel->selectFile(folder);
                static_cast<QDialog*>(panel)->accept(); // the file dialog's own is protected
            });
        };
        QTest::newRow("the folder chooser cancelled")
            << QVariantMap { { "dest", "/kept" } } << 2 << answerFolderChooser(QString())
            << QVariantMap { { "dest", "/kept" } }
            << QVariantMap { { "outputFolderField", "/kept" } } << QStringList {};
        const QString chosen = mDir.filePath(QStringLiteral("chosen"));
        QTest::newRow("a folder chosen")
            << QVariantMap { { "dest", "/kept" } } << 2 << answerFolderChooser(chosen)
            << QVariantMap { { "dest", chosen } } << QVariantMap { { "outputFolderField", chosen } }
            << QStringList {};

        // The tab, also when code selects it.
        QTest::newRow("a tab selected")
            << QVariantMap { { "tab", 2 } } << 1
            << UseControl([](TestMainController* t) { t->showTab(0); })
            << QVariantMap { { "tab", 0 } } << QVariantMap {} << QStringList {};
    }

    void control()
    {
        QFETCH(QVariantMap, before);
        QFETCH(int, tab);
        QFETCH(UseControl, use);
        QFETCH(QVariantMap, stored);
        QFETCH(QVariantMap, shows);
        QFETCH(QStringList, dependents);
        start(before);
        showTab(tab);
        use(this);
        if (QTest::currentTestFailed())
            return;
        verifyStored(stored);
        for (auto it = shows.cbegin(); it != shows.cend(); ++it)
            QCOMPARE(shownBy(it.key()), it.value());
        for (const QString& dependent : std::as_const(dependents)) {
            const QStringList words = dependent.split(QLatin1Char(' '));
            const QWidget* control = widget<QWidget>(qPrintable(words.first()));
            QVERIFY2(control, qPrintable(dependent));
            const QString& state = words.last();
            const bool holds = state == QLatin1String("shown") ? !control->isHidden()
                : state == QLatin1String("hidden")             ? control->isHidden()
                : state == QLatin1String("enabled")            ? control->isEnabled()
                                                               : !control->isEnabled();
            QVERIFY2(holds, qPrintable(dependent));
        }
    }

    // The window in German, its tables loaded the way main() loads them for a German user:
    // the texts are German, and a size typed with a decimal comma is read with it ("12,5"
    // used to be read as 12) and shown back with it; the stored number is the same in every
    // language.
    void germanWindowReadsADecimalComma()
    {
        const auto restore = qScopeGuard([] {
            QLocale::setDefault(QLocale::c());
            Translations::installLanguage(*qApp, QStringLiteral("en"));
        });
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(Translations::install(*qApp));
        start();

        QCOMPARE(widget<QTabWidget>("tabs")->tabText(1), QStringLiteral("&Größe"));
        QCOMPARE(widget<QPushButton>("resizeButton")->text(), QStringLiteral("G&röße ändern"));
        QCOMPARE(widget<QLabel>("widthLabel")->text(), QStringLiteral("Breite"));

        showTab(1);
        auto* widthField = widget<QLineEdit>("widthField");
        widthField->setFocus();
        widthField->selectAll();
        QTest::keyClicks(widthField, QStringLiteral("12,5"));
        QTest::keyClick(widthField, Qt::Key_Return);
        verifyStored({ { "widthValue", QStringLiteral("12.5") } });
        QCOMPARE(widget<StepButtons>("widthStepButtons")->floatValue(), 12.5f);
        QCOMPARE(widthField->text(), QStringLiteral("12,5"));
    }

    // Fit inside, the third choice, takes both values; "do not enlarge" and the choice for an
    // existing output name are stored at once and come back at the next start.
    void fitInsideNoEnlargeAndExistingFile()
    {
        start({ { "proportional", true }, { "tagSides", 2 } });
        showTab(1);
        auto* fit = widget<QRadioButton>("fitInsideRadio");
        QVERIFY(shown(fit));
        QTest::mouseClick(fit, Qt::LeftButton);
        verifyStored({ { "tagSides", 3 } });
        for (const char* name :
            { "widthField", "widthStepButtons", "heightField", "heightStepButtons" })
            QVERIFY2(widget<QWidget>(name)->isEnabled(), name);
        QCOMPARE(widget<QLineEdit>("widthField")->text(), QStringLiteral("400"));
        QCOMPARE(widget<QLineEdit>("heightField")->text(), QStringLiteral("300"));
        clickBox(widget<QCheckBox>("keepProportionsCheck"));
        QVERIFY(!shown(fit));

        clickBox(widget<QCheckBox>("noEnlargeCheck"));
        clickBox(widget<QCheckBox>("linearLightCheck"));
        showTab(2);
        auto* existing = widget<QComboBox>("existingFileCombo");
        existing->setCurrentIndex(existing->findData(int(ExistingFile::Skip)));
        emit existing->activated(existing->currentIndex());
        verifyStored({ { "noEnlarge", true }, { "linearLight", true }, { "existingFile", 3 } });

        mController.reset();
        start({ { "proportional", true }, { "tagSides", 3 }, { "noEnlarge", true },
            { "linearLight", true }, { "existingFile", 2 } });
        QCOMPARE(widget<QButtonGroup>("givenSideGroup")->checkedId(), 3);
        QVERIFY(widget<QLineEdit>("heightField")->isEnabled());
        QVERIFY(widget<QCheckBox>("noEnlargeCheck")->isChecked());
        QVERIFY(widget<QCheckBox>("linearLightCheck")->isChecked());
        QCOMPARE(widget<QComboBox>("existingFileCombo")->currentData().toInt(), 2);
    }

    void windowFrameIsRemembered()
    {
        start();
        QMainWindow* window = mController->window();
        window->resize(710, 530);
        QTRY_COMPARE(window->size(), QSize(710, 530));
        QTRY_VERIFY(!TestSupport::settingsOnDisk(settingsFile())
                         .value("windowPosition")
                         .toByteArray()
                         .isEmpty());
        mController.reset();

        mController = std::make_unique<MainController>(mSettings.get());
        mController->show();
        QCOMPARE(mController->window()->size(), QSize(710, 530));
    }

    void everyControlFitsTheSmallestWindow()
    {
        // Every optional control shown, long captions, the widest menu items.
        start({ { "background", true }, { "proportional", true }, { "switchSides", true },
            { "nameMenu", 2 }, { "formatMenu", 1 }, { "UM", 3 } });
        QMainWindow* window = mController->window();
        window->resize(window->minimumSize());
        for (int index = 0; index < 3; ++index) {
            showTab(index);
            const QSize needed = window->minimumSizeHint();
            QVERIFY2(needed.width() <= window->minimumWidth()
                    && needed.height() <= window->minimumHeight(),
                qPrintable(QStringLiteral("tab %1 needs %2 x %3")
                               .arg(index)
                               .arg(needed.width())
                               .arg(needed.height())));
            if (qEnvironmentVariableIsSet("OSTREL_GRAB"))
                window->grab().save(QStringLiteral("/tmp/min-%1.png").arg(index));
        }
    }

    void tabKeySkipsTheStepButtons()
    {
        start({ { "proportional", false } });
        showTab(1);
        QMainWindow* window = mController->window();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        widget<QLineEdit>("widthField")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), widget<QWidget>("widthField"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), widget<QWidget>("heightField"));
        // Proportional scaling off: the hidden radio cells are skipped as well.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), widget<QWidget>("longShortSidesCheck"));
    }

    void backgroundPatternIsTiledBehindTheWindow()
    {
        start();
        const QBrush brush = mController->window()->palette().brush(QPalette::Window);
        QVERIFY(!brush.texture().isNull());
        // Styles derive shades from the window colour: it must be the pattern's light tone.
        QVERIFY(brush.color().lightness() > 200);

        // A dark scheme chosen while the window is up: light text would be unreadable on the
        // light pattern, so the window takes the scheme's own dark colour; back to light, the
        // pattern returns.
        const QPalette light = QApplication::palette();
        auto restore = qScopeGuard([light] { QApplication::setPalette(light); });
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
        QMainWindow* window = mController->window();
        QTRY_VERIFY(window->palette().brush(QPalette::Window).texture().isNull());
        QCOMPARE(window->palette().color(QPalette::Window), QColor(0x30, 0x30, 0x30));
        QApplication::setPalette(light);
        QTRY_VERIFY(!window->palette().brush(QPalette::Window).texture().isNull());
    }

    void progressSheetStaysOpenOnEscape()
    {
        start();
        auto* panel = widget<QDialog>("progressPanel");
        panel->open();
        QTRY_VERIFY(panel->isVisible());
        QTest::keyClick(panel, Qt::Key_Escape);
        QVERIFY(panel->isVisible());
        panel->done(QDialog::Accepted);
    }
};

QTEST_MAIN(TestMainController)
#include "tst_MainController.moc"
