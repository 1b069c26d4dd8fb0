#pragma once

#include <QString>

#include <vips/vips8>

#include <optional>

#include "FileDescriptor.h"
#include "ImageCodec.h"
#include "SourceStructure.h"
#include "SourceTypes.h"

// Opening a source by its type: the libvips loader of that type only, or ImageMagick with the
// type's coder forced, or an icon file's largest picture (IcnsLoader); the structure checks
// first (StructureCheck), then the header, measured against the pixel limit. Nothing is
// decoded yet. Runs on the thread that probes or renders the source.
namespace ImageCodec {

// A source opened for decoding, with its header read (nothing decoded yet, except for the
// small formats that Qt reads whole).
struct OpenSource
{
    const SourceType* type = nullptr;
    FileDescriptor file;
    std::optional<vips::VSource> source; // libvips' reader on the file, for Reader::Libvips
    vips::VImage header; // the source as its loader gives it, pixels decoded on demand
    bool decodedByQt = false; // the header holds every pixel already, decoded by Qt
    SourceStructure::SvgFacts svg; // what an SVG document holds (Structure::Svg)
};

// Opens path (or reads descriptor, an open descriptor of it, when not -1) as a source of the
// type its extension names and reads its header. Throws a Refusal for a file that is not a
// regular file or not of that type, a VError for a header the decoder cannot read.
OpenSource openSource(const QString& path, int descriptor, qint64 maxPixels);

// Opens and measures a source as openSource does; info says whether it may be decoded and, if
// not, why. Throws nothing: a source that did not open comes back empty.
OpenSource openAndMeasure(
    const QString& path, int descriptor, qint64 maxPixels, SourceInfo* info);

} // namespace ImageCodec
