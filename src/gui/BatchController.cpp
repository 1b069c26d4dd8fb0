#include "BatchController.h"

#include <filesystem>
#include <system_error>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

#include "gui/ControlValues.h"
#include "gui/ProgressSheet.h"
#include "batch/BatchLog.h"
#include "batch/BatchJob.h"
#include "batch/ImageList.h"
#include "batch/StartCheck.h"
#include "core/LocalizedText.h"
#include "settings/Settings.h"
#include "ui_MainWindow.h"
#include "ui_ProgressPanel.h"

using ControlValues::floatValue;
using ControlValues::isOn;

namespace {

// The tabs that a failed input check turns to: the file list, the size fields with the
// resolution, and the output folder with the naming controls.
constexpr int kImagesTab = 0;
constexpr int kSizeTab = 1;
constexpr int kOutputTab = 2;

} // namespace

BatchController::BatchController(
    Ui::MainWindow* ui, Settings* settings, ImageList* images, QObject* parent)
    : QObject(parent)
    , mUi(ui)
    , mSettings(settings)
    , mProgressUi(std::make_unique<Ui::ProgressPanel>())
    , mImages(images)
    , mJob(std::make_unique<BatchJob>())
{
    QWidget* window = ui->tabs->window();
    mProgressPanel = new QDialog(window);
    mProgressUi->setupUi(mProgressPanel);
    mProgressPanel->setWindowModality(Qt::WindowModal);
    mProgressSheet = new ProgressSheet(window, mProgressPanel, mProgressUi->progressBar,
        mProgressUi->progressLabel, mProgressUi->imageNameLabel, mProgressUi->timeLabel,
        mProgressUi->stopButton, this);

    connect(ui->resizeButton, &QPushButton::clicked, this, &BatchController::startBatch);
    connect(ui->actionStart, &QAction::triggered, this, &BatchController::startBatch);
    connect(mProgressUi->stopButton, &QPushButton::clicked, this, &BatchController::stopBatch);
    mProgressPanel->installEventFilter(this);
    mProgressSheet->follow(mJob.get());
    connect(mProgressSheet, &ProgressSheet::logRequested, this, [this] {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(BatchLog::logFilePath()))) {
            ProgressSheet::showCannotOpen(mUi->tabs->window(),
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
    const Ui::MainWindow* ui = mUi;
    const auto given = [](const QLineEdit* field) {
        return field->text().isEmpty() ? std::nullopt : std::optional(floatValue(field));
    };
    StartCheck::Input input;
    input.imageCount = mImages->count();
    if (ui->keepProportionsCheck->checkState() != Qt::PartiallyChecked)
        input.proportional = isOn(ui->keepProportionsCheck);
    if (ui->givenSideGroup->checkedId() >= int(GivenSide::First)
        && ui->givenSideGroup->checkedId() <= int(GivenSide::Both))
        input.givenSide = GivenSide(ui->givenSideGroup->checkedId());
    input.width = given(ui->widthField);
    input.height = given(ui->heightField);
    input.resolution = given(ui->resolutionField);
    input.outputFolder = ui->outputFolderField->text();
    const OutputNaming naming = ControlValues::selectedCode<OutputNaming>(ui->namingCombo);
    if (naming == OutputNaming::SourceName || naming == OutputNaming::CustomName)
        input.naming = naming;
    input.baseName = ui->baseNameField->text();
    input.startNumber = ui->startNumberField->text();

    const std::optional<StartCheck::Result> found = StartCheck::check(input);
    if (!found)
        return std::nullopt;
    const bool longShort = isOn(ui->longShortSidesCheck);
    const auto on = [](int tab, const char* key) {
        return InputProblem { tab, LocalizedText::text(key) };
    };
    using Problem = StartCheck::Problem;
    switch (found->problem) {
    case Problem::NoImages:
        return on(kImagesTab, "_CheckNoImages");
    case Problem::ProportionsUndecided:
        return on(kSizeTab, "_CheckProportions");
    case Problem::MissingFirstSize:
        return on(kSizeTab, longShort ? "_CheckEnterLongSide" : "_CheckEnterWidth");
    case Problem::MissingSecondSize:
        return on(kSizeTab, longShort ? "_CheckEnterShortSide" : "_CheckEnterHeight");
    case Problem::NegativeFirstSize:
    case Problem::NegativeSecondSize:
    case Problem::FirstSizeNotAboveZero:
    case Problem::SecondSizeNotAboveZero:
    case Problem::NoSizeAboveZero:
        return on(kSizeTab, "_CheckSizeAboveZero");
    case Problem::MissingResolution:
        return on(kSizeTab, "_CheckEnterResolution");
    case Problem::ResolutionNotAboveZero:
        return on(kSizeTab, "_CheckResolutionAboveZero");
    case Problem::NoOutputFolder:
        return on(kOutputTab, "_CheckChooseFolder");
    case Problem::OutputFolderMissing: {
        InputProblem missing = on(kOutputTab, "_CheckFolderMissing");
        missing.folderCanBeCreated = found->folderCanBeCreated;
        return missing;
    }
    case Problem::OutputNotAFolder:
        return on(kOutputTab, "_CheckNotAFolder");
    case Problem::NoNaming:
        return on(kOutputTab, "_CheckChooseNaming");
    case Problem::MissingStartNumber:
        return on(kOutputTab, "_CheckEnterStartNumber");
    case Problem::UnusableCustomName:
        return InputProblem { kOutputTab,
            LocalizedText::text("_CheckUnusableName", { ui->baseNameField->text() }) };
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
    if (!mJob || mProgressSheet->isBusy())
        return;

    // The beep alone says nothing on a muted machine: the status bar names the problem.
    if (const std::optional<InputProblem> problem = inputProblem()) {
        if (problem->folderCanBeCreated) {
            offerToCreateFolder(*problem);
            return;
        }
        beep();
        mUi->tabs->setCurrentIndex(problem->tab);
        emit messageShown(problem->message);
        return;
    }

    mUi->tabs->setCurrentIndex(kImagesTab);
    mProgressSheet->setOutputFolder(mUi->outputFolderField->text());
    mProgressSheet->open();
    // The start number as the field shows it at this moment.
    ResizeOptions options = mSettings->resizeOptions();
    options.startNumber = mUi->startNumberField->text();
    const BatchArguments arguments(options, mSettings->effectiveJobs());
    // Cannot be refused: the earlier batch's worker left its loop before it queued the alert
    // whose dismissal ended isBusy().
    mJob->start(mImages, arguments);
}

void BatchController::offerToCreateFolder(const InputProblem& problem)
{
    const QString folder = QDir::toNativeSeparators(mUi->outputFolderField->text());
    auto* box = new QMessageBox(QMessageBox::Question, tr("Create the Output Folder?"),
        tr("The output folder %1 does not exist.").arg(folder), QMessageBox::Cancel,
        mUi->tabs->window());
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
        mUi->tabs->setCurrentIndex(problem.tab);
        emit messageShown(problem.message);
    });
    box->open();
}

void BatchController::createFolderAndStart(const InputProblem& problem)
{
    const QString folder = mUi->outputFolderField->text();
    // std::filesystem rather than QDir::mkpath: it says why a folder cannot be made (a file
    // in the way, no permission).
    std::error_code error;
    std::filesystem::create_directories(
        std::filesystem::path(QFile::encodeName(folder).toStdString()), error);
    if (error || !QFileInfo(folder).isDir()) {
        mUi->tabs->setCurrentIndex(problem.tab);
        emit messageShown(problem.message);
        const QString reason = error ? QString::fromLocal8Bit(error.message().c_str())
                                     : tr("something else stands at that path");
        auto* box = new QMessageBox(QMessageBox::Warning, tr("Create the Output Folder?"),
            tr("The folder %1 could not be created: %2.")
                .arg(QDir::toNativeSeparators(folder), reason),
            QMessageBox::Ok, mUi->tabs->window());
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
    if (mJob)
        mJob->stop();
}

void BatchController::shutDown()
{
    if (!mJob)
        return;
    // A batch still running must finish its image in progress before the list goes: lowering
    // the flag lets it stop after that image, so no half-written file is left behind.
    mJob->stop();
    mJob->wait();
    mJob.reset();
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
