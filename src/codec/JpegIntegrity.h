#pragma once

#include <QString>

// Whether a JPEG's compressed data is whole: every scan decoded to the end, as libjpeg itself
// reports it. libvips decodes lazily and on several threads, so a loss it meets while pixels
// are computed may or may not stop the file being written; this walks the whole entropy-coded
// data once, on the calling thread, and gives one answer for the file.
namespace JpegIntegrity {

struct Verdict
{
    bool whole = false;
    QString problem; // libjpeg's words for the first loss or error; empty when whole
};

// Reads the JPEG from the start of the open file fd with pread, so the descriptor's offset is
// left alone and another reader may share it. Decodes at one eighth of the size, which still
// walks every coefficient. Stops at the first sign of lost pixels: the data ends early, a
// segment ends before its blocks, a code that decodes to nothing, a missing restart marker.
// Warnings that lose no pixels pass (bytes between segments, an unknown JFIF version, an
// Adobe transform code it does not know, a bad ICC marker).
// Progressive files keep every coefficient in memory while they are decoded (about six bytes
// a pixel at most).
Verdict check(int fd);

} // namespace JpegIntegrity
