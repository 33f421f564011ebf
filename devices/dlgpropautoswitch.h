#ifndef RLAY_DLGPROPAUTOSWITCH_H
#define RLAY_DLGPROPAUTOSWITCH_H

// The property dialog of an autoswitch item: the autoswitches of the
// project, the item's name (unique among them) and its type. On OK the
// item's own autoswitch takes the name and the type; a new item gets a new
// autoswitch.

#include "graphics/dlgpropgraphicsobjitem.h"

class QTreeWidgetItem;
class RComboBox;

class DlgPropAutoSwitch : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    explicit DlgPropAutoSwitch(GraphicsScene *scene);
    ~DlgPropAutoSwitch() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    // The type into the autoswitch.
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;

    RComboBox *typeCombo() const { return m_typeCombo; }

private:
    RComboBox *m_typeCombo = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropAutoSwitch(GraphicsScene *scene);

#endif
