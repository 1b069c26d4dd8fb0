#pragma once

#include <cstring>
#include <span>

#include <QList>
#include <QString>
#include <QVariant>

#include "model/ResizeOptions.h"

// Every setting is declared once, as a row of this table: the key the settings file stores it
// under, its default, how a stored value is checked, whether presets carry it, and the
// command-line options that set it, with their words and help. Loading, presets, copies,
// --save, ostrel-batch's parser, its help (and so its manual page) and its shell completion
// read the rows; code reads and writes a value through its typed key below.

// A setting by the key the settings file stores it under, with the type of its value (an
// enumeration is stored as its code).
template <typename T> struct SettingKey
{
    const char* name;
};

// The keys of the settings file. Stored files rely on them: they never change.
namespace Setting {
inline constexpr SettingKey<QString> outputFolder { "dest" };
inline constexpr SettingKey<float> width { "widthValue" };
inline constexpr SettingKey<float> height { "heightValue" };
inline constexpr SettingKey<SizeUnit> unit { "UM" };
inline constexpr SettingKey<bool> proportional { "proportional" };
inline constexpr SettingKey<GivenSide> givenSide { "tagSides" };
inline constexpr SettingKey<bool> noEnlarge { "noEnlarge" };
inline constexpr SettingKey<BoxMode> boxMode { "boxMode" }; // with givenSide Both
inline constexpr SettingKey<CropPosition> cropPosition { "cropPosition" };
inline constexpr SettingKey<bool> linearLight { "linearLight" };
inline constexpr SettingKey<bool> longShortSides { "switchSides" };
inline constexpr SettingKey<float> resolution { "resValue" };
inline constexpr SettingKey<OutputFormat> outputFormat { "formatMenu" };
inline constexpr SettingKey<float> quality { "quality" }; // 0..1
inline constexpr SettingKey<bool> lossless { "lossless" };
inline constexpr SettingKey<int> maxFileSize { "maxFileSize" }; // bytes; 0: no limit
inline constexpr SettingKey<float> minQuality { "minQuality" }; // 0..1
inline constexpr SettingKey<OutputNaming> naming { "nameMenu" };
inline constexpr SettingKey<QString> baseName { "name" };
inline constexpr SettingKey<QString> startNumber { "nameNum" }; // as typed
inline constexpr SettingKey<QString> nameTemplate { "nameTemplate" };
inline constexpr SettingKey<bool> keepTree { "keepTree" };
inline constexpr SettingKey<bool> skipLarger { "skipLarger" };
inline constexpr SettingKey<bool> keepDates { "keepDates" };
inline constexpr SettingKey<bool> background { "background" }; // flatten onto the colour
inline constexpr SettingKey<float> backgroundRed { "backgroundColorR" }; // 0..1
inline constexpr SettingKey<float> backgroundGreen { "backgroundColorG" };
inline constexpr SettingKey<float> backgroundBlue { "backgroundColorB" };
inline constexpr SettingKey<float> backgroundAlpha { "backgroundColorA" };
inline constexpr SettingKey<ExistingFile> existingFile { "existingFile" };
inline constexpr SettingKey<int> jobs { "jobs" }; // 0: one per processor core
inline constexpr SettingKey<MetadataMode> metadata { "metadata" };
inline constexpr SettingKey<TiffCompression> tiffCompression { "tiffCompression" };
inline constexpr SettingKey<int> maxMegapixels { "maxMegapixels" };
inline constexpr SettingKey<int> decoderMemory { "decoderMemory" }; // MiB
inline constexpr SettingKey<int> decoderSeconds { "decoderSeconds" };
inline constexpr SettingKey<bool> showFullPath { "showFullPath" };
inline constexpr SettingKey<int> currentTab { "tab" };
inline constexpr SettingKey<QString> lastOpenFolder { "lastOpenFolder" };
// Ostrel's entries are in the file managers' menus (FileManagerMenu).
inline constexpr SettingKey<bool> fileManagerMenu { "fileManagerActions" };
// The folder next to its sources that a preset run from the file manager writes into.
inline constexpr SettingKey<QString> presetSubfolder { "presetSubfolder" };
} // namespace Setting

// How a stored value is read back: a garbled settings file must never turn into a surprising
// setting; a value that does not pass keeps the default (or the current value).
struct StoredCheck
{
    enum class Kind
    {
        Bool, // true/false, 1/0
        Number, // a finite number from min to max (above min when minExclusive), as a float
        Integer, // a whole number from min to max; codes of enumerations too
        FormatCode, // the code of an output format
        Text, // a text (a list or a binary value is not one)
    };
    Kind kind = Kind::Text;
    double min = 0.0;
    double max = 0.0;
    bool minExclusive = false;
};

// One word of an option's fixed set and the value it stores.
struct OptionWord
{
    const char* word = nullptr;
    QVariant value = {};
};

// A command-line option of ostrel-batch that sets a setting.
struct SettingOption
{
    enum class Kind
    {
        Number, // a number from min to max (0 only when zeroAllowed), times scale
        Integer, // a whole number from min to max
        Words, // one of words (any case)
        Flag, // takes no value: stores flagValue
        Text, // any text; with plainFileName, one that can start a file's name
        Folder, // a folder, made absolute and clean
        WholeNumberText, // a whole number, stored as the text given (trimmed)
        FileSize, // a size in bytes: 300000, 500k, 1.5M (FileSizeLimit::parse), up to max
        Custom, // read by the command line's own code (--proportional, --background-color,
                // --name-template)
    };
    QStringList names = {}; // "w", "width"; the last one names the option in messages
    const char* valueName = nullptr; // as the help shows the value ("N"); null for a flag
    const char* help = nullptr; // context "CliOptions"
    Kind kind = Kind::Text;
    QList<OptionWord> words = {};
    double min = 0.0;
    double max = 0.0;
    bool zeroAllowed = true;
    double scale = 1.0;
    bool plainFileName = false;
    QVariant flagValue = {};
    const char* expected = nullptr; // what a bad value should have been (context "CliOptions")
};

struct SettingRow
{
    const char* key = nullptr;
    QVariant defaultValue = {}; // typed as stored: bool, float, int or QString
    StoredCheck check = {};
    bool preset = false; // a preset carries it (the settings of the Size and Output tabs)
    QList<SettingOption> options = {};

    // Whether this is the row of a key. Keys are compared by their text: two spellings of one
    // literal need not share an address (sanitizers and shared libraries keep them apart).
    template <typename T> bool holds(SettingKey<T> setting) const
    {
        return std::strcmp(key, setting.name) == 0;
    }
};

namespace SettingsTable {

// Every setting, in the order of ostrel-batch's help.
std::span<const SettingRow> rows();
// The row of a key; null for a key that is no setting's.
const SettingRow* find(QLatin1StringView key);
// A stored value read and checked as the row says; invalid when it does not pass.
QVariant checked(const SettingRow& row, const QVariant& stored);

} // namespace SettingsTable
