#include "BatchController.h"

#include <filesystem>
#include <system_error>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "gui/ControlValues.h"
#include "gui/DesktopNotification.h"
#include "gui/OutputPage.h"
#include "gui/ProgressSheet.h"
#include "gui/SizePage.h"
#include "batch/BatchArguments.h"
#include "batch/BatchJob.h"
#include "batch/ClosingReport.h"
#include "batch/ImageList.h"
#include "batch/StartCheck.h"
#include "settings/Presets.h"
#include "settings/Settings.h"
#include "ui_ProgressPanel.h"

using ControlValues::floatValue;
using Page = MainWindow::Page;

BatchController::BatchController(
    MainWindow* window, Settings* settings, ImageList* images, QObject* parent)
    : QObject(parent)
    , mWindow(window)
    , mSettings(settings)
    , mProgressUi(std::make_unique<Ui::ProgressPanel>())
    , mImages(images)
    , mJob(std::make_unique<BatchJob>())
{
    mProgressPanel = new QDialog(window);
    mProgressUi->setupUi(mProgressPanel);
    mProgressSheet = new ProgressSheet(window, mProgressPanel, mProgressUi->progressBar,
        mProgressUi->progressLabel, mProgressUi->imageNameLabel, mProgressUi->timeLabel,
        mProgressUi->stopButton, this);

    connect(window, &MainWindow::startRequested, this, &BatchController::startBatch);
    connect(mProgressUi->stopButton, &QPushButton::clicked, this, &BatchController::stopBatch);
    // Before the sheet: the end is told while the window's state is that of the batch.
    connect(mJob.get(), &BatchJob::finished, this, &BatchController::batchFinished);
    mProgressSheet->follow(mJob.get());
    mNotification = new DesktopNotification(this);
}

BatchController::~BatchController()
{
    // Without an event loop (tests, or an early exit) termination was never announced; the
    // list must still outlive any batch that reads it.
    shutDown();
}

std::optional<BatchController::InputProblem> BatchController::inputProblem() const
{
    // What the controls show is checked, not the store. A text is empty only when it is
    // exactly empty: white space is content, read as a number like any other text.
    const SizePage* size = mWindow->sizePage();
    const OutputPage* output = mWindow->outputPage();
    const auto given = [](const QString& text) {
        return text.isEmpty() ? std::nullopt : std::optional(floatValue(text));
    };
    StartCheck::Input input;
    input.imageCount = mImages->count();
    if (size->proportionalState() != Qt::PartiallyChecked)
        input.proportional = size->proportionalState() == Qt::Checked;
    input.givenSide = size->givenSide();
    input.width = given(size->widthText());
    input.height = given(size->heightText());
    input.resolution = given(size->resolutionText());
    input.outputFolder = output->outputFolderText();
    input.folderMustBeAbsolute = true;
    if (output->naming() == OutputNaming::SourceName
        || output->naming() == OutputNaming::CustomName
        || output->naming() == OutputNaming::Template)
        input.naming = output->naming();
    input.baseName = output->baseNameText();
    input.nameTemplate = output->nameTemplateText();
    input.startNumber = output->startNumberText();
    const ResizeOptions stored = mSettings->resizeOptions();
    input.format = stored.format;
    input.existingFile = stored.existingFile;
    input.sources = mImages;

    const std::optional<StartCheck::Result> found = StartCheck::check(input);
    if (!found)
        return std::nullopt;
    // The texts are shown in the status bar after Resize found the problem, and the control
    // that fixes it takes the focus.
    const bool longShort = size->usesLongShortSides();
    const auto on = [](Page page, const char* control, const QString& text) {
        return InputProblem { page, text, control };
    };
    constexpr const char* width = "widthField";
    constexpr const char* height = "heightField";
    constexpr const char* folder = "outputFolderField";
    using Problem = StartCheck::Problem;
    switch (found->problem) {
    case Problem::NoImages:
        return on(Page::Images, "addButton", tr("Add images to the list"));
    case Problem::ProportionsUndecided:
        //: The Keep proportions box is neither on nor off.
        return on(Page::Size, "keepProportionsCheck", tr("Choose whether to keep proportions"));
    case Problem::MissingFirstSize:
        return on(Page::Size, width, longShort ? tr("Enter the long side") : tr("Enter a width"));
    case Problem::MissingSecondSize:
        return on(
            Page::Size, height, longShort ? tr("Enter the short side") : tr("Enter a height"));
    case Problem::NegativeFirstSize:
    case Problem::FirstSizeNotAboveZero:
    case Problem::NoSizeAboveZero:
        return on(Page::Size, width, tr("Enter a size above 0"));
    case Problem::NegativeSecondSize:
    case Problem::SecondSizeNotAboveZero:
        return on(Page::Size, height, tr("Enter a size above 0"));
    case Problem::MissingResolution:
        return on(Page::Size, "resolutionField", tr("Enter a resolution"));
    case Problem::ResolutionNotAboveZero:
        return on(Page::Size, "resolutionField", tr("Enter a resolution above 0"));
    case Problem::NoOutputFolder:
        return on(Page::Output, folder, tr("Choose an output folder"));
    case Problem::OutputFolderRelative:
        return on(Page::Output, folder,
            tr("Enter the output folder as a full path: a relative one would depend on the "
               "folder Ostrel was started in"));
    case Problem::OutputFolderMissing: {
        InputProblem missing = on(Page::Output, folder, tr("The output folder does not exist"));
        missing.folderCanBeCreated = found->folderCanBeCreated;
        return missing;
    }
    case Problem::OutputNotAFolder:
        //: The output folder field names a file, not a folder.
        return on(Page::Output, folder, tr("The output path is not a folder"));
    case Problem::NoNaming:
        return on(Page::Output, "namingCombo", tr("Choose how to name the new files"));
    case Problem::MissingStartNumber:
        return on(Page::Output, "startNumberField", tr("Enter a start number"));
    case Problem::UnusableCustomName:
        //: %1 a custom base name that cannot name a file in the output folder.
        return on(Page::Output, "baseNameField",
            tr("The name \"%1\" cannot name a file: it may not contain \"/\" or be \".\" or \"..\"")
                .arg(output->baseNameText()));
    case Problem::UnusableNameTemplate:
        //: %1 why the name template cannot name files, such as: unknown token "{size}".
        return on(Page::Output, "nameTemplateField",
            tr("The name template cannot be used: %1").arg(found->reason));
    case Problem::SourceWouldBeReplaced:
        return on(Page::Output, folder,
            tr("The output folder holds the sources: choose another folder, number the names, "
               "or name the files yourself"));
    }
    return std::nullopt;
}

void BatchController::beep()
{
    QApplication::beep();
    emit beeped();
}

void BatchController::startBatch()
{
    start({});
}

void BatchController::startBatchWithPresets(const QStringList& presetNames)
{
    start(presetNames);
}

void BatchController::start(const QStringList& presetNames)
{
    // The sheets keep the start control out of reach from the start of a batch until its
    // closing alert is dismissed; this holds for any other way of calling it too.
    if (!mJob || mProgressSheet->isBusy())
        return;

    // The beep alone says nothing on a muted machine: the status bar names the problem.
    if (const std::optional<InputProblem> problem = inputProblem()) {
        if (problem->folderCanBeCreated) {
            offerToCreateFolder(*problem, presetNames);
            return;
        }
        beep();
        mWindow->showProblem(problem->page, problem->message, problem->control);
        return;
    }

    // The start number and the folder as the fields show them at this moment, not the
    // stored settings.
    const QString startNumber = mWindow->outputPage()->startNumberText();
    const QString outputFolder = mWindow->outputPage()->outputFolderText();
    auto asShown = [&](ResizeOptions& options) {
        options.startNumber = startNumber;
        options.outputFolder = outputFolder;
    };
    QList<ResizeOptions> outputs;
    if (presetNames.isEmpty()) {
        outputs << mSettings->resizeOptions();
        asShown(outputs.first());
        outputs.first().nameTemplate = mWindow->outputPage()->nameTemplateText();
    } else {
        if (!mPresets)
            return;
        outputs = mPresets->runOutputs(presetNames, *mSettings, {});
        for (ResizeOptions& options : outputs) {
            asShown(options);
            // A preset saved long ago may hold what no batch can start with.
            const std::optional<StartCheck::Result> found
                = StartCheck::check(StartCheck::inputOf(options, mImages->count()));
            if (found) {
                beep();
                //: %1 a preset's name.
                mWindow->showProblem(Page::Size,
                    tr("The preset \"%1\" gives no output: pick it to see its settings")
                        .arg(options.presetName),
                    "presetButton");
                return;
            }
        }
        if (outputs.isEmpty())
            return;
    }

    mWindow->setCurrentPage(Page::Images);
    mProgressSheet->setOutputFolder(outputFolder);
    mOutputFolder = outputFolder;
    mProgressSheet->open();
    mWindow->setBatchRunning(true);
    const BatchArguments arguments(outputs, mSettings->effectiveJobs());
    // Cannot be refused: the earlier batch left its loop before it sent the result whose
    // alert's dismissal ended isBusy().
    mJob->start(mImages, arguments);
}

void BatchController::offerToCreateFolder(
    const InputProblem& problem, const QStringList& presetNames)
{
    const QString folder = QDir::toNativeSeparators(mWindow->outputPage()->outputFolderText());
    auto* box = new QMessageBox(QMessageBox::Question, tr("Create the Output Folder?"),
        tr("The output folder %1 does not exist.").arg(folder), QMessageBox::Cancel, mWindow);
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(tr("Create it and resize the images into it?"));
    QPushButton* create = box->addButton(tr("Create"), QMessageBox::AcceptRole);
    box->setDefaultButton(create);
    box->setEscapeButton(QMessageBox::Cancel);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    connect(box, &QMessageBox::finished, this, [this, box, create, problem, presetNames] {
        if (box->clickedButton() == create) {
            createFolderAndStart(problem, presetNames);
            return;
        }
        mWindow->showProblem(problem.page, problem.message, problem.control);
    });
    box->open();
}

void BatchController::createFolderAndStart(
    const InputProblem& problem, const QStringList& presetNames)
{
    const QString folder = mWindow->outputPage()->outputFolderText();
    // std::filesystem rather than QDir::mkpath: it says why a folder cannot be made (a file
    // in the way, no permission).
    std::error_code error;
    std::filesystem::create_directories(
        std::filesystem::path(QFile::encodeName(folder).toStdString()), error);
    if (error || !QFileInfo(folder).isDir()) {
        mWindow->showProblem(problem.page, problem.message, problem.control);
        const QString reason = error ? QString::fromLocal8Bit(error.message().c_str())
                                     : tr("something else stands at that path");
        auto* box = new QMessageBox(QMessageBox::Warning, tr("Create the Output Folder?"),
            tr("The folder %1 could not be created: %2.")
                .arg(QDir::toNativeSeparators(folder), reason),
            QMessageBox::Ok, mWindow);
        box->setTextFormat(Qt::PlainText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        box->open();
        return;
    }
    start(presetNames);
}

void BatchController::batchFinished(const BatchResult& result)
{
    mWindow->setBatchRunning(false);
    if (mQuitsAfterBatch) {
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
    // No window of the application is active: the user has switched to another one.
    if (!QApplication::activeWindow())
        mNotification->send(DesktopNotification::summaryFor(result, QString()),
            mProgressSheet->reportText(ClosingReport::forResult(result)), mOutputFolder);
}

bool BatchController::holdsQuit()
{
    if (!mJob || !mJob->isRunning())
        return false;
    if (mQuitsAfterBatch)
        return true; // asked and answered: the quit follows the batch
    QWidget* over = mProgressPanel->isVisible() ? static_cast<QWidget*>(mProgressPanel) : mWindow;
    auto* box = new QMessageBox(QMessageBox::Question, tr("Quit Ostrel?"),
        tr("Stop the batch and quit?"), QMessageBox::Cancel, over);
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(
        tr("The images in progress are finished first; the others are not processed."));
    QPushButton* quit = box->addButton(tr("Stop and Quit"), QMessageBox::AcceptRole);
    box->setDefaultButton(quit);
    box->setEscapeButton(QMessageBox::Cancel);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    connect(box, &QMessageBox::finished, this, [this, box, quit] {
        if (box->clickedButton() != quit)
            return;
        // The batch may have ended while the question was open.
        if (!mJob || !mJob->isRunning()) {
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            return;
        }
        mQuitsAfterBatch = true;
        mProgressSheet->endWithoutAlert();
        mProgressUi->stopButton->click();
    });
    box->open();
    return true;
}

void BatchController::stopBatch()
{
    if (mJob)
        mJob->stop();
}

void BatchController::shutDown()
{
    if (!mJob)
        return;
    // A batch still running must finish its image in progress before the list goes: stopping
    // lets it end after that image, so no half-written file is left behind.
    mJob->stop();
    mJob->wait();
    mJob.reset();
}
