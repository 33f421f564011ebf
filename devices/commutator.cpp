#include "devices/commutator.h"

#include "devices/commutatorcatalogue.h"
#include "devices/graphicscommutator.h"

Commutator::Commutator(Project *project)
    : GroupedDevice(project, CommutatorKind, commutatorCatalogue)
{
}

GraphicsCommutator *Commutator::itemForGroup(quint8 group) const
{
    return dynamic_cast<GraphicsCommutator *>(itemShowing(group));
}
