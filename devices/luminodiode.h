#ifndef RLAY_LUMINODIODE_H
#define RLAY_LUMINODIODE_H

// A luminodiode (light-emitting diode) of one of luminodiodeColors, with
// a small number after its colour letter.

#include "devices/twopindevice.h"

class Luminodiode : public TwoPinDevice
{
public:
    explicit Luminodiode(Project *project);
    ~Luminodiode() override;

    // The equipment model "Light_Diode_Panel".
    int placeType() const override;
    // In a basic frame the lamp picture with the full name, elsewhere the
    // name over the colour.
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
};

#endif
