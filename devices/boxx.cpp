#include "devices/boxx.h"

Boxx::Boxx(Project *project)
    : Device(project, BoxKind)
{
}

bool Boxx::hasModel(int) const
{
    return false;
}

Address *Boxx::address() const
{
    return &m_address;
}
