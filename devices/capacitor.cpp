#include "devices/capacitor.h"

Capacitor::Capacitor(Project *project)
    : Device(project, CapacitorKind)
{
}

bool Capacitor::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
