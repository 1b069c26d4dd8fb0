#pragma once

#include <optional>

#include <QString>

#include "model/ResizeOptions.h"

class ImageList;

// What would keep a batch from starting, found the same way for the window and for
// ostrel-batch: no images, a size that gives no output, a resolution that is not above 0, an
// output folder that is not there, custom or template names that cannot be made. Each front end words the
// problem its own way (the window names it in its status bar and turns to the tab of the
// faulty control, the command line names the option that fixes it).
namespace StartCheck {

// What the check looks at. A value that was not given at all (an empty field of the window)
// is absent; ostrel-batch always has one.
struct Input
{
    int imageCount = 0;
    std::optional<bool> proportional; // absent: neither on nor off
    GivenSide givenSide = GivenSide::First;
    std::optional<float> width; // the first size field (the long side with long and short sides)
    std::optional<float> height;
    std::optional<float> resolution;
    QString outputFolder;
    // Only a full path is an output folder: a relative one would depend on the folder the
    // program was started in, which a window's user does not see.
    bool folderMustBeAbsolute = false;
    std::optional<OutputNaming> naming; // absent: none chosen
    QString baseName;
    QString startNumber;
    QString nameTemplate;
    OutputFormat format = OutputFormat::Jpeg;
    ExistingFile existingFile = ExistingFile::Fail;
    // The sources, to find one whose new file would take its own name, which a batch never
    // replaces; read only when the names and the existing-file choice could lead there. Null
    // when they are not known yet.
    const ImageList* sources = nullptr;
};

enum class Problem
{
    NoImages,
    ProportionsUndecided, // proportional scaling neither on nor off
    MissingFirstSize, // the first size field is not given
    MissingSecondSize,
    NegativeFirstSize,
    NegativeSecondSize,
    FirstSizeNotAboveZero, // proportional scaling by the first field, which is not above 0
    SecondSizeNotAboveZero,
    NoSizeAboveZero, // both fields 0: no side to scale by
    MissingResolution,
    ResolutionNotAboveZero,
    NoOutputFolder,
    OutputFolderRelative, // with folderMustBeAbsolute
    OutputFolderMissing, // checked after the naming, when the folder could be created
    OutputNotAFolder,
    NoNaming,
    MissingStartNumber,
    UnusableCustomName,
    UnusableNameTemplate, // the reason says why (NameTemplate::problem)
    // A source's new file would have the source's own name and path, and a file of that name
    // makes the image fail.
    SourceWouldBeReplaced,
};

struct Result
{
    Problem problem;
    // With OutputFolderMissing: the folder could be made (an absolute path at which nothing
    // stands, not even a link that leads nowhere).
    bool folderCanBeCreated = false;
    // With UnusableNameTemplate: why, in the user's words.
    QString reason = {};
};

// The first problem, in the order above, except that a missing output folder that could be
// created comes last, so that creating it is offered only when the batch can then start; none
// when a batch can start. Looks at the output folder on disk.
std::optional<Result> check(const Input& input);

// The input of a start from the stored options (ostrel-batch), every value given.
Input inputOf(const ResizeOptions& options, int imageCount);

} // namespace StartCheck
