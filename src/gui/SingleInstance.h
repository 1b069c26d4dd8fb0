#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One running application per user: the first instance listens on a local socket, a later
// launch with files hands their paths to it and quits, and the running instance adds them
// (also while a batch runs).
//
// Typical use in main(), after the QApplication and before the window:
//
//     SingleInstance instance;
//     if (!instance.listen() && instance.sendFiles(SingleInstance::absolutePaths(files)))
//         return 0; // the running instance has them
//     ... connect(&instance, &SingleInstance::filesReceived, ...) and show the window
//
// Messages arrive through the event loop, so nothing is received before the window exists.
//
// Wire format of one message, one per connection: the four bytes "OSTR", the payload length
// as a 32-bit big-endian number, then the payload: the paths in UTF-8, each followed by a NUL
// (a path can hold any other character, a newline included). The receiver answers one byte,
// "1", once it has taken the message. Reads are buffered per connection, so a message split
// into pieces of any size arrives whole.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // The per-user name of the running instance's socket.
    static QString defaultServerName();

    explicit SingleInstance(const QString& serverName = defaultServerName(),
        QObject* parent = nullptr);
    ~SingleInstance() override;

    // Becomes the running instance: true when this object now listens. False when another
    // instance answers on the name (then use sendFiles()) or the socket cannot be created.
    // A socket left behind by an instance that crashed is removed and taken over.
    bool listen();
    bool isListening() const;

    // Hands paths to the running instance and waits (blocking, up to timeoutMs) for its
    // answer. True once the running instance has taken them. An empty list asks it only to
    // come to the front. Call from a launch that is not the running instance.
    bool sendFiles(const QStringList& paths, int timeoutMs = 5000) const;
    // The same, and asks the running instance to open its dialog to add images as well.
    bool sendFilesAndAddImages(const QStringList& paths, int timeoutMs = 5000) const;

    QString serverName() const { return mServerName; }

    // Command-line file arguments as absolute paths, resolved against this process's
    // working folder (the running instance has another); file: URLs become local paths.
    static QStringList absolutePaths(const QStringList& arguments);

    // The bytes of one message: "OSTRL1", the length of what follows as 32 bits big-endian,
    // then each path in UTF-8 followed by a NUL.
    static QByteArray encode(const QStringList& paths);

signals:
    // Paths handed over by another launch, in its order. Empty: come to the front.
    void filesReceived(const QStringList& paths);
    // After filesReceived(): that launch asks for the dialog to add images (ostrel --add-images).
    void addImagesRequested();

private:
    bool send(const QByteArray& message, int timeoutMs) const;
    void acceptConnections();
    void readFrom(QLocalSocket* socket);

    QString mServerName;
    QLocalServer* mServer = nullptr;
    QHash<QLocalSocket*, QByteArray> mBuffers; // bytes received so far, per connection
};
