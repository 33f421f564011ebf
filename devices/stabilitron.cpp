#include "devices/stabilitron.h"

Stabilitron::Stabilitron(Project *project)
    : Device(project, StabilitronKind)
{
}
