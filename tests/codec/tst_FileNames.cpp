#include <QTest>

#include "codec/FileNames.h"

// Names of any bytes as text and back: valid UTF-8 reads as Qt reads it, every other byte is
// kept as the surrogate U+DC00 + byte (which the log shows as "\xe9"), and nothing is lost.
class TestFileNames : public QObject
{
    Q_OBJECT

private slots:
    void bytesAndTextRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("utf8");

        auto escaped = [](std::initializer_list<char16_t> units) {
            QString text;
            for (char16_t unit : units)
                text += QChar(unit);
            return text;
        };
        QTest::newRow("ascii") << QByteArray("photos/a b.jpg") << QStringLiteral("photos/a b.jpg")
                               << true;
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 \xf0\x9f\x93\xb7.jpg")
                               << QString::fromUtf8("caf\xc3\xa9 \xf0\x9f\x93\xb7.jpg") << true;
        QTest::newRow("latin-1 byte")
            << QByteArray("caf\xe9.jpg") << escaped({ 'c', 'a', 'f', 0xDCE9, '.', 'j', 'p', 'g' })
            << false;
        QTest::newRow("sequence cut short")
            << QByteArray("\xe2\x82x") << escaped({ 0xDCE2, 0xDC82, 'x' }) << false;
        QTest::newRow("overlong slash")
            << QByteArray("\xc0\xaf") << escaped({ 0xDCC0, 0xDCAF }) << false;
        // The bytes of a surrogate are not UTF-8: they cannot be mistaken for an escaped byte.
        QTest::newRow("encoded surrogate")
            << QByteArray("\xed\xb3\xa9") << escaped({ 0xDCED, 0xDCB3, 0xDCA9 }) << false;
        QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80")
                                        << escaped({ 0xDCF4, 0xDC90, 0xDC80, 0xDC80 }) << false;
    }

    void bytesAndTextRoundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, utf8);
        QCOMPARE(FileNames::decode(bytes), text);
        QCOMPARE(FileNames::encode(text), bytes);
        QCOMPARE(FileNames::isUtf8(text), utf8);
    }
};

QTEST_GUILESS_MAIN(TestFileNames)
#include "tst_FileNames.moc"
