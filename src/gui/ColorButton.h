#pragma once

#include <QColor>
#include <QColorDialog>
#include <QPointer>
#include <QToolButton>

// A colour button: a button that shows its colour (over a checkerboard, so that transparency
// can be seen) and opens a colour dialog with the alpha channel when clicked. The dialog is
// window-modal and non-blocking.
//
// Only a colour the user accepts in the dialog emits colorChanged(); setColor() emits nothing.
class ColorButton : public QToolButton
{
    Q_OBJECT

public:
    explicit ColorButton(QWidget* parent = nullptr);

    QColor color() const { return mColor; }
    void setColor(const QColor& color);

    QSize sizeHint() const override;

signals:
    void colorChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void chooseColor();

    QColor mColor = Qt::white;
    QPointer<QColorDialog> mDialog; // cleared when the dialog goes
};
