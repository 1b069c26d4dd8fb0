#include "ImageFactsReader.h"

#include <QElapsedTimer>

#include "codec/ImageCodec.h"
#include "core/ImageEntry.h"

namespace {

// A batch goes out when it holds this many results or has waited this long: often enough for
// the cells to fill in visibly, rarely enough to keep the main thread free.
constexpr qsizetype kBatchResults = 2000;
constexpr qint64 kBatchMilliseconds = 100;

} // namespace

ImageFactsReader::ImageFactsReader(QObject* parent)
    : QObject(parent)
    , mMaxPixels(ImageCodec::kDefaultMaxPixels)
{
    qRegisterMetaType<QList<ImageFactsReader::Result>>();
}

ImageFactsReader::~ImageFactsReader()
{
    mStopping = true;
    clear();
}

void ImageFactsReader::read(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    std::lock_guard lock(mMutex);
    mSizeQueue.insert(mSizeQueue.end(), paths.cbegin(), paths.cend());
    if (mRunning)
        return;
    mRunning = true;
    mWorker.post([this] { run(); });
}

void ImageFactsReader::clear()
{
    std::lock_guard lock(mMutex);
    mSizeQueue.clear();
    mHeaderQueue.clear();
}

void ImageFactsReader::run()
{
    // Pool thread. Touches only the queues (under the mutex), the atomics and the files.
    QList<Result> results;
    QElapsedTimer sinceDelivery;
    sinceDelivery.start();
    while (!mStopping) {
        Result result;
        {
            std::lock_guard lock(mMutex);
            if (!mSizeQueue.empty()) {
                result.path = std::move(mSizeQueue.front());
                mSizeQueue.pop_front();
                mHeaderQueue.push_back(result.path);
            } else if (!mHeaderQueue.empty()) {
                result.path = std::move(mHeaderQueue.front());
                mHeaderQueue.pop_front();
                result.headerRead = true;
            } else {
                mRunning = false;
                break;
            }
        }
        if (result.headerRead) {
            // Read in a worker process: a header that crashes its decoder costs its row.
            QString openError;
            const FileDescriptor source = ImageCodec::openSourceFile(result.path, &openError);
            const ImageCodec::SourceInfo info = source.isOpen()
                ? mDecoder.probe(source.get(), result.path, mMaxPixels)
                : ImageCodec::SourceInfo { .error = openError,
                      .problem = ImageCodec::SourceProblem::Unreadable };
            if (info.ok) {
                result.pixels = QSize(info.width, info.height);
            } else {
                result.error = info.error;
                result.problem = info.problem;
            }
        } else {
            result.bytes = ImageEntry::fileSize(result.path);
        }
        results.append(std::move(result));
        if (results.size() >= kBatchResults || sinceDelivery.elapsed() >= kBatchMilliseconds) {
            deliver(results);
            sinceDelivery.restart();
        }
    }
    if (!mStopping)
        deliver(results);
    if (mStopping) {
        std::lock_guard lock(mMutex);
        mRunning = false;
    }
    ImageCodec::threadShutdown();
}

void ImageFactsReader::deliver(QList<Result>& results)
{
    if (results.isEmpty())
        return;
    // Queued to the owner's thread; the destructor waits for this thread before the object
    // goes, so the call never reaches a deleted object.
    QMetaObject::invokeMethod(
        this, [this, batch = results] { emit factsRead(batch); }, Qt::QueuedConnection);
    results.clear();
}
