#pragma once

#include <atomic>
#include <mutex>
#include <optional>

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include "codec/ImageCodec.h"
#include "core/WorkerThread.h"
#include "worker/WorkerProcess.h"

// Decodes the preview of the selected image off the main thread, and keeps the last few.
//
// Only the latest request counts: a request replaces one that has not started, and the answer
// of one that was running when the selection moved on is kept in the cache but not announced.
// So holding an arrow key through a list of large photos costs the main thread nothing but a
// look into the cache per row, while the worker decodes the row the selection rests on.
//
// The cache is keyed by path, file size and modification time, so a file replaced on disk is
// decoded again; a preview decoded for a smaller box than asked for is decoded again too.
//
// Threads: everything public on the owner's thread; decoding on the worker thread of this
// object, which sees only the request it was handed (under mMutex) and the pixel limit.
class PreviewLoader : public QObject
{
    Q_OBJECT

public:
    struct Preview
    {
        QImage image; // at most the box asked for on its longer side; null on failure
        QSize sourceSize; // the upright pixel size of the source, when its header was read
        int animationFrames = 1; // the frames of an animation; 1 for anything else
        QString error; // why there is no image
        ImageCodec::SourceProblem problem = ImageCodec::SourceProblem::None; // the kind of error
        int box = 0; // the box it was decoded for, in device pixels
        // The image holds the source at its full size: no larger box makes it sharper.
        bool isWhole() const { return !image.isNull() && image.size() == sourceSize; }
    };

    explicit PreviewLoader(QObject* parent = nullptr);
    // Waits for the decode in progress.
    ~PreviewLoader() override;

    void setMaxPixels(qint64 maxPixels) { mMaxPixels = maxPixels; }

    // The cached preview of path good for box (device pixels), if there is one.
    std::optional<Preview> cached(const QString& path, int box) const;
    // Asks for the preview of path decoded for box; loaded() follows unless another request
    // or cancel() comes first.
    void load(const QString& path, int box);
    // Forgets the current request (nothing is selected any more).
    void cancel();

signals:
    void loaded(const QString& path, const PreviewLoader::Preview& preview);

private:
    struct Request
    {
        QString path;
        QString key;
        int box = 0;
        quint64 serial = 0;
    };

    // The cache key of a file as it is now.
    static QString keyOf(const QString& path);
    // Runs on the worker thread until no request is waiting.
    void run();
    void finish(const Request& request, const Preview& preview);

    std::mutex mMutex; // guards mWaiting and mRunning
    std::optional<Request> mWaiting;
    bool mRunning = false;
    std::atomic<qint64> mMaxPixels;
    std::atomic<bool> mStopping { false };

    // Owner's thread only.
    quint64 mSerial = 0; // the serial of the request that counts
    QCache<QString, Preview> mCache;

    // The worker thread's: the process that decodes the previews.
    WorkerProcess mDecoder;
    // Last: destroyed first, so the decode in progress ends before what it reads goes.
    WorkerThread mWorker;
};
