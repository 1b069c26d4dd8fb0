#include "PngWriter.h"

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

#include <zlib.h>

#include "ContainerFixup.h"

using vips::VError;
using vips::VImage;

// Brings an image's EXIF block up to date with the image's own fields (its resolution and
// the exif-ifd* strings), as libvips' savers do before they write it. Exported by libvips,
// though not declared in its headers.
extern "C" int vips__exif_update(VipsImage* image);

namespace {

// zlib's level for the search for repeated strings, and the one of the cheaper search that
// tells whether a stretch written as runs would have gained by it.
constexpr int kLevel = 6;
constexpr int kTrialLevel = 1;
// Filtered bytes between two choices of the strategy: about 30 rows of a 3000 pixel photo.
constexpr uLong kStretch = 256 * 1024;
// The pixel data goes out in IDAT chunks of this size.
constexpr uInt kDataChunk = 64 * 1024;

void writeOrThrow(QIODevice* device, const QByteArray& bytes)
{
    if (device->write(bytes) != bytes.size())
        throw VError("the file could not be written");
}

void writeChunk(QIODevice* device, const char* type, const QByteArray& data)
{
    writeOrThrow(device, ContainerFixup::pngChunk(type, data));
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A keyword, a zero byte, compression method 0 (deflate) and the data deflated: the body of
// an iCCP or zTXt chunk.
QByteArray compressedWithKeyword(const QByteArray& keyword, const QByteArray& data)
{
    uLongf length = compressBound(uLong(data.size()));
    QByteArray body = keyword + QByteArray(2, '\0');
    const qsizetype at = body.size();
    body.resize(at + qsizetype(length));
    if (compress2(reinterpret_cast<Bytef*>(body.data() + at), &length,
            reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size()),
            Z_DEFAULT_COMPRESSION)
        != Z_OK)
        throw VError("zlib could not compress the metadata");
    body.truncate(at + qsizetype(length));
    return body;
}

// A text field's keyword as PNG allows it: 1 to 79 printable Latin-1 characters, no space at
// either end nor two in a row. Anything else is not written.
bool isKeyword(const QByteArray& keyword)
{
    if (keyword.isEmpty() || keyword.size() > 79 || keyword.startsWith(' ') || keyword.endsWith(' ')
        || keyword.contains("  "))
        return false;
    for (const char c : keyword) {
        const auto u = static_cast<uchar>(c);
        if (u < 32 || (u > 126 && u < 161))
            return false;
    }
    return true;
}

QByteArray blob(VipsImage* image, const char* field)
{
    const void* data = nullptr;
    size_t length = 0;
    if (vips_image_get_blob(image, field, &data, &length) != 0)
        throw VError();
    return QByteArray(static_cast<const char*>(data), qsizetype(length));
}

QByteArray header(const VImage& image)
{
    const bool grey = image.bands() <= 2;
    const bool alpha = image.bands() == 2 || image.bands() == 4;
    QByteArray data = bigEndian(quint32(image.width())) + bigEndian(quint32(image.height()));
    data.append(char(image.format() == VIPS_FORMAT_USHORT ? 16 : 8));
    data.append(char((grey ? 0 : 2) | (alpha ? 4 : 0)));
    data.append(3, '\0'); // deflate, adaptive filtering, not interlaced
    return data;
}

// Everything between the header and the pixels.
void writeMetadata(VipsImage* image, QIODevice* device)
{
    if (vips_image_get_typeof(image, VIPS_META_ICC_NAME)) {
        // A profile whose header disagrees with its length is dropped, as libpng drops it.
        const QByteArray profile = blob(image, VIPS_META_ICC_NAME);
        if (profile.size() >= 132
            && qFromBigEndian<quint32>(profile.constData()) == quint32(profile.size())
            && profile.mid(36, 4) == "acsp")
            writeChunk(device, "iCCP", compressedWithKeyword("icc", profile));
    }
    // Pixels per metre; libvips keeps pixels per millimetre.
    const auto perMetre
        = [](double perMm) { return bigEndian(quint32(std::lround(perMm * 1000.0))); };
    writeChunk(device, "pHYs", perMetre(image->Xres) + perMetre(image->Yres) + QByteArray(1, '\1'));
    if (vips_image_get_typeof(image, VIPS_META_EXIF_NAME)) {
        if (vips__exif_update(image) != 0)
            throw VError();
        writeChunk(
            device, "eXIf", ContainerFixup::withoutExifPrefix(blob(image, VIPS_META_EXIF_NAME)));
    }
    if (vips_image_get_typeof(image, VIPS_META_XMP_NAME)) {
        // Up to a terminating zero, where the block has one.
        QByteArray xmp = blob(image, VIPS_META_XMP_NAME);
        if (const qsizetype end = xmp.indexOf('\0'); end >= 0)
            xmp.truncate(end);
        writeChunk(device, "zTXt", compressedWithKeyword("XML:com.adobe.xmp", xmp));
    }
    // The PNG text fields, "png-comment-<N>-<keyword>", in their order.
    char** fields = vips_image_get_fields(image);
    for (char** field = fields; *field; ++field) {
        constexpr QByteArrayView prefix("png-comment-");
        const QByteArray name(*field);
        const char* text = nullptr;
        if (!name.startsWith(prefix) || vips_image_get_string(image, *field, &text) != 0)
            continue;
        const qsizetype dash = name.indexOf('-', prefix.size());
        const QByteArray keyword = dash < 0 ? QByteArray() : name.mid(dash + 1);
        if (isKeyword(keyword))
            writeChunk(device, "zTXt", compressedWithKeyword(keyword, QByteArray(text)));
    }
    g_strfreev(fields);
}

// A row filtered one way into out, the filtered bytes read as signed summed on the way; given
// up once the sum reaches limit, the sum then at least that. predict(i) is the filter's
// prediction of byte i.
template <typename Predict>
std::uint64_t filterInto(
    uchar* out, const uchar* row, size_t n, std::uint64_t limit, Predict predict)
{
    constexpr size_t kBlock = 256;
    std::uint64_t sum = 0;
    for (size_t start = 0; start < n && sum < limit; start += kBlock) {
        const size_t end = std::min(n, start + kBlock);
        for (size_t i = start; i < end; ++i) {
            const auto filtered = uchar(row[i] - predict(i));
            out[i] = filtered;
            sum += uint(std::abs(int(static_cast<signed char>(filtered))));
        }
    }
    return sum;
}

int paeth(int left, int up, int upLeft)
{
    // The distances of left + up - upLeft to each of the three, without forming it.
    const int toLeft = std::abs(up - upLeft);
    const int toUp = std::abs(left - upLeft);
    const int toUpLeft = std::abs(left + up - 2 * upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft)
        return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// Each row filtered against the row above it (zeros above the first) in each of PNG's five
// ways, the one kept whose bytes, read as signed, sum to the least: libpng's heuristic, which
// gives up on a way once it sums to more than the best so far. Both rows are kept behind a
// pixel of zeros, the left of the first pixel.
class RowFilter
{
public:
    RowFilter(size_t rowBytes, size_t pixelBytes, bool sixteen)
        : mPixelBytes(pixelBytes)
        , mSixteen(sixteen)
        , mRow(pixelBytes + rowBytes, 0)
        , mAbove(pixelBytes + rowBytes, 0)
    {
        for (size_t type = 0; type < mCandidates.size(); ++type) {
            mCandidates[type].resize(rowBytes + 1);
            mCandidates[type][0] = uchar(type);
        }
    }

    // The filter type followed by the filtered bytes, for a row of samples in the machine's
    // order (PNG's are big-endian).
    const std::vector<uchar>& filter(const uchar* samples)
    {
        const size_t n = mRow.size() - mPixelBytes;
        uchar* row = mRow.data() + mPixelBytes;
        if (mSixteen)
            qToBigEndian<quint16>(samples, qsizetype(n / 2), row);
        else
            std::memcpy(row, samples, n);
        const uchar* left = mRow.data(); // left[i] is the byte a pixel before row[i]
        const uchar* up = mAbove.data() + mPixelBytes;
        const uchar* upLeft = mAbove.data();
        std::uint64_t least = std::numeric_limits<std::uint64_t>::max();
        size_t chosen = 0;
        const auto consider = [&](size_t type, auto predict) {
            const std::uint64_t sum
                = filterInto(mCandidates[type].data() + 1, row, n, least, predict);
            if (sum < least) {
                least = sum;
                chosen = type;
            }
        };
        consider(0, [](size_t) { return 0; });
        consider(1, [=](size_t i) { return int(left[i]); });
        consider(2, [=](size_t i) { return int(up[i]); });
        consider(3, [=](size_t i) { return (left[i] + up[i]) >> 1; });
        consider(4, [=](size_t i) { return paeth(left[i], up[i], upLeft[i]); });
        std::swap(mRow, mAbove);
        return mCandidates[chosen];
    }

private:
    size_t mPixelBytes;
    bool mSixteen;
    std::vector<uchar> mRow;
    std::vector<uchar> mAbove;
    std::array<std::vector<uchar>, 5> mCandidates;
};

struct DeflateStream
{
    z_stream z {};
    DeflateStream(int level, int strategy)
    {
        if (deflateInit2(&z, level, Z_DEFLATED, 15, 8, strategy) != Z_OK)
            throw VError("zlib could not start");
    }
    ~DeflateStream() { deflateEnd(&z); }
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;

    void copyFrom(DeflateStream& other)
    {
        deflateEnd(&z);
        z = {};
        if (deflateCopy(&z, &other.z) != Z_OK)
            throw VError("zlib could not copy its stream");
    }
};

// The filtered rows deflated into IDAT chunks, stretch by stretch. A second stream
// compresses each stretch again the other way, on its own, to compare. A stretch written as
// runs is held back with the stream's state before it; where even the cheap search (level 1)
// beats the runs, repeated strings pay there, and the stretch is made again with the full
// search from that state. Written with the search, a stretch the runs would have made no
// larger is followed by runs.
class DataWriter
{
public:
    explicit DataWriter(QIODevice* device)
        : mDevice(device)
        , mOut(kDataChunk)
    {
        mSaved.copyFrom(mMain);
    }

    void add(const std::vector<uchar>& bytes)
    {
        if (mRuns)
            mStretch.insert(mStretch.end(), bytes.begin(), bytes.end());
        deflateAll(mMain, bytes.data(), bytes.size(), Z_NO_FLUSH);
        deflateAll(mTrial, bytes.data(), bytes.size(), Z_NO_FLUSH);
        mStretchIn += bytes.size();
        if (mStretchIn >= kStretch)
            chooseStrategy();
        else if (!mRuns)
            writeData(false);
    }

    void finish()
    {
        if (mRuns && mStretchIn > 0)
            chooseStrategy();
        deflateAll(mMain, nullptr, 0, Z_FINISH);
        writeData(true);
    }

private:
    // The held data out in whole chunks, and the rest as well at the end.
    void writeData(bool all)
    {
        qsizetype at = 0;
        for (; mHeld.size() - at >= qsizetype(kDataChunk) || (all && at < mHeld.size());
             at += kDataChunk)
            writeChunk(mDevice, "IDAT", mHeld.mid(at, kDataChunk));
        mHeld.remove(0, std::min(at, mHeld.size()));
    }

    // The bytes through the stream with the flush asked: all of them taken, or the stream
    // ended when finishing. What it makes is held for the file, or, from the trial, only
    // counted.
    void deflateAll(DeflateStream& stream, const uchar* bytes, size_t size, int flush)
    {
        z_stream& z = stream.z;
        z.next_in = const_cast<Bytef*>(bytes);
        z.avail_in = uInt(size);
        for (;;) {
            z.next_out = mOut.data();
            z.avail_out = uInt(mOut.size());
            const int result = deflate(&z, flush);
            if (result == Z_STREAM_ERROR)
                throw VError("zlib failed");
            if (&stream == &mMain)
                mHeld.append(reinterpret_cast<const char*>(mOut.data()),
                    qsizetype(mOut.size() - z.avail_out));
            if (result == Z_STREAM_END)
                return;
            if (z.avail_out != 0) {
                // Room left means all that could be done is done; the end must have come.
                if (flush == Z_FINISH)
                    throw VError("zlib failed");
                return;
            }
        }
    }

    void setStrategy(z_stream* stream, int level, int strategy)
    {
        if (deflateParams(stream, level, strategy) != Z_OK)
            throw VError("zlib failed");
    }

    void chooseStrategy()
    {
        deflateAll(mMain, nullptr, 0, Z_BLOCK);
        deflateAll(mTrial, nullptr, 0, Z_FINISH);
        const uLong made = mMain.z.total_out - mOutBeforeStretch;
        const uLong other = mTrial.z.total_out;
        if (mRuns && other < made) {
            mMain.copyFrom(mSaved);
            mHeld.truncate(mHeldBeforeStretch);
            mRuns = false;
            setStrategy(&mMain.z, kLevel, Z_FILTERED);
            deflateAll(mMain, mStretch.data(), mStretch.size(), Z_BLOCK);
        } else if (!mRuns && other <= made) {
            mRuns = true;
            setStrategy(&mMain.z, kLevel, Z_RLE);
        }
        deflateReset(&mTrial.z);
        setStrategy(&mTrial.z, mRuns ? kTrialLevel : kLevel, mRuns ? Z_FILTERED : Z_RLE);
        mStretch.clear();
        mStretchIn = 0;
        writeData(false);
        mHeldBeforeStretch = mHeld.size();
        mOutBeforeStretch = mMain.z.total_out;
        if (mRuns)
            mSaved.copyFrom(mMain);
    }

    QIODevice* mDevice;
    std::vector<Bytef> mOut; // what a stream makes, before it is held or counted
    // Photos are the common case: the first stretch is tried as runs.
    DeflateStream mMain { kLevel, Z_RLE };
    DeflateStream mTrial { kTrialLevel, Z_FILTERED };
    DeflateStream mSaved { kLevel, Z_RLE };
    bool mRuns = true;
    // The compressed data not yet written, and how much of it came before the stretch; all
    // the stream had made before the stretch.
    QByteArray mHeld;
    qsizetype mHeldBeforeStretch = 0;
    uLong mOutBeforeStretch = 0;
    // The stretch's filtered bytes while it is written as runs.
    std::vector<uchar> mStretch;
    uLong mStretchIn = 0;
};

// What vips_sink_disc hands each strip of rows to, in order.
class RowWriter
{
public:
    RowWriter(const VImage& image, QIODevice* device)
        : mFilter(size_t(image.width()) * size_t(VIPS_IMAGE_SIZEOF_PEL(image.get_image())),
            size_t(VIPS_IMAGE_SIZEOF_PEL(image.get_image())), image.format() == VIPS_FORMAT_USHORT)
        , mData(device)
    {
    }

    void add(const uchar* row) { mData.add(mFilter.filter(row)); }

    void finish() { mData.finish(); }

private:
    RowFilter mFilter;
    DataWriter mData;
};

int writeRows(VipsRegion* region, VipsRect* area, void* rows)
{
    try {
        for (int y = area->top; y < area->top + area->height; ++y)
            static_cast<RowWriter*>(rows)->add(VIPS_REGION_ADDR(region, 0, y));
    } catch (const VError& e) {
        vips_error("PngWriter", "%s", e.what());
        return -1;
    } catch (const std::bad_alloc&) {
        vips_error("PngWriter", "out of memory");
        return -1;
    }
    return 0;
}

} // namespace

bool PngWriter::takes(const VImage& image)
{
    const VipsInterpretation space = image.interpretation();
    const bool grey = space == VIPS_INTERPRETATION_B_W || space == VIPS_INTERPRETATION_GREY16;
    const bool colour = space == VIPS_INTERPRETATION_sRGB || space == VIPS_INTERPRETATION_RGB16;
    const bool deep = space == VIPS_INTERPRETATION_GREY16 || space == VIPS_INTERPRETATION_RGB16;
    const VipsBandFormat format = deep ? VIPS_FORMAT_USHORT : VIPS_FORMAT_UCHAR;
    const int bands = image.bands();
    return image.get_image()->Coding == VIPS_CODING_NONE && image.format() == format
        && ((grey && bands <= 2) || (colour && bands >= 3 && bands <= 4));
}

void PngWriter::write(const VImage& source, QIODevice* device)
{
    // The EXIF block is brought up to date on a copy, not on the caller's image.
    const VImage image = source.copy();
    writeOrThrow(device, QByteArray("\x89PNG\r\n\x1a\n", 8));
    writeChunk(device, "IHDR", header(image));
    writeMetadata(image.get_image(), device);
    RowWriter rows(image, device);
    if (vips_sink_disc(image.get_image(), writeRows, &rows) != 0)
        throw VError();
    rows.finish();
    writeChunk(device, "IEND", QByteArray());
}
