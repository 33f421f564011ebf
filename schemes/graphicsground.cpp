#include "schemes/graphicsground.h"

#include "graphics/font.h"
#include "model/check.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

GraphicsGround::GraphicsGround(GraphicsScene *scene)
    : GraphicsPins(scene, nullptr, CanMirrorHorizontal)
{
    createPins(1);
    if (Pin *stem = pin(0))
        stem->moveCenter(QPointF(0, 0));
}

void GraphicsGround::createPins(int count)
{
    prepareGeometryChange();
    allocatePins<Pin>(count);
}

QRectF GraphicsGround::boundingRect() const
{
    return QRectF(-25, -7, 50, 47).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsGround::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    const bool selected = option && (option->state & QStyle::State_Selected);
    painter->setPen(selected ? penBlue : penBlack);
    painter->drawLine(QPointF(0, 0), QPointF(0, 20));
    painter->drawLine(QPointF(-25, 20), QPointF(25, 20));
    painter->drawLine(QPointF(-15, 30), QPointF(15, 30));
    painter->drawLine(QPointF(-5, 40), QPointF(5, 40));
    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

void GraphicsGround::collectNetPins(Pin *entry, QList<Pin *> &pins)
{
    if (!CHECK(entry && entry == pin(0)))
        return;
    pins.append(entry);
}

void GraphicsGround::collectNet(Pin *, QList<Pin *> &, QList<GraphicsUnite *> *, int)
{
}

void GraphicsGround::updateNetLinks(Pin *, QList<Pin *> &)
{
}

QString GraphicsGround::groundText()
{
    return tr("GROUND");
}

GraphicsItem *createGround(GraphicsScene *scene)
{
    return new GraphicsGround(scene);
}
