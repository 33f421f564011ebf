#include "devices/button.h"

Button::Button(Project *project)
    : Device(project, ButtonKind)
{
}
