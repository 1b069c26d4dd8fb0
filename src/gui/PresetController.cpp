#include "PresetController.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "settings/Settings.h"

PresetController::PresetController(
    QPushButton* button, Settings* settings, QSettings* store, QObject* parent)
    : QObject(parent)
    , mButton(button)
    , mSettings(settings)
    , mPresets(store)
    , mMenu(new QMenu(button))
    , mRenameMenu(new QMenu(tr("Rename Preset"), mMenu))
    , mDeleteMenu(new QMenu(tr("Delete Preset"), mMenu))
{
    button->setMenu(mMenu);
    // Built when it opens, so that it always lists what the settings file holds now.
    connect(mMenu, &QMenu::aboutToShow, this, &PresetController::fillMenu);
    fillMenu();
}

void PresetController::fillMenu()
{
    mMenu->clear();
    QList<Preset> own;
    bool builtInDone = false;
    for (const Preset& preset : mPresets.all()) {
        if (!preset.builtIn) {
            if (!builtInDone)
                mMenu->addSeparator();
            builtInDone = true;
            own << preset;
        }
        const QString name = preset.name;
        // Names are the user's text: "&" must show, not mark a shortcut.
        QAction* action
            = mMenu->addAction(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
        connect(action, &QAction::triggered, this, [this, name] { pick(name); });
    }
    mMenu->addSeparator();
    connect(mMenu->addAction(tr("Save Current Settings as Preset…")), &QAction::triggered, this,
        &PresetController::askNameToSave);
    connect(mMenu->addAction(tr("Write with Several Presets…")), &QAction::triggered, this,
        &PresetController::askPresetsToRun);
    // The submenus are made once: clear() deletes actions, not the menus they open.
    QMenu* rename = mRenameMenu;
    QMenu* remove = mDeleteMenu;
    rename->clear();
    remove->clear();
    mMenu->addMenu(rename);
    mMenu->addMenu(remove);
    for (const Preset& preset : own) {
        const QString name = preset.name;
        const QString label = QString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
        connect(rename->addAction(label), &QAction::triggered, this,
            [this, name] { askNewName(name); });
        connect(remove->addAction(label), &QAction::triggered, this,
            [this, name] { confirmDelete(name); });
    }
    // The built-in presets cannot be renamed or deleted.
    rename->setEnabled(!own.isEmpty());
    remove->setEnabled(!own.isEmpty());
}

bool PresetController::pick(const QString& name)
{
    if (!mPresets.apply(name, *mSettings))
        return false;
    emit picked();
    return true;
}

bool PresetController::savePreset(const QString& name)
{
    const Presets::NameProblem problem = mPresets.save(name, *mSettings);
    if (problem != Presets::NameProblem::None) {
        showNameProblem(problem, name);
        return false;
    }
    emit presetsChanged();
    return true;
}

bool PresetController::renamePreset(const QString& name, const QString& newName)
{
    const Presets::NameProblem problem = mPresets.checkName(newName, name);
    if (problem != Presets::NameProblem::None) {
        showNameProblem(problem, newName);
        return false;
    }
    if (!mPresets.rename(name, newName))
        return false;
    emit presetsChanged();
    return true;
}

bool PresetController::deletePreset(const QString& name)
{
    if (!mPresets.remove(name))
        return false;
    emit presetsChanged();
    return true;
}

void PresetController::askNameToSave()
{
    auto* dialog = new QInputDialog(mButton->window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setWindowTitle(tr("Save Preset"));
    dialog->setLabelText(tr("Name of the preset for the current Size and Output settings:"));
    connect(dialog, &QInputDialog::textValueSelected, this,
        [this](const QString& text) { savePreset(text); });
    dialog->open();
    acceptOnlyFreeNames(dialog);
}

void PresetController::askNewName(const QString& name)
{
    auto* dialog = new QInputDialog(mButton->window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setWindowTitle(tr("Rename Preset"));
    dialog->setLabelText(tr("New name of the preset “%1”:").arg(name));
    dialog->setTextValue(name);
    connect(dialog, &QInputDialog::textValueSelected, this,
        [this, name](const QString& text) { renamePreset(name, text); });
    dialog->open();
    acceptOnlyFreeNames(dialog, name);
}

void PresetController::acceptOnlyFreeNames(QInputDialog* dialog, const QString& except)
{
    // The dialog makes its buttons as it opens.
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    QPushButton* ok = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
    const QString prompt = dialog->labelText();
    const auto checkName = [this, dialog, ok, prompt, except](const QString& name) {
        const Presets::NameProblem problem = mPresets.checkName(name, except);
        if (ok)
            ok->setEnabled(problem == Presets::NameProblem::None);
        dialog->setLabelText(problem == Presets::NameProblem::Taken
                ? tr("A preset named “%1” exists already. Choose another name.").arg(name.trimmed())
                : prompt);
    };
    connect(dialog, &QInputDialog::textValueChanged, dialog, checkName);
    checkName(dialog->textValue());
}

void PresetController::confirmDelete(const QString& name)
{
    auto* box = new QMessageBox(QMessageBox::Question, tr("Delete Preset"),
        tr("Delete the preset “%1”?").arg(name), QMessageBox::Cancel, mButton->window());
    box->setTextFormat(Qt::PlainText);
    QPushButton* remove = box->addButton(tr("Delete"), QMessageBox::DestructiveRole);
    box->setDefaultButton(QMessageBox::Cancel);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    connect(box, &QMessageBox::finished, this, [this, box, remove, name] {
        if (box->clickedButton() == remove)
            deletePreset(name);
    });
    box->open();
}

void PresetController::showNameProblem(Presets::NameProblem problem, const QString& name)
{
    const QString text = problem == Presets::NameProblem::Empty
        ? tr("A preset needs a name.")
        : tr("A preset named “%1” exists already. Choose another name.").arg(name.trimmed());
    auto* box = new QMessageBox(
        QMessageBox::Warning, tr("Presets"), text, QMessageBox::Ok, mButton->window());
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

void PresetController::askPresetsToRun()
{
    auto* dialog = new QDialog(mButton->window());
    dialog->setWindowTitle(tr("Write with Several Presets"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(dialog);
    auto* label = new QLabel(tr("Each image is written once with each preset checked, into a "
                                "folder of the output folder named after the preset."),
        dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* list = new QListWidget(dialog);
    list->setObjectName(QStringLiteral("presetChecklist"));
    list->setAccessibleName(tr("Presets"));
    for (const Preset& preset : mPresets.all()) {
        auto* item = new QListWidgetItem(preset.name, list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, dialog);
    QPushButton* resize = buttons->addButton(tr("Resize"), QDialogButtonBox::AcceptRole);
    resize->setEnabled(false);
    layout->addWidget(buttons);
    auto checked = [list] {
        QStringList names;
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->checkState() == Qt::Checked)
                names << list->item(row)->text();
        }
        return names;
    };
    connect(list, &QListWidget::itemChanged, resize,
        [resize, checked] { resize->setEnabled(!checked().isEmpty()); });
    // Space and a click on the box check an item (the view's own handling); Return and a
    // double click on the row do too.
    connect(list, &QListWidget::itemActivated, list, [](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, dialog, [this, dialog, checked] {
        const QStringList names = checked();
        dialog->accept();
        emit runWithPresetsRequested(names);
    });
    dialog->open();
}
