#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Ostrel's entries in the context menus of the file managers, for images and folders: "Open in
// Ostrel" (adds them to the window's list) and one "Resize with Ostrel: <preset>" a preset
// (a batch with that preset, `ostrel --preset NAME FILES...`). Each file manager reads them from
// files of the user's own:
//   Dolphin   a KIO service menu, $XDG_DATA_HOME/kio/servicemenus/io.github.ostrel.Ostrel.desktop
//   Nautilus  a Python extension in $XDG_DATA_HOME/nautilus-python/extensions/ where
//             nautilus-python is installed, else scripts in $XDG_DATA_HOME/nautilus/scripts/Ostrel/
//   Nemo      one action a file, $XDG_DATA_HOME/nemo/actions/io.github.ostrel.Ostrel-*.nemo_action
//   Thunar    custom actions in $XDG_CONFIG_HOME/Thunar/uca.xml, next to the user's own
// Every entry runs the program by its absolute path; the preset's name reaches it as one
// argument whatever it holds, quoted as each file manager's command line wants it.
//
// Main thread only (it writes files of the user's; the texts are in the user's language).
class FileManagerMenu
{
    Q_DECLARE_TR_FUNCTIONS(FileManagerMenu)

public:
    // Where the files go.
    struct Folders
    {
        QString dataHome; // $XDG_DATA_HOME (~/.local/share)
        QString configHome; // $XDG_CONFIG_HOME (~/.config)
        // Nautilus loads extensions written in Python (nautilus-python is installed).
        bool nautilusPython = false;

        // The user's folders (QStandardPaths'), and whether nautilus-python is installed.
        static Folders user();
    };

    // program: the absolute path of `ostrel`.
    FileManagerMenu(const QString& program, const Folders& folders);

    // Writes the entries for these presets, in this order, replacing those written before.
    // False, with why in problem when given, when a file could not be written; a uca.xml that
    // cannot be read is left as it is (its actions are the user's).
    bool install(const QStringList& presetNames, QString* problem = nullptr) const;
    // Removes every file of Ostrel's and Ostrel's actions from uca.xml (the user's stay).
    bool remove(QString* problem = nullptr) const;

    // The files install() writes for these presets (uca.xml among them).
    QStringList files(const QStringList& presetNames) const;

    // The name of a menu entry.
    static QString openLabel();
    static QString presetLabel(const QString& presetName);

private:
    struct Entry
    {
        QString id; // ASCII: "open", "preset-1"
        QString label;
        QStringList arguments; // after the program, before the files
    };
    QList<Entry> entries(const QStringList& presetNames) const;

    QString dolphinFile() const;
    QString nautilusExtension() const;
    QString nautilusScriptFolder() const;
    QString nemoFolder() const;
    QString thunarFile() const;
    QStringList nautilusScripts(const QList<Entry>& entries) const;

    bool writeDolphin(const QList<Entry>& entries, QString* problem) const;
    bool writeNautilus(const QList<Entry>& entries, QString* problem) const;
    bool writeNemo(const QList<Entry>& entries, QString* problem) const;
    // entries empty: takes Ostrel's actions out.
    bool writeThunar(const QList<Entry>& entries, QString* problem) const;
    bool removeFiles(QString* problem) const;

    QString mProgram;
    Folders mFolders;
};
