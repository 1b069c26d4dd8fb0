#pragma once

#include <QString>

#include "BatchResult.h"

// The closing alert of a batch, decided by the error count and by whether the batch was
// stopped with images left: a plain value that the window shows with a QMessageBox and the
// command-line tool prints.
struct ClosingReport
{
    // The platform's alert styles (a warning style is never used).
    enum class Style
    {
        Informational = 1,
        Critical = 2
    };

    QString messageText;
    QString informativeText;
    QString defaultButton;
    // Present only when images failed and the log took their lines: it opens the log.
    bool hasAlternateButton = false;
    QString alternateButton;
    Style style = Style::Informational;
    // One line per failed image with its reason, then one per written image with a note
    // ("first frame of 12"), control characters quoted; empty when there is neither.
    QString detailedText;
    BatchResult result;

    // Looks the texts up now, in the order message, default button, alternate button,
    // informative text.
    static ClosingReport forResult(const BatchResult& result);
};
