#ifndef RLAY_CAPACITOR_H
#define RLAY_CAPACITOR_H

// A capacitor.

#include "model/device.h"

class Capacitor : public Device
{
public:
    explicit Capacitor(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
