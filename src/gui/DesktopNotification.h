#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

struct BatchResult;
class QDBusPendingCallWatcher;

// The end of a batch told by the desktop's notification service (org.freedesktop.Notifications
// on the session bus): a summary, the closing alert's counts as body, and a "Show Files" action
// that opens the output folder.
//
// Nothing here waits on the bus: the call is asynchronous, and its answer arrives through the
// event loop as shown() or failed(). The notification is followed until the service says it
// closed, its action was invoked, or a bounded time has passed; then ended() is emitted once.
//
// Main thread only.
class DesktopNotification : public QObject
{
    Q_OBJECT

public:
    // The key of the action that opens the output folder.
    static constexpr const char* kShowFilesAction = "show-files";
    // How long a notification is followed at most, unless setFollowTime() says otherwise.
    static constexpr int kDefaultFollowMs = 120'000;

    explicit DesktopNotification(QObject* parent = nullptr);

    // Sends the notification; folder is what "Show Files" opens. A second send() replaces
    // the first one on screen.
    void send(const QString& summary, const QString& body, const QString& folder);
    // How long the notification is followed after it was shown, at most.
    void setFollowTime(int milliseconds) { mFollowTimer.setInterval(milliseconds); }

    // The summary of a batch that ended: "Images resized with Web 1600 px", or for a batch
    // that was stopped, "Resizing with Web 1600 px stopped". Without a preset: the closing
    // alert's own title.
    static QString summaryFor(const BatchResult& result, const QString& presetName);

signals:
    // The service took the notification.
    void shown();
    // No service answered, or it refused the call: the user learns nothing from it.
    void failed();
    // The notification is done with: closed, its action invoked (the folder is opened by then)
    // or followed for the bounded time. Also after failed().
    void ended();

private:
    void sendFinished(QDBusPendingCallWatcher* watcher);
    void end();

private slots:
    // The service's signals (received by name over the bus, hence slots).
    void actionInvoked(uint id, const QString& actionKey);
    void notificationClosed(uint id, uint reason);

private:
    QString mFolder;
    uint mId = 0;
    bool mFollowing = false; // shown, and neither closed nor acted on yet
    bool mEnded = false; // ended() was emitted for the last send()
    QTimer mFollowTimer;
};
