#include "graphics/rcolorpushbutton.h"

#include "model/check.h"

#include <QColorDialog>
#include <QIcon>
#include <QPixmap>

RColorPushButton::RColorPushButton(QWidget *parent)
    : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, &RColorPushButton::showDlgColor);
}

void RColorPushButton::setColor(const QColor &color)
{
    const QSize hint = sizeHint();
    const int side = qMax(1, qMin(hint.width(), hint.height()) - 4);
    QPixmap pixmap(side, side);
    pixmap.fill(color);
    setIcon(QIcon(pixmap));
    m_color = color;
}

void RColorPushButton::showDlgColor()
{
    QColorDialog dialog(m_color, this);
    if (execModal(&dialog) != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor();
    if (chosen.isValid())
        setColor(chosen);
}
