#include "devices/boxx.h"

Boxx::Boxx(Project *project)
    : Device(project, BoxKind)
{
}

Address *Boxx::address() const
{
    return &m_address;
}
