#include "devices/signallamp.h"

Signallamp::Signallamp(Project *project)
    : Device(project, SignallampKind)
{
}

bool Signallamp::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
