#include "devices/heating.h"

Heating::Heating(Project *project)
    : Device(project, HeatingKind)
{
}
