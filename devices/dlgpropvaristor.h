#ifndef RLAY_DLGPROPVARISTOR_H
#define RLAY_DLGPROPVARISTOR_H

// The property dialog of a varistor item.

#include "devices/dlgproptwopin.h"

class DlgPropVaristor : public DlgPropTwoPin
{
    Q_OBJECT

public:
    explicit DlgPropVaristor(GraphicsScene *scene);
    ~DlgPropVaristor() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropVaristor(GraphicsScene *scene);

#endif
