#include "equipment/graphicswiringitem.h"

GraphicsWiringItem::GraphicsWiringItem(GraphicsScene *scene, GraphicsItem *parent)
    : GraphicsItem(scene, parent, 0)
{
    setFlags(GraphicsItemFlags());
    setZValue(-1);
}

void GraphicsWiringItem::saveData(DataStream &)
{
}

void GraphicsWiringItem::loadData(DataStream &)
{
}

void GraphicsWiringItem::saveGeometry(DataStream &)
{
}

void GraphicsWiringItem::loadGeometry(DataStream &)
{
}

QVariant GraphicsWiringItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionChange)
        return value;
    return GraphicsItem::itemChange(change, value);
}
