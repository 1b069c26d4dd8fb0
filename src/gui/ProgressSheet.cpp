#include "ProgressSheet.h"

#include <algorithm>
#include <cmath>
#include <climits>

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

#include "gui/DesktopLauncher.h"
#include "batch/BatchLog.h"

namespace {

// The pace of a batch shows only after this many images, or after kTimesAfterMs with one
// image done: the first images alone say little about the rest.
constexpr int kTimesAfterImages = 3;
constexpr qint64 kTimesAfterMs = 2000;

} // namespace

ProgressSheet::ProgressSheet(QWidget* window, QDialog* panel, QProgressBar* bar, QLabel* text,
    QLabel* imageName, QLabel* time, QPushButton* stopButton, QObject* parent)
    : QObject(parent)
    , mWindow(window)
    , mPanel(panel)
    , mBar(bar)
    , mText(text)
    , mImageName(imageName)
    , mTime(time)
    , mStopButton(stopButton)
{
    // The text is a number pattern from the string table, never markup; a file name neither.
    mText->setTextFormat(Qt::PlainText);
    mImageName->setTextFormat(Qt::PlainText);
    mTime->setTextFormat(Qt::PlainText);
    connect(mStopButton, &QPushButton::clicked, this, &ProgressSheet::showStopping);
    // Escape stops the batch whichever of the application's windows has the keyboard: a click
    // on the main window takes it from the panel.
    auto* stopKey = new QShortcut(QKeySequence::Cancel, mPanel);
    stopKey->setContext(Qt::ApplicationShortcut);
    connect(stopKey, &QShortcut::activated, mStopButton, &QPushButton::click);
    mPanel->installEventFilter(this);
    mTicker.setInterval(1000);
    connect(&mTicker, &QTimer::timeout, this, &ProgressSheet::showTimes);
}

QString ProgressSheet::durationText(qint64 milliseconds)
{
    const qint64 ms = std::max<qint64>(0, milliseconds);
    if (ms < 9950)
        return tr("%1 s").arg(QLocale().toString(double(ms) / 1000.0, 'f', 1));
    const qint64 seconds = (ms + 500) / 1000;
    if (seconds < 60)
        return tr("%1 s").arg(seconds);
    if (seconds < 3600) {
        if (seconds % 60 == 0)
            return tr("%1 min").arg(seconds / 60);
        return tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    }
    const qint64 minutes = (seconds + 30) / 60;
    if (minutes % 60 == 0)
        return tr("%1 h").arg(minutes / 60);
    return tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

void ProgressSheet::open()
{
    mBusy = true;
    mStopButton->setEnabled(true);
    mText->clear();
    mImageName->clear();
    mTime->clear();
    mImagesDone = 0;
    mImageCount = 0;
    mImageStartedAt = 0;
    mClock.start();
    mTicker.start();
    mAlertWanted = true;
    mPanel->show();
}

QMessageBox* ProgressSheet::closingAlert() const
{
    return mAlert.data();
}

void ProgressSheet::follow(BatchJob* job)
{
    connect(job, &BatchJob::started, this, &ProgressSheet::batchStarted);
    connect(job, &BatchJob::imageStarted, this, &ProgressSheet::imageStarted);
    connect(job, &BatchJob::finished, this, &ProgressSheet::batchFinished);
}

void ProgressSheet::batchStarted(int imageCount)
{
    // A maximum of 0 would turn the bar into a busy indicator; a batch has one image at least.
    mBar->setRange(0, std::max(1, imageCount));
    mImageCount = mBar->maximum();
}

void ProgressSheet::imageStarted(int position, int imageCount, const QString& name)
{
    //: %1 the image being processed, counted from 1, %2 the number of images.
    mText->setText(tr("Processing image %1 of %2…").arg(position + 1).arg(imageCount));
    // A long name is shortened in its middle, where names differ least.
    const int width = std::max(mImageName->width(), mPanel->minimumWidth() - 40);
    mImageName->setText(mImageName->fontMetrics().elidedText(name, Qt::ElideMiddle, width));
    mImageName->setToolTip(name);
    // Files handed over during a batch take the position past the maximum set at its start:
    // the bar then shows full (QProgressBar would ignore a value out of its range).
    const int current = position + 1;
    mBar->setValue(std::clamp(current, mBar->minimum(), mBar->maximum()));
    // The images before the one now in progress are done.
    mImagesDone = position;
    mImageCount = std::max(mImageCount, current);
    mImageStartedAt = mClock.elapsed();
    showTimes();
}

void ProgressSheet::showTimes()
{
    if (!mBusy || !mPanel->isVisible())
        return;
    const qint64 elapsed = mClock.elapsed();
    if (mImagesDone < kTimesAfterImages && !(mImagesDone >= 1 && elapsed >= kTimesAfterMs))
        return;
    // The average time per image so far, for the images left; the one in progress counts down.
    const int left = std::max(0, mImageCount - mImagesDone);
    const qint64 estimate = mImageStartedAt / mImagesDone * left;
    const qint64 remaining = std::max<qint64>(0, estimate - (elapsed - mImageStartedAt));
    mTime->setText(
        tr("%1 elapsed, about %2 left").arg(durationText(elapsed), durationText(remaining)));
}

void ProgressSheet::showStopping()
{
    mStopButton->setEnabled(false);
    mText->setText(tr("Stopping after the current image…"));
}

void ProgressSheet::batchFinished(const BatchResult& result)
{
    // Ends the sheet without a close event: a close of the visible panel means "stop".
    mTicker.stop();
    mText->clear();
    mPanel->done(QDialog::Accepted);
    if (!mAlertWanted) {
        mBusy = false;
        return;
    }
    showClosingAlert(ClosingReport::forResult(result));
    if (mWindow)
        mWindow->repaint();
}

void ProgressSheet::showClosingAlert(const ClosingReport& report)
{
    mBusy = true;
    auto* alert = new QMessageBox(mWindow);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setIcon(report.style == ClosingReport::Style::Critical ? QMessageBox::Critical
                                                                  : QMessageBox::Information);
    alert->setWindowTitle(report.messageText);
    alert->setTextFormat(Qt::PlainText);
    alert->setText(report.messageText);
    alert->setInformativeText(reportText(report));
    if (!report.detailedText.isEmpty())
        alert->setDetailedText(report.detailedText);

    QPushButton* okButton = alert->addButton(report.defaultButton, QMessageBox::AcceptRole);
    // The log and the output folder open beside the alert, which stays up for the other.
    if (report.hasAlternateButton) {
        QPushButton* openLog = alert->addButton(report.alternateButton, QMessageBox::ActionRole);
        disconnect(openLog, &QAbstractButton::clicked, nullptr, nullptr);
        connect(openLog, &QAbstractButton::clicked, alert, [alert] {
            DesktopLauncher::openFile(
                BatchLog::logFilePath(), alert, tr("No viewer could be started for the log."));
        });
    }
    QPushButton* showFiles = alert->addButton(tr("Show Files"), QMessageBox::ActionRole);
    disconnect(showFiles, &QAbstractButton::clicked, nullptr, nullptr);
    const QString folder = QFileInfo(mOutputFolder).absoluteFilePath();
    connect(showFiles, &QAbstractButton::clicked, alert, [alert, folder] {
        DesktopLauncher::showFolder(
            folder, alert, tr("No file manager could be started to show the folder."));
    });
    alert->setDefaultButton(okButton);
    // Escape or the title bar's close button dismiss the alert like its default button.
    alert->setEscapeButton(okButton);

    connect(alert, &QMessageBox::finished, this, [this] { mBusy = false; });
    mAlert = alert;
    if (mWindow)
        alert->setWindowModality(Qt::WindowModal);
    alert->open();
}

QString ProgressSheet::reportText(const ClosingReport& report) const
{
    return report.informativeText + QStringLiteral("\n\n") + countsLine(report.result);
}

QString ProgressSheet::countsLine(const BatchResult& result) const
{
    // Written is always said; the others only when there were some. A stopped batch's text
    // has said every count already: only the time is added.
    QStringList parts;
    if (!result.stopped) {
        parts << tr("Written: %1").arg(result.written);
        if (result.errorCount() > 0)
            parts << tr("Failed: %1").arg(result.errorCount());
        if (result.skipped > 0)
            parts << tr("Skipped: %1").arg(result.skipped);
        if (result.notProcessed() > 0)
            parts << tr("Not processed: %1").arg(result.notProcessed());
    }
    parts << tr("Time: %1").arg(durationText(mClock.isValid() ? mClock.elapsed() : 0));
    return parts.join(tr(" · "));
}

bool ProgressSheet::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != mPanel)
        return false;
    // The sheet stays until the batch closes it: Escape (when no window of the application is
    // active, so that the shortcut does not apply) and the panel's close button mean "stop",
    // like the stop button, rather than hiding a running batch.
    if (event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        mStopButton->click();
        return true;
    }
    if (event->type() == QEvent::Close && mPanel->isVisible()) {
        mStopButton->click();
        event->ignore();
        return true;
    }
    return false;
}
