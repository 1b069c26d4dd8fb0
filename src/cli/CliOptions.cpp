#include "CliOptions.h"

#include <algorithm>
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
#include "model/FileSizeLimit.h"
#include "model/OutputFormat.h"
#include "core/ResizeRules.h"
#include "batch/StartCheck.h"
#include "settings/Settings.h"
#include "settings/SettingsTable.h"
#include "SourceList.h"

namespace {

// One example of the help: the command, and below it what it does.
QString example(const char* command, const QString& what)
{
    return QStringLiteral("  ") + QLatin1String(command) + QStringLiteral("\n      ") + what
        + QLatin1Char('\n');
}

std::optional<double> number(const QString& value)
{
    bool ok = false;
    const double d = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

// An option as the shell completion offers it.
struct CompletedOption
{
    QStringList names;
    enum Takes
    {
        Nothing, // a flag, or words (below)
        Value, // a number or a text of the user's: nothing to offer
        Folder,
        FileOrInput, // a file, or - for standard input
    } takes;
    QStringList words;
};

QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The bash completion script of ostrel-batch: its options, and the values of those that take
// a word from a fixed set.
QString bashCompletion(const QList<CompletedOption>& completed)
{
    QString cases;
    QStringList values;
    QStringList all;
    for (const CompletedOption& option : completed) {
        QStringList names;
        for (const QString& name : option.names)
            names << dashed(name);
        all << names;
        const QString pattern = QStringLiteral("    ") + names.join(QStringLiteral(" | "));
        if (!option.words.isEmpty())
            cases += pattern + QStringLiteral(") values='") + option.words.join(u' ')
                + QStringLiteral("' ;;\n");
        else if (option.takes == CompletedOption::Folder)
            cases += pattern
                + QStringLiteral(")\n        mapfile -t COMPREPLY < <(compgen -d -- \"$cur\")\n"
                                 "        return\n        ;;\n");
        else if (option.takes == CompletedOption::FileOrInput)
            cases += pattern
                + QStringLiteral(")\n        mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n"
                                 "        [[ -z $cur || $cur == - ]] && COMPREPLY+=(-)\n"
                                 "        return\n        ;;\n");
        else if (option.takes == CompletedOption::Value)
            values << names;
    }
    if (!values.isEmpty())
        cases += QStringLiteral("    ") + values.join(QStringLiteral(" | "))
            + QStringLiteral(")\n        # A number or a text of the user's: nothing to offer.\n"
                             "        COMPREPLY=()\n        return\n        ;;\n");
    return QStringLiteral(
               "# Bash completion for ostrel-batch: its options, and the values of those that take "
               "a word\n# from a fixed set. Made by `ostrel-batch --bash-completion`; installed "
               "as\n# share/bash-completion/completions/ostrel-batch.\n\n"
               "_ostrel_batch()\n{\n"
               "    local cur=${COMP_WORDS[COMP_CWORD]}\n"
               "    local prev=\n"
               "    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}\n"
               "    local values=\n"
               "    case $prev in\n")
        + cases
        + QStringLiteral("    esac\n"
                         "    if [[ -n $values ]]; then\n"
                         "        mapfile -t COMPREPLY < <(compgen -W \"$values\" -- \"$cur\")\n"
                         "        return\n"
                         "    fi\n"
                         "    if [[ $cur == -* ]]; then\n"
                         "        mapfile -t COMPREPLY < <(compgen -W '")
        + all.join(u' ')
        + QStringLiteral(
            "' -- \"$cur\")\n"
            "        return\n"
            "    fi\n"
            "    # Image files, and folders to go into (or to give with --recursive).\n"
            "    mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n"
            "}\n"
            "complete -o filenames -F _ostrel_batch ostrel-batch\n");
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
    // The settings' own options, as the settings table declares them (and in its order).
    QStringList formatNames = OutputFormats::commandLineNames();
    const QString lastFormat = formatNames.takeLast();
    const QString formatWords = formatNames.isEmpty()
        ? lastFormat
        : tr("%1 or %2").arg(formatNames.join(QStringLiteral(", ")), lastFormat);
    struct SettingOptionFound
    {
        const SettingRow* row;
        const SettingOption* option;
        QCommandLineOption parsed;
    };
    QList<SettingOptionFound> settingOptions;
    for (const SettingRow& row : SettingsTable::rows()) {
        for (const SettingOption& option : row.options) {
            QString description = QCoreApplication::translate("CliOptions", option.help);
            if (row.holds(Setting::outputFormat))
                description = description.arg(formatWords);
            const QString valueName = option.valueName
                ? QCoreApplication::translate("CliOptions", option.valueName)
                : QString();
            settingOptions << SettingOptionFound { &row, &option,
                add(option.names, description, valueName) };
        }
    }
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
    const auto preset = add({ "preset" },
        tr("Start from the stored or built-in preset NAME; the other options given override "
           "it. Given more than once, each image is written once per preset, each preset's "
           "files in a folder of the output folder named after it."),
        tr("NAME"));
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
    QCommandLineOption completion(QStringLiteral("bash-completion"));
    completion.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(completion);
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
        + example("ostrel-batch -o out --preset \"Web 1600 px\" --preset \"Thumbnail 256 px\" "
                  "*.jpg",
            tr("every photo for the web and as a thumbnail, in out/Web 1600 px and\n"
               "      out/Thumbnail 256 px"))
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
    if (parser.isSet(completion)) {
        // What each option takes, for the shell: the settings' words from the table, folders
        // and files for the options that name them, nothing for numbers and texts.
        QList<CompletedOption> completed;
        for (const QCommandLineOption& option : { help, version })
            completed << CompletedOption { option.names(), CompletedOption::Nothing, {} };
        completed << CompletedOption { { QStringLiteral("help-all") }, CompletedOption::Nothing,
            {} };
        for (const SettingOptionFound& found : std::as_const(settingOptions)) {
            CompletedOption item { found.option->names, CompletedOption::Nothing, {} };
            if (found.option->kind == SettingOption::Kind::Folder)
                item.takes = CompletedOption::Folder;
            if (found.row->holds(Setting::outputFormat))
                item.words = OutputFormats::commandLineNames();
            QList<QVariant> seen;
            for (const OptionWord& word : found.option->words) {
                // One word a value: the synonyms ("pixels" for "px") are not offered.
                if (word.value.isValid() && seen.contains(word.value))
                    continue;
                seen << word.value;
                item.words << QLatin1String(word.word);
            }
            if (found.option->valueName && item.takes == CompletedOption::Nothing
                && item.words.isEmpty())
                item.takes = CompletedOption::Value;
            completed << item;
        }
        completed << CompletedOption { save.names(), CompletedOption::Nothing, {} }
                  << CompletedOption { filesFrom.names(), CompletedOption::FileOrInput, {} }
                  << CompletedOption { nul.names(), CompletedOption::Nothing, {} }
                  << CompletedOption { recursive.names(), CompletedOption::Nothing, {} }
                  << CompletedOption { keepTree.names(), CompletedOption::Folder, {} }
                  << CompletedOption { preset.names(), CompletedOption::Value, {} }
                  << CompletedOption { shard.names(), CompletedOption::Nothing,
                         { "1/2", "2/2", "1/3", "2/3", "3/3", "1/4", "2/4", "3/4", "4/4" } }
                  << CompletedOption { dryRun.names(), CompletedOption::Nothing, {} }
                  << CompletedOption { json.names(), CompletedOption::Nothing, {} }
                  << CompletedOption { quiet.names(), CompletedOption::Nothing, {} };
        options.mAction = Action::Completion;
        options.mHelpText = bashCompletion(completed);
        return options;
    }
    // An option given twice is a mistake worth naming rather than a silent "last one wins".
    for (const QCommandLineOption& option : declared) {
        if (option.names() == preset.names())
            continue; // one run per preset
        if (parser.values(option).size() > 1
            || parser.optionNames().count(option.names().last()) > 1)
            return fail(tr("option --%1 given more than once").arg(option.names().last()));
    }

    // Two options of one setting exclude each other (--free and --proportional, --enlarge and
    // --no-enlarge).
    for (const SettingRow& row : SettingsTable::rows()) {
        QStringList given;
        for (const SettingOptionFound& found : std::as_const(settingOptions)) {
            if (found.row == &row && parser.isSet(found.parsed))
                given << found.option->names.last();
        }
        if (given.size() > 1)
            return fail(tr("--%1 and --%2 exclude each other").arg(given.at(0), given.at(1)));
    }
    const SettingOptionFound* proportional = nullptr;
    for (const SettingOptionFound& found : std::as_const(settingOptions)) {
        if (!parser.isSet(found.parsed))
            continue;
        const SettingOption& option = *found.option;
        const QString value = parser.value(found.parsed);
        const QString name = option.names.last();
        const QString expected = option.expected
            ? QCoreApplication::translate("CliOptions", option.expected)
            : QString();
        const QLatin1String key(found.row->key);
        switch (option.kind) {
        case SettingOption::Kind::Number: {
            const auto d = number(value);
            if (!d || *d < option.min || (*d == 0.0 && !option.zeroAllowed) || *d > option.max)
                return bad(name, value, expected);
            options.mOverrides.insert(key, static_cast<float>(*d * option.scale));
            break;
        }
        case SettingOption::Kind::Integer: {
            bool ok = false;
            const int whole = value.trimmed().toInt(&ok);
            if (!ok || whole < option.min || whole > option.max)
                return bad(name, value, expected);
            options.mOverrides.insert(key, whole);
            break;
        }
        case SettingOption::Kind::Words: {
            const QString word = value.trimmed().toLower();
            const auto it = std::find_if(option.words.cbegin(), option.words.cend(),
                [&word](const OptionWord& w) { return word == QLatin1String(w.word); });
            if (it == option.words.cend())
                return bad(name, value, expected);
            options.mOverrides.insert(key, it->value);
            break;
        }
        case SettingOption::Kind::Flag:
            options.mOverrides.insert(key, option.flagValue);
            break;
        case SettingOption::Kind::Text:
            if (option.plainFileName && !ResizeRules::isUsableCustomName(value))
                return bad(name, value, expected);
            options.mOverrides.insert(key, value);
            break;
        case SettingOption::Kind::Folder:
            if (value.isEmpty())
                return bad(name, value, expected);
            // "--output=~/web" reaches here unexpanded by the shell.
            options.mOverrides.insert(key,
                QDir::cleanPath(
                    QDir::current().absoluteFilePath(FileNames::withHomeExpanded(value))));
            break;
        case SettingOption::Kind::FileSize: {
            const auto bytes = FileSizeLimit::parse(value);
            if (!bytes || *bytes > option.max)
                return bad(name, value, expected);
            options.mOverrides.insert(key, static_cast<int>(*bytes));
            break;
        }
        case SettingOption::Kind::WholeNumberText: {
            bool ok = false;
            value.trimmed().toInt(&ok);
            if (!ok)
                return bad(name, value, expected);
            options.mOverrides.insert(key, value.trimmed());
            break;
        }
        case SettingOption::Kind::Custom:
            if (found.row->holds(Setting::outputFormat)) {
                const auto format = OutputFormats::fromCommandLineName(value);
                if (!format)
                    return bad(name, value, formatWords);
                options.mOverrides.insert(key, int(*format));
            } else if (found.row->holds(Setting::backgroundRed)) {
                const QColor colour = QColor::fromString(value.trimmed());
                if (!colour.isValid())
                    return bad(name, value, expected);
                options.mBackgroundColor = colour;
            } else if (found.row->holds(Setting::proportional)) {
                proportional = &found;
            } else if (found.row->holds(Setting::nameTemplate)) {
                // A template is a way of naming: giving one chooses it, unless --naming says
                // otherwise (its row comes first, so its choice is known here).
                options.mOverrides.insert(key, value);
                const QLatin1String naming(Setting::naming.name);
                if (!options.mOverrides.contains(naming))
                    options.mOverrides.insert(naming, int(OutputNaming::Template));
            }
            break;
        }
    }
    if (proportional) {
        // The given field, and what it says of the size fields' meaning: width-height (0),
        // long-short (1) or nothing (-1).
        struct Given
        {
            GivenSide side;
            int sidesMode;
            BoxMode box = BoxMode::Fit;
        };
        static const QHash<QString, Given> meaning = { { "width", { GivenSide::First, 0 } },
            { "height", { GivenSide::Second, 0 } }, { "long", { GivenSide::First, 1 } },
            { "short", { GivenSide::Second, 1 } }, { "first", { GivenSide::First, -1 } },
            { "second", { GivenSide::Second, -1 } }, { "fit", { GivenSide::Both, -1 } },
            { "fill", { GivenSide::Both, -1, BoxMode::Fill } },
            { "pad", { GivenSide::Both, -1, BoxMode::Pad } } };
        const QString value = parser.value(proportional->parsed);
        const auto it = meaning.constFind(value.trimmed().toLower());
        if (it == meaning.constEnd())
            return bad(QStringLiteral("proportional"), value,
                QCoreApplication::translate("CliOptions", proportional->option->expected));
        const bool longShort = it->sidesMode == 1;
        const QLatin1String sidesKey(Setting::longShortSides.name);
        if (it->sidesMode >= 0 && options.mOverrides.contains(sidesKey)
            && options.mOverrides.value(sidesKey).toBool() != longShort)
            return fail(tr("--proportional %1 contradicts --sides %2")
                            .arg(value, parser.value(QStringLiteral("sides"))));
        options.mOverrides.insert(QLatin1String(Setting::proportional.name), true);
        options.mOverrides.insert(QLatin1String(Setting::givenSide.name), int(it->side));
        if (it->side == GivenSide::Both)
            options.mOverrides.insert(QLatin1String(Setting::boxMode.name), int(it->box));
        if (it->sidesMode >= 0)
            options.mOverrides.insert(sidesKey, longShort);
    }
    options.mPresets = parser.values(preset);
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
        options.mOverrides.insert(QLatin1String(Setting::keepTree.name), true);
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
    for (auto it = mOverrides.cbegin(); it != mOverrides.cend(); ++it)
        settings.setStoredValue(QLatin1StringView(it.key().toLatin1()), it.value());
    if (mBackgroundColor)
        settings.setBackgroundColor(*mBackgroundColor);
}

QString CliOptions::checkRun(const Settings& settings)
{
    return checkRun(settings.resizeOptions());
}

QString CliOptions::checkRun(const ResizeOptions& options)
{
    // The window's start check, worded with the options that fix each problem.
    const std::optional<StartCheck::Result> found
        = StartCheck::check(StartCheck::inputOf(options, 1));
    if (!found)
        return QString();
    using Problem = StartCheck::Problem;
    switch (found->problem) {
    case Problem::NegativeFirstSize:
        return tr("no size: the width cannot be negative (--width)");
    case Problem::NegativeSecondSize:
        return tr("no size: the height cannot be negative (--height)");
    case Problem::FirstSizeNotAboveZero:
        return tr("no size: proportional scaling by the first size field needs a width above 0 "
                  "(--width)");
    case Problem::SecondSizeNotAboveZero:
        return tr("no size: proportional scaling by the second size field needs a height above "
                  "0 (--height)");
    case Problem::NoSizeAboveZero:
        return tr("no size: width and height are both 0; give one above 0 (--width, --height)");
    case Problem::ResolutionNotAboveZero:
        return tr("the resolution must be above 0 (--resolution)");
    case Problem::NoOutputFolder:
        return tr("no output folder: give one with --output");
    case Problem::OutputFolderMissing:
        return tr("the output folder \"%1\" does not exist").arg(options.outputFolder);
    case Problem::OutputNotAFolder:
        return tr("the output \"%1\" is not a folder").arg(options.outputFolder);
    case Problem::MissingStartNumber:
        return tr("custom naming needs a start number: give one with --start-number");
    case Problem::UnusableCustomName:
        return tr("the custom name \"%1\" cannot name a file in the output folder: it may not "
                  "hold \"/\" nor be \".\" or \"..\"")
            .arg(options.baseName);
    case Problem::UnusableNameTemplate:
        return tr("the name template \"%1\" cannot be used: %2 (--name-template)")
            .arg(options.nameTemplate, found->reason);
    case Problem::NoImages:
    case Problem::ProportionsUndecided:
    case Problem::MissingFirstSize:
    case Problem::MissingSecondSize:
    case Problem::MissingResolution:
    case Problem::NoNaming:
    case Problem::OutputFolderRelative: // made absolute when read
    case Problem::SourceWouldBeReplaced: // the sources are not known before the run
        break; // every value of the settings is given and one of its choices
    }
    return tr("the settings give no batch to run");
}
