#include "SourceStructure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>
#include <zlib.h>

#include "FileBytes.h"

namespace SourceStructure {

namespace {

bool startsWith(const QByteArray& data, const char* prefix, qsizetype length)
{
    return data.size() >= length && std::memcmp(data.constData(), prefix, size_t(length)) == 0;
}

// ---- GIF ----------------------------------------------------------------------------------

// Skips a run of data sub-blocks (a length byte, that many bytes, up to a length of 0).
bool skipSubBlocks(FileBytes& in)
{
    for (;;) {
        const int length = in.byte();
        if (length <= 0)
            return length == 0;
        in.skip(length);
    }
}

qint64 colourTableBytes(int packed)
{
    return (packed & 0x80) ? 3 << ((packed & 7) + 1) : 0;
}

// ---- ICNS ---------------------------------------------------------------------------------

struct LegacyIcon
{
    const char* type;
    int side;
};
// Apple's own codings, by the entry's type; their size follows from the type alone.
constexpr LegacyIcon kLegacyIcons[] = { { "is32", 16 }, { "il32", 32 }, { "ih32", 48 },
    { "it32", 128 }, { "ICN#", 32 }, { "ics#", 16 }, { "ich#", 48 }, { "icm#", 16 }, { "ic04", 16 },
    { "ic05", 32 }, { "icsb", 18 } };
// Entries that hold PNG or JPEG 2000 data, whatever size their header states.
constexpr const char* kEncodedIcons[] = { "icp4", "icp5", "icp6", "ic04", "ic05", "ic07", "ic08",
    "ic09", "ic10", "ic11", "ic12", "ic13", "ic14", "icsB" };

bool isType(const char* type, const char* candidate)
{
    return std::memcmp(type, candidate, 4) == 0;
}

// The size a PNG or JPEG 2000 stream states, from its first bytes.
bool encodedSize(const QByteArray& head, IcnsPicture* picture)
{
    if (startsWith(head, "\x89PNG\r\n\x1a\n", 8) && head.size() >= 24
        && head.mid(12, 4) == "IHDR") {
        picture->coding = IcnsPicture::Coding::Png;
        picture->width = int(std::min<quint32>(readBigEndian32(head, 16), INT_MAX));
        picture->height = int(std::min<quint32>(readBigEndian32(head, 20), INT_MAX));
        return true;
    }
    if (startsWith(head, "\x00\x00\x00\x0cjP  ", 8)) {
        // A JP2 file: the image header box holds height, then width.
        const qsizetype at = head.indexOf("ihdr");
        if (at < 0 || head.size() < at + 12)
            return false;
        picture->coding = IcnsPicture::Coding::Jpeg2000;
        picture->height = int(std::min<quint32>(readBigEndian32(head, at + 4), INT_MAX));
        picture->width = int(std::min<quint32>(readBigEndian32(head, at + 8), INT_MAX));
        return true;
    }
    if (startsWith(head, "\xff\x4f\xff\x51", 4) && head.size() >= 24) {
        // A bare codestream: the size marker holds the canvas and its offset.
        const quint32 width = readBigEndian32(head, 8) - readBigEndian32(head, 16);
        const quint32 height = readBigEndian32(head, 12) - readBigEndian32(head, 20);
        picture->coding = IcnsPicture::Coding::Jpeg2000;
        picture->width = int(std::min<quint32>(width, INT_MAX));
        picture->height = int(std::min<quint32>(height, INT_MAX));
        return true;
    }
    return false;
}

// ---- SVG ----------------------------------------------------------------------------------

bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':'
        || static_cast<unsigned char>(c) >= 0x80;
}

// The value of an attribute in a start tag ("<svg width='10' ...>"), or empty.
QByteArray attribute(const QByteArray& tag, const char* name)
{
    const QByteArray wanted(name);
    qsizetype at = 0;
    while ((at = tag.indexOf(wanted, at)) >= 0) {
        const bool starts = at > 0 && QByteArrayView(" \t\r\n").contains(tag.at(at - 1));
        qsizetype i = at + wanted.size();
        at = i;
        if (!starts)
            continue;
        while (i < tag.size() && QByteArrayView(" \t\r\n").contains(tag.at(i)))
            ++i;
        if (i >= tag.size() || tag.at(i) != '=')
            continue;
        ++i;
        while (i < tag.size() && QByteArrayView(" \t\r\n").contains(tag.at(i)))
            ++i;
        if (i >= tag.size() || (tag.at(i) != '"' && tag.at(i) != '\''))
            continue;
        const qsizetype end = tag.indexOf(tag.at(i), i + 1);
        if (end < 0)
            return {};
        return tag.mid(i + 1, end - i - 1).trimmed();
    }
    return {};
}

// Counts start tags and keeps the root element's tag, fed the document in pieces.
class SvgScanner
{
public:
    explicit SvgScanner(SvgFacts* facts)
        : mFacts(facts)
    {
    }

    void feed(const char* data, qsizetype length)
    {
        mFacts->bytes += length;
        for (qsizetype i = 0; i < length; ++i) {
            const char c = data[i];
            if (mInRootTag) {
                if (c == '>' || mRootTag.size() > kLongestRootTag) {
                    mInRootTag = false;
                    takeRootTag();
                } else {
                    mRootTag.append(c);
                }
            }
            if (mAfterOpen && isNameStart(c)) {
                ++mFacts->elements;
                if (!mRootSeen) {
                    mInRootTag = true;
                    mRootTag = QByteArray(1, c);
                }
            }
            mAfterOpen = c == '<';
        }
    }

private:
    static constexpr qsizetype kLongestRootTag = 64 * 1024;

    void takeRootTag()
    {
        const auto end = std::find_if(mRootTag.cbegin(), mRootTag.cend(),
            [](char c) { return QByteArrayView(" \t\r\n/").contains(c); });
        QByteArray name = mRootTag.left(end - mRootTag.cbegin());
        const qsizetype colon = name.lastIndexOf(':');
        if (colon >= 0)
            name = name.mid(colon + 1);
        // The first element is the root; anything else before it is not an SVG document.
        mRootSeen = true;
        if (name != "svg")
            return;
        mFacts->width = attribute(mRootTag, "width");
        mFacts->height = attribute(mRootTag, "height");
        mFacts->viewBox = attribute(mRootTag, "viewBox");
    }

    SvgFacts* mFacts;
    bool mAfterOpen = false;
    bool mInRootTag = false;
    bool mRootSeen = false;
    QByteArray mRootTag;
};

// ---- PDF ----------------------------------------------------------------------------------

bool isPdfDelimiter(char c)
{
    return QByteArrayView(" \t\r\n\f/<>[]()%").contains(c) || c == '\0';
}

// The number after a key in an object's text ("/Width 800"), or the object it refers to
// ("/Width 12 0 R"), whose number is then looked up. -1 when neither.
qint64 pdfNumber(int fd, const QByteArray& object, const char* key)
{
    const QByteArray name(key);
    qsizetype at = 0;
    while ((at = object.indexOf(name, at)) >= 0) {
        at += name.size();
        if (at < object.size() && !isPdfDelimiter(object.at(at)))
            continue; // a longer name
        QList<QByteArray> words;
        for (const QByteArray& word : object.mid(at, 64).simplified().split(' ')) {
            if (!word.isEmpty())
                words << word;
        }
        // The first word is cut at the next delimiter ("800/Height").
        qsizetype digits = 0;
        const QByteArray first = words.value(0);
        while (digits < first.size() && first.at(digits) >= '0' && first.at(digits) <= '9')
            ++digits;
        bool ok = false;
        const qint64 value = first.left(digits).toLongLong(&ok);
        if (!ok)
            return -1;
        if (words.size() >= 3 && digits == first.size() && words.at(2).startsWith('R')) {
            // A reference: "12 0 R" names object 12, generation 0.
            const QByteArray header = first + ' ' + words.at(1) + " obj";
            const qint64 found = FileBytes::find(
                fd, header, 0, [](char before) { return isPdfDelimiter(before); });
            if (found < 0)
                return -1;
            QByteArray text = FileBytes::readAt(fd, found + header.size(), 64).simplified();
            qsizetype n = 0;
            while (n < text.size() && text.at(n) >= '0' && text.at(n) <= '9')
                ++n;
            const qint64 referred = text.left(n).toLongLong(&ok);
            return ok ? referred : -1;
        }
        return value;
    }
    return -1;
}

} // namespace

qint64 gifFrameCount(int fd)
{
    FileBytes in(fd);
    const QByteArray header = in.read(13);
    if (!startsWith(header, "GIF", 3) || header.size() < 13)
        return 0;
    in.skip(colourTableBytes(static_cast<unsigned char>(header.at(10))));
    qint64 frames = 0;
    for (;;) {
        const int block = in.byte();
        if (block == 0x2C) {
            const QByteArray descriptor = in.read(9);
            if (descriptor.size() < 9)
                break;
            ++frames;
            in.skip(colourTableBytes(static_cast<unsigned char>(descriptor.at(8))));
            if (in.byte() < 0 || !skipSubBlocks(in)) // the LZW code size, then the data
                break;
        } else if (block == 0x21) {
            if (in.byte() < 0 || !skipSubBlocks(in)) // the extension's label, then its data
                break;
        } else {
            break; // the trailer, the end, or a broken structure
        }
    }
    return frames;
}

QList<IcnsPicture> icnsPictures(int fd)
{
    QList<IcnsPicture> pictures;
    const QByteArray header = FileBytes::readAt(fd, 0, 8);
    if (!startsWith(header, "icns", 4) || header.size() < 8)
        return pictures;
    const qint64 end = std::min<qint64>(readBigEndian32(header, 4), FileBytes::size(fd));
    // An icon file has a few dozen entries; a hostile one is not walked for long.
    constexpr int kMostEntries = 1000;
    qint64 offset = 8;
    for (int entry = 0; entry < kMostEntries && offset + 8 <= end; ++entry) {
        const QByteArray entryHeader = FileBytes::readAt(fd, offset, 8);
        if (entryHeader.size() < 8)
            break;
        const qint64 length = readBigEndian32(entryHeader, 4);
        if (length < 8 || offset + length > end)
            break;
        const char* type = entryHeader.constData();
        IcnsPicture picture;
        picture.offset = offset + 8;
        picture.length = length - 8;
        const bool encoded = std::any_of(std::begin(kEncodedIcons), std::end(kEncodedIcons),
            [type](const char* candidate) { return isType(type, candidate); });
        if (encoded && encodedSize(FileBytes::readAt(fd, picture.offset, 256), &picture)) {
            pictures << picture;
        } else {
            for (const LegacyIcon& icon : kLegacyIcons) {
                if (isType(type, icon.type)) {
                    picture.coding = IcnsPicture::Coding::Legacy;
                    picture.width = picture.height = icon.side;
                    pictures << picture;
                    break;
                }
            }
        }
        offset += length;
    }
    return pictures;
}

SvgFacts svgFacts(int fd, qint64 byteLimit)
{
    SvgFacts facts;
    SvgScanner scanner(&facts);
    FileBytes in(fd);
    const QByteArray start = FileBytes::readAt(fd, 0, 2);
    if (!startsWith(start, "\x1f\x8b", 2)) {
        for (;;) {
            const QByteArray piece = in.read(64 * 1024);
            if (piece.isEmpty())
                break;
            scanner.feed(piece.constData(), piece.size());
            if (facts.bytes > byteLimit)
                return facts;
        }
        facts.readable = in.atEnd();
        return facts;
    }
    // Compressed (svgz): inflated as the decoder would, a piece at a time.
    z_stream stream = {};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return facts;
    char out[64 * 1024];
    int status = Z_OK;
    while (status == Z_OK) {
        QByteArray piece = in.read(64 * 1024);
        if (piece.isEmpty())
            break;
        stream.next_in = reinterpret_cast<Bytef*>(piece.data());
        stream.avail_in = uInt(piece.size());
        do {
            stream.next_out = reinterpret_cast<Bytef*>(out);
            stream.avail_out = sizeof(out);
            status = inflate(&stream, Z_NO_FLUSH);
            if (status != Z_OK && status != Z_STREAM_END)
                break;
            scanner.feed(out, qsizetype(sizeof(out) - stream.avail_out));
            if (facts.bytes > byteLimit) {
                inflateEnd(&stream);
                return facts;
            }
        } while (stream.avail_out == 0 && status == Z_OK);
    }
    inflateEnd(&stream);
    facts.readable = status == Z_STREAM_END;
    return facts;
}

qint64 pdfLargestImagePixels(int fd)
{
    qint64 largest = 0;
    qint64 from = 0;
    constexpr qint64 kAround = 4096; // an image's dictionary lies within this of its /Image
    for (;;) {
        const qint64 at = FileBytes::find(fd, "/Image", from, nullptr);
        if (at < 0)
            break;
        from = at + 6;
        const qint64 windowStart = std::max<qint64>(0, at - kAround);
        const QByteArray window = FileBytes::readAt(fd, windowStart, 2 * kAround);
        const qsizetype here = qsizetype(at - windowStart);
        // "/Image" itself, not "/ImageMask" or the procedure set "/ImageB"; and the value of
        // the object's /Subtype.
        if (here + 6 < window.size() && !isPdfDelimiter(window.at(here + 6)))
            continue;
        const QByteArray before = window.left(here).trimmed();
        if (!before.endsWith("/Subtype"))
            continue;
        // The object around it: from its "obj" to its "stream" or "endobj".
        const qsizetype objectStart = std::max<qsizetype>(0, window.lastIndexOf(" obj", here));
        qsizetype objectEnd = window.indexOf("stream", here);
        const qsizetype endobj = window.indexOf("endobj", here);
        if (objectEnd < 0 || (endobj >= 0 && endobj < objectEnd))
            objectEnd = endobj;
        if (objectEnd < 0)
            objectEnd = window.size();
        const QByteArray object = window.mid(objectStart, objectEnd - objectStart);
        const qint64 width = pdfNumber(fd, object, "/Width");
        const qint64 height = pdfNumber(fd, object, "/Height");
        if (width > 0 && height > 0 && width < (qint64(1) << 31) && height < (qint64(1) << 31))
            largest = std::max(largest, width * height);
    }
    return largest;
}

} // namespace SourceStructure
