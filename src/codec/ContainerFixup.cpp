#include "ContainerFixup.h"

#include <QList>
#include <QtEndian>

#include <zlib.h>

#include "IsoBoxes.h"

namespace {

// JPEG's APP1 marker names its EXIF data with this; PNG's and WebP's chunks do not.
constexpr char kExifPrefix[] = { 'E', 'x', 'i', 'f', '\0', '\0' };

// A chunk of a PNG file: where it starts in the file and what it holds.
struct PngChunk
{
    qsizetype at = 0; // its length field
    qsizetype size = 0; // length, type, data and CRC
    QByteArray type;
    QByteArray data;
};

// The chunks of a PNG file, or none when the file does not walk to its end as chunks.
QList<PngChunk> pngChunks(const QByteArray& png)
{
    static constexpr char kSignature[] = { '\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n' };
    if (!png.startsWith(QByteArrayView(kSignature, sizeof kSignature)))
        return {};
    QList<PngChunk> chunks;
    qsizetype at = sizeof kSignature;
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (length > quint32(png.size() - at - 12))
            return {};
        PngChunk chunk;
        chunk.at = at;
        chunk.size = 12 + qsizetype(length);
        chunk.type = png.mid(at + 4, 4);
        // Only the data of eXIf is looked at: IDAT's stays where it is.
        if (chunk.type == "eXIf")
            chunk.data = png.mid(at + 8, length);
        chunks.append(chunk);
        at += chunk.size;
    }
    if (at != png.size())
        return {};
    return chunks;
}

} // namespace

QByteArray ContainerFixup::withoutExifPrefix(QByteArray exif)
{
    if (exif.startsWith(QByteArrayView(kExifPrefix, sizeof kExifPrefix)))
        exif.remove(0, sizeof kExifPrefix);
    return exif;
}

QByteArray ContainerFixup::pngChunk(const QByteArray& type, const QByteArray& data)
{
    QByteArray chunk(8, '\0');
    qToBigEndian(quint32(data.size()), chunk.data());
    chunk.replace(4, 4, type);
    chunk.append(data);
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(chunk.constData() + 4), uInt(chunk.size() - 4));
    char crcBytes[4];
    qToBigEndian(quint32(crc), crcBytes);
    chunk.append(crcBytes, 4);
    return chunk;
}

QByteArray ContainerFixup::pngWithOneExif(const QByteArray& png)
{
    const QList<PngChunk> chunks = pngChunks(png);
    qsizetype firstExif = -1;
    qsizetype firstData = -1;
    int exifCount = 0;
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        if (chunks[i].type == "eXIf" && exifCount++ == 0)
            firstExif = i;
        if (chunks[i].type == "IDAT" && firstData < 0)
            firstData = i;
    }
    if (exifCount == 0 || firstData < 0)
        return png;
    const QByteArray exif = withoutExifPrefix(chunks[firstExif].data);
    if (exifCount == 1 && firstExif < firstData && exif.size() == chunks[firstExif].data.size())
        return png;

    QByteArray fixed = png.left(chunks.first().at);
    fixed.reserve(png.size());
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        if (i == firstData)
            fixed.append(pngChunk("eXIf", exif));
        if (chunks[i].type != "eXIf")
            fixed.append(png.constData() + chunks[i].at, chunks[i].size);
    }
    return fixed;
}

QByteArray ContainerFixup::webpWithBareExif(const QByteArray& webp)
{
    if (webp.size() < 12 || !webp.startsWith("RIFF") || webp.mid(8, 4) != "WEBP"
        || qFromLittleEndian<quint32>(webp.constData() + 4) != quint32(webp.size() - 8))
        return webp;
    QByteArray fixed = webp.left(12);
    bool changed = false;
    qsizetype at = 12;
    while (at + 8 <= webp.size()) {
        const quint32 length = qFromLittleEndian<quint32>(webp.constData() + at + 4);
        const qsizetype padded = qsizetype(length) + (length & 1);
        if (length > quint32(webp.size() - at - 8) || at + 8 + padded > webp.size())
            return webp;
        const QByteArray data = webp.mid(at + 8, length);
        const QByteArray fourcc = webp.mid(at, 4);
        const QByteArray bare = fourcc == "EXIF" ? withoutExifPrefix(data) : data;
        if (bare.size() != data.size()) {
            changed = true;
            fixed.append(fourcc);
            char size[4];
            qToLittleEndian(quint32(bare.size()), size);
            fixed.append(size, 4);
            fixed.append(bare);
            if (bare.size() & 1)
                fixed.append('\0');
        } else {
            fixed.append(webp.constData() + at, 8 + padded);
        }
        at += 8 + padded;
    }
    if (!changed || at != webp.size())
        return webp;
    qToLittleEndian(quint32(fixed.size() - 8), fixed.data() + 4);
    return fixed;
}

namespace {

using IsoBoxes::Box;

// The boxes from..to, or none when they do not fill it exactly.
QList<Box> boxes(const QByteArray& file, qsizetype from, qsizetype to)
{
    bool filled = false;
    const QList<Box> found = IsoBoxes::children(file, from, to, &filled);
    return filled ? found : QList<Box>();
}

// Writes a big-endian field of 0, 2, 4 or 8 bytes.
void writeField(QByteArray& bytes, qsizetype at, int size, quint64 value)
{
    for (int i = size - 1; i >= 0; --i, value >>= 8)
        bytes[at + i] = char(value & 0xff);
}

void growBox(QByteArray& file, const Box& box, qsizetype by)
{
    if (box.headerSize() == 16)
        qToBigEndian(quint64(box.size() + by), file.data() + box.at + 8);
    else
        qToBigEndian(quint32(box.size() + by), file.data() + box.at);
}

// Moves the file offsets that iloc states (construction method 0: in this file) of data at
// or after `from` by `by` bytes. False when the table is not one this can read or a field
// would overflow.
bool shiftLocations(QByteArray& file, const Box& iloc, qsizetype from, qsizetype by)
{
    const IsoBoxes::ItemLocations table = IsoBoxes::itemLocations(file, iloc);
    if (!table.complete)
        return false;
    const auto fits = [](quint64 value, int size) { return size == 8 || value < (1ull << 32); };
    for (const IsoBoxes::ItemLocation& item : table.items) {
        if (item.method != 0 || item.dataReference != 0)
            continue;
        if (table.baseSize > 0) {
            if (item.base >= quint64(from)) {
                if (!fits(item.base + by, table.baseSize))
                    return false;
                writeField(file, item.baseAt, table.baseSize, item.base + by);
            }
            continue;
        }
        for (const IsoBoxes::ItemLocation::Extent& extent : item.extents) {
            if (table.offsetSize > 0 && extent.offset >= quint64(from)) {
                if (!fits(extent.offset + by, table.offsetSize))
                    return false;
                writeField(file, extent.offsetAt, table.offsetSize, extent.offset + by);
            }
        }
    }
    return true;
}

// A colr box of type nclx with sRGB's codes, the matrix and range libheif encodes with.
QByteArray srgbColourBox()
{
    static constexpr char kBox[]
        = { 0, 0, 0, 19, 'c', 'o', 'l', 'r', 'n', 'c', 'l', 'x', 0, 1, 0, 13, 0, 6, char(0x80) };
    return QByteArray(kBox, sizeof kBox);
}

} // namespace

QByteArray ContainerFixup::heifWithSrgbColour(const QByteArray& heif)
{
    using IsoBoxes::find;
    const QList<Box> top = boxes(heif, 0, heif.size());
    const Box* meta = find(top, "meta");
    if (!meta || meta->headerSize() != 8 || meta->size() < 12)
        return heif;
    const QList<Box> inMeta = boxes(heif, meta->payload + 4, meta->end);
    const Box* iprp = find(inMeta, "iprp");
    const Box* iloc = find(inMeta, "iloc");
    const Box* pitm = find(inMeta, "pitm");
    if (!iprp || !iloc || !pitm || iprp->headerSize() != 8 || pitm->size() < 14)
        return heif;
    const QList<Box> inIprp = boxes(heif, iprp->payload, iprp->end);
    const Box* ipco = find(inIprp, "ipco");
    const Box* ipma = find(inIprp, "ipma");
    if (!ipco || !ipma || ipco->headerSize() != 8 || ipma->headerSize() != 8 || ipma->size() < 16)
        return heif;
    const QList<Box> properties = boxes(heif, ipco->payload, ipco->end);
    if (properties.isEmpty())
        return heif;

    // A box there already: a profile stays; unspecified codes become sRGB's, in place.
    for (const Box& property : properties) {
        if (property.type != "colr")
            continue;
        IsoBoxes::Cursor colour(heif, property.payload, property.end);
        const QByteArray kind = colour.type();
        const quint32 primaries = colour.u16();
        const quint32 transfer = colour.u16();
        colour.skip(3); // matrix and range
        if (colour.failed() || kind != "nclx" || primaries != 2 || transfer != 2)
            return heif;
        QByteArray fixed = heif;
        writeField(fixed, property.payload + 4, 2, 1);
        writeField(fixed, property.payload + 6, 2, 13);
        return fixed;
    }

    // None: one for the primary item, after the other properties, associated with it.
    IsoBoxes::Cursor primaryBox(heif, pitm->payload, pitm->end);
    const quint32 pitmVersion = primaryBox.u8();
    primaryBox.skip(3);
    const quint64 primary = pitmVersion == 0 ? primaryBox.u16() : primaryBox.u32();
    const quint64 index = quint64(properties.size()) + 1;
    const IsoBoxes::PropertyAssociations associations = IsoBoxes::propertyAssociations(heif, *ipma);
    const bool wideIndex = associations.wideIndex;
    if (index >= (wideIndex ? 0x8000u : 0x80u) || !associations.complete)
        return heif;
    qsizetype countAt = -1;
    for (const IsoBoxes::ItemProperties& entry : associations.items) {
        if (entry.item == primary)
            countAt = entry.countAt;
    }
    if (countAt < 0 || quint8(heif.at(countAt)) == 255 || ipma->at < ipco->at)
        return heif;

    const QByteArray box = srgbColourBox();
    QByteArray association(wideIndex ? 2 : 1, '\0');
    writeField(association, 0, int(association.size()), index);
    const qsizetype grown = box.size() + association.size();
    QByteArray fixed = heif;
    if (!shiftLocations(fixed, *iloc, meta->end, grown))
        return heif;
    // From the end backwards, so that the earlier positions stay where they were.
    const qsizetype countEnd = countAt + 1 + quint8(heif.at(countAt)) * (wideIndex ? 2 : 1);
    fixed.insert(countEnd, association);
    fixed[countAt] = char(quint8(heif.at(countAt)) + 1);
    growBox(fixed, *ipma, association.size());
    fixed.insert(ipco->end, box);
    growBox(fixed, *ipco, box.size());
    growBox(fixed, *iprp, grown);
    growBox(fixed, *meta, grown);
    return fixed;
}
