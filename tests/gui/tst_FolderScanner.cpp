#include <QDir>
#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>

#if defined(Q_OS_LINUX)
#include <sys/inotify.h>
#include <unistd.h>
#endif

#include "TestSupport.h"
#include "gui/FolderScanner.h"

#if defined(Q_OS_LINUX)
// Counts the subfolders of one folder that are opened, as inotify reports them: how far a walk
// through that folder has gone. The notifier fires when the first open has been reported.
class OpenedFolders
{
public:
    explicit OpenedFolders(const QString& folder)
        : mFd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
        , mNotifier(mFd, QSocketNotifier::Read)
    {
        mValid = mFd >= 0
            && ::inotify_add_watch(mFd, QFile::encodeName(folder).constData(), IN_OPEN) >= 0;
    }
    ~OpenedFolders()
    {
        if (mFd >= 0)
            ::close(mFd);
    }
    bool isValid() const { return mValid; }
    QSocketNotifier* notifier() { return &mNotifier; }
    // The subfolders opened so far; each counts once.
    int count()
    {
        alignas(inotify_event) char buffer[65536];
        ssize_t length = 0;
        while ((length = ::read(mFd, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                if (event->len > 0 && (event->mask & IN_ISDIR))
                    mNames.insert(QByteArray(event->name));
            }
        }
        return int(mNames.size());
    }

private:
    int mFd;
    QSocketNotifier mNotifier;
    bool mValid = false;
    QSet<QByteArray> mNames;
};
#endif

// Folders walked on disk: which files come out, in which order, and that the walk on the
// worker thread delivers its results in the order of the requests.
class TestFolderScanner : public QObject
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
        QCOMPARE(FolderScanner::scanPaths({ root }, mExtensions), expected);
        // A trailing separator on the dropped folder changes nothing.
        QCOMPARE(FolderScanner::scanPaths({ root + QLatin1Char('/') }, mExtensions), expected);
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
            = FolderScanner::scanPaths({ text, root, missing, single }, mExtensions);
        const QStringList expected
            = QStringList { text } + inTree + QStringList { missing, single };
        QCOMPARE(out, expected);
        QVERIFY(!FolderScanner::containsFolder({ text, missing, single }));
        QVERIFY(FolderScanner::containsFolder({ text, root }));
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

        const QStringList out = FolderScanner::scanPaths({ root }, mExtensions);
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
        QVERIFY(FolderScanner::naturalLess(a, b));
        QVERIFY(!FolderScanner::naturalLess(b, a));
        QVERIFY(!FolderScanner::naturalLess(a, a));
    }

    void resultsInRequestOrder()
    {
        QTemporaryDir dir;
        // A large folder first, so that the plain files of the second request would overtake
        // it if requests were not kept in order.
        const QString big = dir.filePath(QStringLiteral("big"));
        QStringList bigFiles;
        for (int folder = 0; folder < 10; ++folder) {
            for (int i = 0; i < 300; ++i) {
                const QString path = QStringLiteral("%1/f%2/img%3.jpg").arg(big).arg(folder).arg(i);
                touch(path);
                bigFiles.append(path);
            }
        }
        const QStringList plain
            = { dir.filePath(QStringLiteral("one.jpg")), dir.filePath(QStringLiteral("two.png")) };

        FolderScanner scanner(mExtensions);
        QSignalSpy spy(&scanner, &FolderScanner::scanned);
        scanner.scan({ big });
        scanner.scan(plain);
        QVERIFY(scanner.isBusy());
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 30000);
        QVERIFY(!scanner.isBusy());
        QCOMPARE(spy.at(0).at(0).toStringList(), bigFiles);
        QCOMPARE(spy.at(1).at(0).toStringList(), plain);
    }

    // Deleted while its walk is under way, the scanner stops the walk at the next folder
    // instead of waiting for the whole tree, and delivers nothing. The folders the walk opens
    // are counted from outside with inotify.
    void destroyedWhileWalking()
    {
#if defined(Q_OS_LINUX)
        QTemporaryDir dir;
        // Forty folders, each the top of a chain sixty folders deep: a walk long enough to be
        // under way when the scanner goes.
        const int folders = 40;
        const QString chain = QStringLiteral("/c").repeated(60);
        for (int i = 0; i < folders; ++i)
            QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("d%1").arg(i)) + chain));
        OpenedFolders opened(dir.path());
        QVERIFY(opened.isValid());
        QSignalSpy walking(opened.notifier(), &QSocketNotifier::activated);

        auto* scanner = new FolderScanner(mExtensions);
        bool delivered = false;
        connect(scanner, &FolderScanner::scanned, this, [&delivered] { delivered = true; });
        scanner->scan({ dir.path() });
        QVERIFY(walking.wait(30000)); // the walk has opened the tree: it is under way
        delete scanner;
        const int visited = opened.count();
        QVERIFY2(visited < folders,
            qPrintable(QStringLiteral("the walk went on into %1 of %2 folders")
                           .arg(visited)
                           .arg(folders)));
        QCoreApplication::processEvents();
        QVERIFY(!delivered);
#else
        QSKIP("the folders a walk opens are counted with inotify");
#endif
    }
};

QTEST_GUILESS_MAIN(TestFolderScanner)
#include "tst_FolderScanner.moc"
