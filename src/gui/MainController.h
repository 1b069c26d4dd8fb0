#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

#include "gui/MainWindow.h"

class QSettings;

class BatchController;
class ImageList;
class PresetController;
class Settings;

// The application's controller: owns the settings store, the main window and the batch
// controller, and hands each page of the window what it shows and writes: the settings, the
// list of the next batch, the store of the presets. It keeps the window's saved frame and
// quits when the window closes.
//
// Construction builds the window; show() then creates the list and the settings store and
// brings every page into line with the stored settings.
//
// Main thread only.
class MainController : public QObject
{
    Q_OBJECT

public:
    // store: the settings file to use, kept alive by the caller; nullptr uses the user's own.
    explicit MainController(QSettings* store = nullptr, QObject* parent = nullptr);
    ~MainController() override;

    MainWindow* window() const { return mWindow.get(); }
    // The parts below exist from show() on.
    Settings* settings() const { return mSettings.get(); }
    BatchController* batch() const { return mBatch.get(); }
    // The Size tab's preset menu.
    PresetController* presets() const;
    // The images of the next batch.
    ImageList* images() const { return mImages.get(); }

    // The start-up sequence: list, settings, every page, the saved window frame, then the
    // window on screen.
    void show();

public slots:
    // Adds files and folders to the end of the list (from the desktop, a second launch, ...).
    void addFiles(const QStringList& paths);
    // Quitting: a running batch finishes its image in progress, then the list goes.
    void shutDown();
    // Quits as a request to end the process asks: without a question, a running batch
    // finishing its images in progress first.
    void endSession();
    // File > Add Ostrel to the File Manager's Menu: writes the entries of every preset for the
    // file managers, or removes them when they are there; the status bar says what was done.
    void toggleFileManagerMenu();

private:
    // The designed size where the screen has room for it, centred on the screen.
    void fitWindowToScreen();
    void saveWindowFrame();
    // Writes the entries again, for the presets of now, when they are in the menus.
    void updateFileManagerMenu();
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<QSettings> mOwnedStore;
    QSettings* mStore = nullptr;
    bool mSavesFrame = false;
    bool mEndingSession = false;

    std::unique_ptr<MainWindow> mWindow;
    std::unique_ptr<Settings> mSettings;
    // The list outlives everything that reads it, the batch among them.
    std::unique_ptr<ImageList> mImages;
    std::unique_ptr<BatchController> mBatch;
};
