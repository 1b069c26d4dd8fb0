#pragma once

#include <functional>

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include "model/ResizeOptions.h"

class QSettings;
class Settings;

// A named set of Size and Output settings: the settings keys it covers, with their values as
// the settings file stores them. Picking it writes those values into the settings; the keys
// it does not hold keep their values.
struct Preset
{
    QString name;
    QVariantMap values;
    // Shipped with the application: always listed, never renamed, deleted or stored.
    bool builtIn = false;
    // A built-in preset's name in English, whatever the language (a file manager's menu entry
    // made in another language may name it so); empty for the user's.
    QString englishName = {};
};

// The presets: the built-in ones, then the user's own in the order they were saved. The user's
// live in the settings file in a group of their own ("presets", a QSettings array of name and
// values), apart from the keys the settings themselves use.
//
// Main thread only, like the Settings it writes into.
class Presets
{
public:
    // Why a name cannot name a preset.
    enum class NameProblem
    {
        None,
        Empty,
        Taken,
    };

    // store: the settings file, kept alive by the caller; nullptr keeps the user's presets in
    // memory only.
    explicit Presets(QSettings* store);

    // Built-in first, then the user's; read from the store each time.
    QList<Preset> all() const;
    // Null name if none has that name.
    Preset find(const QString& name) const;

    // A name is taken by any preset whose name matches without regard to case and surrounding
    // white space; except names the preset being renamed, which may keep its name.
    NameProblem checkName(const QString& name, const QString& except = QString()) const;

    // Saves the current Size and Output settings as a new preset of the user's, under the
    // trimmed name; fails with the name's problem.
    NameProblem save(const QString& name, const Settings& settings);
    // Renames a preset of the user's; a built-in one, or a name not found, gives false.
    bool rename(const QString& name, const QString& newName);
    // Deletes a preset of the user's; a built-in one, or a name not found, gives false.
    bool remove(const QString& name);
    // Writes the preset's values into settings (each checked as the settings file's are);
    // false when no preset has that name.
    bool apply(const QString& name, Settings& settings) const;

    static QList<Preset> builtIn();

    // The outputs of a run that writes every image once with each preset named, in that
    // order: base's values with the preset's over them, then adjust's changes (the options
    // given for the run itself win over the preset's). With several presets, every output goes
    // into the output folder of base and adjust, in a folder named after its preset, unless
    // the output names hold the preset's name already. Names no preset has go to unknown,
    // and leave no output.
    QList<ResizeOptions> runOutputs(const QStringList& names, const Settings& base,
        const std::function<void(Settings&)>& adjust, QStringList* unknown = nullptr) const;
    // A folder name for a preset's outputs: its name, with what cannot be in a file's name
    // ("/", control characters; "." and ".." whole) replaced by "_".
    static QString folderName(const QString& presetName);

private:
    QList<Preset> userPresets() const;
    void storeUserPresets(const QList<Preset>& presets);

    QSettings* mStore;
    // The user's presets when there is no store.
    QList<Preset> mInMemory;
};
