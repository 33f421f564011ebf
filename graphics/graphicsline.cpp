#include "graphics/graphicsline.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

GraphicsLine::GraphicsLine(GraphicsScene *scene, GraphicsItem *parent)
    : GraphicsBorderPrimitive(scene, parent)
{
}

QPainterPath GraphicsLine::shape() const
{
    QPainterPath path(p1());
    path.lineTo(p2());
    QPainterPathStroker stroker;
    stroker.setWidth(width() + 3.5);
    return stroker.createStroke(path);
}

void GraphicsLine::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool)
{
    painter->setPen(borderPen(option));
    painter->drawLine(p1(), p2());
}
