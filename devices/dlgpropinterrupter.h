#ifndef RLAY_DLGPROPINTERRUPTER_H
#define RLAY_DLGPROPINTERRUPTER_H

// The property dialog of an interrupter item: the interrupters of the
// project with their type, nominal and document on the left; the name, the
// type and the rated current of the item's own interrupter on the right.

#include "graphics/dlgpropgraphicsobjitem.h"

class RComboBox;

class DlgPropInterrupter : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    explicit DlgPropInterrupter(GraphicsScene *scene);
    ~DlgPropInterrupter() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    // The chosen type and nominal go into the interrupter.
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;

    RComboBox *typeCombo() const { return m_typeCombo; }
    RComboBox *nominalCombo() const { return m_nominalCombo; }

public slots:
    // Lists the nominals of the type chosen at that entry.
    void changeInterrupterType(int index);

private:
    RComboBox *m_typeCombo = nullptr;
    RComboBox *m_nominalCombo = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropInterrupter(GraphicsScene *scene);

#endif
