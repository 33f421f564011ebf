#include "devices/lamp.h"

Lamp::Lamp(Project *project)
    : Device(project, LampKind)
{
}
