#include "CodecError.h"

#include <QStringList>

namespace ImageCodec {

// Each line that a step added is kept, in order and once: the decoder's own words are often
// not the first of them. The seek that libheif's reader reports on its way out of any failure
// says nothing of its own, and a line that only continues the one before (libheif's error
// code) joins it.
QString takeError(const vips::VError& error)
{
    const QString text = QString::fromUtf8(error.what());
    vips_error_clear();
    QStringList lines;
    for (const QString& piece : text.split(QLatin1Char('\n'))) {
        const QString line = piece.simplified();
        if (line.isEmpty() || lines.contains(line))
            continue;
        if (line.startsWith(QLatin1Char('(')) && !lines.isEmpty())
            lines.last() += QLatin1Char(' ') + line;
        else
            lines << line;
    }
    if (lines.size() > 1)
        lines.removeIf(
            [](const QString& line) { return line.contains(QLatin1String(": bad seek to")); });
    return lines.join(QStringLiteral("; "));
}

} // namespace ImageCodec
