#ifndef RLAY_DLGPROPPANEL_H
#define RLAY_DLGPROPPANEL_H

// The property dialog of panels: the board dialog's table of types with a
// column telling whether the type carries a power bus.

#include "equipment/dlgpropboard.h"

class DlgPropPanel : public DlgPropContainerType
{
    Q_OBJECT

public:
    explicit DlgPropPanel(GraphicsScene *scene);

protected:
    const char *typeName(int type) const override;
    QString choiceName() const override;
};

// The frame layout's factory of the panel dialog.
DlgPropGraphicsItem *createDlgPropPanel(GraphicsScene *scene);

#endif
