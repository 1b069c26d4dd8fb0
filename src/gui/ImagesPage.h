#pragma once

#include <QSize>
#include <QStringList>
#include <QWidget>

#include <memory>

#include "gui/PreviewLoader.h"
#include "batch/FolderWalk.h"

class QAction;
class QFileDialog;
class QMenu;
class QTimer;

class BatchJob;
class ImageList;
class ImageListModel;
class Settings;

namespace Ui {
class ImagesPage;
}

// The Images tab: the list view over the images of the next batch with its columns and the
// line of totals under it, adding (files or a folder) and removing files, sorting, the
// full-path choice, a context menu on the list (open a file, show it in its folder, remove),
// and the preview of the selected image with its pixel size, file size and the size it will be
// written at with the current settings, or why it cannot be read; a line under them warns when
// the output format keeps only the first frame of an animation.
//
// The preview is decoded off the main thread (PreviewLoader) at the size of its box on the
// screen, so moving through a list of large photos never stalls the window.
//
// Files from the file dialog, from the desktop (at launch or handed over by a second launch,
// also during a batch) and dropped on the view all go to the end of the list; folders among
// them are searched for images off the main thread.
//
// Main thread only.
class ImagesPage : public QWidget
{
    Q_OBJECT

public:
    explicit ImagesPage(QWidget* parent = nullptr);
    ~ImagesPage() override;

    // Set once, before showStoredSettings(), and outlive this page. images: the list shown;
    // job: the batch that reads it; settings: the store written to.
    void setImages(ImageList* images, const BatchJob* job);
    void setSettings(Settings* settings);
    // Sets the model on the view and shows the stored full-path choice.
    void showStoredSettings();

    bool showsFullPath() const { return mShowsFullPath; }
    // The text of the size the selected image will be written at, for a source of the given
    // pixel size with the current settings; a second line warns of a target that cannot be
    // written or is enormous.
    QString outputSizeText(QSize source, int animationFrames) const;

public slots:
    void addFiles(const QStringList& paths);
    // A window-modal file dialog; the files chosen are added.
    void chooseFiles();
    // A window-modal folder dialog; the images of the folder and its subfolders are added.
    void chooseFolder();
    void removeSelectedFiles();
    // The selected row's file opened by the desktop's application for its type, or its folder
    // in the file manager.
    void openSelectedFile();
    void showSelectedFileInFolder();
    // Reorders the list (the processing order) by a column; refused while a batch runs.
    void sortList(int column, Qt::SortOrder order);
    // The size the selected image will be written at, after a change of the settings.
    void showOutputSize();

signals:
    // The user changed the list or how it is shown (a message in the status bar goes with it).
    void edited();
    // A short message for the status bar that stays until the next edit.
    void messageShown(const QString& message);
    // Remove has rows to work on, or no longer has: it is enabled only while rows are selected.
    void removeAvailable(bool available);
    // The image shown under the list, with its pixel size once known (invalid before); an
    // empty path when none is selected.
    void selectedImageShown(const QString& path, QSize pixelSize);

private:
    void filesChosen(QFileDialog* dialog, int result);
    void folderChosen(QFileDialog* dialog, int result);
    void storeShowsFullPath();
    // Shows the preview, pixel size and file size of the selected row, or nothing.
    void showSelectedImage();
    // The line under the list: how many images and their total size.
    void showSummary();
    // Names the files that the list did not take, and what the walk of a folder left out, and
    // why.
    void showFilesNotAdded(const QStringList& notImages, const QStringList& missing,
        const QList<FolderWalk::LeftOut>& leftOut);
    void updateRemoveEnabled();
    // The list's context menu at pos (viewport coordinates).
    void showListMenu(const QPoint& pos);
    // The selected row's file; empty without a selection.
    QString selectedPath() const;
    // The selected image's preview box in device pixels.
    int previewBox() const;
    void showPreview(const QString& path, const PreviewLoader::Preview& preview);
    // The pixel size and file size line, and the output size under it.
    void showInformation();
    // The folder an open panel starts in, and remembering the one it ended in.
    QString startFolder() const;
    void rememberFolder(const QString& folder);
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<Ui::ImagesPage> mUi;
    ImageList* mImages = nullptr;
    const BatchJob* mJob = nullptr; // whether a batch runs
    Settings* mSettings = nullptr;
    ImageListModel* mModel = nullptr; // the view's model over the list
    PreviewLoader* mPreviews;
    QTimer* mPreviewResize; // a resized preview box is decoded again once the resizing rests
    QString mShownPath; // the selected image's path; empty without one
    QSize mShownSourceSize; // its pixel size, once known
    int mShownAnimationFrames = 1; // the frames of an animation
    QString mShownError; // why it cannot be read, once known
    ImageCodec::SourceProblem mShownProblem = ImageCodec::SourceProblem::None;
    QMenu* mListMenu;
    QAction* mOpenAction;
    QAction* mShowInFolderAction;
    QAction* mRemoveAction;
    bool mShowsFullPath = false;
};
