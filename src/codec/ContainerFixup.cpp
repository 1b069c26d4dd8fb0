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
    crc = crc32(crc, reinterpret_cast<const Bytef*>(chunk.constData() + 4),
        uInt(chunk.size() - 4));
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
