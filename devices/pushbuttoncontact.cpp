#include "devices/pushbuttoncontact.h"

#include "devices/contactsymbol.h"
#include "graphics/font.h"

#include <QPainter>
#include <QRectF>

namespace {

// Item units to button pixels: the 160 x 80 symbol box becomes about 60 x 30.
const double contactScaleX = 0.37401574803149606;
const double contactScaleY = 0.37795275590551186;
// Free space around the symbol, in pixels.
const int contactMargin = 15;
const int extraHeight = 10;

} // namespace

PushButtonContact::PushButtonContact(int kind, QWidget *parent)
    : QPushButton(parent), m_kind(kind)
{
    setCheckable(true);
}

QSize PushButtonContact::sizeHint() const
{
    return QSize(qRound(symbolSize.width() * contactScaleX + 2 * contactMargin),
                 qRound(symbolSize.height() * contactScaleY + 2 * contactMargin + extraHeight));
}

void PushButtonContact::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(contactScaleX, contactScaleY);
    painter.translate(19 / contactScaleX, 20 / contactScaleY);
    painter.setClipRect(QRectF(-20, -20, 200, 120), Qt::IntersectClip);
    const bool checked = isChecked();
    drawContact(&painter, m_kind, contactPictureUnderCurrent, checked ? penBlue : penBlack,
                checked ? penBlueDash : penBlackDash, true, true, false);
}
