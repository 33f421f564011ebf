#ifndef RLAY_HEATING_H
#define RLAY_HEATING_H

// A heating element.

#include "model/device.h"

class Heating : public Device
{
public:
    explicit Heating(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
