#pragma once

#include <vips/vips8>

class QIODevice;

// PNG written by the codec itself instead of libvips' saver, to write photos faster. Each row
// gets the filter libpng's heuristic would choose (the least sum of the filtered bytes read as
// signed); the deflate stream then uses, stretch by stretch of rows, whichever of zlib's two
// strategies made the smaller data: the usual search for repeated strings at level 6, or runs
// only. A photo's filtered rows repeat almost nothing but runs, so the run strategy compresses
// them a little smaller in a tenth of the time; drawings, text and screenshots keep the search.
// The metadata is what libvips' saver writes: the resolution (pHYs), the ICC profile (iCCP), the
// EXIF data brought up to date from the image as libvips does it (one eXIf, before the pixels),
// XMP and the PNG text fields (zTXt). Runs on the thread that saves; libvips computes the rows
// on its own threads.
namespace PngWriter {

// Whether the writer takes the image: 8 or 16 bits a sample, grey or sRGB, with or without
// alpha. libvips' saver converts and writes any other.
bool takes(const vips::VImage& image);

// Writes the image to the device, computing it row by row as libvips' savers do. Throws
// vips::VError when the pipeline, zlib or the device fails; the device may then hold part of
// the file.
void write(const vips::VImage& image, QIODevice* device);

} // namespace PngWriter
