#include "Presets.h"

#include <algorithm>
#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QSet>
#include <QSettings>

#include "model/OutputFormat.h"
#include "settings/Settings.h"

namespace {

// The group of the settings file that holds the user's presets.
constexpr char kGroup[] = "presets";
constexpr char kNameKey[] = "presetName";

// A built-in preset that fits each image inside a box (long and short side, so that portrait
// and landscape images get the same long side), with the format and quality it is made for.
Preset fitInside(const char* name, SizeUnit unit, float longSide, float shortSide, float resolution,
    bool noEnlarge, float quality)
{
    Preset preset;
    preset.name = QCoreApplication::translate("Presets", name);
    preset.builtIn = true;
    preset.englishName = QLatin1String(name);
    preset.values = {
        { QLatin1String(Setting::unit.name), int(unit) },
        { QLatin1String(Setting::width.name), longSide },
        { QLatin1String(Setting::height.name), shortSide },
        { QLatin1String(Setting::resolution.name), resolution },
        { QLatin1String(Setting::proportional.name), true },
        { QLatin1String(Setting::longShortSides.name), true },
        { QLatin1String(Setting::givenSide.name), int(GivenSide::Both) },
        { QLatin1String(Setting::boxMode.name), int(BoxMode::Fit) },
        { QLatin1String(Setting::noEnlarge.name), noEnlarge },
        { QLatin1String(Setting::outputFormat.name), int(OutputFormat::Jpeg) },
        { QLatin1String(Setting::quality.name), quality },
    };
    return preset;
}

QString normalised(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

// The number of an entry of the presets' array from its group's name, as QSettings writes it
// (1, 2, ...); 0 for any other group.
qulonglong entryIndex(const QString& group)
{
    if (group.isEmpty() || group.size() > 18)
        return 0;
    for (const QChar c : group) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    return group.toULongLong();
}

Presets::NameProblem nameProblem(
    const QList<Preset>& among, const QString& name, const QString& except = QString())
{
    const QString wanted = normalised(name);
    if (wanted.isEmpty())
        return Presets::NameProblem::Empty;
    for (const Preset& preset : among) {
        if (normalised(preset.name) == wanted && preset.name != except)
            return Presets::NameProblem::Taken;
    }
    return Presets::NameProblem::None;
}

} // namespace

Presets::Presets(QSettings* store)
    : mStore(store)
{
}

QList<Preset> Presets::builtIn()
{
    // Web and e-mail: the long side in pixels, never enlarged; print: 15 x 10 cm at 300 ppi
    // (1772 x 1181 px), a small image enlarged to fill the print.
    return {
        fitInside(QT_TRANSLATE_NOOP("Presets", "Web 1600 px"), SizeUnit::Pixels, 1600.0f, 1600.0f,
            72.0f, true, 0.85f),
        fitInside(QT_TRANSLATE_NOOP("Presets", "E-mail 1024 px"), SizeUnit::Pixels, 1024.0f,
            1024.0f, 72.0f, true, 0.8f),
        fitInside(QT_TRANSLATE_NOOP("Presets", "Print 300 ppi at 15 x 10 cm"),
            SizeUnit::Millimetres, 150.0f, 100.0f, 300.0f, false, 0.92f),
        fitInside(QT_TRANSLATE_NOOP("Presets", "Thumbnail 256 px"), SizeUnit::Pixels, 256.0f,
            256.0f, 72.0f, true, 0.8f),
    };
}

QList<Preset> Presets::userPresets() const
{
    if (!mStore)
        return mInMemory;
    // The entries are the group's numbered child groups, read in the order of their numbers.
    // The count that QSettings stores beside them ("size") is not believed: a file edited by
    // hand, or made to harm, may claim billions of entries or fewer than it holds.
    mStore->beginGroup(QLatin1String(kGroup));
    QList<std::pair<qulonglong, QString>> entries;
    for (const QString& group : mStore->childGroups()) {
        if (const qulonglong index = entryIndex(group); index > 0)
            entries.append({ index, group });
    }
    std::sort(entries.begin(), entries.end());

    // Names taken so far, normalised: the built-in ones, then each entry kept.
    QSet<QString> taken;
    for (const Preset& preset : builtIn())
        taken.insert(normalised(preset.name));
    QList<Preset> presets;
    presets.reserve(entries.size());
    for (const auto& entry : std::as_const(entries)) {
        mStore->beginGroup(entry.second);
        Preset preset;
        preset.name = mStore->value(QLatin1String(kNameKey)).toString().trimmed();
        // An entry without a name, or one that repeats a name, cannot be picked from a menu.
        const QString key = normalised(preset.name);
        if (!key.isEmpty() && !taken.contains(key)) {
            taken.insert(key);
            for (const QString& valueKey : mStore->childKeys()) {
                if (valueKey != QLatin1String(kNameKey))
                    preset.values.insert(valueKey, mStore->value(valueKey));
            }
            presets << preset;
        }
        mStore->endGroup();
    }
    mStore->endGroup();
    return presets;
}

void Presets::storeUserPresets(const QList<Preset>& presets)
{
    if (!mStore) {
        mInMemory = presets;
        return;
    }
    // The whole group is written anew, so that no key of a deleted or shifted entry stays.
    mStore->remove(QLatin1String(kGroup));
    mStore->beginWriteArray(QLatin1String(kGroup), int(presets.size()));
    for (int i = 0; i < presets.size(); ++i) {
        mStore->setArrayIndex(i);
        const Preset& preset = presets.at(i);
        mStore->setValue(QLatin1String(kNameKey), preset.name);
        for (auto it = preset.values.cbegin(); it != preset.values.cend(); ++it)
            mStore->setValue(it.key(), it.value());
    }
    mStore->endArray();
}

QList<Preset> Presets::all() const
{
    return builtIn() + userPresets();
}

Preset Presets::find(const QString& name) const
{
    for (const Preset& preset : all()) {
        if (preset.name == name)
            return preset;
    }
    return Preset();
}

Presets::NameProblem Presets::checkName(const QString& name, const QString& except) const
{
    return nameProblem(all(), name, except);
}

Presets::NameProblem Presets::save(const QString& name, const Settings& settings)
{
    const NameProblem problem = checkName(name);
    if (problem != NameProblem::None)
        return problem;
    QList<Preset> presets = userPresets();
    presets << Preset { name.trimmed(), settings.presetValues(), false };
    storeUserPresets(presets);
    return NameProblem::None;
}

bool Presets::rename(const QString& name, const QString& newName)
{
    QList<Preset> presets = userPresets();
    const auto it = std::find_if(presets.begin(), presets.end(),
        [&name](const Preset& preset) { return preset.name == name; });
    if (it == presets.end() || checkName(newName, name) != NameProblem::None)
        return false;
    it->name = newName.trimmed();
    storeUserPresets(presets);
    return true;
}

bool Presets::remove(const QString& name)
{
    QList<Preset> presets = userPresets();
    const qsizetype removed
        = presets.removeIf([&name](const Preset& preset) { return preset.name == name; });
    if (removed == 0)
        return false;
    storeUserPresets(presets);
    return true;
}

bool Presets::apply(const QString& name, Settings& settings) const
{
    const Preset preset = find(name);
    if (preset.name.isEmpty())
        return false;
    settings.applyPresetValues(preset.values);
    return true;
}

QList<ResizeOptions> Presets::runOutputs(const QStringList& names, const Settings& base,
    const std::function<void(Settings&)>& adjust, QStringList* unknown) const
{
    const std::unique_ptr<Settings> run = base.detachedCopy();
    if (adjust)
        adjust(*run);
    const ResizeOptions shared = run->resizeOptions();
    QList<ResizeOptions> outputs;
    for (const QString& name : names) {
        const Preset preset = find(name);
        if (preset.name.isEmpty()) {
            if (unknown)
                unknown->append(name);
            continue;
        }
        const std::unique_ptr<Settings> settings = base.detachedCopy();
        settings->applyPresetValues(preset.values);
        if (adjust)
            adjust(*settings);
        ResizeOptions options = settings->resizeOptions();
        options.presetName = preset.name;
        if (names.size() > 1) {
            options.outputFolder = shared.outputFolder;
            const bool namesHoldPreset = options.naming == OutputNaming::Template
                && options.nameTemplate.contains(QLatin1String("{preset}"));
            if (!namesHoldPreset)
                options.presetFolder = folderName(preset.name);
        }
        outputs << options;
    }
    return outputs;
}

QString Presets::folderName(const QString& presetName)
{
    if (presetName == QLatin1String(".") || presetName == QLatin1String(".."))
        return QStringLiteral("_");
    QString folder = presetName;
    for (QChar& c : folder) {
        if (c == QLatin1Char('/') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    return folder;
}
