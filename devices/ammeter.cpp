#include "devices/ammeter.h"

Ammeter::Ammeter(Project *project)
    : Device(project, AmmeterKind)
{
}

bool Ammeter::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
