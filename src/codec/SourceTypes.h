#pragma once

#include <QString>

#include <array>

// The types of source that can be read, by the extension of their names, and how each is
// decoded (the table is in SourceTypes.cpp; ImageCodec::sourceExtensions() lists its
// extensions). A source is decoded only by the decoder of the type its extension names. Any
// thread: the table is constant.
namespace ImageCodec {

// How a type of source is decoded.
enum class Reader
{
    Libvips, // a libvips loader reading from the open file
    ImageMagick, // libvips' ImageMagick loader, held to one of ImageMagick's coders
    // The largest picture of an Apple icon file: PNG and JPEG 2000 pictures through libvips,
    // Apple's own small codings through Qt's reader for the format (a Qt image format plug-in).
    Icns,
};

// What the further pictures of a file are, when it holds several.
enum class Sequence
{
    None,
    Frames, // of an animation: kept where the output format animates
    Pages, // of a document: the first page is written
};

// What of a file's own structure is read before its decoder sees it (SourceStructure), where
// the decoder allocates by what it finds inside rather than by the size it reports.
enum class Structure
{
    None,
    Gif, // the frames: libvips' header counts at most 4,097 of them
    Heif, // the tiles of a grid
    Pdf, // the images the pages draw
    Svg, // the document's size, its elements, the size its root states
};

struct SourceType
{
    const char* name = nullptr; // as people call the type: "JPEG"
    std::array<const char*, 2> extensions = {}; // lower case; an unused entry is null
    // As the desktop's shared MIME database names the type (the first), and other names
    // desktops use for it.
    std::array<const char*, 2> mimeTypes = {};
    Reader reader = Reader::Libvips;
    const char* decoder = nullptr; // the libvips loader, ImageMagick coder or Qt format allowed
    bool shrinkOnLoad = false; // the libvips loader decodes at a reduced size by itself
    // HEIF holds AV1 or HEVC: the codec its extension promises ("av1", "hevc"), else null.
    const char* heifCompression = nullptr;
    Sequence sequence = Sequence::None;
    Structure structure = Structure::None;
};

// The type a path's extension names (matched without regard to case); null for none.
const SourceType* typeOf(const QString& path);
// The same, for a source to read: throws a Refusal (CodecError.h) when it names none.
const SourceType& readableType(const QString& path);

// Why content is refused by the decoder of its extension's type: "not a JPEG image".
QString notOfType(const SourceType& type);

} // namespace ImageCodec
