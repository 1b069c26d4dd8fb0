#include "ResizeRules.h"

#include "NoReplaceFile.h"
#include "codec/SourceTypes.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ResizeRules {

QString formatExtension(OutputFormat format)
{
    const OutputFormats::Info* info = OutputFormats::find(format);
    return info ? QString::fromLatin1(info->extension) : QString();
}

QString outputBaseName(OutputNaming naming, const QString& imageName, const QString& name, int num)
{
    if (naming == OutputNaming::SourceName) {
        const qsizetype dot = imageName.lastIndexOf(QLatin1Char('.'));
        return dot < 0 ? imageName : imageName.left(dot);
    }
    if (naming == OutputNaming::CustomName)
        return name + QString::asprintf("%04d", num);
    return {};
}

bool isUsableCustomName(const QString& name)
{
    // The number alone names the file when the name is empty.
    return name.isEmpty() || NoReplaceFile::isPlainFileName(name);
}

namespace {

// A folder and a file name joined by one separator.
QString joined(const QString& folder, const QString& fileName)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

} // namespace

QString outputPath(const QString& folder, OutputNaming naming, const QString& imageName,
    const QString& name, int num, OutputFormat format)
{
    if (naming != OutputNaming::SourceName && naming != OutputNaming::CustomName)
        return folder;
    return joined(folder,
        outputBaseName(naming, imageName, name, num) + QLatin1Char('.') + formatExtension(format));
}

OutputFormat formatFor(OutputFormat chosen, const QString& sourcePath)
{
    if (chosen != OutputFormat::SameAsSource)
        return chosen;
    // The source types and the output formats go by the same names ("JPEG", "JPEG XL").
    if (const ImageCodec::SourceType* type = ImageCodec::typeOf(sourcePath)) {
        for (const OutputFormats::Info& info : OutputFormats::all()) {
            if (QLatin1String(info.name) == QLatin1String(type->name))
                return info.format;
        }
    }
    return OutputFormat::Png;
}

QString outputPath(const QString& folder, const ResizeOptions& options,
    const NameTemplate::Facts& facts, OutputFormat format)
{
    const QString imageName = QFileInfo(facts.sourcePath).fileName();
    if (options.naming != OutputNaming::Template)
        return outputPath(
            folder, options.naming, imageName, options.baseName, facts.number, format);
    const QString fileName = NameTemplate::expand(options.nameTemplate, facts) + QLatin1Char('.')
        + formatExtension(format);
    if (fileName.size() < 2 || !NoReplaceFile::isPlainFileName(fileName))
        return QString();
    return joined(folder, fileName);
}

Sides requestedSides(bool proportional, GivenSide givenSide, bool longShortSides, float width,
    float height, float pixelWidth, float pixelHeight)
{
    const bool landscape = pixelWidth > pixelHeight;
    const bool portrait = pixelHeight > pixelWidth;
    if (!proportional) {
        if (longShortSides && portrait)
            return { height, width };
        return { width, height };
    }
    if (givenSide == GivenSide::First) {
        if (!longShortSides || landscape)
            return { width, 0.0f };
        if (portrait)
            return { 0.0f, width };
        return { width, width };
    }
    if (givenSide == GivenSide::Second) {
        if (!longShortSides || landscape)
            return { 0.0f, height };
        if (portrait)
            return { height, 0.0f };
        return { height, height };
    }
    if (givenSide == GivenSide::Both) {
        // Both values are the box; fitInside picks the side that binds.
        if (longShortSides && portrait)
            return { height, width };
        return { width, height };
    }
    return { 0.0f, 0.0f };
}

float convertSide(float value, SizeUnit unit, float resolution, float p)
{
    switch (unit) {
    case SizeUnit::Inches:
        return value * resolution;
    case SizeUnit::Millimetres:
        // The one rule worked in double precision, rounded once to single.
        return static_cast<float>(
            static_cast<double>(value) / 25.4 * static_cast<double>(resolution));
    case SizeUnit::Percent:
        return (p / 100.0f) * value;
    default:
        return value;
    }
}

Sides targetSize(
    Sides requested, SizeUnit unit, float resolution, float pixelWidth, float pixelHeight)
{
    const bool widthGiven = requested.width != 0.0f;
    const bool heightGiven = requested.height != 0.0f;
    Sides target;
    if (widthGiven && heightGiven) {
        target.width = convertSide(requested.width, unit, resolution, pixelWidth);
        target.height = convertSide(requested.height, unit, resolution, pixelHeight);
    } else if (widthGiven) {
        target.width = convertSide(requested.width, unit, resolution, pixelWidth);
        target.height = target.width * pixelHeight / pixelWidth;
    } else if (heightGiven) {
        target.height = convertSide(requested.height, unit, resolution, pixelHeight);
        target.width = target.height * pixelWidth / pixelHeight;
    }
    return target;
}

namespace {

// The size with the source's proportions whose binding side meets the box: the side of the
// smaller scale binds to fit inside, the side of the larger scale to cover.
Sides scaledToBox(Sides requested, SizeUnit unit, float resolution, float pixelWidth,
    float pixelHeight, bool cover)
{
    const bool widthGiven = requested.width != 0.0f;
    const bool heightGiven = requested.height != 0.0f;
    bool widthBinds = widthGiven;
    if (widthGiven && heightGiven) {
        // Box width / pixel width against box height / pixel height, compared without
        // dividing; on a tie both give one size.
        const double boxWidth = convertSide(requested.width, unit, resolution, pixelWidth);
        const double boxHeight = convertSide(requested.height, unit, resolution, pixelHeight);
        widthBinds = cover ? boxWidth * pixelHeight >= boxHeight * pixelWidth
                           : boxWidth * pixelHeight <= boxHeight * pixelWidth;
    }
    // The binding side is given and the other follows, as with proportional scaling.
    if (widthBinds)
        return targetSize({ requested.width, 0.0f }, unit, resolution, pixelWidth, pixelHeight);
    return targetSize({ 0.0f, requested.height }, unit, resolution, pixelWidth, pixelHeight);
}

bool usesBox(const ResizeOptions& options)
{
    return options.proportional && options.givenSide == GivenSide::Both;
}

} // namespace

Sides fitInside(
    Sides requested, SizeUnit unit, float resolution, float pixelWidth, float pixelHeight)
{
    return scaledToBox(requested, unit, resolution, pixelWidth, pixelHeight, false);
}

Sides coverBox(
    Sides requested, SizeUnit unit, float resolution, float pixelWidth, float pixelHeight)
{
    return scaledToBox(requested, unit, resolution, pixelWidth, pixelHeight, true);
}

Sides noLargerThan(Sides target, float pixelWidth, float pixelHeight)
{
    if (target.width > pixelWidth)
        target.width = pixelWidth;
    if (target.height > pixelHeight)
        target.height = pixelHeight;
    return target;
}

Sides scaledSize(const ResizeOptions& options, float pixelWidth, float pixelHeight)
{
    const Sides requested = requestedSides(options.proportional, options.givenSide,
        options.longShortSides, options.width, options.height, pixelWidth, pixelHeight);
    if (usesBox(options) && options.boxMode == BoxMode::Fill) {
        const Sides cover
            = coverBox(requested, options.unit, options.resolution, pixelWidth, pixelHeight);
        if (options.noEnlarge && (cover.width > pixelWidth || cover.height > pixelHeight))
            return { pixelWidth, pixelHeight };
        return cover;
    }
    const Sides target = usesBox(options)
        ? fitInside(requested, options.unit, options.resolution, pixelWidth, pixelHeight)
        : targetSize(requested, options.unit, options.resolution, pixelWidth, pixelHeight);
    return options.noEnlarge ? noLargerThan(target, pixelWidth, pixelHeight) : target;
}

Sides targetSize(const ResizeOptions& options, float pixelWidth, float pixelHeight)
{
    const Sides scaled = scaledSize(options, pixelWidth, pixelHeight);
    if (!usesBox(options) || options.boxMode == BoxMode::Fit)
        return scaled;
    const Sides requested = requestedSides(options.proportional, options.givenSide,
        options.longShortSides, options.width, options.height, pixelWidth, pixelHeight);
    const Sides box = {
        requested.width != 0.0f
            ? convertSide(requested.width, options.unit, options.resolution, pixelWidth)
            : scaled.width,
        requested.height != 0.0f
            ? convertSide(requested.height, options.unit, options.resolution, pixelHeight)
            : scaled.height,
    };
    if (options.boxMode == BoxMode::Fill && options.noEnlarge && box.width > 0.0f
        && box.height > 0.0f) {
        // A source that "do not enlarge" kept at its own size is cropped to the box's
        // proportions, as large as it holds.
        const float shrink = std::min(scaled.width / box.width, scaled.height / box.height);
        if (shrink < 1.0f)
            return { box.width * shrink, box.height * shrink };
    }
    return box;
}

int wholePixels(float value)
{
    if (!std::isfinite(value) || value <= 0.0f)
        return 0;
    // A side that would round to nothing is one pixel, as a thumbnail of a tiny source is.
    if (value < 0.5f)
        return 1;
    const double rounded = std::round(static_cast<double>(value));
    if (rounded > static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

QString subfolderBelow(const ResizeOptions& options, const QString& imageSubfolder)
{
    const QString own = options.keepTree ? imageSubfolder : QString();
    if (options.presetFolder.isEmpty() || own.isEmpty())
        return options.presetFolder + own;
    return options.presetFolder + QLatin1Char('/') + own;
}

} // namespace ResizeRules
