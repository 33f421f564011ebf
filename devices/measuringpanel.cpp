#include "devices/measuringpanel.h"

MeasuringPanel::MeasuringPanel(Project *project)
    : Device(project, MeasuringPanelKind)
{
}
