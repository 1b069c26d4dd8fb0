#include "QualitySlider.h"

#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

QualitySlider::QualitySlider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
    setRange(0, 100);
    setSingleStep(1);
    setPageStep(10);
    setTickPosition(QSlider::NoTicks);
    setValue(100);
    connect(this, &QSlider::valueChanged, this, &QualitySlider::takePosition);
}

void QualitySlider::setFloatValue(float factor)
{
    mFactor = factor;
    const QSignalBlocker blocker(this);
    const float clampedFactor = std::isfinite(factor) ? std::clamp(factor, 0.0f, 1.0f) : 0.0f;
    setValue(static_cast<int>(std::lround(clampedFactor * 100.0f)));
}

void QualitySlider::takePosition(int percent)
{
    mFactor = static_cast<float>(percent) / 100.0f;
    emit factorChanged();
}
