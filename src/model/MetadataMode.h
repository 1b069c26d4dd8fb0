#pragma once

// What of a source's metadata (EXIF, XMP, IPTC, text, the colour profile's text) its output
// keeps, by the code the settings file stores. Each mode names what it keeps; everything else
// goes (MetadataFilter). The resolution is written in every mode, the EXIF thumbnail in none; a
// colour profile other than sRGB is written in every mode, while plain sRGB goes untagged (a
// compact sRGB profile under Keep).
enum class MetadataMode
{
    // Everything the source had, the orientation made "normal" and the pixel size the new one.
    Keep = 1,
    // The date taken, camera, lens model, exposure and copyright.
    WithoutPersonal = 2,
    None = 3,
};
