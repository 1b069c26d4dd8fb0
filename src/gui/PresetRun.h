#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

#include "batch/BatchResult.h"
#include "model/ResizeOptions.h"

class QDialog;
class QSettings;

class BatchJob;
class DesktopNotification;
class ImageList;
class Presets;
class ProgressSheet;
class Settings;

namespace Ui {
class ProgressPanel;
}

// A batch with one preset over files and folders, without the main window: what the file
// manager's menu starts with `ostrel --preset NAME FILES...`.
//
// The preset's values over the user's settings decide size, format and names. The outputs go
// into the preset's own output folder when it has one (a preset the user saved), else into a
// folder next to each source (the presetSubfolder setting, "Resized"). The progress panel is a
// small window of its own; at the end a desktop notification tells the outcome, and the
// closing alert opens as a window of its own when images failed or no notification service
// answered. The settings file is read, never written.
//
// Typical use in main():
//
//     PresetRun run;
//     if (const QString problem = run.prepare(name, files); !problem.isEmpty())
//         ... say so, exit status 2
//     QObject::connect(&run, &PresetRun::ended, &app, &QCoreApplication::quit);
//     run.start();
//     app.exec();
//     return run.exitStatus();
//
// Main thread only; the batch's signals arrive on it.
class PresetRun : public QObject
{
    Q_OBJECT

public:
    // store: the settings file to read, kept alive by the caller; nullptr reads the user's own.
    explicit PresetRun(QSettings* store = nullptr, QObject* parent = nullptr);
    // A batch still running finishes its images in progress first.
    ~PresetRun() override;

    // Finds the preset, walks the folders among paths for images as a drop on the window
    // does, and makes the outputs. Empty when the run can start, else why not, in the user's
    // language.
    QString prepare(const QString& presetName, const QStringList& paths);
    // Opens the progress window and starts the batch; returns at once.
    void start();
    // Ends the batch after its images in progress, and then the run, without notification
    // or alert (a request to end the process).
    void terminate();

    // 0 when no image failed, 1 when some did.
    int exitStatus() const { return mExitStatus; }
    // The images of the run, once prepared.
    const ImageList& images() const { return *mImages; }
    // The folder that "Show Files" opens: the output folder, or the folder next to the sources
    // (their common folder when they lie in several).
    QString outputFolder() const { return mOutputFolder; }
    QDialog* progressWindow() const { return mProgressPanel.get(); }
    ProgressSheet* progressSheet() const { return mProgressSheet; }
    DesktopNotification* notification() const { return mNotification; }

signals:
    // The run is over: the notification is done with and the closing alert, if one opened,
    // was closed. The process may end.
    void ended();

private:
    // The outputs go next to their sources: one output folder above them all, and each
    // image's way from there to the subfolder next to it.
    void placeNextToSources(const QString& subfolder);
    // The folder next to the sources that the outputs go into (presetSubfolder).
    QString subfolderName() const;
    void batchFinished(const BatchResult& result);
    // The closing alert, a window of its own; the run ends when it is closed.
    void showClosingAlert();
    void end();

    std::unique_ptr<QSettings> mOwnedStore;
    std::unique_ptr<Settings> mSettings; // the user's, detached: nothing is stored
    std::unique_ptr<Presets> mPresets;
    std::unique_ptr<ImageList> mImages;
    std::unique_ptr<BatchJob> mJob;
    std::unique_ptr<Ui::ProgressPanel> mProgressUi;
    std::unique_ptr<QDialog> mProgressPanel;
    ProgressSheet* mProgressSheet = nullptr;
    DesktopNotification* mNotification = nullptr;

    QString mPresetName;
    QString mOutputFolder;
    ResizeOptions mOptions; // of the batch, once prepared
    BatchResult mResult; // of the batch, once it ended
    int mExitStatus = 0;
    bool mTerminating = false;
    bool mAlertShown = false;
    bool mEnded = false;
};
