#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <QObject>

#include "batch/BatchJob.h"
#include "batch/ClosingReport.h"

class QDialog;
class QLabel;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QWidget;

// The window's side of a batch: the progress panel, a dialog over the main window with its bar,
// its text and its stop button, and the closing alert, a window-modal message box on the main
// window. It follows a batch job's signals, which arrive on the main thread in the order the
// batch made them.
//
// The panel is not modal, so that the main window can still be closed during a batch (the
// caller disables its controls meanwhile); isBusy() says from open() until the closing alert
// is dismissed that no batch may start, to code that could start one by other means. Escape,
// in any of the application's windows, and closing the panel mean "stop", like its button.
//
// Without a main window (a preset run from the file manager) the panel is a window of its own
// and so is the closing alert.
//
// The widgets belong to the window; this object only drives them. Main thread only.
class ProgressSheet : public QObject
{
    Q_OBJECT

public:
    // imageName and time: the labels that name the image in progress and show the elapsed and
    // remaining time. window: the main window, or null when there is none.
    ProgressSheet(QWidget* window, QDialog* panel, QProgressBar* bar, QLabel* text,
        QLabel* imageName, QLabel* time, QPushButton* stopButton, QObject* parent = nullptr);

    // A duration as the sheet and the alert show it: "3.4 s" under 10 s, "12 s", "1 min 20 s",
    // "2 h 5 min".
    static QString durationText(qint64 milliseconds);
    // The folder that the closing alert's "Show Files" opens; set before each batch.
    void setOutputFolder(const QString& folder) { mOutputFolder = folder; }

    // Shows the progress panel over the main window, with its stop button ready, and returns
    // at once. The worker closes it at the end of the batch.
    void open();
    // True from open() until the closing alert has been dismissed.
    bool isBusy() const { return mBusy; }
    // The batch in progress ends the application: no closing alert follows it.
    void endWithoutAlert() { mAlertWanted = false; }
    // The closing alert while it is on screen, else null.
    QMessageBox* closingAlert() const;
    // Shows the closing alert of a batch that ended without one (endWithoutAlert()): a
    // window-modal message box over the main window, or a window of its own.
    void showClosingAlert(const ClosingReport& report);
    // The closing alert's text under its title: what was done, then the counts of the batch
    // and the time it took on a line of their own.
    QString reportText(const ClosingReport& report) const;

    // Shows the progress of the job's batches from now on.
    void follow(BatchJob* job);

private:
    void batchStarted(int imageCount);
    void imageStarted(int position, int imageCount, const QString& name);
    // Ends the sheet, shows the closing alert (a window-modal message box opened with open())
    // and redraws the window at once.
    void batchFinished(const BatchResult& result);
    // The stop button was pressed: the batch ends after the image in progress, which may take
    // a while with a large image, so the sheet says so and the button has done its work.
    void showStopping();
    // The elapsed and the remaining time, once a few images have given a pace.
    void showTimes();
    // The counts of the batch and the time it took, one line under the alert's text.
    QString countsLine(const BatchResult& result) const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* mWindow;
    QDialog* mPanel;
    QProgressBar* mBar;
    QLabel* mText;
    QLabel* mImageName;
    QLabel* mTime;
    QPushButton* mStopButton;
    QPointer<QMessageBox> mAlert;
    bool mBusy = false;
    bool mAlertWanted = true;
    QString mOutputFolder;
    // From open() on; the time when the image in progress began, and how many were done then.
    QElapsedTimer mClock;
    qint64 mImageStartedAt = 0;
    int mImagesDone = 0;
    int mImageCount = 0;
    QTimer mTicker; // ticks the times while the panel is up
};
