#include "devices/pushbuttoncontact.h"

#include "devices/contactsymbol.h"
#include "graphics/font.h"

#include <QPainter>
#include <QRectF>

namespace {

// Item units to button pixels: the 160 x 80 symbol box becomes about 60 x 30.
const double scaleX = 0.37401574803149606;
const double scaleY = 0.37795275590551186;
// Free space around the symbol, in pixels.
const int margin = 15;
const int extraHeight = 10;

} // namespace

PushButtonContact::PushButtonContact(int kind, QWidget *parent)
    : QPushButton(parent), m_kind(kind)
{
    setCheckable(true);
}

QSize PushButtonContact::sizeHint() const
{
    return QSize(qRound(symbolSize.width() * scaleX + 2 * margin),
                 qRound(symbolSize.height() * scaleY + 2 * margin + extraHeight));
}

void PushButtonContact::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scaleX, scaleY);
    painter.translate(19 / scaleX, 20 / scaleY);
    painter.setClipRect(QRectF(-20, -20, 200, 120), Qt::IntersectClip);
    const bool checked = isChecked();
    drawContact(&painter, m_kind, contactPictureUnderCurrent, checked ? penBlue : penBlack,
                checked ? penBlueDash : penBlackDash, true, true, false);
}
