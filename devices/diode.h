#ifndef RLAY_DIODE_H
#define RLAY_DIODE_H

// A diode.

#include "model/device.h"

class Diode : public Device
{
public:
    explicit Diode(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
