#ifndef RLAY_DLGPROPSIGNALLAMP_H
#define RLAY_DLGPROPSIGNALLAMP_H

// The property dialog of a signal lamp item: colour and number.

#include "devices/dlgproptwopin.h"

class DlgPropSignallamp : public DlgPropTwoPin
{
    Q_OBJECT

public:
    explicit DlgPropSignallamp(GraphicsScene *scene);
    ~DlgPropSignallamp() override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropSignallamp(GraphicsScene *scene);

#endif
