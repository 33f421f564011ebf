#include "schemes/pushbuttonslantingnet.h"

#include "graphics/font.h"
#include "schemes/graphicsslantingnet.h"

#include <QPainter>

namespace {

// The drawing (80 x 40) scaled into the button with a slantingMargin of 10.
const double slantingScaleX = 0.6919291338582677;
const double slantingScaleY = 0.699212598425197;
const double slantingMargin = 10;

} // namespace

PushButtonSlantingNet::PushButtonSlantingNet(bool wide, QWidget *parent)
    : QPushButton(parent)
    , m_wide(wide)
{
}

QSize PushButtonSlantingNet::sizeHint() const
{
    return QSize(qRound(2 * slantingMargin + 80 * slantingScaleX), qRound(2 * slantingMargin + 40 * slantingScaleY));
}

void PushButtonSlantingNet::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(slantingScaleX, slantingScaleY);
    painter.translate(slantingMargin / slantingScaleX, slantingMargin / slantingScaleY);
    if (isChecked())
        painter.setPen(penBlue);
    drawSlantingNet(&painter, m_wide);
}
