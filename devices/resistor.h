#ifndef RLAY_RESISTOR_H
#define RLAY_RESISTOR_H

// A resistor.

#include "model/device.h"

class Resistor : public Device
{
public:
    explicit Resistor(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
