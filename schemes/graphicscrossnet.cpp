#include "schemes/graphicscrossnet.h"

#include "graphics/font.h"
#include "model/check.h"
#include "model/netwalk.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

GraphicsCrossNet::GraphicsCrossNet(GraphicsScene *scene)
    : GraphicsUnite(scene)
{
    createPins(4);
    for (int i = 0; i < pinCount(); ++i)
        pin(i)->moveCenter(QPointF((i & 1) ? 40 : 0, (i & 2) ? 40 : 0));
    setZValue(1.0);
}

QRectF GraphicsCrossNet::boundingRect() const
{
    auto *self = const_cast<GraphicsCrossNet *>(this);
    return self->pin(0)->united(*self->pin(3)).normalized().adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsCrossNet::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    const bool selected = option && (option->state & QStyle::State_Selected);
    painter->setPen(selected ? penBlue : penBlack);
    painter->drawLine(pin(0)->center(), pin(3)->center());
    painter->drawLine(pin(1)->center(), pin(2)->center());
    if (!hideHelp)
        drawPins(painter, hideHelp);
}

Pin *GraphicsCrossNet::wireOf(Pin *entry, Pin *opposite)
{
    // The wire from pin 0 to pin 3 is known by pin 0, the other by pin 1.
    return entry == pin(0) || entry == pin(1) ? entry : opposite;
}

Pin *GraphicsCrossNet::oppositePin(Pin *entry)
{
    for (int i = 0; i < pinCount(); ++i) {
        if (pin(i) == entry)
            return pin(3 - i);
    }
    CHECK(false);
    return pin(0);
}

unsigned char &GraphicsCrossNet::wireMarks(Pin *entry, Pin *opposite)
{
    return walkMarks(wireOf(entry, opposite) == pin(0) ? 0 : 1);
}

void GraphicsCrossNet::collectNetPins(Pin *entry, QList<Pin *> &pins)
{
    if (!CHECK(ownsPin(entry)))
        return;
    Pin *opposite = oppositePin(entry);
    // Each wire of the crossing is passed once.
    NetWalk walk(NetWalk::CollectPins, entry);
    if (!walk.enter(wireMarks(entry, opposite)))
        return;
    Pin *partner = opposite->partner();
    if (partner && partner->owner())
        walk.handOn(partner->owner(), partner);
    runCollectPins(walk, pins);
}

void GraphicsCrossNet::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n)
{
    if (!CHECK(ownsPin(entry)))
        return;
    Pin *opposite = oppositePin(entry);
    NetWalk walk(NetWalk::Collect, entry);
    if (!walk.enter(wireMarks(entry, opposite)))
        return;
    Pin *partner = opposite->partner();
    if (partner && CHECK_PTR(partner->owner()))
        walk.handOn(partner->owner(), partner);
    runCollect(walk, pins, items, n);
}

void GraphicsCrossNet::updateNetLinks(Pin *entry, QList<Pin *> &pins)
{
    if (!CHECK(ownsPin(entry)))
        return;
    Pin *opposite = oppositePin(entry);
    NetWalk walk(NetWalk::UpdateLinks, entry);
    if (!walk.enter(wireMarks(entry, opposite)))
        return;
    Pin *partner = opposite->partner();
    if (partner && partner->owner())
        walk.handOn(partner->owner(), partner);
    runUpdateNetLinks(walk, pins);
}

bool GraphicsCrossNet::isConnected(Pin *target, Pin *entry)
{
    if (!CHECK_PTR(entry) || !CHECK(ownsPin(entry)))
        return false;
    Pin *opposite = oppositePin(entry);
    NetWalk walk(NetWalk::Connected, entry);
    if (!walk.enter(wireMarks(entry, opposite)))
        return false;
    if (opposite == target)
        return true;
    Pin *partner = opposite->partner();
    if (partner && partner->owner())
        walk.handOn(partner->owner(), partner);
    return runIsConnected(walk, target);
}

GraphicsItem *createCrossNet(GraphicsScene *scene)
{
    return new GraphicsCrossNet(scene);
}
