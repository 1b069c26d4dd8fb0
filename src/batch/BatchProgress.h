#pragma once

#include <QObject>
#include <QString>

#include "ClosingReport.h"

// The receiver of a batch's progress: the roles of the progress bar, the progress text, the
// progress panel and the main window. The window implements it with its progress sheet, the
// command-line tool with a terminal progress bar.
//
// Threads: lives on the main thread. The worker never calls it directly; BatchResizer queues
// every call to this object's thread, so the calls arrive one by one, in the order the worker
// made them, and an image's text and value arrive before that image's result could.
class BatchProgress : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~BatchProgress() override;

    // The bar's maximum, set once at the start of a batch (the list's count then).
    virtual void setBarMaximum(double maximum) = 0;
    // The bar's value: the position of the image about to be processed, counted from 1.
    virtual void setBarValue(double value) = 0;
    virtual void startBarAnimation() { }
    virtual void stopBarAnimation() { }
    // The per-image text ("_ElaboratingText"); the empty string at the end.
    virtual void setProgressText(const QString& text) = 0;
    // The name of the image whose outcome comes next (the one the progress text counts);
    // arrives with that text.
    virtual void setImageName(const QString& name) { Q_UNUSED(name); }
    // An image was not written; arrives after its log line was written.
    virtual void imageFailed(const BatchFailure& failure) { Q_UNUSED(failure); }
    // An image is done with: written, failed or skipped; after imageFailed for a failed one.
    virtual void imageCompleted(const BatchImageReport& report) { Q_UNUSED(report); }
    // Ends the progress panel's sheet and removes the panel.
    virtual void closeProgressPanel() = 0;
    // Shows the closing alert; its button handler is BatchResizer::closingAlertFinished.
    virtual void showClosingAlert(const ClosingReport& report) = 0;
    // Redraws the main window at once, after the alert has opened.
    virtual void redrawWindow() { }
};
