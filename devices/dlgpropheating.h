#ifndef RLAY_DLGPROPHEATING_H
#define RLAY_DLGPROPHEATING_H

// The property dialog of a heating item: the heatings of the project, the
// item's name and the heating's type.

#include "devices/dlgproptypeddevice.h"

class DlgPropHeating : public DlgPropTypedDevice
{
    Q_OBJECT

public:
    explicit DlgPropHeating(GraphicsScene *scene);
    ~DlgPropHeating() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropHeating(GraphicsScene *scene);

#endif
