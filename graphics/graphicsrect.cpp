#include "graphics/graphicsrect.h"

#include <QPainter>

GraphicsRect::GraphicsRect(GraphicsScene *scene, GraphicsItem *parent)
    : GraphicsFillPrimitive(scene, parent)
{
}

void GraphicsRect::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool)
{
    preparePainter(painter, option);
    painter->drawRect(pointsRect());
}
