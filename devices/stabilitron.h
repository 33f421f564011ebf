#ifndef RLAY_STABILITRON_H
#define RLAY_STABILITRON_H

// A stabilitron (Zener diode).

#include "model/device.h"

class Stabilitron : public Device
{
public:
    explicit Stabilitron(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
