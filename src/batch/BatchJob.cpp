#include "BatchJob.h"

#include <algorithm>
#include <climits>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include <QMetaObject>
#include <QScopeGuard>

#include "BatchLog.h"
#include "ImageList.h"
#include "BatchResult.h"
#include "ClosingReport.h"
#include "codec/FileNames.h"
#include "codec/ImageCodec.h"
#include "core/NoReplaceFile.h"
#include "worker/WorkerProcess.h"

// The signal handler of the command-line tool lowers the run flag and abandons the image in
// progress: the stores must not take a lock.
static_assert(std::atomic<bool>::is_always_lock_free);

namespace {

// Qt's event queue hands a queued call over to the main thread with a futex that
// ThreadSanitizer cannot see. The worker posts every call while holding this mutex and each
// call takes it once on arrival, so the hand-over carries an ordering the sanitizer sees too.
std::mutex& handoffMutex()
{
    static std::mutex mutex;
    return mutex;
}

// The running number of the image at a position: it goes up by one per image of the list,
// failed ones included, in 32-bit arithmetic, wrapping like the platform's integers instead of
// overflowing. It depends on the position only, whichever image is rendered first.
int numberAt(int start, int position)
{
    return static_cast<int>(static_cast<unsigned>(start) + static_cast<unsigned>(position));
}

// The renders of one batch, on threads of their own, each with a worker process that decodes
// and encodes: each job renders one image, once per output of the batch, into files without a
// name (ImageEntry::render), and the batch thread takes the results back one by one, in list
// order. An image's outputs are rendered one after another on one thread, so an entry is
// never rendered on two threads at once. The workers decide nothing: which image starts, and
// when, is the batch thread's (it hands out a job only while the run flag is up), and a worker
// never reads the list or the flag, and never waits for anything but its next job.
//
// Threads: constructed, fed and destroyed on the batch thread; render() runs on the workers.
class RenderPool
{
public:
    struct Job
    {
        int position = 0;
        ImageEntry* image = nullptr;
        int number = 0;
    };
    using Renders = std::vector<ImageEntry::Rendered>; // one per output, in their order

    RenderPool(int workers, const QList<ResizeOptions>& outputs, const std::atomic<bool>* abandon)
        : mOutputs(outputs)
        , mAbandon(abandon)
    {
        mThreads.reserve(static_cast<size_t>(workers));
        for (int i = 0; i < workers; ++i) {
            mThreads.emplace_back([this, workers] {
                // Each thread hands its images to a worker process of its own.
                const ResizeOptions& limits = mOutputs.first();
                WorkerProcess worker({ .memoryMiB = limits.decoderMemoryMiB,
                    .seconds = limits.decoderSeconds,
                    .imagesAtOnce = workers });
                work(worker);
                ImageCodec::threadShutdown();
            });
        }
    }

    // Jobs not begun are dropped; the renders in progress end (an abandoned one at once) and
    // any result not taken is discarded with its unnamed files.
    ~RenderPool()
    {
        {
            std::lock_guard lock(mMutex);
            mClosing = true;
            mJobs.clear();
        }
        mJobReady.notify_all();
        for (std::thread& thread : mThreads)
            thread.join();
    }

    RenderPool(const RenderPool&) = delete;
    RenderPool& operator=(const RenderPool&) = delete;

    void submit(const Job& job)
    {
        {
            std::lock_guard lock(mMutex);
            mJobs.push_back(job);
        }
        mJobReady.notify_one();
    }

    // Waits for the renders of a position that was submitted and hands them over.
    Renders take(int position)
    {
        std::unique_lock lock(mMutex);
        mResultReady.wait(lock, [this, position] { return mResults.count(position) > 0; });
        auto found = mResults.find(position);
        Renders renders = std::move(found->second);
        mResults.erase(found);
        return renders;
    }

private:
    void work(WorkerProcess& worker)
    {
        for (;;) {
            Job job;
            {
                std::unique_lock lock(mMutex);
                mJobReady.wait(lock, [this] { return mClosing || !mJobs.empty(); });
                if (mJobs.empty())
                    return;
                job = mJobs.front();
                mJobs.pop_front();
            }
            Renders renders;
            renders.reserve(static_cast<size_t>(mOutputs.size()));
            for (const ResizeOptions& output : mOutputs)
                renders.push_back(job.image->render(output, job.number, worker, mAbandon));
            {
                std::lock_guard lock(mMutex);
                mResults.emplace(job.position, std::move(renders));
            }
            mResultReady.notify_all();
        }
    }

    const QList<ResizeOptions>& mOutputs;
    const std::atomic<bool>* mAbandon;

    std::mutex mMutex;
    std::condition_variable mJobReady;
    std::condition_variable mResultReady;
    std::deque<Job> mJobs;
    std::map<int, Renders> mResults;
    bool mClosing = false;
    std::vector<std::thread> mThreads;
};

} // namespace

// Queued to this object's thread; the signal is emitted there. Calls queued from one thread
// arrive in the order they were made; the batch never waits for them.
template <typename Emit> void BatchJob::post(Emit emitSignal)
{
    std::lock_guard lock(handoffMutex());
    QMetaObject::invokeMethod(
        this,
        [this, emitSignal]() {
            {
                std::lock_guard arrived(handoffMutex());
            }
            emitSignal(this);
        },
        Qt::QueuedConnection);
}

BatchJob::BatchJob(QObject* parent)
    : QObject(parent)
{
}

BatchJob::~BatchJob()
{
    stop();
    wait();
}

int BatchJob::parseStartNumber(const QString& text)
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

int BatchJob::runningNumber(int startNumber, int position)
{
    return numberAt(startNumber, position);
}

void BatchJob::run(ImageList* images, const BatchArguments& arguments)
{
    // Batch thread. The steps are those of a batch: read the start number, say how many images
    // there are, then for each image test the count and the run flag, say which image comes
    // next, resize it, log a failure, and test the flag again. Up to jobs images are rendered
    // at once, each into a file without a name, on the pool's threads; this thread hands them
    // out and names their files in list order, so that names, "first wins", the signals, the
    // log and the result are those of a batch that writes one image after another.
    const QList<ResizeOptions>& outputs = arguments.outputs();
    const int startNumber = parseStartNumber(arguments.options().startNumber);
    // Where unnamed files are not available, a process ended by force leaves its hidden
    // temporary file behind; those of an earlier day go now.
    for (const ResizeOptions& output : outputs)
        NoReplaceFile::removeLeftovers(output.outputFolder);

    const int imageCount = images->count();
    post([imageCount](BatchJob* job) { emit job->started(imageCount); });

    BatchResult result;
    bool stoppedByFlag = false;
    {
        const int jobs = std::max(1, arguments.jobs());
        ImageCodec::setImagesAtOnce(jobs);
        // Renders outside a batch (previews, a measurement) have the processor to themselves.
        const auto oneAtOnce = qScopeGuard([] { ImageCodec::setImagesAtOnce(1); });
        RenderPool pool(jobs, outputs, &mAbandon);
        // Images from position on are not written yet; those before handedOut were given to
        // the pool. At most jobs images are out at once, finished ones waiting for their turn
        // included, and none is handed out once the run flag is down.
        int position = 0;
        int handedOut = 0;
        auto handOut = [&] {
            while (
                handedOut < position + jobs && handedOut < images->count() && mMayContinue.load()) {
                ImageEntry* image = images->at(handedOut);
                if (!image)
                    return; // only if entries were removed during the batch, which the window
                            // prevents
                pool.submit({ handedOut, image,
                    numberAt(startNumber, arguments.numberPosition(handedOut)) });
                ++handedOut;
            }
        };
        for (;;) {
            if (position == handedOut) {
                if (position >= images->count())
                    break;
                if (!mMayContinue.load()) {
                    stoppedByFlag = true;
                    break;
                }
                handOut();
                if (position == handedOut)
                    break; // an entry removed during the batch
            }
            const int count = images->count();
            const ImageEntry* current = images->at(position);
            const QString name = current ? current->name() : QString();
            // Queued before this image's result is awaited, so the receiver learns which
            // image's outcome comes next.
            post([position, count, name](
                     BatchJob* job) { emit job->imageStarted(position, count, name); });

            RenderPool::Renders renders = pool.take(position);
            if (mAbandon.load()) {
                // Given up on request: not a failure of the image, which was not processed;
                // the pool discards whatever else was rendered.
                stoppedByFlag = true;
                break;
            }
            const ImageEntry* entry = images->at(position);
            for (size_t output = 0; output < renders.size(); ++output) {
                ImageEntry::Rendered& rendered = renders[output];
                const QString& preset = outputs.at(qsizetype(output)).presetName;
                const ResizeStatus status = ImageEntry::commit(rendered);
                ++result.processed;
                BatchImageReport completed { position, entry->path(), rendered.writtenPath, status,
                    static_cast<int>(entry->pixelSize().width),
                    static_cast<int>(entry->pixelSize().height), rendered.outputWidth,
                    rendered.outputHeight, 0, rendered.milliseconds, preset };
                if (!completed.output.isEmpty())
                    completed.bytes = FileNames::status(completed.output).size;
                if (status.ok()) {
                    ++result.written;
                    if (!status.message.isEmpty()) // what of the source was written: a first frame
                        result.notes.append({ entry->name(), status.message, preset });
                } else if (status.isSkipped()) {
                    // Left alone by choice (a file of its name exists, or its output was not
                    // smaller than the source): neither logged nor failed.
                    ++result.skipped;
                    if (status.error == ResizeError::NotSmaller)
                        ++result.notSmaller;
                } else {
                    BatchFailure failure { position, entry->name(), entry->path(), status, preset };
                    if (!BatchLog::write(failure.logMessage()))
                        result.logWritten = false;
                    post([failure](BatchJob* job) { emit job->imageFailed(failure); });
                    result.failures.append(failure);
                }
                post([completed](BatchJob* job) { emit job->imageFinished(completed); });
            }
            // The next image starts only now that this one is written, and only while the
            // run flag is up.
            ++position;
            handOut();
        }
    }
    result.listCount = images->count();
    result.outputsPerImage = static_cast<int>(outputs.size());
    result.stopped = stoppedByFlag && result.notProcessed() > 0;
    // From here on a new batch may start: what is left only queues calls.
    mRunning.store(false);

    post([result](BatchJob* job) { emit job->finished(result); });
}

bool BatchJob::start(ImageList* images, const BatchArguments& arguments)
{
    if (isRunning())
        return false;
    // An earlier worker past its loop only queues its last calls: joining it is immediate.
    wait();
    mMayContinue.store(true);
    mAbandon.store(false);
    mRunning.store(true);
    mWorker = std::thread([this, images, arguments] {
        run(images, arguments);
        ImageCodec::threadShutdown();
    });
    return true;
}

void BatchJob::wait()
{
    if (mWorker.joinable())
        mWorker.join();
}
