#include "PresetRun.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include "gui/DesktopNotification.h"
#include "gui/MainWindow.h"
#include "gui/ProgressSheet.h"
#include "batch/BatchArguments.h"
#include "batch/BatchJob.h"
#include "batch/ClosingReport.h"
#include "batch/FolderWalk.h"
#include "batch/ImageList.h"
#include "batch/StartCheck.h"
#include "settings/Presets.h"
#include "settings/Settings.h"
#include "settings/SettingsTable.h"
#include "ui_ProgressPanel.h"

namespace {

// The deepest folder that holds every one of folders (absolute and clean): "/" at the least.
QString commonFolder(const QStringList& folders)
{
    QStringList common = folders.first().split(QLatin1Char('/'));
    for (const QString& folder : folders) {
        const QStringList parts = folder.split(QLatin1Char('/'));
        qsizetype shared = 0;
        while (shared < common.size() && shared < parts.size()
            && common.at(shared) == parts.at(shared))
            ++shared;
        common.resize(shared);
    }
    const QString root = common.join(QLatin1Char('/'));
    return root.isEmpty() ? QStringLiteral("/") : root;
}

// The folder a source is in, without links: the outputs' folders are made below it one plain
// folder at a time, and the writer follows no link on the way.
QString sourceFolder(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

} // namespace

PresetRun::PresetRun(QSettings* store, QObject* parent)
    : QObject(parent)
    , mImages(std::make_unique<ImageList>())
    , mJob(std::make_unique<BatchJob>())
    , mProgressUi(std::make_unique<Ui::ProgressPanel>())
    , mProgressPanel(std::make_unique<QDialog>())
{
    if (!store) {
        mOwnedStore = Settings::openUserSettings();
        store = mOwnedStore.get();
    }
    // Read once, then detached: whatever the run does with its copy, nothing is stored.
    Settings stored(store);
    stored.load();
    mSettings = stored.detachedCopy();
    mPresets = std::make_unique<Presets>(store);

    mProgressUi->setupUi(mProgressPanel.get());
    mProgressPanel->setWindowIcon(MainWindow::applicationIcon());
    mProgressSheet = new ProgressSheet(nullptr, mProgressPanel.get(), mProgressUi->progressBar,
        mProgressUi->progressLabel, mProgressUi->imageNameLabel, mProgressUi->timeLabel,
        mProgressUi->stopButton, this);
    mProgressSheet->follow(mJob.get());
    connect(mProgressUi->stopButton, &QPushButton::clicked, mJob.get(), &BatchJob::stop);
    // After the sheet has closed its panel.
    connect(mJob.get(), &BatchJob::finished, this, &PresetRun::batchFinished);

    mNotification = new DesktopNotification(this);
    connect(mNotification, &DesktopNotification::failed, this, [this] {
        // The user must learn the outcome all the same.
        if (!mAlertShown)
            showClosingAlert();
    });
    connect(mNotification, &DesktopNotification::ended, this, [this] {
        if (!mAlertShown)
            end();
    });
}

PresetRun::~PresetRun()
{
    // The list outlives the batch, which finishes its images in progress.
    mJob->stop();
    mJob->wait();
}

QString PresetRun::prepare(const QString& presetName, const QStringList& paths)
{
    mPresetName = presetName;
    const Preset preset = mPresets->find(presetName);
    if (preset.name.isEmpty()) {
        QStringList names;
        for (const Preset& known : mPresets->all())
            names << known.name;
        //: %1 the name given, %2 the names of every preset, separated by commas.
        return tr("There is no preset named \"%1\". The presets are: %2.")
            .arg(presetName, names.join(tr(", ")));
    }
    if (paths.isEmpty())
        //: %1 a preset's name.
        return tr("No files were given to resize with the preset \"%1\".").arg(presetName);

    // Folders are walked as when dropped on the window; next to the sources, the outputs of an
    // earlier run are not sources of this one.
    const QString ownFolder
        = preset.values.value(QLatin1String(Setting::outputFolder.name)).toString();
    const bool nextToSources = !QDir::isAbsolutePath(ownFolder);
    const QString subfolder = nextToSources ? subfolderName() : QString();
    const FolderWalk::Result walked = FolderWalk::scanPaths(paths, mImages->acceptedExtensions());
    QStringList files = walked.files;
    if (nextToSources) {
        files.removeIf([&walked, &subfolder](const QString& file) {
            const auto found = walked.subfolders.constFind(file);
            return found != walked.subfolders.constEnd()
                && found->split(QLatin1Char('/')).contains(subfolder);
        });
    }
    mImages->addPaths(files);
    if (mImages->count() == 0)
        return tr("No images were found among the files given.");

    mOptions = mPresets->runOutputs({ preset.name }, *mSettings, {}).first();
    if (!nextToSources) {
        // The preset's own folder, with the subfolders of the folders given when the preset
        // keeps them, as in the window.
        for (const std::unique_ptr<ImageEntry>& entry : mImages->entries())
            entry->setOutputSubfolder(walked.subfolders.value(entry->path()));
        mOutputFolder = mOptions.outputFolder;
        // A folder deleted since the preset was saved is made again.
        if (!QFileInfo::exists(mOutputFolder))
            QDir().mkpath(mOutputFolder);
    } else {
        placeNextToSources(subfolder);
    }

    if (const std::optional<StartCheck::Result> found
        = StartCheck::check(StartCheck::inputOf(mOptions, mImages->count()))) {
        using Problem = StartCheck::Problem;
        if (found->problem == Problem::OutputFolderMissing
            || found->problem == Problem::OutputNotAFolder)
            //: %1 a folder, %2 a preset's name.
            return tr("The output folder %1 of the preset \"%2\" cannot be used.")
                .arg(QDir::toNativeSeparators(mOptions.outputFolder), preset.name);
        return tr("The preset \"%1\" gives no output: open Ostrel and pick it to see its "
                  "settings.")
            .arg(preset.name);
    }
    return QString();
}

QString PresetRun::subfolderName() const
{
    // One plain folder name: a setting edited by hand into a path or nothing gives a name.
    const QString name = Presets::folderName(mSettings->value(Setting::presetSubfolder));
    if (!name.isEmpty())
        return name;
    return SettingsTable::find(QLatin1StringView(Setting::presetSubfolder.name))
        ->defaultValue.toString();
}

void PresetRun::placeNextToSources(const QString& subfolder)
{
    QStringList folders;
    for (const std::unique_ptr<ImageEntry>& entry : mImages->entries())
        folders << sourceFolder(entry->path());
    // One output folder for the batch, above every source; each image is written into its
    // way from there to its own folder, then the subfolder.
    const QString root = commonFolder(folders);
    const QDir rootDir(root);
    for (int i = 0; i < mImages->count(); ++i) {
        const QString way = rootDir.relativeFilePath(folders.at(i));
        mImages->at(i)->setOutputSubfolder(
            way == QLatin1String(".") ? subfolder : way + QLatin1Char('/') + subfolder);
    }
    mOptions.outputFolder = root;
    mOptions.keepTree = true;
    mOptions.presetFolder.clear();
    const bool oneFolder = folders.count(folders.first()) == folders.size();
    mOutputFolder = oneFolder ? rootDir.filePath(subfolder) : root;
}

void PresetRun::start()
{
    //: The progress window's title; %1 a preset's name.
    mProgressPanel->setWindowTitle(tr("Resizing with %1 — Ostrel").arg(mPresetName));
    mProgressSheet->setOutputFolder(mOutputFolder);
    mProgressSheet->open();
    // The run tells its end itself: a notification, the alert only where needed.
    mProgressSheet->endWithoutAlert();
    mJob->start(mImages.get(), BatchArguments(mOptions, mSettings->effectiveJobs()));
}

void PresetRun::terminate()
{
    mTerminating = true;
    if (mJob->isRunning())
        mJob->stop();
    else
        end();
}

void PresetRun::batchFinished(const BatchResult& result)
{
    mResult = result;
    mExitStatus = result.errorCount() > 0 ? 1 : 0;
    if (mTerminating) {
        end();
        return;
    }
    if (result.errorCount() > 0)
        showClosingAlert();
    const ClosingReport report = ClosingReport::forResult(result);
    mNotification->send(DesktopNotification::summaryFor(result, mPresetName),
        mProgressSheet->reportText(report), mOutputFolder);
}

void PresetRun::showClosingAlert()
{
    mAlertShown = true;
    mProgressSheet->showClosingAlert(ClosingReport::forResult(mResult));
    connect(mProgressSheet->closingAlert(), &QMessageBox::finished, this, &PresetRun::end);
}

void PresetRun::end()
{
    if (mEnded)
        return;
    mEnded = true;
    emit ended();
}
