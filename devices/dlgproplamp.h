#ifndef RLAY_DLGPROPLAMP_H
#define RLAY_DLGPROPLAMP_H

// The property dialog of a lamp item: the lamps of the project, the item's
// name and the lamp's type.

#include "devices/dlgproptypeddevice.h"

class DlgPropLamp : public DlgPropTypedDevice
{
    Q_OBJECT

public:
    explicit DlgPropLamp(GraphicsScene *scene);
    ~DlgPropLamp() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropLamp(GraphicsScene *scene);

#endif
