#pragma once

#include <QString>

// The arithmetic of a resize: output names, the requested sides and the target pixel size.
// Kept apart from any image work so that it can be checked number for number.
namespace ResizeRules {

// A size in single precision, width first.
struct Sides
{
    float width = 0.0f;
    float height = 0.0f;
};

// "jpg", "png", "gif", "bmp", "tif" for the format codes 1 to 5; empty for any other code.
QString formatExtension(int formatMenu);

// The output file's base name (without extension). Naming mode 1 strips the last extension of
// the source's name; mode 2 is the custom name followed by the number as "%04d". Any other
// mode gives an empty string.
QString outputBaseName(int nameMenu, const QString& imageName, const QString& name, int num);

// Whether a custom name can start the name of a file in the output folder: it holds no path
// separator and no NUL, and is neither "." nor "..". The empty name is usable (the number
// alone names the file).
bool isUsableCustomName(const QString& name);

// The full output path: dest joined with "base.ext" by one separator. With a naming code other
// than 1 and 2 no file name is built and the result is dest itself.
QString outputPath(const QString& dest, int nameMenu, const QString& imageName,
    const QString& name, int num, int formatMenu);

// The sides asked for, in the unit of the fields, before conversion (0 = derive).
Sides requestedSides(bool proportional, int tagSides, bool switchSides, float widthValue,
    float heightValue, float pixelWidth, float pixelHeight);

// One given side converted to pixels by the unit code; p is the source's pixel size on the
// same axis (used by percent).
float convertSide(float value, int um, float resValue, float p);

// Target size in (possibly fractional) pixels from the requested sides.
Sides targetSize(Sides requested, int um, float resValue, float pixelWidth, float pixelHeight);

// Whole pixels by rounding to nearest; 0 for values that are not finite or below one half.
int wholePixels(float value);

} // namespace ResizeRules
