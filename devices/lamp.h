#ifndef RLAY_LAMP_H
#define RLAY_LAMP_H

// A lamp.

#include "model/device.h"

class Lamp : public Device
{
public:
    explicit Lamp(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
