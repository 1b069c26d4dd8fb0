#include "IccProfile.h"

#include <QMap>
#include <QPair>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <iterator>

#include <lcms2.h>

namespace {

constexpr qsizetype kHeaderSize = 128;
// More tags than any real profile has: the table of a hostile one is not walked for long.
constexpr quint32 kMostTags = 200;

// The tags that carry colour, by their signatures.
constexpr std::array<const char*, 30> kColourTags
    = { "wtpt", "bkpt", "rXYZ", "gXYZ", "bXYZ", "rTRC", "gTRC", "bTRC", "kTRC", "chad", "chrm",
          "lumi", "gamt", "cicp", "A2B0", "A2B1", "A2B2", "A2B3", "B2A0", "B2A1", "B2A2", "B2A3",
          "D2B0", "D2B1", "D2B2", "D2B3", "B2D0", "B2D1", "B2D2", "B2D3" };
// The types of data those tags may have: numbers, curves and tables, never text. (A tag of
// the right name but with text inside is left out.)
constexpr std::array<const char*, 11> kNumericTypes
    = { "XYZ ", "curv", "para", "mft1", "mft2", "mAB ", "mBA ", "sf32", "mpet", "chrm", "cicp" };

bool isOneOf(const char* signature, const auto& list)
{
    return std::any_of(list.begin(), list.end(),
        [signature](const char* candidate) { return std::memcmp(signature, candidate, 4) == 0; });
}

quint32 read32(const QByteArray& bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

void append32(QByteArray& bytes, quint32 value)
{
    char data[4];
    qToBigEndian(value, data);
    bytes.append(data, 4);
}

void pad(QByteArray& bytes)
{
    while (bytes.size() % 4)
        bytes.append('\0');
}

// A tag of text in the form the profile's version uses: version 4 has multi-localised
// Unicode, version 2 a description (ASCII with empty Unicode and ScriptCode parts) or plain
// text.
QByteArray textTag(const char* ascii, bool description, int majorVersion)
{
    QByteArray tag;
    const qsizetype length = qsizetype(std::strlen(ascii));
    if (majorVersion >= 4) {
        tag.append("mluc", 4);
        append32(tag, 0);
        append32(tag, 1); // one record
        append32(tag, 12); // of 12 bytes
        tag.append("enUS", 4);
        append32(tag, quint32(length * 2));
        append32(tag, 28); // the string follows the record
        for (qsizetype i = 0; i < length; ++i) {
            tag.append('\0');
            tag.append(ascii[i]);
        }
        return tag;
    }
    if (!description) {
        tag.append("text", 4);
        append32(tag, 0);
        tag.append(ascii, length + 1);
        return tag;
    }
    tag.append("desc", 4);
    append32(tag, 0);
    append32(tag, quint32(length + 1));
    tag.append(ascii, length + 1);
    append32(tag, 0); // Unicode language
    append32(tag, 0); // Unicode count
    tag.append(QByteArray(2 + 1 + 67, '\0')); // ScriptCode code, count and its fixed field
    return tag;
}

const char* neutralDescription(const char* colourSpace)
{
    if (std::memcmp(colourSpace, "GRAY", 4) == 0)
        return "Grey";
    if (std::memcmp(colourSpace, "RGB ", 4) == 0)
        return "RGB";
    if (std::memcmp(colourSpace, "CMYK", 4) == 0)
        return "CMYK";
    return "Colour";
}

// A profile made by lcms2, with the description viewers show, as bytes; the profile is closed.
// Empty when it cannot be saved.
QByteArray describedAndClosed(cmsHPROFILE profile, const char* description)
{
    if (cmsMLU* text = cmsMLUalloc(nullptr, 1)) {
        cmsMLUsetASCII(text, "en", "US", description);
        cmsWriteTag(profile, cmsSigProfileDescriptionTag, text);
        cmsMLUfree(text);
    }
    QByteArray bytes;
    cmsUInt32Number length = 0;
    if (cmsSaveProfileToMem(profile, nullptr, &length) && length > kHeaderSize) {
        bytes.resize(length);
        if (!cmsSaveProfileToMem(profile, bytes.data(), &length))
            bytes.clear();
    }
    cmsCloseProfile(profile);
    return bytes;
}

} // namespace

QByteArray IccProfile::withoutText(const QByteArray& profile)
{
    if (profile.size() < kHeaderSize + 4 || std::memcmp(profile.constData() + 36, "acsp", 4) != 0)
        return {};
    const qsizetype size = std::min<qsizetype>(profile.size(), read32(profile, 0));
    const quint32 count = read32(profile, kHeaderSize);
    if (size < kHeaderSize + 4 || count > kMostTags
        || quint64(kHeaderSize + 4) + 12 * quint64(count) > quint64(size))
        return {};

    // The colour tags, in the order of the table. Tags that share their data in the source
    // (three equal curves, often) share it in the result too.
    struct Tag
    {
        QByteArray signature;
        quint32 offset;
        quint32 length;
    };
    QList<Tag> kept;
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype entry = kHeaderSize + 4 + 12 * qsizetype(i);
        const char* signature = profile.constData() + entry;
        const quint32 offset = read32(profile, entry + 4);
        const quint32 length = read32(profile, entry + 8);
        if (!isOneOf(signature, kColourTags))
            continue;
        if (length < 8 || offset < kHeaderSize || quint64(offset) + length > quint64(size))
            return {};
        if (!isOneOf(profile.constData() + offset, kNumericTypes))
            continue;
        kept.append({ QByteArray(signature, 4), offset, length });
    }
    if (kept.isEmpty())
        return {};

    const int majorVersion = static_cast<unsigned char>(profile.at(8));
    const QByteArray description
        = textTag(neutralDescription(profile.constData() + 16), true, majorVersion);
    const QByteArray copyright = textTag("", false, majorVersion);

    QByteArray header = profile.left(kHeaderSize);
    // What names a device, a maker, a program or a moment goes; so does the checksum of the
    // original bytes (zero means "not computed").
    const auto clear = [&header](qsizetype at, qsizetype length) {
        std::memset(header.data() + at, 0, size_t(length));
    };
    clear(4, 4); // preferred colour management module
    clear(24, 12); // date and time of creation
    clear(40, 4); // platform
    clear(48, 16); // device manufacturer, model and attributes
    clear(80, 48); // creator, profile ID, reserved

    const qsizetype tagCount = kept.size() + 2;
    QByteArray data;
    qsizetype dataStart = kHeaderSize + 4 + 12 * tagCount;
    QByteArray table;
    append32(table, quint32(tagCount));
    const auto addTag = [&](const QByteArray& signature, qsizetype at, qsizetype length) {
        table.append(signature);
        append32(table, quint32(dataStart + at));
        append32(table, quint32(length));
    };
    addTag("desc", data.size(), description.size());
    data.append(description);
    pad(data);
    addTag("cprt", data.size(), copyright.size());
    data.append(copyright);
    pad(data);
    QMap<QPair<quint32, quint32>, qsizetype> placed;
    for (const Tag& tag : std::as_const(kept)) {
        const auto key = qMakePair(tag.offset, tag.length);
        auto at = placed.constFind(key);
        if (at == placed.cend()) {
            at = placed.insert(key, data.size());
            data.append(profile.constData() + tag.offset, tag.length);
            pad(data);
        }
        addTag(tag.signature, *at, tag.length);
    }

    QByteArray result = header + table + data;
    qToBigEndian(quint32(result.size()), result.data());
    return result;
}

const QByteArray& IccProfile::compactSrgb()
{
    static const QByteArray profile = [] {
        QByteArray bytes;
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        if (!srgb)
            return bytes;
        // The description viewers show: the name of the space, like libvips' own profile.
        bytes = describedAndClosed(srgb, "sRGB");
        if (bytes.size() > kHeaderSize) {
            // The creation date, otherwise the moment it was made: 2000-01-01 00:00:00.
            const quint16 date[6] = { 2000, 1, 1, 0, 0, 0 };
            for (int i = 0; i < 6; ++i)
                qToBigEndian(date[i], bytes.data() + 24 + 2 * i);
        }
        return bytes;
    }();
    return profile;
}

namespace {

// The primaries of H.273's table, as chromaticities, and their white.
struct Primaries
{
    int code;
    const char* name;
    cmsCIExyYTRIPLE rgb;
    cmsCIExyY white;
};
constexpr cmsCIExyY kD65 = { 0.3127, 0.3290, 1.0 };
constexpr cmsCIExyY kIlluminantC = { 0.310, 0.316, 1.0 };
constexpr Primaries kPrimaries[] = {
    { 1, "BT.709", { { 0.640, 0.330, 1 }, { 0.300, 0.600, 1 }, { 0.150, 0.060, 1 } }, kD65 },
    { 4, "BT.470 M", { { 0.670, 0.330, 1 }, { 0.210, 0.710, 1 }, { 0.140, 0.080, 1 } },
        kIlluminantC },
    { 5, "BT.601 625", { { 0.640, 0.330, 1 }, { 0.290, 0.600, 1 }, { 0.150, 0.060, 1 } }, kD65 },
    { 6, "BT.601 525", { { 0.630, 0.340, 1 }, { 0.310, 0.595, 1 }, { 0.155, 0.070, 1 } }, kD65 },
    { 7, "SMPTE 240M", { { 0.630, 0.340, 1 }, { 0.310, 0.595, 1 }, { 0.155, 0.070, 1 } }, kD65 },
    { 8, "Film", { { 0.681, 0.319, 1 }, { 0.243, 0.692, 1 }, { 0.145, 0.049, 1 } }, kIlluminantC },
    { 9, "BT.2020", { { 0.708, 0.292, 1 }, { 0.170, 0.797, 1 }, { 0.131, 0.046, 1 } }, kD65 },
    { 11, "DCI-P3", { { 0.680, 0.320, 1 }, { 0.265, 0.690, 1 }, { 0.150, 0.060, 1 } },
        { 0.314, 0.351, 1 } },
    { 12, "Display P3", { { 0.680, 0.320, 1 }, { 0.265, 0.690, 1 }, { 0.150, 0.060, 1 } }, kD65 },
    { 22, "EBU 3213", { { 0.630, 0.340, 1 }, { 0.295, 0.605, 1 }, { 0.155, 0.077, 1 } }, kD65 },
};

// Light relative to diffuse white (203 cd/m2), clipped at that white.
double relativeToDiffuseWhite(double candelas)
{
    return std::clamp(candelas / 203.0, 0.0, 1.0);
}

// SMPTE ST 2084 (PQ): signal to light in cd/m2.
double pqLight(double signal)
{
    constexpr double m1 = 2610.0 / 16384, m2 = 2523.0 / 4096 * 128;
    constexpr double c1 = 3424.0 / 4096, c2 = 2413.0 / 4096 * 32, c3 = 2392.0 / 4096 * 32;
    const double p = std::pow(signal, 1 / m2);
    return 10000.0 * std::pow(std::max(p - c1, 0.0) / (c2 - c3 * p), 1 / m1);
}

// ARIB STD-B67 (HLG): signal to scene light, then the nominal display's system gamma of 1.2
// (applied to each channel, which is exact for greys) at 1000 cd/m2.
double hlgLight(double signal)
{
    constexpr double a = 0.17883277, b = 1 - 4 * a;
    const double c = 0.5 - a * std::log(4 * a);
    const double scene
        = signal <= 0.5 ? signal * signal / 3 : (std::exp((signal - c) / a) + b) / 12;
    return 1000.0 * std::pow(scene, 1.2);
}

cmsToneCurve* tabulated(double (*light)(double))
{
    constexpr int kEntries = 4096;
    std::array<cmsUInt16Number, kEntries> table;
    for (int i = 0; i < kEntries; ++i) {
        const double relative = relativeToDiffuseWhite(light(double(i) / (kEntries - 1)));
        table[size_t(i)] = cmsUInt16Number(std::lround(relative * 65535));
    }
    return cmsBuildTabulatedToneCurve16(nullptr, kEntries, table.data());
}

// The curve from signal to light of a transfer code, and its name; null when unknown.
cmsToneCurve* transferCurve(int code, const char** name)
{
    // Parametric type 4: Y = (aX + b)^g above d, cX below.
    static constexpr double kSrgb[] = { 2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045 };
    static constexpr double kBt709[] = { 1 / 0.45, 1 / 1.099, 0.099 / 1.099, 1 / 4.5, 0.081 };
    static constexpr double kSmpte240[]
        = { 1 / 0.45, 1 / 1.1115, 0.1115 / 1.1115, 1 / 4.0, 0.0913 };
    static constexpr double kGamma22[] = { 2.2 };
    static constexpr double kGamma28[] = { 2.8 };
    static constexpr double kLinear[] = { 1.0 };
    switch (code) {
    case 1:
    case 6:
    case 14:
    case 15:
        *name = "BT.709 curve";
        return cmsBuildParametricToneCurve(nullptr, 4, kBt709);
    case 4:
        *name = "gamma 2.2";
        return cmsBuildParametricToneCurve(nullptr, 1, kGamma22);
    case 5:
        *name = "gamma 2.8";
        return cmsBuildParametricToneCurve(nullptr, 1, kGamma28);
    case 7:
        *name = "SMPTE 240M curve";
        return cmsBuildParametricToneCurve(nullptr, 4, kSmpte240);
    case 8:
        *name = "linear";
        return cmsBuildParametricToneCurve(nullptr, 1, kLinear);
    case 2:
    case 13:
        *name = "sRGB curve";
        return cmsBuildParametricToneCurve(nullptr, 4, kSrgb);
    case 16:
        *name = "PQ";
        return tabulated(pqLight);
    case 18:
        *name = "HLG";
        return tabulated(hlgLight);
    default:
        return nullptr;
    }
}

} // namespace

QByteArray IccProfile::fromColourCode(int primariesCode, int transferCode)
{
    const int primariesOrSrgb = primariesCode == 2 ? 1 : primariesCode;
    const int transferOrSrgb = transferCode == 2 ? 13 : transferCode;
    if (primariesOrSrgb == 1 && transferOrSrgb == 13)
        return {};
    const auto primaries = std::find_if(std::begin(kPrimaries), std::end(kPrimaries),
        [&](const Primaries& row) { return row.code == primariesOrSrgb; });
    const char* transferName = nullptr;
    cmsToneCurve* curve = transferCurve(transferOrSrgb, &transferName);
    if (!curve)
        return {};
    if (primaries == std::end(kPrimaries)) {
        cmsFreeToneCurve(curve);
        return {};
    }
    cmsToneCurve* curves[3] = { curve, curve, curve };
    cmsHPROFILE profile = cmsCreateRGBProfile(&primaries->white, &primaries->rgb, curves);
    cmsFreeToneCurve(curve);
    if (!profile)
        return QByteArray();
    return describedAndClosed(
        profile, (QByteArray(primaries->name) + ", " + transferName).constData());
}
