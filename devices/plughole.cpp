#include "devices/plughole.h"

Plughole::Plughole(Project *project)
    : Device(project, PlugholeKind)
{
}
