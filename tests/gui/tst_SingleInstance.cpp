#include <atomic>
#include <cstring>
#include <thread>

#include <QDir>
#include <QEventLoop>
#include <QLocalSocket>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#if defined(Q_OS_UNIX)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include "gui/SingleInstance.h"

// Two instances in one process on a socket of the test's own: the second launch runs on a
// thread of its own, as it would in its own process, since sending waits for the answer.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    int mCount = 0;

    // A fresh socket name for each test, so that no test sees another's leftovers.
    QString nextName() { return mDir.filePath(QStringLiteral("instance%1").arg(++mCount)); }

    // Sends paths from another thread while this one runs the event loop of the receiver.
    static bool sendFromThread(const QString& name, const QStringList& paths, QSignalSpy& spy)
    {
        std::atomic_bool sent { false };
        std::thread launch([&] { sent = SingleInstance(name).sendFiles(paths); });
        const bool received = spy.wait(10000);
        launch.join();
        return received && sent;
    }

    // What the running instance made of raw bytes written to it piece by piece from another
    // thread while this thread serves them: its answer, and whether it closed the connection.
    struct Reply
    {
        QByteArray answer;
        bool closed = false;
    };
    static Reply sendRaw(const QString& name, const QByteArray& bytes, int pieceSize)
    {
        Reply reply;
        QEventLoop loop;
        std::thread peer([&] {
            QLocalSocket socket;
            socket.connectToServer(name);
            if (socket.waitForConnected(5000)) {
                for (qsizetype at = 0; at < bytes.size(); at += pieceSize) {
                    socket.write(bytes.mid(at, pieceSize));
                    socket.waitForBytesWritten(5000);
                }
                // An answer comes before the close; a receiver that keeps waiting for more
                // bytes closes nothing.
                socket.waitForDisconnected(10000);
                reply.answer = socket.readAll();
                reply.closed = socket.state() == QLocalSocket::UnconnectedState;
            }
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        peer.join();
        return reply;
    }

private slots:
    void asksForTheAddDialog_data()
    {
        QTest::addColumn<bool>("addImages");
        QTest::newRow("files only") << false;
        QTest::newRow("files and the Add dialog") << true;
    }

    // ostrel --add-images while a window runs: that window takes the files and opens its
    // dialog to add images; a plain launch does not open it.
    void asksForTheAddDialog()
    {
        QFETCH(bool, addImages);
        SingleInstance running(nextName());
        QVERIFY(running.listen());
        QSignalSpy files(&running, &SingleInstance::filesReceived);
        QSignalSpy dialog(&running, &SingleInstance::addImagesRequested);
        const QStringList paths { QStringLiteral("/photos/a.jpg") };
        std::atomic_bool sent { false };
        std::thread launch([&] {
            const SingleInstance second(running.serverName());
            sent = addImages ? second.sendFilesAndAddImages(paths) : second.sendFiles(paths);
        });
        QVERIFY(files.wait(10000));
        launch.join();
        QVERIFY(sent);
        QCOMPARE(files.first().first().toStringList(), paths);
        QCOMPARE(dialog.count(), addImages ? 1 : 0);
    }

    void initTestCase() { QVERIFY(mDir.isValid()); }

    void forwardsFilesToTheRunningInstance()
    {
        const QString name = nextName();
        SingleInstance first(name);
        QVERIFY(first.listen());
        QVERIFY(first.isListening());

        SingleInstance second(name);
        QVERIFY(!second.listen()); // the first answers: no takeover
        QVERIFY(first.isListening());

        QSignalSpy spy(&first, &SingleInstance::filesReceived);
        const QStringList paths = { QStringLiteral("/pictures/trip/photo.JPG"),
            QStringLiteral("/pictures/été/line\nbreak.png"), QStringLiteral("/p/a b.tif") };
        QVERIFY(sendFromThread(name, paths, spy));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toStringList(), paths);

        // A launch without files only asks the running instance to come forward.
        QVERIFY(sendFromThread(name, {}, spy));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toStringList(), QStringList());
    }

    void secondLaunchAsAProcess()
    {
        const QString name = nextName();
        SingleInstance first(name);
        QVERIFY(first.listen());
        QSignalSpy spy(&first, &SingleInstance::filesReceived);

        // Relative arguments are resolved in the launching process's own working folder.
        QTemporaryDir launchDir;
        QProcess launch;
        launch.setWorkingDirectory(launchDir.path());
        launch.start(QStringLiteral(OSTREL_FORWARD_FILES),
            { name, QStringLiteral("holiday.jpg"), QStringLiteral("/abs/scan.tif") });
        QVERIFY(spy.wait(10000));
        QVERIFY(launch.waitForFinished(10000));
        QCOMPARE(launch.exitStatus(), QProcess::NormalExit);
        QCOMPARE(launch.exitCode(), 0);
        const QString base = QDir(launchDir.path()).absolutePath();
        QCOMPARE(spy.at(0).at(0).toStringList(),
            QStringList(
                { base + QStringLiteral("/holiday.jpg"), QStringLiteral("/abs/scan.tif") }));

        // With nobody listening the launch says so, and does not quit as if it had handed over.
        QProcess orphan;
        orphan.start(
            QStringLiteral(OSTREL_FORWARD_FILES), { nextName(), QStringLiteral("/x.jpg") });
        QVERIFY(orphan.waitForFinished(15000));
        QCOMPARE(orphan.exitCode(), 1);
    }

    void messageInPieces()
    {
        const QString name = nextName();
        SingleInstance first(name);
        QVERIFY(first.listen());
        QSignalSpy spy(&first, &SingleInstance::filesReceived);
        const QStringList paths = { QStringLiteral("/a/one.jpg"), QStringLiteral("/b/two.png") };
        const Reply reply = sendRaw(name, SingleInstance::encode(paths), 3);
        QCOMPARE(reply.answer, QByteArray("1"));
        QVERIFY(reply.closed);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toStringList(), paths);
    }

    void nonsenseIsRefused()
    {
        const QString name = nextName();
        SingleInstance first(name);
        QVERIFY(first.listen());
        QSignalSpy spy(&first, &SingleInstance::filesReceived);
        // Bytes that are no message: the connection is closed at once, unanswered.
        const Reply http = sendRaw(name, QByteArray("GET / HTTP/1.0\r\n\r\n"), 64);
        QVERIFY(http.closed);
        QCOMPARE(http.answer, QByteArray());
        // A length far beyond any list of paths is not waited for either.
        QByteArray huge = SingleInstance::encode({});
        huge[4] = '\x7f';
        const Reply tooLong = sendRaw(name, huge, 64);
        QVERIFY(tooLong.closed);
        QCOMPARE(tooLong.answer, QByteArray());
        QCOMPARE(spy.count(), 0);
        // The server still serves the next launch.
        QVERIFY(sendFromThread(name, { QStringLiteral("/x.jpg") }, spy));
        QCOMPARE(spy.at(0).at(0).toStringList(), QStringList { QStringLiteral("/x.jpg") });
    }

    void nobodyListening()
    {
        SingleInstance launch(nextName());
        QVERIFY(!launch.sendFiles({ QStringLiteral("/x.jpg") }, 2000));
    }

    void socketFreedWhenTheInstanceEnds()
    {
        const QString name = nextName();
        {
            SingleInstance first(name);
            QVERIFY(first.listen());
        }
        SingleInstance next(name);
        QVERIFY(next.listen());
    }

    void staleSocketIsTakenOver()
    {
#if defined(Q_OS_UNIX)
        // What a crashed instance leaves: a socket file that nobody listens on.
        const QString name = nextName();
        const QByteArray file = QFile::encodeName(name);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(file.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, file.constData(), size_t(file.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
        QVERIFY(QFileInfo::exists(name));

        SingleInstance instance(name);
        QVERIFY(instance.listen());
        QSignalSpy spy(&instance, &SingleInstance::filesReceived);
        QVERIFY(sendFromThread(name, { QStringLiteral("/after/crash.jpg") }, spy));
        QCOMPARE(
            spy.at(0).at(0).toStringList(), QStringList { QStringLiteral("/after/crash.jpg") });
#else
        QSKIP("socket files are a Unix matter");
#endif
    }

    void argumentsBecomeAbsolutePaths()
    {
        const QString cwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(mDir.path()));
        const QString base = QDir(mDir.path()).absolutePath();
        const QStringList paths = SingleInstance::absolutePaths({ QStringLiteral("a.jpg"),
            QStringLiteral("./sub/../b.png"), QStringLiteral("/abs/c.tif"), QString(),
            QStringLiteral("file:///tmp/with%20space.jpg") });
        QDir::setCurrent(cwd);
        QCOMPARE(paths,
            QStringList({ base + QStringLiteral("/a.jpg"), base + QStringLiteral("/b.png"),
                QStringLiteral("/abs/c.tif"), QStringLiteral("/tmp/with space.jpg") }));
    }

    // The socket lies in the user's own runtime folder, which the session makes for each user
    // (XDG_RUNTIME_DIR): two users get two names, and nobody else can reach or take them.
    void defaultNameIsPerUser()
    {
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        auto restore = qScopeGuard([saved] {
            if (saved.isNull())
                qunsetenv("XDG_RUNTIME_DIR");
            else
                qputenv("XDG_RUNTIME_DIR", saved);
        });
        QTemporaryDir alice;
        QTemporaryDir bob;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(alice.path()));
        QCOMPARE(
            SingleInstance::defaultServerName(), alice.path() + QStringLiteral("/ostrel-instance"));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(bob.path()));
        QCOMPARE(
            SingleInstance::defaultServerName(), bob.path() + QStringLiteral("/ostrel-instance"));

        // Without that folder, the private one Qt makes for this user: it is the user's own and
        // nobody else may enter it.
        qunsetenv("XDG_RUNTIME_DIR");
        const QFileInfo folder(QFileInfo(SingleInstance::defaultServerName()).path());
        QVERIFY(folder.isDir());
        QCOMPARE(folder.ownerId(), uint(::getuid()));
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
            | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther
            | QFileDevice::ExeOther;
        QCOMPARE(folder.permissions() & others, QFileDevice::Permissions());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_SingleInstance.moc"
