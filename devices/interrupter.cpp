#include "devices/interrupter.h"

Interrupter::Interrupter(Project *project)
    : Device(project, InterrupterKind)
{
}
