#include <QDir>
#include <QJsonArray>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "FakeNotificationService.h"
#include "TestSupport.h"
#include "gui/DesktopNotification.h"
#include "batch/BatchResult.h"
#include "core/Translations.h"

// The notification at the end of a batch, sent to a notification service of the test's own on
// a session bus of its own (the test runs under dbus-run-session).
class TestDesktopNotification : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    std::unique_ptr<TestSupport::StandInDesktop> mDesktop;
    std::unique_ptr<FakeNotificationService> mService;

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QVERIFY(Translations::installLanguage(*qApp, QStringLiteral("en")));
        const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        QVERIFY2(!bus.isEmpty(), "the test runs under dbus-run-session");
        // The folder opens through the stand-in xdg-open: no file manager answers on the
        // test's bus, which the notification needs.
        mDesktop = std::make_unique<TestSupport::StandInDesktop>(mDir.filePath("desktop"));
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
        mService = std::make_unique<FakeNotificationService>(mDir.filePath("calls"));
    }

    void cleanup()
    {
        mService->stop();
        mDesktop->clear();
    }

    void followsTheServicesAnswer_data()
    {
        QTest::addColumn<QString>("answer"); // of the service; "none" runs no service
        QTest::addColumn<QString>("actionKey");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("opensFolder");
        QTest::newRow("closed") << "close" << "" << true << false;
        QTest::newRow("Show Files invoked") << "action" << "show-files" << true << true;
        QTest::newRow("clicked") << "action" << "default" << true << true;
        QTest::newRow("another action") << "action" << "something-else" << true << false;
        QTest::newRow("refused") << "refuse" << "" << false << false;
        QTest::newRow("no service") << "none" << "" << false << false;
    }

    // The call goes out with the application's name, icon and the Show Files action; what the
    // service answers decides whether the folder opens, and the notification always ends.
    void followsTheServicesAnswer()
    {
        QFETCH(QString, answer);
        QFETCH(QString, actionKey);
        QFETCH(bool, shown);
        QFETCH(bool, opensFolder);
        if (answer != QLatin1String("none"))
            QVERIFY(mService->start(answer, actionKey));
        const QString folder = mDir.filePath("out");

        DesktopNotification notification;
        QSignalSpy shownSpy(&notification, &DesktopNotification::shown);
        QSignalSpy failedSpy(&notification, &DesktopNotification::failed);
        QSignalSpy endedSpy(&notification, &DesktopNotification::ended);
        notification.send(QStringLiteral("Images resized with Web 1600 px"),
            QStringLiteral("All images were processed without errors."), folder);
        QVERIFY(endedSpy.wait(10000));
        QCOMPARE(shownSpy.count(), shown ? 1 : 0);
        QCOMPARE(failedSpy.count(), shown ? 0 : 1);
        QCOMPARE(mDesktop->opened(), opensFolder ? QStringList { folder } : QStringList());
        QTest::qWait(50);
        QCOMPARE(endedSpy.count(), 1);

        if (answer == QLatin1String("none"))
            return;
        const QList<QJsonObject> calls = mService->calls();
        QCOMPARE(calls.size(), 1);
        const QJsonObject call = calls.first();
        QCOMPARE(call.value("appName").toString(), QStringLiteral("Ostrel"));
        QCOMPARE(call.value("appIcon").toString(), QStringLiteral("ostrel"));
        QCOMPARE(call.value("summary").toString(), QStringLiteral("Images resized with Web 1600 px"));
        QCOMPARE(call.value("body").toString(),
            QStringLiteral("All images were processed without errors."));
        QCOMPARE(call.value("actions").toArray(),
            QJsonArray({ QStringLiteral("show-files"), QStringLiteral("Show Files") }));
    }

    // A notification that the service keeps on screen is followed for a bounded time only.
    void endsAfterTheFollowTime()
    {
        QVERIFY(mService->start(QStringLiteral("keep")));
        DesktopNotification notification;
        notification.setFollowTime(300);
        QSignalSpy shownSpy(&notification, &DesktopNotification::shown);
        QSignalSpy endedSpy(&notification, &DesktopNotification::ended);
        notification.send(QStringLiteral("Done"), QString(), mDir.path());
        QVERIFY(shownSpy.wait(10000));
        QVERIFY(endedSpy.isEmpty());
        QVERIFY(endedSpy.wait(5000));
        QVERIFY(mDesktop->opened().isEmpty());
    }

    void summaries_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("summary");
        QTest::newRow("preset, finished") << false << "Web 1600 px" << "Images resized with Web 1600 px";
        QTest::newRow("preset, stopped") << true << "Web 1600 px" << "Resizing with Web 1600 px stopped";
        QTest::newRow("window, finished") << false << "" << "Processing finished";
        QTest::newRow("window, stopped") << true << "" << "Processing stopped";
    }

    void summaries()
    {
        QFETCH(bool, stopped);
        QFETCH(QString, preset);
        QFETCH(QString, summary);
        BatchResult result;
        result.stopped = stopped;
        QCOMPARE(DesktopNotification::summaryFor(result, preset), summary);
    }
};

QTEST_MAIN(TestDesktopNotification)
#include "tst_DesktopNotification.moc"
