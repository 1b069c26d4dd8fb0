#pragma once

#include <QString>

#include <vips/vips8>

#include <atomic>
#include <optional>

#include "FileDescriptor.h"
#include "JpegIntegrity.h"
#include "model/ResizeStatus.h"

// Decides, once the pixels are computed, whether the whole of the source's data decoded.
//
// libvips computes pixels lazily on several threads: an error a loader raises in the last
// rows may or may not stop the encoder. So the answer comes from the decoders themselves.
// A JPEG is decoded strictly, failing at libjpeg's first warning, which stops the render
// wherever the data is damaged; a render that went through is whole when the loader also read
// the file to its end marker. Anything else (a render that failed, an end marker missing or
// followed by more data, a small file read in one gulp) is judged by libjpeg's own error state
// after a separate pass over all of the data (JpegIntegrity): warnings that lose no pixels
// pass, and the render is then made again, tolerant of them. For other libvips and
// ImageMagick sources, every request made to the loader is watched, and the rows that no
// request reached are decoded afterwards.
//
// One object for one render, on the rendering thread; the watch it sets is shared with the
// threads libvips computes pixels on.
namespace ImageCodec {

// A step that passes image's pixels through untouched, each region through generate (which
// prepares its input region, may look at it, and hands it on); state is generate's. The
// watches of this file and OpaqueAlpha's are such steps.
vips::VImage passThrough(const vips::VImage& image, VipsGenerateFn generate, void* state);

class WholeDataCheck
{
public:
    // What a watched step has given so far. Shared by the threads that compute the pixels.
    struct Watch
    {
        std::atomic<bool> failed { false };
        std::atomic<int> reached { 0 }; // the furthest row below any request that succeeded
    };
    // A step that passes image's pixels through untouched and notes in watch whether asking
    // for them failed, and how far down they were asked for. The step keeps image; watch must
    // outlive it.
    static vips::VImage watched(const vips::VImage& image, Watch* watch);

    WholeDataCheck() = default;
    WholeDataCheck(const WholeDataCheck&) = delete;
    WholeDataCheck& operator=(const WholeDataCheck&) = delete;

    // The JPEG in the open file is decoded by the loader reading through source.
    void checkJpeg(const FileDescriptor& file, VipsSource* source)
    {
        mJpegFile = file.get();
        mJpegSource = source;
    }
    // What the JPEG loader is to fail on: any warning, unless the data is known to be whole.
    VipsFailOn jpegFailOn() const
    {
        return mJpeg && mJpeg->whole ? VIPS_FAIL_ON_TRUNCATED : VIPS_FAIL_ON_WARNING;
    }

    // The loaded image with its every pixel request watched.
    vips::VImage watch(const vips::VImage& loaded);

    // Empty when the source's data decoded whole, else why not; rendered is how the render
    // ended. After a render that wrote its output, rows that no request reached are decoded
    // now; after one that failed, only what the render met counts.
    QString problem(const ResizeStatus& rendered);

    // The strict render of a JPEG failed on warnings that lose no pixels: render it again.
    bool shouldRenderAgain() const { return mRenderAgain; }

private:
    QString jpegProblem(const ResizeStatus& rendered);
    bool readToEndMarker() const;

    int mJpegFile = -1; // the JPEG's open file, owned by the caller
    VipsSource* mJpegSource = nullptr; // libvips' reader on it
    std::optional<JpegIntegrity::Verdict> mJpeg;
    bool mRenderAgain = false;
    vips::VImage mWatched;
    Watch* mWatch = nullptr; // owned by mWatched
};

} // namespace ImageCodec
