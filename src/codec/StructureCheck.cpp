#include "StructureCheck.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "CodecError.h"
#include "PixelLimits.h"

using vips::VImage;

namespace ImageCodec {

namespace {

QString svgText(const QByteArray& text)
{
    return QString::fromUtf8(text.left(40));
}

// An SVG's root states its size in a unit; libvips draws it at 72 pixels an inch. A number
// too large for a pixel count turns into nonsense inside the loader (1e9mm became a width of
// 1), so the stated size is worked out here and must agree with the loader's.
std::optional<double> svgLength(const QByteArray& text)
{
    static const QRegularExpression length(
        QStringLiteral("^([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)\\s*([a-z]*)$"));
    const QRegularExpressionMatch match = length.match(QString::fromLatin1(text.trimmed()));
    if (!match.hasMatch())
        return std::nullopt; // a percentage, or nothing: the size comes from the viewBox
    static const std::pair<const char*, double> units[]
        = { { "", 1.0 }, { "px", 1.0 }, { "pt", 1.0 }, { "pc", 12.0 }, { "in", 72.0 },
              { "cm", 72.0 / 2.54 }, { "mm", 72.0 / 25.4 }, { "em", 12.0 } };
    for (const auto& [unit, pixels] : units) {
        if (match.captured(2) == QLatin1String(unit))
            return match.captured(1).toDouble() * pixels;
    }
    return std::nullopt;
}

void checkHeif(int fd, qint64 maxPixels)
{
    const SourceStructure::HeifGrid grid = SourceStructure::heifGrid(fd);
    const qint64 pixels = std::max(grid.width * grid.height, grid.tilePixels);
    if (!grid.isGrid)
        return;
    if (pixels > maxPixels)
        throw Refusal { limitProblem(QCoreApplication::translate(
                                         "ImageCodec", "the image is assembled from tiles"),
                            pixels, maxPixels),
            SourceProblem::TooLarge };
    // libheif assembles the grid on the canvas its data states, and only then does libvips
    // find that it is not the size the header promised.
    if (grid.width != grid.statedWidth || grid.height != grid.statedHeight)
        throw Refusal { QCoreApplication::translate("ImageCodec",
                            "the image states a size of %1 x %2 pixels, but its tiles make %3 x %4")
                            .arg(grid.statedWidth)
                            .arg(grid.statedHeight)
                            .arg(grid.width)
                            .arg(grid.height),
            SourceProblem::Damaged };
}

void checkPdf(int fd, qint64 maxPixels)
{
    const qint64 pixels = SourceStructure::pdfLargestImagePixels(fd);
    if (pixels > maxPixels)
        throw Refusal { limitProblem(QCoreApplication::translate(
                                         "ImageCodec", "the document holds an image"),
                            pixels, maxPixels),
            SourceProblem::TooLarge };
}

SourceStructure::SvgFacts checkSvg(int fd, qint64 maxPixels)
{
    // About a kilobyte of memory an element: one element for a thousand pixels of the limit
    // (500,000 by default), eight pixels a byte of the document.
    const qint64 mostElements = std::max<qint64>(1, maxPixels / 1000);
    const qint64 mostBytes = std::max<qint64>(1, maxPixels / 8);
    SourceStructure::SvgFacts svg = SourceStructure::svgFacts(fd, mostBytes);
    if (svg.bytes > mostBytes)
        throw Refusal {
            QCoreApplication::translate("ImageCodec",
                "the SVG document is larger than %1 MB, the limit that a pixel limit of %2 "
                "megapixels sets; the maxMegapixels setting raises both (ostrel-batch "
                "--max-megapixels N)")
                .arg(QString::number(double(mostBytes) / 1e6, 'g', 3))
                .arg(megapixelText(maxPixels)),
            SourceProblem::TooLarge
        };
    if (svg.elements > mostElements)
        throw Refusal {
            QCoreApplication::translate("ImageCodec",
                "the SVG document has %1 elements, more than the %2 that a pixel limit of %3 "
                "megapixels allows; the maxMegapixels setting raises both (ostrel-batch "
                "--max-megapixels N)")
                .arg(svg.elements)
                .arg(mostElements)
                .arg(megapixelText(maxPixels)),
            SourceProblem::TooLarge
        };
    checkSvgSize(svg, nullptr);
    return svg;
}

} // namespace

SourceStructure::SvgFacts checkStructure(const SourceType& type, int fd, qint64 maxPixels)
{
    switch (type.structure) {
    case Structure::None:
    case Structure::Gif:
        break;
    case Structure::Heif:
        checkHeif(fd, maxPixels);
        break;
    case Structure::Pdf:
        checkPdf(fd, maxPixels);
        break;
    case Structure::Svg:
        return checkSvg(fd, maxPixels);
    }
    return {};
}

void checkSvgSize(const SourceStructure::SvgFacts& svg, const VImage* drawn)
{
    const QList<QByteArray> box = svg.viewBox.simplified().replace(',', ' ').split(' ');
    const auto stated = [&box](const QByteArray& text, int index) -> std::optional<double> {
        if (const std::optional<double> length = svgLength(text))
            return length;
        if (box.size() == 4 && text.isEmpty())
            return box.at(index).toDouble();
        return std::nullopt;
    };
    const std::optional<double> width = stated(svg.width, 2);
    const std::optional<double> height = stated(svg.height, 3);
    const auto wrong = [](std::optional<double> side, std::optional<int> pixels) {
        return side
            && (!std::isfinite(*side) || *side > VIPS_MAX_COORD
                || (pixels && std::abs(*side - *pixels) > 1.0 + 1e-6 * std::abs(*side)));
    };
    if (!wrong(width, drawn ? std::optional(drawn->width()) : std::nullopt)
        && !wrong(height, drawn ? std::optional(drawn->height()) : std::nullopt))
        return;
    const QString widthText = svg.width.isEmpty() ? svgText(box.value(2)) : svgText(svg.width);
    const QString heightText = svg.height.isEmpty() ? svgText(box.value(3)) : svgText(svg.height);
    throw Refusal { QCoreApplication::translate("ImageCodec",
        "the SVG states its size as %1 x %2, which cannot be drawn: at most %3 pixels a "
        "side at 72 pixels an inch")
                        .arg(widthText, heightText, QString::number(VIPS_MAX_COORD)) };
}

} // namespace ImageCodec
