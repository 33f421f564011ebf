#ifndef RLAY_DLGPROPKEYSTAFF_H
#define RLAY_DLGPROPKEYSTAFF_H

// The property dialog of a keystaff item (see DlgPropGroupedDevice): the
// keystaffs of the project, the groups of the chosen keystaff with the
// documents that show them, and the item's keystaff name, group number and
// group kind. The item needs a name.

#include "devices/dlgpropgroupeddevice.h"

class DlgPropKeystaff : public DlgPropGroupedDevice
{
    Q_OBJECT

public:
    explicit DlgPropKeystaff(GraphicsScene *scene);
    ~DlgPropKeystaff() override;

    // An item that shows no group leaves the number field as it stands.
    void loadFromItem(GraphicsItem *item) override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropKeystaff(GraphicsScene *scene);

#endif
