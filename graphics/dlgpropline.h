#ifndef RLAY_DLGPROPLINE_H
#define RLAY_DLGPROPLINE_H

// The property dialog of a line: the rows of its base, nothing more.

#include "graphics/dlgpropprimitive.h"

class DlgPropLine : public DlgPropPrimitive
{
    Q_OBJECT

public:
    explicit DlgPropLine(GraphicsScene *scene);
};

#endif
