#ifndef RLAY_KEYSTAFF_H
#define RLAY_KEYSTAFF_H

// A key staff (key switch) with its contact groups.

#include "model/device.h"

class Keystaff : public Device
{
public:
    explicit Keystaff(Project *project);
};

#endif
