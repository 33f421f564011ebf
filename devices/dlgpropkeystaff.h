#ifndef RLAY_DLGPROPKEYSTAFF_H
#define RLAY_DLGPROPKEYSTAFF_H

// The property dialog of a keystaff item. It lists the keystaffs of the
// project (with "Add", "Del" and "Repl" acting on the project at once and
// the type given to a new or renamed keystaff), the groups of the chosen
// keystaff with the documents that show them, and sets the item's keystaff
// name, group number and group kind.

#include "model/dlgpropgraphicsobjitem.h"

class QSpinBox;
class RComboBox;

class DlgPropKeystaff : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    using DlgPropGraphicsObjItem::btnChoiseClick;

    explicit DlgPropKeystaff(GraphicsScene *scene);
    ~DlgPropKeystaff() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    // A new type goes into the keystaff, whose items then find their
    // groups in it again.
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // Lists the groups of the chosen keystaff.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    RComboBox *typeCombo() const { return m_typeCombo; }
    QTreeWidget *contactsTable() const { return m_contactsTable; }
    QSpinBox *spinNumber() const { return m_spinNumber; }
    RComboBox *kindCombo() const { return m_kindCombo; }

public slots:
    // The chosen keystaff and group go into the name and number fields; a
    // group shown by another item, or one of another kind, is refused.
    bool btnChoiseClick(QTreeWidgetItem *row) override;

protected slots:
    // The item needs a name; refused (and nothing changes) when the
    // keystaff that the item alone shows would keep it but has no group of
    // its new kind.
    void btnOkClick() override;

private:
    RComboBox *m_typeCombo = nullptr;
    QTreeWidget *m_contactsTable = nullptr;
    QSpinBox *m_spinNumber = nullptr;
    RComboBox *m_kindCombo = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropKeystaff(GraphicsScene *scene);

#endif
