#pragma once

#include <QObject>
#include <QString>

#include "settings/Presets.h"

class QInputDialog;
class QMenu;
class QPushButton;
class QSettings;

class Settings;

// The preset menu of the Size tab's preset button: picks a preset into the settings, saves
// the current Size and Output settings under a name, renames and deletes the user's presets.
// The built-in presets are always listed and cannot be renamed or deleted.
//
// Main thread only.
class PresetController : public QObject
{
    Q_OBJECT

public:
    // button: the button that opens the menu; its window is the parent of the menu's dialogs.
    // button, settings and store (may be null) outlive this object.
    PresetController(
        QPushButton* button, Settings* settings, QSettings* store, QObject* parent = nullptr);

    QMenu* menu() const { return mMenu; }
    const Presets& presets() const { return mPresets; }

public slots:
    // Writes the preset into the settings (picked() follows); false when none has that name.
    bool pick(const QString& name);
    // Each says what is wrong with the name in a window-modal message and returns false.
    bool savePreset(const QString& name);
    bool renamePreset(const QString& name, const QString& newName);
    bool deletePreset(const QString& name);

signals:
    // A preset was written into the settings: the pages show it again (and a message in the
    // status bar goes with it).
    void picked();
    // The user chose to write every image once with each of these presets, in this order.
    void runWithPresetsRequested(const QStringList& names);
    // A preset of the user's was saved, renamed or deleted.
    void presetsChanged();

private:
    void fillMenu();
    void askNameToSave();
    void askNewName(const QString& name);
    // OK stays disabled while the name typed cannot name a preset, by the store's own rule
    // (except: the name of the preset being renamed, which may stay); a name taken is said so
    // in the dialog. For a dialog that is open.
    void acceptOnlyFreeNames(QInputDialog* dialog, const QString& except = QString());
    void confirmDelete(const QString& name);
    // A checklist of every preset; Resize asks for a run with those checked.
    void askPresetsToRun();
    void showNameProblem(Presets::NameProblem problem, const QString& name);

    QPushButton* mButton;
    Settings* mSettings;
    Presets mPresets;
    QMenu* mMenu; // owned by the preset button
    QMenu* mRenameMenu; // these two owned by mMenu
    QMenu* mDeleteMenu;
};
