#include "DesktopLauncher.h"

#include <functional>

#include <QClipboard>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace {

// What follows an attempt: nothing when it opened, the message when not.
struct Attempt
{
    QString path;
    QPointer<QWidget> parent;
    QString whenNothingOpened;
    std::function<void(bool opened)> answered = {};

    void answer(bool opened) const
    {
        if (answered)
            answered(opened);
        if (opened || !parent)
            return;
        auto* box = new QMessageBox(QMessageBox::Warning,
            QCoreApplication::translate("DesktopLauncher", "Cannot Open"), whenNothingOpened,
            QMessageBox::Ok, parent);
        box->setTextFormat(Qt::PlainText);
        // The path, to open by hand: selectable, and copied by a button that leaves the box up.
        const QString shown = QDir::toNativeSeparators(path);
        box->setInformativeText(shown);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        QPushButton* copy = box->addButton(
            QCoreApplication::translate("DesktopLauncher", "Copy Path"), QMessageBox::ActionRole);
        QObject::disconnect(copy, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(copy, &QAbstractButton::clicked, box,
            [shown] { QGuiApplication::clipboard()->setText(shown); });
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        box->open();
    }
};

// xdg-open's exit status says whether a program was found and started for the file (0) or
// not (3: no program, 4: it failed). Some desktops' xdg-open waits for the program to end:
// the answer then comes when it does, and the window never waits for it.
void openWithXdgOpen(const Attempt& attempt)
{
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        // A desktop without xdg-open: the platform's own way is all there is.
        attempt.answer(QDesktopServices::openUrl(QUrl::fromLocalFile(attempt.path)));
        return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(xdgOpen);
    process->setArguments({ attempt.path });
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
        [process, attempt](int exitCode, QProcess::ExitStatus status) {
            process->deleteLater();
            attempt.answer(status == QProcess::NormalExit && exitCode == 0);
        });
    QObject::connect(process, &QProcess::errorOccurred, process,
        [process, attempt](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            process->deleteLater();
            attempt.answer(false);
        });
    process->start();
}

// Asks the file manager over D-Bus to show the path (method ShowFolders or ShowItems); where
// none answers, xdg-open opens the fallback folder.
void askFileManager(const QString& method, const Attempt& attempt, const QString& fallback)
{
    Attempt byXdgOpen = attempt;
    byXdgOpen.path = fallback;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openWithXdgOpen(byXdgOpen);
        return;
    }
    QDBusMessage call
        = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
            QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), method);
    call << QStringList { QUrl::fromLocalFile(attempt.path).toString() } << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [watcher, byXdgOpen] {
        watcher->deleteLater();
        if (watcher->isError())
            openWithXdgOpen(byXdgOpen);
        else if (byXdgOpen.answered)
            byXdgOpen.answered(true);
    });
}

QString absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

namespace DesktopLauncher {

void openFile(const QString& path, QWidget* parent, const QString& whenNothingOpened)
{
    openWithXdgOpen({ absolute(path), parent, whenNothingOpened });
}

void showFolder(const QString& folder, QWidget* parent, const QString& whenNothingOpened,
    const std::function<void(bool opened)>& answered)
{
    const QString path = absolute(folder);
    askFileManager(
        QStringLiteral("ShowFolders"), { path, parent, whenNothingOpened, answered }, path);
}

void showFile(const QString& path, QWidget* parent, const QString& whenNothingOpened)
{
    const QString file = absolute(path);
    askFileManager(QStringLiteral("ShowItems"), { file, parent, whenNothingOpened },
        QFileInfo(file).absolutePath());
}

} // namespace DesktopLauncher
