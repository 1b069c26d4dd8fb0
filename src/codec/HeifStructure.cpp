// The part of SourceStructure that reads a HEIF (ISO base media file format) file's boxes: its
// item table, the primary item, a grid's canvas and its tiles' sizes.

#include "SourceStructure.h"

#include <QByteArray>
#include <QHash>

#include <algorithm>

#include "FileBytes.h"

namespace SourceStructure {

namespace {

// A cursor over bytes already read; a read past the end marks it failed and gives 0.
class Cursor
{
public:
    Cursor(const QByteArray& bytes, qsizetype start, qsizetype end)
        : mBytes(bytes)
        , mAt(start)
        , mEnd(std::min(end, bytes.size()))
    {
    }

    quint64 number(int bytes)
    {
        if (bytes < 0 || bytes > 8 || mAt + bytes > mEnd) {
            mFailed = true;
            mAt = mEnd;
            return 0;
        }
        quint64 value = 0;
        for (int i = 0; i < bytes; ++i)
            value = (value << 8) | static_cast<unsigned char>(mBytes.at(mAt++));
        return value;
    }
    quint32 u8() { return quint32(number(1)); }
    quint32 u16() { return quint32(number(2)); }
    quint32 u32() { return quint32(number(4)); }
    QByteArray type()
    {
        if (mAt + 4 > mEnd) {
            mFailed = true;
            return {};
        }
        mAt += 4;
        return mBytes.mid(mAt - 4, 4);
    }
    void skip(qsizetype n)
    {
        if (n < 0 || mAt + n > mEnd) {
            mFailed = true;
            mAt = mEnd;
            return;
        }
        mAt += n;
    }
    qsizetype at() const { return mAt; }
    qsizetype end() const { return mEnd; }
    bool failed() const { return mFailed; }
    bool atEnd() const { return mAt >= mEnd; }

private:
    const QByteArray& mBytes;
    qsizetype mAt;
    qsizetype mEnd;
    bool mFailed = false;
};

struct Box
{
    QByteArray type;
    qsizetype payload = 0; // where its content starts
    qsizetype end = 0;
};

// The boxes inside [start, end) of bytes, in order; stops at the first that does not fit.
QList<Box> childBoxes(const QByteArray& bytes, qsizetype start, qsizetype end)
{
    QList<Box> boxes;
    Cursor in(bytes, start, end);
    while (!in.atEnd() && boxes.size() < 10000) {
        const qsizetype boxStart = in.at();
        quint64 size = in.u32();
        Box box;
        box.type = in.type();
        if (size == 1)
            size = in.number(8);
        else if (size == 0)
            size = quint64(in.end() - boxStart);
        box.payload = in.at();
        if (in.failed() || size < quint64(box.payload - boxStart)
            || size > quint64(in.end() - boxStart))
            break;
        box.end = boxStart + qsizetype(size);
        boxes << box;
        in.skip(box.end - in.at());
    }
    return boxes;
}

const Box* findBox(const QList<Box>& boxes, const char* type)
{
    for (const Box& box : boxes) {
        if (box.type == type)
            return &box;
    }
    return nullptr;
}

// Where an item's data lies, from the item location box.
struct Location
{
    int method = 0; // 0: in the file; 1: in the item data box
    quint64 offset = 0;
    quint64 length = 0;
};

QHash<quint32, Location> itemLocations(const QByteArray& meta, const Box& iloc)
{
    QHash<quint32, Location> locations;
    Cursor in(meta, iloc.payload, iloc.end);
    const quint32 version = in.u8();
    in.skip(3);
    const quint32 sizes = in.u16();
    const int offsetSize = int(sizes >> 12);
    const int lengthSize = int((sizes >> 8) & 15);
    const int baseOffsetSize = int((sizes >> 4) & 15);
    const int indexSize = version >= 1 ? int(sizes & 15) : 0;
    const quint32 count = version < 2 ? in.u16() : in.u32();
    for (quint32 i = 0; i < count && !in.failed(); ++i) {
        const quint32 item = version < 2 ? in.u16() : in.u32();
        Location location;
        if (version >= 1)
            location.method = int(in.u16() & 15);
        in.u16(); // data reference index
        const quint64 base = in.number(baseOffsetSize);
        const quint32 extents = in.u16();
        for (quint32 e = 0; e < extents && !in.failed(); ++e) {
            in.number(indexSize);
            const quint64 offset = in.number(offsetSize);
            const quint64 length = in.number(lengthSize);
            if (e == 0) { // a grid's few bytes lie in one extent
                location.offset = base + offset;
                location.length = length;
            }
        }
        if (!in.failed())
            locations.insert(item, location);
    }
    return locations;
}

} // namespace

HeifGrid heifGrid(int fd)
{
    // The metadata box is near the start and small; the pixels follow elsewhere.
    constexpr qint64 kLargestMeta = 16 * 1024 * 1024;
    const qint64 fileSize = FileBytes::size(fd);
    QByteArray meta;
    qint64 offset = 0;
    for (int box = 0; box < 64 && offset + 8 <= fileSize && meta.isEmpty(); ++box) {
        const QByteArray header = FileBytes::readAt(fd, offset, 16);
        if (header.size() < 8)
            return {};
        quint64 size = readBigEndian32(header, 0);
        if (size == 1 && header.size() == 16)
            size = (quint64(readBigEndian32(header, 8)) << 32) | readBigEndian32(header, 12);
        else if (size == 0)
            size = quint64(fileSize - offset);
        if (size < 8 || offset + qint64(size) > fileSize)
            return {};
        if (header.mid(4, 4) == "meta") {
            if (qint64(size) > kLargestMeta)
                return {};
            meta = FileBytes::readAt(fd, offset, qint64(size));
        }
        offset += qint64(size);
    }
    if (meta.isEmpty())
        return {};
    // A full box: version and flags come before its children.
    const QList<Box> children = childBoxes(meta, 12, meta.size());

    const Box* pitm = findBox(children, "pitm");
    const Box* iinf = findBox(children, "iinf");
    const Box* iprp = findBox(children, "iprp");
    if (!pitm || !iinf || !iprp)
        return {};
    Cursor primaryBox(meta, pitm->payload, pitm->end);
    const quint32 pitmVersion = primaryBox.u8();
    primaryBox.skip(3);
    const quint32 primary = pitmVersion == 0 ? primaryBox.u16() : primaryBox.u32();

    // The type of every item.
    QHash<quint32, QByteArray> types;
    Cursor infoBox(meta, iinf->payload, iinf->end);
    const quint32 infoVersion = infoBox.u8();
    infoBox.skip(3);
    infoBox.skip(infoVersion == 0 ? 2 : 4);
    for (const Box& infe : childBoxes(meta, infoBox.at(), iinf->end)) {
        if (infe.type != "infe")
            continue;
        Cursor in(meta, infe.payload, infe.end);
        const quint32 version = in.u8();
        in.skip(3);
        if (version < 2)
            continue;
        const quint32 item = version == 2 ? in.u16() : in.u32();
        in.u16(); // protection index
        const QByteArray type = in.type();
        if (!in.failed())
            types.insert(item, type);
    }

    // The size each item states, through its properties.
    const QList<Box> properties = childBoxes(meta, iprp->payload, iprp->end);
    const Box* ipco = findBox(properties, "ipco");
    const Box* ipma = findBox(properties, "ipma");
    if (!ipco || !ipma)
        return {};
    const QList<Box> propertyList = childBoxes(meta, ipco->payload, ipco->end);
    QHash<quint32, QPair<qint64, qint64>> statedSizes;
    Cursor associations(meta, ipma->payload, ipma->end);
    const quint32 ipmaVersion = associations.u8();
    associations.skip(2);
    const bool wideIndex = associations.u8() & 1;
    const quint32 entries = associations.u32();
    for (quint32 i = 0; i < entries && !associations.failed(); ++i) {
        const quint32 item = ipmaVersion < 1 ? associations.u16() : associations.u32();
        const quint32 count = associations.u8();
        for (quint32 a = 0; a < count && !associations.failed(); ++a) {
            const quint32 index
                = wideIndex ? (associations.u16() & 0x7fff) : (associations.u8() & 0x7f);
            if (index == 0 || index > quint32(propertyList.size()))
                continue;
            const Box& property = propertyList.at(qsizetype(index) - 1);
            if (property.type != "ispe")
                continue;
            Cursor size(meta, property.payload, property.end);
            size.skip(4);
            const qint64 width = size.u32();
            const qint64 height = size.u32();
            if (!size.failed())
                statedSizes.insert(item, { width, height });
        }
    }
    if (types.value(primary) != "grid")
        return {};

    // A grid: its canvas, from its own few bytes, and the tiles it references.
    const Box* iloc = findBox(children, "iloc");
    if (!iloc)
        return {};
    const Location location = itemLocations(meta, *iloc).value(primary);
    QByteArray grid;
    if (location.method == 0) {
        grid = FileBytes::readAt(fd, qint64(std::min<quint64>(location.offset, quint64(fileSize))),
            qint64(std::min<quint64>(location.length, 16)));
    } else if (const Box* idat = findBox(children, "idat")) {
        if (location.offset < quint64(idat->end - idat->payload))
            grid = meta.mid(idat->payload + qsizetype(location.offset),
                qsizetype(std::min<quint64>(location.length, 16)));
    }
    Cursor gridData(grid, 0, grid.size());
    gridData.u8(); // version
    const bool wide = gridData.u8() & 1;
    gridData.skip(2); // rows and columns, less one each
    HeifGrid result;
    result.width = wide ? gridData.u32() : gridData.u16();
    result.height = wide ? gridData.u32() : gridData.u16();
    if (gridData.failed())
        return {};
    result.isGrid = true;
    result.statedWidth = statedSizes.value(primary).first;
    result.statedHeight = statedSizes.value(primary).second;

    qint64 tiles = 0;
    if (const Box* iref = findBox(children, "iref")) {
        Cursor references(meta, iref->payload, iref->end);
        const quint32 version = references.u8();
        references.skip(3);
        for (const Box& reference : childBoxes(meta, references.at(), iref->end)) {
            if (reference.type != "dimg")
                continue;
            Cursor in(meta, reference.payload, reference.end);
            const quint32 from = version == 0 ? in.u16() : in.u32();
            const quint32 count = in.u16();
            if (from != primary)
                continue;
            for (quint32 i = 0; i < count && !in.failed(); ++i) {
                const quint32 tile = version == 0 ? in.u16() : in.u32();
                // Saturates rather than overflows: any sum this large is refused anyway.
                const QPair<qint64, qint64> size = statedSizes.value(tile);
                tiles = std::min<qint64>(tiles + size.first * size.second, qint64(1) << 60);
            }
        }
    }
    result.tilePixels = tiles;
    return result;
}

} // namespace SourceStructure
