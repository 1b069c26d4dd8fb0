#include "NameTemplate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QList>

#include "NoReplaceFile.h"

namespace {

enum class Token
{
    Literal,
    Name,
    Number,
    Width,
    Height,
    Date,
    Folder,
    Preset,
};

struct Part
{
    Token token = Token::Literal;
    QString text; // the literal text, or the token's argument (after the colon)
};

const QString kDefaultDateFormat = QStringLiteral("%Y-%m-%d_%H%M%S");
constexpr int kMaxDigits = 10;

// The Qt date format of one strftime-like code, or nothing for a code that is not one.
QString dateCode(QChar code)
{
    switch (code.unicode()) {
    case u'Y':
        return QStringLiteral("yyyy");
    case u'y':
        return QStringLiteral("yy");
    case u'm':
        return QStringLiteral("MM");
    case u'd':
        return QStringLiteral("dd");
    case u'H':
        return QStringLiteral("HH");
    case u'M':
        return QStringLiteral("mm");
    case u'S':
        return QStringLiteral("ss");
    default:
        return QString();
    }
}

// Why a {date:...} format cannot be used; empty when it can.
QString dateFormatProblem(const QString& format)
{
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format.at(i) != QLatin1Char('%'))
            continue;
        if (i + 1 >= format.size())
            return QCoreApplication::translate("NameTemplate", "the date format ends with \"%\"");
        const QChar code = format.at(++i);
        if (code != QLatin1Char('%') && dateCode(code).isEmpty())
            //: %1 a date code such as %q; the known ones are %Y %y %m %d %H %M %S and %%.
            return QCoreApplication::translate("NameTemplate", "unknown date code \"%1\"")
                .arg(QLatin1Char('%') + code);
    }
    return QString();
}

// The date in a format of strftime-like codes, each turned into Qt's own formatting; the rest
// of the format is literal text.
QString formatDate(const QDateTime& date, const QString& format)
{
    QString out;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%') || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        const QChar code = format.at(++i);
        if (code == QLatin1Char('%'))
            out += code;
        else
            out += date.toString(dateCode(code));
    }
    return out;
}

// The parts of a template, or why it has none.
QList<Part> parse(const QString& text, QString* problem)
{
    QList<Part> parts;
    QString literal;
    auto fail = [&parts, problem](const QString& why) {
        *problem = why;
        parts.clear();
        return parts;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool doubled = i + 1 < text.size() && text.at(i + 1) == c;
        if (c == QLatin1Char('}')) {
            if (!doubled)
                return fail(QCoreApplication::translate(
                    "NameTemplate", "a \"}\" closes no \"{\" (write \"}}\" for a brace)"));
            literal += c;
            ++i;
            continue;
        }
        if (c != QLatin1Char('{')) {
            literal += c;
            continue;
        }
        if (doubled) {
            literal += c;
            ++i;
            continue;
        }
        const qsizetype end = text.indexOf(QLatin1Char('}'), i + 1);
        if (end < 0)
            return fail(QCoreApplication::translate("NameTemplate", "a \"{\" is not closed"));
        const QString body = text.mid(i + 1, end - i - 1);
        const QString word = body.section(QLatin1Char(':'), 0, 0);
        const bool hasArgument = body.contains(QLatin1Char(':'));
        const QString argument = body.section(QLatin1Char(':'), 1);
        Part part;
        part.text = argument;
        auto unknown = [&fail, &body] {
            //: %1 a token of a name template in braces, such as {size}.
            return fail(QCoreApplication::translate("NameTemplate", "unknown token \"%1\"")
                            .arg(QLatin1Char('{') + body + QLatin1Char('}')));
        };
        if (word == QLatin1String("n")) {
            part.token = Token::Number;
            bool ok = !hasArgument;
            if (hasArgument) {
                const int digits = argument.toInt(&ok);
                ok = ok && digits >= 1 && digits <= kMaxDigits;
            }
            if (!ok)
                return fail(QCoreApplication::translate("NameTemplate",
                    "\"%1\" needs a number of digits from 1 to %2, as in {n:4}")
                                .arg(QLatin1Char('{') + body + QLatin1Char('}'))
                                .arg(kMaxDigits));
        } else if (word == QLatin1String("date")) {
            part.token = Token::Date;
            if (!hasArgument)
                part.text = kDefaultDateFormat;
            if (const QString why = dateFormatProblem(part.text); !why.isEmpty())
                return fail(why);
        } else if (hasArgument) {
            return unknown();
        } else if (word == QLatin1String("name")) {
            part.token = Token::Name;
        } else if (word == QLatin1String("w")) {
            part.token = Token::Width;
        } else if (word == QLatin1String("h")) {
            part.token = Token::Height;
        } else if (word == QLatin1String("folder")) {
            part.token = Token::Folder;
        } else if (word == QLatin1String("preset")) {
            part.token = Token::Preset;
        } else {
            return unknown();
        }
        if (!literal.isEmpty())
            parts << Part { Token::Literal, literal };
        literal.clear();
        parts << part;
        i = end;
    }
    if (!literal.isEmpty())
        parts << Part { Token::Literal, literal };
    return parts;
}

// A fact's value as part of a file name: a separator in it would lead into a folder.
QString plain(QString value)
{
    return value.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QChar(0), QLatin1Char('_'));
}

} // namespace

namespace NameTemplate {

QString problem(const QString& text)
{
    QString why;
    const QList<Part> parts = parse(text, &why);
    if (!why.isEmpty())
        return why;
    bool namesSomething = false;
    QString literalText;
    for (const Part& part : parts) {
        if (part.token == Token::Literal)
            literalText += part.text;
        if (part.token == Token::Date)
            literalText += part.text;
        if (part.token != Token::Preset && !(part.token == Token::Literal && part.text.isEmpty()))
            namesSomething = true;
    }
    if (!namesSomething)
        return QCoreApplication::translate("NameTemplate", "it gives an empty name");
    if (literalText.contains(QLatin1Char('/')) || literalText.contains(QChar(0)))
        return QCoreApplication::translate("NameTemplate", "it may not contain \"/\"");
    if (text == QLatin1String(".") || text == QLatin1String(".."))
        return QCoreApplication::translate("NameTemplate", "it may not be \".\" or \"..\"");
    return QString();
}

bool needsSourceFacts(const QString& text)
{
    QString why;
    for (const Part& part : parse(text, &why)) {
        if (part.token == Token::Width || part.token == Token::Height || part.token == Token::Date)
            return true;
    }
    return false;
}

QString expand(const QString& text, const Facts& facts)
{
    if (!problem(text).isEmpty())
        return QString();
    QString why;
    QString name;
    const QFileInfo source(facts.sourcePath);
    for (const Part& part : parse(text, &why)) {
        switch (part.token) {
        case Token::Literal:
            name += part.text;
            break;
        case Token::Name: {
            const QString file = source.fileName();
            const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
            name += plain(dot < 0 ? file : file.left(dot));
            break;
        }
        case Token::Number:
            name += part.text.isEmpty()
                ? QString::number(facts.number)
                : QString::asprintf("%0*d", part.text.toInt(), facts.number);
            break;
        case Token::Width:
            name += QString::number(facts.width);
            break;
        case Token::Height:
            name += QString::number(facts.height);
            break;
        case Token::Date:
            name += formatDate(facts.taken, part.text);
            break;
        case Token::Folder:
            name += plain(source.absoluteDir().dirName());
            break;
        case Token::Preset:
            name += plain(facts.presetName);
            break;
        }
    }
    return name;
}

} // namespace NameTemplate
