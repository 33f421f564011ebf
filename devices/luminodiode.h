#ifndef RLAY_LUMINODIODE_H
#define RLAY_LUMINODIODE_H

// A luminodiode (light-emitting diode) of one of luminodiodeColors, with
// a small number after its colour letter.

#include "devices/twopindevice.h"

class Luminodiode : public PanelLight
{
public:
    explicit Luminodiode(Project *project);
    ~Luminodiode() override;
};

#endif
