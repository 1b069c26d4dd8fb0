#include "DesktopLauncher.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

QStringList fileUrls(const QStringList& paths)
{
    QStringList urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString();
    return urls;
}

// xdg-open's exit status says whether a program was found and started for the file (0), or
// not (3: no program, 4: it failed). Some desktops' xdg-open waits for the program to end:
// the answer then comes when it does, and the window never waits for it.
void openWithXdgOpen(const QString& path, QObject* context, DesktopLauncher::Answer answer)
{
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        // A desktop without xdg-open: the platform's own way is all there is.
        answer(QDesktopServices::openUrl(QUrl::fromLocalFile(path)));
        return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(xdgOpen);
    process->setArguments({ path });
    process->setStandardInputFile(QProcess::nullDevice());
    QPointer<QObject> guard(context);
    QObject::connect(process, &QProcess::finished, process,
        [process, guard, answer](int exitCode, QProcess::ExitStatus status) {
            process->deleteLater();
            if (guard)
                answer(status == QProcess::NormalExit && exitCode == 0);
        });
    QObject::connect(process, &QProcess::errorOccurred, process,
        [process, guard, answer](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            process->deleteLater();
            if (guard)
                answer(false);
        });
    process->start();
}

// Calls a method of the file manager's D-Bus interface with file URLs; fallback() when no file
// manager answers it.
void callFileManager(const QString& method, const QStringList& paths, QObject* context,
    DesktopLauncher::Answer answer, std::function<void()> fallback)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        fallback();
        return;
    }
    QDBusMessage call
        = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
            QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), method);
    call << fileUrls(paths) << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), context);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, context, [watcher, answer, fallback] {
            watcher->deleteLater();
            if (watcher->isError())
                fallback();
            else
                answer(true);
        });
}

} // namespace

namespace DesktopLauncher {

void openFile(const QString& path, QObject* context, Answer answer)
{
    openWithXdgOpen(path, context, std::move(answer));
}

void showFolders(const QStringList& paths, QObject* context, Answer answer)
{
    if (paths.isEmpty())
        return;
    callFileManager(QStringLiteral("ShowFolders"), paths, context, answer,
        [paths, context, answer] { openWithXdgOpen(paths.first(), context, answer); });
}

void showItems(const QStringList& paths, QObject* context, Answer answer)
{
    if (paths.isEmpty())
        return;
    callFileManager(QStringLiteral("ShowItems"), paths, context, answer, [paths, context, answer] {
        openWithXdgOpen(QFileInfo(paths.first()).absolutePath(), context, answer);
    });
}

} // namespace DesktopLauncher
