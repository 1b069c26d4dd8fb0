#include "ImagesPage.h"

#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "gui/DesktopLauncher.h"
#include "gui/ControlValues.h"
#include "gui/FilePanel.h"
#include "gui/ImageListModel.h"
#include "gui/ImageListView.h"
#include "batch/BatchJob.h"
#include "batch/ImageList.h"
#include "core/ImageEntry.h"
#include "core/ImageWork.h"
#include "model/FileSizeLimit.h"
#include "core/ResizeRules.h"
#include "model/OutputFormat.h"
#include "settings/Settings.h"
#include "ui_ImagesPage.h"

namespace {

// A target above this many pixels is worth a second look before a batch writes it.
constexpr double kEnormousPixels = 100'000'000.0;

} // namespace

ImagesPage::ImagesPage(QWidget* parent)
    : QWidget(parent)
    , mUi(std::make_unique<Ui::ImagesPage>())
    , mPreviews(new PreviewLoader(this))
    , mPreviewResize(new QTimer(this))
    , mListMenu(new QMenu(this))
{
    Ui::ImagesPage* ui = mUi.get();
    ui->setupUi(this);
    ui->previewBusyBar->hide();
    // The preview sits on the plain base colour, not on the window's pattern.
    ui->previewLabel->setBackgroundRole(QPalette::Base);

    connect(ui->addButton, &QPushButton::clicked, this, &ImagesPage::chooseFiles);
    connect(ui->addFolderButton, &QPushButton::clicked, this, &ImagesPage::chooseFolder);
    connect(ui->removeButton, &QPushButton::clicked, this, &ImagesPage::removeSelectedFiles);
    connect(ui->showFullPathsCheck, &QCheckBox::clicked, this, &ImagesPage::storeShowsFullPath);
    connect(ui->showFullPathsCheck, &QCheckBox::clicked, this, &ImagesPage::edited);

    connect(mPreviews, &PreviewLoader::loaded, this, &ImagesPage::showPreview);
    mPreviewResize->setSingleShot(true);
    mPreviewResize->setInterval(150);
    connect(mPreviewResize, &QTimer::timeout, this, &ImagesPage::showSelectedImage);
    ui->previewLabel->installEventFilter(this);
    // The busy bar keeps its room while hidden: showing it must not shrink the preview's box,
    // which would ask for the same preview again at another size.
    QSizePolicy busyPolicy = ui->previewBusyBar->sizePolicy();
    busyPolicy.setRetainSizeWhenHidden(true);
    ui->previewBusyBar->setSizePolicy(busyPolicy);
    // The warning about animations has two lines of its own while any image is shown, whether
    // it says something or not, so that the preview keeps its size from one image to the next.
    // Without an image it takes no room: the smallest window has none to spare.
    ui->animationWarningLabel->setFixedHeight(
        2 * ui->animationWarningLabel->fontMetrics().lineSpacing());
    ui->animationWarningLabel->hide();

    // The list's context menu. Its Remove has no shortcut of its own: the window's File >
    // Remove holds Del.
    mListMenu->setObjectName(QStringLiteral("listMenu"));
    mOpenAction = mListMenu->addAction(tr("&Open"), this, &ImagesPage::openSelectedFile);
    mOpenAction->setObjectName(QStringLiteral("actionOpenFile"));
    mShowInFolderAction
        = mListMenu->addAction(tr("Show in &Folder"), this, &ImagesPage::showSelectedFileInFolder);
    mShowInFolderAction->setObjectName(QStringLiteral("actionShowInFolder"));
    mListMenu->addSeparator();
    mRemoveAction = mListMenu->addAction(tr("&Remove"), this, &ImagesPage::removeSelectedFiles);
    mRemoveAction->setObjectName(QStringLiteral("actionRemoveFromList"));
    ui->imageListView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(
        ui->imageListView, &QWidget::customContextMenuRequested, this, &ImagesPage::showListMenu);
}

ImagesPage::~ImagesPage() = default;

void ImagesPage::setImages(ImageList* images, const BatchJob* job)
{
    mImages = images;
    mJob = job;
}

void ImagesPage::setSettings(Settings* settings)
{
    mSettings = settings;
}

void ImagesPage::showStoredSettings()
{
    Ui::ImagesPage* ui = mUi.get();
    mShowsFullPath = mSettings->value(Setting::showFullPath);
    ui->showFullPathsCheck->setChecked(mShowsFullPath);

    // The view shows the list through its model, which takes dropped files (file URLs, its one
    // data type); the view draws the insertion line after the last row.
    mModel = new ImageListModel(mImages, mJob, this);
    mModel->setShowsFullPath(mShowsFullPath);
    mModel->setMaxPixels(mSettings->maxPixels());
    mPreviews->setMaxPixels(mSettings->maxPixels());
    ui->imageListView->setModel(mModel);
    ui->imageListView->showColumns();
    // The list takes the larger share of the width, the preview grows with the rest.
    ui->imagesSplitter->setStretchFactor(0, 3);
    ui->imagesSplitter->setStretchFactor(1, 2);
    connect(ui->imageListView, &ImageListView::sortRequested, this, &ImagesPage::sortList);
    connect(mModel, &ImageListModel::summaryChanged, this, &ImagesPage::showSummary);
    // The pixel size of the selected image may come from the list's header reads first.
    connect(mModel, &ImageListModel::factsChanged, this, &ImagesPage::showInformation);
    // Sorting reorders the list; a new file afterwards breaks the order the arrow shows.
    connect(mModel, &ImageListModel::filesAdded, this, [this](int count) {
        if (count > 0)
            mUi->imageListView->clearSortIndicator();
    });
    connect(ui->imageListView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &ImagesPage::showSelectedImage);
    // Files arriving count as an edit; the message about files not taken follows them.
    connect(mModel, &ImageListModel::filesAdded, this, &ImagesPage::edited);
    connect(mModel, &ImageListModel::filesNotAdded, this, &ImagesPage::showFilesNotAdded);
    mModel->reload();
    updateRemoveEnabled();
    showSummary();
}

void ImagesPage::addFiles(const QStringList& paths)
{
    // The model appends through the list's own extension and duplicate rules, and announces
    // the new rows; folders are searched first, off the main thread.
    mModel->addPaths(paths);
}

void ImagesPage::chooseFiles()
{
    QStringList patterns;
    for (const QString& extension : mImages->acceptedExtensions())
        patterns << QStringLiteral("*.") + extension;
    QFileDialog* dialog = newFilePanel(
        window(), tr("Add Images"), tr("Add"), QFileDialog::ExistingFiles, startFolder());
    dialog->setNameFilter(tr("Images (%1)").arg(patterns.join(QLatin1Char(' '))));
    // The patterns name each extension in lower and in upper case, as the list takes them;
    // matched without regard to case, they would offer "Photo.Jpg", which the list refuses.
    dialog->setFilter(dialog->filter() | QDir::CaseSensitive);
    connect(dialog, &QDialog::finished, this,
        [this, dialog](int result) { filesChosen(dialog, result); });
    dialog->open();
}

void ImagesPage::filesChosen(QFileDialog* dialog, int result)
{
    if (result == QDialog::Rejected)
        return;
    rememberFolder(dialog->directory().absolutePath());
    addFiles(dialog->selectedFiles());
}

void ImagesPage::chooseFolder()
{
    QFileDialog* dialog = newFilePanel(
        window(), tr("Add a Folder of Images"), tr("Add"), QFileDialog::Directory, startFolder());
    connect(dialog, &QDialog::finished, this,
        [this, dialog](int result) { folderChosen(dialog, result); });
    dialog->open();
}

void ImagesPage::folderChosen(QFileDialog* dialog, int result)
{
    if (result == QDialog::Rejected)
        return;
    const QString folder = dialog->selectedFiles().value(0);
    if (folder.isEmpty())
        return;
    // The next panel opens where this folder is, so that its siblings are at hand.
    rememberFolder(QFileInfo(folder).absolutePath());
    addFiles({ folder });
}

QString ImagesPage::startFolder() const
{
    const QString folder = mSettings->value(Setting::lastOpenFolder);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void ImagesPage::rememberFolder(const QString& folder)
{
    if (!folder.isEmpty() && folder != mSettings->value(Setting::lastOpenFolder))
        mSettings->setValue(Setting::lastOpenFolder, folder);
}

void ImagesPage::removeSelectedFiles()
{
    ImageListView* view = mUi->imageListView;
    if (view->selectedRow() == -1)
        return;
    mModel->removeImages(view->selectedRowSet());
    mModel->reload();
    view->clearSelection();
    // With the selected rows gone the selection may already be empty, and then clearing it
    // reports no change: bring the preview (and Remove) in line here.
    showSelectedImage();
    emit edited();
}

QString ImagesPage::selectedPath() const
{
    const int row = mUi->imageListView->selectedRow();
    const ImageEntry* entry = row >= 0 ? mImages->at(row) : nullptr;
    return entry ? entry->path() : QString();
}

void ImagesPage::openSelectedFile()
{
    if (const QString path = selectedPath(); !path.isEmpty())
        DesktopLauncher::openFile(path, window(), tr("No viewer could be started for the file."));
}

void ImagesPage::showSelectedFileInFolder()
{
    if (const QString path = selectedPath(); !path.isEmpty()) {
        DesktopLauncher::showFile(
            path, window(), tr("No file manager could be started to show the file."));
    }
}

void ImagesPage::showListMenu(const QPoint& pos)
{
    // A right click has selected the row under the pointer already; on the empty part of the
    // list the menu acts on the selection, if any.
    const bool selected = !selectedPath().isEmpty();
    mOpenAction->setEnabled(selected);
    mShowInFolderAction->setEnabled(selected);
    mRemoveAction->setEnabled(selected && !mJob->isRunning());
    mListMenu->popup(mUi->imageListView->viewport()->mapToGlobal(pos));
}

void ImagesPage::storeShowsFullPath()
{
    mShowsFullPath = ControlValues::isOn(mUi->showFullPathsCheck);
    mSettings->setValue(Setting::showFullPath, mShowsFullPath);
    mModel->setShowsFullPath(mShowsFullPath);
    mModel->reload();
}

void ImagesPage::showSelectedImage()
{
    Ui::ImagesPage* ui = mUi.get();
    updateRemoveEnabled();
    const int row = ui->imageListView->selectedRow();
    const ImageEntry* entry = row >= 0 ? mImages->at(row) : nullptr;
    if (!entry) {
        mPreviews->cancel();
        mShownPath.clear();
        ui->previewLabel->clear();
        ui->imageSizeLabel->clear();
        ui->outputSizeLabel->clear();
        ui->animationWarningLabel->clear();
        ui->animationWarningLabel->hide();
        ui->previewBusyBar->hide();
        emit selectedImageShown(QString(), QSize());
        return;
    }
    ui->animationWarningLabel->show();
    if (entry->path() != mShownPath) {
        mShownPath = entry->path();
        mShownSourceSize = QSize();
        mShownAnimationFrames = 1;
        mShownError.clear();
        mShownProblem = ImageCodec::SourceProblem::None;
        ui->previewLabel->clear();
    }
    // A preview cached for this box is shown at once; otherwise the worker decodes it and
    // showPreview() follows, while the keys keep moving through the list.
    const int box = previewBox();
    if (const std::optional<PreviewLoader::Preview> cached = mPreviews->cached(mShownPath, box)) {
        showPreview(mShownPath, *cached);
        return;
    }
    ui->previewBusyBar->show();
    mPreviews->load(mShownPath, box);
    showInformation();
}

int ImagesPage::previewBox() const
{
    const QLabel* label = mUi->previewLabel;
    const QSize room = label->contentsRect().size();
    const int side = std::max({ room.width(), room.height(), 1 });
    return static_cast<int>(std::ceil(side * label->devicePixelRatioF()));
}

void ImagesPage::showPreview(const QString& path, const PreviewLoader::Preview& preview)
{
    Ui::ImagesPage* ui = mUi.get();
    if (path != mShownPath)
        return;
    ui->previewBusyBar->hide();
    // A preview drawn again for a new box size tells nothing new about the image.
    const bool news = preview.sourceSize != mShownSourceSize || preview.error != mShownError;
    mShownSourceSize = preview.sourceSize;
    mShownAnimationFrames = preview.animationFrames;
    mShownError = preview.error;
    mShownProblem = preview.problem;
    // The header read for the list said nothing of the data behind it: the row learns it here.
    if (preview.problem == ImageCodec::SourceProblem::Damaged)
        mModel->setDamage(path, preview.error);
    if (preview.image.isNull()) {
        ui->previewLabel->setText(tr("Cannot be read: %1").arg(preview.error));
    } else {
        // Fitted into the box, never enlarged beyond the source's own pixels, drawn with as
        // many device pixels as the screen has.
        const qreal ratio = ui->previewLabel->devicePixelRatioF();
        const QSize room = ui->previewLabel->contentsRect().size();
        QSize shown = preview.sourceSize.isValid() ? preview.sourceSize : preview.image.size();
        if (shown.width() > room.width() || shown.height() > room.height())
            shown.scale(room, Qt::KeepAspectRatio);
        const QSize device = (QSizeF(shown) * ratio).toSize().expandedTo(QSize(1, 1));
        QPixmap pixmap = QPixmap::fromImage(
            preview.image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(ratio);
        ui->previewLabel->setPixmap(pixmap);
    }
    if (news)
        showInformation();
}

void ImagesPage::showInformation()
{
    Ui::ImagesPage* ui = mUi.get();
    const int row = ui->imageListView->selectedRow();
    if (mShownPath.isEmpty() || row < 0)
        return;
    const ImageListModel::FileFacts facts = mModel->facts(row);
    QSize size = mShownSourceSize;
    if (!size.isValid() && facts.headerRead)
        size = facts.pixels;
    QString error = mShownError;
    ImageCodec::SourceProblem problem = mShownProblem;
    if (error.isEmpty()) {
        error = facts.problemReason();
        problem = facts.problemKind();
    }
    const ImageEntry* entry = mImages->at(row);
    emit selectedImageShown(mShownPath, error.isEmpty() ? size : QSize());
    const qint64 byteCount = facts.bytes >= 0 ? facts.bytes : entry ? entry->initialFileSize() : 0;
    const QString bytes = locale().formattedDataSize(byteCount);
    ui->animationWarningLabel->clear();
    if (!error.isEmpty()) {
        // A word here, as in the list; the preview's box says the whole of it.
        ui->imageSizeLabel->setText(tr("%1, %2").arg(
            ImageListModel::problemWord(problem, entry ? entry->name() : QString()), bytes));
        ui->outputSizeLabel->clear();
    } else if (size.isValid()) {
        ui->imageSizeLabel->setText(
            //: %1 width and %2 height in pixels, %3 the file's size such as "1.46 MiB".
            tr("%1 × %2 pixels, %3").arg(size.width()).arg(size.height()).arg(bytes));
        ui->outputSizeLabel->setText(outputSizeText(size, mShownAnimationFrames));
        const OutputFormats::Info* format = OutputFormats::find(
            ResizeRules::formatFor(mSettings->value(Setting::outputFormat), mShownPath));
        if (mShownAnimationFrames > 1 && format && !format->animates)
            ui->animationWarningLabel->setText(
                //: %1 the output format, such as "JPEG".
                tr("Only the first frame is kept: %1 holds no animation.")
                    .arg(QString::fromLatin1(format->name)));
    } else {
        ui->imageSizeLabel->setText(bytes);
        ui->outputSizeLabel->clear();
    }
}

void ImagesPage::showOutputSize()
{
    showInformation();
}

QString ImagesPage::outputSizeText(QSize source, int animationFrames) const
{
    ResizeOptions options = mSettings->resizeOptions();
    options.format = ResizeRules::formatFor(options.format, mShownPath);
    const ImageWork::OutputSize size
        = ImageWork::outputSize(options, source.width(), source.height(), animationFrames);
    const OutputFormats::Info* info = OutputFormats::find(options.format);
    const QString formatName = info ? QString::fromLatin1(info->name) : QString();
    if (!size.formatProblem.isEmpty())
        return tr("→ cannot be written as %1: %2").arg(formatName, size.formatProblem);
    if (size.isEmpty())
        return tr("→ no output size with these settings");
    if (!size.limitProblem.isEmpty())
        return tr("→ not written: %1").arg(size.limitProblem);
    const int width = size.width;
    const int height = size.height;
    QString text = tr("→ %1 × %2 px, %3").arg(width).arg(height).arg(formatName);
    // The limit decides the file's quality and size as it is encoded: it is said, not guessed.
    if (const qint64 limit = mSettings->value(Setting::maxFileSize); limit > 0)
        //: %1 the output's pixel size and format as above, %2 the size limit such as "100 kB".
        text = tr("%1, at most %2").arg(text, FileSizeLimit::text(limit));
    const double pixels = double(width) * double(height);
    if (pixels > kEnormousPixels)
        text += QLatin1Char('\n')
            + tr("Warning: %1 megapixels, a very large image").arg(std::round(pixels / 1e6));
    return text;
}

void ImagesPage::sortList(int column, Qt::SortOrder order)
{
    // The list is the order of the next batch: not to be changed under a running one.
    if (mJob->isRunning()) {
        mUi->imageListView->clearSortIndicator();
        return;
    }
    mModel->sort(column, order);
    emit edited();
}

void ImagesPage::showSummary()
{
    const int count = mModel->rowCount();
    QString text = tr("%n image(s)", nullptr, count);
    if (count > 0 && mModel->allSizesKnown())
        text = tr("%1, %2").arg(text, locale().formattedDataSize(mModel->totalBytes()));
    else if (count > 0)
        //: %1 the number of images, such as "12 images"; their file sizes are still being read.
        text = tr("%1, sizes loading").arg(text);
    mUi->listSummaryLabel->setText(text);
}

bool ImagesPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mUi->previewLabel && event->type() == QEvent::Resize && !mShownPath.isEmpty())
        mPreviewResize->start();
    return QObject::eventFilter(watched, event);
}

void ImagesPage::showFilesNotAdded(const QStringList& notImages, const QStringList& missing,
    const QList<FolderWalk::LeftOut>& leftOut)
{
    // One part per reason: the file's name when it is alone, else how many and the first
    // few names, so that the message stays one short line.
    auto part = [](const QStringList& paths, const QString& reason) {
        if (paths.size() == 1)
            //: One file was not added to the list: %1 its name, %2 why (such as "no such file").
            return tr("“%1” was not added: %2").arg(QFileInfo(paths.first()).fileName(), reason);
        constexpr int kNamesShown = 3;
        QStringList names;
        for (qsizetype i = 0; i < paths.size() && i < kNamesShown; ++i)
            names << QFileInfo(paths.at(i)).fileName();
        if (paths.size() > kNamesShown)
            names << QStringLiteral("…");
        //: Two or more files were not added to the list: %1 how many, %2 why (such as "no such
        //: file"), %3 the first names, separated by commas.
        return tr("%1 files were not added: %2 (%3)")
            .arg(QString::number(paths.size()), reason, names.join(QStringLiteral(", ")));
    };
    QStringList parts;
    // The reasons follow a colon.
    if (!notImages.isEmpty())
        //: Why a file was not added to the list: its extension is not one Ostrel reads.
        parts << part(notImages, tr("not a type Ostrel reads"));
    if (!missing.isEmpty())
        //: Why a file was not added to the list: there is no file at that path.
        parts << part(missing, tr("no such file"));
    QStringList linksOutside;
    QStringList systemFolders;
    for (const FolderWalk::LeftOut& entry : leftOut)
        (entry.reason == FolderWalk::LeftOutReason::LinkOutside ? linksOutside : systemFolders)
            << entry.path;
    if (!linksOutside.isEmpty())
        //: Why a file or folder found in a folder added to the list was left out.
        parts << part(linksOutside, tr("a link that leads out of the folder added"));
    if (!systemFolders.isEmpty())
        //: Why a folder was not searched: /proc, /sys and /dev hold no pictures.
        parts << part(systemFolders, tr("a system folder, never searched"));
    if (!parts.isEmpty())
        emit messageShown(parts.join(QStringLiteral("; ")));
}

void ImagesPage::updateRemoveEnabled()
{
    const bool selected = mUi->imageListView->selectedRow() != -1;
    mUi->removeButton->setEnabled(selected);
    emit removeAvailable(selected);
}
