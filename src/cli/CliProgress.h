#pragma once

#include <cstdio>
#include <optional>

#include <QString>

#include "batch/BatchProgress.h"

// The progress of ostrel-batch on standard error: a bar redrawn in place on a terminal, one
// plain line per image otherwise (a log, a pipe). A failed image's log line is echoed here,
// in order with the progress, rather than by the worker. Main thread, like every receiver.
class CliProgress : public BatchProgress
{
    Q_OBJECT

public:
    CliProgress(bool terminal, std::FILE* stream, QObject* parent = nullptr);

    void setBarMaximum(double maximum) override;
    void setBarValue(double value) override;
    void setProgressText(const QString& text) override;
    void imageFailed(const BatchFailure& failure) override;
    void closeProgressPanel() override;
    void showClosingAlert(const ClosingReport& report) override;

    // The closing report, once the batch has ended.
    const std::optional<ClosingReport>& report() const { return mReport; }

    // The bar as drawn on a terminal: "[#####-----] text", the fill clamped to full (files
    // appended during a batch take the value past the maximum).
    static QString barLine(double value, double maximum, const QString& text, int width = 30);

signals:
    void finished();

private:
    void drawBar();

    bool mTerminal;
    std::FILE* mStream;
    double mMaximum = 0.0;
    double mValue = 0.0;
    QString mText;
    std::optional<ClosingReport> mReport;
};
