#pragma once

#include <QAbstractSpinBox>

// Step buttons: the up and down arrows of a spin box without its text, paired in the window with
// a text field that shows the number. It holds a value of its own, like the field, so that the
// two can take each other's value.
//
// Only a user's step (arrow click, wheel, Up/Down key) emits stepped(); a value set by code
// emits nothing, so code that changes a setting's control stores the setting itself.
class StepButtons : public QAbstractSpinBox
{
    Q_OBJECT
    Q_PROPERTY(double minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(double maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(double increment READ increment WRITE setIncrement)

public:
    explicit StepButtons(QWidget* parent = nullptr);

    double value() const { return mValue; }
    float floatValue() const { return static_cast<float>(mValue); }
    // Takes value, clamped into the range: step buttons cannot show a number outside it.
    void setFloatValue(float value);

    double minimum() const { return mMinimum; }
    void setMinimum(double minimum);
    double maximum() const { return mMaximum; }
    void setMaximum(double maximum);
    double increment() const { return mIncrement; }
    void setIncrement(double increment);

    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void stepped();

protected:
    StepEnabled stepEnabled() const override;
    void paintEvent(QPaintEvent* event) override;

private:
    double clamped(double value) const;

    double mValue = 0.0;
    double mMinimum = 0.0;
    double mMaximum = 100.0;
    double mIncrement = 1.0;
};
