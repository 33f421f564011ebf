#ifndef RLAY_LUMINODIODE_H
#define RLAY_LUMINODIODE_H

// A light-emitting diode.

#include "model/device.h"

class Luminodiode : public Device
{
public:
    explicit Luminodiode(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
