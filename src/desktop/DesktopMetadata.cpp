#include "DesktopMetadata.h"

#include <QRegularExpression>
#include <QStringList>

#include "codec/ImageCodec.h"

namespace DesktopMetadata {

QString filledTemplate(const QString& text)
{
    const QStringList mimeTypes = ImageCodec::sourceMimeTypes();
    QString filled = text;
    filled.replace(QStringLiteral("@MIME_TYPES@"), mimeTypes.join(QLatin1Char(';')) + u';');

    static const QRegularExpression mediaTypes(QStringLiteral("^([ \\t]*)@MEDIA_TYPES@$"),
        QRegularExpression::MultilineOption);
    QRegularExpressionMatch match = mediaTypes.match(filled);
    while (match.hasMatch()) {
        const QString indent = match.captured(1);
        QStringList lines;
        for (const QString& mimeType : mimeTypes)
            lines << indent + QStringLiteral("<mediatype>%1</mediatype>").arg(mimeType);
        filled.replace(match.capturedStart(), match.capturedLength(), lines.join(u'\n'));
        match = mediaTypes.match(filled);
    }
    return filled;
}

} // namespace DesktopMetadata
