#pragma once

#include <QString>

#include "NameTemplate.h"
#include "model/ResizeOptions.h"

// The arithmetic of a resize: output names, the requested sides and the target pixel size.
// Kept apart from any image work so that it can be checked number for number.
namespace ResizeRules {

// A size in single precision, width first.
struct Sides
{
    float width = 0.0f;
    float height = 0.0f;
};

// The output file's extension of the format ("jpg" for JPEG); empty for a code with no format.
QString formatExtension(OutputFormat format);

// The output file's base name (without extension). SourceName strips the last extension of
// the source's name; CustomName is the custom name followed by the number as "%04d". Any other
// code gives an empty string.
QString outputBaseName(OutputNaming naming, const QString& imageName, const QString& name, int num);

// Whether a custom name can start the name of a file in the output folder: it holds no path
// separator and no NUL, and is neither "." nor "..". The empty name is usable (the number
// alone names the file).
bool isUsableCustomName(const QString& name);

// The folder below the output folder that an image's output goes into: the preset's folder of
// a run of several presets, then, when the options keep subfolders, the image's own
// (imageSubfolder, its folder below the folder it was added from); empty for the output folder
// itself. Not yet cleaned or checked.
QString subfolderBelow(const ResizeOptions& options, const QString& imageSubfolder);

// The full output path: the folder joined with "base.ext" by one separator. With a naming code
// other than SourceName and CustomName no file name is built and the result is the folder.
QString outputPath(const QString& folder, OutputNaming naming, const QString& imageName,
    const QString& name, int num, OutputFormat format);

// The format an image is written in: the one chosen, or with SameAsSource the source's own
// type (by the extension its name has) where it is a format that can be written, PNG for any
// other (SVG, PDF, PSD, JPEG 2000...).
OutputFormat formatFor(OutputFormat chosen, const QString& sourcePath);

// The full output path of an image with the options' naming, folder joined with "base.ext":
// SourceName and CustomName as above (the facts' source name and number), Template the
// options' template expanded with the facts. Empty for a template that names no file (a
// problem in the template, or a name that is no plain file name once expanded).
QString outputPath(const QString& folder, const ResizeOptions& options,
    const NameTemplate::Facts& facts, OutputFormat format);

// The sides asked for, in the unit of the fields, before conversion (0 = derive). With
// Side::Both the two values are the box the image fits inside (fitInside), read as long and
// short side with longShortSides.
Sides requestedSides(bool proportional, GivenSide givenSide, bool longShortSides, float width,
    float height, float pixelWidth, float pixelHeight);

// One given side converted to pixels from the unit; p is the source's pixel size on the same
// axis (used by percent).
float convertSide(float value, SizeUnit unit, float resolution, float p);

// Target size in (possibly fractional) pixels from the requested sides.
Sides targetSize(
    Sides requested, SizeUnit unit, float resolution, float pixelWidth, float pixelHeight);

// The target for Side::Both: the largest size with the source's proportions that fits inside
// the box of the requested sides, in the unit of the fields. A side of 0 sets no limit.
Sides fitInside(
    Sides requested, SizeUnit unit, float resolution, float pixelWidth, float pixelHeight);

// The size for BoxMode::Fill: the smallest size with the source's proportions that covers the
// box of the requested sides, in the unit of the fields. A side of 0 sets no limit.
Sides coverBox(
    Sides requested, SizeUnit unit, float resolution, float pixelWidth, float pixelHeight);

// The target with no side larger than the source's ("do not enlarge"): a target with the
// source's proportions that is larger than the source becomes the source's own size.
Sides noLargerThan(Sides target, float pixelWidth, float pixelHeight);

// The size a source of pixelWidth x pixelHeight is resampled to, in (possibly fractional)
// pixels, before a box crops or pads it to the target: for Fill it covers the box (the
// source's own size when "do not enlarge" keeps it from growing), for Pad it fits inside. The
// target itself in any other case.
Sides scaledSize(const ResizeOptions& options, float pixelWidth, float pixelHeight);

// The target (the output's size) in (possibly fractional) pixels for a source of pixelWidth x
// pixelHeight with the options' size fields, unit, resolution, scaling and "do not enlarge".
// Fill and Pad give the box itself; a side of 0 is the scaled image's. A Fill that "do not
// enlarge" keeps from growing gives the largest box of the same proportions inside the source.
Sides targetSize(const ResizeOptions& options, float pixelWidth, float pixelHeight);

// Whole pixels by rounding to nearest, at least 1 for a positive value; 0 for values that are
// not finite or not positive.
int wholePixels(float value);

} // namespace ResizeRules
