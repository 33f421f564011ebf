#ifndef RLAY_AMMETER_H
#define RLAY_AMMETER_H

// An ammeter.

#include "model/device.h"

class Ammeter : public Device
{
public:
    explicit Ammeter(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
