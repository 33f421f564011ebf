#include "equipment/graphicswiringitem.h"

GraphicsWiringItem::GraphicsWiringItem(GraphicsScene *scene, QGraphicsItem *parent)
    : GraphicsItem(scene, parent, 0)
{
    setFlag(ItemIsMovable, false);
    setFlag(ItemIsSelectable, false);
    setZValue(-1);
}

QVariant GraphicsWiringItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionChange)
        return value;
    return GraphicsItem::itemChange(change, value);
}
