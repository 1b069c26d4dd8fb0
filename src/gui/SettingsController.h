#pragma once

#include <QObject>

#include <array>

#include "settings/SettingsTable.h"

class QFileDialog;
class QLineEdit;

class Settings;
class StepButtons;

namespace Ui {
class MainWindow;
}

// The settings controls of the Size and Output tabs (and the choice of tab): fills their
// menus, brings them into line with the stored settings, and stores a value the moment the
// user changes its control. A control changed by code sends nothing, so code that changes a
// setting's control calls the store function itself.
//
// Main thread only.
class SettingsController : public QObject
{
    Q_OBJECT

public:
    // ui: the window's widgets; settings: the store written to. Both outlive this object.
    SettingsController(Ui::MainWindow* ui, Settings* settings, QObject* parent = nullptr);

    // Every control shows its stored value, and the controls that depend on others are shown,
    // hidden, enabled or labelled to match.
    void showStoredSettings();

public slots:
    void storeBackgroundEnabled();
    void storeBackgroundColor();
    void storeProportional();
    void storeGivenSide();
    void storeLongShortSides();
    void storeUnit();
    void storeNaming();
    void storeOutputFormat();
    void storeQuality();
    void storeNoEnlarge();
    void storeExistingFile();
    void storeMetadata();
    void storeTiffCompression();
    // The tab widget reports every newly selected tab, whether the user or code selected it.
    void storeCurrentTab(int index);
    // A window-modal folder dialog; the folder chosen goes into the field and the store.
    void chooseOutputFolder();
    void outputFolderChosen(QFileDialog* dialog, int result);

signals:
    // The user changed a setting (a message in the status bar goes with it).
    void edited();

private:
    // A number field, its step buttons and the setter that stores their value.
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
    void showUnitAbbreviation();
    bool eventFilter(QObject* watched, QEvent* event) override;

    Ui::MainWindow* mUi;
    Settings* mSettings;
};
