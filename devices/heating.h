#ifndef RLAY_HEATING_H
#define RLAY_HEATING_H

// The heating unit of a frame: two switches, two lamps, two sockets, the
// resistors and the element, shown by one large symbol on a scheme, two
// "HEATING" strips in its place and its own picture on the frame's heating
// wiring page. Its type is a row of heatingTypes.

#include "devices/typeddevice.h"

class Heating : public TypedDevice
{
public:
    explicit Heating(Project *project);
    ~Heating() override;

    // The heating's own picture with its twelve terminals.
    GraphicsWiringItemDevice *createWiringItem(GraphicsScene *scene, GraphicsItem *parent = nullptr) override;
    // The equipment model "Heating".
    int placeType() const override;
    // A strip at each end of the place, with the name as help.
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
    int pinCount() const override;
};

#endif
