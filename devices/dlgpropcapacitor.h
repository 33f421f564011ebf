#ifndef RLAY_DLGPROPCAPACITOR_H
#define RLAY_DLGPROPCAPACITOR_H

// The property dialog of a capacitor item: type and nominal.

#include "devices/dlgproptwopin.h"

class DlgPropCapacitor : public DlgPropTwoPin
{
    Q_OBJECT

public:
    explicit DlgPropCapacitor(GraphicsScene *scene);
    ~DlgPropCapacitor() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropCapacitor(GraphicsScene *scene);

#endif
