#include "devices/discharger.h"

Discharger::Discharger(Project *project)
    : Device(project, DischargerKind)
{
}
