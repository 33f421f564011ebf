#include "devices/diode.h"

Diode::Diode(Project *project)
    : Device(project, DiodeKind)
{
}
