#ifndef RLAY_GRAPHICSSLANTINGNET_H
#define RLAY_GRAPHICSSLANTINGNET_H

// One or two wires running down into a single wire: pin 0 (and pin 1) at
// the top lead into pin 2 below. Walks are one-way through it: entering at
// a top pin they go on below, entering from below they stop. Wide, the two
// top pins are 80 apart and both wires slant in; narrow, pin 1 stands
// straight above pin 2.

#include "schemes/net.h"

class GraphicsSlantingNet : public GraphicsUnite
{
public:
    enum { Type = QGraphicsItem::UserType + 112 };

    // No pins until setWide makes them.
    explicit GraphicsSlantingNet(GraphicsScene *scene);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // One bool, wide; loading makes the pins anew.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;

    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    void updateNetLinks(Pin *entry, QList<Pin *> &pins) override;
    bool isConnected(Pin *target, Pin *entry) override;

    bool isWide() const { return m_wide; }
    // Stores the shape and makes the three pins anew (which lets go of
    // whatever was soldered to them).
    void setWide(bool wide);

private:
    bool m_wide = true;
};

// The symbol in item coordinates, with the painter's pen.
void drawSlantingNet(QPainter *painter, bool wide);

GraphicsItem *createSlantingNet(GraphicsScene *scene);

#endif
