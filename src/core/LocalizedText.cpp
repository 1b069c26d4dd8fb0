#include "LocalizedText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace LocalizedText {

namespace {
// Owned here so that a table lives as long as it is installed. Main thread only.
std::unique_ptr<QTranslator>& installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

constexpr const char* kContext = "Ostrel";
constexpr const char* kResourceDir = ":/i18n";
} // namespace

QString text(const char* key)
{
    // translate() answers the key itself when no table has it.
    const QString result = QCoreApplication::translate(kContext, key);
    if (result == QLatin1String(key))
        return QString::fromLatin1(kFallback);
    return result;
}

QString text(const char* key, const QStringList& arguments)
{
    return format(text(key), arguments);
}

QString format(const QString& text, const QStringList& arguments)
{
    auto digitAt = [&text](qsizetype i) {
        const char16_t u = i < text.size() ? text.at(i).unicode() : u'\0';
        return u >= u'0' && u <= u'9' ? int(u - u'0') : -1;
    };
    // One pass, so that an argument that itself holds "%1" is never expanded again.
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const int first = c == QLatin1Char('%') ? digitAt(i + 1) : -1;
        if (first < 1) {
            result += c;
            continue;
        }
        // Qt's placeholders run from %1 to %99.
        int number = first;
        qsizetype end = i + 2;
        if (const int second = digitAt(end); second >= 0) {
            number = number * 10 + second;
            ++end;
        }
        if (number <= arguments.size()) {
            result += arguments.at(number - 1);
            i = end - 1;
        } else {
            result += c;
        }
    }
    return result;
}

namespace {
// Makes a loaded table the one in use, in place of any earlier one.
void activate(QCoreApplication& app, std::unique_ptr<QTranslator> translator)
{
    uninstall(app);
    app.installTranslator(translator.get());
    installed() = std::move(translator);
}
} // namespace

bool installLanguage(QCoreApplication& app, const QString& language)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("ostrel_") + language, QString::fromLatin1(kResourceDir)))
        return false;
    activate(app, std::move(translator));
    return true;
}

bool install(QCoreApplication& app)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(), QStringLiteral("ostrel"), QStringLiteral("_"),
            QString::fromLatin1(kResourceDir))
        && !translator->load(QStringLiteral("ostrel_en"), QString::fromLatin1(kResourceDir)))
        return false;
    activate(app, std::move(translator));
    return true;
}

void uninstall(QCoreApplication& app)
{
    if (installed()) {
        app.removeTranslator(installed().get());
        installed().reset();
    }
}

} // namespace LocalizedText
