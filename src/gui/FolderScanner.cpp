#include "FolderScanner.h"

#include <algorithm>

#include <QThread>

#include "codec/FileNames.h"

FolderScanner::FolderScanner(const QStringList& extensions, QObject* parent)
    : QObject(parent)
    , mExtensions(extensions)
{
}

FolderScanner::~FolderScanner()
{
    if (!mThread)
        return;
    mCancel = true;
    mThread->quit();
    mThread->wait();
    delete mWorkerContext;
}

void FolderScanner::scan(const QStringList& paths)
{
    if (!mThread) {
        // Started on first use: most sessions never drop a folder.
        mThread = new QThread(this);
        mThread->setObjectName(QStringLiteral("FolderScanner"));
        mWorkerContext = new QObject;
        mWorkerContext->moveToThread(mThread);
        mThread->start();
    }
    ++mPending;
    // Requests run one after the other in the worker's event loop, so results keep their order.
    QMetaObject::invokeMethod(
        mWorkerContext,
        [this, paths, extensions = mExtensions] {
            // Runs on the worker thread; touches only its arguments and the cancel flag.
            const FolderWalk::Result result = FolderWalk::scanPaths(paths, extensions, &mCancel);
            if (mCancel)
                return;
            QMetaObject::invokeMethod(
                this, [this, result] { deliver(result); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void FolderScanner::deliver(const FolderWalk::Result& result)
{
    --mPending;
    emit scanned(result.files, result.leftOut);
}

bool FolderScanner::containsFolder(const QStringList& paths)
{
    return std::any_of(paths.cbegin(), paths.cend(),
        [](const QString& path) { return FileNames::isFolder(path); });
}
