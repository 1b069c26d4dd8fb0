#include "CliOptions.h"

#include <cmath>
#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include "codec/FileNames.h"
#include "codec/ImageCodec.h"
#include "model/OutputFormat.h"
#include "core/ResizeRules.h"
#include "settings/Settings.h"
#include "SourceList.h"

namespace {

// One example of the help: the command, and below it what it does.
QString example(const char* command, const QString& what)
{
    return QStringLiteral("  ") + QLatin1String(command) + QStringLiteral("\n      ") + what
        + QLatin1Char('\n');
}

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
    parser.setApplicationDescription(
        tr("Resizes and converts image files in one batch, with the settings of Ostrel's window."));
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
    const auto output = add({ "o", "output" }, tr("Output folder."), tr("DIR"));
    const auto width = add({ "w", "width" },
        tr("First size field: the width, or the long side with --sides long-short."), "N");
    const auto height = add({ "H", "height" },
        tr("Second size field: the height, or the short side with --sides long-short."), "N");
    const auto unit
        = add({ "u", "unit" }, tr("Unit of the size fields: px, in, mm or percent."), tr("UNIT"));
    const auto proportional = add({ "p", "proportional" },
        tr("Keep the proportions; SIDE is the size field that is given: width, height, long, "
           "short (these two also select --sides long-short), first or second; or fit: each "
           "image fits inside --width x --height (long x short side with --sides long-short)."),
        tr("SIDE"));
    const auto freeScaling = add({ "free" }, tr("Scale width and height independently."));
    const auto noEnlarge = add({ "no-enlarge" },
        tr("Do not enlarge: an image smaller than its target keeps its own size."));
    const auto enlarge
        = add({ "enlarge" }, tr("Enlarge images smaller than their target (the default)."));
    const auto sides = add(
        { "sides" }, tr("What the size fields mean: width-height or long-short."), tr("MODE"));
    const auto resolution
        = add({ "r", "resolution" }, tr("Output resolution in pixels per inch."), "PPI");
    // "jpeg, png, gif, bmp, tiff, webp, avif, heic or jxl"
    QStringList formatNames = OutputFormats::commandLineNames();
    const QString lastFormat = formatNames.takeLast();
    const QString formatWords = formatNames.isEmpty()
        ? lastFormat
        : tr("%1 or %2").arg(formatNames.join(QStringLiteral(", ")), lastFormat);
    const auto format
        = add({ "f", "format" }, tr("Output format: %1.").arg(formatWords), tr("FORMAT"));
    const auto quality = add({ "q", "quality" },
        tr("Quality from 0 to 100 for JPEG, WebP, AVIF, HEIC and JPEG XL; 100 is lossless for "
           "WebP and JPEG XL."),
        tr("PERCENT"));
    const auto naming = add({ "n", "naming" },
        tr("Output names: source (the source's name) or custom (--name and a four-digit "
           "number)."),
        tr("MODE"));
    const auto name = add({ "name" }, tr("Base name of custom naming."), tr("TEXT"));
    const auto startNumber = add({ "start-number" }, tr("First number of custom naming."), "N");
    const auto background = add({ "background" },
        tr("Flatten every image onto the background colour: on or off."), "on|off");
    const auto backgroundColor = add({ "background-color" },
        tr("Background colour: #rrggbb, #aarrggbb or a colour name such as white."), tr("COLOUR"));
    const auto existing = add({ "existing" },
        tr("When a file of the output name exists: fail (the image fails; the default), number "
           "(the new file takes name-2.ext, name-3.ext, ...) or skip (the image is skipped and "
           "counts as done)."),
        tr("CHOICE"));
    const auto jobs = add({ "j", "jobs" },
        tr("Process up to N images at once (0 to 64; 0, the default, is one per processor core)."),
        "N");
    const auto metadata = add({ "metadata" },
        tr("What each output keeps of its source's metadata: keep (all of it, upright, but "
           "the EXIF thumbnail), no-personal (only the date taken, camera, lens, exposure and "
           "copyright; the default) or none (only the colour profile's colours and the "
           "resolution)."),
        tr("MODE"));
    const auto tiffCompression = add({ "tiff-compression" },
        tr("How TIFF files are compressed, both lossless: lzw (smaller files; the default) or "
           "none (faster to write and to read)."),
        tr("MODE"));
    const auto maxMegapixels = add({ "max-megapixels" },
        tr("Refuse sources with more than N million pixels, unread (default 500; 1 to 1000000)."),
        "N");
    const auto save = add({ "save" }, tr("Also store the options given as the settings."));
    const auto filesFrom = add({ "files-from" },
        tr("Also process the files named in FILE (- for standard input), one per line, after "
           "those given as arguments."),
        tr("FILE"));
    const auto nul = add({ "null" },
        tr("The names of --files-from are separated by NUL characters, not lines (find "
           "-print0), so that any name can be given."));
    const auto recursive = add({ "R", "recursive" },
        tr("Search folders among the files for images, subfolders included, as the window does "
           "with dropped folders."));
    const auto keepTree = add({ "keep-tree" },
        tr("Write each output into the subfolders of the output folder that its source has "
           "below DIR (made as needed); every source must be below DIR."),
        tr("DIR"));
    const auto shard = add({ "shard" },
        tr("Process only part K of N of the files (1 <= K <= N), chosen by a hash of each "
           "path as given, so that N machines share one list: the N parts together are the "
           "whole list, each file in one of them."),
        "K/N");
    const auto dryRun = add({ "dry-run" },
        tr("Print the output path and pixel size each file would get, and what happens to a "
           "name that is taken; write nothing."));
    const auto json = add({ "json" },
        tr("Report on standard output in JSON Lines: one object per image as it completes, "
           "then a summary object; nothing else goes there."));
    const auto quiet = add({ "quiet" }, tr("No progress and no summary: errors only."));
    parser.addPositionalArgument(tr("FILE"), tr("Image files to process."), tr("FILE..."));
    // After the options: what they do to the stored settings, examples, which files are
    // taken, and the exit status. The commands of the examples are the same in every language.
    options.mHelpText = parser.helpText() + QLatin1Char('\n')
        + tr("Options override the settings stored by Ostrel's window for this run only; with "
             "--save\nthey are stored as well. With --save and no files the settings are stored "
             "and nothing\nis processed.")
        + QStringLiteral("\n\n") + tr("Examples:") + QLatin1Char('\n')
        + example("ostrel-batch -o ~/web --proportional width -w 800 -q 85 photos/*.jpg",
            tr("every photo 800 pixels wide, its height in proportion, JPEG at 85 %"))
        + example("ostrel-batch -o out --unit percent -w 50 -H 50 --format png scan.tif",
            tr("half size in both directions, as PNG"))
        + example("ostrel-batch -o out --naming custom --name Trip --start-number 1 *.JPG",
            tr("written as Trip0001.jpg, Trip0002.jpg, ..."))
        + example(
            "ostrel-batch -o out --format jpeg --background on --background-color white logo.png",
            tr("transparent parts flattened onto white"))
        + example("ostrel-batch -o web --proportional long -w 1600 -f avif -q 60 --metadata none "
                  "*.jpg",
            tr("AVIF files 1600 pixels on the long side, with no camera data in them"))
        + example("ostrel-batch --save -o ~/Pictures/small --proportional long -w 1600",
            tr("stores the settings for later runs and for the window; processes nothing"))
        + example("ostrel-batch -o out -p fit -w 1600 -H 1200 --no-enlarge --existing skip "
                  "photos/*.jpg",
            tr("each photo inside 1600 x 1200, none made larger; a run that was interrupted\n"
               "      finishes the rest and leaves what it wrote before"))
        + example("find photos -name '*.jpg' -print0 | ostrel-batch --files-from - --null -o out "
                  "-w 800 --json > report.jsonl",
            tr("any file name from find, and a report another program can read"))
        + example("ostrel-batch -R --keep-tree photos -o web -w 1600 --existing skip photos",
            tr("every image below photos, in the same subfolders below web; run again after an\n"
               "      interruption, it writes only what is missing"))
        + example("ostrel-batch -R --shard 2/3 -o /shared/out -w 800 photos",
            tr("the second of three machines sharing the work"))
        + QLatin1Char('\n')
        + tr("Files are taken by their extension, all in lower case or all in upper case:\n  "
             "%1\nand each is read only as the type its extension names; any other file, and a "
             "folder, is\nnamed and skipped. A source above the pixel limit (500 megapixels "
             "unless the\nmaxMegapixels setting says otherwise) is refused before it is decoded; "
             "--max-megapixels\nraises it.")
              .arg(ImageCodec::sourceExtensions().join(QLatin1Char(' ')))
        + QLatin1Char('\n')
        + tr("With --recursive, folders are searched for the files they hold instead.")
        + QLatin1Char('\n')
        + tr("Up to --jobs images are processed at once (one per processor core unless the "
             "jobs\nsetting says otherwise); names, running numbers, progress and log follow "
             "the order of\nthe files given all the same.")
        + QLatin1Char('\n')
        + tr("--shard: the part of a file is the first 8 bytes of the SHA-1 of its path as given "
             "(a walked\nfolder's path as given followed by the path below it; ./ and doubled / "
             "left out), read\nas a big-endian number, modulo N, plus 1: the same on every "
             "machine. Each image keeps\nthe running number it has in the whole list, so that "
             "the parts together write what one\nrun would.")
        + QLatin1Char('\n') + tr("--dry-run exits with 1 when an image would fail, otherwise 0.")
        + QLatin1Char('\n')
        + tr("Progress goes to standard error. Ctrl-C stops after the images in progress; a "
             "second\nCtrl-C abandons them at once and writes nothing of them.")
        + QLatin1Char('\n')
        + tr("Exit status: 0 every image written, 1 an image failed or was not processed, a "
             "file given\nwas not taken or the settings could not be saved, 2 a usage error "
             "(nothing processed).")
        + QLatin1Char('\n') + tr("Images skipped with --existing skip leave the exit status at 0.")
        + QLatin1Char('\n');

    auto fail = [&options](const QString& message) {
        options.mAction = Action::UsageError;
        options.mError = message;
        return options;
    };
    auto bad = [&fail](const QString& option, const QString& value, const QString& expected) {
        return fail(tr("invalid value \"%1\" for --%2: %3").arg(value, option, expected));
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
            return fail(tr("option --%1 given more than once").arg(option.names().last()));
    }

    if (parser.isSet(output)) {
        const QString dir = parser.value(output);
        if (dir.isEmpty())
            return bad("output", dir, tr("an output folder is needed"));
        options.mOutputFolder = QDir::cleanPath(QDir::current().absoluteFilePath(dir));
    }
    auto measure
        = [&](const QCommandLineOption& option, std::optional<float>& field, bool zeroAllowed) {
              const QString value = parser.value(option);
              const auto d = number(value);
              if (!d || *d < 0.0 || (*d == 0.0 && !zeroAllowed) || *d > 1.0e9)
                  return false;
              field = static_cast<float>(*d);
              return true;
          };
    // A size field of 0 takes that side from the other one, as in the window.
    if (parser.isSet(width) && !measure(width, options.mWidth, true))
        return bad("width", parser.value(width), tr("a number of 0 or more is expected"));
    if (parser.isSet(height) && !measure(height, options.mHeight, true))
        return bad("height", parser.value(height), tr("a number of 0 or more is expected"));
    if (parser.isSet(resolution) && !measure(resolution, options.mResolution, false))
        return bad("resolution", parser.value(resolution),
            tr("a number of pixels per inch above 0 is expected"));
    // A value from a fixed set of words; false after naming the option and the words.
    auto pick = [&]<typename Code>(const QCommandLineOption& option, std::optional<Code>& field,
                    std::initializer_list<Choice<Code>> choices, const QString& expected) {
        if (!parser.isSet(option))
            return true;
        field = choose(parser.value(option), choices);
        if (!field)
            bad(option.names().last(), parser.value(option), expected);
        return field.has_value();
    };
    if (!pick(unit, options.mUnit,
            { { "px", SizeUnit::Pixels }, { "pixels", SizeUnit::Pixels },
                { "in", SizeUnit::Inches }, { "inches", SizeUnit::Inches },
                { "mm", SizeUnit::Millimetres },
                { "millimetres", SizeUnit::Millimetres },
                { "millimeters", SizeUnit::Millimetres },
                { "percent", SizeUnit::Percent }, { "%", SizeUnit::Percent } },
            tr("px, in, mm or percent")))
        return options;
    std::optional<int> sidesMode;
    if (!pick(sides, sidesMode, { { "width-height", 0 }, { "long-short", 1 } },
            tr("width-height or long-short")))
        return options;
    if (sidesMode)
        options.mLongShortSides = *sidesMode == 1;
    if (parser.isSet(proportional) && parser.isSet(freeScaling))
        return fail(tr("--proportional and --free exclude each other"));
    if (parser.isSet(freeScaling))
        options.mProportional = false;
    if (parser.isSet(proportional)) {
        // The given field, and what it says of the size fields' meaning: width-height (0),
        // long-short (1) or nothing (-1).
        struct Given
        {
            GivenSide side;
            int sidesMode;
        };
        static const QHash<QString, Given> meaning = { { "width", { GivenSide::First, 0 } },
            { "height", { GivenSide::Second, 0 } }, { "long", { GivenSide::First, 1 } },
            { "short", { GivenSide::Second, 1 } }, { "first", { GivenSide::First, -1 } },
            { "second", { GivenSide::Second, -1 } }, { "fit", { GivenSide::Both, -1 } } };
        const QString value = parser.value(proportional);
        const auto it = meaning.constFind(value.trimmed().toLower());
        if (it == meaning.constEnd())
            return bad(
                "proportional", value, tr("width, height, long, short, first, second or fit"));
        const bool longShort = it->sidesMode == 1;
        if (it->sidesMode >= 0 && options.mLongShortSides && *options.mLongShortSides != longShort)
            return fail(
                tr("--proportional %1 contradicts --sides %2").arg(value, parser.value(sides)));
        options.mProportional = true;
        options.mGivenSide = it->side;
        if (it->sidesMode >= 0)
            options.mLongShortSides = longShort;
    }
    if (parser.isSet(noEnlarge) && parser.isSet(enlarge))
        return fail(QStringLiteral("--no-enlarge and --enlarge exclude each other"));
    if (parser.isSet(noEnlarge) || parser.isSet(enlarge))
        options.mNoEnlarge = parser.isSet(noEnlarge);
    if (!pick(existing, options.mExisting,
            { { "fail", ExistingFile::Fail }, { "number", ExistingFile::Number },
                { "skip", ExistingFile::Skip } },
            "fail, number or skip"))
        return options;
    if (parser.isSet(format)) {
        options.mFormat = OutputFormats::fromCommandLineName(parser.value(format));
        if (!options.mFormat)
            return bad("format", parser.value(format), formatWords);
    }
    if (parser.isSet(quality)) {
        const auto d = number(parser.value(quality));
        if (!d || *d < 0.0 || *d > 100.0)
            return bad("quality", parser.value(quality), tr("a number from 0 to 100"));
        options.mQuality = static_cast<float>(*d / 100.0);
    }
    if (!pick(metadata, options.mMetadata,
            { { "keep", MetadataMode::Keep }, { "no-personal", MetadataMode::WithoutPersonal },
                { "none", MetadataMode::None } },
            tr("keep, no-personal or none")))
        return options;
    if (!pick(tiffCompression, options.mTiffCompression,
            { { "lzw", TiffCompression::Lzw }, { "none", TiffCompression::None } },
            tr("lzw or none")))
        return options;
    if (!pick(naming, options.mNaming,
            { { "source", OutputNaming::SourceName },
                { "custom", OutputNaming::CustomName } },
            tr("source or custom")))
        return options;
    if (parser.isSet(name)) {
        const QString value = parser.value(name);
        if (value.contains(QLatin1Char('/')))
            return bad("name", value, tr("a file name cannot hold \"/\""));
        options.mBaseName = value;
    }
    if (parser.isSet(startNumber)) {
        const QString value = parser.value(startNumber);
        bool ok = false;
        value.trimmed().toInt(&ok);
        if (!ok)
            return bad("start-number", value, tr("a whole number is expected"));
        options.mStartNumber = value.trimmed();
    }
    std::optional<int> on;
    if (!pick(background, on,
            { { "on", 1 }, { "off", 0 }, { "yes", 1 }, { "no", 0 }, { "true", 1 }, { "false", 0 },
                { "1", 1 }, { "0", 0 } },
            tr("on or off")))
        return options;
    if (on)
        options.mBackgroundEnabled = *on == 1;
    if (parser.isSet(backgroundColor)) {
        const QColor colour = QColor::fromString(parser.value(backgroundColor).trimmed());
        if (!colour.isValid())
            return bad("background-color", parser.value(backgroundColor),
                tr("#rrggbb, #aarrggbb or a colour name"));
        options.mBackgroundColor = colour;
    }
    if (parser.isSet(jobs)) {
        const QString value = parser.value(jobs);
        bool ok = false;
        const int count = value.trimmed().toInt(&ok);
        if (!ok || count < 0 || count > Settings::kMaxJobs)
            return bad("jobs", value, tr("a whole number from 0 (one per core) to 64"));
        options.mJobs = count;
    }
    if (parser.isSet(maxMegapixels)) {
        const QString value = parser.value(maxMegapixels);
        bool ok = false;
        const int limit = value.trimmed().toInt(&ok);
        if (!ok || limit < 1 || limit > Settings::kMaxMegapixelsLimit)
            return bad("max-megapixels", value, tr("a whole number from 1 to 1000000"));
        options.mMaxMegapixels = limit;
    }
    options.mSave = parser.isSet(save);
    options.mRecursive = parser.isSet(recursive);
    options.mJson = parser.isSet(json);
    options.mQuiet = parser.isSet(quiet);
    options.mDryRun = parser.isSet(dryRun);
    if (options.mDryRun && options.mSave)
        return fail(tr("--dry-run and --save exclude each other"));
    if (parser.isSet(shard)) {
        const QString value = parser.value(shard);
        const QStringList parts = value.trimmed().split(QLatin1Char('/'));
        bool okIndex = false;
        bool okCount = false;
        const int index = parts.size() == 2 ? parts.at(0).toInt(&okIndex) : 0;
        const int count = parts.size() == 2 ? parts.at(1).toInt(&okCount) : 0;
        if (!okIndex || !okCount || count < 1 || index < 1 || index > count)
            return bad("shard", value, tr("K/N with 1 <= K <= N, such as 2/3"));
        options.mShardIndex = index;
        options.mShardCount = count;
    }
    if (parser.isSet(keepTree)) {
        const QString dir = parser.value(keepTree);
        if (dir.isEmpty() || !FileNames::isFolder(dir))
            return bad("keep-tree", dir, tr("a folder that holds the sources is expected"));
        options.mKeepTreeRoot = QDir::cleanPath(QDir::current().absoluteFilePath(dir));
    }

    QStringList given = parser.positionalArguments();
    if (parser.isSet(nul) && !parser.isSet(filesFrom))
        return fail(tr("--null goes with --files-from"));
    if (parser.isSet(filesFrom)) {
        const QString listFile = parser.value(filesFrom);
        QFile list(listFile);
        const bool opened = listFile == QLatin1String("-") ? list.open(stdin, QIODevice::ReadOnly)
                                                           : list.open(QIODevice::ReadOnly);
        if (listFile.isEmpty() || !opened || QFileInfo(listFile).isDir())
            return bad("files-from", listFile,
                tr("a readable file of names, or - for standard input (%1)")
                    .arg(list.errorString()));
        given << SourceList::readNames(list, parser.isSet(nul));
    }
    for (const QString& file : std::as_const(given)) {
        if (file.isEmpty())
            return fail(tr("an empty file name was given"));
        // The list tells paths apart as plain strings: each is made absolute and clean, the
        // way the window receives them.
        options.mFiles << QDir::cleanPath(QDir::current().absoluteFilePath(file));
        options.mGivenFiles << file;
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
    if (mTiffCompression)
        settings.setTiffCompression(*mTiffCompression);
    if (mQuality)
        settings.setQuality(*mQuality);
    if (mMaxMegapixels)
        settings.setMaxMegapixels(*mMaxMegapixels);
    if (mNoEnlarge)
        settings.setNoEnlarge(*mNoEnlarge);
    if (mExisting)
        settings.setExistingFile(*mExisting);
    if (mJobs)
        settings.setJobs(*mJobs);
}

QString CliOptions::checkRun(const Settings& settings)
{
    // A size of 0 takes that side from the other one, so one side is enough; without any,
    // every image would fail. The stored settings can hold such sizes too, not only options.
    const float width = settings.width();
    const float height = settings.height();
    if (width < 0.0f)
        return tr("no size: the width cannot be negative (--width)");
    if (height < 0.0f)
        return tr("no size: the height cannot be negative (--height)");
    // Fitting inside a box takes both values like free scaling: a 0 sets no limit on its side.
    const bool box = !settings.isProportional() || settings.givenSide() == GivenSide::Both;
    if (!box) {
        const bool second = settings.givenSide() == GivenSide::Second;
        if (!((second ? height : width) > 0.0f))
            return second ? tr("no size: proportional scaling by the second size field needs a "
                               "height above 0 (--height)")
                          : tr("no size: proportional scaling by the first size field needs a "
                               "width above 0 (--width)");
    } else if (!(width > 0.0f) && !(height > 0.0f)) {
        return tr("no size: width and height are both 0; give one above 0 (--width, --height)");
    }
    if (!(settings.resolution() > 0.0f))
        return tr("the resolution must be above 0 (--resolution)");

    const QString dest = settings.outputFolder();
    if (dest.isEmpty())
        return tr("no output folder: give one with --output");
    const FileNames::Status info = FileNames::status(dest);
    if (!info.exists)
        return tr("the output folder \"%1\" does not exist").arg(dest);
    if (!info.isFolder)
        return tr("the output \"%1\" is not a folder").arg(dest);
    if (settings.naming() == OutputNaming::CustomName && settings.startNumber().isEmpty())
        return tr("custom naming needs a start number: give one with --start-number");
    if (settings.naming() == OutputNaming::CustomName
        && !ResizeRules::isUsableCustomName(settings.baseName()))
        return tr("the custom name \"%1\" cannot name a file in the output folder: it may not "
                  "hold \"/\" nor be \".\" or \"..\"")
            .arg(settings.baseName());
    return QString();
}
