#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>

#include "BatchArguments.h"
#include "core/ImageEntry.h"

// The ordered list of images that the next batch processes, the file extensions accepted as
// images, the run flag the batch worker obeys, and the batch itself.
//
// Threads: the list is changed on the main thread; the batch worker reads it (the count and
// one entry at a time) from its own thread while the main thread may still append. Every list
// operation holds one recursive mutex for its whole duration. Entries are owned by the list
// and never move in memory, so a ImageEntry pointer stays valid while the list grows; no entry
// may be removed while a batch runs (the window's progress sheet covers the remove control).
class TQResizer
{
public:
    using ImageList = std::vector<std::unique_ptr<ImageEntry>>;

    // An empty list with room for capacity entries; go is true.
    explicit TQResizer(int capacity = 0);
    // Lowers go and waits for a running batch: its image in progress completes first.
    ~TQResizer();

    TQResizer(const TQResizer&) = delete;
    TQResizer& operator=(const TQResizer&) = delete;

    // The 24 accepted extensions, lower and upper case: tiff TIFF tif TIF jpeg JPEG ... pdf PDF.
    QStringList imageExtensions() const { return mImgExtensions; }
    // Whether the text after the last dot of the path's last component is one of them,
    // compared case-sensitively.
    bool hasImageExtension(const QString& path) const;

    // Appends an entry for every path with an accepted extension that is not in the list yet,
    // in the order given. Nothing else is examined: the file is not opened.
    void addImagesToList(const QStringList& paths);
    // Appends the entry at the end, unchecked.
    void addImageToList(std::unique_ptr<ImageEntry> image);
    // Removes the entries at the given positions; the others keep their order.
    void removeImagesFromList(const std::set<int>& positions);
    // The entry at a position from 0, or null outside the list.
    ImageEntry* imageAtIndex(int position) const;
    // Whether an entry with exactly the same path string is in the list.
    bool containsImage(const ImageEntry& image) const;
    int imagesCount() const;

    // The run flag: true lets the worker go on to the next image. A plain atomic store, safe to
    // call from any thread and from a signal handler.
    void setGo(bool go) { mGo.store(go); }
    bool go() const { return mGo.load(); }
    // Gives up the image in progress at once instead of letting it complete: nothing of it
    // is written, it counts as not processed, and the batch ends. Like setGo, a plain atomic
    // store, safe from any thread and from a signal handler. Each batch starts without it.
    void abandonImage() { mAbandon.store(true); }

    // Replaces the list with the given entries, in their order, unfiltered.
    void setImagesList(ImageList images);
    // The live list. Main thread only; it must not be held across a change of the list.
    const ImageList& imagesList() const { return mImagesList; }

    // The worker's body: processes the list in order, one image at a time, testing go before
    // and after each image, and ends with the closing report. Runs on the calling thread;
    // startBatch runs it on a worker thread of its own.
    void resizeImages(const BatchArguments& arguments);
    // The closing alert's end handler (main thread): 0, the alternate button, opens the log
    // with the desktop's viewer; any other code does nothing.
    void alertDidEnd(int returnCode);

    // Starts one worker thread running resizeImages. Does not touch go: the caller raises it
    // first. False, and nothing started, while an earlier batch is still processing images.
    bool startBatch(const BatchArguments& arguments);
    // True from startBatch until the worker has left its loop.
    bool isRunning() const { return mRunning.load(); }
    // Waits for the worker thread to end (lower go first to stop after the image in
    // progress). Main thread only; returns at once when no worker exists.
    void waitForBatch();

    // The start-number text read as a 32-bit integer the way strtol reads it: leading white
    // space, an optional sign, decimal digits up to the first other character; no number
    // gives 0, a number out of range the nearest limit ("0007" gives 7, "12a" gives 12).
    static int startNumber(const QString& text);

private:
    void removePath(const QString& path);

    mutable std::recursive_mutex mMutex;
    ImageList mImagesList;
    // How many entries hold each path: the duplicate test without a scan of the list.
    QHash<QString, int> mPathCounts;
    const QStringList mImgExtensions;
    std::atomic<bool> mGo { true };
    std::atomic<bool> mAbandon { false };

    std::atomic<bool> mRunning { false };
    std::thread mWorker; // main thread only
};
