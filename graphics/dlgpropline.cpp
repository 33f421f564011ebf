#include "graphics/dlgpropline.h"

DlgPropLine::DlgPropLine(GraphicsScene *scene)
    : DlgPropPrimitive(scene)
{
}
