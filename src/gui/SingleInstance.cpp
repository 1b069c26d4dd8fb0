#include "SingleInstance.h"

#include <cstring>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QUrl>
#include <QtEndian>

#include "codec/PrivateTemporaryFolder.h"

namespace {

constexpr char kMagic[4] = { 'O', 'S', 'T', 'R' };
constexpr int kHeaderSize = 8;
// Far more than any real list of paths; guards against a peer that sends nonsense.
constexpr quint32 kMaxPayload = 64u * 1024u * 1024u;
constexpr char kAck = '1';
// An entry of the payload that asks for the dialog to add images: no absolute path.
constexpr char kAddImagesRequest[] = "?add-images";
// How long listen() waits to learn whether an instance answers on the name.
constexpr int kProbeTimeoutMs = 1000;

QString userName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        name = QDir::homePath();
    return name;
}

} // namespace

QString SingleInstance::defaultServerName()
{
#if defined(Q_OS_UNIX)
    // The runtime folder is private to the user ($XDG_RUNTIME_DIR on Linux, or a 0700 folder
    // that Qt creates), so no other user can reach or squat the socket.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return QDir(runtime).filePath(QStringLiteral("ostrel-instance"));
#endif
    // Elsewhere the name lives in a shared namespace: tell users apart by a hash of the name.
    const QByteArray hash
        = QCryptographicHash::hash(userName().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("ostrel-instance-") + QString::fromLatin1(hash);
}

SingleInstance::SingleInstance(const QString& serverName, QObject* parent)
    : QObject(parent)
    , mServerName(serverName)
{
#if defined(Q_OS_UNIX)
    // A name that is not a path is a socket in the temporary folder, which this process has
    // made private (PrivateTemporaryFolder): the shared one is where other launches look.
    if (QFileInfo(mServerName).isRelative())
        mServerName = QDir(PrivateTemporaryFolder::systemPath()).filePath(mServerName);
#endif
}

SingleInstance::~SingleInstance()
{
    if (mServer)
        mServer->close(); // removes the socket file, so the next launch starts afresh
}

bool SingleInstance::isListening() const
{
    return mServer && mServer->isListening();
}

bool SingleInstance::listen()
{
    if (isListening())
        return true;

    // Two launches at the same moment must not both decide that nobody listens and then
    // remove each other's socket: the check and the takeover happen under a lock file. A
    // lock left by a crashed process is stale (its process is gone) and QLockFile breaks it.
    QString lockPath = mServerName;
    if (QFileInfo(lockPath).isRelative())
        lockPath = QDir(PrivateTemporaryFolder::systemPath()).filePath(lockPath);
    QLockFile lock(lockPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(kProbeTimeoutMs * 5))
        return false;

    {
        QLocalSocket probe;
        probe.connectToServer(mServerName);
        if (probe.waitForConnected(kProbeTimeoutMs)) {
            probe.disconnectFromServer();
            return false; // a running instance answers
        }
    }

    // Nobody answers: whatever socket file is there was left behind by a crash.
    QLocalServer::removeServer(mServerName);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(mServerName)) {
        qWarning(
            "Cannot listen on %s: %s", qPrintable(mServerName), qPrintable(server->errorString()));
        delete server;
        return false;
    }
    mServer = server;
    connect(mServer, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = mServer->nextPendingConnection()) {
        mBuffers.insert(socket, QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            mBuffers.remove(socket);
            socket->deleteLater();
        });
        // Bytes may have come with the connection itself.
        if (socket->bytesAvailable() > 0)
            readFrom(socket);
    }
}

void SingleInstance::readFrom(QLocalSocket* socket)
{
    auto it = mBuffers.find(socket);
    if (it == mBuffers.end())
        return; // the message of this connection has already been taken
    QByteArray& buffer = it.value();
    buffer.append(socket->readAll());
    if (buffer.size() < kHeaderSize)
        return;

    const quint32 length = qFromBigEndian<quint32>(buffer.constData() + 4);
    if (std::memcmp(buffer.constData(), kMagic, sizeof kMagic) != 0 || length > kMaxPayload) {
        mBuffers.erase(it);
        socket->abort();
        return;
    }
    if (static_cast<quint64>(buffer.size()) < kHeaderSize + static_cast<quint64>(length))
        return; // the rest is still on its way

    const QByteArray payload = buffer.mid(kHeaderSize, length);
    mBuffers.erase(it);
    QStringList paths;
    bool addImages = false;
    for (const QByteArray& part : payload.split('\0')) {
        if (part == kAddImagesRequest)
            addImages = true;
        else if (!part.isEmpty())
            paths.append(QString::fromUtf8(part));
    }
    socket->write(&kAck, 1);
    socket->flush();
    socket->disconnectFromServer();
    emit filesReceived(paths);
    if (addImages)
        emit addImagesRequested();
}

QByteArray SingleInstance::encode(const QStringList& paths)
{
    QByteArray payload;
    for (const QString& path : paths) {
        payload.append(path.toUtf8());
        payload.append('\0');
    }
    QByteArray message(kMagic, sizeof kMagic);
    char length[4];
    qToBigEndian<quint32>(static_cast<quint32>(payload.size()), length);
    message.append(length, sizeof length);
    message.append(payload);
    return message;
}

bool SingleInstance::sendFiles(const QStringList& paths, int timeoutMs) const
{
    return send(encode(paths), timeoutMs);
}

bool SingleInstance::sendFilesAndAddImages(const QStringList& paths, int timeoutMs) const
{
    return send(encode(paths + QStringList { QLatin1String(kAddImagesRequest) }), timeoutMs);
}

bool SingleInstance::send(const QByteArray& message, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(mServerName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    if (static_cast<quint64>(message.size()) > kHeaderSize + quint64(kMaxPayload))
        return false;
    socket.write(message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(timeoutMs))
            return false;
    }
    // The answer says that the running instance has taken the paths; without it this launch
    // must not quit as if they had been delivered.
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == kAck;
}

QStringList SingleInstance::absolutePaths(const QStringList& arguments)
{
    QStringList paths;
    paths.reserve(arguments.size());
    for (const QString& argument : arguments) {
        if (argument.isEmpty())
            continue;
        QString path = argument;
        if (argument.startsWith(QLatin1String("file:"))) {
            const QUrl url(argument);
            if (url.isLocalFile())
                path = url.toLocalFile();
        }
        paths.append(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    }
    return paths;
}
