#include "devices/trans.h"

Trans::Trans(Project *project)
    : Device(project, TransKind)
{
}
