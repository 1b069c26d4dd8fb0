#pragma once

#include <QObject>
#include <QStringList>

class QFileDialog;

class BatchResizer;
class ImageListModel;
class Settings;

namespace Ui {
class MainWindow;
}

// The Images tab: the list view over the images of the next batch, adding and removing files,
// the full-path choice, and the preview with the pixel size and file size of the selected
// image.
//
// Files from the file dialog, from the desktop (at launch or handed over by a second launch,
// also during a batch) and dropped on the view all go to the end of the list; folders among
// them are searched for images off the main thread.
//
// Main thread only.
class ImageListController : public QObject
{
    Q_OBJECT

public:
    // ui: the window's widgets; resizer: owns the list shown; settings: the store written to.
    // All three outlive this object.
    ImageListController(
        Ui::MainWindow* ui, BatchResizer* resizer, Settings* settings, QObject* parent = nullptr);

    bool showsFullPath() const { return mShowsFullPath; }
    // Sets the model on the view and shows the stored full-path choice.
    void showStoredSettings();

public slots:
    void addFiles(const QStringList& paths);
    // A window-modal file dialog; the files chosen are added.
    void chooseFiles();
    void filesChosen(QFileDialog* dialog, int result);
    void removeSelectedFiles();
    void storeShowsFullPath();
    // Shows the preview, pixel size and file size of the selected row, or nothing.
    void showSelectedImage();

signals:
    // The user changed the list or how it is shown (a message in the status bar goes with it).
    void edited();
    // A short message for the status bar that stays until the next edit.
    void messageShown(const QString& message);

private:
    // Names the files that the list did not take, and why.
    void showFilesNotAdded(const QStringList& notImages, const QStringList& missing);
    // Remove works on the selection: it is enabled only while rows are selected.
    void updateRemoveEnabled();

    Ui::MainWindow* mUi;
    BatchResizer* mResizer;
    Settings* mSettings;
    ImageListModel* mModel = nullptr; // the view's model over the resizer's list
    bool mShowsFullPath = false;
};
