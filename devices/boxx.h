#ifndef RLAY_BOXX_H
#define RLAY_BOXX_H

// A junction box: a housing whose pins lead the cores of cables on. It has
// no type of its own and is never mounted in a frame: its address is its
// own and stays empty. One box may be drawn by several box items.

#include "model/address.h"
#include "model/device.h"

class Boxx : public Device
{
public:
    explicit Boxx(Project *project);

    // No type: only -1 is a catalogue index.
    bool hasModel(int index) const override;

    // The box's own address, never a place's.
    Address *address() const override;

private:
    // Not saved: no dialog sets it.
    mutable Address m_address;
};

#endif
