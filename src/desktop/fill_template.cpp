// Build-time tool: writes a desktop file or AppStream metadata from its template.
//   ostrel-fill-template TEMPLATE OUTPUT

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

#include "desktop/DesktopMetadata.h"

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TEMPLATE OUTPUT\n", argv[0]);
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(input.errorString()));
        return 1;
    }
    const QString filled = DesktopMetadata::filledTemplate(QString::fromUtf8(input.readAll()));
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(filled.toUtf8()) < 0
        || !output.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
