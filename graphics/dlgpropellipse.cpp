#include "graphics/dlgpropellipse.h"

DlgPropEllipse::DlgPropEllipse(GraphicsScene *scene)
    : DlgPropFillPrimitive(scene)
{
}
