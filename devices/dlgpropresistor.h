#ifndef RLAY_DLGPROPRESISTOR_H
#define RLAY_DLGPROPRESISTOR_H

// The property dialog of a resistor item: type and nominal.

#include "devices/dlgproptwopin.h"

class DlgPropResistor : public DlgPropTwoPin
{
    Q_OBJECT

public:
    explicit DlgPropResistor(GraphicsScene *scene);
    ~DlgPropResistor() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropResistor(GraphicsScene *scene);

#endif
