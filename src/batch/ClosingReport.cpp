#include "ClosingReport.h"

#include <QCoreApplication>
#include <QStringList>

#include "BatchLog.h"
#include "core/PrintableText.h"

namespace {

// One line per written image with a note: "name: first frame of 12". Each detail line is
// quoted (PrintableText): a newline in a file name or a decoder's message must not make two
// lines of one image.
QStringList noteLines(const BatchResult& result)
{
    QStringList lines;
    for (const BatchNote& note : result.notes)
        lines << PrintableText::escaped(
            nameWithPreset(note.name, note.preset) + QStringLiteral(": ") + note.text);
    return lines;
}

// What the log holds for the failed images: where to find them, or that it could not be
// written (said once, however many lines failed).
QString logSentence(const BatchResult& result)
{
    if (result.logWritten)
        return QCoreApplication::translate("ClosingReport", "The log names each failed image.");
    return QCoreApplication::translate("ClosingReport", "The log could not be written (%1).")
        .arg(BatchLog::logFilePath());
}

// How many images were not written because their output was not smaller than their source,
// as a sentence that follows the others; empty when none was.
QString notSmallerSentence(const BatchResult& result)
{
    if (result.notSmaller == 0)
        return QString();
    return QLatin1Char(' ')
        + QCoreApplication::translate(
            "ClosingReport", "Skipped because the result was not smaller than the source: %1.")
              .arg(QString::number(result.notSmaller));
}

// How many images were left alone because a file of their name exists, as a sentence that
// follows the others; empty when none was.
QString skippedSentence(const BatchResult& result)
{
    const int nameExists = result.skipped - result.notSmaller;
    QString text;
    if (nameExists > 0)
        text += QLatin1Char(' ')
            + QCoreApplication::translate(
                "ClosingReport", "Skipped because a file of that name exists: %1.")
                  .arg(QString::number(nameExists));
    return text + notSmallerSentence(result);
}

// In a run of several presets the counts are of files, which the report says; empty otherwise.
QString presetsSentence(const BatchResult& result)
{
    if (result.outputsPerImage <= 1)
        return QString();
    return QLatin1Char(' ')
        + QCoreApplication::translate("ClosingReport",
            "Counted per file: each image was written once for each of %n presets.", nullptr,
            result.outputsPerImage);
}

} // namespace

ClosingReport ClosingReport::forResult(const BatchResult& result)
{
    ClosingReport report;
    report.result = result;
    const int errors = result.errorCount();
    const QString written = QString::number(result.written);
    const QString left = QString::number(result.notProcessed());
    report.messageText = result.stopped
        ? QCoreApplication::translate("ClosingReport", "Processing stopped")
        : QCoreApplication::translate("ClosingReport", "Processing finished");
    report.defaultButton = QCoreApplication::translate("ClosingReport", "OK");
    if (errors == 0) {
        // A stopped batch never claims that every image was processed.
        if (result.stopped) {
            report.informativeText = QCoreApplication::translate(
                "ClosingReport", "Images written: %1. Not processed: %2.")
                                         .arg(written, left);
        } else if (result.skipped > result.notSmaller) {
            report.informativeText = QCoreApplication::translate("ClosingReport",
                "Images written: %1. Skipped because a file of that name exists: %2.")
                                         .arg(written,
                                             QString::number(result.skipped - result.notSmaller));
            report.informativeText += notSmallerSentence(result);
        } else if (result.notSmaller > 0) {
            report.informativeText
                = QCoreApplication::translate("ClosingReport", "Images written: %1.").arg(written)
                + notSmallerSentence(result);
        } else {
            // Still a format, with no arguments: a text written with placeholders shows them.
            report.informativeText = QCoreApplication::translate(
                "ClosingReport", "All images were processed without errors.");
        }
        if (result.stopped)
            report.informativeText += skippedSentence(result);
        report.informativeText += presetsSentence(result);
        report.style = Style::Informational;
        report.detailedText = noteLines(result).join(QLatin1Char('\n'));
        return report;
    }
    // The log is offered only when it holds this batch's lines.
    report.hasAlternateButton = result.logWritten;
    if (report.hasAlternateButton)
        report.alternateButton = QCoreApplication::translate("ClosingReport", "Open Log");
    // "Failed" counts failures; "not processed" only the images a stop left out.
    const QString failed = QString::number(errors);
    report.informativeText = result.stopped
        ? QCoreApplication::translate(
            "ClosingReport", "Images written: %1. Failed: %2. Not processed: %3.")
              .arg(written, failed, left)
        : QCoreApplication::translate("ClosingReport", "Images written: %1. Failed: %2.")
              .arg(written, failed);
    report.informativeText += QLatin1Char(' ') + logSentence(result);
    report.informativeText += skippedSentence(result);
    report.informativeText += presetsSentence(result);
    report.style = Style::Critical;
    QStringList lines;
    lines.reserve(result.failures.size());
    for (const BatchFailure& failure : result.failures)
        lines << PrintableText::escaped(failure.describe());
    lines << noteLines(result);
    report.detailedText = lines.join(QLatin1Char('\n'));
    return report;
}
