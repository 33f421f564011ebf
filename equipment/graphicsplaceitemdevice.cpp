#include "equipment/graphicsplaceitemdevice.h"

#include "equipment/place.h"
#include "graphics/font.h"
#include "model/device.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

GraphicsPlaceItemDevice::GraphicsPlaceItemDevice(GraphicsScene *scene, GraphicsItem *parent, Device *device)
    : GraphicsPlaceItem(scene, parent, ItemIsMovable | ItemIsSelectable)
    , m_device(device)
    , m_model(device ? device->placeType() : -1)
{
    setZValue(4.0);
}

GraphicsPlaceItemDevice::~GraphicsPlaceItemDevice()
{
    // A closing project's devices go too, before or after their items:
    // neither visits the other on the way.
    Device *device = m_device;
    m_device = nullptr;
    if (device && !goesWithProject())
        device->forgetPlaceItem(this);
}

void GraphicsPlaceItemDevice::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    // No check boxes while painting: an item without a device or a model
    // draws nothing.
    if (!painter || !m_device || m_model == -1)
        return;
    // Blue as a view marks the selection; a print passes no such state.
    const bool selected = option && (option->state & QStyle::State_Selected);
    painter->setPen(selected ? penBlue : penBlack);
    painter->setBrush(Qt::NoBrush);
    m_device->paintInPlace(painter, itemRect(), option, place(), hideHelp);
}

void GraphicsPlaceItemDevice::forgetDevice()
{
    // The model, and so the extent, goes with the device: the views and the
    // scene's index let go of the extent it had first.
    if (m_device)
        prepareGeometryChange();
    m_device = nullptr;
}

int GraphicsPlaceItemDevice::modelId() const
{
    return m_device ? m_model : -1;
}

int GraphicsPlaceItemDevice::addressSuffix() const
{
    return m_device ? m_device->addressSuffix() : 0;
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
