#include "equipment/graphicsplaceitem.h"

#include "equipment/place.h"

GraphicsPlaceItem::GraphicsPlaceItem(GraphicsScene *scene, QGraphicsItem *parent)
    : GraphicsItem(scene, parent, 0)
{
}

GraphicsPlaceItem::~GraphicsPlaceItem()
{
    if (m_place && m_place->item() == this)
        m_place->setItem(nullptr);
    m_place = nullptr;
}

QRectF GraphicsPlaceItem::boundingRect() const
{
    return itemRect().adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsPlaceItem::draw(QPainter *, const QStyleOptionGraphicsItem *, bool)
{
}

int GraphicsPlaceItem::modelId() const
{
    return -1;
}

bool GraphicsPlaceItem::addressSuffix() const
{
    return false;
}

void GraphicsPlaceItem::setPlace(Place *place)
{
    if (place == m_place)
        return;
    prepareGeometryChange();
    m_place = place;
    if (!place)
        return;
    const QPointF at = place->scenePos();
    setPosQuiet(parentItem() ? parentItem()->mapFromScene(at) : at);
}

void GraphicsPlaceItem::addressChanged()
{
}

QRectF GraphicsPlaceItem::itemRect() const
{
    return m_place ? m_place->placeRect() : QRectF();
}
