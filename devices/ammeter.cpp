#include "devices/ammeter.h"

#include "devices/ammetercatalogue.h"

Ammeter::Ammeter(Project *project)
    : TwoPinDevice(project, AmmeterKind, ammeterCatalogue)
{
}

Ammeter::~Ammeter() = default;

int Ammeter::placeType() const
{
    return 142;
}
