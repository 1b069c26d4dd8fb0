#pragma once

#include <QByteArray>

// ICC colour profiles as files carry them. A profile describes colours with numbers, but it
// also holds text: its description, copyright, the device's maker and model, free-form
// dictionaries. Whoever made the profile (a calibration tool, a scanner at an office) may have
// put a name or an address there, and it travels with every picture that embeds the profile.
namespace IccProfile {

// The profile with its colour data only: the tags that say how numbers become colours
// (primaries, white and black points, tone curves, lookup tables, adaptation) are copied
// unchanged, every other tag is left out, and a neutral description and an empty copyright
// take the place of the originals; the header keeps the version, classes, colour spaces,
// flags, intent and illuminant, and loses the maker, model, creator, platform, date and
// checksum. Empty when the bytes are not a profile this can read (then none is safer to embed
// than the unknown bytes).
QByteArray withoutText(const QByteArray& profile);

// A compact sRGB profile (version 4, parametric curves, 568 bytes), for a file that must be
// tagged although its colours are plain sRGB; libvips' own sRGB profile is over 6 kB. Made by
// Little CMS once a process, with a fixed date so that the same picture gives the same file.
// Thread-safe.
const QByteArray& compactSrgb();

} // namespace IccProfile
