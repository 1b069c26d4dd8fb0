#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace Translations {

namespace {

// Owned here so that a table lives as long as it is installed: the application's texts and
// Qt's own (dialog buttons, the file and colour dialogs, the command-line parser). Main thread
// only.
struct Tables
{
    std::unique_ptr<QTranslator> application;
    std::unique_ptr<QTranslator> qt;
};

Tables& installed()
{
    static Tables tables;
    return tables;
}

constexpr const char* kResourceDir = ":/i18n";

// Qt's own texts in the language of the application's table; none for English, which Qt
// speaks without a table. Absent when the system has no catalogue for that language.
std::unique_ptr<QTranslator> qtTable(const QString& language)
{
    if (language.isEmpty() || language.startsWith(QLatin1String("en")))
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

// Makes a loaded table, and Qt's table of the same language, the ones in use in place of any
// earlier ones.
void activate(QCoreApplication& app, std::unique_ptr<QTranslator> translator)
{
    uninstall(app);
    Tables& tables = installed();
    tables.qt = qtTable(translator->language());
    if (tables.qt)
        app.installTranslator(tables.qt.get());
    app.installTranslator(translator.get());
    tables.application = std::move(translator);
}

} // namespace

QString language()
{
    const Tables& tables = installed();
    return tables.application ? tables.application->language() : QString();
}

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
    // The default locale is the system's unless set otherwise: its languages come from
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG. A C or POSIX locale means English whatever
    // LANGUAGE says, as for the system's own programs, so that scripts and tests run in C
    // read the texts they expect.
    const QLocale locale;
    auto translator = std::make_unique<QTranslator>();
    const bool english = locale.language() == QLocale::C;
    if ((english
            || !translator->load(locale, QStringLiteral("ostrel"), QStringLiteral("_"),
                QString::fromLatin1(kResourceDir)))
        && !translator->load(QStringLiteral("ostrel_en"), QString::fromLatin1(kResourceDir)))
        return false;
    activate(app, std::move(translator));
    return true;
}

void uninstall(QCoreApplication& app)
{
    Tables& tables = installed();
    if (tables.application) {
        app.removeTranslator(tables.application.get());
        tables.application.reset();
    }
    if (tables.qt) {
        app.removeTranslator(tables.qt.get());
        tables.qt.reset();
    }
}

} // namespace Translations
