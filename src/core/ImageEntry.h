#pragma once

#include <QColor>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <atomic>

#include "codec/ImageCodec.h"
#include "PendingOutput.h"
#include "ImageWork.h"
#include "ResizeRules.h"
#include "model/ResizeOptions.h"
#include "model/ResizeStatus.h"


// One source image of the list: its path, its file name, a small preview built on first
// request, the pixel size last measured and its size in bytes.
//
// Threads: created on the main thread, or, for a large addition to the window's list, on a
// worker that hands the finished entries over before anything else sees them. During a batch
// one render thread reads the path, name and output subfolder and writes the pixel size
// (render), and the batch's worker reads the name and path; the progress sheet keeps the main
// thread away meanwhile. preview() decodes on the calling thread and writes the entry: the
// window does not call it, it decodes its previews from the path alone on a worker of its own
// (PreviewLoader), so no second thread ever writes an entry.
class ImageEntry
{
public:
    // Pixel size as last measured, single precision, width first.
    struct Size
    {
        float width = 0.0f;
        float height = 0.0f;
    };

    // The preview: pixels decoded small (shrink-on-load) and the size the view draws them at.
    struct Preview
    {
        QImage pixels;
        QSizeF displaySize;

        bool isNull() const { return pixels.isNull(); }
    };

    // Side of the square box the preview is fitted into, in device-independent pixels.
    static constexpr float kPreviewBox = 100.0f;

    // Never fails and never opens the file; only its byte size is measured.
    explicit ImageEntry(const QString& path);

    QString path() const { return mPath; }
    QString name() const { return mName; }
    void setPath(const QString& path) { mPath = path; }
    void setName(const QString& name) { mName = name; }
    // The folder below the output folder that this image is written into ("2024/june"), made
    // when the image is written; empty for the output folder itself. A relative, clean path
    // that never leads out of the output folder (render refuses one that would).
    QString outputSubfolder() const { return mOutputSubfolder; }
    void setOutputSubfolder(const QString& subfolder) { mOutputSubfolder = subfolder; }

    // The pixel size last recorded by a preview build or writeResized; (0, 0) before either.
    Size pixelSize() const { return mPixelSize; }

    // The size in bytes at creation.
    qint64 initialFileSize() const { return mFileSize; }
    // The size in bytes now: the data (a symbolic link measured by its target) plus the
    // resource fork where the file system keeps one.
    qint64 fileSize() const;
    static qint64 fileSize(const QString& path);

    // Builds the preview on first request and keeps it; a file that does not decode gives a
    // null preview and is tried again next time. devicePixelRatio sizes the decode for the
    // screen the view is on; a source above maxPixels is not decoded.
    Preview preview(qreal devicePixelRatio = 1.0, qint64 maxPixels = ImageCodec::kDefaultMaxPixels);
    // Records the source's pixel size and fits the preview's display size into the box.
    Preview fitPreview(Preview image, QSize sourcePixelSize);
    // The display size of a source of w x h pixels in the preview box.
    static QSizeF fittedDisplaySize(float w, float h);

    // Whether something takes the name path, a dangling symbolic link included: nothing is
    // ever written there.
    static bool nameIsTaken(const QString& path);

    // An image rendered but not yet given its name.
    struct Rendered
    {
        QString outputPath;
        PendingOutput output; // the content, when the render succeeded
        ResizeStatus status; // why there is no content
        // The render failed after finding the output name free. A file that has taken the
        // name by the commit (an earlier image of the batch) is then the answer, as it would
        // have been had the render started after that image was written.
        bool failedAfterNameWasFree = false;
        ExistingFile existing = ExistingFile::Fail; // the choice when the name is taken
        // The pixel size asked of the render, or the one written when the size limit made it
        // smaller; 0 when it was not reached.
        int outputWidth = 0;
        int outputHeight = 0;
        qint64 milliseconds = 0; // how long the render took
        QString writtenPath; // set by commit once the file has its name (a numbered one too)
    };
    // Renders this image resized and converted as the options say into a new file without a
    // name, never replacing anything; number is the running number of custom naming. The
    // source and the output are opened here, the pixels are the worker's. When abandon turns
    // true the image is given up at once, writing nothing. Several images may render at once,
    // each on its own thread with its own worker; the entry's own fields are written (the
    // pixel size), so one entry renders on one thread at a time.
    Rendered render(const ResizeOptions& options, int number, ImageWorker& worker,
        const std::atomic<bool>* abandon = nullptr);
    // Names the rendered file unless its name exists, or gives the render's failure. Committing the renders of a batch in list order gives every image the answer
    // that writing them one after another gives ("first wins" for one name).
    static ResizeStatus commit(Rendered& rendered);

private:
    QString mPath;
    QString mName;
    Preview mPreview;
    Size mPixelSize;
    qint64 mFileSize = 0;
    QString mOutputSubfolder;
};
