#include "schemes/graphicsslantingnet.h"

#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/netwalk.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

GraphicsSlantingNet::GraphicsSlantingNet(GraphicsScene *scene)
    : GraphicsUnite(scene)
{
}

void GraphicsSlantingNet::setWide(bool wide)
{
    prepareGeometryChange();
    m_wide = wide;
    createPins(3);
    if (!CHECK(pinCount() == 3))
        return;
    pin(0)->moveCenter(QPointF(0, 0));
    pin(1)->moveCenter(QPointF(wide ? 80 : 40, 0));
    pin(2)->moveCenter(QPointF(40, 40));
    update();
}

QRectF GraphicsSlantingNet::boundingRect() const
{
    return QRectF(-7, -7, m_wide ? 94 : 54, 54).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void drawSlantingNet(QPainter *painter, bool wide)
{
    if (!painter)
        return;
    painter->drawLine(QPointF(0, 0), QPointF(17, 0));
    painter->drawLine(QPointF(17, 0), QPointF(40, 20));
    if (wide) {
        painter->drawLine(QPointF(63, 0), QPointF(80, 0));
        painter->drawLine(QPointF(63, 0), QPointF(40, 20));
        painter->drawLine(QPointF(40, 20), QPointF(40, 40));
    } else {
        painter->drawLine(QPointF(40, 0), QPointF(40, 40));
    }
    painter->setBrush(QBrush(painter->pen().color(), Qt::SolidPattern));
    QRectF dot(QPointF(0, 0), pinSize);
    dot.moveCenter(QPointF(40, 20));
    painter->drawEllipse(dot);
    painter->setBrush(Qt::NoBrush);
}

void GraphicsSlantingNet::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    const bool selected = option && (option->state & QStyle::State_Selected);
    painter->setPen(selected ? penBlue : penBlack);
    drawSlantingNet(painter, m_wide);
    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

void GraphicsSlantingNet::saveData(DataStream &stream)
{
    stream << m_wide;
}

void GraphicsSlantingNet::loadData(DataStream &stream)
{
    bool wide = true;
    stream >> wide;
    if (stream.status() == QDataStream::Ok)
        setWide(wide);
}

void GraphicsSlantingNet::collectNetPins(Pin *entry, QList<Pin *> &pins)
{
    if (!CHECK(ownsPin(entry)))
        return;
    pins.append(entry);
    if (entry == pin(2))
        return;
    // Entered from both top pins, the wire below is walked once.
    NetWalk walk(NetWalk::CollectPins, entry);
    if (!walk.enter(walkMarks()))
        return;
    Pin *partner = pin(2)->partner();
    if (partner && CHECK_PTR(partner->owner()))
        walk.handOn(partner->owner(), partner);
    runCollectPins(walk, pins);
}

void GraphicsSlantingNet::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n)
{
    if (!CHECK(ownsPin(entry)) || entry == pin(2))
        return;
    NetWalk walk(NetWalk::Collect, entry);
    if (!walk.enter(walkMarks()))
        return;
    Pin *partner = pin(2)->partner();
    if (partner && CHECK_PTR(partner->owner()))
        walk.handOn(partner->owner(), partner);
    runCollect(walk, pins, items, n);
}

void GraphicsSlantingNet::updateNetLinks(Pin *, QList<Pin *> &)
{
}

bool GraphicsSlantingNet::isConnected(Pin *target, Pin *entry)
{
    if (!CHECK_PTR(entry) || !CHECK(ownsPin(entry)))
        return false;
    NetWalk walk(NetWalk::Connected, entry);
    if (!walk.enter(walkMarks()))
        return false;
    const int first = entry == pin(2) ? 0 : 2;
    const int last = entry == pin(2) ? 1 : 2;
    for (int i = first; i <= last; ++i) {
        Pin *next = pin(i);
        if (next == target)
            return true;
        Pin *partner = next->partner();
        if (partner && partner->owner())
            walk.handOn(partner->owner(), partner);
    }
    return runIsConnected(walk, target);
}

GraphicsItem *createSlantingNet(GraphicsScene *scene)
{
    return new GraphicsSlantingNet(scene);
}
