#include "MainController.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMainWindow>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>

#include "gui/BatchController.h"
#include "gui/ImageListController.h"
#include "gui/OutputPage.h"
#include "gui/SizePage.h"
#include "batch/BatchResizer.h"
#include "settings/Settings.h"
#include "ui_MainWindow.h"

// Resources compiled into a static library are registered explicitly; this must happen
// outside any namespace.
static void initialiseResources()
{
    Q_INIT_RESOURCE(ostrel);
}

namespace {

constexpr const char* kWindowPositionKey = "windowPosition";

} // namespace

MainController::MainController(QSettings* store, QObject* parent)
    : QObject(parent)
    , mUi(std::make_unique<Ui::MainWindow>())
    , mWindow(std::make_unique<QMainWindow>())
{
    initialiseResources();
    if (!store) {
        // Null when the settings file cannot be used: the window then stores nothing.
        mOwnedStore = Settings::openUserSettings();
        store = mOwnedStore.get();
    }
    mStore = store;

    mUi->setupUi(mWindow.get());
    mWindow->setWindowIcon(applicationIcon());
    mUi->previewBusyBar->hide();
    // The preview sits on the plain base colour, not on the window's pattern.
    mUi->previewLabel->setBackgroundRole(QPalette::Base);

    connect(mUi->actionQuit, &QAction::triggered, mWindow.get(), &QWidget::close);
    connect(mUi->actionAbout, &QAction::triggered, this, &MainController::showAbout);
    mWindow->installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainController::shutDown);
    setWindowBackground();
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
    return mUi->sizePage->presets();
}

BatchResizer* MainController::resizer() const
{
    return mBatch ? mBatch->resizer() : nullptr;
}

QIcon MainController::applicationIcon()
{
    QIcon icon(QStringLiteral(":/icons/ostrel.svg"));
    // Without Qt's SVG icon engine the SVG draws nothing.
    if (icon.pixmap(QSize(32, 32)).isNull())
        icon = QIcon(QStringLiteral(":/icons/ostrel-256.png"));
    return icon;
}

bool MainController::usesPatternOn(const QPalette& palette)
{
    // The pattern is a light paper grain, made for dark text: under a dark colour scheme
    // (light text on a dark window) it would leave the text unreadable.
    return palette.color(QPalette::Window).lightness()
        > palette.color(QPalette::WindowText).lightness();
}

void MainController::setWindowBackground()
{
    // The application's palette, which follows the desktop's colour scheme; not the window's,
    // which holds the pattern set here earlier.
    const QPalette scheme = QApplication::palette(mWindow.get());
    QPixmap pattern(QStringLiteral(":/background.png"));
    if (pattern.isNull() || !usesPatternOn(scheme)) {
        // The style's plain window colour: a palette that sets nothing inherits everything.
        mWindow->setPalette(QPalette());
        mWindow->setAutoFillBackground(false);
        return;
    }
    // One pixel of the tile per device pixel, so that the grain stays sharp at any scale.
    pattern.setDevicePixelRatio(mWindow->devicePixelRatioF());
    // The brush keeps the pattern's average colour too: styles derive frames and shades from
    // the window colour, and a texture brush alone would read as black.
    const QColor average = pattern.toImage()
                               .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .pixelColor(0, 0);
    QPalette palette;
    palette.setBrush(QPalette::Window, QBrush(average, pattern));
    mWindow->setPalette(palette);
    mWindow->setAutoFillBackground(true);
}

void MainController::show()
{
    Ui::MainWindow* ui = mUi.get();

    mSettings = std::make_unique<Settings>(mStore);
    mSettings->load();
    mBatch = std::make_unique<BatchController>(ui, mSettings.get());
    SizePage* size = ui->sizePage;
    OutputPage* output = ui->outputPage;
    size->setSettings(mSettings.get(), mStore);
    output->setSettings(mSettings.get());
    // The tab widget reports every newly selected tab, whether the user or code selected it.
    connect(ui->tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0)
            mSettings->setValue(Setting::currentTab, index);
    });
    mImageList = std::make_unique<ImageListController>(ui, mBatch->resizer(), mSettings.get());
    // A preset carries Size and Output settings: both pages show what it wrote.
    connect(size, &SizePage::presetPicked, output, &OutputPage::showStoredSettings);

    // A message in the status bar goes with the next edit of any setting or of the list.
    connect(size, &SizePage::edited, this, &MainController::clearMessage);
    connect(output, &OutputPage::edited, this, &MainController::clearMessage);
    connect(size, &SizePage::presetPicked, this, &MainController::clearMessage);
    connect(mImageList.get(), &ImageListController::edited, this, &MainController::clearMessage);
    connect(
        mImageList.get(), &ImageListController::messageShown, this, &MainController::showMessage);
    connect(mBatch.get(), &BatchController::messageShown, this, &MainController::showMessage);
    // The selected image's output size follows every edit of a setting, once it is stored:
    // queued, since a number field is stored when its editing ends, after its signal.
    for (auto edited : { &SizePage::edited, &SizePage::numberStored })
        connect(size, edited, mImageList.get(), &ImageListController::showOutputSize,
            Qt::QueuedConnection);
    connect(output, &OutputPage::edited, mImageList.get(), &ImageListController::showOutputSize,
        Qt::QueuedConnection);

    size->showStoredSettings();
    output->showStoredSettings();
    ui->tabs->setCurrentIndex(mSettings->value(Setting::currentTab));
    mImageList->showStoredSettings();

    // The last frame comes back, and every later move or resize is saved. The first start
    // opens at the designed size (room for the list beside the preview), within the screen.
    if (!mStore
        || !mWindow->restoreGeometry(
            mStore->value(QLatin1String(kWindowPositionKey)).toByteArray()))
        fitWindowToScreen();
    mSavesFrame = true;

    mWindow->show();
    mWindow->raise();
    mWindow->activateWindow();
}

void MainController::fitWindowToScreen()
{
    const QScreen* screen = mWindow->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QSize size = mWindow->size().boundedTo(room.size());
    mWindow->resize(size);
    QRect frame(QPoint(), size);
    frame.moveCenter(room.center());
    mWindow->move(frame.topLeft());
}

void MainController::addFiles(const QStringList& paths)
{
    mImageList->addFiles(paths);
}

void MainController::shutDown()
{
    if (mBatch)
        mBatch->shutDown();
}

void MainController::showMessage(const QString& message)
{
    mUi->statusBar->showMessage(message);
}

void MainController::clearMessage()
{
    mUi->statusBar->clearMessage();
}

void MainController::showAbout()
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, tr("About Ostrel"),
        tr("<h3>Ostrel %1</h3><p>Resizes and converts batches of images.</p>"
           "<p>Built with Qt %2 and libvips.</p>")
            .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion())),
        QMessageBox::Ok, mWindow.get());
    box->setIconPixmap(applicationIcon().pixmap(QSize(64, 64), mWindow->devicePixelRatioF()));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
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
    case QEvent::ApplicationPaletteChange:
    case QEvent::ScreenChangeInternal:
        // The desktop's colour scheme changed, or the window moved to a screen of another
        // scale: the pattern follows.
        setWindowBackground();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (mSavesFrame && mWindow->isVisible())
            saveWindowFrame();
        break;
    case QEvent::Close:
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
