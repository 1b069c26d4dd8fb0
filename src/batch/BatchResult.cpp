#include "BatchResult.h"

#include "BatchLog.h"
#include "core/LocalizedText.h"

QString BatchFailure::reasonText() const
{
    switch (status.error) {
    case ResizeError::OutputExists:
        return LocalizedText::text("_FailureOutputExists");
    case ResizeError::SourceMissing:
        return LocalizedText::text("_FailureSourceMissing");
    case ResizeError::DecodeFailed:
        return LocalizedText::text("_FailureDecodeFailed");
    case ResizeError::InvalidSettings:
        return LocalizedText::text("_FailureInvalidSettings");
    case ResizeError::WriteFailed:
        return LocalizedText::text("_FailureWriteFailed");
    case ResizeError::Skipped: // counted apart, never a failure; its reason all the same
        return LocalizedText::text("_FailureOutputExists");
    case ResizeError::None:
        break;
    }
    // A resize that answered false without saying why.
    return LocalizedText::text("_FailureUnknown");
}

QString BatchFailure::describe() const
{
    QString line = name + QStringLiteral(": ") + reasonText();
    if (!status.message.isEmpty())
        line += QStringLiteral(" (") + status.message + QLatin1Char(')');
    return line;
}

QString BatchFailure::logMessage() const
{
    return BatchLog::failureMessage(name, reasonText(), path);
}
