#ifndef RLAY_SIGNALLAMP_H
#define RLAY_SIGNALLAMP_H

// A signal lamp.

#include "model/device.h"

class Signallamp : public Device
{
public:
    explicit Signallamp(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
