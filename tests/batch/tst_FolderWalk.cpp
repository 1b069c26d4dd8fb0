#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
        QCOMPARE(FolderWalk::scanPaths({ root }, mExtensions).files, expected);
        // A trailing separator on the dropped folder changes nothing.
        QCOMPARE(FolderWalk::scanPaths({ root + QLatin1Char('/') }, mExtensions).files, expected);
    }

    // Each file found in a folder given knows its folder below it, where "Keep subfolders"
    // writes its output; a file given itself has none.
    void subfoldersBelowTheFolderGiven()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("photos"));
        makeTree(root);
        const QString single = dir.filePath(QStringLiteral("single.JPG"));
        touch(single);
        const FolderWalk::Result result
            = FolderWalk::scanPaths({ root + QLatin1Char('/'), single }, mExtensions);
        QCOMPARE(result.subfolders.value(root + QStringLiteral("/b.jpg"), "?"), QString());
        QCOMPARE(result.subfolders.value(root + QStringLiteral("/sub/deeper/c.gif")),
            QStringLiteral("sub/deeper"));
        QCOMPARE(result.subfolders.value(root + QStringLiteral("/album.jpg/inside.png")),
            QStringLiteral("album.jpg"));
        QVERIFY(!result.subfolders.contains(single));
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

        const QStringList out
            = FolderWalk::scanPaths({ text, root, missing, single }, mExtensions).files;
        const QStringList expected
            = QStringList { text } + inTree + QStringList { missing, single };
        QCOMPARE(out, expected);
    }

    // One link in photos/ (a.jpg, sub/b.jpg), beside elsewhere/ (c.jpg): a link is followed
    // only where it stays inside the folder given, and a folder is walked once; what a link
    // leading out would have brought is named instead. Paths are relative to photos/.
    void linksStayInsideTheFolder_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target"); // as the link holds it; "%1" is the test's folder
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("linksOutside");

        const QStringList plain = { "a.jpg", "sub/b.jpg" };
        QTest::newRow("folder outside") << "outside"
                                        << "../elsewhere" << plain << QStringList { "outside" };
        QTest::newRow("folder outside, absolute")
            << "sub/abs"
            << "%1/elsewhere" << plain << QStringList { "sub/abs" };
        QTest::newRow("the parent of the folder") << "sub/up"
                                                  << "../.." << plain << QStringList { "sub/up" };
        QTest::newRow("image outside")
            << "linked.jpg"
            << "../elsewhere/c.jpg" << plain << QStringList { "linked.jpg" };
        QTest::newRow("folder inside, met first")
            << "a-sub"
            << "sub" << QStringList { "a.jpg", "a-sub/b.jpg" } << QStringList();
        QTest::newRow("folder inside, met again") << "z-sub"
                                                  << "sub" << plain << QStringList();
        QTest::newRow("cycle to the top") << "sub/loop"
                                          << ".." << plain << QStringList();
        QTest::newRow("image inside")
            << "alias.jpg"
            << "sub/b.jpg" << QStringList { "a.jpg", "alias.jpg", "sub/b.jpg" } << QStringList();
        QTest::newRow("leads nowhere") << "dangling.jpg"
                                       << "../nothing.jpg" << plain << QStringList();
    }

    void linksStayInsideTheFolder()
    {
#if defined(Q_OS_UNIX)
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(QStringList, files);
        QFETCH(QStringList, linksOutside);
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("photos"));
        touch(root + QStringLiteral("/a.jpg"));
        touch(root + QStringLiteral("/sub/b.jpg"));
        touch(dir.filePath(QStringLiteral("elsewhere/c.jpg")));
        const QByteArray linkTarget = QFile::encodeName(target.arg(dir.path()));
        QCOMPARE(::symlink(linkTarget.constData(),
                     QFile::encodeName(root + QLatin1Char('/') + link).constData()),
            0);

        const FolderWalk::Result result = FolderWalk::scanPaths({ root }, mExtensions);
        QStringList expected;
        for (const QString& file : files)
            expected << root + QLatin1Char('/') + file;
        QCOMPARE(result.files, expected);
        QStringList leftOut;
        for (const FolderWalk::LeftOut& entry : result.leftOut) {
            QCOMPARE(entry.reason, FolderWalk::LeftOutReason::LinkOutside);
            leftOut << entry.path.mid(root.size() + 1);
        }
        QCOMPARE(leftOut, linksOutside);
#else
        QSKIP("symbolic links are a Unix test");
#endif
    }

    // The kernel's folders are refused whole, given as they are or by another name.
    void systemFoldersAreNotWalked_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("/proc") << "/proc";
        QTest::newRow("a process") << "/proc/self";
        QTest::newRow("/sys") << "/sys/class";
        QTest::newRow("/dev") << "/dev";
        QTest::newRow("/dev, trailing separator") << "/dev/";
    }

    void systemFoldersAreNotWalked()
    {
#if defined(Q_OS_LINUX)
        QFETCH(QString, folder);
        if (!QFileInfo(folder).isDir())
            QSKIP("no such folder here");
        const FolderWalk::Result result = FolderWalk::scanPaths({ folder }, mExtensions);
        QVERIFY(result.files.isEmpty());
        QCOMPARE(result.leftOut.size(), 1);
        QCOMPARE(result.leftOut.first().path, QDir::cleanPath(folder));
        QCOMPARE(result.leftOut.first().reason, FolderWalk::LeftOutReason::SystemFolder);
#else
        QSKIP("the kernel's folders of Linux");
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
