#include "devices/bell.h"

Bell::Bell(Project *project)
    : Device(project, BellKind)
{
}
