#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

#include "settings/SettingsTable.h"

class QLineEdit;
class QSettings;

class PresetController;
class Settings;
class StepButtons;

namespace Ui {
class SizePage;
}

// The Size tab: the unit, the width and height (or long and short side) with the side given
// when the proportions are kept, not enlarging, the resolution, and the preset menu. It shows
// the stored settings and stores a value the moment the user changes its control. A control
// changed by code sends nothing, so code that changes a setting's control calls the store
// function itself.
//
// Main thread only.
class SizePage : public QWidget
{
    Q_OBJECT

public:
    explicit SizePage(QWidget* parent = nullptr);
    ~SizePage() override;

    // settings: the store written to; presetStore: the settings file that keeps the user's
    // presets (may be null). Set once, before showStoredSettings(); both outlive this page.
    void setSettings(Settings* settings, QSettings* presetStore);
    // The preset menu, from setSettings() on.
    PresetController* presets() const { return mPresets; }

    // Every control shows its stored value, and the controls that depend on others are shown,
    // hidden, enabled or labelled to match.
    void showStoredSettings();

    // What the controls show, which the checks before a batch read (not the store): the
    // fields' texts, the proportions box's state (mixed included), the side given and whether
    // the values are the long and short side.
    QString widthText() const;
    QString heightText() const;
    QString resolutionText() const;
    Qt::CheckState proportionalState() const;
    GivenSide givenSide() const;
    bool usesLongShortSides() const;

signals:
    // The user changed a setting (a message in the status bar goes with it).
    void edited();
    // A number field's value was stored as its editing ended; its edited() came as it was typed.
    void numberStored();
    // A preset was written into the settings and this page shows it (the Output tab's settings
    // changed too).
    void presetPicked();

private:
    // A number field, its step buttons and the setting that stores their value.
    struct NumberPair
    {
        QLineEdit* field;
        StepButtons* steps;
        SettingKey<float> setting;
    };
    std::array<NumberPair, 3> numberPairs() const;
    // A field and its step buttons always show the same number: whichever the user changed,
    // the other takes its value.
    void storeFieldNumber(const NumberPair& pair);
    void storeSteppedNumber(const NumberPair& pair);

    void fillMenus();
    void connectControls();
    void keepControlsInPlace();
    void showSideLabels(bool longShortSides);
    void storeProportional();
    void storeGivenSide();
    void storeLongShortSides();
    void storeUnit();
    void storeCropPosition();
    void showUnitAbbreviation();
    void showPickedPreset();
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<Ui::SizePage> mUi;
    Settings* mSettings = nullptr;
    PresetController* mPresets = nullptr;
};
