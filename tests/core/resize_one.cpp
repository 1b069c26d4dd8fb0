// Resizes one image into a folder with default settings held in memory, for tests that must
// run the write in a separate process (with other privileges or limits).
// With a width, the image is scaled proportionally to it (and the format code may follow), which
// also makes it a handy probe for timing one call against other tools.
// Exit status 0 when written, 1 when not (the reason on standard error), 2 on bad use.
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "codec/ImageCodec.h"
#include "core/ImageEntry.h"
#include "settings/Settings.h"
#include "TestSupport.h"

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr, "usage: resize_one SOURCE FOLDER [WIDTH [FORMAT]]\n");
        return 2;
    }
    if (!ImageCodec::initialise(argv[0]))
        return 2;
    QCoreApplication app(argc, argv);
    Settings pref(nullptr);
    pref.setValue(Setting::outputFolder, QString::fromLocal8Bit(argv[2]));
    pref.setValue(Setting::outputFormat, argc > 4 ? OutputFormat(std::atoi(argv[4])) : OutputFormat::Png);
    if (argc > 3) {
        pref.setValue(Setting::proportional, true);
        pref.setValue(Setting::givenSide, GivenSide::First);
        pref.setValue(Setting::width, std::strtof(argv[3], nullptr));
    }
    ImageEntry image(QString::fromLocal8Bit(argv[1]));
    ResizeStatus status;
    if (TestSupport::writeResized(image, pref.resizeOptions(), 1, &status))
        return 0;
    std::fprintf(stderr, "%s: %s\n", qPrintable(resizeErrorText(status.error)),
        qPrintable(status.message));
    return 1;
}
