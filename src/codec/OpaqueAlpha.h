#pragma once

#include <vips/vips8>

#include <atomic>
#include <memory>

// A guess that a picture's alpha channel is opaque throughout, as it is in many photos saved
// with one. Such a picture is resampled as its colour bands alone, in whole numbers, and given
// its opaque alpha back: the same picture (to rounding) as resampling all its bands
// premultiplied, in floats, at a fraction of the work. The guess is checked on every pixel the
// render reads: the first whose alpha is not full stops the render, which is then made again
// without the guess.
//
// One object for one render, on the rendering thread; the watch it sets is shared with the
// threads libvips computes pixels on.
namespace ImageCodec {

class OpaqueAlpha
{
public:
    // Whether the guess may still be made: not once a render disproved it.
    bool mayGuess() const { return !mDisproved; }
    // The image, watched: computing pixels of it fails at the first alpha that is not full.
    vips::VImage watch(const vips::VImage& image);
    // Whether the render just made stopped at a pixel that is not opaque, and must be made again
    // without the guess; says so once.
    bool shouldRenderAgain();

private:
    // Whether the watch met a pixel that is not opaque; the watched image holds it too.
    std::shared_ptr<std::atomic<bool>> mTranslucent;
    bool mDisproved = false;
};

} // namespace ImageCodec
