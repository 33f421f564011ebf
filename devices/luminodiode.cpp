#include "devices/luminodiode.h"

Luminodiode::Luminodiode(Project *project)
    : Device(project, LuminodiodeKind)
{
}
