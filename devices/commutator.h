#ifndef RLAY_COMMUTATOR_H
#define RLAY_COMMUTATOR_H

// A commutator (a key or a switch) with its contact groups, shown group by
// group by commutator items (see GroupedDevice). Its catalogue index is a
// row of commutatorTypes.

#include "devices/groupeddevice.h"

#include <QtGlobal>

class GraphicsCommutator;

class Commutator : public GroupedDevice
{
public:
    explicit Commutator(Project *project);

    // The first bound item showing the group, or null.
    GraphicsCommutator *itemForGroup(quint8 group) const;
};

#endif
