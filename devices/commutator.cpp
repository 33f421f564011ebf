#include "devices/commutator.h"

Commutator::Commutator(Project *project)
    : Device(project, CommutatorKind)
{
}
