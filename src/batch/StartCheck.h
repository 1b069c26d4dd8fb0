#pragma once

#include <optional>

#include <QString>

#include "model/ResizeOptions.h"

// What would keep a batch from starting, found the same way for the window and for
// ostrel-batch: no images, a size that gives no output, a resolution that is not above 0, an
// output folder that is not there, custom names that cannot be made. Each front end words the
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
    std::optional<OutputNaming> naming; // absent: none chosen
    QString baseName;
    QString startNumber;
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
    OutputFolderMissing,
    OutputNotAFolder,
    NoNaming,
    MissingStartNumber,
    UnusableCustomName,
};

struct Result
{
    Problem problem;
    // With OutputFolderMissing: the folder could be made (an absolute path at which nothing
    // stands, not even a link that leads nowhere).
    bool folderCanBeCreated = false;
};

// The first problem, in the order above; none when a batch can start. Looks at the output
// folder on disk.
std::optional<Result> check(const Input& input);

// The input of a start from the stored options (ostrel-batch), every value given.
Input inputOf(const ResizeOptions& options, int imageCount);

} // namespace StartCheck
