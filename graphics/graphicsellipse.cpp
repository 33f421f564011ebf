#include "graphics/graphicsellipse.h"

#include <QPainter>
#include <QPainterPath>

GraphicsEllipse::GraphicsEllipse(GraphicsScene *scene, GraphicsItem *parent)
    : GraphicsFillPrimitive(scene, parent)
{
}

QPainterPath GraphicsEllipse::shape() const
{
    QPainterPath path;
    path.addEllipse(pointsRect());
    return path;
}

void GraphicsEllipse::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool)
{
    preparePainter(painter, option);
    painter->drawEllipse(pointsRect());
}
