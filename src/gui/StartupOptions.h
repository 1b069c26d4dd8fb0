#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The command line of the window's program:
//
//     ostrel [FILES...]                  the window, with the files and folders in its list
//     ostrel --add-images                the window, and at once its dialog to add images
//     ostrel --preset NAME FILES...      a batch with one preset, without the main window
//     ostrel --help | --version
//
// Read with QCommandLineParser; the texts are translated when an application with its
// translations exists at the time of parse().
class StartupOptions
{
    Q_DECLARE_TR_FUNCTIONS(StartupOptions)

public:
    enum class Action
    {
        ShowWindow,
        AddImages,
        RunPreset,
        ShowHelp,
        ShowVersion,
        Refuse, // an option that is not one, or one without its value: errorText() says which
    };

    // arguments: the program's name first, then its arguments.
    static StartupOptions parse(const QStringList& arguments);

    // Whether acting on the command line needs the window system: help, version and a refusal
    // print a text and end, and so work without a display. Options of Qt's own that only
    // QApplication takes (-platform, -style...) need it too.
    bool needsWindowSystem() const;

    Action action() const { return mAction; }
    QString presetName() const { return mPresetName; }
    // The files and folders named, as given.
    QStringList files() const { return mFiles; }
    QString helpText() const { return mHelpText; }
    // With Refuse: what is wrong, then how to get help.
    QString errorText() const { return mErrorText; }

private:
    Action mAction = Action::ShowWindow;
    QString mPresetName;
    QStringList mFiles;
    QString mHelpText;
    QString mErrorText;
    bool mQtOptionsOnly = false; // Refuse only for options that QApplication takes
};
