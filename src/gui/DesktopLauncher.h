#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QObject;

// Opening files and folders with the desktop's own programs, and knowing whether anything
// opened. QDesktopServices::openUrl answers true as soon as xdg-open has started, even where
// xdg-open then finds no program for the file; here its exit status decides.
//
// The answers arrive later, on the main thread, and only while context exists. Main thread
// only.
namespace DesktopLauncher {

// Called with true once something shows the file or folder, false when nothing could.
using Answer = std::function<void(bool opened)>;

// Opens a file with the program the desktop has for it (xdg-open where there is one).
void openFile(const QString& path, QObject* context, Answer answer);
// Opens folders in the file manager: through its D-Bus interface
// (org.freedesktop.FileManager1) where one runs, else each with xdg-open.
void showFolders(const QStringList& paths, QObject* context, Answer answer);
// Shows files selected in their folder through the file manager's D-Bus interface; where no
// file manager answers there, opens the folder of the first one.
void showItems(const QStringList& paths, QObject* context, Answer answer);

} // namespace DesktopLauncher
