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

bool installLanguage(QCoreApplication& app, const QString& language)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("ostrel_") + language, QString::fromLatin1(kResourceDir)))
        return false;
    uninstall(app);
    app.installTranslator(translator.get());
    installed() = std::move(translator);
    return true;
}

bool install(QCoreApplication& app)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(), QStringLiteral("ostrel"), QStringLiteral("_"),
            QString::fromLatin1(kResourceDir))
        && !translator->load(QStringLiteral("ostrel_en"), QString::fromLatin1(kResourceDir)))
        return false;
    uninstall(app);
    app.installTranslator(translator.get());
    installed() = std::move(translator);
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
