#include "PrintableText.h"

namespace {

// Whether c is written as an escape when it stands alone (not as half of a surrogate pair).
bool isQuoted(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || QChar::isSurrogate(c) || c == 0x2028
        || c == 0x2029;
}

void appendHex(QString& out, unsigned value, int digits)
{
    out += QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0'));
}

void appendEscape(QString& out, char16_t c)
{
    switch (c) {
    case u'\n':
        out += QLatin1String("\\n");
        return;
    case u'\r':
        out += QLatin1String("\\r");
        return;
    case u'\t':
        out += QLatin1String("\\t");
        return;
    default:
        break;
    }
    if (c >= 0xdc80 && c <= 0xdcff) {
        // A raw byte of a file name that is not UTF-8.
        out += QLatin1String("\\x");
        appendHex(out, c - 0xdc00u, 2);
    } else if (c <= 0xff) {
        out += QLatin1String("\\x");
        appendHex(out, c, 2);
    } else {
        out += QLatin1String("\\u");
        appendHex(out, c, 4);
    }
}

} // namespace

QString PrintableText::escaped(const QString& text)
{
    QString out;
    qsizetype copied = 0; // what comes before is in out already
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size()
            && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            ++i; // a character beyond U+FFFF, kept
            continue;
        }
        if (!isQuoted(c))
            continue;
        out += QStringView(text).mid(copied, i - copied);
        appendEscape(out, c);
        copied = i + 1;
    }
    // Most text holds nothing to quote: it is handed back as it is, without a copy.
    if (copied == 0)
        return text;
    out += QStringView(text).mid(copied);
    return out;
}
