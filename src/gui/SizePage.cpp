#include "SizePage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "gui/ControlValues.h"
#include "gui/PresetController.h"
#include "gui/StepButtons.h"
#include "settings/Settings.h"
#include "ui_SizePage.h"

using ControlValues::isOn;
using ControlValues::selectCode;
using ControlValues::selectedCode;
using ControlValues::setFloatValue;

namespace {

// The ids of the given side's radio buttons are the GivenSide codes; the box's other modes
// follow them, and are GivenSide::Both too.
constexpr int kFillId = 4;
constexpr int kPadId = 5;

int radioId(GivenSide side, BoxMode box)
{
    if (side != GivenSide::Both || box == BoxMode::Fit)
        return int(side);
    return box == BoxMode::Fill ? kFillId : kPadId;
}

} // namespace

SizePage::SizePage(QWidget* parent)
    : QWidget(parent)
    , mUi(std::make_unique<Ui::SizePage>())
{
    mUi->setupUi(this);
    fillMenus();
    connectControls();
    keepControlsInPlace();
}

SizePage::~SizePage() = default;

void SizePage::setSettings(Settings* settings, QSettings* presetStore)
{
    mSettings = settings;
    mPresets = new PresetController(mUi->presetButton, settings, presetStore, this);
    connect(mPresets, &PresetController::picked, this, &SizePage::showPickedPreset);
}

void SizePage::keepControlsInPlace()
{
    // The sides given show with Keep proportions only; their room stays, so that neither the
    // preset button above them nor the boxes below move as they come and go.
    for (QWidget* widget : std::initializer_list<QWidget*> { mUi->givenSideBox, mUi->fitInsideRadio,
             mUi->fillRadio, mUi->cropCombo, mUi->padRadio }) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    // The size fields' labels change with the sides' mode: they keep the width of the longer
    // names, so that the fields beside them stay in place.
    int labelWidth = 0;
    for (const bool longShortSides : { true, false }) {
        showSideLabels(longShortSides);
        labelWidth = std::max({ labelWidth, mUi->widthLabel->sizeHint().width(),
            mUi->heightLabel->sizeHint().width() });
    }
    mUi->widthLabel->setMinimumWidth(labelWidth);
}

void SizePage::fillMenus()
{
    // The items carry the settings codes as their data; start-up selects by code and the
    // store functions read the code of the selection.
    QComboBox* unit = mUi->unitCombo;
    unit->addItem(tr("Pixels"), int(SizeUnit::Pixels));
    unit->addItem(tr("Inches"), int(SizeUnit::Inches));
    unit->addItem(tr("Millimetres"), int(SizeUnit::Millimetres));
    unit->addItem(tr("Percent"), int(SizeUnit::Percent));

    mUi->givenSideGroup->setId(mUi->firstSideRadio, int(GivenSide::First));
    mUi->givenSideGroup->setId(mUi->secondSideRadio, int(GivenSide::Second));
    mUi->givenSideGroup->setId(mUi->fitInsideRadio, int(GivenSide::Both));
    mUi->givenSideGroup->setId(mUi->fillRadio, kFillId);
    mUi->givenSideGroup->setId(mUi->padRadio, kPadId);

    // Top and left, bottom and right, are one choice here: the start or the end of the side
    // that is cropped.
    QComboBox* crop = mUi->cropCombo;
    crop->addItem(tr("centre"), int(CropPosition::Centre));
    crop->addItem(tr("most interesting part"), int(CropPosition::Attention));
    crop->addItem(tr("most detailed part"), int(CropPosition::Entropy));
    crop->addItem(tr("top or left"), int(CropPosition::Top));
    crop->addItem(tr("bottom or right"), int(CropPosition::Bottom));
}

void SizePage::connectControls()
{
    Ui::SizePage* ui = mUi.get();

    // Only signals that a user's change emits, never a change made by code.
    connect(ui->keepProportionsCheck, &QCheckBox::clicked, this, &SizePage::storeProportional);
    connect(ui->givenSideGroup, &QButtonGroup::idClicked, this, &SizePage::storeGivenSide);
    connect(ui->longShortSidesCheck, &QCheckBox::clicked, this, &SizePage::storeLongShortSides);
    connect(ui->unitCombo, &QComboBox::activated, this, &SizePage::storeUnit);
    for (const auto& [check, key] : { std::pair { ui->noEnlargeCheck, Setting::noEnlarge },
             std::pair { ui->linearLightCheck, Setting::linearLight } })
        connect(check, &QCheckBox::clicked, this,
            [this, check, key] { mSettings->setValue(key, isOn(check)); });
    connect(ui->cropCombo, &QComboBox::activated, this, &SizePage::storeCropPosition);

    for (const NumberPair& pair : numberPairs()) {
        connect(pair.field, &QLineEdit::editingFinished, this, [this, pair] {
            storeFieldNumber(pair);
            emit numberStored();
        });
        connect(
            pair.steps, &StepButtons::stepped, this, [this, pair] { storeSteppedNumber(pair); });
        // Up and Down in a number field step it like its step buttons.
        pair.field->installEventFilter(this);
    }

    // Every edit of a setting, after it was stored.
    for (QLineEdit* field : { ui->widthField, ui->heightField, ui->resolutionField })
        connect(field, &QLineEdit::textEdited, this, &SizePage::edited);
    for (QCheckBox* box : { ui->keepProportionsCheck, ui->longShortSidesCheck, ui->noEnlargeCheck,
             ui->linearLightCheck })
        connect(box, &QAbstractButton::clicked, this, &SizePage::edited);
    connect(ui->givenSideGroup, &QButtonGroup::idClicked, this, &SizePage::edited);
    connect(ui->unitCombo, &QComboBox::activated, this, &SizePage::edited);
    connect(ui->cropCombo, &QComboBox::activated, this, &SizePage::edited);
    for (const NumberPair& pair : numberPairs())
        connect(pair.steps, &StepButtons::stepped, this, &SizePage::edited);

    // The unit's abbreviation beside the size fields follows the menu, however it changes.
    connect(ui->unitCombo, &QComboBox::currentIndexChanged, this, &SizePage::showUnitAbbreviation);
    showUnitAbbreviation();
}

void SizePage::showStoredSettings()
{
    Ui::SizePage* ui = mUi.get();
    const Settings* settings = mSettings;
    ui->keepProportionsCheck->setChecked(settings->value(Setting::proportional));
    ui->longShortSidesCheck->setChecked(settings->value(Setting::longShortSides));
    if (QAbstractButton* radio = ui->givenSideGroup->button(
            radioId(settings->value(Setting::givenSide), settings->value(Setting::boxMode))))
        radio->setChecked(true);
    CropPosition crop = settings->value(Setting::cropPosition);
    if (crop == CropPosition::Left)
        crop = CropPosition::Top;
    else if (crop == CropPosition::Right)
        crop = CropPosition::Bottom;
    selectCode(ui->cropCombo, crop);
    selectCode(ui->unitCombo, settings->value(Setting::unit));
    ui->widthStepButtons->setFloatValue(settings->value(Setting::width));
    setFloatValue(ui->widthField, settings->value(Setting::width));
    ui->heightStepButtons->setFloatValue(settings->value(Setting::height));
    setFloatValue(ui->heightField, settings->value(Setting::height));
    ui->resolutionStepButtons->setFloatValue(settings->value(Setting::resolution));
    setFloatValue(ui->resolutionField, settings->value(Setting::resolution));
    ui->noEnlargeCheck->setChecked(settings->value(Setting::noEnlarge));
    ui->linearLightCheck->setChecked(settings->value(Setting::linearLight));

    // The controls that follow others: these store the values they show, as a user's change
    // would.
    storeLongShortSides();
    storeProportional();
}

void SizePage::showPickedPreset()
{
    showStoredSettings();
    emit presetPicked();
}

QString SizePage::widthText() const
{
    return mUi->widthField->text();
}

QString SizePage::heightText() const
{
    return mUi->heightField->text();
}

QString SizePage::resolutionText() const
{
    return mUi->resolutionField->text();
}

Qt::CheckState SizePage::proportionalState() const
{
    return mUi->keepProportionsCheck->checkState();
}

GivenSide SizePage::givenSide() const
{
    return static_cast<GivenSide>(std::min(mUi->givenSideGroup->checkedId(), int(GivenSide::Both)));
}

bool SizePage::usesLongShortSides() const
{
    return isOn(mUi->longShortSidesCheck);
}

void SizePage::storeProportional()
{
    const bool on = isOn(mUi->keepProportionsCheck);
    mUi->givenSideBox->setVisible(on);
    for (QWidget* widget : std::initializer_list<QWidget*> {
             mUi->fitInsideRadio, mUi->fillRadio, mUi->cropCombo, mUi->padRadio })
        widget->setVisible(on);
    mSettings->setValue(Setting::proportional, on);
    storeGivenSide();
}

void SizePage::storeGivenSide()
{
    Ui::SizePage* ui = mUi.get();
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
    const int id = ui->givenSideGroup->checkedId();
    ui->cropCombo->setEnabled(id == kFillId);
    switch (givenSide()) {
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
        mSettings->setValue(Setting::boxMode,
            id == kFillId      ? BoxMode::Fill
                : id == kPadId ? BoxMode::Pad
                               : BoxMode::Fit);
        break;
    default:
        break;
    }
}

void SizePage::storeLongShortSides()
{
    const bool on = isOn(mUi->longShortSidesCheck);
    showSideLabels(on);
    mSettings->setValue(Setting::longShortSides, on);
}

void SizePage::showSideLabels(bool longShortSides)
{
    //: Label of the first size field, in long and short side mode or in width and height mode.
    mUi->widthLabel->setText(longShortSides ? tr("Long side") : tr("Width"));
    //: Label of the second size field, in long and short side mode or in width and height mode.
    mUi->heightLabel->setText(longShortSides ? tr("Short side") : tr("Height"));
}

void SizePage::storeUnit()
{
    // The numbers in the fields are not converted: from now on they are read in the new unit.
    mSettings->setValue(Setting::unit, selectedCode<SizeUnit>(mUi->unitCombo));
}

void SizePage::storeCropPosition()
{
    mSettings->setValue(Setting::cropPosition, selectedCode<CropPosition>(mUi->cropCombo));
}

std::array<SizePage::NumberPair, 3> SizePage::numberPairs() const
{
    return { { { mUi->widthField, mUi->widthStepButtons, Setting::width },
        { mUi->heightField, mUi->heightStepButtons, Setting::height },
        { mUi->resolutionField, mUi->resolutionStepButtons, Setting::resolution } } };
}

void SizePage::storeFieldNumber(const NumberPair& pair)
{
    const float value = ControlValues::floatValue(pair.field);
    mSettings->setValue(pair.setting, value);
    pair.steps->setFloatValue(value);
    // The field shows the number that is used ("12.5abc" becomes "12.5"). An empty field
    // stays empty: the checks before a batch tell it apart from 0.
    if (!pair.field->text().isEmpty())
        setFloatValue(pair.field, value);
}

void SizePage::storeSteppedNumber(const NumberPair& pair)
{
    const float value = pair.steps->floatValue();
    mSettings->setValue(pair.setting, value);
    setFloatValue(pair.field, value);
}

void SizePage::showUnitAbbreviation()
{
    static const char* const abbreviations[]
        = { "", QT_TR_NOOP("px"), QT_TR_NOOP("in"), QT_TR_NOOP("mm"), QT_TR_NOOP("%") };
    const int code = int(selectedCode<SizeUnit>(mUi->unitCombo));
    const QString text = code >= 1 && code <= 4 ? tr(abbreviations[code]) : QString();
    mUi->widthUnitLabel->setText(text);
    mUi->heightUnitLabel->setText(text);
}

bool SizePage::eventFilter(QObject* watched, QEvent* event)
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
