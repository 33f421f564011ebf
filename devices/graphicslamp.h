#ifndef RLAY_GRAPHICSLAMP_H
#define RLAY_GRAPHICSLAMP_H

// The scheme symbol of a lamp: a crossed circle between two leads, its
// terminals "1" and "2", the name above and the type below, and the
// address on top while the lamp shows it. The item owns its lamp.

#include "devices/graphicstypeddevice.h"

class Lamp;

class GraphicsLamp : public GraphicsTypedDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 412 };

    explicit GraphicsLamp(GraphicsScene *scene);
    ~GraphicsLamp() override;

    int type() const override { return Type; }
    int objType() const override { return LampKind; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // "1" and "2", bound or not.
    void updatePinNames() override;
    // The text column takes the widest of address, name and type.
    void updateFromObj() override;

    // The bound lamp, null while unbound.
    Lamp *lamp() const;

protected:
    QRectF frame() const override;
    QList<TextSlot> textSlots() override;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsLamp(GraphicsScene *scene);

#endif
