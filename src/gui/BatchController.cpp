#include "BatchController.h"

#include <filesystem>
#include <system_error>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include "gui/ControlValues.h"
#include "gui/OutputPage.h"
#include "gui/ProgressSheet.h"
#include "gui/SizePage.h"
#include "batch/BatchLog.h"
#include "batch/BatchResizer.h"
#include "core/LocalizedText.h"
#include "core/ResizeRules.h"
#include "settings/Settings.h"
#include "ui_ProgressPanel.h"

using ControlValues::floatValue;
using Page = MainWindow::Page;

BatchController::BatchController(MainWindow* window, Settings* settings, QObject* parent)
    : QObject(parent)
    , mWindow(window)
    , mSettings(settings)
    , mProgressUi(std::make_unique<Ui::ProgressPanel>())
    , mResizer(std::make_unique<BatchResizer>(0))
{
    mProgressPanel = new QDialog(window);
    mProgressUi->setupUi(mProgressPanel);
    mProgressPanel->setWindowModality(Qt::WindowModal);
    mProgressSheet = new ProgressSheet(window, mProgressPanel, mProgressUi->progressBar,
        mProgressUi->progressLabel, mProgressUi->imageNameLabel, mProgressUi->timeLabel,
        mProgressUi->stopButton, this);

    connect(window, &MainWindow::startRequested, this, &BatchController::startBatch);
    connect(mProgressUi->stopButton, &QPushButton::clicked, this, &BatchController::stopBatch);
    mProgressPanel->installEventFilter(this);
    connect(mProgressSheet, &ProgressSheet::closingAlertFinished, this, [this](int buttonCode) {
        if (mResizer && !mResizer->closingAlertFinished(buttonCode)) {
            ProgressSheet::showCannotOpen(mWindow,
                tr("No viewer could be started for the log %1.")
                    .arg(QDir::toNativeSeparators(BatchLog::logFilePath())));
        }
    });
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
    if (mResizer->images().count() == 0)
        return InputProblem { Page::Images, LocalizedText::text("_CheckNoImages") };

    auto sizeProblem = [](const char* key) {
        return InputProblem { Page::Size, LocalizedText::text(key) };
    };
    const bool longShort = size->usesLongShortSides();
    const char* enterFirst = longShort ? "_CheckEnterLongSide" : "_CheckEnterWidth";
    const char* enterSecond = longShort ? "_CheckEnterShortSide" : "_CheckEnterHeight";
    const bool noWidth = size->widthText().isEmpty();
    const bool noHeight = size->heightText().isEmpty();
    const GivenSide given = size->givenSide();
    switch (size->proportionalState()) {
    case Qt::Checked:
        if (given != GivenSide::Both) {
            if (noWidth && noHeight)
                return sizeProblem(given == GivenSide::Second ? enterSecond : enterFirst);
            break;
        }
        [[fallthrough]]; // fitting inside a box takes both values, as free scaling does
    case Qt::Unchecked:
        if (noWidth)
            return sizeProblem(enterFirst);
        if (noHeight)
            return sizeProblem(enterSecond);
        break;
    default: // the mixed state is neither on nor off
        return sizeProblem("_CheckProportions");
    }
    // A size of 0 takes that side from the other, so one size above 0 is enough; a negative
    // one, or none above 0, would make every image fail.
    const float width = noWidth ? 0.0f : floatValue(size->widthText());
    const float height = noHeight ? 0.0f : floatValue(size->heightText());
    if (width < 0.0f || height < 0.0f || !(width > 0.0f || height > 0.0f))
        return sizeProblem("_CheckSizeAboveZero");
    if (size->resolutionText().isEmpty())
        return sizeProblem("_CheckEnterResolution");
    if (!(floatValue(size->resolutionText()) > 0.0f))
        return sizeProblem("_CheckResolutionAboveZero");

    auto outputProblem = [](const char* key) {
        return InputProblem { Page::Output, LocalizedText::text(key) };
    };
    const QString outputFolder = output->outputFolderText();
    if (outputFolder.isEmpty())
        return outputProblem("_CheckChooseFolder");
    // Follows a symbolic link at the end; a leading "~" is a folder name like any other.
    const QFileInfo folder(outputFolder);
    if (!folder.exists()) {
        InputProblem missing = outputProblem("_CheckFolderMissing");
        // Only a path that means the same whatever the working folder, and not a link that
        // leads nowhere: "~/out" stays a failed check.
        missing.folderCanBeCreated = QDir::isAbsolutePath(outputFolder) && !folder.isSymLink();
        return missing;
    }
    if (!folder.isDir())
        return outputProblem("_CheckNotAFolder");

    switch (output->naming()) {
    case OutputNaming::SourceName:
        break;
    case OutputNaming::CustomName:
        if (output->startNumberText().isEmpty())
            return outputProblem("_CheckEnterStartNumber");
        if (!ResizeRules::isUsableCustomName(output->baseNameText()))
            return InputProblem { Page::Output,
                LocalizedText::text("_CheckUnusableName", { output->baseNameText() }) };
        break;
    default:
        return outputProblem("_CheckChooseNaming");
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
    // The sheets keep the start control out of reach from the start of a batch until its
    // closing alert is dismissed; this holds for any other way of calling it too.
    if (!mResizer || mProgressSheet->isBusy())
        return;

    // The beep alone says nothing on a muted machine: the status bar names the problem.
    if (const std::optional<InputProblem> problem = inputProblem()) {
        if (problem->folderCanBeCreated) {
            offerToCreateFolder(*problem);
            return;
        }
        beep();
        mWindow->showProblem(problem->page, problem->message);
        return;
    }

    mWindow->setCurrentPage(Page::Images);
    mResizer->setMayContinue(true);
    mProgressSheet->setOutputFolder(mWindow->outputPage()->outputFolderText());
    mProgressSheet->open();
    // The start number is the field's text now, not the stored setting.
    // The start number as the field shows it at this moment.
    ResizeOptions options = mSettings->resizeOptions();
    options.startNumber = mWindow->outputPage()->startNumberText();
    const BatchArguments arguments(mProgressSheet, options, mSettings->effectiveJobs());
    // Cannot be refused: the earlier batch's worker left its loop before it queued the alert
    // whose dismissal ended isBusy().
    mResizer->start(arguments);
}

void BatchController::offerToCreateFolder(const InputProblem& problem)
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
    connect(box, &QMessageBox::finished, this, [this, box, create, problem] {
        if (box->clickedButton() == create) {
            createFolderAndStart(problem);
            return;
        }
        mWindow->showProblem(problem.page, problem.message);
    });
    box->open();
}

void BatchController::createFolderAndStart(const InputProblem& problem)
{
    const QString folder = mWindow->outputPage()->outputFolderText();
    // std::filesystem rather than QDir::mkpath: it says why a folder cannot be made (a file
    // in the way, no permission).
    std::error_code error;
    std::filesystem::create_directories(
        std::filesystem::path(QFile::encodeName(folder).toStdString()), error);
    if (error || !QFileInfo(folder).isDir()) {
        mWindow->showProblem(problem.page, problem.message);
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
    startBatch();
}

void BatchController::stopBatch()
{
    if (mResizer)
        mResizer->setMayContinue(false);
}

void BatchController::shutDown()
{
    if (!mResizer)
        return;
    // A batch still running must finish its image in progress before the list goes: lowering
    // the flag lets it stop after that image, so no half-written file is left behind.
    mResizer->setMayContinue(false);
    mResizer->wait();
    mResizer.reset();
}

bool BatchController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != mProgressPanel)
        return false;
    // The sheet stays until the batch closes it: Escape and the window's close button mean
    // "stop", like the stop button, rather than hiding a running batch.
    if (event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        mProgressUi->stopButton->click();
        return true;
    }
    if (event->type() == QEvent::Close && mProgressPanel->isVisible()) {
        mProgressUi->stopButton->click();
        event->ignore();
        return true;
    }
    return false;
}
