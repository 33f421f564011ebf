#ifndef RLAY_DLGPROPBUTTON_H
#define RLAY_DLGPROPBUTTON_H

// The property dialog of a button item (see DlgPropSwitchGroup): the
// buttons of the project, the groups of the chosen one, and the item's
// button, group and form, pressed or released.

#include "devices/dlgpropswitchgroup.h"

class DlgPropButton : public DlgPropSwitchGroup
{
    Q_OBJECT

public:
    explicit DlgPropButton(GraphicsScene *scene);
    ~DlgPropButton() override;

    QTreeWidget *groupsTable() const { return contactsTable(); }
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropButton(GraphicsScene *scene);

#endif
