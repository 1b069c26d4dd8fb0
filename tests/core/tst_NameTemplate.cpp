#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "batch/StartCheck.h"
#include "core/ImageEntry.h"

// Output names made from a template, each token on a real photo written through a worker
// process, and the templates that a batch refuses to start with.
class TestNameTemplate : public QObject
{
    Q_OBJECT

    QTemporaryDir mTmp;

    // Options that write a 400 x 300 source at 200 x 150, as JPEG, named by the template.
    ResizeOptions templateOptions(const QString& nameTemplate, const QString& folder) const
    {
        ResizeOptions options;
        options.proportional = true;
        options.givenSide = GivenSide::First;
        options.width = 200;
        options.outputFolder = folder;
        options.naming = OutputNaming::Template;
        options.nameTemplate = nameTemplate;
        options.format = OutputFormat::Jpeg;
        return options;
    }

private slots:
    void initTestCase() { QVERIFY(mTmp.isValid()); }

    void tokens_data()
    {
        QTest::addColumn<QString>("nameTemplate");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name") << "{name}" << "IMG_0042.jpg";
        QTest::newRow("size") << "{name}_{w}x{h}" << "IMG_0042_200x150.jpg";
        QTest::newRow("number") << "{n}" << "7.jpg";
        QTest::newRow("padded number") << "shot-{n:4}" << "shot-0007.jpg";
        QTest::newRow("date taken") << "{date}" << "2021-07-04_090807.jpg";
        QTest::newRow("date format") << "{date:%y%m%d at %H.%M.%S}" << "210704 at 09.08.07.jpg";
        QTest::newRow("folder") << "{folder}-{name}" << "trip-IMG_0042.jpg";
        QTest::newRow("preset") << "{preset}_{name}" << "Web_IMG_0042.jpg";
        QTest::newRow("escaped braces") << "{{{name}}}" << "{IMG_0042}.jpg";
    }

    void tokens()
    {
        QFETCH(QString, nameTemplate);
        QFETCH(QString, expected);
        const QString in = mTmp.filePath(QStringLiteral("trip"));
        QVERIFY(QDir().mkpath(in));
        const QString source = QDir(in).filePath(QStringLiteral("IMG_0042.jpg"));
        if (!QFile::exists(source)) {
            TestSupport::writeImage(source, 400, 300);
            int code = -1;
            TestSupport::run(QStringLiteral("exiftool"),
                { "-q", "-overwrite_original", "-DateTimeOriginal=2021:07:04 09:08:07", source },
                &code);
            QCOMPARE(code, 0);
        }
        const QString out = mTmp.filePath(QLatin1String(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(out));
        ResizeOptions options = templateOptions(nameTemplate, out);
        options.presetName = QStringLiteral("Web");
        ImageEntry image(source);
        ResizeStatus status;
        QVERIFY2(TestSupport::writeResized(image, options, 7, &status), qPrintable(status.message));
        QCOMPARE(TestSupport::filesIn(out), QStringList { expected });
        const TestSupport::Facts facts = TestSupport::inspect(QDir(out).filePath(expected));
        QCOMPARE(facts.width, 200);
        QCOMPARE(facts.height, 150);
    }

    // Without a date taken, {date} is the source file's modification time.
    void modificationTimeWithoutDateTaken()
    {
        const QString source = TestSupport::writeImage(mTmp.filePath("plain.png"), 400, 300);
        const QDateTime modified(QDate(2019, 3, 2), QTime(1, 2, 3));
        {
            QFile file(source);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        }
        const QString out = mTmp.filePath(QStringLiteral("undated"));
        QVERIFY(QDir().mkpath(out));
        ImageEntry image(source);
        ResizeStatus status;
        QVERIFY2(TestSupport::writeResized(image, templateOptions("{name} {date}", out), 1, &status),
            qPrintable(status.message));
        QCOMPARE(TestSupport::filesIn(out), QStringList { "plain 2019-03-02_010203.jpg" });
    }

    // A name that holds the output's size is known only once the source is measured: a file
    // of that name is still never replaced.
    void sizedNameThatExistsIsNotReplaced()
    {
        const QString source = TestSupport::writeImage(mTmp.filePath("taken.png"), 400, 300);
        const QString out = mTmp.filePath(QStringLiteral("taken"));
        const QString existing = QDir(out).filePath(QStringLiteral("taken_200x150.jpg"));
        QVERIFY(TestSupport::writeFile(existing, "mine"));
        ImageEntry image(source);
        ResizeStatus status;
        QVERIFY(!TestSupport::writeResized(image, templateOptions("{name}_{w}x{h}", out), 1, &status));
        QCOMPARE(status.error, ResizeError::OutputExists);
        QFile kept(existing);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("mine"));
    }

    void startCheck_data()
    {
        QTest::addColumn<QString>("nameTemplate");
        QTest::addColumn<bool>("usable");
        QTest::newRow("every token") << "{name}_{n:4}_{w}x{h}_{date:%Y%m%d}_{folder}{preset}" << true;
        QTest::newRow("literal only") << "photo" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("only an empty preset") << "{preset}" << false;
        QTest::newRow("separator") << "a/{name}" << false;
        QTest::newRow("separator in a date") << "{date:%Y/%m}" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("unknown token") << "{name}_{size}" << false;
        QTest::newRow("unclosed brace") << "{name" << false;
        QTest::newRow("lone closing brace") << "name}" << false;
        QTest::newRow("no digits") << "{n:0}" << false;
        QTest::newRow("unknown date code") << "{date:%q}" << false;
    }

    // The window and ostrel-batch start through the same check, which names the problem.
    void startCheck()
    {
        QFETCH(QString, nameTemplate);
        QFETCH(bool, usable);
        ResizeOptions options = templateOptions(nameTemplate, mTmp.path());
        const std::optional<StartCheck::Result> found
            = StartCheck::check(StartCheck::inputOf(options, 1));
        QCOMPARE(!found.has_value(), usable);
        if (!usable) {
            QCOMPARE(found->problem, StartCheck::Problem::UnusableNameTemplate);
            QVERIFY(!found->reason.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestNameTemplate)
#include "tst_NameTemplate.moc"
