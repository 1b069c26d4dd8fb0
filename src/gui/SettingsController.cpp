#include "SettingsController.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "gui/ColorButton.h"
#include "gui/ControlValues.h"
#include "gui/FilePanel.h"
#include "gui/QualitySlider.h"
#include "gui/StepButtons.h"
#include "model/ExistingFile.h"
#include "core/LocalizedText.h"
#include "model/MetadataMode.h"
#include "model/OutputFormat.h"
#include "settings/Settings.h"
#include "ui_MainWindow.h"

using ControlValues::isOn;
using ControlValues::selectCode;
using ControlValues::selectedCode;
using ControlValues::setFloatValue;

SettingsController::SettingsController(Ui::MainWindow* ui, Settings* settings, QObject* parent)
    : QObject(parent)
    , mUi(ui)
    , mSettings(settings)
{
    fillMenus();
    connectControls();
}

void SettingsController::fillMenus()
{
    // The items carry the settings codes as their data; start-up selects by code and the
    // store functions read the code of the selection.
    QComboBox* unit = mUi->unitCombo;
    unit->addItem(tr("Pixels"), int(SizeUnit::Pixels));
    unit->addItem(tr("Inches"), int(SizeUnit::Inches));
    unit->addItem(tr("Millimetres"), int(SizeUnit::Millimetres));
    unit->addItem(tr("Percent"), int(SizeUnit::Percent));

    QComboBox* naming = mUi->namingCombo;
    naming->addItem(tr("Source name"), int(OutputNaming::SourceName));
    naming->addItem(tr("Name and number"), int(OutputNaming::CustomName));

    QComboBox* format = mUi->formatCombo;
    for (const OutputFormats::Info& info : OutputFormats::all())
        format->addItem(QString::fromLatin1(info.name), int(info.format));

    QComboBox* metadata = mUi->metadataCombo;
    metadata->addItem(tr("Keep all"), int(MetadataMode::Keep));
    metadata->addItem(tr("Without personal data"), int(MetadataMode::WithoutPersonal));
    metadata->addItem(tr("None"), int(MetadataMode::None));

    QComboBox* compression = mUi->tiffCompressionCombo;
    compression->addItem(tr("LZW compression"), int(TiffCompression::Lzw));
    compression->addItem(tr("No compression"), int(TiffCompression::None));

    mUi->givenSideGroup->setId(mUi->firstSideRadio, int(GivenSide::First));
    mUi->givenSideGroup->setId(mUi->secondSideRadio, int(GivenSide::Second));
    mUi->givenSideGroup->setId(mUi->fitInsideRadio, int(GivenSide::Both));

    QComboBox* existing = mUi->existingFileCombo;
    existing->addItem(tr("Fail the image"), int(ExistingFile::Fail));
    existing->addItem(tr("Add a number (name-2)"), int(ExistingFile::Number));
    existing->addItem(tr("Skip the image"), int(ExistingFile::Skip));
}

void SettingsController::connectControls()
{
    Ui::MainWindow* ui = mUi;

    // Only signals that a user's change emits, never a change made by code.
    connect(ui->backgroundCheck, &QCheckBox::clicked, this,
        &SettingsController::storeBackgroundEnabled);
    connect(ui->backgroundColorButton, &ColorButton::colorChanged, this,
        &SettingsController::storeBackgroundColor);
    connect(ui->keepProportionsCheck, &QCheckBox::clicked, this,
        &SettingsController::storeProportional);
    connect(
        ui->givenSideGroup, &QButtonGroup::idClicked, this, &SettingsController::storeGivenSide);
    connect(ui->longShortSidesCheck, &QCheckBox::clicked, this,
        &SettingsController::storeLongShortSides);
    connect(ui->unitCombo, &QComboBox::activated, this, &SettingsController::storeUnit);
    connect(ui->namingCombo, &QComboBox::activated, this, &SettingsController::storeNaming);
    connect(ui->formatCombo, &QComboBox::activated, this, &SettingsController::storeOutputFormat);
    connect(
        ui->qualitySlider, &QualitySlider::factorChanged, this, &SettingsController::storeQuality);
    connect(ui->noEnlargeCheck, &QCheckBox::clicked, this, &SettingsController::storeNoEnlarge);
    connect(
        ui->existingFileCombo, &QComboBox::activated, this, &SettingsController::storeExistingFile);
    connect(ui->metadataCombo, &QComboBox::activated, this, &SettingsController::storeMetadata);
    connect(ui->tiffCompressionCombo, &QComboBox::activated, this,
        &SettingsController::storeTiffCompression);
    connect(ui->chooseFolderButton, &QPushButton::clicked, this,
        &SettingsController::chooseOutputFolder);
    connect(ui->tabs, &QTabWidget::currentChanged, this, &SettingsController::storeCurrentTab);

    for (const NumberPair& pair : numberPairs()) {
        connect(pair.field, &QLineEdit::editingFinished, this,
            [this, pair] { storeFieldNumber(pair); });
        connect(
            pair.steps, &StepButtons::stepped, this, [this, pair] { storeSteppedNumber(pair); });
        // Up and Down in a number field step it like its step buttons.
        pair.field->installEventFilter(this);
    }
    connect(ui->outputFolderField, &QLineEdit::editingFinished, this,
        [this] { mSettings->setValue(Setting::outputFolder, mUi->outputFolderField->text()); });
    connect(ui->baseNameField, &QLineEdit::editingFinished, this,
        [this] { mSettings->setValue(Setting::baseName, mUi->baseNameField->text()); });
    connect(ui->startNumberField, &QLineEdit::editingFinished, this,
        [this] { mSettings->setValue(Setting::startNumber, mUi->startNumberField->text()); });

    // Every edit of a setting, after it was stored.
    for (QLineEdit* field : { ui->widthField, ui->heightField, ui->resolutionField,
             ui->outputFolderField, ui->baseNameField, ui->startNumberField })
        connect(field, &QLineEdit::textEdited, this, &SettingsController::edited);
    for (QCheckBox* box : { ui->backgroundCheck, ui->keepProportionsCheck, ui->longShortSidesCheck,
             ui->noEnlargeCheck })
        connect(box, &QAbstractButton::clicked, this, &SettingsController::edited);
    connect(ui->givenSideGroup, &QButtonGroup::idClicked, this, &SettingsController::edited);
    for (QComboBox* menu : { ui->unitCombo, ui->namingCombo, ui->formatCombo, ui->existingFileCombo,
             ui->metadataCombo, ui->tiffCompressionCombo })
        connect(menu, &QComboBox::activated, this, &SettingsController::edited);
    for (const NumberPair& pair : numberPairs())
        connect(pair.steps, &StepButtons::stepped, this, &SettingsController::edited);
    connect(ui->qualitySlider, &QualitySlider::factorChanged, this, &SettingsController::edited);
    connect(
        ui->backgroundColorButton, &ColorButton::colorChanged, this, &SettingsController::edited);

    // The unit's abbreviation beside the size fields follows the menu, however it changes.
    connect(ui->unitCombo, &QComboBox::currentIndexChanged, this,
        &SettingsController::showUnitAbbreviation);
    showUnitAbbreviation();
}

void SettingsController::showStoredSettings()
{
    Ui::MainWindow* ui = mUi;
    const Settings* settings = mSettings;
    ui->backgroundCheck->setChecked(settings->value(Setting::background));
    ui->backgroundColorButton->setColor(settings->backgroundColor());
    ui->keepProportionsCheck->setChecked(settings->value(Setting::proportional));
    ui->longShortSidesCheck->setChecked(settings->value(Setting::longShortSides));
    if (QAbstractButton* radio
        = ui->givenSideGroup->button(int(settings->value(Setting::givenSide))))
        radio->setChecked(true);
    selectCode(ui->unitCombo, settings->value(Setting::unit));
    ui->tabs->setCurrentIndex(settings->value(Setting::currentTab));
    ui->widthStepButtons->setFloatValue(settings->value(Setting::width));
    setFloatValue(ui->widthField, settings->value(Setting::width));
    ui->heightStepButtons->setFloatValue(settings->value(Setting::height));
    setFloatValue(ui->heightField, settings->value(Setting::height));
    ui->resolutionStepButtons->setFloatValue(settings->value(Setting::resolution));
    setFloatValue(ui->resolutionField, settings->value(Setting::resolution));
    ui->outputFolderField->setText(settings->value(Setting::outputFolder));
    selectCode(ui->namingCombo, settings->value(Setting::naming));
    ui->baseNameField->setText(settings->value(Setting::baseName));
    ui->startNumberField->setText(settings->value(Setting::startNumber));
    selectCode(ui->formatCombo, settings->value(Setting::outputFormat));
    ui->qualitySlider->setFloatValue(settings->value(Setting::quality));
    ui->noEnlargeCheck->setChecked(settings->value(Setting::noEnlarge));
    selectCode(ui->existingFileCombo, settings->value(Setting::existingFile));
    selectCode(ui->metadataCombo, settings->value(Setting::metadata));
    selectCode(ui->tiffCompressionCombo, settings->value(Setting::tiffCompression));

    // The controls that follow others: these store the values they show, as a user's change
    // would.
    storeBackgroundEnabled();
    storeLongShortSides();
    storeProportional();
    storeNaming();
    storeOutputFormat();
    storeQuality();
}

void SettingsController::storeBackgroundEnabled()
{
    const bool on = isOn(mUi->backgroundCheck);
    mUi->backgroundColorButton->setVisible(on);
    mSettings->setValue(Setting::background, on);
    storeBackgroundColor();
}

void SettingsController::storeBackgroundColor()
{
    mSettings->setBackgroundColor(mUi->backgroundColorButton->color());
}

void SettingsController::storeProportional()
{
    const bool on = isOn(mUi->keepProportionsCheck);
    mUi->givenSideBox->setVisible(on);
    mUi->fitInsideRadio->setVisible(on);
    mSettings->setValue(Setting::proportional, on);
    storeGivenSide();
}

void SettingsController::storeGivenSide()
{
    Ui::MainWindow* ui = mUi;
    // A field that proportional scaling emptied shows the stored value again once it is used
    // (the setting kept that value all along).
    auto showStored = [](QLineEdit* field, StepButtons* steps, float value) {
        if (!field->text().isEmpty())
            return;
        setFloatValue(field, value);
        steps->setFloatValue(value);
    };
    auto enable = [](QLineEdit* field, StepButtons* steps, bool enabled) {
        field->setEnabled(enabled);
        steps->setEnabled(enabled);
    };
    if (!isOn(ui->keepProportionsCheck)) {
        // The given side is not stored.
        enable(ui->widthField, ui->widthStepButtons, true);
        enable(ui->heightField, ui->heightStepButtons, true);
        showStored(ui->widthField, ui->widthStepButtons, mSettings->value(Setting::width));
        showStored(ui->heightField, ui->heightStepButtons, mSettings->value(Setting::height));
        return;
    }
    // Emptying a field changes only its text: the stored value keeps its last value.
    switch (static_cast<GivenSide>(ui->givenSideGroup->checkedId())) {
    case GivenSide::First:
        enable(ui->widthField, ui->widthStepButtons, true);
        showStored(ui->widthField, ui->widthStepButtons, mSettings->value(Setting::width));
        ui->heightField->setText(QString());
        enable(ui->heightField, ui->heightStepButtons, false);
        mSettings->setValue(Setting::givenSide, GivenSide::First);
        break;
    case GivenSide::Second:
        ui->widthField->setText(QString());
        enable(ui->widthField, ui->widthStepButtons, false);
        enable(ui->heightField, ui->heightStepButtons, true);
        showStored(ui->heightField, ui->heightStepButtons, mSettings->value(Setting::height));
        mSettings->setValue(Setting::givenSide, GivenSide::Second);
        break;
    case GivenSide::Both:
        enable(ui->widthField, ui->widthStepButtons, true);
        enable(ui->heightField, ui->heightStepButtons, true);
        showStored(ui->widthField, ui->widthStepButtons, mSettings->value(Setting::width));
        showStored(ui->heightField, ui->heightStepButtons, mSettings->value(Setting::height));
        mSettings->setValue(Setting::givenSide, GivenSide::Both);
        break;
    default:
        break;
    }
}

void SettingsController::storeLongShortSides()
{
    const bool on = isOn(mUi->longShortSidesCheck);
    mUi->widthLabel->setText(LocalizedText::text(on ? "_LongSide" : "_Width"));
    mUi->heightLabel->setText(LocalizedText::text(on ? "_ShortSide" : "_Height"));
    mSettings->setValue(Setting::longShortSides, on);
}

void SettingsController::storeUnit()
{
    // The numbers in the fields are not converted: from now on they are read in the new unit.
    mSettings->setValue(Setting::unit, selectedCode<SizeUnit>(mUi->unitCombo));
}

std::array<SettingsController::NumberPair, 3> SettingsController::numberPairs() const
{
    return { { { mUi->widthField, mUi->widthStepButtons, Setting::width },
        { mUi->heightField, mUi->heightStepButtons, Setting::height },
        { mUi->resolutionField, mUi->resolutionStepButtons, Setting::resolution } } };
}

void SettingsController::storeFieldNumber(const NumberPair& pair)
{
    const float value = ControlValues::floatValue(pair.field);
    mSettings->setValue(pair.setting, value);
    pair.steps->setFloatValue(value);
    // The field shows the number that is used ("12.5abc" becomes "12.5"). An empty field
    // stays empty: the checks before a batch tell it apart from 0.
    if (!pair.field->text().isEmpty())
        setFloatValue(pair.field, value);
}

void SettingsController::storeSteppedNumber(const NumberPair& pair)
{
    const float value = pair.steps->floatValue();
    mSettings->setValue(pair.setting, value);
    setFloatValue(pair.field, value);
}

void SettingsController::storeNaming()
{
    const auto naming = selectedCode<OutputNaming>(mUi->namingCombo);
    if (naming == OutputNaming::SourceName) {
        mUi->baseNameField->hide();
        mUi->startNumberField->hide();
    } else if (naming == OutputNaming::CustomName) {
        mUi->baseNameField->show();
        mUi->startNumberField->show();
    }
    mSettings->setValue(Setting::naming, naming);
}

void SettingsController::chooseOutputFolder()
{
    // At the output folder when it exists, else where the last open panel ended.
    QString start;
    for (const QString& folder :
        { mSettings->value(Setting::outputFolder), mSettings->value(Setting::lastOpenFolder) }) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            start = folder;
            break;
        }
    }
    QFileDialog* dialog = newFilePanel(mUi->tabs->window(), tr("Choose the Output Folder"),
        tr("Choose"), QFileDialog::Directory, start);
    connect(dialog, &QDialog::finished, this,
        [this, dialog](int result) { outputFolderChosen(dialog, result); });
    dialog->open();
}

void SettingsController::outputFolderChosen(QFileDialog* dialog, int result)
{
    if (result == QDialog::Rejected)
        return;
    const QString folder = dialog->selectedFiles().value(0);
    if (folder.isEmpty())
        return; // nothing chosen: an accepted dialog must not wipe the stored folder
    mUi->outputFolderField->setText(folder);
    mSettings->setValue(Setting::outputFolder, folder);
    mSettings->setValue(Setting::lastOpenFolder, QFileInfo(folder).absolutePath());
    emit edited();
}

void SettingsController::storeOutputFormat()
{
    const auto format = selectedCode<OutputFormat>(mUi->formatCombo);
    const OutputFormats::Info* info = OutputFormats::find(format);
    const bool takesQuality = info && info->takesQuality;
    mUi->qualitySlider->setVisible(takesQuality);
    mUi->qualityLabel->setVisible(takesQuality);
    mUi->qualityValueLabel->setVisible(takesQuality);
    mUi->tiffCompressionCombo->setVisible(info && info->choosesCompression);
    mSettings->setValue(Setting::outputFormat, format);
}

void SettingsController::storeNoEnlarge()
{
    mSettings->setValue(Setting::noEnlarge, isOn(mUi->noEnlargeCheck));
}

void SettingsController::storeExistingFile()
{
    mSettings->setValue(Setting::existingFile, selectedCode<ExistingFile>(mUi->existingFileCombo));
}

void SettingsController::storeTiffCompression()
{
    mSettings->setValue(
        Setting::tiffCompression, selectedCode<TiffCompression>(mUi->tiffCompressionCombo));
}

void SettingsController::storeMetadata()
{
    mSettings->setValue(Setting::metadata, selectedCode<MetadataMode>(mUi->metadataCombo));
}

void SettingsController::storeQuality()
{
    const float factor = mUi->qualitySlider->floatValue();
    const float percent = factor * 100.0f; // in single precision, then widened
    mUi->qualityValueLabel->setText(
        tr("%1%").arg(QString::asprintf("%.0f", static_cast<double>(percent))));
    mSettings->setValue(Setting::quality, factor);
}

void SettingsController::storeCurrentTab(int index)
{
    if (index >= 0)
        mSettings->setValue(Setting::currentTab, index);
}

void SettingsController::showUnitAbbreviation()
{
    static const char* const abbreviations[]
        = { "", QT_TR_NOOP("px"), QT_TR_NOOP("in"), QT_TR_NOOP("mm"), QT_TR_NOOP("%") };
    const int code = int(selectedCode<SizeUnit>(mUi->unitCombo));
    const QString text = code >= 1 && code <= 4 ? tr(abbreviations[code]) : QString();
    mUi->widthUnitLabel->setText(text);
    mUi->heightUnitLabel->setText(text);
}

bool SettingsController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    for (const NumberPair& pair : numberPairs()) {
        if (watched != pair.field)
            continue;
        // What was typed counts first, as when the step buttons are clicked.
        if (pair.field->isModified())
            storeFieldNumber(pair);
        pair.steps->stepBy(key == Qt::Key_Up ? 1 : -1);
        return true;
    }
    return false;
}
