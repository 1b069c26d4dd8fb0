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
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "TestSupport.h"
#include "gui/ColorWell.h"
#include "gui/OstrelController.h"
#include "gui/QualitySlider.h"
#include "gui/Stepper.h"
#include "batch/BatchResizer.h"
#include "core/ImageCodec.h"
#include "core/LocalizedText.h"
#include "settings/Settings.h"

// The main window on the offscreen platform, started on a real settings file in a temporary
// folder. Controls are driven the way a user drives them (clicks, keys, dialogs answered)
// wherever that is possible, and the settings are read back from the file.
class TestOstrelController : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<OstrelController> mController;

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
        mController = std::make_unique<OstrelController>(mSettings.get());
        mController->applicationWillFinishLaunching();
    }

    // What the settings file holds now, read by a second reader of the file.
    QVariant storedValue(const QString& key)
    {
        mSettings->sync();
        QSettings reader(settingsFile(), QSettings::IniFormat);
        return reader.value(key);
    }

    // A click on a check box's indicator (a wide box does not take clicks beyond its text).
    static void clickBox(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    }

    // Turns to a tab, as the user does before using its controls.
    void showTab(int index) { widget<QTabWidget>("tab")->setCurrentIndex(index); }

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
        QVERIFY(ImageCodec::initialise("tst_OstrelController"));
        QVERIFY(LocalizedText::installLanguage(*qApp, QStringLiteral("en")));
    }

    void cleanup()
    {
        mController.reset();
        mSettings.reset();
    }

    void outletsAreTheNamedWidgets()
    {
        start();
        for (const char* name :
            { "backgroundButton", "proportionalButton", "showFullPathButton", "switchButton" })
            QVERIFY2(widget<QCheckBox>(name), name);
        for (const char* name : { "destField", "heightField", "nameText", "nameNumber",
                 "resolutionField", "widthField" })
            QVERIFY2(widget<QLineEdit>(name), name);
        for (const char* name : { "endText", "heightText", "jpegQualityText", "jpegText",
                 "previewImage", "progressText", "sizeText", "widthText" })
            QVERIFY2(widget<QLabel>(name), name);
        for (const char* name : { "heightStepper", "resolutionStepper", "widthStepper" })
            QVERIFY2(widget<Stepper>(name), name);
        for (const char* name : { "menuFormat", "nameMenu", "popUpUM" })
            QVERIFY2(widget<QComboBox>(name), name);
        QVERIFY(widget<ColorWell>("backgroundColorWell"));
        QVERIFY(widget<QualitySlider>("jpegQuality"));
        QVERIFY(widget<QPushButton>("resizeButton"));
        QVERIFY(widget<QProgressBar>("progressWheel"));
        QCOMPARE(widget<QProgressBar>("progressWheel")->maximum(), 0); // busy indicator
        QVERIFY(widget<QTableView>("tableImages"));
        QCOMPARE(mController->window()->objectName(), QStringLiteral("finestra"));

        // The progress sheet: a window-modal dialog of the main window with bar, text, stop.
        auto* panel = widget<QDialog>("progressPanel");
        QVERIFY(panel);
        QCOMPARE(panel->windowModality(), Qt::WindowModal);
        QVERIFY(panel->findChild<QProgressBar*>(QStringLiteral("progressBar")));
        QVERIFY(panel->findChild<QLabel*>(QStringLiteral("progressText")));
        QVERIFY(panel->findChild<QPushButton*>(QStringLiteral("stopButton")));
        QVERIFY(!panel->isVisible());

        // Tags are the settings codes.
        auto tags = [](QComboBox* menu) {
            QList<int> result;
            for (int i = 0; i < menu->count(); ++i)
                result << menu->itemData(i).toInt();
            return result;
        };
        QCOMPARE(tags(widget<QComboBox>("popUpUM")), QList<int>({ 1, 2, 3, 4 }));
        QCOMPARE(tags(widget<QComboBox>("nameMenu")), QList<int>({ 1, 2 }));
        QCOMPARE(tags(widget<QComboBox>("menuFormat")), QList<int>({ 1, 2, 3, 4, 5, 6, 7, 8, 9 }));
        auto* group = widget<QButtonGroup>("radioButton");
        QVERIFY(group);
        QCOMPARE(group->buttons().size(), 2);
        QVERIFY(group->button(1) && group->button(2));
        QVERIFY(group->button(1)->parentWidget() == widget<QWidget>("radioButtonBox"));

        // Tab 0 the list, 1 the sizes and resolution, 2 the destination and naming.
        auto* tabs = widget<QTabWidget>("tab");
        QCOMPARE(tabs->count(), 3);
        QVERIFY(tabs->widget(0)->isAncestorOf(widget<QTableView>("tableImages")));
        for (const char* name : { "widthField", "heightField", "resolutionField" })
            QVERIFY2(tabs->widget(1)->isAncestorOf(widget<QWidget>(name)), name);
        for (const char* name : { "destField", "nameMenu", "nameText", "nameNumber" })
            QVERIFY2(tabs->widget(2)->isAncestorOf(widget<QWidget>(name)), name);
    }

    void firstStartShowsDefaultsBroughtIntoLine()
    {
        start();
        QVERIFY(mController->window()->isVisible());
        QCOMPARE(widget<QCheckBox>("backgroundButton")->checkState(), Qt::Unchecked);
        QVERIFY(!shown(widget<ColorWell>("backgroundColorWell")));
        QCOMPARE(widget<QCheckBox>("showFullPathButton")->checkState(), Qt::Unchecked);
        QVERIFY(!mController->showsFullPath());
        QCOMPARE(widget<QCheckBox>("proportionalButton")->checkState(), Qt::Unchecked);
        QVERIFY(!shown(widget<QWidget>("radioButtonBox")));
        for (const char* name : { "widthField", "widthStepper", "heightField", "heightStepper" })
            QVERIFY2(widget<QWidget>(name)->isEnabled(), name);
        QCOMPARE(widget<QCheckBox>("switchButton")->checkState(), Qt::Unchecked);
        QCOMPARE(widget<QLabel>("widthText")->text(), LocalizedText::text("_Width"));
        QCOMPARE(widget<QLabel>("heightText")->text(), LocalizedText::text("_Height"));
        QCOMPARE(tag(widget<QComboBox>("popUpUM")), 1);
        QCOMPARE(widget<QTabWidget>("tab")->currentIndex(), 0);
        QCOMPARE(widget<QLineEdit>("widthField")->text(), QStringLiteral("400"));
        QCOMPARE(widget<Stepper>("widthStepper")->floatValue(), 400.0f);
        QCOMPARE(widget<QLineEdit>("heightField")->text(), QStringLiteral("300"));
        QCOMPARE(widget<Stepper>("heightStepper")->floatValue(), 300.0f);
        QCOMPARE(widget<QLineEdit>("resolutionField")->text(), QStringLiteral("72"));
        QCOMPARE(widget<Stepper>("resolutionStepper")->floatValue(), 72.0f);
        QCOMPARE(widget<QLineEdit>("destField")->text(), QString());
        QCOMPARE(tag(widget<QComboBox>("nameMenu")), 1);
        QVERIFY(!shown(widget<QLineEdit>("nameText")));
        QVERIFY(!shown(widget<QLineEdit>("nameNumber")));
        QCOMPARE(tag(widget<QComboBox>("menuFormat")), 1);
        QVERIFY(shown(widget<QualitySlider>("jpegQuality")));
        QVERIFY(shown(widget<QLabel>("jpegQualityText")));
        QVERIFY(shown(widget<QLabel>("jpegText")));
        QCOMPARE(widget<QLabel>("jpegText")->text(), QStringLiteral("100%"));
        QVERIFY(mController->resizer());
        QCOMPARE(mController->resizer()->images().count(), 0);

        // The six handlers of the start store what their controls show, and nothing else is
        // written.
        const QStringList written = { "background", "backgroundColorR", "backgroundColorG",
            "backgroundColorB", "backgroundColorA", "switchSides", "proportional", "nameMenu",
            "formatMenu", "quality" };
        for (const QString& key : written)
            QVERIFY2(storedValue(key).isValid(), qPrintable(key));
        QCOMPARE(storedValue("background").toBool(), false);
        QCOMPARE(storedValue("backgroundColorR").toFloat(), 1.0f);
        QCOMPARE(storedValue("backgroundColorA").toFloat(), 1.0f);
        QCOMPARE(storedValue("proportional").toBool(), false);
        QCOMPARE(storedValue("switchSides").toBool(), false);
        QCOMPARE(storedValue("nameMenu").toInt(), 1);
        QCOMPARE(storedValue("formatMenu").toInt(), 1);
        QCOMPARE(storedValue("quality").toFloat(), 1.0f);
        for (const char* key : { "showFullPath", "tagSides", "UM", "widthValue", "heightValue",
                 "resValue", "dest", "name", "nameNum", "tab" })
            QVERIFY2(!storedValue(QLatin1String(key)).isValid(), key);
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
        QVERIFY(shown(widget<QWidget>("radioButtonBox")));
        QCOMPARE(widget<QButtonGroup>("radioButton")->checkedId(), side);
        auto* given = widget<QLineEdit>(side == 1 ? "widthField" : "heightField");
        auto* other = widget<QLineEdit>(side == 1 ? "heightField" : "widthField");
        auto* otherStepper = widget<Stepper>(side == 1 ? "heightStepper" : "widthStepper");
        QCOMPARE(given->text(), QString::fromLatin1(side == 1 ? "640" : "250"));
        QVERIFY(given->isEnabled());
        QCOMPARE(other->text(), QString());
        QVERIFY(!other->isEnabled());
        QVERIFY(!otherStepper->isEnabled());
        // Emptying the field changed only what it shows.
        QCOMPARE(storedValue("widthValue").toFloat(), 640.0f);
        QCOMPARE(storedValue("heightValue").toFloat(), 250.0f);
        QCOMPARE(mController->preferences()->height(), 250.0f);
    }

    void backgroundBoxShowsTheWellAndStoresItsColour()
    {
        start({ { "background", true }, { "backgroundColorR", 0.2 }, { "backgroundColorG", 0.4 },
            { "backgroundColorB", 0.6 }, { "backgroundColorA", 0.6 } });
        showTab(2);
        auto* box = widget<QCheckBox>("backgroundButton");
        auto* well = widget<ColorWell>("backgroundColorWell");
        QCOMPARE(box->checkState(), Qt::Checked);
        QVERIFY(shown(well));
        const QColor stored = QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.6f);
        QCOMPARE(well->color(), stored);

        // Off: the well hides and its colour is stored again, unchanged.
        for (const char* key :
            { "backgroundColorR", "backgroundColorG", "backgroundColorB", "backgroundColorA" })
            mSettings->remove(QLatin1String(key));
        clickBox(box);
        QCOMPARE(box->checkState(), Qt::Unchecked);
        QVERIFY(!shown(well));
        QCOMPARE(storedValue("background").toBool(), false);
        QCOMPARE(storedValue("backgroundColorR").toFloat(), 0.2f);
        QCOMPARE(storedValue("backgroundColorG").toFloat(), 0.4f);
        QCOMPARE(storedValue("backgroundColorB").toFloat(), 0.6f);
        QCOMPARE(storedValue("backgroundColorA").toFloat(), 0.6f);

        // On again, then a colour chosen in the well's dialog is stored at once.
        clickBox(box);
        QVERIFY(shown(well));
        QCOMPARE(storedValue("background").toBool(), true);
        QTest::mouseClick(well, Qt::LeftButton);
        QColorDialog* dialog = well->dialog();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QVERIFY(dialog->testOption(QColorDialog::ShowAlphaChannel));
        QCOMPARE(dialog->currentColor(), stored);
        dialog->setCurrentColor(QColor(255, 0, 0, 128));
        dialog->accept();
        QCOMPARE(well->color(), QColor(255, 0, 0, 128));
        QCOMPARE(storedValue("backgroundColorR").toFloat(), 1.0f);
        QCOMPARE(storedValue("backgroundColorG").toFloat(), 0.0f);
        QCOMPARE(storedValue("backgroundColorA").toFloat(), 128 / 255.0f);

        // A cancelled dialog changes nothing.
        QTest::mouseClick(well, Qt::LeftButton);
        QVERIFY(well->dialog());
        well->dialog()->setCurrentColor(Qt::blue);
        well->dialog()->reject();
        QCOMPARE(well->color(), QColor(255, 0, 0, 128));
        QCOMPARE(storedValue("backgroundColorB").toFloat(), 0.0f);
    }

    void proportionalScalingEmptiesAndDisablesTheOtherSide()
    {
        start();
        showTab(1);
        auto* box = widget<QCheckBox>("proportionalButton");
        auto* widthField = widget<QLineEdit>("widthField");
        auto* heightField = widget<QLineEdit>("heightField");

        // On, with the first side given (the default).
        clickBox(box);
        QVERIFY(shown(widget<QWidget>("radioButtonBox")));
        QCOMPARE(storedValue("proportional").toBool(), true);
        QCOMPARE(storedValue("tagSides").toInt(), 1);
        QCOMPARE(widthField->text(), QStringLiteral("400"));
        QVERIFY(widthField->isEnabled() && widget<Stepper>("widthStepper")->isEnabled());
        QCOMPARE(heightField->text(), QString());
        QVERIFY(!heightField->isEnabled());
        QVERIFY(!widget<Stepper>("heightStepper")->isEnabled());
        QCOMPARE(mController->preferences()->height(), 300.0f);
        QVERIFY(!storedValue("heightValue").isValid());

        // The second side: the first field empties, the second shows its stored value again.
        QTest::mouseClick(widget<QRadioButton>("radioSecond"), Qt::LeftButton);
        QCOMPARE(storedValue("tagSides").toInt(), 2);
        QCOMPARE(widthField->text(), QString());
        QVERIFY(!widthField->isEnabled() && !widget<Stepper>("widthStepper")->isEnabled());
        QCOMPARE(heightField->text(), QStringLiteral("300"));
        QVERIFY(heightField->isEnabled() && widget<Stepper>("heightStepper")->isEnabled());
        QCOMPARE(mController->preferences()->width(), 400.0f);

        // Off: all four enabled, the emptied field shows the value the setting kept, and the
        // given side is not stored.
        mSettings->remove(QStringLiteral("tagSides"));
        clickBox(box);
        QVERIFY(!shown(widget<QWidget>("radioButtonBox")));
        QCOMPARE(storedValue("proportional").toBool(), false);
        for (const char* name : { "widthField", "widthStepper", "heightField", "heightStepper" })
            QVERIFY2(widget<QWidget>(name)->isEnabled(), name);
        QCOMPARE(widthField->text(), QStringLiteral("400"));
        QCOMPARE(widget<Stepper>("widthStepper")->floatValue(), 400.0f);
        QCOMPARE(heightField->text(), QStringLiteral("300"));
        QVERIFY(!storedValue("tagSides").isValid());
        QCOMPARE(int(mController->preferences()->givenSide()), 2);
    }

    void stepperAndFieldShowTheSameNumber()
    {
        start();
        showTab(1);
        auto* widthField = widget<QLineEdit>("widthField");
        auto* widthStepper = widget<Stepper>("widthStepper");

        // A click on the stepper's up arrow.
        QStyleOptionSpinBox opt;
        opt.initFrom(widthStepper);
        opt.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
        opt.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        const QRect up = widthStepper->style()->subControlRect(
            QStyle::CC_SpinBox, &opt, QStyle::SC_SpinBoxUp, widthStepper);
        QVERIFY(!up.isEmpty());
        QTest::mouseClick(widthStepper, Qt::LeftButton, {}, up.center());
        QCOMPARE(widthStepper->floatValue(), 401.0f);
        QCOMPARE(widthField->text(), QStringLiteral("401"));
        QCOMPARE(storedValue("widthValue").toFloat(), 401.0f);

        // The Down key in the field steps it too, after taking what was typed.
        widthField->setFocus();
        widthField->selectAll();
        QTest::keyClicks(widthField, QStringLiteral("250"));
        QTest::keyClick(widthField, Qt::Key_Down);
        QCOMPARE(widthField->text(), QStringLiteral("249"));
        QCOMPARE(widthStepper->floatValue(), 249.0f);
        QCOMPARE(storedValue("widthValue").toFloat(), 249.0f);

        // Resolution typed and committed.
        auto* resolution = widget<QLineEdit>("resolutionField");
        resolution->clear();
        QTest::keyClicks(resolution, QStringLiteral("300"));
        QTest::keyClick(resolution, Qt::Key_Return);
        QCOMPARE(widget<Stepper>("resolutionStepper")->floatValue(), 300.0f);
        QCOMPARE(storedValue("resValue").toFloat(), 300.0f);
        QCOMPARE(storedValue("resValue").toString(), QStringLiteral("300"));

        // Text that is not a number, or only begins with one, is read as far as it goes, and
        // once the edit ends the field shows the number that is used.
        auto* height = widget<QLineEdit>("heightField");
        height->clear();
        QTest::keyClicks(height, QStringLiteral("12.5abc"));
        QTest::keyClick(height, Qt::Key_Return);
        QCOMPARE(storedValue("heightValue").toFloat(), 12.5f);
        QCOMPARE(widget<Stepper>("heightStepper")->floatValue(), 12.5f);
        QCOMPARE(height->text(), QStringLiteral("12.5"));
        height->clear();
        QTest::keyClicks(height, QStringLiteral("abc"));
        QTest::keyClick(height, Qt::Key_Return);
        QCOMPARE(storedValue("heightValue").toFloat(), 0.0f);
        QCOMPARE(height->text(), QStringLiteral("0"));
        height->clear();
        QTest::keyClicks(height, QStringLiteral(" -5 px"));
        QTest::keyClick(height, Qt::Key_Return);
        QCOMPARE(height->text(), QStringLiteral("-5"));
        // An empty field stays empty (the checks before a batch ask for a value there).
        height->clear();
        QTest::keyClick(height, Qt::Key_Return);
        QCOMPARE(storedValue("heightValue").toFloat(), 0.0f);
        QCOMPARE(height->text(), QString());

        // A value beyond the stepper's range: the stepper shows its limit, the number stays.
        resolution->clear();
        QTest::keyClicks(resolution, QStringLiteral("20000"));
        QTest::keyClick(resolution, Qt::Key_Return);
        QCOMPARE(storedValue("resValue").toFloat(), 20000.0f);
        QCOMPARE(widget<Stepper>("resolutionStepper")->floatValue(), 10000.0f);

        // Text fields store exactly what was typed, spaces included.
        showTab(2);
        auto* dest = widget<QLineEdit>("destField");
        QTest::keyClicks(dest, QStringLiteral(" /tmp/out "));
        QTest::keyClick(dest, Qt::Key_Return);
        QCOMPARE(storedValue("dest").toString(), QStringLiteral(" /tmp/out "));
    }

    // The window in German, its tables loaded the way main() loads them for a German user:
    // the texts are German, and a size typed with a decimal comma is read with it ("12,5"
    // used to be read as 12) and shown back with it; the stored number is the same in every
    // language.
    void germanWindowReadsADecimalComma()
    {
        const auto restore = qScopeGuard([] {
            QLocale::setDefault(QLocale::c());
            LocalizedText::installLanguage(*qApp, QStringLiteral("en"));
        });
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(LocalizedText::install(*qApp));
        start();

        QCOMPARE(widget<QTabWidget>("tab")->tabText(1), QStringLiteral("&Größe"));
        QCOMPARE(widget<QPushButton>("resizeButton")->text(), QStringLiteral("G&röße ändern"));
        QCOMPARE(widget<QLabel>("widthText")->text(), QStringLiteral("Breite"));

        showTab(1);
        auto* widthField = widget<QLineEdit>("widthField");
        widthField->setFocus();
        widthField->selectAll();
        QTest::keyClicks(widthField, QStringLiteral("12,5"));
        QTest::keyClick(widthField, Qt::Key_Return);
        QCOMPARE(storedValue("widthValue").toString(), QStringLiteral("12.5"));
        QCOMPARE(widget<Stepper>("widthStepper")->floatValue(), 12.5f);
        QCOMPARE(widthField->text(), QStringLiteral("12,5"));
    }

    void unitChangeKeepsTheNumbers()
    {
        start();
        showTab(1);
        auto* unit = widget<QComboBox>("popUpUM");
        QCOMPARE(widget<QLabel>("widthUnit")->text(), QStringLiteral("px"));
        QTest::keyClick(unit, Qt::Key_End); // Percent
        QCOMPARE(tag(unit), 4);
        QCOMPARE(storedValue("UM").toInt(), 4);
        QCOMPARE(widget<QLineEdit>("widthField")->text(), QStringLiteral("400"));
        QCOMPARE(widget<QLineEdit>("heightField")->text(), QStringLiteral("300"));
        QVERIFY(!storedValue("widthValue").isValid());
        QCOMPARE(widget<QLabel>("widthUnit")->text(), QStringLiteral("%"));
        QCOMPARE(widget<QLabel>("heightUnit")->text(), QStringLiteral("%"));
    }

    void qualityShowsAWholePercentage()
    {
        start({ { "quality", 0.856 } });
        showTab(2);
        auto* slider = widget<QualitySlider>("jpegQuality");
        auto* text = widget<QLabel>("jpegText");
        QCOMPARE(text->text(), QStringLiteral("86%"));
        // The slider keeps the exact factor: the start writes back 0.856, not 0.86.
        QCOMPARE(slider->floatValue(), 0.856f);
        QCOMPARE(storedValue("quality").toFloat(), 0.856f);
        QCOMPARE(slider->value(), 86);

        QTest::keyClick(slider, Qt::Key_End);
        QCOMPARE(text->text(), QStringLiteral("100%"));
        QCOMPARE(storedValue("quality").toFloat(), 1.0f);
        QTest::keyClick(slider, Qt::Key_Left);
        QCOMPARE(text->text(), QStringLiteral("99%"));
        QCOMPARE(storedValue("quality").toFloat(), 0.99f);
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(text->text(), QStringLiteral("0%"));
        QCOMPARE(storedValue("quality").toFloat(), 0.0f);
    }

    // The metadata menu shows the stored choice (no-personal for a file from before it) and
    // stores a new one at once.
    void metadataMenuStoresTheChoice()
    {
        start();
        showTab(2);
        auto* menu = widget<QComboBox>("metadataMenu");
        QVERIFY(menu);
        QCOMPARE(tag(menu), 2);
        QTest::keyClick(menu, Qt::Key_End);
        QCOMPARE(storedValue("metadata").toInt(), 3);
        QTest::keyClick(menu, Qt::Key_Home);
        QCOMPARE(storedValue("metadata").toInt(), 1);

        start({ { "metadata", 3 } });
        QCOMPARE(tag(widget<QComboBox>("metadataMenu")), 3);
    }

    // The quality row is shown for the formats it applies to: JPEG, WebP, AVIF, HEIC, JPEG XL.
    void qualityShownForLossyFormats()
    {
        start({ { "quality", 0.7 } });
        showTab(2);
        auto* format = widget<QComboBox>("menuFormat");
        const char* quality[] = { "jpegQuality", "jpegQualityText", "jpegText" };
        QTest::keyClick(format, Qt::Key_Down);
        QTest::keyClick(format, Qt::Key_Down);
        QCOMPARE(tag(format), 3); // GIF
        QCOMPARE(storedValue("formatMenu").toInt(), 3);
        for (const char* name : quality)
            QVERIFY2(!shown(widget<QWidget>(name)), name);
        QTest::keyClick(format, Qt::Key_Down);
        QTest::keyClick(format, Qt::Key_Down);
        QCOMPARE(storedValue("formatMenu").toInt(), 5); // TIFF
        for (const char* name : quality)
            QVERIFY2(!shown(widget<QWidget>(name)), name);
        for (const int code : { 6, 7, 8, 9 }) { // WebP, AVIF, HEIC, JPEG XL
            QTest::keyClick(format, Qt::Key_Down);
            QCOMPARE(storedValue("formatMenu").toInt(), code);
            for (const char* name : quality)
                QVERIFY2(shown(widget<QWidget>(name)), name);
        }
        QTest::keyClick(format, Qt::Key_Home);
        QCOMPARE(storedValue("formatMenu").toInt(), 1);
        for (const char* name : quality)
            QVERIFY2(shown(widget<QWidget>(name)), name);
        QCOMPARE(widget<QLabel>("jpegText")->text(), QStringLiteral("70%"));
        QCOMPARE(widget<QualitySlider>("jpegQuality")->floatValue(), 0.7f);
    }

    void namingModeTwoShowsNameAndNumber()
    {
        start({ { "name", "holiday" }, { "nameNum", "0007" } });
        showTab(2);
        auto* menu = widget<QComboBox>("nameMenu");
        auto* name = widget<QLineEdit>("nameText");
        auto* number = widget<QLineEdit>("nameNumber");
        QCOMPARE(name->text(), QStringLiteral("holiday"));
        QCOMPARE(number->text(), QStringLiteral("0007"));
        QVERIFY(!shown(name) && !shown(number));

        QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(tag(menu), 2);
        QCOMPARE(storedValue("nameMenu").toInt(), 2);
        QVERIFY(shown(name) && shown(number));
        name->clear();
        QTest::keyClicks(name, QStringLiteral("trip"));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(storedValue("name").toString(), QStringLiteral("trip"));
        number->clear();
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(storedValue("nameNum").toString(), QString());

        QTest::keyClick(menu, Qt::Key_Up);
        QCOMPARE(storedValue("nameMenu").toInt(), 1);
        QVERIFY(!shown(name) && !shown(number));
        QCOMPARE(name->text(), QStringLiteral("trip"));
        QCOMPARE(storedValue("name").toString(), QStringLiteral("trip"));
    }

    void folderChooserIsAWindowModalPanel()
    {
        start({ { "dest", "/kept" } });
        showTab(2);
        auto* dest = widget<QLineEdit>("destField");
        auto* choose = widget<QPushButton>("chooseFolderButton");
        QVERIFY(choose);

        // Cancelled: nothing changes.
        QTest::mouseClick(choose, Qt::LeftButton);
        QFileDialog* panel = openDialog<QFileDialog>();
        QVERIFY(panel);
        QCOMPARE(panel->windowModality(), Qt::WindowModal);
        QCOMPARE(panel->fileMode(), QFileDialog::Directory);
        panel->reject();
        QCOMPARE(dest->text(), QStringLiteral("/kept"));
        QCOMPARE(storedValue("dest").toString(), QStringLiteral("/kept"));

        // Chosen: the folder shows in the field and is stored at once.
        const QString folder = mDir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(folder));
        QTest::mouseClick(choose, Qt::LeftButton);
        panel = openDialog<QFileDialog>();
        QVERIFY(panel);
        panel->setDirectory(mDir.path());
        panel->selectFile(folder);
        static_cast<QDialog*>(panel)
            ->accept(); // through QDialog: the file dialog's own is protected
        QCOMPARE(
            QFileInfo(dest->text()).canonicalFilePath(), QFileInfo(folder).canonicalFilePath());
        QCOMPARE(storedValue("dest").toString(), dest->text());
    }

    void longAndShortSideCaptions()
    {
        start();
        showTab(1);
        auto* box = widget<QCheckBox>("switchButton");
        clickBox(box);
        QCOMPARE(widget<QLabel>("widthText")->text(), LocalizedText::text("_LongSide"));
        QCOMPARE(widget<QLabel>("heightText")->text(), LocalizedText::text("_ShortSide"));
        QCOMPARE(widget<QLabel>("widthText")->text(), QStringLiteral("Long side"));
        QCOMPARE(storedValue("switchSides").toBool(), true);
        QCOMPARE(widget<QLineEdit>("widthField")->text(), QStringLiteral("400"));
        QCOMPARE(widget<QLineEdit>("heightField")->text(), QStringLiteral("300"));
        clickBox(box);
        QCOMPARE(widget<QLabel>("widthText")->text(), QStringLiteral("Width"));
        QCOMPARE(widget<QLabel>("heightText")->text(), QStringLiteral("Height"));
        QCOMPARE(storedValue("switchSides").toBool(), false);

        // With no text table at all the captions read the fallback.
        LocalizedText::uninstall(*qApp);
        clickBox(box);
        const QString fallback = QString::fromLatin1(LocalizedText::kFallback);
        QCOMPARE(widget<QLabel>("widthText")->text(), fallback);
        QCOMPARE(widget<QLabel>("heightText")->text(), fallback);
        QVERIFY(LocalizedText::installLanguage(*qApp, QStringLiteral("en")));
    }

    void tabIsStoredWhenCodeSelectsIt()
    {
        start({ { "tab", 2 } });
        auto* tabs = widget<QTabWidget>("tab");
        QCOMPARE(tabs->currentIndex(), 2);
        tabs->setCurrentIndex(1);
        QCOMPARE(storedValue("tab").toInt(), 1);
        tabs->setCurrentIndex(0);
        QCOMPARE(storedValue("tab").toInt(), 0);
    }

    void windowFrameIsRemembered()
    {
        start();
        QMainWindow* window = mController->window();
        window->resize(710, 530);
        QTRY_COMPARE(window->size(), QSize(710, 530));
        QVERIFY(storedValue("windowPosition").toByteArray().size() > 0);
        mController.reset();

        mController = std::make_unique<OstrelController>(mSettings.get());
        mController->applicationWillFinishLaunching();
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

    void mnemonicsAreUniqueOnEveryTab()
    {
        start({ { "background", true }, { "proportional", true }, { "nameMenu", 2 } });
        QMainWindow* window = mController->window();
        auto mnemonic = [](const QString& text) -> QChar {
            for (qsizetype i = 0; i + 1 < text.size(); ++i) {
                if (text.at(i) != QLatin1Char('&'))
                    continue;
                if (text.at(i + 1) != QLatin1Char('&'))
                    return text.at(i + 1).toLower();
                ++i;
            }
            return {};
        };
        for (int index = 0; index < 3; ++index) {
            showTab(index);
            QStringList owners;
            QHash<QChar, QString> taken;
            auto take = [&](const QString& text, const QString& owner) {
                const QChar key = mnemonic(text);
                if (key.isNull())
                    return;
                QVERIFY2(!taken.contains(key),
                    qPrintable(QStringLiteral("tab %1: %2 and %3 both use Alt+%4")
                                   .arg(index)
                                   .arg(taken.value(key), owner, key)));
                taken.insert(key, owner);
            };
            for (QAction* menu : window->menuBar()->actions())
                take(menu->text(), menu->text());
            auto* tabs = widget<QTabWidget>("tab");
            for (int t = 0; t < tabs->count(); ++t)
                take(tabs->tabText(t), tabs->tabText(t));
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                if (button->isVisible())
                    take(button->text(), button->objectName());
            }
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->isVisible() && label->buddy())
                    take(label->text(), label->objectName());
            }
        }
    }

    void tabKeySkipsTheSteppers()
    {
        start();
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
        QCOMPARE(QApplication::focusWidget(), widget<QWidget>("switchButton"));
    }

    void backgroundPatternIsTiledBehindTheWindow()
    {
        start();
        const QBrush brush = mController->window()->palette().brush(QPalette::Window);
        QVERIFY(!brush.texture().isNull());
        // Styles derive shades from the window colour: it must be the pattern's light tone.
        QVERIFY(brush.color().lightness() > 200);
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

    void closingTheWindowQuits()
    {
        start();
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, mController->window(), &QWidget::close);
        // A safety net only: the test fails rather than hangs if the window does not quit.
        QTimer::singleShot(60000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(quitting.count(), 1);
        QVERIFY(!mController->resizer()); // released on termination
        QVERIFY(storedValue("windowPosition").isValid());
    }

    void quittingDuringABatchLeavesOnlyWholeFiles()
    {
        const QString source = mDir.filePath(QStringLiteral("src"));
        const QString output = mDir.filePath(QStringLiteral("quit-out"));
        QVERIFY(QDir().mkpath(source));
        QVERIFY(QDir().mkpath(output));
        QStringList images;
        for (int i = 0; i < 6; ++i)
            images << TestSupport::writeImage(
                QStringLiteral("%1/big%2.png").arg(source).arg(i), 2400, 1800);
        start({ { "dest", output }, { "widthValue", 2000 }, { "heightValue", 1500 },
            { "formatMenu", 2 } });
        mController->openFiles(images);
        BatchResizer* resizer = mController->resizer();
        QCOMPARE(resizer->images().count(), 6);
        resizer->setMayContinue(true);
        QVERIFY(resizer->start(BatchArguments(nullptr, mController->preferences(), {})));

        // Quit while the worker runs: termination stops it after its image in progress.
        mController->applicationWillTerminate();
        QVERIFY(!mController->resizer());
        const QFileInfoList written = QDir(output).entryInfoList(QDir::Files | QDir::Hidden);
        for (const QFileInfo& file : written) {
            QCOMPARE(file.suffix(), QStringLiteral("png"));
            const TestSupport::Facts facts = TestSupport::inspect(file.filePath());
            QCOMPARE(facts.width, 2000);
            QCOMPARE(facts.height, 1500);
        }
    }
};

QTEST_MAIN(TestOstrelController)
#include "tst_OstrelController.moc"
