#pragma once

#include <functional>

#include <QString>

class QWidget;

// Opening files and folders with the desktop's own programs, and saying so when nothing
// opened. QDesktopServices::openUrl answers true as soon as xdg-open has started, even where
// xdg-open then finds no program for the file; here its exit status decides, and where nothing
// opened a window-modal message over parent says so (the text given), with the path to open by
// hand and a button that copies it.
//
// The programs start in the background: nothing here waits for them. Main thread only.
namespace DesktopLauncher {

// Opens a file with the program the desktop has for it (through xdg-open where there is one).
void openFile(const QString& path, QWidget* parent, const QString& whenNothingOpened);
// Opens a folder in the file manager: through its D-Bus interface
// (org.freedesktop.FileManager1) where one runs, else through xdg-open. answered, when given,
// learns whether it opened once that is known (without a parent no message is shown).
void showFolder(const QString& folder, QWidget* parent, const QString& whenNothingOpened,
    const std::function<void(bool opened)>& answered = {});
// Shows a file selected in its folder through the file manager's D-Bus interface; where no
// file manager answers there, opens the folder.
void showFile(const QString& path, QWidget* parent, const QString& whenNothingOpened);

} // namespace DesktopLauncher
