#include "FileSizeLimit.h"

#include <QLocale>

#include <cmath>

namespace FileSizeLimit {

QString text(qint64 bytes)
{
    // The unit QLocale chooses: the largest power of 1000 not above the number.
    qint64 unit = 1;
    while (unit < kLargest && bytes >= unit * 1000)
        unit *= 1000;
    int decimals = 0;
    for (qint64 shift = 1; decimals < 2 && (bytes * shift) % unit != 0; shift *= 10)
        ++decimals;
    return QLocale().formattedDataSize(bytes, decimals, QLocale::DataSizeSIFormat);
}

std::optional<qint64> parse(const QString& text)
{
    QString number = text.trimmed();
    double unit = 1.0;
    if (number.endsWith(QLatin1Char('k'), Qt::CaseInsensitive))
        unit = 1e3;
    else if (number.endsWith(QLatin1Char('m'), Qt::CaseInsensitive))
        unit = 1e6;
    if (unit > 1.0)
        number.chop(1);
    // Digits and at most one '.', nothing else: no sign, exponent or blank inside.
    bool point = false;
    for (const QChar c : std::as_const(number)) {
        if (c == QLatin1Char('.') && !point)
            point = true;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok) * unit;
    // "0.3k" is 300 bytes, whatever the binary fraction makes of it.
    const double whole = std::round(value);
    if (!ok || !std::isfinite(value) || whole > double(kLargest) || std::abs(value - whole) > 1e-6)
        return std::nullopt;
    return static_cast<qint64>(whole);
}

} // namespace FileSizeLimit
