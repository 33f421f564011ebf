#include "devices/diode.h"

Diode::Diode(Project *project)
    : Device(project, DiodeKind)
{
}

bool Diode::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
