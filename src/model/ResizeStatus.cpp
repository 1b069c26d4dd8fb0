#include "ResizeStatus.h"

QString resizeErrorText(ResizeError error)
{
    switch (error) {
    case ResizeError::None:
        return QString();
    case ResizeError::OutputExists:
        return QStringLiteral("the output file already exists");
    case ResizeError::SourceMissing:
        return QStringLiteral("the source file is missing");
    case ResizeError::DecodeFailed:
        return QStringLiteral("the source could not be decoded");
    case ResizeError::InvalidSettings:
        return QStringLiteral("the settings give no valid output");
    case ResizeError::WriteFailed:
        return QStringLiteral("the output could not be written");
    case ResizeError::Skipped:
        return QStringLiteral("skipped: the output file already exists");
    case ResizeError::NotSmaller:
        return QStringLiteral("skipped: not smaller than its source");
    }
    return QString();
}
