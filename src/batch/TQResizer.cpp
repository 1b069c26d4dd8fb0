#include "TQResizer.h"

#include <algorithm>
#include <climits>
#include <utility>

#include <QColor>
#include <QDesktopServices>
#include <QMetaObject>
#include <QUrl>

#include "BatchLog.h"
#include "BatchProgress.h"
#include "BatchResult.h"
#include "ClosingReport.h"
#include "core/ImageCodec.h"
#include "core/LocalizedText.h"
#include "core/NoReplaceFile.h"
#include "settings/Settings.h"

// The signal handler of the command-line tool lowers go and abandons the image in progress:
// the stores must not take a lock.
static_assert(std::atomic<bool>::is_always_lock_free);

namespace {

// The types the codec reads, each extension all in lower case and all in upper case.
QStringList acceptedExtensions()
{
    QStringList extensions;
    for (const QString& extension : ImageCodec::sourceExtensions())
        extensions << extension << extension.toUpper();
    return extensions;
}

// Qt's event queue hands a queued call over to the main thread with a futex that
// ThreadSanitizer cannot see. The worker posts every call while holding this mutex and each
// call takes it once on arrival, so the hand-over carries an ordering the sanitizer sees too.
std::mutex& handoffMutex()
{
    static std::mutex mutex;
    return mutex;
}

// Queues call(receiver) to the receiver's thread. Calls queued from one thread arrive in the
// order they were made; the worker never waits for them.
template <typename Call> void post(BatchProgress* receiver, Call call)
{
    if (!receiver)
        return;
    std::lock_guard lock(handoffMutex());
    QMetaObject::invokeMethod(
        receiver,
        [receiver, call]() {
            {
                std::lock_guard arrived(handoffMutex());
            }
            call(receiver);
        },
        Qt::QueuedConnection);
}

// The running number goes up by one per image in 32-bit arithmetic, wrapping like the
// platform's integers instead of overflowing.
int nextNumber(int number)
{
    return static_cast<int>(static_cast<unsigned>(number) + 1u);
}

} // namespace

TQResizer::TQResizer(int capacity)
    : mImgExtensions(acceptedExtensions())
{
    if (capacity > 0) {
        mImagesList.reserve(static_cast<size_t>(capacity));
        mPathCounts.reserve(capacity);
    }
}

TQResizer::~TQResizer()
{
    setGo(false);
    waitForBatch();
}

bool TQResizer::hasImageExtension(const QString& path) const
{
    const QStringView whole(path);
    qsizetype slash = whole.lastIndexOf(QLatin1Char('/'));
#if defined(Q_OS_WIN)
    slash = std::max(slash, whole.lastIndexOf(QLatin1Char('\\')));
#endif
    const QStringView component = whole.mid(slash + 1);
    const qsizetype dot = component.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QStringView extension = component.mid(dot + 1);
    for (const QString& accepted : mImgExtensions) {
        if (extension == accepted)
            return true;
    }
    return false;
}

void TQResizer::addImagesToList(const QStringList& paths)
{
    std::lock_guard lock(mMutex);
    for (const QString& path : paths) {
        if (!hasImageExtension(path))
            continue;
        // The index answers the duplicate test before an entry is built, so a duplicate costs
        // no file-size query. A path given twice is appended once, since it is in the index
        // from its first append on.
        if (mPathCounts.contains(path))
            continue;
        addImageToList(std::make_unique<ImageEntry>(path));
    }
}

void TQResizer::addImageToList(std::unique_ptr<ImageEntry> image)
{
    if (!image)
        return;
    std::lock_guard lock(mMutex);
    ++mPathCounts[image->path()];
    mImagesList.push_back(std::move(image));
}

void TQResizer::removePath(const QString& path)
{
    auto it = mPathCounts.find(path);
    if (it == mPathCounts.end())
        return;
    if (--it.value() <= 0)
        mPathCounts.erase(it);
}

void TQResizer::removeImagesFromList(const std::set<int>& positions)
{
    std::lock_guard lock(mMutex);
    // Removing from the highest position down keeps every position still to be removed
    // meaningful; one compacting pass gives the same list without moving the tail once per
    // removed entry. Positions outside the list are ignored.
    const int count = static_cast<int>(mImagesList.size());
    auto next = positions.lower_bound(0);
    if (next == positions.end() || *next >= count)
        return;
    size_t kept = static_cast<size_t>(*next);
    for (int i = *next; i < count; ++i) {
        auto& entry = mImagesList[static_cast<size_t>(i)];
        if (next != positions.end() && *next == i) {
            removePath(entry->path());
            entry.reset();
            ++next;
            continue;
        }
        if (kept != static_cast<size_t>(i))
            mImagesList[kept] = std::move(entry);
        ++kept;
    }
    mImagesList.resize(kept);
}

ImageEntry* TQResizer::imageAtIndex(int position) const
{
    std::lock_guard lock(mMutex);
    if (position < 0 || static_cast<size_t>(position) >= mImagesList.size())
        return nullptr;
    return mImagesList[static_cast<size_t>(position)].get();
}

bool TQResizer::containsImage(const ImageEntry& image) const
{
    std::lock_guard lock(mMutex);
    return mPathCounts.contains(image.path());
}

int TQResizer::imagesCount() const
{
    std::lock_guard lock(mMutex);
    return static_cast<int>(mImagesList.size());
}

void TQResizer::setImagesList(ImageList images)
{
    std::lock_guard lock(mMutex);
    mImagesList.clear();
    mPathCounts.clear();
    for (auto& image : images)
        addImageToList(std::move(image));
}

int TQResizer::startNumber(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto isSpace = [](char16_t c) {
        return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
    };
    while (i < n && isSpace(text.at(i).unicode()))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    const qint64 limit = negative ? -static_cast<qint64>(INT_MIN) : static_cast<qint64>(INT_MAX);
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            break;
        value = std::min(limit, value * 10 + (c - u'0'));
    }
    return static_cast<int>(negative ? -value : value);
}

void TQResizer::resizeImages(const BatchArguments& arguments)
{
    // Worker thread. The steps are those of a batch: read the start number, set the bar's
    // maximum once, then for each image test the count and go, show its text and value,
    // resize it, log a failure, and test go again.
    mRunning.store(true);
    mAbandon.store(false);
    BatchProgress* progress = arguments.progress();
    const Settings* pref = arguments.pref();
    int number = startNumber(arguments.startNumber());
    // Where unnamed files are not available, a process ended by force leaves its hidden
    // temporary file behind; those of an earlier day go now.
    if (pref)
        NoReplaceFile::removeLeftovers(pref->outputFolder());

    const int maximum = imagesCount();
    post(progress, [maximum](BatchProgress* p) {
        p->setBarMaximum(maximum);
        p->startBarAnimation();
    });

    BatchResult result;
    bool stoppedByFlag = false;
    int position = 0;
    while (pref) {
        if (position >= imagesCount())
            break;
        if (!go()) {
            stoppedByFlag = true;
            break;
        }
        const int count = imagesCount();
        const QString text = LocalizedText::text("_ElaboratingText",
            { QString::number(position + 1), QString::number(static_cast<unsigned>(count)) });
        const double value = position + 1.0;
        // Queued before the resize begins, so the text names the image being processed.
        post(progress, [text, value](BatchProgress* p) {
            p->setProgressText(text);
            p->setBarValue(value);
        });

        ImageEntry* image = imageAtIndex(position);
        if (!image)
            break; // only if entries were removed during the batch, which the window prevents
        const QColor colour = pref->backgroundColor();
        const bool background = pref->isBackgroundEnabled();
        ResizeStatus status;
        const bool written
            = image->writeResized(*pref, number, background, colour, &status, &mAbandon);
        if (!written && mAbandon.load()) {
            // Given up on request: not a failure of the image, which was not processed.
            stoppedByFlag = true;
            break;
        }
        ++result.processed;
        if (written) {
            ++result.written;
        } else {
            const ImageEntry* failed = imageAtIndex(position);
            BatchFailure failure { position, failed->name(), failed->path(), status };
            if (!BatchLog::write(failure.logMessage()))
                result.logWritten = false;
            post(progress, [failure](BatchProgress* p) { p->imageFailed(failure); });
            result.failures.append(failure);
        }

        if (!go()) {
            stoppedByFlag = true;
            break;
        }
        number = nextNumber(number);
        ++position;
    }
    result.listCount = imagesCount();
    result.stopped = stoppedByFlag && result.notProcessed() > 0;
    // From here on a new batch may start: what is left only queues calls.
    mRunning.store(false);

    post(progress, [](BatchProgress* p) {
        p->stopBarAnimation();
        p->setProgressText(QString());
        p->closeProgressPanel();
    });
    const ClosingReport report = ClosingReport::forResult(result);
    post(progress, [report](BatchProgress* p) {
        p->showClosingAlert(report);
        p->redrawWindow();
    });
}

void TQResizer::alertDidEnd(int returnCode)
{
    if (returnCode != ClosingReport::kAlternateButtonCode)
        return;
    // Whether a viewer could be started is not reported: the alert has already gone.
    QDesktopServices::openUrl(QUrl::fromLocalFile(BatchLog::logFilePath()));
}

bool TQResizer::startBatch(const BatchArguments& arguments)
{
    if (isRunning())
        return false;
    // An earlier worker past its loop only queues its last calls: joining it is immediate.
    waitForBatch();
    mRunning.store(true);
    mWorker = std::thread([this, arguments] {
        resizeImages(arguments);
        ImageCodec::threadShutdown();
    });
    return true;
}

void TQResizer::waitForBatch()
{
    if (mWorker.joinable())
        mWorker.join();
}
