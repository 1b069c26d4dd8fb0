#include "CliOptions.h"

#include <cmath>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include "core/ImageCodec.h"
#include "core/OutputFormat.h"
#include "core/ResizeRules.h"
#include "settings/Settings.h"

namespace {

const char* const kExamples = R"(
Options override the settings stored by Ostrel's window for this run only; with --save
they are stored as well. With --save and no files the settings are stored and nothing
is processed.

Examples:
  ostrel-batch -o ~/web --proportional width -w 800 -q 85 photos/*.jpg
      every photo 800 pixels wide, its height in proportion, JPEG at 85 %
  ostrel-batch -o out --unit percent -w 50 -H 50 --format png scan.tif
      half size in both directions, as PNG
  ostrel-batch -o out --naming custom --name Trip --start-number 1 *.JPG
      written as Trip0001.jpg, Trip0002.jpg, ...
  ostrel-batch -o out --format jpeg --background on --background-color white logo.png
      transparent parts flattened onto white
  ostrel-batch -o web --proportional long -w 1600 -f avif -q 60 --metadata none *.jpg
      AVIF files 1600 pixels on the long side, with no camera data in them
  ostrel-batch --save -o ~/Pictures/small --proportional long -w 1600
      stores the settings for later runs and for the window; processes nothing

Files are taken by their extension, all in lower case or all in upper case:
  %1
and each is read only as the type its extension names; any other file, and a folder, is
named and skipped. A source above the pixel limit
(500 megapixels unless the maxMegapixels setting says otherwise) is refused before it is
decoded; --max-megapixels raises it.
Progress goes to standard error. Ctrl-C stops after the image in progress; a second
Ctrl-C abandons that image at once and writes nothing of it.
Exit status: 0 every image written, 1 an image failed or was not processed, a file given
was not taken or the settings could not be saved, 2 a usage error (nothing processed).
)";

template <typename Code> struct Choice
{
    const char* word;
    Code code;
};

template <typename Code>
std::optional<Code> choose(const QString& value, std::initializer_list<Choice<Code>> choices)
{
    const QString word = value.trimmed().toLower();
    for (const Choice<Code>& c : choices) {
        if (word == QLatin1String(c.word))
            return c.code;
    }
    return std::nullopt;
}

std::optional<double> number(const QString& value)
{
    bool ok = false;
    const double d = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

} // namespace

CliOptions CliOptions::parse(const QStringList& arguments)
{
    CliOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Resizes and converts image files in one batch, with the settings of Ostrel's window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    QList<QCommandLineOption> declared;
    auto add = [&parser, &declared](const QStringList& names, const QString& description,
                   const QString& valueName = QString()) {
        QCommandLineOption option(names, description, valueName);
        parser.addOption(option);
        declared << option;
        return option;
    };
    const auto output = add({ "o", "output" }, "Output folder.", "DIR");
    const auto width = add({ "w", "width" },
        "First size field: the width, or the long side with --sides long-short.", "N");
    const auto height = add({ "H", "height" },
        "Second size field: the height, or the short side with --sides long-short.", "N");
    const auto unit
        = add({ "u", "unit" }, "Unit of the size fields: px, in, mm or percent.", "UNIT");
    const auto proportional = add({ "p", "proportional" },
        "Keep the proportions; SIDE is the size field that is given: width, height, long, "
        "short (these two also select --sides long-short), first or second.",
        "SIDE");
    const auto freeScaling = add({ "free" }, "Scale width and height independently.");
    const auto sides
        = add({ "sides" }, "What the size fields mean: width-height or long-short.", "MODE");
    const auto resolution
        = add({ "r", "resolution" }, "Output resolution in pixels per inch.", "PPI");
    // "jpeg, png, gif, bmp, tiff, webp, avif, heic or jxl"
    QStringList formatNames = OutputFormats::commandLineNames();
    const QString lastFormat = formatNames.takeLast();
    const QString formatWords = formatNames.isEmpty()
        ? lastFormat
        : formatNames.join(QStringLiteral(", ")) + QStringLiteral(" or ") + lastFormat;
    const auto format
        = add({ "f", "format" }, QStringLiteral("Output format: %1.").arg(formatWords), "FORMAT");
    const auto quality = add({ "q", "quality" },
        "Quality from 0 to 100 for JPEG, WebP, AVIF, HEIC and JPEG XL; 100 is lossless for "
        "WebP and JPEG XL.",
        "PERCENT");
    const auto naming = add({ "n", "naming" },
        "Output names: source (the source's name) or custom (--name and a four-digit number).",
        "MODE");
    const auto name = add({ "name" }, "Base name of custom naming.", "TEXT");
    const auto startNumber = add({ "start-number" }, "First number of custom naming.", "N");
    const auto background = add(
        { "background" }, "Flatten every image onto the background colour: on or off.", "on|off");
    const auto backgroundColor = add({ "background-color" },
        "Background colour: #rrggbb, #aarrggbb or a colour name such as white.", "COLOUR");
    const auto metadata = add({ "metadata" },
        "What each output keeps of its source's EXIF, IPTC and XMP: keep (all of it, "
        "upright), no-personal (without GPS position, names, serial numbers, XMP and IPTC; the "
        "default) or none (only the colour profile and the resolution).",
        "MODE");
    const auto maxMegapixels = add({ "max-megapixels" },
        "Refuse sources with more than N million pixels, unread (default 500; 1 to 1000000).", "N");
    const auto save = add({ "save" }, "Also store the options given as the settings.");
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Image files to process."),
        QStringLiteral("FILE..."));
    options.mHelpText = parser.helpText()
        + QString::fromUtf8(kExamples).arg(ImageCodec::sourceExtensions().join(QLatin1Char(' ')));

    auto fail = [&options](const QString& message) {
        options.mAction = Action::UsageError;
        options.mError = message;
        return options;
    };
    auto bad = [&fail](const QString& option, const QString& value, const QString& expected) {
        return fail(
            QStringLiteral("invalid value \"%1\" for --%2: %3").arg(value, option, expected));
    };

    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        options.mAction = Action::Help;
        return options;
    }
    if (parser.isSet(version)) {
        options.mAction = Action::Version;
        return options;
    }
    // An option given twice is a mistake worth naming rather than a silent "last one wins".
    for (const QCommandLineOption& option : declared) {
        if (parser.values(option).size() > 1
            || parser.optionNames().count(option.names().last()) > 1)
            return fail(
                QStringLiteral("option --%1 given more than once").arg(option.names().last()));
    }

    if (parser.isSet(output)) {
        const QString dir = parser.value(output);
        if (dir.isEmpty())
            return bad("output", dir, "an output folder is needed");
        options.mOutputFolder = QDir::cleanPath(QDir::current().absoluteFilePath(dir));
    }
    auto measure = [&](const QCommandLineOption& option, std::optional<float>& field,
                       bool zeroAllowed) {
        const QString value = parser.value(option);
        const auto d = number(value);
        if (!d || *d < 0.0 || (*d == 0.0 && !zeroAllowed) || *d > 1.0e9)
            return false;
        field = static_cast<float>(*d);
        return true;
    };
    // A size field of 0 takes that side from the other one, as in the window.
    if (parser.isSet(width) && !measure(width, options.mWidth, true))
        return bad("width", parser.value(width), "a number of 0 or more is expected");
    if (parser.isSet(height) && !measure(height, options.mHeight, true))
        return bad("height", parser.value(height), "a number of 0 or more is expected");
    if (parser.isSet(resolution) && !measure(resolution, options.mResolution, false))
        return bad("resolution", parser.value(resolution),
            "a number of pixels per inch above 0 is expected");
    // A value from a fixed set of words; false after naming the option and the words.
    auto pick = [&]<typename Code>(const QCommandLineOption& option, std::optional<Code>& field,
                    std::initializer_list<Choice<Code>> choices, const char* expected) {
        if (!parser.isSet(option))
            return true;
        field = choose(parser.value(option), choices);
        if (!field)
            bad(option.names().last(), parser.value(option), QLatin1String(expected));
        return field.has_value();
    };
    if (!pick(unit, options.mUnit,
            { { "px", Settings::Unit::Pixels }, { "pixels", Settings::Unit::Pixels },
                { "in", Settings::Unit::Inches }, { "inches", Settings::Unit::Inches },
                { "mm", Settings::Unit::Millimetres },
                { "millimetres", Settings::Unit::Millimetres },
                { "millimeters", Settings::Unit::Millimetres },
                { "percent", Settings::Unit::Percent }, { "%", Settings::Unit::Percent } },
            "px, in, mm or percent"))
        return options;
    std::optional<int> sidesMode;
    if (!pick(sides, sidesMode, { { "width-height", 0 }, { "long-short", 1 } },
            "width-height or long-short"))
        return options;
    if (sidesMode)
        options.mLongShortSides = *sidesMode == 1;
    if (parser.isSet(proportional) && parser.isSet(freeScaling))
        return fail(QStringLiteral("--proportional and --free exclude each other"));
    if (parser.isSet(freeScaling))
        options.mProportional = false;
    if (parser.isSet(proportional)) {
        // The given field, and what it says of the size fields' meaning: width-height (0),
        // long-short (1) or nothing (-1).
        struct Given
        {
            Settings::Side side;
            int sidesMode;
        };
        static const QHash<QString, Given> meaning = { { "width", { Settings::Side::First, 0 } },
            { "height", { Settings::Side::Second, 0 } }, { "long", { Settings::Side::First, 1 } },
            { "short", { Settings::Side::Second, 1 } }, { "first", { Settings::Side::First, -1 } },
            { "second", { Settings::Side::Second, -1 } } };
        const QString value = parser.value(proportional);
        const auto it = meaning.constFind(value.trimmed().toLower());
        if (it == meaning.constEnd())
            return bad("proportional", value, "width, height, long, short, first or second");
        const bool longShort = it->sidesMode == 1;
        if (it->sidesMode >= 0 && options.mLongShortSides && *options.mLongShortSides != longShort)
            return fail(QStringLiteral("--proportional %1 contradicts --sides %2")
                            .arg(value, parser.value(sides)));
        options.mProportional = true;
        options.mGivenSide = it->side;
        if (it->sidesMode >= 0)
            options.mLongShortSides = longShort;
    }
    if (parser.isSet(format)) {
        options.mFormat = OutputFormats::fromCommandLineName(parser.value(format));
        if (!options.mFormat)
            return bad("format", parser.value(format), formatWords);
    }
    if (parser.isSet(quality)) {
        const auto d = number(parser.value(quality));
        if (!d || *d < 0.0 || *d > 100.0)
            return bad("quality", parser.value(quality), "a number from 0 to 100");
        options.mQuality = static_cast<float>(*d / 100.0);
    }
    if (!pick(metadata, options.mMetadata,
            { { "keep", MetadataMode::Keep }, { "no-personal", MetadataMode::WithoutPersonal },
                { "none", MetadataMode::None } },
            "keep, no-personal or none"))
        return options;
    if (!pick(naming, options.mNaming,
            { { "source", Settings::Naming::SourceName },
                { "custom", Settings::Naming::CustomName } },
            "source or custom"))
        return options;
    if (parser.isSet(name)) {
        const QString value = parser.value(name);
        if (value.contains(QLatin1Char('/')))
            return bad("name", value, "a file name cannot hold \"/\"");
        options.mBaseName = value;
    }
    if (parser.isSet(startNumber)) {
        const QString value = parser.value(startNumber);
        bool ok = false;
        value.trimmed().toInt(&ok);
        if (!ok)
            return bad("start-number", value, "a whole number is expected");
        options.mStartNumber = value.trimmed();
    }
    std::optional<int> on;
    if (!pick(background, on,
            { { "on", 1 }, { "off", 0 }, { "yes", 1 }, { "no", 0 }, { "true", 1 }, { "false", 0 },
                { "1", 1 }, { "0", 0 } },
            "on or off"))
        return options;
    if (on)
        options.mBackgroundEnabled = *on == 1;
    if (parser.isSet(backgroundColor)) {
        const QColor colour = QColor::fromString(parser.value(backgroundColor).trimmed());
        if (!colour.isValid())
            return bad("background-color", parser.value(backgroundColor),
                "#rrggbb, #aarrggbb or a colour name");
        options.mBackgroundColor = colour;
    }
    if (parser.isSet(maxMegapixels)) {
        const QString value = parser.value(maxMegapixels);
        bool ok = false;
        const int limit = value.trimmed().toInt(&ok);
        if (!ok || limit < 1 || limit > Settings::kMaxMegapixelsLimit)
            return bad("max-megapixels", value, "a whole number from 1 to 1000000");
        options.mMaxMegapixels = limit;
    }
    options.mSave = parser.isSet(save);

    for (const QString& file : parser.positionalArguments()) {
        if (file.isEmpty())
            return fail(QStringLiteral("an empty file name was given"));
        // The list tells paths apart as plain strings: each is made absolute and clean, the
        // way the window receives them.
        options.mFiles << QDir::cleanPath(QDir::current().absoluteFilePath(file));
    }
    return options;
}

void CliOptions::applyTo(Settings& settings) const
{
    if (mBackgroundEnabled)
        settings.setBackgroundEnabled(*mBackgroundEnabled);
    if (mBackgroundColor)
        settings.setBackgroundColor(*mBackgroundColor);
    if (mLongShortSides)
        settings.setUsesLongShortSides(*mLongShortSides);
    if (mProportional)
        settings.setProportional(*mProportional);
    if (mGivenSide)
        settings.setGivenSide(*mGivenSide);
    if (mUnit)
        settings.setUnit(*mUnit);
    if (mWidth)
        settings.setWidth(*mWidth);
    if (mHeight)
        settings.setHeight(*mHeight);
    if (mResolution)
        settings.setResolution(*mResolution);
    if (mOutputFolder)
        settings.setOutputFolder(*mOutputFolder);
    if (mNaming)
        settings.setNaming(*mNaming);
    if (mBaseName)
        settings.setBaseName(*mBaseName);
    if (mStartNumber)
        settings.setStartNumber(*mStartNumber);
    if (mFormat)
        settings.setOutputFormat(*mFormat);
    if (mMetadata)
        settings.setMetadata(*mMetadata);
    if (mQuality)
        settings.setQuality(*mQuality);
    if (mMaxMegapixels)
        settings.setMaxMegapixels(*mMaxMegapixels);
}

QString CliOptions::checkRun(const Settings& settings)
{
    // A size of 0 takes that side from the other one, so one side is enough; without any,
    // every image would fail. The stored settings can hold such sizes too, not only options.
    const float width = settings.width();
    const float height = settings.height();
    if (width < 0.0f)
        return QStringLiteral("no size: the width cannot be negative (--width)");
    if (height < 0.0f)
        return QStringLiteral("no size: the height cannot be negative (--height)");
    if (settings.isProportional()) {
        const bool second = settings.givenSide() == Settings::Side::Second;
        if (!((second ? height : width) > 0.0f))
            return second ? QStringLiteral("no size: proportional scaling by the second size "
                                           "field needs a height above 0 (--height)")
                          : QStringLiteral("no size: proportional scaling by the first size "
                                           "field needs a width above 0 (--width)");
    } else if (!(width > 0.0f) && !(height > 0.0f)) {
        return QStringLiteral(
            "no size: width and height are both 0; give one above 0 (--width, --height)");
    }
    if (!(settings.resolution() > 0.0f))
        return QStringLiteral("the resolution must be above 0 (--resolution)");

    const QString dest = settings.outputFolder();
    if (dest.isEmpty())
        return QStringLiteral("no output folder: give one with --output");
    const QFileInfo info(dest);
    if (!info.exists())
        return QStringLiteral("the output folder \"%1\" does not exist").arg(dest);
    if (!info.isDir())
        return QStringLiteral("the output \"%1\" is not a folder").arg(dest);
    if (settings.naming() == Settings::Naming::CustomName && settings.startNumber().isEmpty())
        return QStringLiteral("custom naming needs a start number: give one with --start-number");
    if (settings.naming() == Settings::Naming::CustomName
        && !ResizeRules::isUsableCustomName(settings.baseName()))
        return QStringLiteral("the custom name \"%1\" cannot name a file in the output folder: "
                              "it may not hold \"/\" nor be \".\" or \"..\"")
            .arg(settings.baseName());
    return QString();
}
