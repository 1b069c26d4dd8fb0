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

// The RGB profile that a colour code (ITU-T H.273 colour primaries and transfer
// characteristics, as HEIF's and AVIF's colour box of type nclx states them) stands for, made
// by Little CMS; empty when the code means sRGB, or names primaries or a transfer this does not
// know (the picture is then taken as sRGB, as any untagged one is). "Unspecified" (2) stands
// for sRGB's primaries or curve. The matrix is the decoder's business and is not asked for.
// High dynamic range (PQ, HLG) is brought to standard range with diffuse white (203 cd/m2, as
// ITU-R BT.2408 places it) at the profile's white and anything brighter clipped; HLG is shown
// as on its nominal 1000 cd/m2 display, which puts its 75% signal at that white. Thread-safe.
QByteArray fromColourCode(int primaries, int transfer);

} // namespace IccProfile
