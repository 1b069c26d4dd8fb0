#pragma once

#include <atomic>

#include <QObject>
#include <QStringList>

#include "core/WorkerThread.h"

#include "batch/FolderWalk.h"

// Turns the paths of a drop, of the open panel or of a second launch into the files to add:
// every folder among them is replaced by the image files inside it (FolderWalk, the walk
// ostrel-batch -R makes too), and every other path passes through unchanged, in its place.
// What the walk left out (files of other types, links leading out of a folder, the system's
// folders) comes with the files, for the window to name.
//
// Walking a large tree takes time, so scan() hands the work to one worker thread of this
// object and returns at once; scanned() then arrives on the owner's thread, one signal per
// request and in the order of the requests, so files added one after the other keep their
// order even when a folder is still being read.
class FolderScanner : public QObject
{
    Q_OBJECT

public:
    explicit FolderScanner(const QStringList& extensions, QObject* parent = nullptr);
    // Stops a walk in progress; results not yet delivered are dropped.
    ~FolderScanner() override;

    // Queues one request. Call from the owner's thread.
    void scan(const QStringList& paths);
    // True while a request is queued or its result has not been delivered yet.
    bool isBusy() const { return mPending > 0; }

    // True when one of the paths is a folder (one status query per path).
    static bool containsFolder(const QStringList& paths);

signals:
    // The files of one request, in order, and what its walks left out: links and folders, and
    // the files whose extension is not among those asked for. Emitted on the owner's thread.
    void scanned(const QStringList& files, const QList<FolderWalk::LeftOut>& leftOut,
        const QStringList& otherFiles);
    // Just before scanned(): the folder below the folder given of each file found in one
    // (FolderWalk::Result::subfolders), when the request had folders.
    void subfoldersFound(const QHash<QString, QString>& subfolders);

private:
    void deliver(const FolderWalk::Result& result);

    QStringList mExtensions;
    std::atomic_bool mCancel { false };
    int mPending = 0;

    // Last: destroyed first, so the walk in progress ends before what it reads goes.
    WorkerThread mWorker;
};
