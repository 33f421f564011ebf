#include "schemes/pushbuttonslantingnet.h"

#include "graphics/font.h"
#include "schemes/graphicsslantingnet.h"

#include <QPainter>

namespace {

// The drawing (80 x 40) scaled into the button with a margin of 10.
const double scaleX = 0.6919291338582677;
const double scaleY = 0.699212598425197;
const double margin = 10;

} // namespace

PushButtonSlantingNet::PushButtonSlantingNet(bool wide, QWidget *parent)
    : QPushButton(parent)
    , m_wide(wide)
{
}

QSize PushButtonSlantingNet::sizeHint() const
{
    return QSize(qRound(2 * margin + 80 * scaleX), qRound(2 * margin + 40 * scaleY));
}

void PushButtonSlantingNet::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(scaleX, scaleY);
    painter.translate(margin / scaleX, margin / scaleY);
    if (isChecked())
        painter.setPen(penBlue);
    drawSlantingNet(&painter, m_wide);
}
