#include "devices/autoswitch.h"

AutoSwitch::AutoSwitch(Project *project)
    : Device(project, AutoSwitchKind)
{
}

bool AutoSwitch::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
