#ifndef RLAY_CLAMP_H
#define RLAY_CLAMP_H

// A clamp panel: a strip of clamps that joins the wires of a frame.

#include "model/device.h"

class ClampPanel : public Device
{
public:
    explicit ClampPanel(Project *project);
};

#endif
