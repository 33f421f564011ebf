#include "equipment/graphicswiringpowerbus.h"

#include "equipment/graphicsframepanel.h"
#include "schemes/graphicspowerbus.h"

GraphicsWiringPowerBus::GraphicsWiringPowerBus(GraphicsScene *scene, GraphicsPowerBus *bus)
    : GraphicsWiringItem(scene, nullptr)
    , m_bus(bus)
    , m_panel(bus && bus->panel() && bus->panel()->type() == GraphicsFramePanel::Type
                  ? static_cast<GraphicsFramePanel *>(bus->panel())
                  : nullptr)
    , m_rect(bus ? bus->boundingRect() : QRectF())
{
}

GraphicsPowerBus *GraphicsWiringPowerBus::bus() const
{
    return m_panel ? m_panel->powerBus() : m_bus;
}

QRectF GraphicsWiringPowerBus::boundingRect() const
{
    return m_rect;
}

void GraphicsWiringPowerBus::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (GraphicsPowerBus *shown = bus())
        shown->draw(painter, option, hideHelp);
}
