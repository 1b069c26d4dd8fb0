// The part of SourceStructure that reads a HEIF (ISO base media file format) file's boxes: its
// item table, the primary item, its properties, a grid's canvas and its tiles' sizes.

#include "SourceStructure.h"

#include <QByteArray>
#include <QHash>

#include <algorithm>
#include <tuple>

#include "FileBytes.h"
#include "IsoBoxes.h"

namespace SourceStructure {

namespace {

using IsoBoxes::Box;
using IsoBoxes::Cursor;

// The metadata box of a HEIF file with what it says of the primary item and its properties.
struct Meta
{
    QByteArray bytes; // the whole box
    QList<Box> children;
    qint64 fileSize = 0;
    bool hasPrimary = false;
    quint32 primary = 0;
    bool hasProperties = false; // a property container and its associations
    QList<Box> properties; // the property container's, in order
    IsoBoxes::PropertyAssociations associations;

    // The properties associated with an item, in the order the item lists them.
    QList<const Box*> propertiesOf(quint32 item) const
    {
        QList<const Box*> found;
        for (const IsoBoxes::ItemProperties& entry : associations.items) {
            if (entry.item != item)
                continue;
            for (const quint32 index : entry.indices) {
                if (index > 0 && index <= quint32(properties.size()))
                    found << &properties.at(qsizetype(index) - 1);
            }
        }
        return found;
    }
};

Meta readMeta(int fd)
{
    // The metadata box is near the start and small; the pixels follow elsewhere.
    constexpr qint64 kLargestMeta = 16 * 1024 * 1024;
    Meta meta;
    meta.fileSize = FileBytes::size(fd);
    qint64 offset = 0;
    for (int box = 0; box < 64 && offset + 8 <= meta.fileSize && meta.bytes.isEmpty(); ++box) {
        const QByteArray header = FileBytes::readAt(fd, offset, 16);
        Box top;
        if (!IsoBoxes::readHeader(header, 0, meta.fileSize - offset, &top))
            return {};
        if (top.type == "meta") {
            if (top.size() > kLargestMeta)
                return {};
            meta.bytes = FileBytes::readAt(fd, offset, top.size());
        }
        offset += top.size();
    }
    if (meta.bytes.isEmpty())
        return {};
    // A full box: version and flags come before its children.
    meta.children = IsoBoxes::children(meta.bytes, 12, meta.bytes.size());
    if (const Box* pitm = IsoBoxes::find(meta.children, "pitm")) {
        Cursor primaryBox(meta.bytes, pitm->payload, pitm->end);
        const quint32 version = primaryBox.u8();
        primaryBox.skip(3);
        meta.primary = version == 0 ? primaryBox.u16() : primaryBox.u32();
        meta.hasPrimary = true;
    }
    if (const Box* iprp = IsoBoxes::find(meta.children, "iprp")) {
        const QList<Box> inIprp = IsoBoxes::children(meta.bytes, iprp->payload, iprp->end);
        const Box* ipco = IsoBoxes::find(inIprp, "ipco");
        const Box* ipma = IsoBoxes::find(inIprp, "ipma");
        if (ipco && ipma) {
            meta.hasProperties = true;
            meta.properties = IsoBoxes::children(meta.bytes, ipco->payload, ipco->end);
            meta.associations = IsoBoxes::propertyAssociations(meta.bytes, *ipma);
        }
    }
    return meta;
}

} // namespace

HeifGrid heifGrid(int fd)
{
    const Meta meta = readMeta(fd);
    const Box* iinf = IsoBoxes::find(meta.children, "iinf");
    if (!meta.hasPrimary || !iinf || !meta.hasProperties)
        return {};
    const quint32 primary = meta.primary;

    // The type of every item.
    QHash<quint32, QByteArray> types;
    Cursor infoBox(meta.bytes, iinf->payload, iinf->end);
    const quint32 infoVersion = infoBox.u8();
    infoBox.skip(3);
    infoBox.skip(infoVersion == 0 ? 2 : 4);
    for (const Box& infe : IsoBoxes::children(meta.bytes, infoBox.at(), iinf->end)) {
        if (infe.type != "infe")
            continue;
        Cursor in(meta.bytes, infe.payload, infe.end);
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
    if (types.value(primary) != "grid")
        return {};

    // The size an item states, through its properties.
    const auto statedSize = [&meta](quint32 item) {
        QPair<qint64, qint64> stated;
        for (const Box* property : meta.propertiesOf(item)) {
            if (property->type != "ispe")
                continue;
            Cursor size(meta.bytes, property->payload, property->end);
            size.skip(4);
            const qint64 width = size.u32();
            const qint64 height = size.u32();
            if (!size.failed())
                stated = { width, height };
        }
        return stated;
    };

    // A grid: its canvas, from its own few bytes, and the tiles it references.
    const Box* iloc = IsoBoxes::find(meta.children, "iloc");
    if (!iloc)
        return {};
    IsoBoxes::ItemLocation location;
    for (const IsoBoxes::ItemLocation& item : IsoBoxes::itemLocations(meta.bytes, *iloc).items) {
        if (item.item == primary)
            location = item;
    }
    // A grid's few bytes lie in one extent.
    const quint64 offset
        = location.base + (location.extents.isEmpty() ? 0 : location.extents.first().offset);
    const quint64 length = location.extents.isEmpty() ? 0 : location.extents.first().length;
    QByteArray grid;
    if (location.method == 0) {
        grid = FileBytes::readAt(fd, qint64(std::min<quint64>(offset, quint64(meta.fileSize))),
            qint64(std::min<quint64>(length, 16)));
    } else if (const Box* idat = IsoBoxes::find(meta.children, "idat")) {
        if (offset < quint64(idat->end - idat->payload))
            grid = meta.bytes.mid(
                idat->payload + qsizetype(offset), qsizetype(std::min<quint64>(length, 16)));
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
    std::tie(result.statedWidth, result.statedHeight) = statedSize(primary);

    qint64 tiles = 0;
    if (const Box* iref = IsoBoxes::find(meta.children, "iref")) {
        Cursor references(meta.bytes, iref->payload, iref->end);
        const quint32 version = references.u8();
        references.skip(3);
        for (const Box& reference : IsoBoxes::children(meta.bytes, references.at(), iref->end)) {
            if (reference.type != "dimg")
                continue;
            Cursor in(meta.bytes, reference.payload, reference.end);
            const quint32 from = version == 0 ? in.u16() : in.u32();
            const quint32 count = in.u16();
            if (from != primary)
                continue;
            for (quint32 i = 0; i < count && !in.failed(); ++i) {
                const quint32 tile = version == 0 ? in.u16() : in.u32();
                // Saturates rather than overflows: any sum this large is refused anyway.
                const QPair<qint64, qint64> size = statedSize(tile);
                tiles = std::min<qint64>(tiles + size.first * size.second, qint64(1) << 60);
            }
        }
    }
    result.tilePixels = tiles;
    return result;
}

ColourCode heifColourCode(int fd)
{
    const Meta meta = readMeta(fd);
    if (!meta.hasPrimary)
        return {};
    // The first colour box of the primary item that holds codes; a profile (prof, rICC) is
    // the decoder's to hand over.
    for (const Box* property : meta.propertiesOf(meta.primary)) {
        if (property->type != "colr")
            continue;
        Cursor in(meta.bytes, property->payload, property->end);
        if (in.type() != "nclx")
            continue;
        ColourCode code;
        code.primaries = int(in.u16());
        code.transfer = int(in.u16());
        code.matrix = int(in.u16());
        code.fullRange = in.u8() & 0x80;
        code.present = !in.failed();
        if (code.present)
            return code;
    }
    return {};
}

} // namespace SourceStructure
