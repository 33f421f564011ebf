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
};

#endif
