#pragma once

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

// The tests' notification service (fake_notifications) as a process on the test's session
// bus: started with how it answers, it records every Notify call it takes.
class FakeNotificationService
{
public:
    explicit FakeNotificationService(const QString& recordFile)
        : mRecordFile(recordFile)
    {
    }
    ~FakeNotificationService() { stop(); }

    // answer: close, action, keep or refuse (see fake_notifications.cpp). True once the
    // service owns its name on the bus.
    bool start(const QString& answer, const QString& actionKey = QStringLiteral("show-files"))
    {
        QFile::remove(mRecordFile);
        mProcess.start(QStringLiteral(OSTREL_FAKE_NOTIFICATIONS),
            { mRecordFile, answer, actionKey });
        return mProcess.waitForReadyRead(10000)
            && mProcess.readAllStandardOutput().startsWith("ready");
    }
    void stop()
    {
        if (mProcess.state() == QProcess::NotRunning)
            return;
        mProcess.terminate();
        mProcess.waitForFinished(5000);
    }
    // The Notify calls taken so far, in order.
    QList<QJsonObject> calls() const
    {
        QFile record(mRecordFile);
        if (!record.open(QIODevice::ReadOnly))
            return {};
        QList<QJsonObject> calls;
        for (const QByteArray& line : record.readAll().split('\n')) {
            if (!line.isEmpty())
                calls << QJsonDocument::fromJson(line).object();
        }
        return calls;
    }

private:
    QString mRecordFile;
    QProcess mProcess;
};
