#ifndef RLAY_DLGPROPCOMMUTATOR_H
#define RLAY_DLGPROPCOMMUTATOR_H

// The property dialog of a commutator item (see DlgPropSwitchGroup): the
// commutators of the project, the groups of the chosen one, and the item's
// commutator, group and form, with the blade up or down. A name that no
// commutator bears makes a new commutator of the chosen type.

#include "devices/dlgpropswitchgroup.h"

class DlgPropCommutator : public DlgPropSwitchGroup
{
    Q_OBJECT

public:
    explicit DlgPropCommutator(GraphicsScene *scene);
    ~DlgPropCommutator() override;

protected:
    // An item left unbound under a name no commutator bears is bound to a
    // new commutator of that name and the chosen type.
    void itemNamed(GraphicsGroupedDevice *item, const QString &name) override;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropCommutator(GraphicsScene *scene);

#endif
