#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QJsonArray>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "FakeNotificationService.h"
#include "TestSupport.h"
#include "gui/BatchController.h"
#include "gui/DesktopNotification.h"
#include "gui/MainController.h"
#include "gui/ProgressSheet.h"
#include "batch/ImageList.h"
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

    void windowNotifiesWhenInactive_data()
    {
        QTest::addColumn<bool>("switchedAway");
        QTest::newRow("the window is active") << false;
        QTest::newRow("the user switched away") << true;
    }

    // A batch of the window that ends while the user works in another application is told by
    // a notification as well as by the closing alert.
    void windowNotifiesWhenInactive()
    {
        QFETCH(bool, switchedAway);
        QVERIFY(mService->start(QStringLiteral("close")));
        const QString in = mDir.filePath("in");
        const QString out = mDir.filePath("out");
        QDir(in).removeRecursively();
        QDir(out).removeRecursively();
        QVERIFY(QDir().mkpath(out));
        QVERIFY(QDir().mkpath(in));
        const QStringList sources { TestSupport::writeImage(in + "/a.png", 64, 48),
            TestSupport::writeImage(in + "/b.png", 64, 48) };
        // a.png fails on a taken name, and its log line holds the batch until the pipe opens.
        QVERIFY(TestSupport::writeFile(out + "/a.png", "taken"));
        TestSupport::LogPipe gate(TestSupport::setDataHome(mDir.filePath("data")));
        QVERIFY(gate.isValid());
        const std::unique_ptr<QSettings> store = TestSupport::freshSettings(mDir.filePath("Ostrel.conf"),
            { { "widthValue", 40.0 }, { "heightValue", 30.0 }, { "resValue", 72.0 },
                { "dest", out }, { "nameMenu", 1 }, { "formatMenu", 2 },
                { "proportional", false }, { "tagSides", 1 }, { "UM", 1 }, { "jobs", 1 } });
        MainController controller(store.get());
        controller.show();
        controller.addFiles(sources);
        QTRY_COMPARE(controller.images()->count(), 2);
        controller.window()->findChild<QPushButton*>(QStringLiteral("resizeButton"))->click();
        gate.waitForLine();
        if (switchedAway)
            QApplication::setActiveWindow(nullptr);
        gate.open();
        QTRY_VERIFY(controller.batch()->progressSheet()->closingAlert());

        const QList<QJsonObject> calls = mService->calls();
        QCOMPARE(calls.size(), switchedAway ? 1 : 0);
        if (switchedAway) {
            QCOMPARE(calls.first().value("summary").toString(), QStringLiteral("Processing finished"));
            const QString body = calls.first().value("body").toString();
            QVERIFY2(body.contains(QStringLiteral("Written: 1 · Failed: 1")), qPrintable(body));
        }
        controller.batch()->progressSheet()->closingAlert()->defaultButton()->click();
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
