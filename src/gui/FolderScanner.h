#pragma once

#include <atomic>

#include <QObject>
#include <QStringList>

class QThread;

// Turns the paths of a drop, of the open panel or of a second launch into the files to add:
// every folder among them is replaced by the image files inside it, recursively, and every
// other path passes through unchanged, in its place.
//
// Inside a folder, files come first, sorted by name (digits compared as numbers, then case
// ignored), then each subfolder in the same order, depth first. Only files whose extension
// (the text after the last dot of the name, compared case-sensitively) is in the table given
// at construction are taken; hidden entries, broken links and special files are skipped; a
// folder reached a second time (a link to an ancestor or a sibling) is walked only once.
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
    // The expansion itself, on the calling thread. A set cancel flag ends it early.
    static QStringList scanPaths(const QStringList& paths, const QStringList& extensions,
        const std::atomic_bool* cancel = nullptr);
    // The order of names inside a folder: "img2" before "img10", "a" before "B".
    static bool naturalLess(const QString& a, const QString& b);

signals:
    // The files of one request, in order. Emitted on the owner's thread.
    void scanned(const QStringList& files);

private:
    void deliver(const QStringList& files);

    QStringList mExtensions;
    QThread* mThread = nullptr;
    QObject* mWorkerContext = nullptr; // lives in mThread; queued requests run there
    std::atomic_bool mCancel { false };
    int mPending = 0;
};
