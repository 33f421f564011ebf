#include "devices/keystaff.h"

#include "devices/graphicskeystaff.h"
#include "devices/keystaffcatalogue.h"

Keystaff::Keystaff(Project *project)
    : GroupedDevice(project, KeystaffKind, keystaffCatalogue)
{
}

GraphicsKeystaff *Keystaff::itemByNumber(int n) const
{
    return dynamic_cast<GraphicsKeystaff *>(itemShowing(n));
}
