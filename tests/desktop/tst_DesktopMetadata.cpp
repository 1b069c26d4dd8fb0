#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "codec/ImageCodec.h"

// The desktop file and the AppStream metadata as installed: valid for the desktop's own
// checkers, and claiming exactly the types Ostrel reads.
class tst_DesktopMetadata : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFilesPassTheirValidators_data();
    void installedFilesPassTheirValidators();
    void typesAreThoseOstrelReads();
    void newestReleaseIsThisVersion();

private:
    QTemporaryDir m_prefix;
    QString installed(const QString& relativePath) const
    {
        return m_prefix.filePath(relativePath);
    }
};

namespace {

const QString kDesktopFile = QStringLiteral("share/applications/io.github.ostrel.Ostrel.desktop");
const QString kMetainfoFile = QStringLiteral("share/metainfo/io.github.ostrel.Ostrel.metainfo.xml");

// The text of the first elements named `name` under an element named `parent`.
QStringList elementTexts(const QString& path, const QString& parent, const QString& name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QStringList texts;
    int insideParent = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == parent)
            ++insideParent;
        else if (xml.isEndElement() && xml.name() == parent)
            --insideParent;
        else if (insideParent > 0 && xml.isStartElement() && xml.name() == name)
            texts << xml.readElementText(QXmlStreamReader::SkipChildElements);
    }
    return texts;
}

QStringList releaseVersions(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QStringList versions;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"release")
            versions << xml.attributes().value(QLatin1String("version")).toString();
    }
    return versions;
}

} // namespace

void tst_DesktopMetadata::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(OSTREL_CMAKE_COMMAND),
        { QStringLiteral("--install"), QStringLiteral(OSTREL_BUILD_DIR), QStringLiteral("--prefix"),
            m_prefix.path() });
    QVERIFY(install.waitForFinished(120'000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
}

void tst_DesktopMetadata::installedFilesPassTheirValidators_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("desktop file") << QStringLiteral("desktop-file-validate") << QStringList()
                                  << kDesktopFile;
    // --no-net: the screenshots' addresses are not fetched (the tests run offline).
    QTest::newRow("AppStream metadata")
        << QStringLiteral("appstreamcli")
        << QStringList { QStringLiteral("validate"), QStringLiteral("--pedantic"),
               QStringLiteral("--no-net"), QStringLiteral("--explain") }
        << kMetainfoFile;
}

void tst_DesktopMetadata::installedFilesPassTheirValidators()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QVERIFY2(QFile::exists(installed(file)), qPrintable(file));
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(program, arguments << installed(file));
    QVERIFY2(validator.waitForFinished(60'000), qPrintable(program));
    const QByteArray output = validator.readAll();
    QVERIFY2(validator.exitStatus() == QProcess::NormalExit && validator.exitCode() == 0,
        output.constData());
    // Pedantic remarks do not fail appstreamcli; they are faults of ours all the same, but
    // for one: the application id has capitals, as the desktop file's name that desktops
    // know it by ("io.github.ostrel.Ostrel.desktop").
    QStringList remarks;
    for (const QByteArray& line : output.split('\n')) {
        if ((line.startsWith("P: ") || line.startsWith("I: ") || line.startsWith("W: ")
                || line.startsWith("E: "))
            && !line.contains("cid-contains-uppercase-letter"))
            remarks << QString::fromUtf8(line);
    }
    QVERIFY2(remarks.isEmpty(), output.constData());
}

void tst_DesktopMetadata::typesAreThoseOstrelReads()
{
    const QStringList reads = ImageCodec::sourceMimeTypes();
    QVERIFY(reads.contains(QStringLiteral("image/jxl")));

    QFile desktopFile(installed(kDesktopFile));
    QVERIFY(desktopFile.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList desktopTypes;
    const QByteArray key = "MimeType=";
    for (const QByteArray& line : desktopFile.readAll().split('\n')) {
        if (line.startsWith(key))
            desktopTypes = QString::fromUtf8(line.mid(key.size())).split(u';');
    }
    QCOMPARE(desktopTypes.takeLast(), QString()); // the list ends with a separator
    QCOMPARE(desktopTypes, reads);

    QCOMPARE(elementTexts(installed(kMetainfoFile), QStringLiteral("provides"),
                 QStringLiteral("mediatype")),
        reads);
}

void tst_DesktopMetadata::newestReleaseIsThisVersion()
{
    const QStringList versions = releaseVersions(installed(kMetainfoFile));
    QVERIFY(!versions.isEmpty());
    QCOMPARE(versions.first(), QStringLiteral(OSTREL_VERSION));
}

QTEST_GUILESS_MAIN(tst_DesktopMetadata)
#include "tst_DesktopMetadata.moc"
