#include "ResizeRules.h"

#include <cmath>
#include <limits>

namespace ResizeRules {

QString formatExtension(int formatMenu)
{
    static const char* const extensions[] = { "jpg", "png", "gif", "bmp", "tif" };
    if (formatMenu < 1 || formatMenu > 5)
        return {};
    return QString::fromLatin1(extensions[formatMenu - 1]);
}

QString outputBaseName(int nameMenu, const QString& imageName, const QString& name, int num)
{
    if (nameMenu == 1) {
        const qsizetype dot = imageName.lastIndexOf(QLatin1Char('.'));
        return dot < 0 ? imageName : imageName.left(dot);
    }
    if (nameMenu == 2)
        return name + QString::asprintf("%04d", num);
    return {};
}

bool isUsableCustomName(const QString& name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(u'\0')))
        return false;
#if defined(Q_OS_WIN)
    if (name.contains(QLatin1Char('\\')))
        return false;
#endif
    return true;
}

QString outputPath(const QString& dest, int nameMenu, const QString& imageName,
    const QString& name, int num, int formatMenu)
{
    if (nameMenu != 1 && nameMenu != 2)
        return dest;
    const QString fileName = outputBaseName(nameMenu, imageName, name, num) + QLatin1Char('.')
        + formatExtension(formatMenu);
    if (dest.endsWith(QLatin1Char('/')))
        return dest + fileName;
    return dest + QLatin1Char('/') + fileName;
}

Sides requestedSides(bool proportional, int tagSides, bool switchSides, float widthValue,
    float heightValue, float pixelWidth, float pixelHeight)
{
    const bool landscape = pixelWidth > pixelHeight;
    const bool portrait = pixelHeight > pixelWidth;
    if (!proportional) {
        if (switchSides && portrait)
            return { heightValue, widthValue };
        return { widthValue, heightValue };
    }
    if (tagSides == 1) {
        if (!switchSides || landscape)
            return { widthValue, 0.0f };
        if (portrait)
            return { 0.0f, widthValue };
        return { widthValue, widthValue };
    }
    if (tagSides == 2) {
        if (!switchSides || landscape)
            return { 0.0f, heightValue };
        if (portrait)
            return { heightValue, 0.0f };
        return { heightValue, heightValue };
    }
    return { 0.0f, 0.0f };
}

float convertSide(float value, int um, float resValue, float p)
{
    switch (um) {
    case 2:
        return value * resValue;
    case 3:
        // The one rule worked in double precision, rounded once to single.
        return static_cast<float>(static_cast<double>(value) / 25.4 * static_cast<double>(resValue));
    case 4:
        return (p / 100.0f) * value;
    default:
        return value;
    }
}

Sides targetSize(Sides requested, int um, float resValue, float pixelWidth, float pixelHeight)
{
    const bool widthGiven = requested.width != 0.0f;
    const bool heightGiven = requested.height != 0.0f;
    Sides target;
    if (widthGiven && heightGiven) {
        target.width = convertSide(requested.width, um, resValue, pixelWidth);
        target.height = convertSide(requested.height, um, resValue, pixelHeight);
    } else if (widthGiven) {
        target.width = convertSide(requested.width, um, resValue, pixelWidth);
        target.height = target.width * pixelHeight / pixelWidth;
    } else if (heightGiven) {
        target.height = convertSide(requested.height, um, resValue, pixelHeight);
        target.width = target.height * pixelWidth / pixelHeight;
    }
    return target;
}

int wholePixels(float value)
{
    if (!std::isfinite(value) || value < 0.5f)
        return 0;
    const double rounded = std::round(static_cast<double>(value));
    if (rounded > static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

} // namespace ResizeRules
