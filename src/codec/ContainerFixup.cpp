#include "ContainerFixup.h"

#include <QList>
#include <QtEndian>

#include <zlib.h>

namespace {

// JPEG's APP1 marker names its EXIF data with this; PNG's and WebP's chunks do not.
constexpr char kExifPrefix[] = { 'E', 'x', 'i', 'f', '\0', '\0' };

QByteArray withoutExifPrefix(QByteArray exif)
{
    if (exif.startsWith(QByteArrayView(kExifPrefix, sizeof kExifPrefix)))
        exif.remove(0, sizeof kExifPrefix);
    return exif;
}

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

QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
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

} // namespace

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

// A box of an ISO base media file (HEIF): where it starts, its header's and its whole size.
struct Box
{
    qsizetype at = 0;
    qsizetype header = 8;
    qsizetype size = 0;
    QByteArray type;
};

// The boxes from..to, or none when they do not fill it exactly. Only 32-bit sizes: the
// boxes looked into here (meta and its children) are small.
QList<Box> boxes(const QByteArray& file, qsizetype from, qsizetype to)
{
    QList<Box> found;
    qsizetype at = from;
    while (at + 8 <= to) {
        Box box;
        box.at = at;
        box.type = file.mid(at + 4, 4);
        const quint32 size = qFromBigEndian<quint32>(file.constData() + at);
        if (size == 1 && at + 16 <= to) {
            const quint64 large = qFromBigEndian<quint64>(file.constData() + at + 8);
            if (large < 16 || large > quint64(to - at))
                return {};
            box.header = 16;
            box.size = qsizetype(large);
        } else if (size == 0) {
            box.size = to - at; // to the end of the file
        } else if (size < 8 || size > quint64(to - at)) {
            return {};
        } else {
            box.size = size;
        }
        found.append(box);
        at += box.size;
    }
    if (at != to)
        return {};
    return found;
}

const Box* findBox(const QList<Box>& list, const char* type)
{
    for (const Box& box : list) {
        if (box.type == type)
            return &box;
    }
    return nullptr;
}

// Reads and writes big-endian fields of 0, 2, 4 or 8 bytes.
quint64 readField(const QByteArray& bytes, qsizetype at, int size)
{
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

void writeField(QByteArray& bytes, qsizetype at, int size, quint64 value)
{
    for (int i = size - 1; i >= 0; --i, value >>= 8)
        bytes[at + i] = char(value & 0xff);
}

void growBox(QByteArray& file, const Box& box, qsizetype by)
{
    if (box.header == 16)
        qToBigEndian(quint64(box.size + by), file.data() + box.at + 8);
    else
        qToBigEndian(quint32(box.size + by), file.data() + box.at);
}

// Moves the file offsets that iloc states (construction method 0: in this file) of data at
// or after `from` by `by` bytes. False when the table is not one this can read or a field
// would overflow.
bool shiftLocations(QByteArray& file, const Box& iloc, qsizetype from, qsizetype by)
{
    qsizetype at = iloc.at + iloc.header;
    const qsizetype end = iloc.at + iloc.size;
    if (at + 8 > end)
        return false;
    const int version = quint8(file.at(at));
    at += 4;
    const int offsetSize = quint8(file.at(at)) >> 4;
    const int lengthSize = quint8(file.at(at)) & 15;
    const int baseSize = quint8(file.at(at + 1)) >> 4;
    const int indexSize = version >= 1 ? quint8(file.at(at + 1)) & 15 : 0;
    at += 2;
    const int idSize = version >= 2 ? 4 : 2;
    const auto valid = [](int size) { return size == 0 || size == 4 || size == 8; };
    if (version > 2 || !valid(offsetSize) || !valid(lengthSize) || !valid(baseSize)
        || !valid(indexSize) || at + idSize > end)
        return false;
    const quint64 items = readField(file, at, idSize);
    at += idSize;
    const auto fits = [](quint64 value, int size) { return size == 8 || value < (1ull << 32); };
    for (quint64 item = 0; item < items; ++item) {
        if (at + idSize + (version >= 1 ? 2 : 0) + 2 + baseSize + 2 > end)
            return false;
        at += idSize;
        int method = 0;
        if (version >= 1) {
            method = quint8(file.at(at + 1)) & 15;
            at += 2;
        }
        const quint64 reference = readField(file, at, 2);
        at += 2;
        const qsizetype baseAt = at;
        const quint64 base = readField(file, at, baseSize);
        at += baseSize;
        const quint64 extents = readField(file, at, 2);
        at += 2;
        const qsizetype extentSize = indexSize + offsetSize + lengthSize;
        if (at + qsizetype(extents) * extentSize > end)
            return false;
        const bool inThisFile = method == 0 && reference == 0;
        if (inThisFile && baseSize > 0 && base >= quint64(from)) {
            if (!fits(base + by, baseSize))
                return false;
            writeField(file, baseAt, baseSize, base + by);
        }
        for (quint64 extent = 0; extent < extents; ++extent) {
            const qsizetype offsetAt = at + indexSize;
            const quint64 offset = readField(file, offsetAt, offsetSize);
            if (inThisFile && baseSize == 0 && offsetSize > 0 && offset >= quint64(from)) {
                if (!fits(offset + by, offsetSize))
                    return false;
                writeField(file, offsetAt, offsetSize, offset + by);
            }
            at += extentSize;
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
    const QList<Box> top = boxes(heif, 0, heif.size());
    const Box* meta = findBox(top, "meta");
    if (!meta || meta->header != 8 || meta->size < 12)
        return heif;
    const QList<Box> inMeta = boxes(heif, meta->at + 12, meta->at + meta->size);
    const Box* iprp = findBox(inMeta, "iprp");
    const Box* iloc = findBox(inMeta, "iloc");
    const Box* pitm = findBox(inMeta, "pitm");
    if (!iprp || !iloc || !pitm || iprp->header != 8 || pitm->size < 14)
        return heif;
    const QList<Box> inIprp = boxes(heif, iprp->at + 8, iprp->at + iprp->size);
    const Box* ipco = findBox(inIprp, "ipco");
    const Box* ipma = findBox(inIprp, "ipma");
    if (!ipco || !ipma || ipco->header != 8 || ipma->header != 8 || ipma->size < 16)
        return heif;
    const QList<Box> properties = boxes(heif, ipco->at + 8, ipco->at + ipco->size);
    if (properties.isEmpty())
        return heif;

    // A box there already: a profile stays; unspecified codes become sRGB's, in place.
    for (const Box& property : properties) {
        if (property.type != "colr")
            continue;
        const qsizetype data = property.at + property.header;
        if (property.size < property.header + 11 || heif.mid(data, 4) != "nclx")
            return heif;
        if (readField(heif, data + 4, 2) != 2 || readField(heif, data + 6, 2) != 2)
            return heif;
        QByteArray fixed = heif;
        writeField(fixed, data + 4, 2, 1);
        writeField(fixed, data + 6, 2, 13);
        return fixed;
    }

    // None: one for the primary item, after the other properties, associated with it.
    const int pitmVersion = quint8(heif.at(pitm->at + 8));
    const quint64 primary = readField(heif, pitm->at + 12, pitmVersion == 0 ? 2 : 4);
    const quint64 index = quint64(properties.size()) + 1;
    const int ipmaVersion = quint8(heif.at(ipma->at + 8));
    const bool wideIndex = quint8(heif.at(ipma->at + 11)) & 1;
    const int idSize = ipmaVersion < 1 ? 2 : 4;
    if (index >= (wideIndex ? 0x8000u : 0x80u))
        return heif;
    qsizetype at = ipma->at + 12;
    const qsizetype ipmaEnd = ipma->at + ipma->size;
    const quint64 entries = readField(heif, at, 4);
    at += 4;
    qsizetype countAt = -1;
    for (quint64 entry = 0; entry < entries && at + idSize + 1 <= ipmaEnd; ++entry) {
        const quint64 item = readField(heif, at, idSize);
        const int count = quint8(heif.at(at + idSize));
        if (item == primary)
            countAt = at + idSize;
        at += idSize + 1 + count * (wideIndex ? 2 : 1);
    }
    if (countAt < 0 || at > ipmaEnd || quint8(heif.at(countAt)) == 255 || ipma->at < ipco->at)
        return heif;

    const QByteArray box = srgbColourBox();
    QByteArray association(wideIndex ? 2 : 1, '\0');
    writeField(association, 0, int(association.size()), index);
    const qsizetype grown = box.size() + association.size();
    QByteArray fixed = heif;
    if (!shiftLocations(fixed, *iloc, meta->at + meta->size, grown))
        return heif;
    // From the end backwards, so that the earlier positions stay where they were.
    const qsizetype countEnd = countAt + 1 + quint8(heif.at(countAt)) * (wideIndex ? 2 : 1);
    fixed.insert(countEnd, association);
    fixed[countAt] = char(quint8(heif.at(countAt)) + 1);
    growBox(fixed, *ipma, association.size());
    fixed.insert(ipco->at + ipco->size, box);
    growBox(fixed, *ipco, box.size());
    growBox(fixed, *iprp, grown);
    growBox(fixed, *meta, grown);
    return fixed;
}
