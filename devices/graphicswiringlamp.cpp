#include "devices/graphicswiringlamp.h"

#include "devices/lamp.h"
#include "graphics/font.h"
#include "graphics/graphicsdevice.h"
#include "model/address.h"
#include "model/pin.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

const double rowStep = 40;
// Texts wider than their boxes are shown whole.
const int centred = Qt::AlignCenter | Qt::TextDontClip;
const double stubLength = 190;
const QPointF leftTerminal(0, 0);
const QPointF rightTerminal(160, 0);

QString pinText(WiringPin *pin)
{
    return pin && pin->name() ? QString::fromUtf8(pin->name()) : QString();
}

} // namespace

GraphicsWiringLamp::GraphicsWiringLamp(GraphicsScene *scene, QGraphicsItem *parent, Lamp *lamp)
    : GraphicsWiringPicture(scene, parent, lamp)
{
    GraphicsDevice *item = soleItem();
    const bool paired = item && item->pinCount() == 2;
    addLinkRoom(leftTerminal, true, true, paired ? item->wiringPin(0)->linkCapacity() : 2, rowStep, stubLength);
    addLinkRoom(rightTerminal, false, true, paired ? item->wiringPin(1)->linkCapacity() : 2, rowStep, stubLength);
}

GraphicsWiringLamp::~GraphicsWiringLamp() = default;

QRectF GraphicsWiringLamp::frame() const
{
    return QRectF(-200, -80, 360, 120);
}

void GraphicsWiringLamp::draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool)
{
    if (!painter)
        return;
    const bool withText = hasFontSet();
    painter->setPen(penBlack);
    painter->setBrush(Qt::NoBrush);
    if (withText)
        painter->setFont(font(3));
    const QRectF circle(40, -40, 80, 80);
    painter->drawEllipse(circle);
    painter->drawLine(QLineF(leftTerminal, QPointF(40, 0)));
    painter->drawLine(QLineF(QPointF(120, 0), rightTerminal));
    if (withText)
        painter->drawText(circle, centred, QCoreApplication::translate("Lamp", "K"));

    // The terminals need the lamp's one scheme item and its address.
    GraphicsDevice *item = soleItem();
    const Address *at = device() ? device()->address() : nullptr;
    if (!item || item->pinCount() != 2 || !at || !withText)
        return;
    painter->drawText(QRectF(0, 0, 40, 40), centred, pinText(item->wiringPin(0)));
    painter->drawText(QRectF(120, 0, 40, 40), centred, pinText(item->wiringPin(1)));
    drawPinLinks(painter, item->wiringPin(0), leftTerminal, true, true, language(), rowStep, stubLength);
    drawPinLinks(painter, item->wiringPin(1), rightTerminal, false, true, language(), rowStep, stubLength);
    painter->drawText(QRectF(0, -80, 160, 40), centred, at->toString(1));
}
