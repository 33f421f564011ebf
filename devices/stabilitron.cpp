#include "devices/stabilitron.h"

Stabilitron::Stabilitron(Project *project)
    : Device(project, StabilitronKind)
{
}

bool Stabilitron::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
