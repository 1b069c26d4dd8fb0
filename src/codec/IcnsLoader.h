#pragma once

#include <QtGlobal>

#include "SourceLoader.h"

// Apple icon files (ICNS). An icon file holds the same icon at several sizes: the largest is
// decoded, once. ImageMagick has no ICNS coder here. Runs on the thread that opens the source.
namespace ImageCodec {

// Reads the header of the largest picture of the icon file open in open.file. Its size comes
// from its own header (a PNG or JPEG 2000 picture can state any size, whatever the entry is
// meant to hold) and is held against the limit before anything is decoded. PNG and JPEG 2000
// pictures are decoded by libvips from their bytes, on demand like any other source; Apple's
// own codings, 128 x 128 at most, by Qt's reader, at once (open.decodedByQt). Throws a Refusal
// or a VError.
void openIcns(OpenSource& open, qint64 maxPixels);

} // namespace ImageCodec
