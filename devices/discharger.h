#ifndef RLAY_DISCHARGER_H
#define RLAY_DISCHARGER_H

// A discharger (surge arrester).

#include "model/device.h"

class Discharger : public Device
{
public:
    explicit Discharger(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
