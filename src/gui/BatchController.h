#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "gui/MainWindow.h"
#include "batch/BatchResult.h"

class QDialog;

class BatchJob;
class DesktopNotification;
class ImageList;
class Presets;
class ProgressSheet;
class Settings;

namespace Ui {
class ProgressPanel;
}

// Starting and stopping a batch from the window: the checks of what the controls show before
// a batch, the batch worker with the list it reads, and the progress sheet with its closing
// alert.
//
// Main thread only; the batch's signals reach the sheet on it.
class BatchController : public QObject
{
    Q_OBJECT

public:
    // window: the main window, whose pages the checks read; settings: the store a batch takes
    // its options from; images: the list a batch processes. All outlive this object.
    BatchController(
        MainWindow* window, Settings* settings, ImageList* images, QObject* parent = nullptr);
    ~BatchController() override;

    // The batch; null after shutDown().
    BatchJob* job() const { return mJob.get(); }
    ProgressSheet* progressSheet() const { return mProgressSheet; }
    // The presets startBatchWithPresets() finds by name; they outlive this object.
    void setPresets(const Presets* presets) { mPresets = presets; }

public slots:
    // Checks the controls in a fixed order; at the first failed check it beeps, turns to the
    // tab of the faulty control and names the problem in the status bar until the next edit,
    // and changes nothing else. When every check passes it turns to the first tab, raises the run
    // flag, opens the progress sheet and starts the worker, and returns at once.
    void startBatch();
    // The same, writing every image once with each preset named, in their order, each
    // preset's files in a folder of the output folder named after it.
    void startBatchWithPresets(const QStringList& presetNames);
    // Lets the batch end after the images in progress, which complete.
    void stopBatch();
    // Quitting: a batch still running finishes its image in progress, then the list goes.
    void shutDown();
    // Whether a quit must wait: while a batch runs it asks "Stop the batch and quit?" and
    // returns true; on yes the batch stops after its images in progress and the application
    // quits then, without the closing alert. False, and nothing asked, when no batch runs.
    bool holdsQuit();

signals:
    // A failed check has just sounded the system beep.
    void beeped();

private:
    // Why a batch cannot start: the tab holding the faulty control and a short message in
    // the user's language that names the problem.
    struct InputProblem
    {
        MainWindow::Page page;
        QString message;
        const char* control; // the object name of the control that fixes it
        // The output folder is missing and could be made: an absolute path at which nothing
        // stands.
        bool folderCanBeCreated = false;
    };
    // The first problem that the checks before a batch meet, in their fixed order; none when
    // a batch can start.
    std::optional<InputProblem> inputProblem() const;
    void beep();
    // Asks whether to create the missing output folder: Create makes it and starts the batch
    // again, Cancel turns to the Output tab with the problem's message, as a failed check does.
    void offerToCreateFolder(const InputProblem& problem, const QStringList& presetNames);
    void createFolderAndStart(const InputProblem& problem, const QStringList& presetNames);
    // startBatch() with the presets of the run (none: the settings as they are).
    void start(const QStringList& presetNames);
    // A batch that ends while the user works in another application is also told by a
    // desktop notification; the closing alert shows as always.
    void batchFinished(const BatchResult& result);

    MainWindow* mWindow;
    Settings* mSettings;
    const Presets* mPresets = nullptr;
    std::unique_ptr<Ui::ProgressPanel> mProgressUi;
    QDialog* mProgressPanel = nullptr; // a child of the window
    // Drives mProgressPanel and the closing alert for the batch worker.
    ProgressSheet* mProgressSheet = nullptr;
    DesktopNotification* mNotification = nullptr;
    QString mOutputFolder; // of the batch in progress, which the notification's action opens
    ImageList* mImages;
    std::unique_ptr<BatchJob> mJob;
    bool mQuitsAfterBatch = false;
};
