#ifndef RLAY_DLGPROPRECT_H
#define RLAY_DLGPROPRECT_H

// The property dialog of a rectangle: the rows of its base, nothing more.

#include "graphics/dlgpropfillprimitive.h"

class DlgPropRect : public DlgPropFillPrimitive
{
    Q_OBJECT

public:
    explicit DlgPropRect(GraphicsScene *scene);
};

#endif
