#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "batch/BatchResult.h"
#include "batch/ClosingReport.h"
#include "core/Translations.h"

namespace {

const QStringList kLanguages = { "en", "it", "de", "fr", "es" };

// One message of a .ts file as lupdate left it.
struct Message
{
    QString context;
    QString source;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
    QStringList translations; // one, or one per numerus form
};

QList<Message> readMessages(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QString context;
    Message message;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages << message;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message { context, {}, {}, {} };
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            QString text;
            bool forms = false;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                    break;
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    forms = true;
                    message.translations << xml.readElementText();
                } else if (xml.isCharacters()) {
                    text += xml.text();
                }
            }
            if (!forms)
                message.translations << text;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

// The placeholders of a text, each once and in order: "%1", "%n", ...
QStringList placeholders(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

// The translations against the sources: lupdate is run over the sources into copies of the
// .ts files, as a developer runs it, and every language must then have every text of the
// program translated, and nothing left over that the sources no longer use. The tables are
// embedded, and the system's language picks one.
class TestTranslations : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    QHash<QString, QList<Message>> mMessages;

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QStringList tsFiles;
        for (const QString& language : kLanguages) {
            const QString name = QStringLiteral("ostrel_%1.ts").arg(language);
            const QString copy = mDir.filePath(name);
            QVERIFY2(
                QFile::copy(QDir(QStringLiteral(OSTREL_TRANSLATIONS_DIR)).filePath(name), copy),
                qPrintable(name));
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
            tsFiles << copy;
        }
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(OSTREL_LUPDATE),
            QStringList { QStringLiteral(OSTREL_SOURCE_DIR), QStringLiteral("-locations"),
                QStringLiteral("none"), QStringLiteral("-no-ui-lines"), QStringLiteral("-ts") }
                + tsFiles);
        QVERIFY(lupdate.waitForFinished(120000));
        const QByteArray output = lupdate.readAll();
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
            output.constData());
        for (const QString& language : kLanguages) {
            QString error;
            mMessages[language]
                = readMessages(mDir.filePath(QStringLiteral("ostrel_%1.ts").arg(language)), &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QVERIFY(!mMessages[language].isEmpty());
        }
    }

    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }

    // A text the sources use but a language lacks, or has unfinished, would show in English;
    // one the sources no longer use is dead weight that
    // hides what is missing.
    void everyTextIsTranslated()
    {
        QFETCH(QString, language);
        QStringList problems;
        for (const Message& message : mMessages.value(language)) {
            const QString where = message.context + QStringLiteral(": ") + message.source;
            if (message.type == QLatin1String("vanished")
                || message.type == QLatin1String("obsolete"))
                problems << QStringLiteral("no longer in the sources: ") + where;
            else if (!message.type.isEmpty())
                problems << message.type + QStringLiteral(": ") + where;
            else if (message.translations.isEmpty() || message.translations.contains(QString()))
                problems << QStringLiteral("empty: ") + where;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void placeholdersAndAcceleratorsMatch_data() { everyTextIsTranslated_data(); }

    // A translation that drops or adds a placeholder shows a raw "%2" or loses a value; one
    // that drops the accelerator's "&" leaves a control without its key.
    void placeholdersAndAcceleratorsMatch()
    {
        QFETCH(QString, language);
        QStringList problems;
        for (const Message& message : mMessages.value(language)) {
            const QString& reference = message.source;
            for (const QString& translation : message.translations) {
                if (placeholders(translation) != placeholders(reference))
                    problems << QStringLiteral("placeholders: ") + message.source;
                const auto accelerators = [](QString text) {
                    return text.remove(QStringLiteral("&&")).count(QLatin1Char('&'));
                };
                if (accelerators(translation) != accelerators(reference))
                    problems << QStringLiteral("accelerator: ") + message.source;
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void countsKeepTheirWords_data() { everyTextIsTranslated_data(); }

    // One word for one count in every language: the alert's sentence, its counts line and the
    // command line's summary name failures and the images a stop left out alike, and a failure
    // is never called "not processed".
    void countsKeepTheirWords()
    {
        QFETCH(QString, language);
        QCoreApplication& app = *QCoreApplication::instance();
        QVERIFY(Translations::installLanguage(app, language));
        const auto restore = qScopeGuard([&app] { Translations::uninstall(app); });
        const auto word = [](const char* text) {
            return QCoreApplication::translate("ProgressSheet", text)
                .remove(QStringLiteral("%1"))
                .remove(QLatin1Char(':'))
                .trimmed();
        };
        const QString failed = word("Failed: %1");
        const QString notProcessed = word("Not processed: %1");
        BatchResult result;
        result.processed = 3;
        result.written = 2;
        result.listCount = 3;
        result.failures << BatchFailure { .position = 1, .name = QStringLiteral("b.jpg"),
            .path = {}, .status = { ResizeError::DecodeFailed }, .preset = {} };
        const QString finished = ClosingReport::forResult(result).informativeText;
        result.listCount = 5;
        result.stopped = true;
        const QString stopped = ClosingReport::forResult(result).informativeText;
        const QString summary = QCoreApplication::translate(
            "CommandLine", "Written: %1. Failed: %2. Not processed: %3. Time: %4 s.");
        for (const QString& text : { finished, stopped, summary })
            QVERIFY2(text.contains(failed, Qt::CaseInsensitive), qPrintable(failed + " / " + text));
        for (const QString& text : { stopped, summary })
            QVERIFY2(text.contains(notProcessed, Qt::CaseInsensitive),
                qPrintable(notProcessed + " / " + text));
        QVERIFY2(!finished.contains(notProcessed, Qt::CaseInsensitive), qPrintable(finished));
    }

    void systemLanguageChoosesTable_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("height");
        QTest::newRow("Italian") << "it_IT" << "Altezza";
        QTest::newRow("Swiss German") << "de_CH" << "Höhe";
        QTest::newRow("Canadian French") << "fr_CA" << "Hauteur";
        QTest::newRow("Mexican Spanish") << "es_MX" << "Alto";
        QTest::newRow("British English") << "en_GB" << "Height";
        QTest::newRow("Japanese falls back to English") << "ja_JP" << "Height";
        QTest::newRow("C") << "C" << "Height";
    }

    // The table embedded for the language of the default locale is the one in use; the
    // reasons a batch gives for a failure stay told apart in it.
    void systemLanguageChoosesTable()
    {
        QFETCH(QString, locale);
        QFETCH(QString, height);
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([] {
            QLocale::setDefault(QLocale::c());
            Translations::uninstall(*QCoreApplication::instance());
        });
        QVERIFY(Translations::install(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("SizePage", "Height"), height);
        QStringList reasons;
        for (ResizeError error : { ResizeError::OutputExists, ResizeError::SourceMissing,
                 ResizeError::DecodeFailed, ResizeError::InvalidSettings,
                 ResizeError::WriteFailed, ResizeError::None })
            reasons << BatchFailure { .position = 0, .name = {}, .path = {},
                .status = { error }, .preset = {} }.reasonText();
        std::sort(reasons.begin(), reasons.end());
        QVERIFY(std::adjacent_find(reasons.begin(), reasons.end()) == reasons.end());
    }

    // A language without a table leaves the one in use; with none at all the texts read in
    // English.
    void unknownLanguageKeepsTable()
    {
        QCoreApplication& app = *QCoreApplication::instance();
        QVERIFY(Translations::installLanguage(app, QStringLiteral("fr")));
        QVERIFY(!Translations::installLanguage(app, QStringLiteral("xx")));
        QCOMPARE(QCoreApplication::translate("SizePage", "Width"), QStringLiteral("Largeur"));
        Translations::uninstall(app);
        QCOMPARE(QCoreApplication::translate("SizePage", "Width"), QStringLiteral("Width"));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_Translations.moc"
