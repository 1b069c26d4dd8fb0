#pragma once

#include <QObject>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class QFileDialog;
class QLineEdit;
class QMainWindow;
class QSettings;
class QTabWidget;

class ColorButton;
class ImageListModel;
class ProgressSheet;
class QualitySlider;
class StepButtons;
class Settings;
class BatchResizer;

namespace Ui {
class MainWindow;
class ProgressPanel;
}

// The window controller: owns the main window built from its Designer file, the image list
// and the settings store, and answers every control of the window.
//
// Construction loads the window (every outlet below is the widget with that object name) and
// sets its background; applicationWillFinishLaunching() then creates the list and the
// settings store and brings every control into line with the stored settings. Settings
// handlers store a value the moment the user changes its control; a control changed by code
// sends nothing, so code that changes a setting's control calls the handler or setter itself.
//
// Main thread only.
class OstrelController : public QObject
{
    Q_OBJECT

public:
    // settings: the store to use instead of the user's own settings file (tests pass one on a
    // temporary file); the caller keeps it alive. nullptr uses the user's settings.
    explicit OstrelController(QSettings* settings = nullptr, QObject* parent = nullptr);
    ~OstrelController() override;

    QMainWindow* window() const { return finestra.get(); }
    Settings* preferences() const { return pref.get(); }
    BatchResizer* resizer() const { return mResizer.get(); }
    bool showsFullPath() const { return fullPath; }

    // Sets the window's tiled background from the resource image.
    void awakeFromNib();
    // The start-up sequence: list, settings, every control, the dependent controls, the saved
    // window frame, then the window on screen.
    void applicationWillFinishLaunching();

public slots:
    // Settings handlers; each takes the control that sent it.
    void background(QCheckBox* sender);
    void backgroundColor(ColorButton* sender);
    void proportional(QCheckBox* sender);
    void sides(QButtonGroup* sender);
    void switchSide(QCheckBox* sender);
    void actionUM(QComboBox* sender);
    void actionField(QObject* sender);
    void menuName(QComboBox* sender);
    void openFolder();
    void openFolderPanelDidEnd(QFileDialog* panel, int returnCode);
    void menuFormat(QComboBox* sender);
    void actionQuality(QualitySlider* sender);
    void storeNoEnlarge(QCheckBox* sender);
    void storeExistingFile(QComboBox* sender);
    // The tab widget reports every newly selected tab, whether the user or code selected it.
    void tabView(QTabWidget* tabView, int index);

    // The file list. Files from the open panel, from the desktop (at launch or handed over by
    // a second launch, also during a batch) and dropped on the table all go to the end of the
    // list; folders among them are searched for images off the main thread.
    void openFiles(const QStringList& paths);
    void addFile();
    void addImagesPanelDidEnd(QFileDialog* panel, int returnCode);
    void removeFile();
    void showFullPath(QCheckBox* sender);
    // Shows the preview, pixel size and file size of the selected row, or nothing.
    void tableViewSelectionDidChange();

    // Starting and stopping a batch. resize() checks the controls in a fixed order; at the
    // first failed check it beeps, turns to the tab of the faulty control and names the
    // problem in the status bar until the next edit, and changes nothing else. When every check
    // passes it turns to the first tab, raises the run flag, opens the progress sheet and starts
    // the worker, and returns at once. stop() only lowers the run flag: the worker completes its
    // image in progress and then reports.
    void resize();
    void stop();

    // Shutdown: closing the window quits; quitting releases the list.
    void windowWillClose();
    void applicationWillTerminate();

signals:
    // The image list or the way it is shown changed; the table's model resets on it.
    void listChanged();
    // A failed input check has just sounded the system beep.
    void beeped();

private:
    // A number field, its stepper and the setter that stores their value.
    struct NumberPair
    {
        QLineEdit* field;
        StepButtons* stepper;
        void (Settings::*store)(float);
    };
    std::array<NumberPair, 3> numberPairs() const;

    // An open panel shown as a sheet on the window: window-modal, deleted when it closes; the
    // end handler gets the panel and the return code (0 when cancelled).
    QFileDialog* newOpenPanel(const QString& title, const QString& acceptLabel);
    void beginSheet(QFileDialog* panel, void (OstrelController::*didEnd)(QFileDialog*, int));

    void connectControls();
    void fillMenus();
    void reloadTable();
    void showUnit();
    void showAbout();
    void saveWindowFrame();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Why a batch cannot start: the tab holding the faulty control and a short message in
    // the user's language that names the problem.
    struct InputProblem
    {
        int tab;
        QString message;
    };
    // The first problem that the checks before a batch meet, in their fixed order; none when
    // a batch can start.
    std::optional<InputProblem> inputProblem() const;
    void beep();

    // A short message in the status bar that stays until the next edit (a check that failed,
    // files that were not added).
    void showMessage(const QString& message);
    void clearMessage();
    // Names the files that the list did not take, and why.
    void showFilesNotAdded(const QStringList& notImages, const QStringList& missing);
    // Remove works on the selection: it is enabled only while rows are selected.
    void updateRemoveEnabled();

    std::unique_ptr<QSettings> mOwnedSettings;
    QSettings* mSettings = nullptr;
    bool mAutosaveFrame = false;

    std::unique_ptr<Ui::MainWindow> mUi;
    std::unique_ptr<Ui::ProgressPanel> mProgressUi;
    // The window and its progress sheet. Every other outlet is the member of mUi (or of
    // mProgressUi) named like the widget: mUi->widthField, mUi->givenSideGroup, ...
    std::unique_ptr<QMainWindow> finestra;
    QDialog* progressPanel = nullptr;
    // Drives progressPanel and the closing alert for the batch worker.
    ProgressSheet* mProgressSheet = nullptr;

    // The controller's own state.
    bool fullPath = false;
    ImageListModel* mModel = nullptr; // the table's model over mResizer
    std::unique_ptr<BatchResizer> mResizer;
    std::unique_ptr<Settings> pref;
};
