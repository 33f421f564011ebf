#ifndef RLAY_DLGPROPAMMETER_H
#define RLAY_DLGPROPAMMETER_H

// The property dialog of an ammeter item: type and number.

#include "devices/dlgproptwopin.h"

class DlgPropAmmeter : public DlgPropTwoPin
{
    Q_OBJECT

public:
    explicit DlgPropAmmeter(GraphicsScene *scene);
    ~DlgPropAmmeter() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropAmmeter(GraphicsScene *scene);

#endif
