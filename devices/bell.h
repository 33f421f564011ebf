#ifndef RLAY_BELL_H
#define RLAY_BELL_H

// A bell.

#include "model/device.h"

class Bell : public Device
{
public:
    explicit Bell(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
