#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include <csignal>

#include "app/OstrelController.h"
#include "core/ImageCodec.h"
#include "core/LocalizedText.h"

int main(int argc, char* argv[])
{
    // libvips starts before any other thread exists.
    ImageCodec::initialise(argv[0]);

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QApplication::setApplicationName(QStringLiteral("Ostrel"));
    QApplication::setApplicationVersion(QStringLiteral(OSTREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("ostrel"));
    LocalizedText::install(app);
    // A file that outgrows the size limit must fail its write, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);

    OstrelController controller;
    controller.applicationWillFinishLaunching();

    // Files handed over at launch find the list already made. The list tells paths apart as
    // plain strings, so each is made absolute the way the desktop would hand it over.
    QStringList files;
    for (const QString& argument : QApplication::arguments().mid(1))
        files << QFileInfo(argument).absoluteFilePath();
    if (!files.isEmpty())
        controller.openFiles(files);

    return QApplication::exec();
}
