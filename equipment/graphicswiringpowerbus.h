#ifndef RLAY_GRAPHICSWIRINGPOWERBUS_H
#define RLAY_GRAPHICSWIRINGPOWERBUS_H

// A panel's power bus on the panel's wiring page: the bus kept on the
// project's scratch scheme, drawn here as it draws itself. The page does
// not own the bus; it asks the panel for it at every paint, so a bus that
// went with its object leaves the page empty instead of dangling.

#include "equipment/graphicswiringitem.h"

class GraphicsFramePanel;
class GraphicsPowerBus;

class GraphicsWiringPowerBus : public GraphicsWiringItem
{
public:
    enum { Type = UserType + 200 };

    GraphicsWiringPowerBus(GraphicsScene *scene, GraphicsPowerBus *bus);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    // The bus shown: the panel's current one.
    GraphicsPowerBus *bus() const;

private:
    GraphicsPowerBus *m_bus;
    GraphicsFramePanel *m_panel;
    QRectF m_rect;
};

#endif
