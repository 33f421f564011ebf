#include "devices/lamp.h"

Lamp::Lamp(Project *project)
    : Device(project, LampKind)
{
}

bool Lamp::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
