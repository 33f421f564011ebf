#ifndef RLAY_DLGPROPBELL_H
#define RLAY_DLGPROPBELL_H

// The property dialog of a bell item.

#include "devices/dlgproptwopin.h"

class DlgPropBell : public DlgPropTwoPin
{
    Q_OBJECT

public:
    explicit DlgPropBell(GraphicsScene *scene);
    ~DlgPropBell() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropBell(GraphicsScene *scene);

#endif
