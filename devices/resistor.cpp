#include "devices/resistor.h"

Resistor::Resistor(Project *project)
    : Device(project, ResistorKind)
{
}
