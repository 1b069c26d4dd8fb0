#pragma once

#include <QPointer>
#include <QString>

#include "batch/BatchProgress.h"

class QDialog;
class QLabel;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QWidget;

// The window's side of a batch: the progress panel, shown as a window-modal sheet on the main
// window with its bar, its text and its stop button, and the closing alert, a window-modal
// message box on the same window. The worker reaches this object only through calls that
// BatchResizer queues to the main thread, in the order the worker made them.
//
// From open() until the closing alert is dismissed the sheets keep every control of the main
// window, the start control among them, out of reach; isBusy() says so to code that could
// start a batch by other means.
//
// The widgets belong to the window; this object only drives them. Main thread only.
class ProgressSheet : public BatchProgress
{
    Q_OBJECT

public:
    ProgressSheet(QWidget* window, QDialog* panel, QProgressBar* bar, QLabel* text,
        QPushButton* stopButton, QObject* parent = nullptr);

    // Opens the progress panel as a sheet on the main window, with its stop button ready, and
    // returns at once. The worker closes it at the end of the batch.
    void open();
    // True from open() until the closing alert has been dismissed.
    bool isBusy() const { return mBusy; }
    // The closing alert while it is on screen, else null.
    QMessageBox* closingAlert() const;

    void setBarMaximum(double maximum) override;
    void setBarValue(double value) override;
    void setProgressText(const QString& text) override;
    void closeProgressPanel() override;
    // A window-modal message box opened with open(); its dismissal emits closingAlertFinished().
    void showClosingAlert(const ClosingReport& report) override;
    void redrawWindow() override;

signals:
    // The closing alert was dismissed: 1 by its default button ("_OK"), 0 by its alternate
    // button ("_OpenConsole"), the button codes that BatchResizer::closingAlertFinished reads.
    void closingAlertFinished(int buttonCode);

private:
    // The stop button was pressed: the batch ends after the image in progress, which may take
    // a while with a large image, so the sheet says so and the button has done its work.
    void showStopping();

    QWidget* mWindow;
    QDialog* mPanel;
    QProgressBar* mBar;
    QLabel* mText;
    QPushButton* mStopButton;
    QPointer<QMessageBox> mAlert;
    bool mBusy = false;
};
