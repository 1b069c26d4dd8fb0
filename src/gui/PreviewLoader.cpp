#include "PreviewLoader.h"

#include <QCoreApplication>

#include "codec/FileNames.h"
#include "codec/ImageCodec.h"

namespace {

// Previews kept: enough to go back and forth over the last rows visited.
constexpr int kCachedPreviews = 16;

} // namespace

PreviewLoader::PreviewLoader(QObject* parent)
    : QObject(parent)
    , mMaxPixels(ImageCodec::kDefaultMaxPixels)
    , mCache(kCachedPreviews)
{
    qRegisterMetaType<PreviewLoader::Preview>();
}

PreviewLoader::~PreviewLoader()
{
    mStopping = true;
    std::lock_guard lock(mMutex);
    mWaiting.reset();
}

QString PreviewLoader::keyOf(const QString& path)
{
    const FileNames::Status info = FileNames::status(path);
    return path + QLatin1Char('\n') + QString::number(info.size) + QLatin1Char('\n')
        + QString::number(info.modified);
}

std::optional<PreviewLoader::Preview> PreviewLoader::cached(const QString& path, int box) const
{
    const Preview* preview = mCache.object(keyOf(path));
    if (!preview || (preview->box < box && !preview->isWhole() && preview->error.isEmpty()))
        return std::nullopt;
    return *preview;
}

void PreviewLoader::load(const QString& path, int box)
{
    Request request { path, keyOf(path), box, ++mSerial };
    std::lock_guard lock(mMutex);
    mWaiting = std::move(request);
    if (mRunning)
        return;
    mRunning = true;
    mWorker.post([this] { run(); });
}

void PreviewLoader::cancel()
{
    ++mSerial;
    std::lock_guard lock(mMutex);
    mWaiting.reset();
}

void PreviewLoader::run()
{
    // Worker thread: sees only the request taken from mWaiting and the atomics.
    while (!mStopping) {
        Request request;
        {
            std::lock_guard lock(mMutex);
            if (!mWaiting) {
                mRunning = false;
                break;
            }
            request = std::move(*mWaiting);
            mWaiting.reset();
        }
        Preview preview;
        preview.box = request.box;
        // Decoded in a worker process: a file that crashes its decoder costs its preview.
        QString openError;
        const FileDescriptor source = ImageCodec::openSourceFile(request.path, &openError);
        const ImageCodec::PreviewResult decoded = source.isOpen()
            ? mDecoder.preview(source.get(), request.path, request.box, mMaxPixels)
            : ImageCodec::PreviewResult();
        preview.image = decoded.image;
        preview.sourceSize = decoded.sourceSize;
        preview.animationFrames = decoded.animationFrames;
        preview.error = decoded.error;
        preview.problem = decoded.problem;
        if (preview.image.isNull() && preview.error.isEmpty()) {
            // The header tells why; a file whose header reads but whose data does not is
            // damaged past its header.
            const ImageCodec::SourceInfo info = source.isOpen()
                ? mDecoder.probe(source.get(), request.path, mMaxPixels)
                : ImageCodec::SourceInfo { .error = openError,
                      .problem = ImageCodec::SourceProblem::Unreadable };
            preview.error = info.ok
                ? QCoreApplication::translate("PreviewLoader", "the image data cannot be decoded")
                : info.error;
            preview.problem = info.ok ? ImageCodec::SourceProblem::Damaged : info.problem;
            if (info.ok) {
                preview.sourceSize = QSize(info.width, info.height);
                preview.animationFrames = info.animationFrames();
            }
        }
        finish(request, preview);
    }
    if (mStopping) {
        std::lock_guard lock(mMutex);
        mRunning = false;
    }
    ImageCodec::threadShutdown();
}

void PreviewLoader::finish(const Request& request, const Preview& preview)
{
    // Queued to the owner's thread; the destructor waits for this thread before the object
    // goes, so the call never reaches a deleted object.
    QMetaObject::invokeMethod(
        this,
        [this, request, preview] {
            mCache.insert(request.key, new Preview(preview));
            if (request.serial == mSerial)
                emit loaded(request.path, preview);
        },
        Qt::QueuedConnection);
}
