#include "graphics/dlgproprect.h"

DlgPropRect::DlgPropRect(GraphicsScene *scene)
    : DlgPropFillPrimitive(scene)
{
}
