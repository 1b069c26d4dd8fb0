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
// never rendered on two threads at once. The workers decide little: which images are
// rendered, in which order, is the batch thread's; it keeps up to one job per worker waiting,
// so that a worker that finishes starts its next image at once, before that image's turn to be
// named has come and without waiting for the batch thread. A worker drops a waiting job
// instead of starting it once the run flag is down (its renders come back empty), never reads
// the list, and never waits for anything but its next job.
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
        bool lastRound = false; // no image waits to start after those in progress
    };
    using Renders = std::vector<ImageEntry::Rendered>; // one per output, in their order

    RenderPool(int workers, const QList<ResizeOptions>& outputs, const std::atomic<bool>* mayStart,
        const std::atomic<bool>* abandon)
        : mOutputs(outputs)
        , mMayStart(mayStart)
        , mAbandon(abandon)
        , mWorkers(workers)
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

    // Whether fewer jobs wait than there are workers; submit() only then.
    bool wantsJob()
    {
        std::lock_guard lock(mMutex);
        return wantsJobLocked();
    }

    void submit(const Job& job)
    {
        {
            std::lock_guard lock(mMutex);
            mJobs.push_back(job);
        }
        mJobReady.notify_one();
    }

    // Waits until the renders of a submitted position are done, or, with offering, until the
    // pool wants another job; true when the renders are there.
    bool waitFor(int position, bool offering)
    {
        std::unique_lock lock(mMutex);
        mChanged.wait(lock, [this, position, offering] {
            return mResults.count(position) > 0 || (offering && wantsJobLocked());
        });
        return mResults.count(position) > 0;
    }

    // Waits until a worker has taken the job of a submitted position; false when it dropped
    // it because the run flag was down.
    bool waitBegun(int position)
    {
        std::unique_lock lock(mMutex);
        mChanged.wait(lock, [this, position] {
            return std::none_of(mJobs.begin(), mJobs.end(),
                [position](const Job& job) { return job.position == position; });
        });
        const auto found = mResults.find(position);
        return found == mResults.end() || !found->second.empty();
    }

    // Hands over the renders of a position that waitFor() found done.
    Renders take(int position)
    {
        std::lock_guard lock(mMutex);
        auto found = mResults.find(position);
        Renders renders = std::move(found->second);
        mResults.erase(found);
        return renders;
    }

private:
    bool wantsJobLocked() const { return mJobs.size() < static_cast<size_t>(mWorkers); }

    void work(WorkerProcess& worker)
    {
        for (;;) {
            Job job;
            bool dropped = false;
            {
                std::unique_lock lock(mMutex);
                mJobReady.wait(lock, [this] { return mClosing || !mJobs.empty(); });
                if (mJobs.empty())
                    return;
                job = mJobs.front();
                mJobs.pop_front();
                dropped = !mMayStart->load();
                if (dropped)
                    mResults.emplace(job.position, Renders());
            }
            mChanged.notify_all();
            if (dropped)
                continue;
            // The images of the last round get more threads, so that the last to finish does
            // not run on one core's share while the others are idle.
            worker.setThreadsPerImage(ImageCodec::threadsPerImage(mWorkers, job.lastRound));
            Renders renders;
            renders.reserve(static_cast<size_t>(mOutputs.size()));
            for (const ResizeOptions& output : mOutputs)
                renders.push_back(job.image->render(output, job.number, worker, mAbandon));
            {
                std::lock_guard lock(mMutex);
                mResults.emplace(job.position, std::move(renders));
            }
            mChanged.notify_all();
        }
    }

    const QList<ResizeOptions>& mOutputs;
    const std::atomic<bool>* mMayStart;
    const std::atomic<bool>* mAbandon;
    const int mWorkers;

    std::mutex mMutex;
    std::condition_variable mJobReady;
    std::condition_variable mChanged; // a result came, or a job was taken
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
        RenderPool pool(jobs, outputs, &mMayContinue, &mAbandon);
        // Images from position on are not written yet; those before handedOut were given to
        // the pool, none once the run flag is down. A finished image waits for its turn
        // without holding its worker back, so that an image slower than the ones after it does
        // not leave the other cores idle; at most imagesAhead are out at once, finished ones
        // included (each holds its unnamed files open). One job keeps to one image at a time.
        const int imagesAhead = jobs == 1 ? 1 : std::min(2 * jobs, jobs + 32);
        int position = 0;
        int handedOut = 0;
        auto mayHandOut = [&] {
            // An entry missing only if entries were removed during the batch, which the window
            // prevents.
            return handedOut < position + imagesAhead && handedOut < images->count()
                && images->at(handedOut) && mMayContinue.load();
        };
        auto handOut = [&] {
            while (mayHandOut() && pool.wantsJob()) {
                ImageEntry* image = images->at(handedOut);
                const bool lastRound = images->count() - handedOut - 1 < jobs;
                pool.submit({ handedOut, image,
                    numberAt(startNumber, arguments.numberPosition(handedOut)), lastRound });
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
            if (!pool.waitBegun(position)) {
                stoppedByFlag = true; // not begun: the run flag was down
                break;
            }
            const int count = images->count();
            const ImageEntry* current = images->at(position);
            const QString name = current ? current->name() : QString();
            // Queued before this image's result is awaited, so the receiver learns which
            // image's outcome comes next.
            post([position, count, name](
                     BatchJob* job) { emit job->imageStarted(position, count, name); });

            while (!pool.waitFor(position, mayHandOut()))
                handOut();
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
    mWorker = std::thread([this, images, arguments] { run(images, arguments); });
    return true;
}

void BatchJob::wait()
{
    if (mWorker.joinable())
        mWorker.join();
}
