#include "devices/button.h"

#include "devices/buttoncatalogue.h"
#include "devices/graphicsbutton.h"

Button::Button(Project *project)
    : GroupedDevice(project, ButtonKind, buttonCatalogue)
{
}

GraphicsButton *Button::itemForGroup(quint8 group) const
{
    return dynamic_cast<GraphicsButton *>(itemShowing(group));
}
