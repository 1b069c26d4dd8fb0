#include "MainController.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QScreen>
#include <QSettings>

#include "gui/BatchController.h"
#include "gui/PresetController.h"
#include "gui/ImagesPage.h"
#include "gui/OutputPage.h"
#include "gui/SizePage.h"
#include "batch/ImageList.h"
#include "desktop/FileManagerMenu.h"
#include "settings/Settings.h"

// Resources compiled into a static library are registered explicitly; this must happen
// outside any namespace.
static void initialiseResources()
{
    Q_INIT_RESOURCE(ostrel);
}

namespace {

constexpr const char* kWindowPositionKey = "windowPosition";

// The entries run this program, by its absolute path.
FileManagerMenu fileManagerMenu()
{
    return FileManagerMenu(
        QCoreApplication::applicationFilePath(), FileManagerMenu::Folders::user());
}

QStringList presetNames(const Presets& presets)
{
    QStringList names;
    for (const Preset& preset : presets.all())
        names << preset.name;
    return names;
}

} // namespace

MainController::MainController(QSettings* store, QObject* parent)
    : QObject(parent)
{
    initialiseResources();
    if (!store) {
        // Null when the settings file cannot be used: the window then stores nothing.
        mOwnedStore = Settings::openUserSettings();
        store = mOwnedStore.get();
    }
    mStore = store;

    mWindow = std::make_unique<MainWindow>();
    mWindow->installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainController::shutDown);
}

MainController::~MainController()
{
    // Without an event loop (tests, or an early exit) quitting was never announced; the list
    // must still outlive any batch that reads it.
    shutDown();
    // The window goes before the settings store: a field that still has the focus ends its
    // edit as it goes, and that edit is stored.
    mWindow.reset();
}

PresetController* MainController::presets() const
{
    return mWindow->sizePage()->presets();
}

void MainController::show()
{
    MainWindow* window = mWindow.get();
    mSettings = std::make_unique<Settings>(mStore);
    mSettings->load();
    mImages = std::make_unique<ImageList>();
    mBatch = std::make_unique<BatchController>(window, mSettings.get(), mImages.get());

    SizePage* size = window->sizePage();
    OutputPage* output = window->outputPage();
    ImagesPage* images = window->imagesPage();
    window->setSettings(mSettings.get());
    size->setSettings(mSettings.get(), mStore);
    mBatch->setPresets(&presets()->presets());
    connect(presets(), &PresetController::runWithPresetsRequested, mBatch.get(),
        &BatchController::startBatchWithPresets);
    output->setSettings(mSettings.get());
    window->showFileManagerMenuInstalled(mSettings->value(Setting::fileManagerMenu));
    connect(window, &MainWindow::fileManagerMenuRequested, this,
        &MainController::toggleFileManagerMenu);
    connect(
        presets(), &PresetController::presetsChanged, this, &MainController::updateFileManagerMenu);
    images->setImages(mImages.get(), mBatch->job());
    images->setSettings(mSettings.get());

    size->showStoredSettings();
    output->showStoredSettings();
    window->showStoredPage();
    images->showStoredSettings();

    // The last frame comes back, and every later move or resize is saved. The first start
    // opens at the designed size (room for the list beside the preview), within the screen.
    if (!mStore
        || !window->restoreGeometry(mStore->value(QLatin1String(kWindowPositionKey)).toByteArray()))
        fitWindowToScreen();
    mSavesFrame = true;

    window->show();
    window->raise();
    window->activateWindow();
}

void MainController::fitWindowToScreen()
{
    const QScreen* screen = mWindow->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    // The window system adds its frame around this size and tells how wide it is only once
    // the window is on screen: a tenth of the room is left for it.
    const QSize size = mWindow->size().boundedTo(room.size() * 0.9);
    mWindow->resize(size);
    QRect frame(QPoint(), size);
    frame.moveCenter(room.center());
    mWindow->move(frame.topLeft());
}

void MainController::addFiles(const QStringList& paths)
{
    mWindow->imagesPage()->addFiles(paths);
}

void MainController::shutDown()
{
    if (mBatch)
        mBatch->shutDown();
}

void MainController::endSession()
{
    mEndingSession = true;
    mWindow->close();
}

void MainController::toggleFileManagerMenu()
{
    const FileManagerMenu menu = fileManagerMenu();
    // The folders as the user knows them: "~/.local/share".
    const auto shown = [](const QString& path) {
        const QString home = QDir::homePath();
        return QDir::toNativeSeparators(
            path.startsWith(home + u'/') ? QStringLiteral("~") + path.mid(home.size()) : path);
    };
    const FileManagerMenu::Folders folders = FileManagerMenu::Folders::user();
    const QString where
        = tr("in %1 and %2").arg(shown(folders.dataHome), shown(folders.configHome));
    QString problem;
    if (mSettings->value(Setting::fileManagerMenu)) {
        if (!menu.remove(&problem)) {
            mWindow->showMessage(
                tr("Ostrel could not be removed from the file managers' menus: %1").arg(problem));
            return;
        }
        mSettings->setValue(Setting::fileManagerMenu, false);
        mWindow->showMessage(
            tr("Removed Ostrel from the menus of Dolphin, Nautilus, Nemo and Thunar (%1).")
                .arg(where));
    } else {
        if (!menu.install(presetNames(presets()->presets()), &problem)) {
            // Nothing half written stays behind.
            menu.remove();
            mWindow->showMessage(
                tr("Ostrel could not be added to the file managers' menus: %1").arg(problem));
            return;
        }
        mSettings->setValue(Setting::fileManagerMenu, true);
        mWindow->showMessage(
            tr("Added Ostrel to the menus of Dolphin, Nautilus, Nemo and Thunar (%1).").arg(where));
    }
    mWindow->showFileManagerMenuInstalled(mSettings->value(Setting::fileManagerMenu));
}

void MainController::updateFileManagerMenu()
{
    if (!mSettings->value(Setting::fileManagerMenu))
        return;
    QString problem;
    if (!fileManagerMenu().install(presetNames(presets()->presets()), &problem)) {
        mWindow->showMessage(
            tr("The file managers' menus could not be brought up to date: %1").arg(problem));
    }
}

void MainController::saveWindowFrame()
{
    if (mStore)
        mStore->setValue(QLatin1String(kWindowPositionKey), mWindow->saveGeometry());
}

bool MainController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != mWindow.get())
        return false;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (mSavesFrame && mWindow->isVisible())
            saveWindowFrame();
        break;
    case QEvent::Close:
        // During a batch the user is asked first, and the quit may follow the batch.
        if (!mEndingSession && mBatch && mBatch->holdsQuit()) {
            event->ignore();
            return true;
        }
        if (mSavesFrame)
            saveWindowFrame();
        // Closing the window quits.
        QCoreApplication::quit();
        break;
    default:
        break;
    }
    return false;
}
