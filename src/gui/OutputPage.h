#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

#include <memory>

#include "settings/SettingsTable.h"

class QFileDialog;

class Settings;

namespace Ui {
class OutputPage;
}

// The Output tab: the output folder, how the new files are named and what happens when a
// name exists, the format with its quality or compression, the metadata kept, the
// background colour and the largest file size. It shows the stored settings and stores a value the moment the user
// changes its control. A control changed by code sends nothing, so code that changes a
// setting's control calls the store function itself.
//
// Main thread only.
class OutputPage : public QWidget
{
    Q_OBJECT

public:
    explicit OutputPage(QWidget* parent = nullptr);
    ~OutputPage() override;

    // settings: the store written to; set once, before showStoredSettings(). It outlives this
    // page.
    void setSettings(Settings* settings);

    // What the controls show, which the checks before a batch read (not the store), and the
    // folder and start number a batch takes as the fields show them at its start. The folder
    // with a leading "~" read as the user's home folder.
    QString outputFolderText() const;
    OutputNaming naming() const;
    QString baseNameText() const;
    QString startNumberText() const;
    QString nameTemplateText() const;

public slots:
    // Every control shows its stored value, and the controls that depend on others are shown,
    // hidden or labelled to match.
    void showStoredSettings();
    // The image whose name the example shows (an empty path: a made-up one), with its pixel
    // size when known.
    void setExampleImage(const QString& path, QSize pixelSize);
    // The example name under the naming controls, as the fields show them now.
    void showNameExample();

signals:
    // The user changed a setting (a message in the status bar goes with it).
    void edited();

private:
    void fillMenus();
    void connectControls();
    void storeBackgroundEnabled();
    void storeBackgroundColor();
    void storeNaming();
    void storeOutputFormat();
    void storeQuality();
    void showQualityControls();
    void storeExistingFile();
    void storeMetadata();
    void storeTiffCompression();
    void storeMaxFileSize();
    // A window-modal folder dialog; the folder chosen goes into the field and the store.
    void chooseOutputFolder();
    void outputFolderChosen(QFileDialog* dialog, int result);

    std::unique_ptr<Ui::OutputPage> mUi;
    Settings* mSettings = nullptr;
    QString mExamplePath;
    QSize mExampleSize;
};
