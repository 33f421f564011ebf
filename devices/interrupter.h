#ifndef RLAY_INTERRUPTER_H
#define RLAY_INTERRUPTER_H

// An interrupter (circuit breaker).

#include "model/device.h"

class Interrupter : public Device
{
public:
    explicit Interrupter(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
