#include "DesktopNotification.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

#include "gui/DesktopLauncher.h"
#include "batch/BatchResult.h"
#include "batch/ClosingReport.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

} // namespace

DesktopNotification::DesktopNotification(QObject* parent)
    : QObject(parent)
{
    mFollowTimer.setSingleShot(true);
    mFollowTimer.setInterval(kDefaultFollowMs);
    connect(&mFollowTimer, &QTimer::timeout, this, &DesktopNotification::end);
}

QString DesktopNotification::summaryFor(const BatchResult& result, const QString& presetName)
{
    if (presetName.isEmpty())
        return ClosingReport::forResult(result).messageText;
    //: The title of the notification at the end of a run; %1 the preset's name.
    return result.stopped ? tr("Resizing with %1 stopped").arg(presetName)
                          : tr("Images resized with %1").arg(presetName);
}

void DesktopNotification::send(const QString& summary, const QString& body, const QString& folder)
{
    mFolder = folder;
    mEnded = false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        // Told through the event loop, as an answer of the service would be.
        QMetaObject::invokeMethod(this, [this] {
            emit failed();
            end();
        }, Qt::QueuedConnection);
        return;
    }
    // The service's signals are heard before the call goes out, so that none is missed.
    bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
        SLOT(actionInvoked(uint, QString)));
    bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
        SLOT(notificationClosed(uint, uint)));

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
        QStringLiteral("Notify"));
    const QStringList actions { QLatin1String(kShowFilesAction), tr("Show Files") };
    QVariantMap hints;
    // The desktop file names the application in the notification centre's settings.
    hints.insert(QStringLiteral("desktop-entry"), QGuiApplication::desktopFileName());
    call << QStringLiteral("Ostrel") << mId << QStringLiteral("ostrel") << summary << body
         << actions << hints << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &DesktopNotification::sendFinished);
}

void DesktopNotification::sendFinished(QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<uint> reply = *watcher;
    if (reply.isError()) {
        emit failed();
        end();
        return;
    }
    mId = reply.value();
    mFollowing = true;
    mFollowTimer.start();
    emit shown();
}

void DesktopNotification::actionInvoked(uint id, const QString& actionKey)
{
    if (!mFollowing || id != mId)
        return;
    // "default" is what a click on the notification itself sends, where the service offers it.
    if (actionKey != QLatin1String(kShowFilesAction) && actionKey != QLatin1String("default")) {
        end();
        return;
    }
    // Followed until the folder has opened (or the bounded time is over): a process that
    // ended at once would take the program that opens it along.
    mFollowing = false;
    DesktopLauncher::showFolder(mFolder, nullptr, QString(), [self = QPointer(this)](bool) {
        if (self)
            self->end();
    });
}

void DesktopNotification::notificationClosed(uint id, uint reason)
{
    Q_UNUSED(reason);
    if (!mFollowing || id != mId)
        return;
    end();
}

void DesktopNotification::end()
{
    mFollowing = false;
    mFollowTimer.stop();
    if (mEnded)
        return;
    mEnded = true;
    emit ended();
}
