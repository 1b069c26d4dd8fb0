#pragma once

#include <vips/vips8>

#include "model/MetadataMode.h"

// Which of a decoded source's metadata its output carries. libvips hands every piece of a
// source's metadata to the savers as a field of the image (EXIF tags one by one, XMP, IPTC,
// PNG text, TIFF's description, the EXIF thumbnail, the colour profile); what is still a field
// when the image is saved is written. This is an allow-list: each mode names what it keeps,
// and every other field goes, whatever a loader calls it.
//
//  - Keep: everything, but the EXIF thumbnail (a picture of the uncropped original) and the
//    orientation, which is made "normal" in EXIF and XMP because the pixels are written
//    upright; XMP's pixel size becomes the new one.
//  - WithoutPersonal: the date taken, camera make and model, the exposure, the lens model, the
//    copyright, the resolution and the colour profile (its colours, not its text).
//  - None: what the picture needs to look right: the colour profile (its colours) and the
//    resolution.
//
// A picture converted to sRGB is written without a profile (untagged is read as sRGB), except
// under Keep, which writes a compact sRGB profile in place of libvips' large one; any other
// profile (a grey picture's own) is kept as the mode says.
//
// In every mode the fields that shape the file itself stay (the frames of an animation and
// their timing, the resolution's unit). Runs on the rendering thread.
namespace MetadataFilter {

vips::VImage apply(vips::VImage image, MetadataMode mode);

} // namespace MetadataFilter
