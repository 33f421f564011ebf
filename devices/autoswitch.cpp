#include "devices/autoswitch.h"

AutoSwitch::AutoSwitch(Project *project)
    : Device(project, AutoSwitchKind)
{
}
