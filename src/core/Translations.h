#pragma once

#include <QString>

class QCoreApplication;

// The application's translations: its own table (the texts of tr() and
// QCoreApplication::translate, in English in the source) and Qt's table of the same language.
// A text that the loaded table lacks reads in English.
namespace Translations {

// Installs the table for the language of the default locale (the system's unless set
// otherwise; English when there is no table for it, and for the C/POSIX locale) into the
// application, with Qt's own table of that language when the system has one. Returns false
// when no table could be loaded.
bool install(QCoreApplication& app);
// Installs the table of one language ("it", "de", ...), with Qt's own; false when there is
// none.
bool installLanguage(QCoreApplication& app, const QString& language);
// The language of the installed table ("de", "it", ...); empty when none is installed.
QString language();
// Removes any installed table, Qt's too (every text then reads in English).
void uninstall(QCoreApplication& app);

} // namespace Translations
