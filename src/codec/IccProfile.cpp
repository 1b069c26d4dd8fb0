#include "IccProfile.h"

#include <QMap>
#include <QPair>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>

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
        if (cmsMLU* description = cmsMLUalloc(nullptr, 1)) {
            cmsMLUsetASCII(description, "en", "US", "sRGB");
            cmsWriteTag(srgb, cmsSigProfileDescriptionTag, description);
            cmsMLUfree(description);
        }
        cmsUInt32Number length = 0;
        if (cmsSaveProfileToMem(srgb, nullptr, &length) && length > kHeaderSize) {
            bytes.resize(length);
            if (!cmsSaveProfileToMem(srgb, bytes.data(), &length))
                bytes.clear();
        }
        cmsCloseProfile(srgb);
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
