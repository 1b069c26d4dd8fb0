#include "StartupOptions.h"

#include <algorithm>

#include <QCommandLineParser>

namespace {

// The options QApplication and QGuiApplication take out of the arguments before the program
// sees them.
bool isQtOption(const QString& name)
{
    static const QStringList names { QStringLiteral("platform"), QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("geometry"), QStringLiteral("qwindowtitle"), QStringLiteral("title"),
        QStringLiteral("qwindowicon"), QStringLiteral("icon"), QStringLiteral("display"),
        QStringLiteral("style"), QStringLiteral("stylesheet"), QStringLiteral("reverse"),
        QStringLiteral("session"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
        QStringLiteral("dograb"), QStringLiteral("sync"), QStringLiteral("name") };
    return names.contains(name);
}

} // namespace

StartupOptions StartupOptions::parse(const QStringList& arguments)
{
    StartupOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Resizes and converts images in batches. Without options it opens its window, with "
           "the files and folders named in its list."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption preset(QStringList { QStringLiteral("preset") },
        tr("Resize the files and folders named with the preset NAME, without the main window: "
           "a small window shows the progress, a notification the outcome. The files go into "
           "the preset's output folder, or into a folder \"Resized\" next to each image."),
        tr("NAME"));
    parser.addOption(preset);
    const QCommandLineOption addImages(QStringList { QStringLiteral("add-images") },
        tr("Open the window and at once its dialog to add images."));
    parser.addOption(addImages);
    parser.addPositionalArgument(QStringLiteral("files"),
        tr("Image files and folders (folders are searched for images, subfolders included)."),
        tr("[FILES...]"));

    const bool parsed = parser.parse(arguments);
    options.mHelpText = parser.helpText();
    if (!parsed) {
        options.mAction = Action::Refuse;
        //: %1 the program's name, ostrel.
        options.mErrorText = parser.errorText() + QLatin1Char('\n')
            + tr("Try '%1 --help' for the options.").arg(QStringLiteral("ostrel"));
        const QStringList unknown = parser.unknownOptionNames();
        options.mQtOptionsOnly = !unknown.isEmpty()
            && std::all_of(unknown.cbegin(), unknown.cend(), isQtOption);
        return options;
    }
    options.mFiles = parser.positionalArguments();
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        options.mAction = Action::ShowHelp;
    else if (parser.isSet(version))
        options.mAction = Action::ShowVersion;
    else if (parser.isSet(preset)) {
        options.mAction = Action::RunPreset;
        options.mPresetName = parser.value(preset);
    } else if (parser.isSet(addImages))
        options.mAction = Action::AddImages;
    return options;
}

bool StartupOptions::needsWindowSystem() const
{
    switch (mAction) {
    case Action::ShowHelp:
    case Action::ShowVersion:
        return false;
    case Action::Refuse:
        return mQtOptionsOnly;
    default:
        return true;
    }
}
