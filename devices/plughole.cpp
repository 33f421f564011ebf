#include "devices/plughole.h"

Plughole::Plughole(Project *project)
    : Device(project, PlugholeKind)
{
}

bool Plughole::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
