#include "TestSupport.h"

#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QTest>

namespace TestSupport {

QString run(const QString& program, const QStringList& args, int* exitCode)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted(10000)) {
        if (exitCode)
            *exitCode = -1;
        return {};
    }
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput());
}

QImage pattern(int width, int height, bool alpha)
{
    QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(alpha ? Qt::transparent : Qt::white);
    QPainter p(&image);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, QColor(30, 90, 160));
    g.setColorAt(1, QColor(230, 180, 60));
    if (alpha) {
        // Opaque subject in the middle, transparent border.
        p.fillRect(QRect(width / 4, height / 4, width / 2, height / 2), g);
    } else {
        p.fillRect(image.rect(), g);
    }
    p.setPen(QPen(Qt::black, std::max(1, width / 200)));
    p.drawLine(width / 4, height / 4, 3 * width / 4, 3 * height / 4);
    p.end();
    return image;
}

QString writeImage(const QString& path, int width, int height, bool alpha)
{
    const QImage image = pattern(width, height, alpha);
    if (!image.save(path, nullptr, 95))
        qWarning("could not write test image %s", qPrintable(path));
    return path;
}

QString writeOrientedJpeg(const QString& path, int storedWidth, int storedHeight, int orientation)
{
    writeImage(path, storedWidth, storedHeight);
    int code = 0;
    run(QStringLiteral("exiftool"),
        { QStringLiteral("-q"), QStringLiteral("-overwrite_original"), QStringLiteral("-n"),
            QStringLiteral("-Orientation=%1").arg(orientation), path },
        &code);
    if (code != 0)
        qWarning("exiftool failed on %s", qPrintable(path));
    return path;
}

Facts inspect(const QString& path)
{
    Facts facts;
    const QString header = run(QStringLiteral("vipsheader"),
        { QStringLiteral("-f"), QStringLiteral("width"), path });
    facts.width = header.trimmed().toInt();
    facts.height = run(QStringLiteral("vipsheader"), { QStringLiteral("-f"), QStringLiteral("height"), path })
                       .trimmed()
                       .toInt();
    facts.bands = run(QStringLiteral("vipsheader"), { QStringLiteral("-f"), QStringLiteral("bands"), path })
                      .trimmed()
                      .toInt();
    facts.xResPpi = run(QStringLiteral("vipsheader"), { QStringLiteral("-f"), QStringLiteral("xres"), path })
                        .trimmed()
                        .toDouble()
        * 25.4;
    facts.identifyResolution = run(QStringLiteral("identify"),
        { QStringLiteral("-format"), QStringLiteral("%x %y %U"), path + QStringLiteral("[0]") })
                                   .trimmed();
    return facts;
}

QColor averageColour(const QString& path, int x, int y, int w, int h)
{
    // vips getpoint on a cropped, averaged region would need several calls; ImageMagick gives
    // the mean of a region in one.
    const QString out = run(QStringLiteral("convert"),
        { path + QStringLiteral("[0]"), QStringLiteral("-alpha"), QStringLiteral("off"),
            QStringLiteral("-crop"), QStringLiteral("%1x%2+%3+%4").arg(w).arg(h).arg(x).arg(y),
            QStringLiteral("+repage"), QStringLiteral("-resize"), QStringLiteral("1x1!"),
            QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("txt:-") });
    // Last line looks like: "0,0: (255,255,255)  #FFFFFF  white"
    const QStringList lines = out.trimmed().split(QLatin1Char('\n'));
    const QString last = lines.isEmpty() ? QString() : lines.last();
    const qsizetype open = last.indexOf(QLatin1Char('('));
    const qsizetype close = last.indexOf(QLatin1Char(')'), open);
    if (open < 0 || close < 0)
        return {};
    const QStringList parts = last.mid(open + 1, close - open - 1).split(QLatin1Char(','));
    if (parts.size() < 3)
        return {};
    return QColor(qRound(parts[0].toDouble()), qRound(parts[1].toDouble()),
        qRound(parts[2].toDouble()));
}

} // namespace TestSupport
