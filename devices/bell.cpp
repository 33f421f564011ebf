#include "devices/bell.h"

Bell::Bell(Project *project)
    : Device(project, BellKind)
{
}

bool Bell::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
