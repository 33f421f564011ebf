#ifndef RLAY_DLGPROPSTABILITRON_H
#define RLAY_DLGPROPSTABILITRON_H

// The property dialog of a stabilitron item.

#include "devices/dlgproptwopin.h"

class DlgPropStabilitron : public DlgPropTwoPin
{
    Q_OBJECT

public:
    explicit DlgPropStabilitron(GraphicsScene *scene);
    ~DlgPropStabilitron() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropStabilitron(GraphicsScene *scene);

#endif
