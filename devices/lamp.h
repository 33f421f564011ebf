#ifndef RLAY_LAMP_H
#define RLAY_LAMP_H

// An incandescent signal lamp: a two-pin symbol on a scheme, a picture in
// its place and its own picture on the wiring page of a frame panel, which
// the panel's page builder makes. Its type is a row of lampTypes, which
// also gives the place the lamp takes.

#include "devices/typeddevice.h"

class Lamp : public TypedDevice
{
public:
    explicit Lamp(Project *project);
    ~Lamp() override;

    // The type's place; -1 without a type.
    int placeType() const override;
    int positionCode() const override;
    // The lamp picture in the places of the "Lamp FU" model, else the
    // name and type rows.
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
    int pinCount() const override;
};

#endif
