#ifndef RLAY_RELAY_H
#define RLAY_RELAY_H

// A relay: the device behind the windings and contacts drawn on the schemes.

#include "model/device.h"

class Relay : public Device
{
public:
    explicit Relay(Project *project);
};

#endif
