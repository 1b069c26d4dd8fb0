#pragma once

#include <QDateTime>
#include <QString>

#include <atomic>

#include "ResizeRules.h"
#include "model/ResizeOptions.h"
#include "model/ResizeStatus.h"

// The work done for one image once its files are open, on their descriptors only: nothing
// here opens a file by name or knows the image list, so it can be done wherever the two
// descriptors can be handed over. Two steps, so that an output file is made only for a source
// that can be rendered: plan() measures the source and works out its output from the options,
// render() writes the pixels into the output. Any thread.
namespace ImageWork {

// The pixel size a source of sourceWidth x sourceHeight is written at with the options, and
// whether it can be: the one computation behind a batch, its dry run and the window's line
// under the preview. An animation's frames count where the output format keeps them.
struct OutputSize
{
    ResizeRules::Sides exact; // before rounding
    int width = 0;
    int height = 0;
    QString formatProblem; // why the output format cannot hold it; empty when it can
    QString limitProblem; // why it is more than the pixel limit allows; empty when not
    // A side rounds to no pixel at all.
    bool isEmpty() const { return width < 1 || height < 1; }
    // Why no file can be written at this size, as a batch reports it; empty when one can.
    QString problem() const;
};
OutputSize outputSize(
    const ResizeOptions& options, int sourceWidth, int sourceHeight, int animationFrames = 1);

struct Plan
{
    // DecodeFailed for a source that cannot be read or is over the pixel limit,
    // InvalidSettings for options that give no output of it; no error when render() follows.
    ResizeStatus status;
    int sourceWidth = 0; // upright; 0 when the source was not measured
    int sourceHeight = 0;
    int outputWidth = 0;
    int outputHeight = 0;
    QDateTime taken = {}; // when the photo was taken, from its EXIF data; invalid when unknown
};

// source: an open descriptor of the file at sourcePath (ImageCodec::openSourceFile), whose
// extension names the type the source must be.
Plan plan(int source, const QString& sourcePath, const ResizeOptions& options);

// Renders a plan without error into output, an open, empty file of the caller's; the status
// is the render's (ImageCodec::render). When abandon turns true the image is given up at once.
ResizeStatus render(int source, const QString& sourcePath, const Plan& plan,
    const ResizeOptions& options, int output, const std::atomic<bool>* abandon = nullptr);

} // namespace ImageWork

// Where the work of one image is done: plan() and render() as ImageWork's, on the descriptors
// given, in a process that may be this one or another (a decoder that crashes or runs away
// then costs that image only). An image that cannot be planned or rendered there fails with
// the reason. One object serves one thread at a time.
class ImageWorker
{
public:
    virtual ~ImageWorker() = default;
    // When abandon turns true the image is given up at once.
    virtual ImageWork::Plan plan(int source, const QString& sourcePath,
        const ResizeOptions& options, const std::atomic<bool>* abandon)
        = 0;
    virtual ResizeStatus render(int source, const QString& sourcePath, const ImageWork::Plan& plan,
        const ResizeOptions& options, int output, const std::atomic<bool>* abandon)
        = 0;
};
