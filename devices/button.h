#ifndef RLAY_BUTTON_H
#define RLAY_BUTTON_H

// A push button with its contact groups.

#include "model/device.h"

class Button : public Device
{
public:
    explicit Button(Project *project);
};

#endif
