#include "devices/varistor.h"

Varistor::Varistor(Project *project)
    : Device(project, VaristorKind)
{
}

bool Varistor::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}
