#include "ClosingReport.h"

#include <QStringList>

#include "core/LocalizedText.h"

ClosingReport ClosingReport::forResult(const BatchResult& result)
{
    ClosingReport report;
    report.result = result;
    const int errors = result.errorCount();
    report.messageText = LocalizedText::text("_ElaboratingFinished");
    report.defaultButton = LocalizedText::text("_OK");
    if (errors == 0) {
        // Still a format, with no arguments: a text written with placeholders shows them.
        report.informativeText = LocalizedText::text("_ElaboratingFinishedWithoutErrors", {});
        report.style = Style::Informational;
        return report;
    }
    report.hasAlternateButton = true;
    report.alternateButton = LocalizedText::text("_OpenConsole");
    report.informativeText
        = LocalizedText::text("_ElaboratingFinishedWithErrors", { QString::number(errors) });
    report.style = Style::Critical;
    QStringList lines;
    lines.reserve(result.failures.size());
    for (const BatchFailure& failure : result.failures)
        lines << failure.describe();
    report.detailedText = lines.join(QLatin1Char('\n'));
    return report;
}
