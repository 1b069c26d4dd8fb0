#pragma once

#include <atomic>
#include <thread>

#include <QString>

#include "BatchArguments.h"
#include "ImageList.h"

// A batch over an image list: the flag that lets the worker go on to the next image, the
// worker's body and the thread it runs on.
//
// Threads: constructed, started, waited for and destroyed on the main thread; the worker
// reads the list and its copy of the options on its own thread and reaches the main thread
// only through queued calls to the progress receiver. The worker renders up to the arguments'
// jobs images at once on threads of its own, which read the options and their own entries
// only.
class BatchResizer
{
public:
    // An empty list with room for capacity entries; the batch may continue.
    explicit BatchResizer(int capacity = 0);
    // Stops after the images in progress and waits for a running batch: they complete first.
    ~BatchResizer();

    BatchResizer(const BatchResizer&) = delete;
    BatchResizer& operator=(const BatchResizer&) = delete;

    // The images the batch processes.
    ImageList& images() { return mImages; }
    const ImageList& images() const { return mImages; }

    // The run flag: true lets the worker go on to the next image. A plain atomic store, safe to
    // call from any thread and from a signal handler.
    void setMayContinue(bool mayContinue) { mMayContinue.store(mayContinue); }
    bool mayContinue() const { return mMayContinue.load(); }
    // Gives up the images in progress at once instead of letting them complete: nothing of
    // them is written, they count as not processed, and the batch ends. Like setMayContinue, a
    // plain atomic store, safe from any thread and from a signal handler. Each batch starts
    // without it.
    void abandonImage() { mAbandon.store(true); }

    // The worker's body: processes the list and ends with the closing report. Up to the
    // arguments' jobs images are rendered at once, each into a file without a
    // name; the files are named, and the progress, the log and the report made, in list
    // order, so that the outcome is that of writing the images one after another (jobs 1
    // does exactly that). No image starts once the run flag is down; those started complete.
    // Runs on the calling thread; start() runs it on a worker thread of its own.
    void run(const BatchArguments& arguments);
    // The closing alert's button handler (main thread): the alternate button opens the log
    // with the desktop's viewer; any other button does nothing. False when no viewer could be
    // started for the log.
    bool closingAlertFinished(int buttonCode);

    // Starts one worker thread running run(). Does not touch the run flag: the caller raises
    // it first. False, and nothing started, while an earlier batch is still processing images.
    bool start(const BatchArguments& arguments);
    // True from start() until the worker has left its loop.
    bool isRunning() const { return mRunning.load(); }
    // Waits for the worker thread to end (lower the run flag first to stop after the images
    // in progress). Main thread only; returns at once when no worker exists.
    void wait();

    // The start-number text read as a 32-bit integer the way strtol reads it: leading white
    // space, an optional sign, decimal digits up to the first other character; no number
    // gives 0, a number out of range the nearest limit ("0007" gives 7, "12a" gives 12).
    static int parseStartNumber(const QString& text);
    // The running number of the image at a position of the list (see the .cpp).
    static int runningNumber(int startNumber, int position);

private:
    ImageList mImages;
    std::atomic<bool> mMayContinue { true };
    std::atomic<bool> mAbandon { false };

    std::atomic<bool> mRunning { false };
    std::thread mWorker; // main thread only
};
