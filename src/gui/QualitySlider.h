#pragma once

#include <QSlider>

// A horizontal slider whose value is a factor from 0.0 to 1.0, moved in whole percent steps.
// It keeps the exact factor it was given (0.856 stays 0.856 while the knob sits at 86), so a
// stored quality that did not come from the slider is shown and written back unchanged.
//
// Only the user moving the knob emits factorChanged(); setFloatValue() emits nothing.
class QualitySlider : public QSlider
{
    Q_OBJECT

public:
    explicit QualitySlider(QWidget* parent = nullptr);

    float floatValue() const { return mFactor; }
    void setFloatValue(float factor);

signals:
    void factorChanged();

private:
    void takePosition(int percent);

    float mFactor = 1.0f;
};
