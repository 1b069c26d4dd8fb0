#include "StepButtons.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

StepButtons::StepButtons(QWidget* parent)
    : QAbstractSpinBox(parent)
{
    // The partner field shows the number; the spin box's own editor would only duplicate it.
    lineEdit()->setReadOnly(true);
    lineEdit()->hide();
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    // A click gives focus, which ends the editing in the partner field first, so the step
    // starts from the number just typed rather than from the stale one.
    setFocusPolicy(Qt::ClickFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void StepButtons::setFloatValue(float value)
{
    mValue = clamped(static_cast<double>(value));
    update();
}

void StepButtons::setMinimum(double minimum)
{
    mMinimum = minimum;
    mMaximum = std::max(mMaximum, mMinimum);
    mValue = clamped(mValue);
    update();
}

void StepButtons::setMaximum(double maximum)
{
    mMaximum = maximum;
    mMinimum = std::min(mMinimum, mMaximum);
    mValue = clamped(mValue);
    update();
}

void StepButtons::setIncrement(double increment)
{
    mIncrement = increment;
}

double StepButtons::clamped(double value) const
{
    if (value != value) // NaN: nothing sensible to show, start from the bottom
        return mMinimum;
    return std::clamp(value, mMinimum, mMaximum);
}

void StepButtons::stepBy(int steps)
{
    const double next = clamped(mValue + steps * mIncrement);
    if (next == mValue)
        return;
    mValue = next;
    update();
    emit stepped();
}

QAbstractSpinBox::StepEnabled StepButtons::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (mValue < mMaximum)
        enabled |= StepUpEnabled;
    if (mValue > mMinimum)
        enabled |= StepDownEnabled;
    return enabled;
}

QSize StepButtons::sizeHint() const
{
    // As wide as the style's arrow buttons, as tall as a line edit so it sits level with its
    // field.
    QStyleOptionSpinBox opt;
    initStyleOption(&opt);
    const QSize full = QAbstractSpinBox::sizeHint();
    opt.rect = QRect(QPoint(0, 0), full);
    const QRect up = style()->subControlRect(QStyle::CC_SpinBox, &opt, QStyle::SC_SpinBoxUp, this);
    const int frame = style()->pixelMetric(QStyle::PM_SpinBoxFrameWidth, &opt, this);
    return QSize(std::max(up.width(), 12) + 2 * frame, full.height());
}

QSize StepButtons::minimumSizeHint() const
{
    return sizeHint();
}

void StepButtons::paintEvent(QPaintEvent*)
{
    QStyleOptionSpinBox opt;
    initStyleOption(&opt);
    opt.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
    QPainter painter(this);
    style()->drawComplexControl(QStyle::CC_SpinBox, &opt, &painter, this);
}
