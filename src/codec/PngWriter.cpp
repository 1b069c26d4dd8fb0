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

// Each row filtered against the row above it (zeros above the first) in each of PNG's five
// ways, the one kept whose bytes, read as signed, sum to the least: libpng's heuristic.
class RowFilter
{
public:
    RowFilter(size_t rowBytes, size_t pixelBytes)
        : mPixelBytes(pixelBytes)
        , mAbove(rowBytes, 0)
    {
        for (size_t type = 0; type < mCandidates.size(); ++type) {
            mCandidates[type].resize(rowBytes + 1);
            mCandidates[type][0] = uchar(type);
        }
    }

    // The filter type followed by the filtered bytes.
    const std::vector<uchar>& filter(const uchar* row)
    {
        const size_t n = mAbove.size();
        const size_t bpp = std::min(mPixelBytes, n);
        const uchar* up = mAbove.data();
        std::uint64_t least = std::numeric_limits<std::uint64_t>::max();
        size_t chosen = 0;
        for (size_t type = 0; type < mCandidates.size(); ++type) {
            uchar* out = mCandidates[type].data() + 1;
            switch (type) {
            case 0:
                std::memcpy(out, row, n);
                break;
            case 1:
                std::memcpy(out, row, bpp);
                for (size_t i = bpp; i < n; ++i)
                    out[i] = uchar(row[i] - row[i - bpp]);
                break;
            case 2:
                for (size_t i = 0; i < n; ++i)
                    out[i] = uchar(row[i] - up[i]);
                break;
            case 3:
                for (size_t i = 0; i < bpp; ++i)
                    out[i] = uchar(row[i] - (up[i] >> 1));
                for (size_t i = bpp; i < n; ++i)
                    out[i] = uchar(row[i] - ((row[i - bpp] + up[i]) >> 1));
                break;
            default:
                for (size_t i = 0; i < bpp; ++i)
                    out[i] = uchar(row[i] - up[i]);
                for (size_t i = bpp; i < n; ++i)
                    out[i] = uchar(row[i] - paeth(row[i - bpp], up[i], up[i - bpp]));
                break;
            }
            std::uint64_t sum = 0;
            for (size_t i = 0; i < n; ++i)
                sum += out[i] < 128 ? out[i] : 256 - out[i];
            if (sum < least) {
                least = sum;
                chosen = type;
            }
        }
        std::memcpy(mAbove.data(), row, n);
        return mCandidates[chosen];
    }

private:
    static uchar paeth(int left, int up, int upLeft)
    {
        const int guess = left + up - upLeft;
        const int toLeft = std::abs(guess - left);
        const int toUp = std::abs(guess - up);
        const int toUpLeft = std::abs(guess - upLeft);
        if (toLeft <= toUp && toLeft <= toUpLeft)
            return uchar(left);
        return uchar(toUp <= toUpLeft ? up : upLeft);
    }

    size_t mPixelBytes;
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
        , mTrialOut(kDataChunk)
    {
        mSaved.copyFrom(mMain);
    }

    void add(const std::vector<uchar>& bytes)
    {
        if (mRuns)
            mStretch.insert(mStretch.end(), bytes.begin(), bytes.end());
        deflateMain(bytes.data(), bytes.size(), Z_NO_FLUSH);
        mTrial.z.next_in = const_cast<Bytef*>(bytes.data());
        mTrial.z.avail_in = uInt(bytes.size());
        deflateTrial(Z_NO_FLUSH);
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
        deflateMain(nullptr, 0, Z_FINISH);
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

    void deflateMain(const uchar* bytes, size_t size, int flush)
    {
        mMain.z.next_in = const_cast<Bytef*>(bytes);
        mMain.z.avail_in = uInt(size);
        for (;;) {
            mMain.z.next_out = mOut.data();
            mMain.z.avail_out = uInt(mOut.size());
            const int result = deflate(&mMain.z, flush);
            if (result == Z_STREAM_ERROR)
                throw VError("zlib failed");
            mHeld.append(reinterpret_cast<const char*>(mOut.data()),
                qsizetype(mOut.size() - mMain.z.avail_out));
            if (result == Z_STREAM_END)
                return;
            if (mMain.z.avail_out != 0) {
                // Room left means all that could be done is done; the end must have come.
                if (flush == Z_FINISH)
                    throw VError("zlib failed");
                return;
            }
        }
    }

    void deflateTrial(int flush)
    {
        for (;;) {
            mTrial.z.next_out = mTrialOut.data();
            mTrial.z.avail_out = uInt(mTrialOut.size());
            const int result = deflate(&mTrial.z, flush);
            if (result == Z_STREAM_ERROR)
                throw VError("zlib failed");
            if (flush == Z_FINISH ? result == Z_STREAM_END : mTrial.z.avail_out != 0)
                return;
        }
    }

    void setStrategy(z_stream* stream, int level, int strategy)
    {
        if (deflateParams(stream, level, strategy) != Z_OK)
            throw VError("zlib failed");
    }

    void chooseStrategy()
    {
        deflateMain(nullptr, 0, Z_BLOCK);
        deflateTrial(Z_FINISH);
        const uLong made = mMain.z.total_out - mOutBeforeStretch;
        const uLong other = mTrial.z.total_out;
        if (mRuns && other < made) {
            mMain.copyFrom(mSaved);
            mHeld.truncate(mHeldBeforeStretch);
            mRuns = false;
            setStrategy(&mMain.z, kLevel, Z_FILTERED);
            deflateMain(mStretch.data(), mStretch.size(), Z_BLOCK);
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
    std::vector<Bytef> mOut;
    std::vector<Bytef> mTrialOut;
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
        : mSixteen(image.format() == VIPS_FORMAT_USHORT)
        , mRowBytes(size_t(image.width()) * size_t(image.bands()) * (mSixteen ? 2 : 1))
        , mFilter(mRowBytes, size_t(image.bands()) * (mSixteen ? 2 : 1))
        , mData(device)
    {
        if (mSixteen)
            mBigEndian.resize(mRowBytes);
    }

    void add(const uchar* row)
    {
        if (mSixteen) {
            qToBigEndian<quint16>(row, qsizetype(mRowBytes / 2), mBigEndian.data());
            row = mBigEndian.data();
        }
        mData.add(mFilter.filter(row));
    }

    void finish() { mData.finish(); }

private:
    bool mSixteen;
    size_t mRowBytes;
    std::vector<uchar> mBigEndian;
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
