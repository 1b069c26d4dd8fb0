#pragma once

#include <QObject>
#include <QPalette>
#include <QStringList>

#include <memory>

class QIcon;
class QMainWindow;
class QSettings;

class BatchController;
class BatchResizer;
class ImageListController;
class PresetController;
class Settings;

namespace Ui {
class MainWindow;
}

// The main window's controller: builds the window from its Designer file, owns the settings
// store, and hands each part of the window to the page or controller of that part: the Size
// and Output tabs (SizePage and OutputPage, each with its own Designer file), the Images tab
// (ImageListController), starting and stopping a batch (BatchController). It keeps what is
// the window's own: its background, its saved frame, the status bar, the About box, and
// quitting when it closes.
//
// Construction loads the window and sets its background; show() then creates the list and
// the settings store and brings every control into line with the stored settings.
//
// Main thread only.
class MainController : public QObject
{
    Q_OBJECT

public:
    // store: the settings file to use instead of the user's own (tests pass one on a temporary
    // file); the caller keeps it alive. nullptr uses the user's settings.
    explicit MainController(QSettings* store = nullptr, QObject* parent = nullptr);
    ~MainController() override;

    QMainWindow* window() const { return mWindow.get(); }
    // The parts below exist from show() on.
    Settings* settings() const { return mSettings.get(); }
    ImageListController* imageList() const { return mImageList.get(); }
    BatchController* batch() const { return mBatch.get(); }
    // The Size tab's preset menu.
    PresetController* presets() const;
    // The batch worker and the list of the next batch; null after shutDown().
    BatchResizer* resizer() const;

    // The start-up sequence: list, settings, every control, the dependent controls, the saved
    // window frame, then the window on screen.
    void show();

    // Whether the window's tiled background suits a colour scheme: only a light one, whose
    // dark text stays readable on the pattern.
    static bool usesPatternOn(const QPalette& palette);
    // The application's icon, from its SVG (sharp at any scale).
    static QIcon applicationIcon();

public slots:
    // Adds files and folders to the end of the list (from the desktop, a second launch, ...).
    void addFiles(const QStringList& paths);
    // Quitting: a running batch finishes its image in progress, then the list goes.
    void shutDown();

private:
    void setWindowBackground();
    // The designed size where the screen has room for it, centred on the screen.
    void fitWindowToScreen();
    void showAbout();
    void saveWindowFrame();
    void showMessage(const QString& message);
    void clearMessage();
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<QSettings> mOwnedStore;
    QSettings* mStore = nullptr;
    bool mSavesFrame = false;

    std::unique_ptr<Ui::MainWindow> mUi;
    // The window; every control is the member of mUi named like the widget.
    std::unique_ptr<QMainWindow> mWindow;
    std::unique_ptr<Settings> mSettings;
    std::unique_ptr<ImageListController> mImageList;
    std::unique_ptr<BatchController> mBatch;
};
