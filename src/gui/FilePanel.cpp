#include "FilePanel.h"

QFileDialog* newFilePanel(QWidget* window, const QString& title, const QString& acceptLabel,
    QFileDialog::FileMode mode, const QString& folder)
{
    auto* dialog = new QFileDialog(window, title);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setLabelText(QFileDialog::Accept, acceptLabel);
    dialog->setFileMode(mode);
    if (mode == QFileDialog::Directory)
        dialog->setOption(QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        dialog->setDirectory(folder);
    return dialog;
}
