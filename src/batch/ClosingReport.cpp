#include "ClosingReport.h"

#include <QStringList>

#include "BatchLog.h"
#include "core/LocalizedText.h"
#include "core/PrintableText.h"

namespace {

// One line per written image with a note: "name: first frame of 12". Each detail line is
// quoted (PrintableText): a newline in a file name or a decoder's message must not make two
// lines of one image.
QStringList noteLines(const BatchResult& result)
{
    QStringList lines;
    for (const BatchNote& note : result.notes)
        lines << PrintableText::escaped(note.name + QStringLiteral(": ") + note.text);
    return lines;
}

// What the log holds for the failed images: where to find them, or that it could not be
// written (said once, however many lines failed).
QString logSentence(const BatchResult& result)
{
    if (result.logWritten)
        return LocalizedText::text("_LogNamesFailedImages");
    return LocalizedText::text("_LogNotWritten", { BatchLog::logFilePath() });
}

// How many images were left alone because a file of their name exists, as a sentence that
// follows the others; empty when none was.
QString skippedSentence(const BatchResult& result)
{
    if (result.skipped == 0)
        return QString();
    return QLatin1Char(' ')
        + LocalizedText::text("_SkippedCount", { QString::number(result.skipped) });
}

} // namespace

ClosingReport ClosingReport::forResult(const BatchResult& result)
{
    ClosingReport report;
    report.result = result;
    const int errors = result.errorCount();
    const QString written = QString::number(result.written);
    const QString left = QString::number(result.notProcessed());
    report.messageText
        = LocalizedText::text(result.stopped ? "_ElaboratingStopped" : "_ElaboratingFinished");
    report.defaultButton = LocalizedText::text("_OK");
    if (errors == 0) {
        // A stopped batch never claims that every image was processed.
        if (result.stopped) {
            report.informativeText
                = LocalizedText::text("_ElaboratingStoppedWithoutErrors", { written, left });
        } else if (result.skipped > 0) {
            report.informativeText = LocalizedText::text(
                "_ElaboratingFinishedWithSkipped", { written, QString::number(result.skipped) });
        } else {
            // Still a format, with no arguments: a text written with placeholders shows them.
            report.informativeText = LocalizedText::text("_ElaboratingFinishedWithoutErrors", {});
        }
        if (result.stopped)
            report.informativeText += skippedSentence(result);
        report.style = Style::Informational;
        report.detailedText = noteLines(result).join(QLatin1Char('\n'));
        return report;
    }
    // The log is offered only when it holds this batch's lines.
    report.hasAlternateButton = result.logWritten;
    if (report.hasAlternateButton)
        report.alternateButton = LocalizedText::text("_OpenConsole");
    const QString failed = QString::number(errors);
    if (result.stopped) {
        report.informativeText
            = LocalizedText::text("_ElaboratingStoppedWithErrors", { written, failed, left })
            + QLatin1Char(' ') + logSentence(result);
    } else if (result.logWritten) {
        report.informativeText = LocalizedText::text("_ElaboratingFinishedWithErrors", { failed });
    } else {
        report.informativeText = LocalizedText::text("_ElaboratingFailedCount", { failed })
            + QLatin1Char(' ') + logSentence(result);
    }
    report.informativeText += skippedSentence(result);
    report.style = Style::Critical;
    QStringList lines;
    lines.reserve(result.failures.size());
    for (const BatchFailure& failure : result.failures)
        lines << PrintableText::escaped(failure.describe());
    lines << noteLines(result);
    report.detailedText = lines.join(QLatin1Char('\n'));
    return report;
}
