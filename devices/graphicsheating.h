#ifndef RLAY_GRAPHICSHEATING_H
#define RLAY_GRAPHICSHEATING_H

// The scheme symbol of a heating: the two switches V1 and V2, the two lamps
// L1 and L2, the sockets SH.R.2 and SH.R.1, the resistors OB and the
// element TD, with the twelve terminals named from heatingPins. The item
// owns its heating and lies behind the items drawn over it.

#include "devices/graphicstypeddevice.h"

class Heating;

class GraphicsHeating : public GraphicsTypedDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 415 };

    explicit GraphicsHeating(GraphicsScene *scene);
    ~GraphicsHeating() override;

    int type() const override { return Type; }
    int objType() const override { return HeatingKind; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The names of heatingPins, bound or not.
    void updatePinNames() override;

    // The bound heating, null while unbound.
    Heating *heating() const;

protected:
    QRectF frame() const override;
    QList<TextSlot> textSlots() override;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsHeating(GraphicsScene *scene);

#endif
