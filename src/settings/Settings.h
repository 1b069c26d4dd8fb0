#pragma once

#include <functional>
#include <memory>
#include <type_traits>

#include <QColor>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include "SettingsTable.h"
#include "model/ResizeOptions.h"

class QSettings;

// The one record of every user setting. Starts from the defaults of the settings table,
// overlays the stored values (load) and writes each value back the moment it is set.
//
// Threads: written on the main thread only. A batch works from a copy of the options it
// takes at its start (resizeOptions), never from this record.
class Settings
{
public:
    // How many images a batch processes at once, at most; the setting's 0 means one per
    // processor core.
    static constexpr int kMaxJobs = 64;

    // Bound to the user's own settings file (organisation and application "Ostrel"), as
    // openUserSettings() gives it.
    Settings();
    // Bound to the given store, which the caller keeps alive; nullptr keeps every value in
    // memory only (a command-line run whose options must not be stored).
    explicit Settings(QSettings* store);
    ~Settings();

    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // A copy of every value that stores nothing.
    std::unique_ptr<Settings> detachedCopy() const;

    // Writes every value set so far to the store now, then reads the settings file back
    // through a copy and checks that it holds each value set since the last sync, as load()
    // would read it. False, with why in problem when given, when the file is not a regular
    // file (nothing is written to it then, nor through a link to it; the user's record has
    // no store at all), could not be written (its folder cannot be made, it is read-only) or
    // did not keep a value; true for a record meant to store nothing.
    bool sync(QString* problem = nullptr);
    // The settings file: the store's, or for the user's record the file that could not be used.
    // Empty for a record meant to store nothing.
    QString fileName() const;

    // The user's settings store (organisation and application "Ostrel"). Null when something
    // other than a regular file stands at the settings file's path, such as a named pipe, which
    // would hold every read forever: the settings then live in memory only, and a warning says
    // so. A special file at one of the organisation's or the system's fallback paths is left
    // unread: only the user's own file is used then.
    static std::unique_ptr<QSettings> openUserSettings();

    // Overlays the stored values: a key that is present and passes its row's check replaces
    // the default; a missing, unparsable or out-of-range value keeps it.
    void load();

    // A setting's value.
    template <typename T> T value(SettingKey<T> key) const
    {
        const QVariant& stored = mValues.at(indexOf(key.name));
        if constexpr (std::is_enum_v<T>)
            return static_cast<T>(stored.toInt());
        else
            return stored.value<T>();
    }
    // Sets a setting and stores it at once (an enumeration as its code).
    template <typename T> void setValue(SettingKey<T> key, std::type_identity_t<T> value)
    {
        if constexpr (std::is_enum_v<T>)
            setStoredValue(QLatin1StringView(key.name), int(value));
        else
            setStoredValue(QLatin1StringView(key.name), QVariant::fromValue<T>(value));
    }
    // The value of a setting as it is stored (bool, float, int or QString); invalid for a key
    // that is no setting's.
    QVariant storedValue(QLatin1StringView key) const;
    // Sets a setting by its key, the value typed as stored; a key that is no setting's is
    // ignored.
    void setStoredValue(QLatin1StringView key, const QVariant& value);

    // The settings a preset covers, those of the Size and Output tabs, by their keys.
    static QStringList presetKeys();
    // The current values of presetKeys(), typed as the settings file stores them.
    QVariantMap presetValues() const;
    // Takes the values of presetKeys() found in values, each read and checked as load() reads
    // the settings file (a missing, unparsable or out-of-range value keeps the current one),
    // and stores them under their usual keys. Other keys are ignored.
    void applyPresetValues(const QVariantMap& values);

    // The colour transparent areas are flattened onto, from its four stored components.
    QColor backgroundColor() const;
    void setBackgroundColor(const QColor& color);
    // The pixel limit (the maxMegapixels setting) in pixels.
    qint64 maxPixels() const { return qint64(value(Setting::maxMegapixels)) * 1'000'000; }
    // What the jobs setting means on this machine: at least 1.
    int effectiveJobs() const;
    // What a resize needs of the settings, as they are now.
    ResizeOptions resizeOptions() const;

private:
    static int indexOf(const char* key);
    void store(const char* key, const QVariant& value);
    // load()'s reading and checking of every value, from any source of stored values (an
    // invalid QVariant: not present).
    void overlay(const std::function<QVariant(const char*)>& valueOf);
    // Why the file does not hold the values set since the last sync; empty when it does.
    QString readBackProblem(const QString& file) const;

    // Every setting's value, in the order of the table's rows, typed as stored.
    QList<QVariant> mValues;

    std::unique_ptr<QSettings> mOwnedStore;
    QSettings* mStore = nullptr;
    // The user's settings file when it is not a regular file and the record has no store.
    QString mUnusableFile;
    // The keys set since the last sync that found them in the file.
    QSet<QString> mUnsynced;
};
