#pragma once

// What of a source's metadata (EXIF, IPTC, XMP, comments) its output keeps, by the code the
// settings file stores. The colour profile and the resolution are written in every mode.
enum class MetadataMode
{
    // Everything the source had, the orientation made "normal" and the pixel size the new one.
    Keep = 1,
    // Without the GPS position, owner and artist names, serial numbers, XMP and IPTC; the
    // capture date, camera, exposure and copyright stay.
    WithoutPersonal = 2,
    None = 3,
};
