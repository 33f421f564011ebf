#include "equipment/graphicsplaceitemdevice.h"

#include "equipment/place.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/device.h"

#include <QPainter>

GraphicsPlaceItemDevice::GraphicsPlaceItemDevice(GraphicsScene *scene, QGraphicsItem *parent, Device *device)
    : GraphicsPlaceItem(scene, parent)
    , m_device(device)
{
    setFlag(ItemIsMovable, true);
    setFlag(ItemIsSelectable, true);
    setZValue(4.0);
}

GraphicsPlaceItemDevice::~GraphicsPlaceItemDevice()
{
    Device *device = m_device;
    m_device = nullptr;
    if (device)
        device->forgetPlaceItem(this);
}

QRectF GraphicsPlaceItemDevice::boundingRect() const
{
    if (place())
        return place()->placeRect().adjusted(-3.5, -3.5, 3.5, 3.5);
    return GraphicsPlaceItem::boundingRect();
}

void GraphicsPlaceItemDevice::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    // No check boxes while painting: an item without a device or a model
    // draws nothing.
    if (!painter || !m_device || m_device->placeType() == -1)
        return;
    const QRectF rect = place() ? place()->placeRect() : itemRect();
    painter->setPen(isSelected() ? penBlue : penBlack);
    m_device->paintInPlace(painter, rect, option, place(), hideHelp);
}

int GraphicsPlaceItemDevice::modelId() const
{
    if (!CHECK_PTR(m_device))
        return -1;
    return m_device->placeType();
}

bool GraphicsPlaceItemDevice::addressSuffix() const
{
    return m_device ? m_device->addressSuffix() : false;
}

void GraphicsPlaceItemDevice::setPlace(Place *place)
{
    GraphicsPlaceItem::setPlace(place);
    addressChanged();
}

void GraphicsPlaceItemDevice::addressChanged()
{
    // An item whose device is gone waits for its deletion: nothing to tell.
    if (m_device)
        m_device->addressChanged();
}
