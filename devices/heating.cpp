#include "devices/heating.h"

Heating::Heating(Project *project)
    : Device(project, HeatingKind)
{
}

bool Heating::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
