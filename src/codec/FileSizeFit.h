#pragma once

#include <QByteArray>

#include <vips/vips8>

#include <functional>

// Making a file fit a size limit in bytes: the highest quality that fits, then, when even the
// lowest allowed does not, smaller pixel sizes. Every trial is encoded in memory from pixels
// computed once; only the answer is written. Runs on the rendering thread.
namespace ImageCodec {

struct FittedFile
{
    QByteArray bytes; // the file; empty when nothing fits
    int quality = -1; // of the file; -1 for a format that takes none
    double scale = 1.0; // of each side, against the image given
    int width = 0; // of the file (of one frame)
    int height = 0;
};

// The file of an image at a quality (-1 for a format that takes none), in memory. Throws a
// vips::VError to give up, for example when the image is abandoned.
using EncodeInMemory = std::function<QByteArray(const vips::VImage& image, int quality)>;

// The file of image, encoded by encode, that is at most limit bytes: at quality when that fits,
// else at the highest quality from lowestQuality up that does, else the image made smaller
// step by step (every frame of an animation alike, its proportions kept) until it does at some
// quality from lowestQuality up. Empty when even a few pixels do not fit. quality -1: the
// format takes none, and only the size steps apply.
FittedFile fitFileSize(const vips::VImage& image, qint64 limit, int quality, int lowestQuality,
    const EncodeInMemory& encode);

} // namespace ImageCodec
