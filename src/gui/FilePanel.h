#pragma once

#include <QFileDialog>

// A file dialog shown as a sheet over the window: window-modal, deleted once it has closed,
// opening at folder (when not empty) with acceptLabel on its accept button. Folder modes show
// folders only. The caller connects QDialog::finished and calls open().
QFileDialog* newFilePanel(QWidget* window, const QString& title, const QString& acceptLabel,
    QFileDialog::FileMode mode, const QString& folder = QString());
