#ifndef RLAY_DLGPROPDIODE_H
#define RLAY_DLGPROPDIODE_H

// The property dialog of a diode item.

#include "devices/dlgproptwopin.h"

class DlgPropDiode : public DlgPropTwoPin
{
    Q_OBJECT

public:
    explicit DlgPropDiode(GraphicsScene *scene);
    ~DlgPropDiode() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropDiode(GraphicsScene *scene);

#endif
