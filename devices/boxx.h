#ifndef RLAY_BOXX_H
#define RLAY_BOXX_H

// A box: a housing that holds other devices.

#include "model/device.h"

class Boxx : public Device
{
public:
    explicit Boxx(Project *project);
};

#endif
