#include "CliProgress.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QJsonDocument>

#include "batch/BatchLog.h"
#include "codec/FileNames.h"
#include "core/PrintableText.h"

CliProgress::CliProgress(bool terminal, std::FILE* stream, QObject* parent)
    : QObject(parent)
    , mTerminal(terminal)
    , mStream(stream)
{
}

QString CliProgress::barLine(double value, double maximum, const QString& text, int width)
{
    const double fraction = maximum > 0.0 ? std::clamp(value / maximum, 0.0, 1.0) : 0.0;
    const int filled = static_cast<int>(std::lround(fraction * width));
    return QLatin1Char('[') + QString(filled, QLatin1Char('#'))
        + QString(width - filled, QLatin1Char('-')) + QStringLiteral("] ") + text;
}

void CliProgress::follow(BatchJob* job)
{
    connect(job, &BatchJob::started, this, &CliProgress::batchStarted);
    connect(job, &BatchJob::imageStarted, this, &CliProgress::imageStarted);
    connect(job, &BatchJob::imageFailed, this, &CliProgress::imageFailed);
    connect(job, &BatchJob::imageFinished, this, &CliProgress::imageFinished);
    connect(job, &BatchJob::finished, this, &CliProgress::batchFinished);
}

void CliProgress::batchStarted(int imageCount)
{
    mMaximum = imageCount;
}

void CliProgress::imageStarted(int position, int imageCount, const QString&)
{
    mText = QCoreApplication::translate("CliProgress", "Processing image %1 of %2…")
                .arg(QString::number(position + 1),
                    QString::number(static_cast<unsigned>(imageCount)));
    mValue = position + 1.0;
    if (!mShowsProgress)
        return;
    if (mTerminal) {
        drawBar();
    } else {
        std::fprintf(mStream, "%s\n", PrintableText::escaped(mText).toLocal8Bit().constData());
        std::fflush(mStream);
    }
}

void CliProgress::imageFailed(const BatchFailure& failure)
{
    // BatchLog::line quotes the name and reason: the line is one line, as in the log.
    const QByteArray line = BatchLog::line(failure.logMessage()).toLocal8Bit();
    std::fprintf(mStream, mTerminal ? "\r\x1b[K%s\n" : "%s\n", line.constData());
    if (mTerminal && mShowsProgress)
        drawBar();
    std::fflush(mStream);
}

void CliProgress::imageFinished(const BatchImageReport& report)
{
    if (mJsonStream)
        writeJsonLine(mJsonStream, imageJson(report));
}

void CliProgress::writeJsonLine(std::FILE* stream, const QJsonObject& object)
{
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

QJsonObject CliProgress::imageJson(const BatchImageReport& report)
{
    const ResizeStatus& status = report.status;
    QString word = QStringLiteral("written");
    QJsonValue reason;
    if (!status.ok()) {
        word = status.isSkipped() ? QStringLiteral("skipped")
                                                    : QStringLiteral("failed");
        const BatchFailure failure { report.position, QString(), report.source, status, report.preset };
        reason = status.message.isEmpty()
            ? failure.reasonText()
            : failure.reasonText() + QStringLiteral(" (") + status.message + QLatin1Char(')');
    } else if (!status.message.isEmpty()) {
        reason = status.message; // what of the source was written: "first frame of 12"
    }
    QJsonObject object { { "type", "image" }, { "status", word }, { "reason", reason },
        { "sourceWidth", report.sourceWidth }, { "sourceHeight", report.sourceHeight },
        { "width", report.outputWidth }, { "height", report.outputHeight },
        { "bytes", report.bytes }, { "milliseconds", report.milliseconds },
        { "quality", status.encoded.quality }, { "scale", status.encoded.scale } };
    insertPath(object, QStringLiteral("source"), report.source);
    insertPath(object, QStringLiteral("output"), report.output);
    if (!report.preset.isEmpty())
        object.insert(QStringLiteral("preset"), report.preset);
    return object;
}

void CliProgress::insertPath(QJsonObject& object, const QString& key, const QString& path)
{
    if (path.isEmpty()) {
        object.insert(key, QJsonValue());
        return;
    }
    const QByteArray bytes = FileNames::encode(path);
    object.insert(key, QString::fromUtf8(bytes));
    if (!FileNames::isUtf8(path))
        object.insert(key + QStringLiteral("_bytes"), QString::fromLatin1(bytes.toBase64()));
}

void CliProgress::batchFinished(const BatchResult& result)
{
    if (mTerminal && mShowsProgress) {
        std::fputs("\r\x1b[K", mStream);
        std::fflush(mStream);
    }
    mReport = ClosingReport::forResult(result);
    emit finished();
}

void CliProgress::drawBar()
{
    const QByteArray line = barLine(mValue, mMaximum, PrintableText::escaped(mText)).toLocal8Bit();
    std::fprintf(mStream, "\r\x1b[K%s", line.constData());
    std::fflush(mStream);
}
