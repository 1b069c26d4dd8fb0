#pragma once

#include <vips/vips8>

// The frames of an animated GIF as a viewer shows them: each frame drawn over what the
// frames before it left, after the previous frame's disposal (left in place, cleared to
// transparent, or restored to what was there before it), as browsers follow GIF89a. libvips'
// own loader keeps the area of a frame that disposes to the background opaque, so animations
// are composed here, with giflib, from the raw frames. Runs on the rendering thread of the
// worker process.
namespace ImageCodec {

// Decodes every frame of the GIF in the open file fd (read with pread, its offset left alone)
// onto a canvas of header's size, header being libvips' reading of the same file, and
// returns them one above the other as libvips' loader does with n=-1: 8-bit sRGB, with alpha
// where any pixel is transparent (or header has it), page-height and n-pages set, delays from
// the frames' own, header's other fields (loop, background...) kept. frames is how many frames
// the file's structure holds, which the pixel limit has already been held to: a file that
// gives more or fewer is refused. Frames that reach outside the canvas are clipped; frames
// far larger than the canvas, and data that ends early or is damaged, are refused. Throws a
// Refusal.
vips::VImage composeGifFrames(int fd, const vips::VImage& header, int frames);

} // namespace ImageCodec
