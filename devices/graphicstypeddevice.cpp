#include "devices/graphicstypeddevice.h"

#include "devices/devicepicture.h"
#include "devices/typeddevice.h"
#include "graphics/font.h"

#include <QPainter>

GraphicsTypedDevice::GraphicsTypedDevice(GraphicsScene *scene, int itemFlags)
    : GraphicsDevice(scene, BindOwned, nullptr, itemFlags)
{
}

GraphicsTypedDevice::~GraphicsTypedDevice() = default;

TypedDevice *GraphicsTypedDevice::typedDevice() const
{
    return dynamic_cast<TypedDevice *>(obj());
}

QRectF GraphicsTypedDevice::boundingRect() const
{
    return (frame() | m_textRoom).adjusted(-3.5, -3.5, 3.5, 3.5);
}

bool GraphicsTypedDevice::resolveLinks()
{
    if (!GraphicsDevice::resolveLinks())
        return false;
    Obj *bound = obj();
    if (!bound)
        return true;
    if (bound->kind() == objType() && typedDevice() && bound->items().size() == 1)
        return true;
    detachObj(false);
    return false;
}

void GraphicsTypedDevice::loadData(DataStream &stream)
{
    GraphicsDevice::loadData(stream);
    updateFromObj();
}

void GraphicsTypedDevice::drawTexts(QPainter *painter, Layer layer)
{
    if (!painter || !hasFontSet())
        return;
    const QPen pen = painter->pen();
    if (layer == HelpLayer && pen == penBlack)
        painter->setPen(penGreen);
    for (const TextSlot &slot : textSlots()) {
        if (slot.layer != layer || slot.text.isEmpty())
            continue;
        painter->setFont(font(slot.font));
        drawTextInRect(this, painter, slot.rect, slot.alignment | Qt::TextDontClip, slot.text, false);
    }
    painter->setPen(pen);
}

void GraphicsTypedDevice::updateFromObj()
{
    if (!hasFontSet())
        return;
    QRectF room;
    for (const TextSlot &slot : textSlots())
        room |= textExtent(font(slot.font), slot.rect, slot.alignment, slot.text);
    prepareGeometryChange();
    m_textRoom = room;
    update();
}
