#include <QSignalSpy>
#include <QTest>

#include <csignal>

#include "gui/TerminationSignals.h"

// The bridge from POSIX signals to the event loop, with real signals raised in this process.
class TestTerminationSignals : public QObject
{
    Q_OBJECT

private:
    static void (*currentHandler(int signalNumber))(int)
    {
        struct sigaction action = {};
        sigaction(signalNumber, nullptr, &action);
        return action.sa_handler;
    }

private slots:
    void signalsArriveInTheEventLoopInOrder()
    {
        TerminationSignals bridge;
        QVERIFY(bridge.install({ SIGTERM, SIGINT, SIGHUP }));
        QSignalSpy received(&bridge, &TerminationSignals::received);

        // Nothing is emitted from inside the handler: only the event loop delivers.
        QCOMPARE(::raise(SIGTERM), 0);
        QCOMPARE(::raise(SIGINT), 0);
        QVERIFY(received.isEmpty());
        QTRY_COMPARE(received.size(), 2);
        QCOMPARE(received.at(0).at(0).toInt(), SIGTERM);
        QCOMPARE(received.at(1).at(0).toInt(), SIGINT);

        QCOMPARE(::raise(SIGHUP), 0);
        QTRY_COMPARE(received.size(), 3);
        QCOMPARE(received.at(2).at(0).toInt(), SIGHUP);
    }

    void oneBridgeAtATimeAndDefaultsRestored()
    {
        {
            TerminationSignals first;
            QVERIFY(first.install({ SIGTERM }));
            TerminationSignals second;
            QVERIFY(!second.install({ SIGTERM }));
            QVERIFY(currentHandler(SIGTERM) != SIG_DFL);
        }
        QVERIFY(currentHandler(SIGTERM) == SIG_DFL);

        // Installable again once the first has gone.
        TerminationSignals again;
        QVERIFY(again.install({ SIGTERM }));
        QSignalSpy received(&again, &TerminationSignals::received);
        QCOMPARE(::raise(SIGTERM), 0);
        QVERIFY(received.wait());
        QCOMPARE(received.at(0).at(0).toInt(), SIGTERM);
    }
};

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_TerminationSignals.moc"
