#include "devices/clamp.h"

ClampPanel::ClampPanel(Project *project)
    : Device(project, ClampPanelKind)
{
}
