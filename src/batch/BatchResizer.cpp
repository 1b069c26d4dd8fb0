#include "BatchResizer.h"

#include <algorithm>
#include <climits>
#include <mutex>

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

BatchResizer::BatchResizer(int capacity)
    : mImages(capacity)
{
}

BatchResizer::~BatchResizer()
{
    setMayContinue(false);
    wait();
}

int BatchResizer::parseStartNumber(const QString& text)
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

void BatchResizer::run(const BatchArguments& arguments)
{
    // Worker thread. The steps are those of a batch: read the start number, set the bar's
    // maximum once, then for each image test the count and the run flag, show its text and value,
    // resize it, log a failure, and test the flag again.
    mRunning.store(true);
    mAbandon.store(false);
    BatchProgress* progress = arguments.progress();
    const Settings* settings = arguments.settings();
    int number = parseStartNumber(arguments.startNumber());
    // Where unnamed files are not available, a process ended by force leaves its hidden
    // temporary file behind; those of an earlier day go now.
    if (settings)
        NoReplaceFile::removeLeftovers(settings->outputFolder());

    const int maximum = mImages.count();
    post(progress, [maximum](BatchProgress* p) {
        p->setBarMaximum(maximum);
        p->startBarAnimation();
    });

    BatchResult result;
    bool stoppedByFlag = false;
    int position = 0;
    while (settings) {
        if (position >= mImages.count())
            break;
        if (!mayContinue()) {
            stoppedByFlag = true;
            break;
        }
        const int count = mImages.count();
        const QString text = LocalizedText::text("_ElaboratingText",
            { QString::number(position + 1), QString::number(static_cast<unsigned>(count)) });
        const double value = position + 1.0;
        // Queued before the resize begins, so the text names the image being processed.
        post(progress, [text, value](BatchProgress* p) {
            p->setProgressText(text);
            p->setBarValue(value);
        });

        ImageEntry* image = mImages.at(position);
        if (!image)
            break; // only if entries were removed during the batch, which the window prevents
        const QColor colour = settings->backgroundColor();
        const bool background = settings->isBackgroundEnabled();
        ResizeStatus status;
        const bool written
            = image->writeResized(*settings, number, background, colour, &status, &mAbandon);
        if (!written && mAbandon.load()) {
            // Given up on request: not a failure of the image, which was not processed.
            stoppedByFlag = true;
            break;
        }
        ++result.processed;
        if (written) {
            ++result.written;
            if (!status.message.isEmpty())
                result.notes.append({ image->name(), status.message });
        } else {
            const ImageEntry* failed = mImages.at(position);
            BatchFailure failure { position, failed->name(), failed->path(), status };
            if (!BatchLog::write(failure.logMessage()))
                result.logWritten = false;
            post(progress, [failure](BatchProgress* p) { p->imageFailed(failure); });
            result.failures.append(failure);
        }

        if (!mayContinue()) {
            stoppedByFlag = true;
            break;
        }
        number = nextNumber(number);
        ++position;
    }
    result.listCount = mImages.count();
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

void BatchResizer::closingAlertFinished(int buttonCode)
{
    if (buttonCode != ClosingReport::kAlternateButtonCode)
        return;
    // Whether a viewer could be started is not reported: the alert has already gone.
    QDesktopServices::openUrl(QUrl::fromLocalFile(BatchLog::logFilePath()));
}

bool BatchResizer::start(const BatchArguments& arguments)
{
    if (isRunning())
        return false;
    // An earlier worker past its loop only queues its last calls: joining it is immediate.
    wait();
    mRunning.store(true);
    mWorker = std::thread([this, arguments] {
        run(arguments);
        ImageCodec::threadShutdown();
    });
    return true;
}

void BatchResizer::wait()
{
    if (mWorker.joinable())
        mWorker.join();
}
