#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The user texts, looked up by key ("_Width"). The keys are the source texts of the
// application's Qt translations (context "Ostrel"); a key that the loaded table lacks, or no
// table at all, gives the fallback text, so a missing text is visible on screen.
namespace LocalizedText {

inline constexpr const char* kFallback = "LocalizationBug_PleaseContactTheAuthor";

// The text of key in the installed table, or the fallback.
QString text(const char* key);
// The text of key used as a format: %1, %2, ... are replaced by the arguments in order.
// Placeholders without an argument stay as written and arguments without a placeholder are
// ignored, quietly (QString::arg would warn about either).
QString text(const char* key, const QStringList& arguments);
QString format(const QString& text, const QStringList& arguments);

// Installs the table for the language of the default locale (the system's unless set
// otherwise; English when there is no table for it, and for the C/POSIX locale) into the
// application, with Qt's own table of that language when the system has one. Returns false
// when no table could be loaded.
bool install(QCoreApplication& app);
// Installs the table of one language ("it", "de", ...), with Qt's own; false when there is
// none.
bool installLanguage(QCoreApplication& app, const QString& language);
// Removes any installed table, Qt's too (the keyed texts then all read as the fallback).
void uninstall(QCoreApplication& app);

} // namespace LocalizedText
