#include "SettingsTable.h"

#include <QCoreApplication>

#include <cmath>

#include "model/FileSizeLimit.h"

namespace {

constexpr double kHuge = 3.0e38; // within float range

StoredCheck boolean()
{
    return { .kind = StoredCheck::Kind::Bool };
}

StoredCheck number(double min, double max, bool minExclusive = false)
{
    return {
        .kind = StoredCheck::Kind::Number, .min = min, .max = max, .minExclusive = minExclusive
    };
}

StoredCheck integer(int min, int max)
{
    return { .kind = StoredCheck::Kind::Integer, .min = double(min), .max = double(max) };
}

StoredCheck text()
{
    return { .kind = StoredCheck::Kind::Text };
}

// The rows, in the order of ostrel-batch's help; the settings without an option last.
const QList<SettingRow>& table()
{
    using Option = SettingOption;
    static const QList<SettingRow> rows = {
        { .key = Setting::outputFolder.name,
            .defaultValue = QString(),
            .check = text(),
            .preset = true,
            .options = { { .names = { "o", "output" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "DIR"),
                .help = QT_TRANSLATE_NOOP("CliOptions", "Output folder."),
                .kind = Option::Kind::Folder,
                .expected = QT_TRANSLATE_NOOP("CliOptions", "an output folder is needed") } } },
        { .key = Setting::width.name,
            .defaultValue = 400.0f,
            .check = number(0.0, kHuge),
            .preset = true,
            .options = { { .names = { "w", "width" },
                .valueName = "N",
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "First size field: the width, or the long side with --sides long-short."),
                .kind = Option::Kind::Number,
                .max = 1.0e9,
                .expected = QT_TRANSLATE_NOOP("CliOptions", "a number of 0 or more is expected") } } },
        { .key = Setting::height.name,
            .defaultValue = 300.0f,
            .check = number(0.0, kHuge),
            .preset = true,
            .options = { { .names = { "H", "height" },
                .valueName = "N",
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "Second size field: the height, or the short side with --sides long-short."),
                .kind = Option::Kind::Number,
                .max = 1.0e9,
                .expected = QT_TRANSLATE_NOOP("CliOptions", "a number of 0 or more is expected") } } },
        { .key = Setting::unit.name,
            .defaultValue = int(SizeUnit::Pixels),
            .check = integer(1, 4),
            .preset = true,
            .options = { { .names = { "u", "unit" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "UNIT"),
                .help = QT_TRANSLATE_NOOP(
                    "CliOptions", "Unit of the size fields: px, in, mm or percent."),
                .kind = Option::Kind::Words,
                .words = { { "px", int(SizeUnit::Pixels) }, { "in", int(SizeUnit::Inches) },
                    { "mm", int(SizeUnit::Millimetres) }, { "percent", int(SizeUnit::Percent) },
                    { "pixels", int(SizeUnit::Pixels) }, { "inches", int(SizeUnit::Inches) },
                    { "millimetres", int(SizeUnit::Millimetres) },
                    { "millimeters", int(SizeUnit::Millimetres) },
                    { "%", int(SizeUnit::Percent) } },
                .expected = QT_TRANSLATE_NOOP("CliOptions", "px, in, mm or percent") } } },
        { .key = Setting::proportional.name,
            .defaultValue = true,
            .check = boolean(),
            .preset = true,
            .options = {
                // Also sets the side given and, for long and short, what the fields mean.
                { .names = { "p", "proportional" },
                    .valueName = QT_TRANSLATE_NOOP("CliOptions", "SIDE"),
                    .help = QT_TRANSLATE_NOOP("CliOptions",
                        "Keep the proportions; SIDE is the size field that is given: width, "
                        "height, long, short (these two also select --sides long-short), first "
                        "or second; or a box of --width x --height (long x short side with "
                        "--sides long-short): fit (each image fits inside it), fill (each image "
                        "covers it and is cropped to it, see --crop) or pad (each image fits "
                        "inside it and is padded to it with the background colour)."),
                    .kind = Option::Kind::Custom,
                    .words = { { "width", {} }, { "height", {} }, { "long", {} }, { "short", {} },
                        { "first", {} }, { "second", {} }, { "fit", {} }, { "fill", {} },
                        { "pad", {} } },
                    .expected = QT_TRANSLATE_NOOP("CliOptions",
                        "width, height, long, short, first, second, fit, fill or pad") },
                { .names = { "free" },
                    .help = QT_TRANSLATE_NOOP(
                        "CliOptions", "Scale width and height independently."),
                    .kind = Option::Kind::Flag,
                    .flagValue = false } } },
        { .key = Setting::cropPosition.name,
            .defaultValue = int(CropPosition::Centre),
            .check = integer(1, 7),
            .preset = true,
            .options = { { .names = { "crop" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "PART"),
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "What -p fill keeps of each image: centre (the default), attention or "
                    "entropy (the most interesting part), top, bottom, left or right."),
                .kind = Option::Kind::Words,
                .words = { { "centre", int(CropPosition::Centre) },
                    { "center", int(CropPosition::Centre) },
                    { "attention", int(CropPosition::Attention) },
                    { "entropy", int(CropPosition::Entropy) }, { "top", int(CropPosition::Top) },
                    { "bottom", int(CropPosition::Bottom) }, { "left", int(CropPosition::Left) },
                    { "right", int(CropPosition::Right) } },
                .expected = QT_TRANSLATE_NOOP(
                    "CliOptions", "centre, attention, entropy, top, bottom, left or right") } } },
        { .key = Setting::linearLight.name,
            .defaultValue = false,
            .check = boolean(),
            .preset = true,
            .options = { { .names = { "linear" },
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "Resize in linear light: better for fine patterns and small bright details, "
                    "slower."),
                .kind = Option::Kind::Flag,
                .flagValue = true } } },
        { .key = Setting::noEnlarge.name,
            .defaultValue = false,
            .check = boolean(),
            .preset = true,
            .options = { { .names = { "no-enlarge" },
                             .help = QT_TRANSLATE_NOOP("CliOptions",
                                 "Do not enlarge: an image smaller than its target keeps its own "
                                 "size."),
                             .kind = Option::Kind::Flag,
                             .flagValue = true },
                { .names = { "enlarge" },
                    .help = QT_TRANSLATE_NOOP(
                        "CliOptions", "Enlarge images smaller than their target (the default)."),
                    .kind = Option::Kind::Flag,
                    .flagValue = false } } },
        { .key = Setting::longShortSides.name,
            .defaultValue = false,
            .check = boolean(),
            .preset = true,
            .options = { { .names = { "sides" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "MODE"),
                .help = QT_TRANSLATE_NOOP(
                    "CliOptions", "What the size fields mean: width-height or long-short."),
                .kind = Option::Kind::Words,
                .words = { { "width-height", false }, { "long-short", true } },
                .expected = QT_TRANSLATE_NOOP("CliOptions", "width-height or long-short") } } },
        { .key = Setting::resolution.name,
            .defaultValue = 72.0f,
            .check = number(0.0, kHuge, true),
            .preset = true,
            .options = { { .names = { "r", "resolution" },
                .valueName = "PPI",
                .help = QT_TRANSLATE_NOOP("CliOptions", "Output resolution in pixels per inch."),
                .kind = Option::Kind::Number,
                .max = 1.0e9,
                .zeroAllowed = false,
                .expected = QT_TRANSLATE_NOOP(
                    "CliOptions", "a number of pixels per inch above 0 is expected") } } },
        { .key = Setting::outputFormat.name,
            .defaultValue = int(OutputFormat::Jpeg),
            .check = { .kind = StoredCheck::Kind::FormatCode },
            .preset = true,
            .options = {
                // The words, and the %1 of the help, are every output format's own.
                { .names = { "f", "format" },
                    .valueName = QT_TRANSLATE_NOOP("CliOptions", "FORMAT"),
                    .help = QT_TRANSLATE_NOOP("CliOptions", "Output format: %1."),
                    .kind = Option::Kind::Custom } } },
        { .key = Setting::quality.name,
            .defaultValue = 0.85f,
            .check = number(0.0, 1.0),
            .preset = true,
            .options = { { .names = { "q", "quality" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "PERCENT"),
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "Quality from 0 to 100 for JPEG, WebP, AVIF, HEIC and JPEG XL, on JPEG's "
                    "scale: the same number gives about the same fidelity in each format."),
                .kind = Option::Kind::Number,
                .max = 100.0,
                .scale = 0.01,
                .expected = QT_TRANSLATE_NOOP("CliOptions", "a number from 0 to 100") } } },
        { .key = Setting::lossless.name,
            .defaultValue = false,
            .check = boolean(),
            .preset = true,
            .options = { { .names = { "lossless" },
                             .help = QT_TRANSLATE_NOOP("CliOptions",
                                 "Lossless compression where the format has it (WebP, JPEG XL); "
                                 "the quality is then not used."),
                             .kind = Option::Kind::Flag,
                             .flagValue = true },
                { .names = { "lossy" },
                    .help = QT_TRANSLATE_NOOP(
                        "CliOptions", "Lossy compression at the quality (the default)."),
                    .kind = Option::Kind::Flag,
                    .flagValue = false } } },
        { .key = Setting::maxFileSize.name,
            .defaultValue = 0,
            .check = integer(0, int(FileSizeLimit::kLargest)),
            .preset = true,
            .options = { { .names = { "max-file-size" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "SIZE"),
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "Write no file larger than SIZE bytes; k is 1000 bytes and M 1000000 (500k, "
                    "1.5M; not KiB). The quality is lowered to fit, down to --min-quality, then "
                    "the image is made smaller. 0, the default, sets no limit."),
                .kind = Option::Kind::FileSize,
                .max = double(FileSizeLimit::kLargest),
                .expected = QT_TRANSLATE_NOOP("CliOptions",
                    "a number of bytes, or of kilobytes or megabytes with k or M (500k, 1.5M; "
                    "at most 2000M)") } } },
        { .key = Setting::minQuality.name,
            .defaultValue = 0.30f,
            .check = number(0.0, 1.0),
            .preset = true,
            .options = { { .names = { "min-quality" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "PERCENT"),
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "The lowest quality --max-file-size may lower the quality to, from 0 to 100 "
                    "(default 30)."),
                .kind = Option::Kind::Number,
                .max = 100.0,
                .scale = 0.01,
                .expected = QT_TRANSLATE_NOOP("CliOptions", "a number from 0 to 100") } } },
        { .key = Setting::naming.name,
            .defaultValue = int(OutputNaming::SourceName),
            .check = integer(1, 3),
            .preset = true,
            .options = { { .names = { "n", "naming" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "MODE"),
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "Output names: source (the source's name), custom (--name and a "
                    "four-digit number) or template (--name-template)."),
                .kind = Option::Kind::Words,
                .words = { { "source", int(OutputNaming::SourceName) },
                    { "custom", int(OutputNaming::CustomName) },
                    { "template", int(OutputNaming::Template) } },
                .expected = QT_TRANSLATE_NOOP("CliOptions", "source, custom or template") } } },
        { .key = Setting::baseName.name,
            .defaultValue = QString(),
            .check = text(),
            .preset = true,
            .options = { { .names = { "name" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "TEXT"),
                .help = QT_TRANSLATE_NOOP("CliOptions", "Base name of custom naming."),
                .kind = Option::Kind::Text,
                .plainFileName = true,
                .expected = QT_TRANSLATE_NOOP("CliOptions",
                    "a name that can start a file name: no \"/\", and not \".\" or \"..\"") } } },
        { .key = Setting::nameTemplate.name,
            .defaultValue = QStringLiteral("{name}"),
            .check = text(),
            .preset = true,
            .options = {
                // Also selects template naming unless --naming is given.
                { .names = { "name-template" },
                    .valueName = QT_TRANSLATE_NOOP("CliOptions", "TEXT"),
                    .help = QT_TRANSLATE_NOOP("CliOptions",
                        "Name the outputs by a template (selects --naming template): text and "
                        "the tokens {name} (the source's name), {n} or {n:4} (the running number "
                        "from --start-number, zero-padded to 4 digits), {w} and {h} (the output's "
                        "pixel size), {date} or {date:%Y-%m-%d_%H%M%S} (when the photo was taken, "
                        "else the file's modification time; %Y %y %m %d %H %M %S), {folder} (the "
                        "source's folder) and {preset}; {{ and }} for braces."),
                    .kind = Option::Kind::Custom } } },
        { .key = Setting::startNumber.name,
            .defaultValue = QString(),
            .check = text(),
            .preset = true,
            .options = { { .names = { "start-number" },
                .valueName = "N",
                .help = QT_TRANSLATE_NOOP("CliOptions", "First number of custom naming."),
                .kind = Option::Kind::WholeNumberText,
                .expected = QT_TRANSLATE_NOOP("CliOptions", "a whole number is expected") } } },
        { .key = Setting::skipLarger.name,
            .defaultValue = false,
            .check = boolean(),
            .preset = true,
            .options = { { .names = { "skip-larger" },
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "Do not write an output that is not smaller than its source file; the image "
                    "counts as skipped."),
                .kind = Option::Kind::Flag,
                .flagValue = true } } },
        { .key = Setting::keepDates.name,
            .defaultValue = false,
            .check = boolean(),
            .preset = true,
            .options = { { .names = { "keep-dates" },
                .help = QT_TRANSLATE_NOOP(
                    "CliOptions", "Give each output its source's modification time."),
                .kind = Option::Kind::Flag,
                .flagValue = true } } },
        { .key = Setting::background.name,
            .defaultValue = false,
            .check = boolean(),
            .preset = true,
            .options = { { .names = { "background" },
                .valueName = "on|off",
                .help = QT_TRANSLATE_NOOP(
                    "CliOptions", "Flatten every image onto the background colour: on or off."),
                .kind = Option::Kind::Words,
                .words = { { "on", true }, { "off", false }, { "yes", true }, { "no", false },
                    { "true", true }, { "false", false }, { "1", true }, { "0", false } },
                .expected = QT_TRANSLATE_NOOP("CliOptions", "on or off") } } },
        { .key = Setting::backgroundRed.name,
            .defaultValue = 1.0f,
            .check = number(0.0, 1.0),
            .preset = true,
            .options = {
                // Sets the four components of the colour.
                { .names = { "background-color" },
                    .valueName = QT_TRANSLATE_NOOP("CliOptions", "COLOUR"),
                    .help = QT_TRANSLATE_NOOP("CliOptions",
                        "Background colour: #rrggbb, #aarrggbb or a colour name such as white."),
                    .kind = Option::Kind::Custom,
                    .expected = QT_TRANSLATE_NOOP(
                        "CliOptions", "#rrggbb, #aarrggbb or a colour name") } } },
        { .key = Setting::existingFile.name,
            .defaultValue = int(ExistingFile::Fail),
            .check = integer(1, 3),
            .preset = true,
            .options = { { .names = { "existing" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "CHOICE"),
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "When a file of the output name exists: fail (the image fails; the "
                    "default), number (the new file takes name-2.ext, name-3.ext, ...) or skip "
                    "(the image is skipped and counts as done)."),
                .kind = Option::Kind::Words,
                .words = { { "fail", int(ExistingFile::Fail) },
                    { "number", int(ExistingFile::Number) }, { "skip", int(ExistingFile::Skip) } },
                .expected = QT_TRANSLATE_NOOP("CliOptions", "fail, number or skip") } } },
        { .key = Setting::jobs.name,
            .defaultValue = 0,
            .check = integer(0, 64),
            .options = { { .names = { "j", "jobs" },
                .valueName = "N",
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "Process up to N images at once (0 to 64; 0, the default, is one per "
                    "processor core)."),
                .kind = Option::Kind::Integer,
                .max = 64,
                .expected = QT_TRANSLATE_NOOP(
                    "CliOptions", "a whole number from 0 (one per core) to 64") } } },
        { .key = Setting::metadata.name,
            // Also for a settings file from before the choice existed.
            .defaultValue = int(MetadataMode::WithoutPersonal),
            .check = integer(1, 3),
            .preset = true,
            .options = { { .names = { "metadata" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "MODE"),
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "What each output keeps of its source's metadata: keep (all of it, upright, "
                    "but the EXIF thumbnail), no-personal (only the date taken, camera, lens, "
                    "exposure and copyright; the default) or none (only the colour profile's "
                    "colours and the resolution)."),
                .kind = Option::Kind::Words,
                .words = { { "keep", int(MetadataMode::Keep) },
                    { "no-personal", int(MetadataMode::WithoutPersonal) },
                    { "none", int(MetadataMode::None) } },
                .expected = QT_TRANSLATE_NOOP("CliOptions", "keep, no-personal or none") } } },
        { .key = Setting::tiffCompression.name,
            .defaultValue = int(TiffCompression::Lzw),
            .check = integer(1, 2),
            .preset = true,
            .options = { { .names = { "tiff-compression" },
                .valueName = QT_TRANSLATE_NOOP("CliOptions", "MODE"),
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "How TIFF files are compressed, both lossless: lzw (smaller files; the "
                    "default) or none (faster to write and to read)."),
                .kind = Option::Kind::Words,
                .words = { { "lzw", int(TiffCompression::Lzw) },
                    { "none", int(TiffCompression::None) } },
                .expected = QT_TRANSLATE_NOOP("CliOptions", "lzw or none") } } },
        { .key = Setting::maxMegapixels.name,
            .defaultValue = int(ResizeOptions::kDefaultMaxPixels / 1'000'000),
            .check = integer(1, 1'000'000),
            .options = { { .names = { "max-megapixels" },
                .valueName = "N",
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "Refuse sources with more than N million pixels, unread (default 500; 1 to "
                    "1000000)."),
                .kind = Option::Kind::Integer,
                .min = 1,
                .max = 1'000'000,
                .expected = QT_TRANSLATE_NOOP("CliOptions", "a whole number from 1 to 1000000") } } },
        { .key = Setting::decoderMemory.name,
            .defaultValue = ResizeOptions::kDefaultDecoderMemoryMiB,
            .check = integer(64, 1'048'576),
            .options = { { .names = { "max-memory" },
                .valueName = "MIB",
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "Let the decoders of one image take at most MIB mebibytes of memory; an "
                    "image that needs more fails (default 2048; 64 to 1048576)."),
                .kind = Option::Kind::Integer,
                .min = 64,
                .max = 1'048'576,
                .expected = QT_TRANSLATE_NOOP("CliOptions", "a whole number from 64 to 1048576") } } },
        { .key = Setting::decoderSeconds.name,
            .defaultValue = ResizeOptions::kDefaultDecoderSeconds,
            .check = integer(1, 86'400),
            .options = { { .names = { "max-seconds" },
                .valueName = "N",
                .help = QT_TRANSLATE_NOOP("CliOptions",
                    "Let one image take at most N seconds of processor time to decode and "
                    "encode; an image that needs more fails (default 120; 1 to 86400)."),
                .kind = Option::Kind::Integer,
                .min = 1,
                .max = 86'400,
                .expected = QT_TRANSLATE_NOOP("CliOptions", "a whole number from 1 to 86400") } } },
        { .key = Setting::givenSide.name,
            .defaultValue = int(GivenSide::Both),
            .check = integer(1, 3),
            .preset = true },
        // Also for a settings file from before fill and pad: fit, as it was.
        { .key = Setting::boxMode.name,
            .defaultValue = int(BoxMode::Fit),
            .check = integer(1, 3),
            .preset = true },
        { .key = Setting::backgroundGreen.name,
            .defaultValue = 1.0f,
            .check = number(0.0, 1.0),
            .preset = true },
        { .key = Setting::backgroundBlue.name,
            .defaultValue = 1.0f,
            .check = number(0.0, 1.0),
            .preset = true },
        { .key = Setting::backgroundAlpha.name,
            .defaultValue = 1.0f,
            .check = number(0.0, 1.0),
            .preset = true },
        // Set by --keep-tree, which names the folder the subfolders are kept below.
        { .key = Setting::keepTree.name, .defaultValue = false, .check = boolean(), .preset = true },
        { .key = Setting::showFullPath.name, .defaultValue = false, .check = boolean() },
        { .key = Setting::currentTab.name, .defaultValue = 0, .check = integer(0, 2) },
        { .key = Setting::lastOpenFolder.name, .defaultValue = QString(), .check = text() },
        { .key = Setting::fileManagerMenu.name, .defaultValue = false, .check = boolean() },
        // ostrel --preset writes each source's outputs into this folder next to it, unless the
        // preset names an output folder of its own.
        { .key = Setting::presetSubfolder.name,
            .defaultValue = QStringLiteral("Resized"),
            .check = text() },
    };
    return rows;
}

std::optional<bool> readBool(const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (v.typeId() != QMetaType::QString && !v.canConvert<int>())
        return std::nullopt;
    const QString word = v.toString().trimmed().toLower();
    if (word == QLatin1String("true") || word == QLatin1String("1"))
        return true;
    if (word == QLatin1String("false") || word == QLatin1String("0"))
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

std::optional<QString> readText(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    // A plain number written by hand into the file comes back typed; a list (unquoted commas)
    // or a serialised object is not a path or a name that was written.
    if (v.typeId() == QMetaType::QStringList || v.typeId() == QMetaType::QByteArray
        || !v.canConvert<QString>())
        return std::nullopt;
    return v.toString();
}

} // namespace

namespace SettingsTable {

std::span<const SettingRow> rows()
{
    const QList<SettingRow>& all = table();
    return { all.constData(), static_cast<size_t>(all.size()) };
}

const SettingRow* find(QLatin1StringView key)
{
    for (const SettingRow& row : table()) {
        if (key == QLatin1StringView(row.key))
            return &row;
    }
    return nullptr;
}

QVariant checked(const SettingRow& row, const QVariant& stored)
{
    if (!stored.isValid())
        return {};
    const StoredCheck& check = row.check;
    switch (check.kind) {
    case StoredCheck::Kind::Bool:
        if (const auto b = readBool(stored))
            return *b;
        return {};
    case StoredCheck::Kind::Number: {
        const auto d = readNumber(stored);
        if (!d || *d > check.max || *d < check.min || (check.minExclusive && *d == check.min))
            return {};
        const float f = static_cast<float>(*d);
        return std::isfinite(f) ? QVariant(f) : QVariant();
    }
    case StoredCheck::Kind::Integer: {
        const auto d = readNumber(stored);
        if (!d || std::trunc(*d) != *d || *d < check.min || *d > check.max)
            return {};
        return static_cast<int>(*d);
    }
    case StoredCheck::Kind::FormatCode: {
        const auto d = readNumber(stored);
        if (!d || std::trunc(*d) != *d || std::abs(*d) > 2.0e9)
            return {};
        if (const auto format = OutputFormats::fromCode(static_cast<int>(*d)))
            return int(*format);
        return {};
    }
    case StoredCheck::Kind::Text:
        if (const auto t = readText(stored))
            return *t;
        return {};
    }
    return {};
}

} // namespace SettingsTable
