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

// The walk on the scanner's worker thread: results in the order of the requests, and a walk
// that stops when the scanner goes. The walk itself is FolderWalk's (tst_FolderWalk).
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

private slots:
    void containsFolder()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("photos"));
        touch(root + QStringLiteral("/a.jpg"));
        const QString single = root + QStringLiteral("/a.jpg");
        const QString missing = dir.filePath(QStringLiteral("gone.png"));
        QVERIFY(!FolderScanner::containsFolder({ missing, single }));
        QVERIFY(FolderScanner::containsFolder({ single, root }));
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
