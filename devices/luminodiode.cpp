#include "devices/luminodiode.h"

Luminodiode::Luminodiode(Project *project)
    : Device(project, LuminodiodeKind)
{
}

bool Luminodiode::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
