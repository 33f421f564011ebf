#include "devices/capacitor.h"

Capacitor::Capacitor(Project *project)
    : Device(project, CapacitorKind)
{
}
