#pragma once

#include <atomic>
#include <deque>
#include <mutex>

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>

#include "codec/ImageCodec.h"
#include "core/WorkerThread.h"
#include "worker/WorkerProcess.h"

// What the file list shows of each file beyond its name, read off the main thread: first the
// size in bytes of every file asked for (one status query each), then the pixel size of each
// from its header alone (ImageCodec::probe, nothing decoded). A list of a hundred thousand
// files thus shows its total size early and fills in the pixel sizes afterwards.
//
// Results name the path they belong to, never a row: rows may be sorted or removed while the
// files are read. They arrive in batches, as queued signals on the owner's thread, so that a
// long list does not flood the event loop with one signal per file.
//
// Threads: read() and the signals on the owner's thread; the reading on one pool thread of
// this object. The queues are shared under mMutex; the pixel limit is atomic.
class ImageFactsReader : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        QString path;
        qint64 bytes = -1; // the file's size, -1 when not measured in this result
        bool headerRead = false; // whether pixels and error below are the header's answer
        QSize pixels; // the upright pixel size; empty when the header failed
        QString error; // why the header could not be read
        ImageCodec::SourceProblem problem = ImageCodec::SourceProblem::None; // the kind of error
    };

    explicit ImageFactsReader(QObject* parent = nullptr);
    // Drops what is still queued and waits for the file being read.
    ~ImageFactsReader() override;

    // Sources above this many pixels are reported as refused, as a batch would refuse them.
    void setMaxPixels(qint64 maxPixels) { mMaxPixels = maxPixels; }
    // Queues the files; their sizes come before any header of them is read.
    void read(const QStringList& paths);
    // Forgets the files still queued (the list was emptied or replaced).
    void clear();

signals:
    // A batch of results, in the order they were read.
    void factsRead(const QList<ImageFactsReader::Result>& results);

private:
    // Runs on the pool thread until both queues are empty.
    void run();
    void deliver(QList<Result>& results);

    std::mutex mMutex; // guards the queues and mRunning
    std::deque<QString> mSizeQueue;
    std::deque<QString> mHeaderQueue;
    bool mRunning = false;
    std::atomic<bool> mStopping { false };
    std::atomic<qint64> mMaxPixels;
    // The pool thread's: the process that reads the headers.
    WorkerProcess mDecoder;

    // Last: destroyed first, so the reading in progress ends before what it reads goes.
    WorkerThread mWorker;
};
