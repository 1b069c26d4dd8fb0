#pragma once

#include <QByteArray>

// Corrections to the containers libvips 8.14 writes, made to the whole file in memory before
// it is written out. Each returns the file unchanged when it has nothing to correct or when
// its structure is not what the correction expects (a file that is at least as good as the
// saver made it). Pure functions; any thread.
namespace ContainerFixup {

// EXIF data as PNG's and WebP's chunks hold it: the TIFF header first, without the
// "Exif\0\0" that names it in JPEG's APP1 marker.
QByteArray withoutExifPrefix(QByteArray exif);

// A PNG chunk of that type (four letters) and data: its length, type, data and CRC.
QByteArray pngChunk(const QByteArray& type, const QByteArray& data);

// PNG: the EXIF data in one eXIf chunk, before the image data, holding the TIFF header
// directly. libpng writes the chunk a second time after IDAT, which readers may ignore or
// take for a second block; JPEG's "Exif\0\0" prefix, where present, goes.
QByteArray pngWithOneExif(const QByteArray& png);

// WebP: the EXIF chunk holding the TIFF header directly, as the RIFF layout defines it,
// instead of JPEG's APP1 form with its "Exif\0\0" prefix; the chunk's size, its padding and
// the RIFF size follow.
QByteArray webpWithBareExif(const QByteArray& webp);

// AVIF and HEIC without a colour profile: a colour box (colr, nclx) that says sRGB (BT.709
// primaries, the sRGB transfer curve) for the primary image. libheif writes "unspecified"
// primaries and transfer into AVIF's box, and no box at all into HEIC; the matrix and the
// range it encoded with (BT.601, full) are stated with them. A file with a profile is left
// as it is.
QByteArray heifWithSrgbColour(const QByteArray& heif);

} // namespace ContainerFixup
