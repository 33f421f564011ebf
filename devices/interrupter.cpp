#include "devices/interrupter.h"

Interrupter::Interrupter(Project *project)
    : Device(project, InterrupterKind)
{
}

bool Interrupter::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
