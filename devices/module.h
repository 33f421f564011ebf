#ifndef RLAY_MODULE_H
#define RLAY_MODULE_H

// A telecontrol or telesignalling module with its commands.

#include "model/device.h"

class Module : public Device
{
public:
    explicit Module(Project *project);
};

#endif
