#ifndef RLAY_VARISTOR_H
#define RLAY_VARISTOR_H

// A varistor.

#include "model/device.h"

class Varistor : public Device
{
public:
    explicit Varistor(Project *project);

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
};

#endif
