#include "LocalizedText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace LocalizedText {

namespace {

// Every key of the table, so that lupdate keeps them (with what each is for) in the .ts files
// although the lookups pass the key through a variable. Never read at run time.
[[maybe_unused]] constexpr const char* kKeys[] = {
    //: Label of the first size field (width and height mode).
    QT_TRANSLATE_NOOP("Ostrel", "_Width"),
    //: Label of the second size field (width and height mode).
    QT_TRANSLATE_NOOP("Ostrel", "_Height"),
    //: Label of the first size field (long and short side mode).
    QT_TRANSLATE_NOOP("Ostrel", "_LongSide"),
    //: Label of the second size field (long and short side mode).
    QT_TRANSLATE_NOOP("Ostrel", "_ShortSide"),
    //: Line under the preview: %1 width in pixels, %2 height in pixels, %3 file size text such as
    //: "1.46 MB".
    QT_TRANSLATE_NOOP("Ostrel", "_Pixel"),
    //: Progress text of a batch: %1 the image being processed, counted from 1, %2 the number of
    //: images.
    QT_TRANSLATE_NOOP("Ostrel", "_ElaboratingText"),
    //: Message of the alert at the end of a batch.
    QT_TRANSLATE_NOOP("Ostrel", "_ElaboratingFinished"),
    //: Default button of the alert at the end of a batch.
    QT_TRANSLATE_NOOP("Ostrel", "_OK"),
    //: Button of the alert at the end of a batch with failures: opens the log file.
    QT_TRANSLATE_NOOP("Ostrel", "_OpenConsole"),
    //: Informative text of the alert when images failed: %1 the number of images not processed.
    QT_TRANSLATE_NOOP("Ostrel", "_ElaboratingFinishedWithErrors"),
    //: Informative text of the alert when every image was processed. No placeholders.
    QT_TRANSLATE_NOOP("Ostrel", "_ElaboratingFinishedWithoutErrors"),
    //: Why an image was not processed, in the alert's details after the image name.
    QT_TRANSLATE_NOOP("Ostrel", "_FailureOutputExists"),
    //: Why an image was not processed, in the alert's details after the image name.
    QT_TRANSLATE_NOOP("Ostrel", "_FailureSourceMissing"),
    //: Why an image was not processed, in the alert's details after the image name.
    QT_TRANSLATE_NOOP("Ostrel", "_FailureDecodeFailed"),
    //: Why an image was not processed, in the alert's details after the image name.
    QT_TRANSLATE_NOOP("Ostrel", "_FailureInvalidSettings"),
    //: Why an image was not processed, in the alert's details after the image name.
    QT_TRANSLATE_NOOP("Ostrel", "_FailureWriteFailed"),
    //: Why an image was not processed, when no reason is known.
    QT_TRANSLATE_NOOP("Ostrel", "_FailureUnknown"),
    //: Closing line of the command-line tool: %1 images written, %2 images failed, %3 images not
    //: processed (stopped), %4 elapsed seconds.
    QT_TRANSLATE_NOOP("Ostrel", "_BatchSummary"),
    //: Closing line of the command-line tool when images were skipped: %1 images written, %2
    //: images skipped (a file of that name existed), %3 images failed, %4 images not processed
    //: (stopped), %5 elapsed seconds.
    QT_TRANSLATE_NOOP("Ostrel", "_BatchSummaryWithSkipped"),
    //: Informative text of the alert when no image failed and some were skipped because a file
    //: of their output name existed: %1 the number of images written, %2 the number skipped.
    QT_TRANSLATE_NOOP("Ostrel", "_ElaboratingFinishedWithSkipped"),
    //: Sentence added to the alert's informative text when images were skipped because a file
    //: of their output name existed: %1 how many.
    QT_TRANSLATE_NOOP("Ostrel", "_SkippedCount"),
    //: Command-line tool, after Ctrl-C: the image in progress is completed first.
    QT_TRANSLATE_NOOP("Ostrel", "_StoppingAfterCurrent"),
    //: Message of the alert at the end of a batch that was stopped with images left.
    QT_TRANSLATE_NOOP("Ostrel", "_ElaboratingStopped"),
    //: Informative text of the alert when a batch was stopped with images left and none failed: %1
    //: the number of images written, %2 the number of images not processed.
    QT_TRANSLATE_NOOP("Ostrel", "_ElaboratingStoppedWithoutErrors"),
    //: Informative text of the alert when a batch was stopped with images left and images failed:
    //: %1 the number of images written, %2 the number of images that failed, %3 the number of
    //: images not processed. A sentence about the log follows.
    QT_TRANSLATE_NOOP("Ostrel", "_ElaboratingStoppedWithErrors"),
    //: Informative text of the alert when images failed, before the sentence about the log: %1 the
    //: number of images not processed.
    QT_TRANSLATE_NOOP("Ostrel", "_ElaboratingFailedCount"),
    //: Closing alert, after the numbers: the log lists the images that failed. No placeholders.
    QT_TRANSLATE_NOOP("Ostrel", "_LogNamesFailedImages"),
    //: Closing alert, after the numbers, said once: the log file could not be written. %1 the log
    //: file's path.
    QT_TRANSLATE_NOOP("Ostrel", "_LogNotWritten"),
    //: Status bar, after Resize found the image list empty.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckNoImages"),
    //: Status bar, after Resize found the width field empty.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckEnterWidth"),
    //: Status bar, after Resize found the height field empty.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckEnterHeight"),
    //: Status bar, after Resize found the long side field empty (long and short side mode).
    QT_TRANSLATE_NOOP("Ostrel", "_CheckEnterLongSide"),
    //: Status bar, after Resize found the short side field empty (long and short side mode).
    QT_TRANSLATE_NOOP("Ostrel", "_CheckEnterShortSide"),
    //: Status bar, after Resize found a negative size, or no size above 0.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckSizeAboveZero"),
    //: Status bar, after Resize found the Keep proportions box neither on nor off.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckProportions"),
    //: Status bar, after Resize found the resolution field empty.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckEnterResolution"),
    //: Status bar, after Resize found a resolution of 0 or less.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckResolutionAboveZero"),
    //: Status bar, after Resize found the output folder field empty.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckChooseFolder"),
    //: Status bar, after Resize found that the output folder does not exist.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckFolderMissing"),
    //: Status bar, after Resize found that the output folder field names a file, not a folder.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckNotAFolder"),
    //: Status bar, after Resize found custom naming without a start number.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckEnterStartNumber"),
    //: Status bar, after Resize found a custom base name (%1) that cannot name a file in the output
    //: folder.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckUnusableName"),
    //: Status bar, after Resize found no naming mode selected.
    QT_TRANSLATE_NOOP("Ostrel", "_CheckChooseNaming"),
    //: Why a file was not added to the list: its extension is not one Ostrel reads. Follows a
    //: colon.
    QT_TRANSLATE_NOOP("Ostrel", "_NotAddedType"),
    //: Why a file was not added to the list: there is no file at that path. Follows a colon.
    QT_TRANSLATE_NOOP("Ostrel", "_NotAddedMissing"),
    //: Why a file or folder found in a folder added to the list was left out: it is a symbolic
    //: link that leads out of that folder. Follows a colon.
    QT_TRANSLATE_NOOP("Ostrel", "_NotAddedLinkOutside"),
    //: Why a folder added, or found in a folder added, was not searched: it is one of the
    //: system's folders (/proc, /sys, /dev), which hold no pictures. Follows a colon.
    QT_TRANSLATE_NOOP("Ostrel", "_NotAddedSystemFolder"),
    //: Status bar: one file was not added to the list. %1 the file's name, %2 why (such as "no such
    //: file").
    QT_TRANSLATE_NOOP("Ostrel", "_FileNotAdded"),
    //: Status bar: several files (two or more) were not added to the list. %1 how many, %2 why
    //: (such as "no such file"), %3 the first names, separated by commas.
    QT_TRANSLATE_NOOP("Ostrel", "_FilesNotAdded"),
};

// Owned here so that a table lives as long as it is installed: the application's texts and
// Qt's own (dialog buttons, the file and colour dialogs, the command-line parser). Main thread
// only.
struct Tables
{
    std::unique_ptr<QTranslator> application;
    std::unique_ptr<QTranslator> qt;
};

Tables& installed()
{
    static Tables tables;
    return tables;
}

constexpr const char* kContext = "Ostrel";
constexpr const char* kResourceDir = ":/i18n";

} // namespace

QString text(const char* key)
{
    // translate() answers the key itself when no table has it.
    const QString result = QCoreApplication::translate(kContext, key);
    if (result == QLatin1String(key))
        return QString::fromLatin1(kFallback);
    return result;
}

QString text(const char* key, const QStringList& arguments)
{
    return format(text(key), arguments);
}

QString format(const QString& text, const QStringList& arguments)
{
    auto digitAt = [&text](qsizetype i) {
        const char16_t u = i < text.size() ? text.at(i).unicode() : u'\0';
        return u >= u'0' && u <= u'9' ? int(u - u'0') : -1;
    };
    // One pass, so that an argument that itself holds "%1" is never expanded again.
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const int first = c == QLatin1Char('%') ? digitAt(i + 1) : -1;
        if (first < 1) {
            result += c;
            continue;
        }
        // Qt's placeholders run from %1 to %99.
        int number = first;
        qsizetype end = i + 2;
        if (const int second = digitAt(end); second >= 0) {
            number = number * 10 + second;
            ++end;
        }
        if (number <= arguments.size()) {
            result += arguments.at(number - 1);
            i = end - 1;
        } else {
            result += c;
        }
    }
    return result;
}

namespace {

// Qt's own texts in the language of the application's table; none for English, which Qt
// speaks without a table. Absent when the system has no catalogue for that language.
std::unique_ptr<QTranslator> qtTable(const QString& language)
{
    if (language.isEmpty() || language.startsWith(QLatin1String("en")))
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

// Makes a loaded table, and Qt's table of the same language, the ones in use in place of any
// earlier ones.
void activate(QCoreApplication& app, std::unique_ptr<QTranslator> translator)
{
    uninstall(app);
    Tables& tables = installed();
    tables.qt = qtTable(translator->language());
    if (tables.qt)
        app.installTranslator(tables.qt.get());
    app.installTranslator(translator.get());
    tables.application = std::move(translator);
}

} // namespace

bool installLanguage(QCoreApplication& app, const QString& language)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("ostrel_") + language, QString::fromLatin1(kResourceDir)))
        return false;
    activate(app, std::move(translator));
    return true;
}

bool install(QCoreApplication& app)
{
    // The default locale is the system's unless set otherwise: its languages come from
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG. A C or POSIX locale means English whatever
    // LANGUAGE says, as for the system's own programs, so that scripts and tests run in C
    // read the texts they expect.
    const QLocale locale;
    auto translator = std::make_unique<QTranslator>();
    const bool english = locale.language() == QLocale::C;
    if ((english
            || !translator->load(locale, QStringLiteral("ostrel"), QStringLiteral("_"),
                QString::fromLatin1(kResourceDir)))
        && !translator->load(QStringLiteral("ostrel_en"), QString::fromLatin1(kResourceDir)))
        return false;
    activate(app, std::move(translator));
    return true;
}

void uninstall(QCoreApplication& app)
{
    Tables& tables = installed();
    if (tables.application) {
        app.removeTranslator(tables.application.get());
        tables.application.reset();
    }
    if (tables.qt) {
        app.removeTranslator(tables.qt.get());
        tables.qt.reset();
    }
}

} // namespace LocalizedText
