#include "FileNames.h"

#include <cstdlib>
#include <sys/stat.h>

#include <QDir>

namespace {

// The surrogates that stand for the bytes 0x80 to 0xFF: U+DC00 plus the byte.
constexpr char16_t kByteSurrogateBase = 0xDC00;
constexpr char16_t kFirstByteSurrogate = 0xDC80;
constexpr char16_t kLastByteSurrogate = 0xDCFF;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

bool isByteSurrogate(char16_t unit)
{
    return unit >= kFirstByteSurrogate && unit <= kLastByteSurrogate;
}

// The length of the well-formed UTF-8 sequence at the start of bytes (RFC 3629: no overlong
// forms, no surrogates, nothing above U+10FFFF), and its code point; 0 when there is none.
qsizetype sequenceAt(const unsigned char* bytes, qsizetype available, char32_t* codePoint)
{
    const unsigned char lead = bytes[0];
    qsizetype length = 0;
    unsigned char low = 0x80; // the range of the second byte, which rules out the bad forms
    unsigned char high = 0xBF;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (available < length || bytes[1] < low || bytes[1] > high)
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        if (!isContinuation(bytes[i]))
            return 0;
        value = (value << 6) | (bytes[i] & 0x3F);
    }
    *codePoint = value;
    return length;
}

void appendUtf8(QByteArray& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

} // namespace

QString FileNames::decode(QByteArrayView bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    QString text;
    text.reserve(size);
    for (qsizetype i = 0; i < size;) {
        if (data[i] < 0x80) {
            text += QChar(char16_t(data[i]));
            ++i;
            continue;
        }
        char32_t codePoint = 0;
        const qsizetype length = sequenceAt(data + i, size - i, &codePoint);
        if (length == 0) {
            text += QChar(char16_t(kByteSurrogateBase + data[i]));
            ++i;
            continue;
        }
        const char32_t codePoints[] = { codePoint };
        text += QString::fromUcs4(codePoints, 1);
        i += length;
    }
    return text;
}

QByteArray FileNames::encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (!QChar::isSurrogate(unit)) {
            appendUtf8(bytes, unit);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < text.size()
            && text.at(i + 1).isLowSurrogate()) {
            appendUtf8(bytes, QChar::surrogateToUcs4(unit, text.at(i + 1).unicode()));
            ++i;
        } else if (isByteSurrogate(unit)) {
            bytes += char(unit - kByteSurrogateBase);
        } else {
            appendUtf8(bytes, char32_t(QChar::ReplacementCharacter));
        }
    }
    return bytes;
}

bool FileNames::isUtf8(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // a pair: one character beyond U+FFFF
        else if (isByteSurrogate(unit.unicode()))
            return false;
    }
    return true;
}

FileNames::Status FileNames::status(const QString& path)
{
    struct stat info = {};
    if (path.isEmpty() || ::stat(encode(path).constData(), &info) != 0)
        return {};
#if defined(__APPLE__)
    const struct timespec modified = info.st_mtimespec;
#else
    const struct timespec modified = info.st_mtim;
#endif
    return { true, S_ISDIR(info.st_mode), static_cast<qint64>(info.st_size),
        static_cast<qint64>(modified.tv_sec) * 1000 + modified.tv_nsec / 1'000'000 };
}

bool FileNames::exists(const QString& path)
{
    return status(path).exists;
}

bool FileNames::isFolder(const QString& path)
{
    return status(path).isFolder;
}

bool FileNames::isEntry(const QString& path)
{
    struct stat info = {};
    return !path.isEmpty() && ::lstat(encode(path).constData(), &info) == 0;
}

QString FileNames::canonicalPath(const QString& path)
{
    if (path.isEmpty())
        return QString();
    char* resolved = ::realpath(encode(path).constData(), nullptr);
    if (!resolved)
        return QString();
    const QString canonical = decode(resolved);
    std::free(resolved);
    return canonical;
}

QString FileNames::withHomeExpanded(const QString& path)
{
    if (path == QLatin1String("~"))
        return QDir::homePath();
    if (path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}
