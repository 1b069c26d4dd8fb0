#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include "gui/ImagesPage.h"
#include "gui/OutputPage.h"
#include "gui/SizePage.h"
#include "settings/Settings.h"
#include "ui_MainWindow.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , mUi(std::make_unique<Ui::MainWindow>())
{
    mUi->setupUi(this);
    setWindowIcon(applicationIcon());
    connect(mUi->actionQuit, &QAction::triggered, this, &QWidget::close);
    // Also from the progress panel, during a batch.
    mUi->actionQuit->setShortcutContext(Qt::ApplicationShortcut);
    connect(mUi->actionAbout, &QAction::triggered, this, &MainWindow::showAbout);
    connect(mUi->resizeButton, &QPushButton::clicked, this, &MainWindow::startRequested);
    connect(mUi->actionResize, &QAction::triggered, this, &MainWindow::startRequested);
    connect(mUi->actionFileManagerMenu, &QAction::triggered, this,
        &MainWindow::fileManagerMenuRequested);
    connectPages();
    setWindowBackground();
}

MainWindow::~MainWindow()
{
    // The pages outlive this part of the window: QWidget's destructor still closes the window,
    // and a field that loses the focus then ends its edit. Nothing they send may reach here.
    mUi->imagesPage->disconnect(this);
    mUi->sizePage->disconnect(this);
    mUi->outputPage->disconnect(this);
}

void MainWindow::setBatchRunning(bool running)
{
    centralWidget()->setEnabled(!running);
    for (QAction* action : { mUi->actionAddFiles, mUi->actionAddFolder, mUi->actionResize })
        action->setEnabled(!running);
}

void MainWindow::showFileManagerMenuInstalled(bool installed)
{
    mUi->actionFileManagerMenu->setText(installed
            ? tr("Remove Ostrel from the File &Manager's Menu")
            : tr("Add Ostrel to the File &Manager's Menu"));
}

ImagesPage* MainWindow::imagesPage() const
{
    return mUi->imagesPage;
}

SizePage* MainWindow::sizePage() const
{
    return mUi->sizePage;
}

OutputPage* MainWindow::outputPage() const
{
    return mUi->outputPage;
}

void MainWindow::connectPages()
{
    ImagesPage* images = mUi->imagesPage;
    SizePage* size = mUi->sizePage;
    OutputPage* output = mUi->outputPage;

    // The File menu's entries for the list; Remove works on the selection. Add Folder is the
    // Images tab's button again: the entry takes the button's own text, so that both read
    // alike and share their Alt key in every language.
    mUi->actionAddFolder->setText(QCoreApplication::translate("ImagesPage", "Add Fol&der…"));
    connect(mUi->actionAddFiles, &QAction::triggered, images, &ImagesPage::chooseFiles);
    connect(mUi->actionAddFolder, &QAction::triggered, images, &ImagesPage::chooseFolder);
    connect(mUi->actionRemove, &QAction::triggered, images, &ImagesPage::removeSelectedFiles);
    connect(images, &ImagesPage::removeAvailable, mUi->actionRemove, &QAction::setEnabled);

    // A preset carries Size and Output settings: both pages show what it wrote.
    connect(size, &SizePage::presetPicked, output, &OutputPage::showStoredSettings);

    // A message in the status bar goes with the next edit of any setting or of the list.
    connect(images, &ImagesPage::edited, this, &MainWindow::clearMessage);
    connect(size, &SizePage::edited, this, &MainWindow::clearMessage);
    connect(output, &OutputPage::edited, this, &MainWindow::clearMessage);
    connect(size, &SizePage::presetPicked, this, &MainWindow::clearMessage);
    connect(images, &ImagesPage::messageShown, this, &MainWindow::showMessage);

    // The selected image's output size follows every edit of a setting and every number
    // stored; queued, so that it reads the settings once the change in hand has been stored.
    connect(size, &SizePage::edited, images, &ImagesPage::showOutputSize, Qt::QueuedConnection);
    connect(
        size, &SizePage::numberStored, images, &ImagesPage::showOutputSize, Qt::QueuedConnection);
    connect(output, &OutputPage::edited, images, &ImagesPage::showOutputSize, Qt::QueuedConnection);
    // The Output tab's example name is the selected image's.
    connect(images, &ImagesPage::selectedImageShown, output, &OutputPage::setExampleImage);
    connect(size, &SizePage::edited, output, &OutputPage::showNameExample, Qt::QueuedConnection);
    connect(size, &SizePage::presetPicked, output, &OutputPage::showNameExample);
}

void MainWindow::setSettings(Settings* settings)
{
    mSettings = settings;
    // The tab widget reports every newly selected tab, whether the user or code selected it.
    connect(mUi->tabs, &QTabWidget::currentChanged, this, &MainWindow::storeCurrentPage);
}

void MainWindow::showStoredPage()
{
    mUi->tabs->setCurrentIndex(mSettings->value(Setting::currentTab));
}

void MainWindow::setCurrentPage(Page page)
{
    mUi->tabs->setCurrentIndex(int(page));
}

void MainWindow::showProblem(Page page, const QString& text, const char* control)
{
    setCurrentPage(page);
    showMessage(text);
    if (auto* widget = findChild<QWidget*>(QLatin1String(control)))
        widget->setFocus(Qt::OtherFocusReason);
}

void MainWindow::storeCurrentPage(int index)
{
    if (index >= 0)
        mSettings->setValue(Setting::currentTab, index);
}

void MainWindow::showMessage(const QString& message)
{
    mUi->statusBar->showMessage(message);
}

void MainWindow::clearMessage()
{
    mUi->statusBar->clearMessage();
}

QIcon MainWindow::applicationIcon()
{
    QIcon icon(QStringLiteral(":/icons/ostrel.svg"));
    // Without Qt's SVG icon engine the SVG draws nothing.
    if (icon.pixmap(QSize(32, 32)).isNull())
        icon = QIcon(QStringLiteral(":/icons/ostrel-256.png"));
    return icon;
}

bool MainWindow::usesPatternOn(const QPalette& palette)
{
    // The pattern is a light paper grain, made for dark text: under a dark colour scheme
    // (light text on a dark window) it would leave the text unreadable.
    return palette.color(QPalette::Window).lightness()
        > palette.color(QPalette::WindowText).lightness();
}

void MainWindow::setWindowBackground()
{
    // The application's palette, which follows the desktop's colour scheme; not the window's,
    // which holds the pattern set here earlier.
    const QPalette scheme = QApplication::palette(this);
    QPixmap pattern(QStringLiteral(":/background.png"));
    if (pattern.isNull() || !usesPatternOn(scheme)) {
        // The style's plain window colour: a palette that sets nothing inherits everything.
        setPalette(QPalette());
        setAutoFillBackground(false);
        return;
    }
    // One pixel of the tile per device pixel, so that the grain stays sharp at any scale.
    pattern.setDevicePixelRatio(devicePixelRatioF());
    // The brush keeps the pattern's average colour too: styles derive frames and shades from
    // the window colour, and a texture brush alone would read as black.
    const QColor average = pattern.toImage()
                               .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .pixelColor(0, 0);
    QPalette palette;
    palette.setBrush(QPalette::Window, QBrush(average, pattern));
    setPalette(palette);
    setAutoFillBackground(true);
}

bool MainWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ApplicationPaletteChange:
    case QEvent::ScreenChangeInternal:
        // The desktop's colour scheme changed, or the window moved to a screen of another
        // scale: the pattern follows.
        setWindowBackground();
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void MainWindow::showAbout()
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, tr("About Ostrel"),
        tr("<h3>Ostrel %1</h3><p>Resizes and converts batches of images.</p>"
           "<p>Built with Qt %2 and libvips.</p>")
            .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion())),
        QMessageBox::Ok, this);
    box->setIconPixmap(applicationIcon().pixmap(QSize(64, 64), devicePixelRatioF()));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}
