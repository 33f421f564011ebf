#ifndef RLAY_DLGPROPELLIPSE_H
#define RLAY_DLGPROPELLIPSE_H

// The property dialog of an ellipse: the rows of its base, nothing more.

#include "graphics/dlgpropfillprimitive.h"

class DlgPropEllipse : public DlgPropFillPrimitive
{
    Q_OBJECT

public:
    explicit DlgPropEllipse(GraphicsScene *scene);
};

#endif
