#pragma once

#include <QObject>
#include <QString>

#include "settings/Presets.h"

class QMenu;
class QSettings;

class Settings;
class SettingsController;

namespace Ui {
class MainWindow;
}

// The preset menu of the Size tab: picks a preset into the settings and the controls, saves
// the current Size and Output settings under a name, renames and deletes the user's presets.
// The built-in presets are always listed and cannot be renamed or deleted.
//
// Main thread only.
class PresetController : public QObject
{
    Q_OBJECT

public:
    // ui, settings, store (may be null) and controls outlive this object.
    PresetController(Ui::MainWindow* ui, Settings* settings, QSettings* store,
        SettingsController* controls, QObject* parent = nullptr);

    QMenu* menu() const { return mMenu; }
    const Presets& presets() const { return mPresets; }

public slots:
    // Writes the preset into the settings and shows it in the controls; false when none has
    // that name.
    bool pick(const QString& name);
    // Each says what is wrong with the name in a window-modal message and returns false.
    bool savePreset(const QString& name);
    bool renamePreset(const QString& name, const QString& newName);
    bool deletePreset(const QString& name);

signals:
    // The settings changed through a preset (a message in the status bar goes with it).
    void edited();

private:
    void fillMenu();
    void askNameToSave();
    void askNewName(const QString& name);
    void confirmDelete(const QString& name);
    void showNameProblem(Presets::NameProblem problem, const QString& name);

    Ui::MainWindow* mUi;
    Settings* mSettings;
    SettingsController* mControls;
    Presets mPresets;
    QMenu* mMenu; // owned by the preset button
    QMenu* mRenameMenu; // these two owned by mMenu
    QMenu* mDeleteMenu;
};
