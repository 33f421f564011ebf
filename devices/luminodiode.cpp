#include "devices/luminodiode.h"

#include "devices/luminodiodecatalogue.h"

Luminodiode::Luminodiode(Project *project)
    : PanelLight(project, LuminodiodeKind, luminodiodeCatalogue)
{
}

Luminodiode::~Luminodiode() = default;
