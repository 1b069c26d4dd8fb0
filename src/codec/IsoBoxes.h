#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// The boxes of an ISO base media file (HEIF, AVIF) and the tables inside them, read from bytes
// already in memory. Nothing a box states is trusted further than its bytes go: a size beyond
// the box around it or below its own header's, a count larger than the fields that follow,
// ends the reading there. Pure functions; any thread.
namespace IsoBoxes {

// A cursor over bytes already read; a read past the end marks it failed and gives 0.
class Cursor
{
public:
    Cursor(const QByteArray& bytes, qsizetype start, qsizetype end);

    quint64 number(int bytes); // big-endian, of 0 to 8 bytes
    quint32 u8() { return quint32(number(1)); }
    quint32 u16() { return quint32(number(2)); }
    quint32 u32() { return quint32(number(4)); }
    QByteArray type(); // four characters
    void skip(qsizetype n);
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
    qsizetype at = 0; // its size field
    qsizetype payload = 0; // where its content starts, after the type (and a 64-bit size)
    qsizetype end = 0;

    qsizetype headerSize() const { return payload - at; }
    qsizetype size() const { return end - at; }
};

// The box whose header starts at `at` of bytes and which may take up to `room` bytes from
// there: a size of 0 reaches to the end of the room, 1 says that a 64-bit size follows the
// type. False when the header is cut off or its size is one that cannot be (below its
// header's, beyond the room).
bool readHeader(const QByteArray& bytes, qsizetype at, qsizetype room, Box* box);

// The boxes in [from, to) of bytes, in order, up to the first that does not fit and at most
// 10,000 of them. filled, when given, says whether they take up [from, to) exactly.
QList<Box> children(const QByteArray& bytes, qsizetype from, qsizetype to, bool* filled = nullptr);

// The first box of the type, or null.
const Box* find(const QList<Box>& boxes, const char* type);

// Where an item's data lies, as the item location box (iloc) states it, and where in the
// bytes the fields that say so are.
struct ItemLocation
{
    quint32 item = 0;
    int method = 0; // construction method: 0 in the file, 1 in the item data box (idat)
    quint64 dataReference = 0; // 0: this file
    quint64 base = 0;
    qsizetype baseAt = 0;
    struct Extent
    {
        quint64 offset = 0; // from base
        qsizetype offsetAt = 0;
        quint64 length = 0;
    };
    QList<Extent> extents;
};
struct ItemLocations
{
    int offsetSize = 0; // bytes of each field
    int lengthSize = 0;
    int baseSize = 0;
    QList<ItemLocation> items; // those read whole, in order
    // Every item the table counts was read, with a version and field sizes the format
    // defines (0, 4 or 8 bytes).
    bool complete = false;
};
ItemLocations itemLocations(const QByteArray& bytes, const Box& iloc);

// The properties associated with each item, as the item property association box (ipma)
// states them: 1-based indices into the property container (ipco), 0 for none.
struct ItemProperties
{
    quint32 item = 0;
    qsizetype countAt = 0; // where the entry's count of associations is
    QList<quint32> indices;
};
struct PropertyAssociations
{
    bool wideIndex = false; // indices of 15 bits rather than 7
    QList<ItemProperties> items; // those read whole, in order
    bool complete = false; // every entry the table counts was read
};
PropertyAssociations propertyAssociations(const QByteArray& bytes, const Box& ipma);

} // namespace IsoBoxes
