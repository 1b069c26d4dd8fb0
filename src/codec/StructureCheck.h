#pragma once

#include <QtGlobal>

#include <vips/vips8>

#include "SourceStructure.h"
#include "SourceTypes.h"

// The bounds a type's own structure sets before its decoder reads anything (SourceStructure
// reads the numbers; these hold them to the pixel limit). Each throws a Refusal (CodecError.h)
// with the reason. Any thread; runs where the source is opened.
namespace ImageCodec {

// An SVG's size and elements, which librsvg holds all in memory as soon as it reads the
// header; the pixels a HEIF grid is assembled into, whatever its header says; the largest
// image a PDF draws, which poppler decodes whole whatever the page's size. A bound of the
// pixel limit each, so that the one setting keeps every kind of source in proportion. Reads
// the open file fd with pread. Gives what an SVG document holds (empty for other types).
SourceStructure::SvgFacts checkStructure(const SourceType& type, int fd, qint64 maxPixels);

// Whether an SVG's stated size can be drawn: before the loader reads the document (drawn
// null), only whether it can be drawn at all; afterwards also whether the loader's size is
// the one stated.
void checkSvgSize(const SourceStructure::SvgFacts& svg, const vips::VImage* drawn);

} // namespace ImageCodec
