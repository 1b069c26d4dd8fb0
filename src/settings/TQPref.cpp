#include "TQPref.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

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

constexpr double kHuge = 3.0e38; // within float range

// Whether something other than a regular file stands at path (a symbolic link is followed).
bool isSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}
} // namespace

TQPref::TQPref()
    : mOwnedStore(openUserSettings())
    , mDefaults(mOwnedStore.get())
{
}

std::unique_ptr<QSettings> TQPref::openUserSettings()
{
    const QString organisation = QStringLiteral("Ostrel");
    const QString application = QStringLiteral("Ostrel");
    // The files QSettings reads on the way, in its order: the user's file for the application,
    // the user's for the organisation, then the same two in each system folder.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QString userFolder
        = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    folders.removeAll(userFolder);
    const QString userFile
        = userFolder + QLatin1Char('/') + organisation + QLatin1Char('/') + application + ".conf";
    if (isSpecialFile(userFile)) {
        qWarning("The settings file %s is not a regular file: settings are neither read from it "
                 "nor stored.",
            qPrintable(userFile));
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

TQPref::TQPref(QSettings* store)
    : mDefaults(store)
{
}

TQPref::~TQPref() = default;

std::unique_ptr<TQPref> TQPref::detachedCopy() const
{
    auto copy = std::make_unique<TQPref>(nullptr);
    copy->mBackground = mBackground;
    copy->mBackgroundColorR = mBackgroundColorR;
    copy->mBackgroundColorG = mBackgroundColorG;
    copy->mBackgroundColorB = mBackgroundColorB;
    copy->mBackgroundColorA = mBackgroundColorA;
    copy->mShowFullPath = mShowFullPath;
    copy->mProportional = mProportional;
    copy->mSwitchSides = mSwitchSides;
    copy->mTagSides = mTagSides;
    copy->mUM = mUM;
    copy->mTab = mTab;
    copy->mWidthValue = mWidthValue;
    copy->mHeightValue = mHeightValue;
    copy->mResValue = mResValue;
    copy->mDest = mDest;
    copy->mNameMenu = mNameMenu;
    copy->mName = mName;
    copy->mNameNum = mNameNum;
    copy->mFormatMenu = mFormatMenu;
    copy->mQuality = mQuality;
    copy->mMaxMegapixels = mMaxMegapixels;
    return copy;
}

bool TQPref::sync()
{
    if (!mDefaults)
        return true;
    mDefaults->sync();
    return mDefaults->status() == QSettings::NoError;
}

void TQPref::readPreferences()
{
    if (!mDefaults)
        return;
    QSettings& s = *mDefaults;
    auto take = [&s](const char* key, auto& field, auto&& parse) {
        const QVariant v = s.value(QLatin1String(key));
        if (!v.isValid())
            return;
        if (const auto parsed = parse(v))
            field = *parsed;
    };
    auto unit = [](const QVariant& v) { return readFloat(v, 0.0, 1.0); };
    auto size = [](const QVariant& v) { return readFloat(v, 0.0, kHuge); };
    auto positive = [](const QVariant& v) { return readFloat(v, 0.0, kHuge, true); };
    auto intIn = [](int lo, int hi) { return [lo, hi](const QVariant& v) { return readInt(v, lo, hi); }; };

    take("background", mBackground, readBool);
    take("backgroundColorR", mBackgroundColorR, unit);
    take("backgroundColorG", mBackgroundColorG, unit);
    take("backgroundColorB", mBackgroundColorB, unit);
    take("backgroundColorA", mBackgroundColorA, unit);
    take("showFullPath", mShowFullPath, readBool);
    take("proportional", mProportional, readBool);
    take("switchSides", mSwitchSides, readBool);
    take("tagSides", mTagSides, intIn(1, 2));
    take("UM", mUM, intIn(1, 4));
    take("tab", mTab, intIn(0, 2));
    take("widthValue", mWidthValue, size);
    take("heightValue", mHeightValue, size);
    take("resValue", mResValue, positive);
    take("dest", mDest, readString);
    take("nameMenu", mNameMenu, intIn(1, 2));
    take("name", mName, readString);
    take("nameNum", mNameNum, readString);
    take("formatMenu", mFormatMenu, intIn(1, 5));
    take("quality", mQuality, unit);
    take("maxMegapixels", mMaxMegapixels, intIn(1, kMaxMegapixelsLimit));
}

QColor TQPref::getBackgroundColor() const
{
    return QColor::fromRgbF(mBackgroundColorR, mBackgroundColorG, mBackgroundColorB,
        mBackgroundColorA);
}

void TQPref::store(const char* key, const QVariant& value)
{
    if (mDefaults)
        mDefaults->setValue(QLatin1String(key), value);
}

void TQPref::setBackground(bool value)
{
    mBackground = value;
    store("background", value);
}

void TQPref::setShowFullPath(bool value)
{
    mShowFullPath = value;
    store("showFullPath", value);
}

void TQPref::setProportional(bool value)
{
    mProportional = value;
    store("proportional", value);
}

void TQPref::setSwitchSides(bool value)
{
    mSwitchSides = value;
    store("switchSides", value);
}

void TQPref::setTagSides(int value)
{
    mTagSides = value;
    store("tagSides", value);
}

void TQPref::setUM(int value)
{
    mUM = value;
    store("UM", value);
}

void TQPref::setTab(int value)
{
    mTab = value;
    store("tab", value);
}

void TQPref::setNameMenu(int value)
{
    mNameMenu = value;
    store("nameMenu", value);
}

void TQPref::setFormatMenu(int value)
{
    mFormatMenu = value;
    store("formatMenu", value);
}

void TQPref::setWidthValue(float value)
{
    mWidthValue = value;
    store("widthValue", value);
}

void TQPref::setHeightValue(float value)
{
    mHeightValue = value;
    store("heightValue", value);
}

void TQPref::setResValue(float value)
{
    mResValue = value;
    store("resValue", value);
}

void TQPref::setQuality(float value)
{
    mQuality = value;
    store("quality", value);
}

void TQPref::setDest(const QString& value)
{
    mDest = value;
    store("dest", value);
}

void TQPref::setName(const QString& value)
{
    mName = value;
    store("name", value);
}

void TQPref::setNameNum(const QString& value)
{
    mNameNum = value;
    store("nameNum", value);
}

void TQPref::setMaxMegapixels(int value)
{
    mMaxMegapixels = value;
    store("maxMegapixels", value);
}

void TQPref::setBackgroundColor(const QColor& color)
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
    store("backgroundColorR", mBackgroundColorR);
    store("backgroundColorG", mBackgroundColorG);
    store("backgroundColorB", mBackgroundColorB);
    store("backgroundColorA", mBackgroundColorA);
}
