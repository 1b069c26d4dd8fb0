#include "OstrelController.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>

#include <array>
#include <set>

#include "gui/ColorWell.h"
#include "gui/FileListModel.h"
#include "gui/FileTableView.h"
#include "gui/ProgressSheet.h"
#include "gui/QualitySlider.h"
#include "gui/Stepper.h"
#include "batch/BatchResizer.h"
#include "core/ImageEntry.h"
#include "core/LocalizedText.h"
#include "core/OutputFormat.h"
#include "core/ResizeRules.h"
#include "settings/Settings.h"
#include "ui_MainWindow.h"
#include "ui_ProgressPanel.h"

// Resources compiled into a static library are registered explicitly; this must happen
// outside any namespace.
static void initialiseResources()
{
    Q_INIT_RESOURCE(ostrel);
}

namespace {

constexpr const char* kWindowPositionKey = "windowPosition";

// The tabs that a failed input check turns to: the file list, the size fields with the
// resolution, and the destination with the naming controls.
constexpr int kFilesTab = 0;
constexpr int kSizeTab = 1;
constexpr int kOutputTab = 2;

// A check box counts as on only when it is fully checked; the mixed state is off.
bool isOn(const QCheckBox* box)
{
    return box->checkState() == Qt::Checked;
}

// The settings code that a combo box's selected item carries; code 0 when nothing is selected.
template <typename Code> Code selectedCode(const QComboBox* combo)
{
    return static_cast<Code>(combo->currentData().toInt());
}

template <typename Code> void selectCode(QComboBox* combo, Code code)
{
    combo->setCurrentIndex(combo->findData(int(code)));
}

// The number a field's text begins with, read the way a text field reads its float value:
// leading blanks are skipped, the longest numeric prefix counts, and text that does not begin
// with a number (or no text at all) reads as 0. The decimal sign is the user's: "12,5" is 12.5
// in German; where that sign is a comma a '.' counts as one too (no one types group
// separators into a size), while in English and in C a comma ends the number as it always
// did. The stored settings hold the number itself, the same in every locale.
float floatValue(const QLineEdit* field)
{
    const QLocale locale;
    const bool comma = locale.decimalPoint() == QLatin1String(",");
    static const QRegularExpression point(
        QStringLiteral(R"(^\s*([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?))"));
    static const QRegularExpression pointOrComma(
        QStringLiteral(R"(^\s*([+-]?(?:\d+[.,]?\d*|[.,]\d+)(?:[eE][+-]?\d+)?))"));
    const QRegularExpressionMatch match = (comma ? pointOrComma : point).match(field->text());
    if (!match.hasMatch())
        return 0.0f;
    bool ok = false;
    const float value
        = QLocale::c().toFloat(match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok ? value : 0.0f;
}

// Shows a number in the user's locale, without group separators (which would read back as a
// decimal sign where that is a comma or a point).
void setFloatValue(QLineEdit* field, float value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    field->setText(locale.toString(static_cast<double>(value), 'g', 7));
}

} // namespace

OstrelController::OstrelController(QSettings* settings, QObject* parent)
    : QObject(parent)
    , mUi(std::make_unique<Ui::MainWindow>())
    , mProgressUi(std::make_unique<Ui::ProgressPanel>())
    , finestra(std::make_unique<QMainWindow>())
{
    initialiseResources();
    if (!settings) {
        // Null when the settings file cannot be used: the window then stores nothing.
        mOwnedSettings = Settings::openUserSettings();
        settings = mOwnedSettings.get();
    }
    mSettings = settings;

    mUi->setupUi(finestra.get());
    progressPanel = new QDialog(finestra.get());
    mProgressUi->setupUi(progressPanel);
    progressPanel->setWindowModality(Qt::WindowModal);
    mProgressSheet = new ProgressSheet(finestra.get(), progressPanel, mProgressUi->progressBar,
        mProgressUi->progressText, mProgressUi->stopButton, this);
    mUi->progressWheel->hide();
    // The preview sits on the plain base colour, not on the window's pattern.
    mUi->previewImage->setBackgroundRole(QPalette::Base);

    fillMenus();
    connectControls();
    awakeFromNib();
}

OstrelController::~OstrelController()
{
    // Without an event loop (tests, or an early exit) termination was never announced; the
    // list must still outlive any batch that reads it.
    applicationWillTerminate();
    // The window goes before the settings store: a field that still has the focus ends its
    // edit as it goes, and that edit is stored.
    finestra.reset();
}

void OstrelController::fillMenus()
{
    // The items carry the settings codes as their tags; start-up selects by tag and the
    // handlers read the tag of the selection.
    QComboBox* unit = mUi->popUpUM;
    unit->addItem(tr("Pixels"), int(Settings::Unit::Pixels));
    unit->addItem(tr("Inches"), int(Settings::Unit::Inches));
    unit->addItem(tr("Millimetres"), int(Settings::Unit::Millimetres));
    unit->addItem(tr("Percent"), int(Settings::Unit::Percent));

    QComboBox* naming = mUi->nameMenu;
    naming->addItem(tr("Source name"), int(Settings::Naming::SourceName));
    naming->addItem(tr("Name and number"), int(Settings::Naming::CustomName));

    QComboBox* format = mUi->menuFormat;
    for (const OutputFormats::Info& info : OutputFormats::all())
        format->addItem(QString::fromLatin1(info.name), int(info.format));

    QComboBox* metadata = mUi->metadataMenu;
    metadata->addItem(tr("Keep all"), int(MetadataMode::Keep));
    metadata->addItem(tr("Without personal data"), int(MetadataMode::WithoutPersonal));
    metadata->addItem(tr("None"), int(MetadataMode::None));

    mUi->radioButton->setId(mUi->radioFirst, int(Settings::Side::First));
    mUi->radioButton->setId(mUi->radioSecond, int(Settings::Side::Second));
    mUi->radioButton->setId(mUi->radioBoth, int(Settings::Side::Both));

    QComboBox* existing = mUi->existingMenu;
    existing->addItem(tr("Fail the image"), int(ExistingFile::Fail));
    existing->addItem(tr("Add a number (name-2)"), int(ExistingFile::Number));
    existing->addItem(tr("Skip the image"), int(ExistingFile::Skip));
}

void OstrelController::connectControls()
{
    Ui::MainWindow* ui = mUi.get();

    // Settings controls: only signals that a user's change emits, never a change made by code.
    connect(ui->backgroundButton, &QCheckBox::clicked, this,
        [this] { background(mUi->backgroundButton); });
    connect(ui->backgroundColorWell, &ColorWell::colorChanged, this,
        [this] { backgroundColor(mUi->backgroundColorWell); });
    connect(ui->proportionalButton, &QCheckBox::clicked, this,
        [this] { proportional(mUi->proportionalButton); });
    connect(ui->radioButton, &QButtonGroup::idClicked, this, [this] { sides(mUi->radioButton); });
    connect(ui->switchButton, &QCheckBox::clicked, this, [this] { switchSide(mUi->switchButton); });
    connect(ui->popUpUM, &QComboBox::activated, this, [this] { actionUM(mUi->popUpUM); });
    connect(ui->nameMenu, &QComboBox::activated, this, [this] { menuName(mUi->nameMenu); });
    connect(ui->menuFormat, &QComboBox::activated, this, [this] { menuFormat(mUi->menuFormat); });
    connect(ui->jpegQuality, &QualitySlider::factorChanged, this,
        [this] { actionQuality(mUi->jpegQuality); });
    connect(ui->noEnlargeButton, &QCheckBox::clicked, this,
        [this] { storeNoEnlarge(mUi->noEnlargeButton); });
    connect(ui->existingMenu, &QComboBox::activated, this,
        [this] { storeExistingFile(mUi->existingMenu); });
    connect(ui->metadataMenu, &QComboBox::activated, this,
        [this] { pref->setMetadata(selectedCode<MetadataMode>(mUi->metadataMenu)); });
    connect(ui->chooseFolderButton, &QPushButton::clicked, this, &OstrelController::openFolder);
    connect(ui->tab, &QTabWidget::currentChanged, this,
        [this](int index) { tabView(mUi->tab, index); });

    for (QLineEdit* field : { ui->widthField, ui->heightField, ui->resolutionField, ui->destField,
             ui->nameText, ui->nameNumber })
        connect(field, &QLineEdit::editingFinished, this, [this, field] { actionField(field); });
    for (const NumberPair& pair : numberPairs()) {
        Stepper* stepper = pair.stepper;
        connect(stepper, &Stepper::stepped, this, [this, stepper] { actionField(stepper); });
    }
    // Up and Down in a number field step it like its stepper.
    for (const NumberPair& pair : numberPairs())
        pair.field->installEventFilter(this);

    // A message in the status bar goes with the next edit of any setting.
    for (QLineEdit* field : { ui->widthField, ui->heightField, ui->resolutionField, ui->destField,
             ui->nameText, ui->nameNumber })
        connect(field, &QLineEdit::textEdited, this, &OstrelController::clearMessage);
    for (QAbstractButton* button : { static_cast<QAbstractButton*>(ui->backgroundButton),
             static_cast<QAbstractButton*>(ui->proportionalButton),
             static_cast<QAbstractButton*>(ui->switchButton),
             static_cast<QAbstractButton*>(ui->noEnlargeButton),
             static_cast<QAbstractButton*>(ui->showFullPathButton) })
        connect(button, &QAbstractButton::clicked, this, &OstrelController::clearMessage);
    connect(ui->radioButton, &QButtonGroup::idClicked, this, &OstrelController::clearMessage);
    for (QComboBox* menu :
        { ui->popUpUM, ui->nameMenu, ui->menuFormat, ui->existingMenu, ui->metadataMenu })
        connect(menu, &QComboBox::activated, this, &OstrelController::clearMessage);
    for (const NumberPair& pair : numberPairs())
        connect(pair.stepper, &Stepper::stepped, this, &OstrelController::clearMessage);
    connect(ui->jpegQuality, &QualitySlider::factorChanged, this, &OstrelController::clearMessage);
    connect(
        ui->backgroundColorWell, &ColorWell::colorChanged, this, &OstrelController::clearMessage);

    // The unit's abbreviation beside the size fields follows the menu, however it changes.
    connect(ui->popUpUM, &QComboBox::currentIndexChanged, this, &OstrelController::showUnit);
    showUnit();

    // The file list.
    connect(ui->addButton, &QPushButton::clicked, this, &OstrelController::addFile);
    connect(ui->actionAddFiles, &QAction::triggered, this, &OstrelController::addFile);
    connect(ui->removeButton, &QPushButton::clicked, this, &OstrelController::removeFile);
    connect(ui->actionRemove, &QAction::triggered, this, &OstrelController::removeFile);
    connect(ui->showFullPathButton, &QCheckBox::clicked, this,
        [this] { showFullPath(mUi->showFullPathButton); });

    // A batch.
    connect(ui->resizeButton, &QPushButton::clicked, this, &OstrelController::resize);
    connect(ui->actionStart, &QAction::triggered, this, &OstrelController::resize);
    connect(mProgressUi->stopButton, &QPushButton::clicked, this, &OstrelController::stop);
    progressPanel->installEventFilter(this);
    connect(mProgressSheet, &ProgressSheet::closingAlertFinished, this, [this](int buttonCode) {
        if (mResizer)
            mResizer->closingAlertFinished(buttonCode);
    });

    // The window and the application.
    connect(ui->actionQuit, &QAction::triggered, finestra.get(), &QWidget::close);
    connect(ui->actionAbout, &QAction::triggered, this, &OstrelController::showAbout);
    finestra->installEventFilter(this);
    connect(
        qApp, &QCoreApplication::aboutToQuit, this, &OstrelController::applicationWillTerminate);
}

void OstrelController::awakeFromNib()
{
    const QPixmap pattern(QStringLiteral(":/background.png"));
    if (pattern.isNull())
        return; // the style's plain window colour
    // The brush keeps the pattern's average colour too: styles derive frames and shades from
    // the window colour, and a texture brush alone would read as black.
    const QColor average = pattern.toImage()
                               .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .pixelColor(0, 0);
    QPalette palette = finestra->palette();
    palette.setBrush(QPalette::Window, QBrush(average, pattern));
    finestra->setPalette(palette);
    finestra->setAutoFillBackground(true);
}

void OstrelController::applicationWillFinishLaunching()
{
    Ui::MainWindow* ui = mUi.get();

    mResizer = std::make_unique<BatchResizer>(0); // 1
    pref = std::make_unique<Settings>(mSettings); // 2
    pref->load();
    fullPath = pref->showsFullPath(); // 3
    ui->backgroundButton->setChecked(pref->isBackgroundEnabled()); // 4
    ui->backgroundColorWell->setColor(pref->backgroundColor()); // 5
    ui->showFullPathButton->setChecked(pref->showsFullPath()); // 6
    ui->proportionalButton->setChecked(pref->isProportional()); // 7
    ui->switchButton->setChecked(pref->usesLongShortSides()); // 8
    if (QAbstractButton* cell = ui->radioButton->button(int(pref->givenSide()))) // 9
        cell->setChecked(true);
    selectCode(ui->popUpUM, pref->unit()); // 10
    ui->tab->setCurrentIndex(pref->currentTab()); // 11
    ui->widthStepper->setFloatValue(pref->width()); // 12
    setFloatValue(ui->widthField, pref->width());
    ui->heightStepper->setFloatValue(pref->height()); // 13
    setFloatValue(ui->heightField, pref->height());
    ui->resolutionStepper->setFloatValue(pref->resolution()); // 14
    setFloatValue(ui->resolutionField, pref->resolution());
    ui->destField->setText(pref->outputFolder()); // 15
    selectCode(ui->nameMenu, pref->naming()); // 16
    ui->nameText->setText(pref->baseName()); // 17
    ui->nameNumber->setText(pref->startNumber());
    selectCode(ui->menuFormat, pref->outputFormat()); // 18
    ui->jpegQuality->setFloatValue(pref->quality()); // 19
    ui->noEnlargeButton->setChecked(pref->noEnlarge());
    selectCode(ui->existingMenu, pref->existingFile());
    selectCode(ui->metadataMenu, pref->metadata());

    // 20: the table shows the list through its model, which takes dropped files (file URLs,
    // its one data type); the view draws the insertion line after the last row.
    mModel = new FileListModel(mResizer.get(), this);
    mModel->setFullPath(fullPath);
    ui->tableImages->setModel(mModel);
    connect(ui->tableImages->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &OstrelController::tableViewSelectionDidChange);
    // Files arriving count as an edit; the message about files not taken follows them.
    connect(mModel, &FileListModel::filesAdded, this, &OstrelController::clearMessage);
    connect(mModel, &FileListModel::filesNotAdded, this, &OstrelController::showFilesNotAdded);
    reloadTable(); // 21
    updateRemoveEnabled();

    background(ui->backgroundButton); // 22
    switchSide(ui->switchButton);
    proportional(ui->proportionalButton);
    menuName(ui->nameMenu);
    menuFormat(ui->menuFormat);
    actionQuality(ui->jpegQuality);

    // 23: the last frame comes back, and every later move or resize is saved.
    if (mSettings)
        finestra->restoreGeometry(
            mSettings->value(QLatin1String(kWindowPositionKey)).toByteArray());
    mAutosaveFrame = true;

    finestra->show(); // 24
    finestra->raise();
    finestra->activateWindow();
}

void OstrelController::background(QCheckBox* sender)
{
    const bool on = isOn(sender);
    mUi->backgroundColorWell->setVisible(on);
    pref->setBackgroundEnabled(on);
    backgroundColor(mUi->backgroundColorWell);
}

void OstrelController::backgroundColor(ColorWell* sender)
{
    pref->setBackgroundColor(sender->color());
}

void OstrelController::proportional(QCheckBox* sender)
{
    const bool on = isOn(sender);
    mUi->radioButtonBox->setVisible(on);
    mUi->radioBoth->setVisible(on);
    pref->setProportional(on);
    sides(mUi->radioButton);
}

void OstrelController::sides(QButtonGroup* sender)
{
    Ui::MainWindow* ui = mUi.get();
    // A field that proportional scaling emptied shows the stored value again once it is used
    // (the setting kept that value all along).
    auto showStored = [](QLineEdit* field, Stepper* stepper, float value) {
        if (!field->text().isEmpty())
            return;
        setFloatValue(field, value);
        stepper->setFloatValue(value);
    };
    if (!isOn(ui->proportionalButton)) {
        // The given side is not stored.
        ui->widthField->setEnabled(true);
        ui->widthStepper->setEnabled(true);
        ui->heightField->setEnabled(true);
        ui->heightStepper->setEnabled(true);
        showStored(ui->widthField, ui->widthStepper, pref->width());
        showStored(ui->heightField, ui->heightStepper, pref->height());
        return;
    }
    // Emptying a field changes only its text: the stored value keeps its last value.
    switch (static_cast<Settings::Side>(sender->checkedId())) {
    case Settings::Side::First:
        ui->widthField->setEnabled(true);
        ui->widthStepper->setEnabled(true);
        showStored(ui->widthField, ui->widthStepper, pref->width());
        ui->heightField->setText(QString());
        ui->heightField->setEnabled(false);
        ui->heightStepper->setEnabled(false);
        pref->setGivenSide(Settings::Side::First);
        break;
    case Settings::Side::Second:
        ui->widthField->setText(QString());
        ui->widthField->setEnabled(false);
        ui->widthStepper->setEnabled(false);
        ui->heightField->setEnabled(true);
        ui->heightStepper->setEnabled(true);
        showStored(ui->heightField, ui->heightStepper, pref->height());
        pref->setGivenSide(Settings::Side::Second);
        break;
    case Settings::Side::Both:
        ui->widthField->setEnabled(true);
        ui->widthStepper->setEnabled(true);
        ui->heightField->setEnabled(true);
        ui->heightStepper->setEnabled(true);
        showStored(ui->widthField, ui->widthStepper, pref->width());
        showStored(ui->heightField, ui->heightStepper, pref->height());
        pref->setGivenSide(Settings::Side::Both);
        break;
    default:
        break;
    }
}

void OstrelController::switchSide(QCheckBox* sender)
{
    const bool on = isOn(sender);
    mUi->widthText->setText(LocalizedText::text(on ? "_LongSide" : "_Width"));
    mUi->heightText->setText(LocalizedText::text(on ? "_ShortSide" : "_Height"));
    pref->setUsesLongShortSides(on);
}

void OstrelController::actionUM(QComboBox* sender)
{
    // The numbers in the fields are not converted: from now on they are read in the new unit.
    pref->setUnit(selectedCode<Settings::Unit>(sender));
}

std::array<OstrelController::NumberPair, 3> OstrelController::numberPairs() const
{
    return { { { mUi->widthField, mUi->widthStepper, &Settings::setWidth },
        { mUi->heightField, mUi->heightStepper, &Settings::setHeight },
        { mUi->resolutionField, mUi->resolutionStepper, &Settings::setResolution } } };
}

void OstrelController::actionField(QObject* sender)
{
    // A field and its stepper always show the same number: whichever the user changed, the
    // other takes its value. Tested in order: width field, width stepper, height field, ...
    for (const NumberPair& pair : numberPairs()) {
        if (sender == pair.field) {
            const float value = floatValue(pair.field);
            (pref.get()->*pair.store)(value);
            pair.stepper->setFloatValue(value);
            // The field shows the number that is used ("12.5abc" becomes "12.5"). An empty
            // field stays empty: the checks before a batch tell it apart from 0.
            if (!pair.field->text().isEmpty())
                setFloatValue(pair.field, value);
            return;
        }
        if (sender == pair.stepper) {
            const float value = pair.stepper->floatValue();
            (pref.get()->*pair.store)(value);
            setFloatValue(pair.field, value);
            return;
        }
    }
    Ui::MainWindow* ui = mUi.get();
    if (sender == ui->destField)
        pref->setOutputFolder(ui->destField->text());
    else if (sender == ui->nameText)
        pref->setBaseName(ui->nameText->text());
    else if (sender == ui->nameNumber)
        pref->setStartNumber(ui->nameNumber->text());
}

void OstrelController::menuName(QComboBox* sender)
{
    const auto tag = selectedCode<Settings::Naming>(sender);
    if (tag == Settings::Naming::SourceName) {
        mUi->nameText->hide();
        mUi->nameNumber->hide();
    } else if (tag == Settings::Naming::CustomName) {
        mUi->nameText->show();
        mUi->nameNumber->show();
    }
    pref->setNaming(tag);
}

void OstrelController::openFolder()
{
    QFileDialog* panel = newOpenPanel(tr("Choose the Output Folder"), tr("Choose"));
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly);
    beginSheet(panel, &OstrelController::openFolderPanelDidEnd);
}

void OstrelController::openFolderPanelDidEnd(QFileDialog* panel, int returnCode)
{
    if (returnCode == 0)
        return;
    const QString folder = panel->selectedFiles().value(0);
    if (folder.isEmpty())
        return; // nothing chosen: an accepted panel must not wipe the stored folder
    mUi->destField->setText(folder);
    pref->setOutputFolder(folder);
    clearMessage();
}

void OstrelController::menuFormat(QComboBox* sender)
{
    const auto tag = selectedCode<OutputFormat>(sender);
    const OutputFormats::Info* info = OutputFormats::find(tag);
    const bool takesQuality = info && info->takesQuality;
    mUi->jpegQuality->setVisible(takesQuality);
    mUi->jpegQualityText->setVisible(takesQuality);
    mUi->jpegText->setVisible(takesQuality);
    pref->setOutputFormat(tag);
}

void OstrelController::storeNoEnlarge(QCheckBox* sender)
{
    pref->setNoEnlarge(isOn(sender));
}

void OstrelController::storeExistingFile(QComboBox* sender)
{
    pref->setExistingFile(selectedCode<ExistingFile>(sender));
}

void OstrelController::actionQuality(QualitySlider* sender)
{
    const float factor = sender->floatValue();
    const float percent = factor * 100.0f; // in single precision, then widened
    mUi->jpegText->setText(tr("%1%").arg(QString::asprintf("%.0f", static_cast<double>(percent))));
    pref->setQuality(factor);
}

void OstrelController::tabView(QTabWidget* tabView, int index)
{
    Q_UNUSED(tabView);
    if (index >= 0)
        pref->setCurrentTab(index);
}

void OstrelController::openFiles(const QStringList& paths)
{
    // The model appends through the list's own extension and duplicate rules, and announces
    // the new rows; folders are searched first, off the main thread.
    mModel->addPaths(paths);
}

void OstrelController::addFile()
{
    QStringList patterns;
    for (const QString& extension : mResizer->images().acceptedExtensions())
        patterns << QStringLiteral("*.") + extension;
    QFileDialog* panel = newOpenPanel(tr("Add Images"), tr("Add"));
    panel->setFileMode(QFileDialog::ExistingFiles);
    panel->setNameFilter(tr("Images (%1)").arg(patterns.join(QLatin1Char(' '))));
    beginSheet(panel, &OstrelController::addImagesPanelDidEnd);
}

QFileDialog* OstrelController::newOpenPanel(const QString& title, const QString& acceptLabel)
{
    auto* panel = new QFileDialog(finestra.get(), title);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAcceptMode(QFileDialog::AcceptOpen);
    panel->setLabelText(QFileDialog::Accept, acceptLabel);
    return panel;
}

void OstrelController::beginSheet(
    QFileDialog* panel, void (OstrelController::*didEnd)(QFileDialog*, int))
{
    connect(panel, &QDialog::finished, this,
        [this, panel, didEnd](int returnCode) { (this->*didEnd)(panel, returnCode); });
    panel->open();
}

void OstrelController::addImagesPanelDidEnd(QFileDialog* panel, int returnCode)
{
    if (returnCode == 0)
        return;
    openFiles(panel->selectedFiles());
}

void OstrelController::removeFile()
{
    auto* table = mUi->tableImages;
    if (table->selectedRow() == -1)
        return;
    mModel->removeImages(table->selectedRowSet());
    reloadTable();
    table->clearSelection();
    // With the selected rows gone the selection may already be empty, and then clearing it
    // reports no change: bring the preview (and Remove) in line here.
    tableViewSelectionDidChange();
    clearMessage();
}

void OstrelController::showFullPath(QCheckBox* sender)
{
    fullPath = isOn(sender);
    pref->setShowsFullPath(fullPath);
    mModel->setFullPath(fullPath);
    reloadTable();
}

void OstrelController::tableViewSelectionDidChange()
{
    Ui::MainWindow* ui = mUi.get();
    updateRemoveEnabled();
    ui->progressWheel->show();
    const int row = ui->tableImages->selectedRow();
    ImageEntry* entry = row >= 0 ? mResizer->images().at(row) : nullptr;
    if (!entry) {
        ui->previewImage->clear();
        ui->sizeText->clear();
        ui->progressWheel->hide();
        return;
    }
    // The preview first: building it is what measures the pixel size shown below it.
    const qreal ratio = ui->previewImage->devicePixelRatioF();
    const ImageEntry::Preview preview = entry->preview(ratio, pref->maxPixels());
    if (preview.isNull()) {
        ui->previewImage->clear();
    } else {
        const QSize shown = (preview.displaySize * ratio).toSize().expandedTo(QSize(1, 1));
        QPixmap pixmap = QPixmap::fromImage(
            preview.pixels.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(ratio);
        ui->previewImage->setPixmap(pixmap);
    }
    const ImageEntry::Size size = entry->pixelSize();
    ui->sizeText->setText(LocalizedText::text("_Pixel")
                              .arg(static_cast<int>(size.width))
                              .arg(static_cast<int>(size.height))
                              .arg(ImageEntry::byteSizeText(entry->fileSize(), QLocale())));
    ui->progressWheel->hide();
}

std::optional<OstrelController::InputProblem> OstrelController::inputProblem() const
{
    // What the controls show is checked, not the store. A text is empty only when it is
    // exactly empty: white space is content, read as a number like any other text.
    const Ui::MainWindow* ui = mUi.get();
    if (mResizer->images().count() == 0)
        return InputProblem { kFilesTab, LocalizedText::text("_CheckNoImages") };

    auto sizeProblem = [](const char* key) {
        return InputProblem { kSizeTab, LocalizedText::text(key) };
    };
    const bool longShort = isOn(ui->switchButton);
    const char* enterFirst = longShort ? "_CheckEnterLongSide" : "_CheckEnterWidth";
    const char* enterSecond = longShort ? "_CheckEnterShortSide" : "_CheckEnterHeight";
    const bool noWidth = ui->widthField->text().isEmpty();
    const bool noHeight = ui->heightField->text().isEmpty();
    const int given = ui->radioButton->checkedId();
    switch (ui->proportionalButton->checkState()) {
    case Qt::Checked:
        if (given != int(Settings::Side::Both)) {
            if (noWidth && noHeight)
                return sizeProblem(given == int(Settings::Side::Second) ? enterSecond : enterFirst);
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
    const float width = noWidth ? 0.0f : floatValue(ui->widthField);
    const float height = noHeight ? 0.0f : floatValue(ui->heightField);
    if (width < 0.0f || height < 0.0f || !(width > 0.0f || height > 0.0f))
        return sizeProblem("_CheckSizeAboveZero");
    if (ui->resolutionField->text().isEmpty())
        return sizeProblem("_CheckEnterResolution");
    if (!(floatValue(ui->resolutionField) > 0.0f))
        return sizeProblem("_CheckResolutionAboveZero");

    auto outputProblem = [](const char* key) {
        return InputProblem { kOutputTab, LocalizedText::text(key) };
    };
    const QString dest = ui->destField->text();
    if (dest.isEmpty())
        return outputProblem("_CheckChooseFolder");
    // Follows a symbolic link at the end; a leading "~" is a folder name like any other.
    const QFileInfo folder(dest);
    if (!folder.exists())
        return outputProblem("_CheckFolderMissing");
    if (!folder.isDir())
        return outputProblem("_CheckNotAFolder");

    switch (selectedCode<Settings::Naming>(ui->nameMenu)) {
    case Settings::Naming::SourceName:
        break;
    case Settings::Naming::CustomName:
        if (ui->nameNumber->text().isEmpty())
            return outputProblem("_CheckEnterStartNumber");
        if (!ResizeRules::isUsableCustomName(ui->nameText->text()))
            return InputProblem { kOutputTab,
                LocalizedText::text("_CheckUnusableName", { ui->nameText->text() }) };
        break;
    default:
        return outputProblem("_CheckChooseNaming");
    }
    return std::nullopt;
}

void OstrelController::beep()
{
    QApplication::beep();
    emit beeped();
}

void OstrelController::resize()
{
    // The sheets keep the start control out of reach from the start of a batch until its
    // closing alert is dismissed; this holds for any other way of calling it too.
    if (mProgressSheet->isBusy())
        return;

    // The beep alone says nothing on a muted machine: the status bar names the problem.
    if (const std::optional<InputProblem> problem = inputProblem()) {
        beep();
        mUi->tab->setCurrentIndex(problem->tab);
        showMessage(problem->message);
        return;
    }

    mUi->tab->setCurrentIndex(kFilesTab);
    mResizer->setMayContinue(true);
    mProgressSheet->open();
    // The start number is the field's text now, not the stored setting.
    const BatchArguments arguments(mProgressSheet, pref.get(), mUi->nameNumber->text());
    // Cannot be refused: the earlier batch's worker left its loop before it queued the alert
    // whose dismissal ended isBusy().
    mResizer->start(arguments);
}

void OstrelController::showMessage(const QString& message)
{
    mUi->statusBar->showMessage(message);
}

void OstrelController::clearMessage()
{
    mUi->statusBar->clearMessage();
}

void OstrelController::showFilesNotAdded(const QStringList& notImages, const QStringList& missing)
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
        showMessage(parts.join(QStringLiteral("; ")));
}

void OstrelController::updateRemoveEnabled()
{
    const bool selected = mUi->tableImages->selectedRow() != -1;
    mUi->removeButton->setEnabled(selected);
    mUi->actionRemove->setEnabled(selected);
}

void OstrelController::stop()
{
    mResizer->setMayContinue(false);
}

void OstrelController::windowWillClose()
{
    QCoreApplication::quit();
}

void OstrelController::applicationWillTerminate()
{
    if (!mResizer)
        return;
    // A batch still running must finish its image in progress before the list goes: lowering
    // the flag lets it stop after that image, so no half-written file is left behind.
    mResizer->setMayContinue(false);
    mResizer->wait();
    mResizer.reset();
}

void OstrelController::reloadTable()
{
    if (mModel)
        mModel->reload();
    emit listChanged();
}

void OstrelController::showUnit()
{
    static const char* const abbreviations[]
        = { "", QT_TR_NOOP("px"), QT_TR_NOOP("in"), QT_TR_NOOP("mm"), QT_TR_NOOP("%") };
    const int tag = int(selectedCode<Settings::Unit>(mUi->popUpUM));
    const QString text = tag >= 1 && tag <= 4 ? tr(abbreviations[tag]) : QString();
    mUi->widthUnit->setText(text);
    mUi->heightUnit->setText(text);
}

void OstrelController::showAbout()
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, tr("About Ostrel"),
        tr("<h3>Ostrel %1</h3><p>Resizes and converts batches of images.</p>"
           "<p>Built with Qt %2 and libvips.</p>")
            .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion())),
        QMessageBox::Ok, finestra.get());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

void OstrelController::saveWindowFrame()
{
    if (mSettings)
        mSettings->setValue(QLatin1String(kWindowPositionKey), finestra->saveGeometry());
}

bool OstrelController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == finestra.get()) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            if (mAutosaveFrame && finestra->isVisible())
                saveWindowFrame();
            break;
        case QEvent::Close:
            if (mAutosaveFrame)
                saveWindowFrame();
            windowWillClose();
            break;
        default:
            break;
        }
        return false;
    }

    if (watched == progressPanel) {
        // The sheet stays until the batch closes it: Escape and the window's close button
        // mean "stop", like the stop button, rather than hiding a running batch.
        if (event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            mProgressUi->stopButton->click();
            return true;
        }
        if (event->type() == QEvent::Close && progressPanel->isVisible()) {
            mProgressUi->stopButton->click();
            event->ignore();
            return true;
        }
        return false;
    }

    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down)
            return false;
        for (const NumberPair& pair : numberPairs()) {
            if (watched != pair.field)
                continue;
            // What was typed counts first, as when the stepper is clicked.
            if (pair.field->isModified())
                actionField(pair.field);
            pair.stepper->stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return false;
}
