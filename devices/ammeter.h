#ifndef RLAY_AMMETER_H
#define RLAY_AMMETER_H

// An ammeter of one of ammeterTypes, with a small number shown after the
// "A" of its symbol.

#include "devices/twopindevice.h"

class Ammeter : public TwoPinDevice
{
public:
    explicit Ammeter(Project *project);
    ~Ammeter() override;

    // The equipment model "Console Control".
    int placeType() const override;
};

#endif
