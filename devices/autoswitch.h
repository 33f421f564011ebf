#ifndef RLAY_AUTOSWITCH_H
#define RLAY_AUTOSWITCH_H

// An automatic switch.

#include "model/device.h"

class AutoSwitch : public Device
{
public:
    explicit AutoSwitch(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
