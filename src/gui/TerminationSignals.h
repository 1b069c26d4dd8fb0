#pragma once

#include <QList>
#include <QObject>

#include <initializer_list>

class QSocketNotifier;

// Turns the signals that ask a process to end (SIGTERM from the session or `kill`, SIGINT from
// Ctrl-C in a terminal, SIGHUP when the terminal goes) into a received() signal on the main
// thread, so that the application can quit through its ordinary path: a running batch
// finishes its image in progress and no partial file is left behind.
//
// The handler only writes one byte into a socket pair (async-signal-safe); a socket notifier
// reads it in the event loop. One object at a time; destroying it restores the default
// actions. Main thread only.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // Catches the given signals from now on. False when nothing could be set up (no socket
    // pair, another object installed, a platform without POSIX signals) or when one of the
    // signals could not be caught (the others are).
    bool install(std::initializer_list<int> signalNumbers);

signals:
    // A caught signal arrived; emitted from the event loop, once per delivery.
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* mNotifier = nullptr;
    QList<int> mSignals;
};
