#include "devices/graphicswiringlamp.h"

#include "devices/lamp.h"
#include "devices/pintext.h"
#include "graphics/font.h"
#include "graphics/graphicsdevice.h"
#include "graphics/itemshared.h"
#include "model/address.h"
#include "model/pin.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

const double lampRowStep = 40;
// Texts wider than their boxes are shown whole.
const double lampStubLength = 190;
const QPointF leftTerminal(0, 0);
const QPointF rightTerminal(160, 0);

} // namespace

GraphicsWiringLamp::GraphicsWiringLamp(GraphicsScene *scene, GraphicsItem *parent, Lamp *lamp)
    : GraphicsWiringPicture(scene, parent, lamp)
{
    GraphicsDevice *item = soleItem();
    const bool paired = item && item->pinCount() == 2;
    addLinkRoom(leftTerminal, true, true, paired ? item->wiringPin(0)->linkCapacity() : 2, lampRowStep, lampStubLength);
    addLinkRoom(rightTerminal, false, true, paired ? item->wiringPin(1)->linkCapacity() : 2, lampRowStep, lampStubLength);
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
        painter->drawText(circle, centredUnclipped, QCoreApplication::translate("Lamp", "K"));

    // The terminals need the lamp's one scheme item and its address.
    GraphicsDevice *item = soleItem();
    const Address *at = device() ? device()->address() : nullptr;
    if (!item || item->pinCount() != 2 || !at || !withText)
        return;
    painter->drawText(QRectF(0, 0, 40, 40), centredUnclipped, pinText(item->wiringPin(0)));
    painter->drawText(QRectF(120, 0, 40, 40), centredUnclipped, pinText(item->wiringPin(1)));
    drawPinLinks(painter, item->wiringPin(0), leftTerminal, true, true, language(), lampRowStep, lampStubLength);
    drawPinLinks(painter, item->wiringPin(1), rightTerminal, false, true, language(), lampRowStep, lampStubLength);
    painter->drawText(QRectF(0, -80, 160, 40), centredUnclipped, at->toString(1));
}
