#include "devices/boxx.h"

Boxx::Boxx(Project *project)
    : Device(project, BoxKind)
{
}
