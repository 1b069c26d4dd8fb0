#include "ImageListController.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>

#include "gui/ControlValues.h"
#include "gui/ImageListModel.h"
#include "gui/ImageListView.h"
#include "batch/BatchResizer.h"
#include "core/ImageEntry.h"
#include "core/LocalizedText.h"
#include "settings/Settings.h"
#include "ui_MainWindow.h"

ImageListController::ImageListController(
    Ui::MainWindow* ui, BatchResizer* resizer, Settings* settings, QObject* parent)
    : QObject(parent)
    , mUi(ui)
    , mResizer(resizer)
    , mSettings(settings)
{
    connect(ui->addButton, &QPushButton::clicked, this, &ImageListController::chooseFiles);
    connect(ui->actionAddFiles, &QAction::triggered, this, &ImageListController::chooseFiles);
    connect(
        ui->removeButton, &QPushButton::clicked, this, &ImageListController::removeSelectedFiles);
    connect(ui->actionRemove, &QAction::triggered, this, &ImageListController::removeSelectedFiles);
    connect(ui->showFullPathsCheck, &QCheckBox::clicked, this,
        &ImageListController::storeShowsFullPath);
    connect(ui->showFullPathsCheck, &QCheckBox::clicked, this, &ImageListController::edited);
}

void ImageListController::showStoredSettings()
{
    Ui::MainWindow* ui = mUi;
    mShowsFullPath = mSettings->showsFullPath();
    ui->showFullPathsCheck->setChecked(mShowsFullPath);

    // The view shows the list through its model, which takes dropped files (file URLs, its one
    // data type); the view draws the insertion line after the last row.
    mModel = new ImageListModel(mResizer, this);
    mModel->setShowsFullPath(mShowsFullPath);
    ui->imageListView->setModel(mModel);
    connect(ui->imageListView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &ImageListController::showSelectedImage);
    // Files arriving count as an edit; the message about files not taken follows them.
    connect(mModel, &ImageListModel::filesAdded, this, &ImageListController::edited);
    connect(mModel, &ImageListModel::filesNotAdded, this, &ImageListController::showFilesNotAdded);
    mModel->reload();
    updateRemoveEnabled();
}

void ImageListController::addFiles(const QStringList& paths)
{
    // The model appends through the list's own extension and duplicate rules, and announces
    // the new rows; folders are searched first, off the main thread.
    mModel->addPaths(paths);
}

void ImageListController::chooseFiles()
{
    QStringList patterns;
    for (const QString& extension : mResizer->images().acceptedExtensions())
        patterns << QStringLiteral("*.") + extension;
    auto* dialog = new QFileDialog(mUi->tabs->window(), tr("Add Images"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setLabelText(QFileDialog::Accept, tr("Add"));
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setNameFilter(tr("Images (%1)").arg(patterns.join(QLatin1Char(' '))));
    connect(dialog, &QDialog::finished, this,
        [this, dialog](int result) { filesChosen(dialog, result); });
    dialog->open();
}

void ImageListController::filesChosen(QFileDialog* dialog, int result)
{
    if (result == QDialog::Rejected)
        return;
    addFiles(dialog->selectedFiles());
}

void ImageListController::removeSelectedFiles()
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

void ImageListController::storeShowsFullPath()
{
    mShowsFullPath = ControlValues::isOn(mUi->showFullPathsCheck);
    mSettings->setShowsFullPath(mShowsFullPath);
    mModel->setShowsFullPath(mShowsFullPath);
    mModel->reload();
}

void ImageListController::showSelectedImage()
{
    Ui::MainWindow* ui = mUi;
    updateRemoveEnabled();
    ui->previewBusyBar->show();
    const int row = ui->imageListView->selectedRow();
    ImageEntry* entry = row >= 0 ? mResizer->images().at(row) : nullptr;
    if (!entry) {
        ui->previewLabel->clear();
        ui->imageSizeLabel->clear();
        ui->previewBusyBar->hide();
        return;
    }
    // The preview first: building it is what measures the pixel size shown below it.
    const qreal ratio = ui->previewLabel->devicePixelRatioF();
    const ImageEntry::Preview preview = entry->preview(ratio, mSettings->maxPixels());
    if (preview.isNull()) {
        ui->previewLabel->clear();
    } else {
        const QSize shown = (preview.displaySize * ratio).toSize().expandedTo(QSize(1, 1));
        QPixmap pixmap = QPixmap::fromImage(
            preview.pixels.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(ratio);
        ui->previewLabel->setPixmap(pixmap);
    }
    const ImageEntry::Size size = entry->pixelSize();
    ui->imageSizeLabel->setText(LocalizedText::text("_Pixel")
                                    .arg(static_cast<int>(size.width))
                                    .arg(static_cast<int>(size.height))
                                    .arg(ImageEntry::byteSizeText(entry->fileSize(), QLocale())));
    ui->previewBusyBar->hide();
}

void ImageListController::showFilesNotAdded(
    const QStringList& notImages, const QStringList& missing)
{
    // One part per reason: the file's name when it is alone, else how many and the first
    // few names, so that the message stays one short line.
    auto part = [](const QStringList& paths, const char* reasonKey) {
        const QString reason = LocalizedText::text(reasonKey);
        if (paths.size() == 1)
            return LocalizedText::text(
                "_FileNotAdded", { QFileInfo(paths.first()).fileName(), reason });
        constexpr int kNamesShown = 3;
        QStringList names;
        for (qsizetype i = 0; i < paths.size() && i < kNamesShown; ++i)
            names << QFileInfo(paths.at(i)).fileName();
        if (paths.size() > kNamesShown)
            names << QStringLiteral("…");
        return LocalizedText::text("_FilesNotAdded",
            { QString::number(paths.size()), reason, names.join(QStringLiteral(", ")) });
    };
    QStringList parts;
    if (!notImages.isEmpty())
        parts << part(notImages, "_NotAddedType");
    if (!missing.isEmpty())
        parts << part(missing, "_NotAddedMissing");
    if (!parts.isEmpty())
        emit messageShown(parts.join(QStringLiteral("; ")));
}

void ImageListController::updateRemoveEnabled()
{
    const bool selected = mUi->imageListView->selectedRow() != -1;
    mUi->removeButton->setEnabled(selected);
    mUi->actionRemove->setEnabled(selected);
}
