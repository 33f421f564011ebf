#ifndef RLAY_COMMUTATOR_H
#define RLAY_COMMUTATOR_H

// A commutator (multi-position switch) with its contact groups.

#include "model/device.h"

class Commutator : public Device
{
public:
    explicit Commutator(Project *project);
};

#endif
