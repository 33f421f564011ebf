#include "devices/ammeter.h"

Ammeter::Ammeter(Project *project)
    : Device(project, AmmeterKind)
{
}
