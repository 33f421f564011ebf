#ifndef RLAY_SIGNALLAMP_H
#define RLAY_SIGNALLAMP_H

// A signal lamp of one of signallampColors, with a small number
// after its colour letter.

#include "devices/twopindevice.h"

class Signallamp : public TwoPinDevice
{
public:
    explicit Signallamp(Project *project);
    ~Signallamp() override;

    // The equipment model "Light_Diode_Panel".
    int placeType() const override;
    // In a basic frame the lamp picture with the full name, elsewhere the
    // name over the colour.
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
};

#endif
