#ifndef RLAY_GRAPHICSWIRINGHEATING_H
#define RLAY_GRAPHICSWIRINGHEATING_H

// The heating on its frame's heating wiring page: the terminal boxes of
// the switches, the sockets, the resistors and the element and the two
// lamps, one wide row per switch, with the wires that leave the twelve
// terminals of the heating's scheme item.

#include "devices/graphicswiringpicture.h"

class Heating;

class GraphicsWiringHeating : public GraphicsWiringPicture
{
public:
    enum { Type = UserType + 304 };

    // Made by the heating (Heating::createWiringItem).
    GraphicsWiringHeating(GraphicsScene *scene, GraphicsItem *parent, Heating *heating);
    ~GraphicsWiringHeating() override;

    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

protected:
    QRectF frame() const override;
};

#endif
