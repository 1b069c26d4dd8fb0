#pragma once

#include <atomic>
#include <thread>

#include <QObject>
#include <QString>

#include "BatchArguments.h"
#include "BatchResult.h"

class ImageList;

// A batch over an image list: started with the list and its arguments, followed by its
// signals, stopped by a flag. Up to the arguments' jobs images are rendered at once, each
// into a file without a name; the files are named, and the signals, the log and the result
// made, in list order, so that the outcome is that of writing the images one after another
// (jobs 1 does exactly that).
//
// Threads: the object lives on the thread that made it (the main thread); the batch runs on a
// thread of its own, and its renders on threads of their own, which read their copy of the
// options and their own entries only. Every signal is emitted on the object's thread, in the
// order the batch made it: an image's imageStarted() arrives before its imageFailed() and
// imageFinished(), and finished() comes last. The batch never waits for a receiver.
class BatchJob : public QObject
{
    Q_OBJECT

public:
    explicit BatchJob(QObject* parent = nullptr);
    // Stops after the images in progress and waits for a running batch: they complete first.
    ~BatchJob() override;

    // Starts a batch over images and returns at once; false, and nothing started, while an
    // earlier batch is still processing images. The caller keeps images alive, and removes
    // nothing from it, until finished() has arrived (or wait() has returned); appending is
    // fine: the batch processes what it finds when it gets there.
    bool start(ImageList* images, const BatchArguments& arguments);
    // True from start() until the batch has left its loop.
    bool isRunning() const { return mRunning.load(); }
    // Lets the batch end after the images in progress, which complete; no further image
    // begins. A plain atomic store: safe from any thread and from a signal handler.
    void stop() { mMayContinue.store(false); }
    // Whether stop() was called since the batch started.
    bool isStopping() const { return !mMayContinue.load(); }
    // Gives up the images in progress at once instead of letting them complete: nothing of
    // them is written, they count as not processed, and the batch ends. Safe from any thread
    // and from a signal handler.
    void abandon() { mAbandon.store(true); }
    // Waits for the batch thread to end (stop() first to end after the images in progress).
    // Returns at once when no batch ran.
    void wait();

    // The start-number text read as a 32-bit integer the way strtol reads it: leading white
    // space, an optional sign, decimal digits up to the first other character; no number
    // gives 0, a number out of range the nearest limit ("0007" gives 7, "12a" gives 12).
    static int parseStartNumber(const QString& text);
    // The running number of the image at a position of the list: the start number plus the
    // position, in 32-bit arithmetic that wraps like the platform's integers.
    static int runningNumber(int startNumber, int position);

signals:
    // The batch began, over imageCount images (the list's count then).
    void started(int imageCount);
    // The image at position (from 0) is the one whose outcome comes next.
    void imageStarted(int position, int imageCount, const QString& name);
    // An image was not written; its log line has been written.
    void imageFailed(const BatchFailure& failure);
    // An image is done with: written, failed or skipped; after imageFailed() for a failed one.
    void imageFinished(const BatchImageReport& report);
    // The batch ended; isRunning() is false by now.
    void finished(const BatchResult& result);

private:
    // The batch thread's work.
    void run(ImageList* images, const BatchArguments& arguments);
    // Queues emitSignal(this) to this object's thread.
    template <typename Emit> void post(Emit emitSignal);

    std::atomic<bool> mMayContinue { true };
    std::atomic<bool> mAbandon { false };
    std::atomic<bool> mRunning { false };
    std::thread mWorker; // main thread only
};
