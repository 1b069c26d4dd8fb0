// A desktop notification service in miniature, for the tests: it takes the name
// org.freedesktop.Notifications on the session bus, writes every Notify call as one line of
// JSON to RECORD_FILE, and then answers as ANSWER says:
//   close    the notification closes at once (NotificationClosed, reason 1: expired)
//   action   its action ACTION_KEY (default "show-files") is invoked at once (ActionInvoked)
//   keep     nothing follows
//   refuse   the call is answered with an error
// It prints "ready" on standard output once the name is its own.
//   fake_notifications RECORD_FILE ANSWER [ACTION_KEY]
#include <cstdio>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

class FakeNotifications : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    FakeNotifications(const QString& recordFile, const QString& answer, const QString& actionKey)
        : mRecordFile(recordFile)
        , mAnswer(answer)
        , mActionKey(actionKey)
    {
    }

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
        const QString& summary, const QString& body, const QStringList& actions,
        const QVariantMap& hints, int expireTimeout)
    {
        const uint id = ++mLastId;
        const QJsonObject call { { "appName", appName }, { "replacesId", int(replacesId) },
            { "appIcon", appIcon }, { "summary", summary }, { "body", body },
            { "actions", QJsonArray::fromStringList(actions) },
            { "desktopEntry", hints.value(QStringLiteral("desktop-entry")).toString() },
            { "expireTimeout", expireTimeout }, { "id", int(id) } };
        QFile record(mRecordFile);
        if (record.open(QIODevice::Append))
            record.write(QJsonDocument(call).toJson(QJsonDocument::Compact) + '\n');
        if (mAnswer == QLatin1String("refuse")) {
            sendErrorReply(QDBusError::Failed, QStringLiteral("refused by the test"));
            return 0;
        }
        // After the reply, as a real service's signals come.
        QTimer::singleShot(10, this, [this, id] {
            if (mAnswer == QLatin1String("close"))
                emit NotificationClosed(id, 1);
            else if (mAnswer == QLatin1String("action"))
                emit ActionInvoked(id, mActionKey);
        });
        return id;
    }
    void CloseNotification(uint id) { emit NotificationClosed(id, 3); }
    QStringList GetCapabilities() { return { QStringLiteral("actions"), QStringLiteral("body") }; }
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion)
    {
        vendor = QStringLiteral("Ostrel tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("fake_notifications");
    }

signals:
    void NotificationClosed(uint id, uint reason);
    void ActionInvoked(uint id, const QString& actionKey);

private:
    QString mRecordFile;
    QString mAnswer;
    QString mActionKey;
    uint mLastId = 0;
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3)
        return 2;
    FakeNotifications service(arguments.at(1), arguments.at(2),
        arguments.value(3, QStringLiteral("show-files")));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)
        || !bus.registerService(QStringLiteral("org.freedesktop.Notifications")))
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

#include "fake_notifications.moc"
