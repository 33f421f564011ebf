#include "devices/varistor.h"

Varistor::Varistor(Project *project)
    : Device(project, VaristorKind)
{
}
