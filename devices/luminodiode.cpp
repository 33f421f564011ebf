#include "devices/luminodiode.h"

#include "devices/luminodiodecatalogue.h"

Luminodiode::Luminodiode(Project *project)
    : TwoPinDevice(project, LuminodiodeKind, luminodiodeCatalogue)
{
}

Luminodiode::~Luminodiode() = default;

int Luminodiode::placeType() const
{
    return 153;
}
