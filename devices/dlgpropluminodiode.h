#ifndef RLAY_DLGPROPLUMINODIODE_H
#define RLAY_DLGPROPLUMINODIODE_H

// The property dialog of a luminodiode item: colour and number.

#include "devices/dlgproptwopin.h"

class DlgPropLuminodiode : public DlgPropTwoPin
{
    Q_OBJECT

public:
    explicit DlgPropLuminodiode(GraphicsScene *scene);
    ~DlgPropLuminodiode() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropLuminodiode(GraphicsScene *scene);

#endif
