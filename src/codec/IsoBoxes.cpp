#include "IsoBoxes.h"

#include <algorithm>

namespace IsoBoxes {

Cursor::Cursor(const QByteArray& bytes, qsizetype start, qsizetype end)
    : mBytes(bytes)
    , mAt(start)
    , mEnd(std::min(end, bytes.size()))
{
}

quint64 Cursor::number(int bytes)
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

QByteArray Cursor::type()
{
    if (mAt + 4 > mEnd) {
        mFailed = true;
        return {};
    }
    mAt += 4;
    return mBytes.mid(mAt - 4, 4);
}

void Cursor::skip(qsizetype n)
{
    if (n < 0 || mAt + n > mEnd) {
        mFailed = true;
        mAt = mEnd;
        return;
    }
    mAt += n;
}

bool readHeader(const QByteArray& bytes, qsizetype at, qsizetype room, Box* box)
{
    if (at < 0 || room < 0)
        return false;
    Cursor in(bytes, at, at + room);
    quint64 size = in.u32();
    box->type = in.type();
    if (size == 1)
        size = in.number(8);
    else if (size == 0)
        size = quint64(room);
    box->at = at;
    box->payload = in.at();
    if (in.failed() || size < quint64(box->payload - at) || size > quint64(room))
        return false;
    box->end = at + qsizetype(size);
    return true;
}

QList<Box> children(const QByteArray& bytes, qsizetype from, qsizetype to, bool* filled)
{
    // More boxes than any real file has in one place: a hostile list is not walked for long.
    constexpr qsizetype kMostBoxes = 10000;
    QList<Box> boxes;
    to = std::min(to, bytes.size());
    qsizetype at = from;
    Box box;
    while (at < to && boxes.size() < kMostBoxes && readHeader(bytes, at, to - at, &box)) {
        boxes << box;
        at = box.end;
    }
    if (filled)
        *filled = at == to;
    return boxes;
}

const Box* find(const QList<Box>& boxes, const char* type)
{
    for (const Box& box : boxes) {
        if (box.type == type)
            return &box;
    }
    return nullptr;
}

ItemLocations itemLocations(const QByteArray& bytes, const Box& iloc)
{
    ItemLocations table;
    Cursor in(bytes, iloc.payload, iloc.end);
    const quint32 version = in.u8();
    in.skip(3);
    const quint32 sizes = in.u16();
    table.offsetSize = int(sizes >> 12);
    table.lengthSize = int((sizes >> 8) & 15);
    table.baseSize = int((sizes >> 4) & 15);
    const int indexSize = version >= 1 ? int(sizes & 15) : 0;
    const quint32 count = version < 2 ? in.u16() : in.u32();
    for (quint32 i = 0; i < count && !in.failed(); ++i) {
        ItemLocation location;
        location.item = version < 2 ? in.u16() : in.u32();
        if (version >= 1)
            location.method = int(in.u16() & 15);
        location.dataReference = in.u16();
        location.baseAt = in.at();
        location.base = in.number(table.baseSize);
        const quint32 extents = in.u16();
        for (quint32 e = 0; e < extents && !in.failed(); ++e) {
            in.number(indexSize);
            ItemLocation::Extent extent;
            extent.offsetAt = in.at();
            extent.offset = in.number(table.offsetSize);
            extent.length = in.number(table.lengthSize);
            location.extents << extent;
        }
        if (!in.failed())
            table.items << location;
    }
    const auto defined = [](int size) { return size == 0 || size == 4 || size == 8; };
    table.complete = !in.failed() && version <= 2 && defined(table.offsetSize)
        && defined(table.lengthSize) && defined(table.baseSize) && defined(indexSize);
    return table;
}

PropertyAssociations propertyAssociations(const QByteArray& bytes, const Box& ipma)
{
    PropertyAssociations table;
    Cursor in(bytes, ipma.payload, ipma.end);
    const quint32 version = in.u8();
    in.skip(2);
    table.wideIndex = in.u8() & 1;
    const quint32 entries = in.u32();
    for (quint32 i = 0; i < entries && !in.failed(); ++i) {
        ItemProperties item;
        item.item = version < 1 ? in.u16() : in.u32();
        item.countAt = in.at();
        const quint32 count = in.u8();
        for (quint32 a = 0; a < count && !in.failed(); ++a)
            item.indices << (table.wideIndex ? (in.u16() & 0x7fff) : (in.u8() & 0x7f));
        if (!in.failed())
            table.items << item;
    }
    table.complete = !in.failed();
    return table;
}

} // namespace IsoBoxes
