#include "Settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <climits>
#include <cmath>
#include <optional>

namespace {

// Whether something other than a regular file stands at path (a symbolic link is followed).
bool isSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

constexpr char kOrganisation[] = "Ostrel";
constexpr char kApplication[] = "Ostrel";

QString userConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// The user's own settings file, where QSettings keeps the organisation's and application's
// settings on this system.
QString userSettingsFile()
{
    return userConfigFolder() + QLatin1Char('/') + QLatin1String(kOrganisation) + QLatin1Char('/')
        + QLatin1String(kApplication) + QStringLiteral(".conf");
}

QString notRegularFileText()
{
    return QCoreApplication::translate("Settings", "it is not a regular file");
}

// Whether the store is a file that can be copied and read back (not the Windows registry).
bool storesInFile(const QSettings& store)
{
#if defined(Q_OS_WIN)
    return store.format() != QSettings::NativeFormat;
#else
    Q_UNUSED(store);
    return true;
#endif
}

// Every setting at its default.
QList<QVariant> defaultValues()
{
    QList<QVariant> values;
    for (const SettingRow& row : SettingsTable::rows())
        values << row.defaultValue;
    return values;
}

} // namespace

Settings::Settings()
    : mValues(defaultValues())
    , mOwnedStore(openUserSettings())
    , mStore(mOwnedStore.get())
{
    // The user's file is not a regular file: the values live in memory, and sync() says so.
    if (!mStore)
        mUnusableFile = userSettingsFile();
}

std::unique_ptr<QSettings> Settings::openUserSettings()
{
    const QString organisation = QLatin1String(kOrganisation);
    const QString application = QLatin1String(kApplication);
    // The files QSettings reads on the way, in its order: the user's file for the application,
    // the user's for the organisation, then the same two in each system folder.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QString userFolder = userConfigFolder();
    folders.removeAll(userFolder);
    const QString userFile = userSettingsFile();
    if (isSpecialFile(userFile)) {
        qWarning("%s",
            qPrintable(QCoreApplication::translate("Settings",
                "The settings file %1 is not a regular file: settings are neither read from it "
                "nor stored.")
                           .arg(userFile)));
        return nullptr;
    }
    QStringList fallbacks { userFolder + QLatin1Char('/') + organisation + ".conf" };
    for (const QString& folder : folders) {
        fallbacks << folder + QLatin1Char('/') + organisation + QLatin1Char('/') + application
                + ".conf"
                  << folder + QLatin1Char('/') + organisation + ".conf";
    }
    for (const QString& fallback : fallbacks) {
        if (isSpecialFile(fallback))
            return std::make_unique<QSettings>(userFile, QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(organisation, application);
}

Settings::Settings(QSettings* store)
    : mValues(defaultValues())
    , mStore(store)
{
}

Settings::~Settings() = default;

std::unique_ptr<Settings> Settings::detachedCopy() const
{
    auto copy = std::make_unique<Settings>(nullptr);
    copy->mValues = mValues;
    return copy;
}

bool Settings::sync(QString* problem)
{
    const auto fail = [problem](const QString& reason) {
        if (problem)
            *problem = reason;
        return false;
    };
    if (!mStore)
        return mUnusableFile.isEmpty() || fail(notRegularFileText());
    // Looked at again: a link to a device put in the file's place since it was opened must
    // not be written through (QSettings would write its new file beside the link's target).
    const QString file = mStore->fileName();
    if (isSpecialFile(file))
        return fail(notRegularFileText());
    mStore->sync();
    switch (mStore->status()) {
    case QSettings::NoError:
        break;
    case QSettings::AccessError:
        return fail(QCoreApplication::translate("Settings", "it could not be written"));
    case QSettings::FormatError:
        return fail(
            QCoreApplication::translate("Settings", "it is not in the format of a settings file"));
    }
    if (storesInFile(*mStore)) {
        if (const QString reason = readBackProblem(file); !reason.isEmpty())
            return fail(reason);
    }
    mUnsynced.clear();
    return true;
}

QString Settings::readBackProblem(const QString& file) const
{
    if (mUnsynced.isEmpty())
        return QString();
    // A file that is not a regular file holds no settings, whatever was written to it; it is
    // not read either (a device or a pipe would give bytes for ever, or none).
    if (isSpecialFile(file))
        return notRegularFileText();
    // QSettings answers a second reader of a file it has read from what it holds in memory,
    // and knows a file again by its size and time: the file is read back through a copy under
    // a name never used before.
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("settings.conf"));
    if (!folder.isValid() || !QFile::copy(file, copy))
        return QCoreApplication::translate("Settings", "it could not be read back");
    QSettings stored(copy, mStore->format());
    Settings readBack(&stored);
    readBack.load();
    QStringList keys(mUnsynced.cbegin(), mUnsynced.cend());
    keys.sort();
    for (const QString& key : std::as_const(keys)) {
        const QByteArray name = key.toLatin1();
        if (readBack.storedValue(QLatin1StringView(name)) != storedValue(QLatin1StringView(name)))
            return QCoreApplication::translate("Settings", "it did not keep the value of %1")
                .arg(key);
    }
    return QString();
}

QString Settings::fileName() const
{
    return mStore ? mStore->fileName() : mUnusableFile;
}

void Settings::load()
{
    if (!mStore)
        return;
    QSettings& s = *mStore;
    overlay([&s](const char* key) { return s.value(QLatin1String(key)); });
}

void Settings::overlay(const std::function<QVariant(const char*)>& valueOf)
{
    const std::span<const SettingRow> rows = SettingsTable::rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (const QVariant value = SettingsTable::checked(rows[i], valueOf(rows[i].key));
            value.isValid())
            mValues[qsizetype(i)] = value;
    }
}

int Settings::indexOf(const char* key)
{
    const std::span<const SettingRow> rows = SettingsTable::rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].key == key || std::strcmp(rows[i].key, key) == 0)
            return int(i);
    }
    qFatal("no setting has the key %s", key);
    return -1;
}

QVariant Settings::storedValue(QLatin1StringView key) const
{
    const SettingRow* row = SettingsTable::find(key);
    return row ? mValues.at(indexOf(row->key)) : QVariant();
}

void Settings::setStoredValue(QLatin1StringView key, const QVariant& value)
{
    const SettingRow* row = SettingsTable::find(key);
    if (!row)
        return;
    mValues[indexOf(row->key)] = value;
    store(row->key, value);
}

QColor Settings::backgroundColor() const
{
    return QColor::fromRgbF(value(Setting::backgroundRed), value(Setting::backgroundGreen),
        value(Setting::backgroundBlue), value(Setting::backgroundAlpha));
}

void Settings::store(const char* key, const QVariant& value)
{
    // Until a sync finds the value in the file.
    mUnsynced.insert(QLatin1String(key));
    if (mStore)
        mStore->setValue(QLatin1String(key), value);
}

int Settings::effectiveJobs() const
{
    if (const int jobs = value(Setting::jobs); jobs > 0)
        return jobs;
    return std::clamp(QThread::idealThreadCount(), 1, kMaxJobs);
}

void Settings::setBackgroundColor(const QColor& color)
{
    // QColor keeps 16 bits a component: a colour that round-trips through the colour well
    // unchanged keeps the exact stored floats instead of drifting (0.5 -> 0.500008).
    const QColor rgb = color.toRgb();
    const auto take = [this](SettingKey<float> key, float component) {
        const float now = value(key);
        setValue(key,
            std::lround(now * 65535.0f) != std::lround(component * 65535.0f) ? component : now);
    };
    take(Setting::backgroundRed, rgb.redF());
    take(Setting::backgroundGreen, rgb.greenF());
    take(Setting::backgroundBlue, rgb.blueF());
    take(Setting::backgroundAlpha, rgb.alphaF());
}

QStringList Settings::presetKeys()
{
    QStringList keys;
    for (const SettingRow& row : SettingsTable::rows()) {
        if (row.preset)
            keys << QLatin1String(row.key);
    }
    return keys;
}

QVariantMap Settings::presetValues() const
{
    QVariantMap values;
    for (const QString& key : presetKeys())
        values.insert(key, storedValue(QLatin1StringView(key.toLatin1())));
    return values;
}

void Settings::applyPresetValues(const QVariantMap& values)
{
    // Only the keys a preset covers; each is read as load() reads the settings file, so a
    // value out of range or of the wrong type keeps the current one.
    // A preset from before fill and pad that gives a box meant fit inside it.
    QVariantMap complete = values;
    if (values.contains(QLatin1String(Setting::givenSide.name)))
        complete.insert(QLatin1String(Setting::boxMode.name),
            values.value(QLatin1String(Setting::boxMode.name), int(BoxMode::Fit)));
    for (const SettingRow& row : SettingsTable::rows()) {
        const QLatin1String key(row.key);
        if (!row.preset || !complete.contains(key))
            continue;
        if (const QVariant value = SettingsTable::checked(row, complete.value(key));
            value.isValid())
            setStoredValue(key, value);
        else
            store(row.key, storedValue(key)); // stored again, as a preset's key always was
    }
}

ResizeOptions Settings::resizeOptions() const
{
    ResizeOptions options;
    options.unit = value(Setting::unit);
    options.width = value(Setting::width);
    options.height = value(Setting::height);
    options.resolution = value(Setting::resolution);
    options.proportional = value(Setting::proportional);
    options.givenSide = value(Setting::givenSide);
    options.longShortSides = value(Setting::longShortSides);
    options.noEnlarge = value(Setting::noEnlarge);
    options.boxMode = value(Setting::boxMode);
    options.cropPosition = value(Setting::cropPosition);
    options.linearLight = value(Setting::linearLight);
    options.outputFolder = value(Setting::outputFolder);
    options.naming = value(Setting::naming);
    options.baseName = value(Setting::baseName);
    options.startNumber = value(Setting::startNumber);
    options.nameTemplate = value(Setting::nameTemplate);
    options.keepTree = value(Setting::keepTree);
    options.skipLarger = value(Setting::skipLarger);
    options.keepDates = value(Setting::keepDates);
    options.existingFile = value(Setting::existingFile);
    options.format = value(Setting::outputFormat);
    options.quality = value(Setting::quality);
    options.lossless = value(Setting::lossless);
    options.maxFileSize = value(Setting::maxFileSize);
    options.minQuality = value(Setting::minQuality);
    options.metadata = value(Setting::metadata);
    options.tiffCompression = value(Setting::tiffCompression);
    options.flatten = value(Setting::background);
    options.background = backgroundColor();
    options.maxPixels = maxPixels();
    options.decoderMemoryMiB = value(Setting::decoderMemory);
    options.decoderSeconds = value(Setting::decoderSeconds);
    return options;
}
