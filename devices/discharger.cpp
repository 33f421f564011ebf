#include "devices/discharger.h"

Discharger::Discharger(Project *project)
    : Device(project, DischargerKind)
{
}

bool Discharger::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
