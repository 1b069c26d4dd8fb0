#include "FolderScanner.h"

#include <algorithm>

#include "codec/FileNames.h"

FolderScanner::FolderScanner(const QStringList& extensions, QObject* parent)
    : QObject(parent)
    , mExtensions(extensions)
{
}

FolderScanner::~FolderScanner()
{
    mCancel = true;
}

void FolderScanner::scan(const QStringList& paths)
{
    ++mPending;
    // Requests run one after the other on the worker (started on first use: most sessions
    // never drop a folder), so results keep their order.
    mWorker.post([this, paths, extensions = mExtensions] {
        // Runs on the worker thread; touches only its arguments and the cancel flag.
        const FolderWalk::Result result = FolderWalk::scanPaths(paths, extensions, &mCancel);
        if (mCancel)
            return;
        QMetaObject::invokeMethod(
            this, [this, result] { deliver(result); }, Qt::QueuedConnection);
    });
}

void FolderScanner::deliver(const FolderWalk::Result& result)
{
    --mPending;
    if (!result.subfolders.isEmpty())
        emit subfoldersFound(result.subfolders);
    emit scanned(result.files, result.leftOut, result.otherFiles);
}

bool FolderScanner::containsFolder(const QStringList& paths)
{
    return std::any_of(paths.cbegin(), paths.cend(),
        [](const QString& path) { return FileNames::isFolder(path); });
}
