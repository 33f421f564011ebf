#ifndef RLAY_DLGPROPSWITCHGROUP_H
#define RLAY_DLGPROPSWITCHGROUP_H

// The property dialog of a button or commutator item (see
// DlgPropGroupedDevice), which also sets whether the item is drawn under
// current.

#include "devices/dlgpropgroupeddevice.h"

class QCheckBox;

class DlgPropSwitchGroup : public DlgPropGroupedDevice
{
    Q_OBJECT

public:
    // The check box's label names the kind.
    DlgPropSwitchGroup(GraphicsScene *scene, int kind, const GroupCatalogue &catalogue, const Texts &texts,
                       const QString &underCurrentLabel);
    ~DlgPropSwitchGroup() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;

    QCheckBox *chkUnderCurrent() const { return m_chkUnderCurrent; }

private:
    QCheckBox *m_chkUnderCurrent = nullptr;
};

#endif
