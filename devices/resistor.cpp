#include "devices/resistor.h"

Resistor::Resistor(Project *project)
    : Device(project, ResistorKind)
{
}

bool Resistor::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
