#ifndef RLAY_DLGPROPDISCHARGER_H
#define RLAY_DLGPROPDISCHARGER_H

// The property dialog of a discharger item.

#include "devices/dlgproptwopin.h"

class DlgPropDischarger : public DlgPropTwoPin
{
    Q_OBJECT

public:
    explicit DlgPropDischarger(GraphicsScene *scene);
    ~DlgPropDischarger() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropDischarger(GraphicsScene *scene);

#endif
