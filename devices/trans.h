#ifndef RLAY_TRANS_H
#define RLAY_TRANS_H

// A transformer.

#include "model/device.h"

class Trans : public Device
{
public:
    explicit Trans(Project *project);
};

#endif
