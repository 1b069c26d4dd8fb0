#include "StartCheck.h"

#include <QDir>
#include <QFileInfo>

#include "codec/FileNames.h"
#include "core/ImageEntry.h"
#include "BatchJob.h"
#include "ImageList.h"
#include "core/NameTemplate.h"
#include "core/ResizeRules.h"

namespace {

// Whether a source's new file would have the source's own path: its name made as the batch
// makes it (a template's only when it needs nothing read from the source), in the output
// folder.
bool replacesASource(const StartCheck::Input& input)
{
    if (!input.sources || !input.naming)
        return false;
    ResizeOptions naming;
    naming.naming = *input.naming;
    naming.baseName = input.baseName;
    naming.nameTemplate = input.nameTemplate;
    if (naming.naming == OutputNaming::Template
        && NameTemplate::needsSourceFacts(naming.nameTemplate))
        return false;
    const int start = BatchJob::parseStartNumber(input.startNumber);
    QString folder; // made canonical when a name matches
    for (int i = 0; i < input.sources->count(); ++i) {
        const QString path = input.sources->at(i)->path();
        const QString sourceFolder = QFileInfo(path).absolutePath();
        const NameTemplate::Facts facts { .sourcePath = path,
            .number = BatchJob::runningNumber(start, i) };
        // Compared as file names are, case and all.
        if (ResizeRules::outputPath(
                sourceFolder, naming, facts, ResizeRules::formatFor(input.format, path))
            != path)
            continue;
        if (folder.isEmpty())
            folder = FileNames::canonicalPath(input.outputFolder);
        if (FileNames::canonicalPath(sourceFolder) == folder)
            return true;
    }
    return false;
}

} // namespace

namespace StartCheck {

std::optional<Result> check(const Input& input)
{
    const auto fail = [](Problem problem) { return std::optional<Result>(Result { problem }); };
    if (input.imageCount == 0)
        return fail(Problem::NoImages);

    if (!input.proportional)
        return fail(Problem::ProportionsUndecided);
    // Fitting inside a box takes both values, as free scaling does; proportional scaling by
    // one field needs that one, and takes the other side from the image.
    const bool box = !*input.proportional || input.givenSide == GivenSide::Both;
    const bool bySecond = !box && input.givenSide == GivenSide::Second;
    if (box) {
        if (!input.width)
            return fail(Problem::MissingFirstSize);
        if (!input.height)
            return fail(Problem::MissingSecondSize);
    } else if (!(bySecond ? input.height : input.width)) {
        return fail(bySecond ? Problem::MissingSecondSize : Problem::MissingFirstSize);
    }
    // A size of 0 takes that side from the other, so one size above 0 is enough for a box;
    // a negative one, or none above 0, would make every image fail.
    const float width = input.width.value_or(0.0f);
    const float height = input.height.value_or(0.0f);
    if (width < 0.0f)
        return fail(Problem::NegativeFirstSize);
    if (height < 0.0f)
        return fail(Problem::NegativeSecondSize);
    if (!box && !((bySecond ? height : width) > 0.0f))
        return fail(bySecond ? Problem::SecondSizeNotAboveZero : Problem::FirstSizeNotAboveZero);
    if (!(width > 0.0f) && !(height > 0.0f))
        return fail(Problem::NoSizeAboveZero);
    if (!input.resolution)
        return fail(Problem::MissingResolution);
    if (!(*input.resolution > 0.0f))
        return fail(Problem::ResolutionNotAboveZero);

    if (input.outputFolder.isEmpty())
        return fail(Problem::NoOutputFolder);
    if (input.folderMustBeAbsolute && !QDir::isAbsolutePath(input.outputFolder))
        return fail(Problem::OutputFolderRelative);
    // Follows a symbolic link at the end; a leading "~" is a folder name like any other.
    const FileNames::Status folder = FileNames::status(input.outputFolder);
    // Only a path that means the same whatever the working folder, and not a link that leads
    // nowhere, is offered to be created.
    const bool creatable
        = QDir::isAbsolutePath(input.outputFolder) && !FileNames::isEntry(input.outputFolder);
    if (!folder.exists && !creatable)
        return fail(Problem::OutputFolderMissing);
    if (folder.exists && !folder.isFolder)
        return fail(Problem::OutputNotAFolder);

    if (!input.naming)
        return fail(Problem::NoNaming);
    if (*input.naming == OutputNaming::CustomName) {
        if (input.startNumber.isEmpty())
            return fail(Problem::MissingStartNumber);
        if (!ResizeRules::isUsableCustomName(input.baseName))
            return fail(Problem::UnusableCustomName);
    }
    if (*input.naming == OutputNaming::Template) {
        if (QString reason = NameTemplate::problem(input.nameTemplate); !reason.isEmpty())
            return Result { Problem::UnusableNameTemplate, false, reason };
    }
    if (!folder.exists)
        return Result { Problem::OutputFolderMissing, true };
    if (input.existingFile == ExistingFile::Fail && replacesASource(input))
        return fail(Problem::SourceWouldBeReplaced);
    return std::nullopt;
}

Input inputOf(const ResizeOptions& options, int imageCount)
{
    Input input;
    input.imageCount = imageCount;
    input.proportional = options.proportional;
    input.givenSide = options.givenSide;
    input.width = options.width;
    input.height = options.height;
    input.resolution = options.resolution;
    input.outputFolder = options.outputFolder;
    input.naming = options.naming;
    input.baseName = options.baseName;
    input.startNumber = options.startNumber;
    input.nameTemplate = options.nameTemplate;
    input.format = options.format;
    input.existingFile = options.existingFile;
    return input;
}

} // namespace StartCheck
