#include "CliProgress.h"

#include <algorithm>
#include <cmath>

#include "batch/BatchLog.h"

CliProgress::CliProgress(bool terminal, std::FILE* stream, QObject* parent)
    : BatchProgress(parent)
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

void CliProgress::setBarMaximum(double maximum)
{
    mMaximum = maximum;
}

void CliProgress::setBarValue(double value)
{
    mValue = value;
    if (mTerminal)
        drawBar();
}

void CliProgress::setProgressText(const QString& text)
{
    mText = text;
    if (text.isEmpty())
        return;
    // The value follows the text for the same image; the terminal bar is drawn then.
    if (!mTerminal) {
        std::fprintf(mStream, "%s\n", text.toLocal8Bit().constData());
        std::fflush(mStream);
    }
}

void CliProgress::imageFailed(const BatchFailure& failure)
{
    const QByteArray line = BatchLog::line(failure.logMessage()).toLocal8Bit();
    std::fprintf(mStream, mTerminal ? "\r\x1b[K%s\n" : "%s\n", line.constData());
    if (mTerminal)
        drawBar();
    std::fflush(mStream);
}

void CliProgress::closeProgressPanel()
{
    if (mTerminal) {
        std::fputs("\r\x1b[K", mStream);
        std::fflush(mStream);
    }
}

void CliProgress::showClosingAlert(const ClosingReport& report)
{
    mReport = report;
    emit finished();
}

void CliProgress::drawBar()
{
    const QByteArray line = barLine(mValue, mMaximum, mText).toLocal8Bit();
    std::fprintf(mStream, "\r\x1b[K%s", line.constData());
    std::fflush(mStream);
}
