#ifndef RLAY_DISCHARGER_H
#define RLAY_DISCHARGER_H

// A discharger (surge arrester).

#include "model/device.h"

class Discharger : public Device
{
public:
    explicit Discharger(Project *project);
};

#endif
