#include "devices/graphicstypeddevice.h"

#include "devices/typeddevice.h"
#include "graphics/font.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// The room that text drawn aligned in the rectangle (drawTextInRect, not
// clipped) takes in item coordinates, whatever the item's mirror: a text
// wider or taller than the rectangle spills over its sides, and a mirror
// swaps the sides.
QRectF textExtent(const QFont &font, const QRectF &rect, int alignment, const QString &text)
{
    if (text.isEmpty())
        return QRectF();
    const QRectF drawn = QFontMetricsF(font).boundingRect(rect, alignment, text);
    // The reflection of the drawn text about the rectangle's centre lines.
    const QPointF centre = rect.center();
    const QRectF reflected(2 * centre.x() - drawn.right(), 2 * centre.y() - drawn.bottom(), drawn.width(),
                           drawn.height());
    return drawn | reflected;
}

} // namespace

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
