#include "OutputPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>
#include <cmath>

#include "batch/BatchJob.h"
#include "core/ImageWork.h"
#include "core/NameTemplate.h"
#include "core/ResizeRules.h"
#include "core/Translations.h"
#include "gui/ColorButton.h"
#include "gui/ControlValues.h"
#include "gui/FilePanel.h"
#include "gui/QualitySlider.h"
#include "model/ExistingFile.h"
#include "model/MetadataMode.h"
#include "model/OutputFormat.h"
#include "codec/FileNames.h"
#include "settings/Settings.h"
#include "ui_OutputPage.h"

using ControlValues::isOn;
using ControlValues::selectCode;
using ControlValues::selectedCode;

OutputPage::OutputPage(QWidget* parent)
    : QWidget(parent)
    , mUi(std::make_unique<Ui::OutputPage>())
{
    mUi->setupUi(this);
    fillMenus();
    connectControls();
    // The quality row shows for the formats that take a quality and the colour button with
    // its box; their room stays, so that the rows below do not move as they come and go.
    for (QWidget* widget : std::initializer_list<QWidget*> { mUi->qualityLabel, mUi->qualitySlider,
             mUi->qualityValueLabel, mUi->losslessCheck, mUi->backgroundColorButton }) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
}

OutputPage::~OutputPage() = default;

void OutputPage::setSettings(Settings* settings)
{
    mSettings = settings;
}

void OutputPage::fillMenus()
{
    // The items carry the settings codes as their data; start-up selects by code and the
    // store functions read the code of the selection.
    QComboBox* naming = mUi->namingCombo;
    naming->addItem(tr("Source name"), int(OutputNaming::SourceName));
    naming->addItem(tr("Name and number"), int(OutputNaming::CustomName));
    naming->addItem(tr("Template"), int(OutputNaming::Template));

    QComboBox* format = mUi->formatCombo;
    for (const OutputFormats::Info& info : OutputFormats::all())
        format->addItem(QString::fromLatin1(info.name), int(info.format));
    format->addItem(tr("Same as source"), int(OutputFormat::SameAsSource));

    QComboBox* metadata = mUi->metadataCombo;
    metadata->addItem(tr("Keep all"), int(MetadataMode::Keep));
    metadata->addItem(tr("Without personal data"), int(MetadataMode::WithoutPersonal));
    metadata->addItem(tr("None"), int(MetadataMode::None));

    QComboBox* compression = mUi->tiffCompressionCombo;
    compression->addItem(tr("LZW compression"), int(TiffCompression::Lzw));
    compression->addItem(tr("No compression"), int(TiffCompression::None));

    QComboBox* existing = mUi->existingFileCombo;
    existing->addItem(tr("Fail the image"), int(ExistingFile::Fail));
    existing->addItem(tr("Add a number (name-2)"), int(ExistingFile::Number));
    existing->addItem(tr("Skip the image"), int(ExistingFile::Skip));
}

void OutputPage::connectControls()
{
    Ui::OutputPage* ui = mUi.get();

    // Only signals that a user's change emits, never a change made by code.
    connect(ui->backgroundCheck, &QCheckBox::clicked, this, &OutputPage::storeBackgroundEnabled);
    connect(ui->backgroundColorButton, &ColorButton::colorChanged, this,
        &OutputPage::storeBackgroundColor);
    connect(ui->namingCombo, &QComboBox::activated, this, &OutputPage::storeNaming);
    connect(ui->formatCombo, &QComboBox::activated, this, &OutputPage::storeOutputFormat);
    connect(ui->losslessCheck, &QCheckBox::clicked, this, &OutputPage::showQualityControls);
    connect(ui->qualitySlider, &QualitySlider::factorChanged, this, &OutputPage::storeQuality);
    connect(ui->existingFileCombo, &QComboBox::activated, this, &OutputPage::storeExistingFile);
    connect(ui->metadataCombo, &QComboBox::activated, this, &OutputPage::storeMetadata);
    connect(
        ui->tiffCompressionCombo, &QComboBox::activated, this, &OutputPage::storeTiffCompression);
    connect(ui->chooseFolderButton, &QPushButton::clicked, this, &OutputPage::chooseOutputFolder);
    // Shown in kilobytes, stored in bytes; showStoredSettings() sets it without a signal.
    connect(ui->maxFileSizeSpin, &QSpinBox::valueChanged, this, &OutputPage::storeMaxFileSize);

    // A leading "~" is read as the shell reads it; the field shows the folder that is used.
    connect(ui->outputFolderField, &QLineEdit::editingFinished, this, [this] {
        const QString folder = outputFolderText();
        if (folder != mUi->outputFolderField->text())
            mUi->outputFolderField->setText(folder);
        mSettings->setValue(Setting::outputFolder, folder);
    });
    connect(ui->baseNameField, &QLineEdit::editingFinished, this,
        [this] { mSettings->setValue(Setting::baseName, mUi->baseNameField->text()); });
    connect(ui->startNumberField, &QLineEdit::editingFinished, this,
        [this] { mSettings->setValue(Setting::startNumber, mUi->startNumberField->text()); });
    connect(ui->nameTemplateField, &QLineEdit::editingFinished, this,
        [this] { mSettings->setValue(Setting::nameTemplate, mUi->nameTemplateField->text()); });
    for (const auto& [check, key] : { std::pair { ui->keepTreeCheck, Setting::keepTree },
             std::pair { ui->skipLargerCheck, Setting::skipLarger },
             std::pair { ui->keepDatesCheck, Setting::keepDates },
             std::pair { ui->losslessCheck, Setting::lossless } }) {
        connect(check, &QCheckBox::clicked, this,
            [this, check, key] { mSettings->setValue(key, isOn(check)); });
        connect(check, &QAbstractButton::clicked, this, &OutputPage::edited);
    }

    // Every edit of a setting, after it was stored.
    for (QLineEdit* field : { ui->outputFolderField, ui->baseNameField, ui->startNumberField,
             ui->nameTemplateField })
        connect(field, &QLineEdit::textEdited, this, &OutputPage::edited);
    // The example follows the fields as they are typed in, before they are stored.
    for (QLineEdit* field : { ui->baseNameField, ui->startNumberField, ui->nameTemplateField })
        connect(field, &QLineEdit::textChanged, this, &OutputPage::showNameExample);
    for (QComboBox* menu : { ui->namingCombo, ui->formatCombo })
        connect(menu, &QComboBox::activated, this, &OutputPage::showNameExample);
    connect(ui->backgroundCheck, &QAbstractButton::clicked, this, &OutputPage::edited);
    for (QComboBox* menu : { ui->namingCombo, ui->formatCombo, ui->existingFileCombo,
             ui->metadataCombo, ui->tiffCompressionCombo })
        connect(menu, &QComboBox::activated, this, &OutputPage::edited);
    connect(ui->qualitySlider, &QualitySlider::factorChanged, this, &OutputPage::edited);
    connect(ui->backgroundColorButton, &ColorButton::colorChanged, this, &OutputPage::edited);
    connect(ui->maxFileSizeSpin, &QSpinBox::valueChanged, this, &OutputPage::edited);
}

void OutputPage::showStoredSettings()
{
    Ui::OutputPage* ui = mUi.get();
    const Settings* settings = mSettings;
    ui->backgroundCheck->setChecked(settings->value(Setting::background));
    ui->backgroundColorButton->setColor(settings->backgroundColor());
    ui->outputFolderField->setText(settings->value(Setting::outputFolder));
    selectCode(ui->namingCombo, settings->value(Setting::naming));
    ui->baseNameField->setText(settings->value(Setting::baseName));
    ui->startNumberField->setText(settings->value(Setting::startNumber));
    ui->nameTemplateField->setText(settings->value(Setting::nameTemplate));
    ui->keepTreeCheck->setChecked(settings->value(Setting::keepTree));
    ui->skipLargerCheck->setChecked(settings->value(Setting::skipLarger));
    ui->keepDatesCheck->setChecked(settings->value(Setting::keepDates));
    selectCode(ui->formatCombo, settings->value(Setting::outputFormat));
    ui->qualitySlider->setFloatValue(settings->value(Setting::quality));
    ui->losslessCheck->setChecked(settings->value(Setting::lossless));
    selectCode(ui->existingFileCombo, settings->value(Setting::existingFile));
    selectCode(ui->metadataCombo, settings->value(Setting::metadata));
    selectCode(ui->tiffCompressionCombo, settings->value(Setting::tiffCompression));
    {
        // A stored limit of no whole number of kilobytes stays as it is until it is edited.
        const QSignalBlocker quiet(ui->maxFileSizeSpin);
        const int limit = settings->value(Setting::maxFileSize);
        ui->maxFileSizeSpin->setValue(
            limit > 0 ? std::max(1, static_cast<int>(std::lround(limit / 1000.0))) : 0);
    }

    // The controls that follow others: these store the values they show, as a user's change
    // would.
    storeBackgroundEnabled();
    storeNaming();
    storeOutputFormat();
    storeQuality();
    showNameExample();
}

QString OutputPage::outputFolderText() const
{
    return FileNames::withHomeExpanded(mUi->outputFolderField->text());
}

OutputNaming OutputPage::naming() const
{
    return selectedCode<OutputNaming>(mUi->namingCombo);
}

QString OutputPage::baseNameText() const
{
    return mUi->baseNameField->text();
}

QString OutputPage::startNumberText() const
{
    return mUi->startNumberField->text();
}

QString OutputPage::nameTemplateText() const
{
    return mUi->nameTemplateField->text();
}

void OutputPage::setExampleImage(const QString& path, QSize pixelSize)
{
    mExamplePath = path;
    mExampleSize = pixelSize;
    showNameExample();
}

void OutputPage::showNameExample()
{
    if (!mSettings)
        return;
    ResizeOptions options = mSettings->resizeOptions();
    options.naming = naming();
    options.baseName = baseNameText();
    options.nameTemplate = nameTemplateText();
    options.format = selectedCode<OutputFormat>(mUi->formatCombo);
    // Without a selected image, a camera's photo of 4000 x 3000 pixels taken on a summer's day.
    const bool chosen = !mExamplePath.isEmpty();
    const QString path = chosen ? mExamplePath : QStringLiteral("/Photos/IMG_0042.jpg");
    const QSize source = chosen && mExampleSize.isValid() ? mExampleSize : QSize(4000, 3000);
    options.format = ResizeRules::formatFor(options.format, path);
    const ImageWork::OutputSize size = ImageWork::outputSize(options, source.width(), source.height());
    NameTemplate::Facts facts { .sourcePath = path,
        .number = BatchJob::parseStartNumber(startNumberText()),
        .width = size.width,
        .height = size.height,
        .presetName = options.presetName };
    // The date taken is read from the photo when the batch runs; the example shows the file's.
    facts.taken = chosen ? QDateTime::fromMSecsSinceEpoch(FileNames::status(path).modified)
                         : QDateTime(QDate(2024, 6, 14), QTime(10, 22, 33));
    if (options.naming == OutputNaming::Template) {
        if (const QString problem = NameTemplate::problem(options.nameTemplate);
            !problem.isEmpty()) {
            //: %1 why the name template cannot name files.
            mUi->nameExampleLabel->setText(tr("Template not usable: %1").arg(problem));
            return;
        }
    }
    const QString output = ResizeRules::outputPath(QStringLiteral("/"), options, facts, options.format);
    //: %1 the file name the selected image would be written under, such as IMG_0042_800x600.jpg.
    mUi->nameExampleLabel->setText(tr("Example: %1").arg(QFileInfo(output).fileName()));
}

void OutputPage::storeBackgroundEnabled()
{
    const bool on = isOn(mUi->backgroundCheck);
    mUi->backgroundColorButton->setVisible(on);
    mSettings->setValue(Setting::background, on);
    storeBackgroundColor();
}

void OutputPage::storeBackgroundColor()
{
    mSettings->setBackgroundColor(mUi->backgroundColorButton->color());
}

void OutputPage::storeNaming()
{
    const auto naming = selectedCode<OutputNaming>(mUi->namingCombo);
    // A template numbers from the start number too ({n}).
    mUi->baseNameField->setVisible(naming == OutputNaming::CustomName);
    mUi->startNumberField->setVisible(
        naming == OutputNaming::CustomName || naming == OutputNaming::Template);
    mUi->nameTemplateField->setVisible(naming == OutputNaming::Template);
    mSettings->setValue(Setting::naming, naming);
}

void OutputPage::chooseOutputFolder()
{
    // At the output folder when it exists, else where the last open panel ended.
    QString start;
    for (const QString& folder :
        { mSettings->value(Setting::outputFolder), mSettings->value(Setting::lastOpenFolder) }) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            start = folder;
            break;
        }
    }
    QFileDialog* dialog = newFilePanel(
        window(), tr("Choose the Output Folder"), tr("Choose"), QFileDialog::Directory, start);
    connect(dialog, &QDialog::finished, this,
        [this, dialog](int result) { outputFolderChosen(dialog, result); });
    dialog->open();
}

void OutputPage::outputFolderChosen(QFileDialog* dialog, int result)
{
    if (result == QDialog::Rejected)
        return;
    const QString folder = dialog->selectedFiles().value(0);
    if (folder.isEmpty())
        return; // nothing chosen: an accepted dialog must not wipe the stored folder
    mUi->outputFolderField->setText(folder);
    mSettings->setValue(Setting::outputFolder, folder);
    mSettings->setValue(Setting::lastOpenFolder, QFileInfo(folder).absolutePath());
    emit edited();
}

void OutputPage::storeOutputFormat()
{
    const auto format = selectedCode<OutputFormat>(mUi->formatCombo);
    const OutputFormats::Info* info = OutputFormats::find(format);
    // Same as source may write any format: the quality and the compression then apply to the
    // images written in a format that takes them.
    const bool same = format == OutputFormat::SameAsSource;
    const bool takesQuality = same || (info && info->takesQuality);
    mUi->qualitySlider->setVisible(takesQuality);
    mUi->qualityLabel->setVisible(takesQuality);
    mUi->qualityValueLabel->setVisible(takesQuality);
    mUi->losslessCheck->setVisible(takesQuality);
    mUi->tiffCompressionCombo->setVisible(same || (info && info->choosesCompression));
    mSettings->setValue(Setting::outputFormat, format);
    showQualityControls();
}

// Lossless applies to the formats that have it, and then the quality does not; with Same as
// source both may, each to its own images.
void OutputPage::showQualityControls()
{
    const auto format = selectedCode<OutputFormat>(mUi->formatCombo);
    const OutputFormats::Info* info = OutputFormats::find(format);
    const bool same = format == OutputFormat::SameAsSource;
    const bool hasLossless = same || (info && info->hasLossless);
    mUi->losslessCheck->setEnabled(hasLossless);
    QStringList losslessNames;
    for (const OutputFormats::Info& row : OutputFormats::all()) {
        if (row.hasLossless)
            losslessNames << QString::fromLatin1(row.name);
    }
    const QString losslessFormats
        = QLocale(Translations::language()).createSeparatedList(losslessNames);
    //: %1 the formats with lossless compression, such as "WebP and JPEG XL".
    if (hasLossless)
        mUi->losslessCheck->setToolTip(tr("Compress without any loss, in %1: every pixel is kept "
                                          "as it is and the quality is not used")
                                           .arg(losslessFormats));
    else
        //: %1 the chosen format, %2 the formats with lossless compression.
        mUi->losslessCheck->setToolTip(
            tr("%1 has no lossless compression; %2 have")
                .arg(info ? QString::fromLatin1(info->name) : QString(), losslessFormats));
    const bool lossless = hasLossless && !same && isOn(mUi->losslessCheck);
    mUi->qualitySlider->setEnabled(!lossless);
    mUi->qualityValueLabel->setEnabled(!lossless);
}

void OutputPage::storeExistingFile()
{
    mSettings->setValue(Setting::existingFile, selectedCode<ExistingFile>(mUi->existingFileCombo));
}

void OutputPage::storeTiffCompression()
{
    mSettings->setValue(
        Setting::tiffCompression, selectedCode<TiffCompression>(mUi->tiffCompressionCombo));
}

void OutputPage::storeMaxFileSize()
{
    mSettings->setValue(Setting::maxFileSize, mUi->maxFileSizeSpin->value() * 1000);
}

void OutputPage::storeMetadata()
{
    mSettings->setValue(Setting::metadata, selectedCode<MetadataMode>(mUi->metadataCombo));
}

void OutputPage::storeQuality()
{
    const float factor = mUi->qualitySlider->floatValue();
    const float percent = factor * 100.0f; // in single precision, then widened
    mUi->qualityValueLabel->setText(
        tr("%1%").arg(QString::asprintf("%.0f", static_cast<double>(percent))));
    mSettings->setValue(Setting::quality, factor);
}
