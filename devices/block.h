#ifndef RLAY_BLOCK_H
#define RLAY_BLOCK_H

// A block: a unit of the equipment with its own terminals.

#include "model/device.h"

class Block : public Device
{
public:
    explicit Block(Project *project);
};

#endif
