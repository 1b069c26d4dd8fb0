#include "BatchResult.h"

#include <QCoreApplication>

#include "BatchLog.h"

QString BatchFailure::reasonText() const
{
    switch (status.error) {
    case ResizeError::OutputExists:
        return QCoreApplication::translate(
            "BatchFailure", "a file with the output name already exists");
    case ResizeError::SourceMissing:
        return QCoreApplication::translate("BatchFailure", "the source file is missing");
    case ResizeError::DecodeFailed:
        return QCoreApplication::translate(
            "BatchFailure", "the source file could not be read as an image");
    case ResizeError::InvalidSettings:
        return QCoreApplication::translate(
            "BatchFailure", "the size, resolution or format settings give no valid output");
    case ResizeError::WriteFailed:
        return QCoreApplication::translate("BatchFailure", "the output file could not be written");
    case ResizeError::Skipped: // counted apart, never a failure; its reason all the same
        return QCoreApplication::translate(
            "BatchFailure", "a file with the output name already exists");
    case ResizeError::NotSmaller: // counted with the skipped images
        return QCoreApplication::translate("BatchFailure", "not smaller than its source");
    case ResizeError::None:
        break;
    }
    // A resize that answered false without saying why.
    return QCoreApplication::translate("BatchFailure", "the image could not be processed");
}

QString BatchFailure::describe() const
{
    QString line = nameWithPreset(name, preset) + QStringLiteral(": ") + reasonText();
    if (!status.message.isEmpty())
        line += QStringLiteral(" (") + status.message + QLatin1Char(')');
    return line;
}

QString BatchFailure::logMessage() const
{
    return BatchLog::failureMessage(nameWithPreset(name, preset), reasonText(), path);
}

QString nameWithPreset(const QString& name, const QString& preset)
{
    //: %1 an image's file name, %2 the preset one of its outputs was written with.
    return preset.isEmpty()
        ? name
        : QCoreApplication::translate("BatchFailure", "%1 (%2)").arg(name, preset);
}
