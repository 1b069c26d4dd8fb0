#pragma once

// What of a source's metadata (EXIF, XMP, IPTC, text, the colour profile's text) its output
// keeps, by the code the settings file stores. Each mode names what it keeps; everything else
// goes (MetadataFilter). The colour profile's colours and the resolution are written in every
// mode, the EXIF thumbnail in none.
enum class MetadataMode
{
    // Everything the source had, the orientation made "normal" and the pixel size the new one.
    Keep = 1,
    // The date taken, camera, lens model, exposure and copyright.
    WithoutPersonal = 2,
    None = 3,
};
