#include "ColorButton.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

ColorButton::ColorButton(QWidget* parent)
    : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QToolButton::clicked, this, &ColorButton::chooseColor);
}

void ColorButton::setColor(const QColor& color)
{
    mColor = color;
    update();
}

QSize ColorButton::sizeHint() const
{
    const int h = QToolButton::sizeHint().height();
    return QSize(h * 2, h);
}

void ColorButton::chooseColor()
{
    if (mDialog)
        return;
    mDialog = new QColorDialog(this);
    // The alpha option first: a colour set before it loses its alpha.
    mDialog->setOption(QColorDialog::ShowAlphaChannel);
    mDialog->setCurrentColor(mColor);
    mDialog->setWindowModality(Qt::WindowModal);
    mDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(mDialog, &QColorDialog::colorSelected, this, [this](const QColor& chosen) {
        if (!chosen.isValid())
            return;
        setColor(chosen);
        emit colorChanged();
    });
    mDialog->open();
}

void ColorButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionToolButton opt;
    initStyleOption(&opt);
    painter.drawComplexControl(QStyle::CC_ToolButton, opt);

    // The swatch, inset from the button's frame; a checkerboard behind it shows the alpha.
    const int inset = 5;
    const QRect swatch = rect().adjusted(inset, inset, -inset, -inset);
    const int cell = 4;
    painter.save();
    painter.setClipRect(swatch);
    painter.fillRect(swatch, Qt::white);
    for (int y = swatch.top(); y <= swatch.bottom(); y += cell)
        for (int x = swatch.left() + ((y - swatch.top()) / cell % 2) * cell; x <= swatch.right();
             x += 2 * cell)
            painter.fillRect(QRect(x, y, cell, cell), QColor(204, 204, 204));
    painter.fillRect(swatch, isEnabled() ? mColor : mColor.lighter(150));
    painter.restore();
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}
