#ifndef RLAY_FUSE_H
#define RLAY_FUSE_H

// A fuse.

#include "model/device.h"

class Fuse : public Device
{
public:
    explicit Fuse(Project *project);
};

#endif
