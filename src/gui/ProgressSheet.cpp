#include "ProgressSheet.h"

#include <algorithm>
#include <cmath>
#include <climits>

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include "core/LocalizedText.h"

namespace {

// A bar value as QProgressBar counts, in whole steps.
int steps(double value)
{
    if (!(value > 0.0)) // also NaN
        return 0;
    return value >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(std::lround(value));
}

} // namespace

ProgressSheet::ProgressSheet(QWidget* window, QDialog* panel, QProgressBar* bar, QLabel* text,
    QPushButton* stopButton, QObject* parent)
    : BatchProgress(parent)
    , mWindow(window)
    , mPanel(panel)
    , mBar(bar)
    , mText(text)
    , mStopButton(stopButton)
{
    // The text is a number pattern from the string table, never markup.
    mText->setTextFormat(Qt::PlainText);
    connect(mStopButton, &QPushButton::clicked, this, &ProgressSheet::showStopping);
}

void ProgressSheet::open()
{
    mBusy = true;
    mStopButton->setEnabled(true);
    mText->clear();
    mPanel->setWindowModality(Qt::WindowModal);
    mPanel->open();
}

QMessageBox* ProgressSheet::closingAlert() const
{
    return mAlert.data();
}

void ProgressSheet::setBarMaximum(double maximum)
{
    // A maximum of 0 would turn the bar into a busy indicator; a batch has one image at least.
    mBar->setRange(0, std::max(1, steps(maximum)));
}

void ProgressSheet::setBarValue(double value)
{
    // Files handed over during a batch take the value past the maximum set at its start: the
    // bar then shows full (QProgressBar would ignore a value out of its range).
    mBar->setValue(std::clamp(steps(value), mBar->minimum(), mBar->maximum()));
}

void ProgressSheet::setProgressText(const QString& text)
{
    mText->setText(text);
}

void ProgressSheet::showStopping()
{
    mStopButton->setEnabled(false);
    mText->setText(LocalizedText::text("_StoppingAfterCurrent"));
}

void ProgressSheet::closeProgressPanel()
{
    // Ends the sheet without a close event: a close of the visible panel means "stop".
    mPanel->done(QDialog::Accepted);
}

void ProgressSheet::showClosingAlert(const ClosingReport& report)
{
    auto* alert = new QMessageBox(mWindow);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setIcon(report.style == ClosingReport::Style::Critical ? QMessageBox::Critical
                                                                  : QMessageBox::Information);
    alert->setWindowTitle(report.messageText);
    alert->setTextFormat(Qt::PlainText);
    alert->setText(report.messageText);
    alert->setInformativeText(report.informativeText);
    if (!report.detailedText.isEmpty())
        alert->setDetailedText(report.detailedText);

    QPushButton* okButton = alert->addButton(report.defaultButton, QMessageBox::AcceptRole);
    QPushButton* consoleButton = nullptr;
    if (report.hasAlternateButton)
        consoleButton = alert->addButton(report.alternateButton, QMessageBox::ActionRole);
    alert->setDefaultButton(okButton);
    // Escape or the title bar's close button dismiss the alert like its default button.
    alert->setEscapeButton(okButton);

    connect(alert, &QMessageBox::finished, this, [this, alert, consoleButton] {
        const bool alternate = consoleButton && alert->clickedButton() == consoleButton;
        mBusy = false;
        emit closingAlertFinished(
            alternate ? ClosingReport::kAlternateButtonCode : ClosingReport::kDefaultButtonCode);
    });
    mAlert = alert;
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}

void ProgressSheet::redrawWindow()
{
    mWindow->repaint();
}
