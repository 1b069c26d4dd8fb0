#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "batch/FolderWalk.h"

// Folders walked on disk: which files come out, and in which order.
class TestFolderWalk : public QObject
{
    Q_OBJECT

private:
    const QStringList mExtensions
        = { QStringLiteral("jpg"), QStringLiteral("JPG"), QStringLiteral("png"),
              QStringLiteral("PNG"), QStringLiteral("tif"), QStringLiteral("gif") };

    static void touch(const QString& path)
    {
        QVERIFY2(TestSupport::writeFile(path), qPrintable(path));
    }

    // root/
    //   b.jpg  a.JPG  img10.png  img2.png  a.Jpg  notes.txt  noext  .hidden.jpg
    //   sub/z.tif  sub/deeper/c.gif  Sub2/y.png  album.jpg/inside.png  .cache/t.png
    static QStringList makeTree(const QString& root)
    {
        for (const char* name : { "b.jpg", "a.JPG", "img10.png", "img2.png", "a.Jpg", "notes.txt",
                 "noext", ".hidden.jpg", "sub/z.tif", "sub/deeper/c.gif", "Sub2/y.png",
                 "album.jpg/inside.png", ".cache/t.png" })
            touch(root + QLatin1Char('/') + QLatin1String(name));
        return { root + QStringLiteral("/a.JPG"), root + QStringLiteral("/b.jpg"),
            root + QStringLiteral("/img2.png"), root + QStringLiteral("/img10.png"),
            root + QStringLiteral("/album.jpg/inside.png"), root + QStringLiteral("/sub/z.tif"),
            root + QStringLiteral("/sub/deeper/c.gif"), root + QStringLiteral("/Sub2/y.png") };
    }

private slots:
    void folderOrderAndFilter()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("photos"));
        const QStringList expected = makeTree(root);
        QCOMPARE(FolderWalk::scanPaths({ root }, mExtensions), expected);
        // A trailing separator on the dropped folder changes nothing.
        QCOMPARE(FolderWalk::scanPaths({ root + QLatin1Char('/') }, mExtensions), expected);
    }

    void filesPassThroughInTheirPlace()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("photos"));
        const QStringList inTree = makeTree(root);
        const QString single = dir.filePath(QStringLiteral("single.JPG"));
        touch(single);
        // Plain paths are not filtered or checked here: the list's own rules decide later.
        const QString text = dir.filePath(QStringLiteral("readme.txt"));
        const QString missing = dir.filePath(QStringLiteral("gone.png"));

        const QStringList out = FolderWalk::scanPaths({ text, root, missing, single }, mExtensions);
        const QStringList expected
            = QStringList { text } + inTree + QStringList { missing, single };
        QCOMPARE(out, expected);
    }

    void linksAreFollowedOnce()
    {
#if defined(Q_OS_UNIX)
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("photos"));
        touch(root + QStringLiteral("/a.jpg"));
        touch(root + QStringLiteral("/sub/b.jpg"));
        touch(dir.filePath(QStringLiteral("elsewhere/c.jpg")));
        // A cycle back to the top, a second way into sub, a link to a folder outside the tree
        // and a link that leads nowhere.
        QVERIFY(QFile::link(root, root + QStringLiteral("/sub/loop")));
        QVERIFY(QFile::link(root + QStringLiteral("/sub"), root + QStringLiteral("/z-again")));
        QVERIFY(QFile::link(
            dir.filePath(QStringLiteral("elsewhere")), root + QStringLiteral("/outside")));
        QVERIFY(QFile::link(
            dir.filePath(QStringLiteral("nothing")), root + QStringLiteral("/dangling.jpg")));

        const QStringList out = FolderWalk::scanPaths({ root }, mExtensions);
        QCOMPARE(out,
            QStringList({ root + QStringLiteral("/a.jpg"), root + QStringLiteral("/outside/c.jpg"),
                root + QStringLiteral("/sub/b.jpg") }));
#else
        QSKIP("symbolic links are a Unix test");
#endif
    }

    void naturalOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("numbers by value") << "img2.jpg"
                                          << "img10.jpg";
        QTest::newRow("case ignored") << "apple.jpg"
                                      << "Banana.jpg";
        QTest::newRow("long numbers") << "x99999999999999999999.jpg"
                                      << "x100000000000000000000.jpg";
        QTest::newRow("leading zeros") << "p007.jpg"
                                       << "p10.jpg";
        QTest::newRow("prefix first") << "img"
                                      << "img1";
        QTest::newRow("equal ignoring case, still ordered") << "A.jpg"
                                                            << "a.jpg";
        QTest::newRow("equal value, fewer zeros") << "p01.jpg"
                                                  << "p1.jpg";
    }

    void naturalOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QVERIFY(FolderWalk::naturalLess(a, b));
        QVERIFY(!FolderWalk::naturalLess(b, a));
        QVERIFY(!FolderWalk::naturalLess(a, a));
    }
};

QTEST_GUILESS_MAIN(TestFolderWalk)
#include "tst_FolderWalk.moc"
