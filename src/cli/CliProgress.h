#pragma once

#include <cstdio>
#include <optional>

#include <QJsonObject>
#include <QString>

#include <QObject>

#include "batch/BatchJob.h"
#include "batch/ClosingReport.h"

// The progress of ostrel-batch on standard error: a bar redrawn in place on a terminal, one
// plain line per image otherwise (a log, a pipe). A failed image's log line is echoed here,
// in order with the progress, rather than by the worker. With a JSON stream, every image is
// reported there as one line of JSON as it completes. Every text is printed with its control
// characters quoted (PrintableText). Main thread, like the job it follows.
class CliProgress : public QObject
{
    Q_OBJECT

public:
    CliProgress(bool terminal, std::FILE* stream, QObject* parent = nullptr);

    // Follows a batch's signals from now on.
    void follow(BatchJob* job);

    // Whether the per-image progress is shown (the bar on a terminal, a line each otherwise);
    // failures are shown all the same.
    void setShowsProgress(bool shows) { mShowsProgress = shows; }
    // Where each completed image goes as a line of JSON; none by default.
    void setJsonStream(std::FILE* stream) { mJsonStream = stream; }
    // Writes one object as a line of compact JSON.
    static void writeJsonLine(std::FILE* stream, const QJsonObject& object);
    // An image's line: source, output (null when none), status (written, failed, skipped),
    // reason (null or the text), pixel sizes, bytes and milliseconds, the quality written (-1
    // when the format takes none) and the scale the size limit made each side (1 for none).
    static QJsonObject imageJson(const BatchImageReport& report);
    // Sets key to a path as text. JSON holds only text: a path that is not valid UTF-8 shows
    // each of its other bytes as U+FFFD there, and its exact bytes go under key + "_bytes", in
    // Base64, for a program that must find the file. An empty path is null.
    static void insertPath(QJsonObject& object, const QString& key, const QString& path);

    // The closing report, once the batch has ended.
    const std::optional<ClosingReport>& report() const { return mReport; }

    // The bar as drawn on a terminal: "[#####-----] text", the fill clamped to full (files
    // appended during a batch take the value past the maximum).
    static QString barLine(double value, double maximum, const QString& text, int width = 30);

signals:
    // The batch has ended and its closing report is in report().
    void finished();

private:
    void batchStarted(int imageCount);
    void imageStarted(int position, int imageCount, const QString& name);
    void imageFailed(const BatchFailure& failure);
    void imageFinished(const BatchImageReport& report);
    void batchFinished(const BatchResult& result);
    void drawBar();

    bool mTerminal;
    std::FILE* mStream;
    bool mShowsProgress = true;
    std::FILE* mJsonStream = nullptr;
    double mMaximum = 0.0;
    double mValue = 0.0;
    QString mText;
    std::optional<ClosingReport> mReport;
};
