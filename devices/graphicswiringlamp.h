#ifndef RLAY_GRAPHICSWIRINGLAMP_H
#define RLAY_GRAPHICSWIRINGLAMP_H

// A lamp on the wiring page of its frame panel: the lamp circle marked "K"
// between its two terminals, with the lamp's address above and the wires
// that leave the terminals of its scheme item. The panel's page builder
// makes it.

#include "devices/graphicswiringpicture.h"

class Lamp;

class GraphicsWiringLamp : public GraphicsWiringPicture
{
public:
    enum { Type = UserType + 305 };

    GraphicsWiringLamp(GraphicsScene *scene, GraphicsItem *parent, Lamp *lamp);
    ~GraphicsWiringLamp() override;

    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

protected:
    QRectF frame() const override;
};

#endif
