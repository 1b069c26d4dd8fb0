#include <algorithm>

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

#include "core/LocalizedText.h"

namespace {

// Every key of the table with the placeholders its text must carry.
struct Key
{
    const char* key;
    QStringList placeholders;
};

const QList<Key>& keys()
{
    static const QList<Key> list = {
        { "_Width", {} },
        { "_Height", {} },
        { "_LongSide", {} },
        { "_ShortSide", {} },
        { "_Pixel", { "%1", "%2", "%3" } },
        { "_ElaboratingText", { "%1", "%2" } },
        { "_ElaboratingFinished", {} },
        { "_OK", {} },
        { "_OpenConsole", {} },
        { "_ElaboratingFinishedWithErrors", { "%1" } },
        { "_ElaboratingFinishedWithoutErrors", {} },
        { "_FailureOutputExists", {} },
        { "_FailureSourceMissing", {} },
        { "_FailureDecodeFailed", {} },
        { "_FailureInvalidSettings", {} },
        { "_FailureWriteFailed", {} },
        { "_FailureUnknown", {} },
        { "_BatchSummary", { "%1", "%2", "%3", "%4" } },
        { "_BatchSummaryWithSkipped", { "%1", "%2", "%3", "%4", "%5" } },
        { "_ElaboratingFinishedWithSkipped", { "%1", "%2" } },
        { "_SkippedCount", { "%1" } },
        { "_StoppingAfterCurrent", {} },
        { "_ElaboratingStopped", {} },
        { "_ElaboratingStoppedWithoutErrors", { "%1", "%2" } },
        { "_ElaboratingStoppedWithErrors", { "%1", "%2", "%3" } },
        { "_ElaboratingFailedCount", { "%1" } },
        { "_LogNamesFailedImages", {} },
        { "_LogNotWritten", { "%1" } },
        { "_CheckNoImages", {} },
        { "_CheckEnterWidth", {} },
        { "_CheckEnterHeight", {} },
        { "_CheckEnterLongSide", {} },
        { "_CheckEnterShortSide", {} },
        { "_CheckSizeAboveZero", {} },
        { "_CheckProportions", {} },
        { "_CheckEnterResolution", {} },
        { "_CheckResolutionAboveZero", {} },
        { "_CheckChooseFolder", {} },
        { "_CheckFolderMissing", {} },
        { "_CheckNotAFolder", {} },
        { "_CheckEnterStartNumber", {} },
        { "_CheckChooseNaming", {} },
        { "_NotAddedType", {} },
        { "_NotAddedMissing", {} },
        { "_NotAddedLinkOutside", {} },
        { "_NotAddedSystemFolder", {} },
        { "_FileNotAdded", { "%1", "%2" } },
        { "_FilesNotAdded", { "%1", "%2", "%3" } },
    };
    return list;
}

QStringList placeholdersOf(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

// The user texts: each language's table is embedded, complete and consistent in its
// placeholders; the system's language picks the table; a missing table or key gives the
// fallback.
class TestLocalizedText : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // A text with a placeholder missing would make QString::arg warn.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        LocalizedText::uninstall(*QCoreApplication::instance());
    }

    void tablesAreEmbedded()
    {
        for (const char* lang : { "en", "it", "de", "fr", "es" })
            QVERIFY2(QFile::exists(QStringLiteral(":/i18n/ostrel_%1.qm").arg(lang)), lang);
    }

    void everyLanguageHasEveryKey_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("okButton");
        QTest::newRow("en") << "en"
                            << "Width"
                            << "OK";
        QTest::newRow("it") << "it"
                            << "Larghezza"
                            << "OK";
        QTest::newRow("de") << "de"
                            << "Breite"
                            << "OK";
        QTest::newRow("fr") << "fr"
                            << "Largeur"
                            << "OK";
        QTest::newRow("es") << "es"
                            << "Ancho"
                            << "Aceptar";
    }

    void everyLanguageHasEveryKey()
    {
        QFETCH(QString, language);
        QFETCH(QString, width);
        QFETCH(QString, okButton);
        QVERIFY(LocalizedText::installLanguage(*QCoreApplication::instance(), language));
        QCOMPARE(LocalizedText::text("_Width"), width);
        QCOMPARE(LocalizedText::text("_OK"), okButton);
        QStringList texts;
        for (const Key& k : keys()) {
            const QString text = LocalizedText::text(k.key);
            QVERIFY2(text != QLatin1String(LocalizedText::kFallback), k.key);
            QVERIFY2(!text.trimmed().isEmpty(), k.key);
            QVERIFY2(!text.startsWith(QLatin1Char('_')), k.key);
            QCOMPARE(placeholdersOf(text), k.placeholders);
            texts << text;
        }
        // The failure reasons are told apart in every language.
        QStringList reasons = texts.mid(11, 6);
        std::sort(reasons.begin(), reasons.end());
        QVERIFY(std::adjacent_find(reasons.begin(), reasons.end()) == reasons.end());
    }

    void formatsFillInOrder()
    {
        QVERIFY(
            LocalizedText::installLanguage(*QCoreApplication::instance(), QStringLiteral("it")));
        QCOMPARE(LocalizedText::text("_ElaboratingText", { "3", "12" }),
            QStringLiteral("Elaborazione dell’immagine 3 di 12…"));
        QVERIFY(
            LocalizedText::installLanguage(*QCoreApplication::instance(), QStringLiteral("de")));
        QCOMPARE(LocalizedText::text("_Pixel", { "4000", "3000", "2.4 MB" }),
            QStringLiteral("4000 × 3000 Pixel, 2.4 MB"));
    }

    void systemLanguageChoosesTable_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("height");
        QTest::newRow("Italian") << "it_IT"
                                 << "Altezza";
        QTest::newRow("Swiss German") << "de_CH"
                                      << "Höhe";
        QTest::newRow("Canadian French") << "fr_CA"
                                         << "Hauteur";
        QTest::newRow("Mexican Spanish") << "es_MX"
                                         << "Alto";
        QTest::newRow("British English") << "en_GB"
                                         << "Height";
        QTest::newRow("Japanese falls back to English") << "ja_JP"
                                                        << "Height";
        QTest::newRow("C") << "C"
                           << "Height";
    }

    void systemLanguageChoosesTable()
    {
        QFETCH(QString, locale);
        QFETCH(QString, height);
        QLocale::setDefault(QLocale(locale));
        QVERIFY(LocalizedText::install(*QCoreApplication::instance()));
        QCOMPARE(LocalizedText::text("_Height"), height);
    }

    void fallback()
    {
        const QString fallback = QStringLiteral("LocalizationBug_PleaseContactTheAuthor");
        LocalizedText::uninstall(*QCoreApplication::instance());
        QCOMPARE(LocalizedText::text("_Width"), fallback);
        QCOMPARE(LocalizedText::text("_ElaboratingText", { "1", "2" }), fallback);
        QVERIFY(
            LocalizedText::installLanguage(*QCoreApplication::instance(), QStringLiteral("fr")));
        QCOMPARE(LocalizedText::text("_NoSuchKey"), fallback);
        QCOMPARE(LocalizedText::text("Width"), fallback);
        // A language without a table leaves the installed one in place.
        QVERIFY(
            !LocalizedText::installLanguage(*QCoreApplication::instance(), QStringLiteral("xx")));
        QCOMPARE(LocalizedText::text("_Width"), QStringLiteral("Largeur"));
    }

    void format_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("in order") << "%1 of %2" << QStringList { "3", "5" } << "3 of 5";
        QTest::newRow("reordered") << "%2 von %1" << QStringList { "3", "5" } << "5 von 3";
        QTest::newRow("extra argument ignored") << "Done" << QStringList { "7" } << "Done";
        QTest::newRow("missing argument kept") << "%1 and %2" << QStringList { "a" } << "a and %2";
        QTest::newRow("no arguments") << "100% done, %1" << QStringList {} << "100% done, %1";
        QTest::newRow("argument not expanded again")
            << "%1 %2" << QStringList { "%2", "x" } << "%2 x";
        QTest::newRow("two digits")
            << "%10/%1" << QStringList { "a", "b", "c", "d", "e", "f", "g", "h", "i", "j" }
            << "j/a";
        QTest::newRow("%0 is text") << "%0 %1" << QStringList { "a" } << "%0 a";
        QTest::newRow("percent at end") << "50%" << QStringList { "a" } << "50%";
        QTest::newRow("repeated") << "%1-%1" << QStringList { "z" } << "z-z";
    }

    void format()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QCOMPARE(LocalizedText::format(text, arguments), expected);
    }
};

QTEST_GUILESS_MAIN(TestLocalizedText)
#include "tst_LocalizedText.moc"
