#pragma once

#include <vips/vips8>

#include "ImageCodec.h"
#include "model/ResizeStatus.h"

// Writing the rendered pixels in the output format: libvips' savers with the options of each
// format (the table in Encoder.cpp), BMP through Qt's writer, PNG through PngWriter, the quality,
// the TIFF compression and the resolution, all through the OutputSink into the caller's file.
// ImageCodec::jpegQuality() and targetSizeProblem(), which read the same table, are defined
// with it. Runs on the rendering thread; libvips writes from a thread of its own.
namespace ImageCodec {

// Encodes the image into the open file and says which step failed, if one did: the file
// (a write failure with the system's reason), the source's pipeline (the source's fault), or
// the encoder (a write failure with its reason). The written length is checked against the
// file's. With a size limit (request.maxFileSize) the file is found in memory first
// (FileSizeFit); one that cannot be made to fit is an InvalidSettings, and nothing is written.
// Written, the status says the quality, scale and pixel size of the file and, when the limit
// changed them, has a note in its message. Throws nothing.
ResizeStatus encode(const vips::VImage& image, const RenderRequest& request, int descriptor);

} // namespace ImageCodec
