#include "Settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace {

// Values read back from the settings file are checked strictly: a garbled file must never
// turn into a surprising setting, it falls back to the default instead.

std::optional<bool> readBool(const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (v.typeId() != QMetaType::QString && !v.canConvert<int>())
        return std::nullopt;
    const QString text = v.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

std::optional<double> readNumber(const QVariant& v)
{
    bool ok = false;
    double d = 0.0;
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        d = v.toDouble(&ok);
        break;
    case QMetaType::QString:
        d = v.toString().trimmed().toDouble(&ok);
        break;
    default:
        break;
    }
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::optional<float> readFloat(const QVariant& v, double min, double max, bool minExclusive = false)
{
    const auto d = readNumber(v);
    if (!d || *d > max || *d < min || (minExclusive && *d == min))
        return std::nullopt;
    const float f = static_cast<float>(*d);
    if (!std::isfinite(f))
        return std::nullopt;
    return f;
}

std::optional<int> readInt(const QVariant& v, int min, int max)
{
    const auto d = readNumber(v);
    if (!d || std::trunc(*d) != *d || *d < min || *d > max)
        return std::nullopt;
    return static_cast<int>(*d);
}

std::optional<QString> readString(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    // A plain number written by hand into the file comes back typed; a list (unquoted commas)
    // or a serialised object is not a path or a name we wrote.
    if (v.typeId() == QMetaType::QStringList || v.typeId() == QMetaType::QByteArray
        || !v.canConvert<QString>())
        return std::nullopt;
    return v.toString();
}

// The keys of the settings file. Stored files rely on them: they never change.
namespace Key {
constexpr char background[] = "background";
constexpr char backgroundColorR[] = "backgroundColorR";
constexpr char backgroundColorG[] = "backgroundColorG";
constexpr char backgroundColorB[] = "backgroundColorB";
constexpr char backgroundColorA[] = "backgroundColorA";
constexpr char showFullPath[] = "showFullPath";
constexpr char proportional[] = "proportional";
constexpr char longShortSides[] = "switchSides";
constexpr char givenSide[] = "tagSides";
constexpr char unit[] = "UM";
constexpr char currentTab[] = "tab";
constexpr char width[] = "widthValue";
constexpr char height[] = "heightValue";
constexpr char resolution[] = "resValue";
constexpr char outputFolder[] = "dest";
constexpr char naming[] = "nameMenu";
constexpr char baseName[] = "name";
constexpr char startNumber[] = "nameNum";
constexpr char outputFormat[] = "formatMenu";
constexpr char metadata[] = "metadata";
constexpr char tiffCompression[] = "tiffCompression";
constexpr char quality[] = "quality";
constexpr char maxMegapixels[] = "maxMegapixels";
constexpr char noEnlarge[] = "noEnlarge";
constexpr char existingFile[] = "existingFile";
constexpr char jobs[] = "jobs";
constexpr char lastOpenFolder[] = "lastOpenFolder";
} // namespace Key

// A parser of the stored code of one of the enumerations, whose valid codes are lo to hi.
template <typename Code> auto readCode(int lo, int hi)
{
    return [lo, hi](const QVariant& v) -> std::optional<Code> {
        if (const auto code = readInt(v, lo, hi))
            return static_cast<Code>(*code);
        return std::nullopt;
    };
}

constexpr double kHuge = 3.0e38; // within float range

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

} // namespace

Settings::Settings()
    : mOwnedStore(openUserSettings())
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
    : mStore(store)
{
}

Settings::~Settings() = default;

std::unique_ptr<Settings> Settings::detachedCopy() const
{
    auto copy = std::make_unique<Settings>(nullptr);
    copy->mBackgroundEnabled = mBackgroundEnabled;
    copy->mBackgroundColorR = mBackgroundColorR;
    copy->mBackgroundColorG = mBackgroundColorG;
    copy->mBackgroundColorB = mBackgroundColorB;
    copy->mBackgroundColorA = mBackgroundColorA;
    copy->mShowsFullPath = mShowsFullPath;
    copy->mProportional = mProportional;
    copy->mUsesLongShortSides = mUsesLongShortSides;
    copy->mGivenSide = mGivenSide;
    copy->mUnit = mUnit;
    copy->mCurrentTab = mCurrentTab;
    copy->mWidth = mWidth;
    copy->mHeight = mHeight;
    copy->mResolution = mResolution;
    copy->mOutputFolder = mOutputFolder;
    copy->mNaming = mNaming;
    copy->mBaseName = mBaseName;
    copy->mStartNumber = mStartNumber;
    copy->mOutputFormat = mOutputFormat;
    copy->mMetadata = mMetadata;
    copy->mTiffCompression = mTiffCompression;
    copy->mQuality = mQuality;
    copy->mNoEnlarge = mNoEnlarge;
    copy->mExistingFile = mExistingFile;
    copy->mMaxMegapixels = mMaxMegapixels;
    copy->mJobs = mJobs;
    copy->mLastOpenFolder = mLastOpenFolder;
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
    const QVariantMap expected = storedValues(*this);
    const QVariantMap found = storedValues(readBack);
    QStringList keys(mUnsynced.cbegin(), mUnsynced.cend());
    keys.sort();
    for (const QString& key : std::as_const(keys)) {
        if (found.value(key) != expected.value(key))
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
    auto take = [&valueOf](const char* key, auto& field, auto&& parse) {
        const QVariant v = valueOf(key);
        if (!v.isValid())
            return;
        if (const auto parsed = parse(v))
            field = *parsed;
    };
    auto fraction = [](const QVariant& v) { return readFloat(v, 0.0, 1.0); };
    auto size = [](const QVariant& v) { return readFloat(v, 0.0, kHuge); };
    auto positive = [](const QVariant& v) { return readFloat(v, 0.0, kHuge, true); };
    auto intIn
        = [](int lo, int hi) { return [lo, hi](const QVariant& v) { return readInt(v, lo, hi); }; };

    take(Key::background, mBackgroundEnabled, readBool);
    take(Key::backgroundColorR, mBackgroundColorR, fraction);
    take(Key::backgroundColorG, mBackgroundColorG, fraction);
    take(Key::backgroundColorB, mBackgroundColorB, fraction);
    take(Key::backgroundColorA, mBackgroundColorA, fraction);
    take(Key::showFullPath, mShowsFullPath, readBool);
    take(Key::proportional, mProportional, readBool);
    take(Key::longShortSides, mUsesLongShortSides, readBool);
    take(Key::givenSide, mGivenSide, readCode<GivenSide>(1, 3));
    take(Key::unit, mUnit, readCode<SizeUnit>(1, 4));
    take(Key::currentTab, mCurrentTab, intIn(0, 2));
    take(Key::width, mWidth, size);
    take(Key::height, mHeight, size);
    take(Key::resolution, mResolution, positive);
    take(Key::outputFolder, mOutputFolder, readString);
    take(Key::naming, mNaming, readCode<OutputNaming>(1, 2));
    take(Key::baseName, mBaseName, readString);
    take(Key::startNumber, mStartNumber, readString);
    take(Key::outputFormat, mOutputFormat, [](const QVariant& v) {
        const auto code = readInt(v, INT_MIN, INT_MAX);
        return code ? OutputFormats::fromCode(*code) : std::nullopt;
    });
    take(Key::metadata, mMetadata, readCode<MetadataMode>(1, 3));
    take(Key::tiffCompression, mTiffCompression, readCode<TiffCompression>(1, 2));
    take(Key::quality, mQuality, fraction);
    take(Key::maxMegapixels, mMaxMegapixels, intIn(1, kMaxMegapixelsLimit));
    take(Key::noEnlarge, mNoEnlarge, readBool);
    take(Key::existingFile, mExistingFile, readCode<ExistingFile>(1, 3));
    take(Key::jobs, mJobs, intIn(0, kMaxJobs));
    take(Key::lastOpenFolder, mLastOpenFolder, readString);
}

QColor Settings::backgroundColor() const
{
    return QColor::fromRgbF(
        mBackgroundColorR, mBackgroundColorG, mBackgroundColorB, mBackgroundColorA);
}

void Settings::store(const char* key, const QVariant& value)
{
    // Until a sync finds the value in the file.
    mUnsynced.insert(QLatin1String(key));
    if (mStore)
        mStore->setValue(QLatin1String(key), value);
}

void Settings::setBackgroundEnabled(bool enabled)
{
    mBackgroundEnabled = enabled;
    store(Key::background, enabled);
}

void Settings::setShowsFullPath(bool shows)
{
    mShowsFullPath = shows;
    store(Key::showFullPath, shows);
}

void Settings::setProportional(bool proportional)
{
    mProportional = proportional;
    store(Key::proportional, proportional);
}

void Settings::setUsesLongShortSides(bool uses)
{
    mUsesLongShortSides = uses;
    store(Key::longShortSides, uses);
}

void Settings::setGivenSide(GivenSide side)
{
    mGivenSide = side;
    store(Key::givenSide, int(side));
}

void Settings::setUnit(SizeUnit unit)
{
    mUnit = unit;
    store(Key::unit, int(unit));
}

void Settings::setCurrentTab(int tab)
{
    mCurrentTab = tab;
    store(Key::currentTab, tab);
}

void Settings::setNaming(OutputNaming naming)
{
    mNaming = naming;
    store(Key::naming, int(naming));
}

void Settings::setTiffCompression(TiffCompression compression)
{
    mTiffCompression = compression;
    store(Key::tiffCompression, int(compression));
}

void Settings::setMetadata(MetadataMode mode)
{
    mMetadata = mode;
    store(Key::metadata, int(mode));
}

void Settings::setOutputFormat(OutputFormat format)
{
    mOutputFormat = format;
    store(Key::outputFormat, int(format));
}

void Settings::setWidth(float width)
{
    mWidth = width;
    store(Key::width, width);
}

void Settings::setHeight(float height)
{
    mHeight = height;
    store(Key::height, height);
}

void Settings::setResolution(float resolution)
{
    mResolution = resolution;
    store(Key::resolution, resolution);
}

void Settings::setQuality(float quality)
{
    mQuality = quality;
    store(Key::quality, quality);
}

void Settings::setOutputFolder(const QString& folder)
{
    mOutputFolder = folder;
    store(Key::outputFolder, folder);
}

void Settings::setBaseName(const QString& name)
{
    mBaseName = name;
    store(Key::baseName, name);
}

void Settings::setStartNumber(const QString& number)
{
    mStartNumber = number;
    store(Key::startNumber, number);
}

void Settings::setMaxMegapixels(int value)
{
    mMaxMegapixels = value;
    store(Key::maxMegapixels, value);
}

void Settings::setNoEnlarge(bool noEnlarge)
{
    mNoEnlarge = noEnlarge;
    store(Key::noEnlarge, noEnlarge);
}

void Settings::setExistingFile(ExistingFile existing)
{
    mExistingFile = existing;
    store(Key::existingFile, int(existing));
}

void Settings::setJobs(int value)
{
    mJobs = value;
    store(Key::jobs, value);
}

void Settings::setLastOpenFolder(const QString& folder)
{
    mLastOpenFolder = folder;
    store(Key::lastOpenFolder, folder);
}

int Settings::effectiveJobs() const
{
    if (mJobs > 0)
        return mJobs;
    return std::clamp(QThread::idealThreadCount(), 1, kMaxJobs);
}

void Settings::setBackgroundColor(const QColor& color)
{
    // QColor keeps 16 bits a component: a colour that round-trips through the colour well
    // unchanged keeps the exact stored floats instead of drifting (0.5 -> 0.500008).
    const QColor rgb = color.toRgb();
    auto take = [](float& field, float value) {
        if (std::lround(field * 65535.0f) != std::lround(value * 65535.0f))
            field = value;
    };
    take(mBackgroundColorR, rgb.redF());
    take(mBackgroundColorG, rgb.greenF());
    take(mBackgroundColorB, rgb.blueF());
    take(mBackgroundColorA, rgb.alphaF());
    store(Key::backgroundColorR, mBackgroundColorR);
    store(Key::backgroundColorG, mBackgroundColorG);
    store(Key::backgroundColorB, mBackgroundColorB);
    store(Key::backgroundColorA, mBackgroundColorA);
}

QStringList Settings::presetKeys()
{
    return presetValues(Settings(nullptr)).keys();
}

QVariantMap Settings::presetValues() const
{
    return presetValues(*this);
}

QVariantMap Settings::presetValues(const Settings& s)
{
    // The values exactly as the setters store them, so that a preset reads back like the
    // settings file does; those of the window, the limits and the open panels are not a
    // preset's.
    QVariantMap values = storedValues(s);
    for (const char* key :
        { Key::showFullPath, Key::currentTab, Key::maxMegapixels, Key::jobs, Key::lastOpenFolder })
        values.remove(QLatin1String(key));
    return values;
}

QVariantMap Settings::storedValues(const Settings& s)
{
    return {
        { Key::showFullPath, s.mShowsFullPath },
        { Key::currentTab, s.mCurrentTab },
        { Key::maxMegapixels, s.mMaxMegapixels },
        { Key::jobs, s.mJobs },
        { Key::lastOpenFolder, s.mLastOpenFolder },
        { Key::unit, int(s.mUnit) },
        { Key::width, s.mWidth },
        { Key::height, s.mHeight },
        { Key::resolution, s.mResolution },
        { Key::proportional, s.mProportional },
        { Key::longShortSides, s.mUsesLongShortSides },
        { Key::givenSide, int(s.mGivenSide) },
        { Key::noEnlarge, s.mNoEnlarge },
        { Key::outputFolder, s.mOutputFolder },
        { Key::naming, int(s.mNaming) },
        { Key::baseName, s.mBaseName },
        { Key::startNumber, s.mStartNumber },
        { Key::existingFile, int(s.mExistingFile) },
        { Key::outputFormat, int(s.mOutputFormat) },
        { Key::quality, s.mQuality },
        { Key::metadata, int(s.mMetadata) },
        { Key::tiffCompression, int(s.mTiffCompression) },
        { Key::background, s.mBackgroundEnabled },
        { Key::backgroundColorR, s.mBackgroundColorR },
        { Key::backgroundColorG, s.mBackgroundColorG },
        { Key::backgroundColorB, s.mBackgroundColorB },
        { Key::backgroundColorA, s.mBackgroundColorA },
    };
}

void Settings::applyPresetValues(const QVariantMap& values)
{
    // Only the keys a preset covers; each is read as load() reads the settings file, so a
    // value out of range or of the wrong type keeps the current one.
    QVariantMap taken;
    for (const QString& key : presetKeys()) {
        if (values.contains(key))
            taken.insert(key, values.value(key));
    }
    overlay([&taken](const char* key) { return taken.value(QLatin1String(key)); });
    const QVariantMap now = presetValues();
    for (auto it = taken.cbegin(); it != taken.cend(); ++it)
        store(qPrintable(it.key()), now.value(it.key()));
}

ResizeOptions Settings::resizeOptions() const
{
    ResizeOptions options;
    options.unit = mUnit;
    options.width = mWidth;
    options.height = mHeight;
    options.resolution = mResolution;
    options.proportional = mProportional;
    options.givenSide = mGivenSide;
    options.longShortSides = mUsesLongShortSides;
    options.noEnlarge = mNoEnlarge;
    options.outputFolder = mOutputFolder;
    options.naming = mNaming;
    options.baseName = mBaseName;
    options.startNumber = mStartNumber;
    options.existingFile = mExistingFile;
    options.format = mOutputFormat;
    options.quality = mQuality;
    options.metadata = mMetadata;
    options.tiffCompression = mTiffCompression;
    options.flatten = mBackgroundEnabled;
    options.background = backgroundColor();
    options.maxPixels = maxPixels();
    return options;
}
