#pragma once

#include <QList>
#include <QtGlobal>

// What a source's own structure says it holds, read from the open file before any decoder
// sees it. Some decoders allocate by what they find inside a file rather than by the size
// they report first: the tiles of a HEIF grid, the images a PDF page draws, the icons of an
// ICNS, the elements of an SVG, the frames of a GIF. These functions read the numbers that a
// limit must be held against, cheaply and without trusting any of them for more than a
// bound. Each reads the file from its start with pread, leaving the descriptor's offset
// alone for the decoder. Any thread.
namespace SourceStructure {

// The frames of a GIF: its image descriptors, counted through the blocks up to the trailer
// or to where the structure breaks off.
qint64 gifFrameCount(int fd);

// What libheif assembles for a HEIF's primary image when it is a grid of tiles: a canvas of
// the size the grid's own data states (which libheif allocates whole, whatever the size the
// header reports), from tiles of their own stated sizes. isGrid is false for any other image,
// or when the structure cannot be read (the decoder then says why).
struct HeifGrid
{
    bool isGrid = false;
    qint64 width = 0; // of the canvas
    qint64 height = 0;
    qint64 statedWidth = 0; // the size the grid item states, which decoders report first
    qint64 statedHeight = 0;
    qint64 tilePixels = 0; // the tiles' sizes added up
};
HeifGrid heifGrid(int fd);

// The colour code (ITU-T H.273) a HEIF's colour box of type nclx states for its primary image,
// which phones write in place of an ICC profile: present is false when there is none.
struct ColourCode
{
    bool present = false;
    int primaries = 2; // 2: unspecified
    int transfer = 2;
    int matrix = 2;
    bool fullRange = false;
};
ColourCode heifColourCode(int fd);

// One picture of an ICNS icon file.
struct IcnsPicture
{
    enum class Coding
    {
        Png,
        Jpeg2000,
        Legacy, // Apple's own run-length or ARGB coding, 128 x 128 at most
    };
    Coding coding = Coding::Legacy;
    qint64 offset = 0; // of the picture's data in the file
    qint64 length = 0;
    int width = 0;
    int height = 0;
};
// The pictures of an ICNS file with their sizes as their own headers state them, masks and
// other entries left out; empty when the file is not an ICNS.
QList<IcnsPicture> icnsPictures(int fd);

// What an SVG document holds, read through once (through gzip when it is compressed).
struct SvgFacts
{
    bool readable = false; // the data could be read (and inflated) to its end
    qint64 bytes = 0; // of the document, inflated
    qint64 elements = 0; // start tags
    // The root element's width and height as written ("1e9mm"), and its viewBox; empty when
    // absent.
    QByteArray width;
    QByteArray height;
    QByteArray viewBox;
};
// Stops reading once the document is larger than byteLimit.
SvgFacts svgFacts(int fd, qint64 byteLimit);

// The most pixels of any image a PDF holds, by the /Width and /Height of its image objects
// (written out, or as a reference to an object that holds the number). Images drawn inline in
// a compressed page are not seen.
qint64 pdfLargestImagePixels(int fd);

} // namespace SourceStructure
