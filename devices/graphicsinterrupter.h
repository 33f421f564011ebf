#ifndef RLAY_GRAPHICSINTERRUPTER_H
#define RLAY_GRAPHICSINTERRUPTER_H

// The scene item of an interrupter: the breaker symbol between two
// terminals, with the address, the type and the nominal above and below
// it. Every item owns its interrupter; the pins are named from the position
// of the interrupter's place.

#include "graphics/graphicsdevice.h"

class Interrupter;

class GraphicsInterrupter : public GraphicsDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 417 };

    explicit GraphicsInterrupter(GraphicsScene *scene);
    ~GraphicsInterrupter() override;

    QRectF boundingRect() const override;
    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    int objType() const override { return InterrupterKind; }
    // The width follows the widest of the address, the name and the type.
    void updateFromObj() override;

    // The bound interrupter, null while unbound.
    Interrupter *interrupter() const;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsInterrupter(GraphicsScene *scene);

#endif
