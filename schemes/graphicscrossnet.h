#ifndef RLAY_GRAPHICSCROSSNET_H
#define RLAY_GRAPHICSCROSSNET_H

// Two wires crossing without a joint: a square with a pin at each corner,
// where the wire entering at one corner leaves at the opposite one. Each of
// the two wires keeps its own clew.

#include "schemes/net.h"

class GraphicsCrossNet : public GraphicsUnite
{
public:
    enum { Type = QGraphicsItem::UserType + 111 };

    explicit GraphicsCrossNet(GraphicsScene *scene);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    // Walks go through the opposite pin only; the item lists nothing.
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    void updateNetLinks(Pin *entry, QList<Pin *> &pins) override;
    bool isConnected(Pin *target, Pin *entry) override;

    // Pin 3 - i for pin i; pin 0 after a failed check for a foreign pin.
    Pin *oppositePin(Pin *pin);


private:
    // The pin that names the wire through the entry: the walks pass each
    // wire of the crossing once.
    Pin *wireOf(Pin *entry, Pin *opposite);
    // The marks of the walks that passed that wire.
    unsigned char &wireMarks(Pin *entry, Pin *opposite);
};

GraphicsItem *createCrossNet(GraphicsScene *scene);

#endif
