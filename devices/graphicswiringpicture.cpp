#include "devices/graphicswiringpicture.h"

#include "graphics/graphicsdevice.h"
#include "graphics/graphicsscene.h"
#include "model/device.h"
#include "model/project.h"

GraphicsWiringPicture::GraphicsWiringPicture(GraphicsScene *scene, GraphicsItem *parent, Device *device)
    : GraphicsWiringItemDevice(scene, parent, device, nullptr)
{
    if (device)
        device->adoptWiringItem(this);
}

GraphicsWiringPicture::~GraphicsWiringPicture() = default;

QRectF GraphicsWiringPicture::boundingRect() const
{
    return (frame() | m_room).adjusted(-3.5, -3.5, 3.5, 3.5);
}

GraphicsDevice *GraphicsWiringPicture::soleItem() const
{
    Device *shown = device();
    if (!shown || shown->items().size() != 1 || !shown->items().first())
        return nullptr;
    PinOwner *owner = shown->items().first()->pinOwner();
    return owner ? toGraphicsDevice(owner->graphicsItem()) : nullptr;
}

int GraphicsWiringPicture::language() const
{
    GraphicsScene *page = graphicsScene();
    Project *project = page ? page->project() : nullptr;
    return project ? project->language() : 0;
}

void GraphicsWiringPicture::addLinkRoom(const QPointF &anchor, bool left, bool up, int linkSlots, double rowStep,
                                        double stub)
{
    // The first row: the stub with the far pin's label above it and the
    // source's name beyond; further rows bend off by one row step each.
    const double reach = 2 * stub;
    const double rows = qMax(linkSlots, 1);
    const double x = left ? anchor.x() - reach : anchor.x();
    const double top = up ? anchor.y() - rows * rowStep : anchor.y() - rowStep;
    const double bottom = up ? anchor.y() : anchor.y() + (rows - 1) * rowStep;
    prepareGeometryChange();
    m_room |= QRectF(x, top, reach, bottom - top);
}
