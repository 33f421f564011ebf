#ifndef RLAY_PLUGHOLE_H
#define RLAY_PLUGHOLE_H

// A plug hole (socket).

#include "model/device.h"

class Plughole : public Device
{
public:
    explicit Plughole(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
