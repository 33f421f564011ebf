#ifndef RLAY_SIGNALLAMP_H
#define RLAY_SIGNALLAMP_H

// A signal lamp.

#include "model/device.h"

class Signallamp : public Device
{
public:
    explicit Signallamp(Project *project);
};

#endif
