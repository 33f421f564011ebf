#ifndef RLAY_DLGPROPCOMMUTATOR_H
#define RLAY_DLGPROPCOMMUTATOR_H

// The property dialog of a commutator item. It keeps the commutators of the
// project (add, delete, rename and type them: a new type binds the
// commutator's items anew), and picks the commutator, the contact group and
// the form in which the item draws it, with the blade up or down. The item
// is named and bound on OK, where the commutator may give it another free
// group of the same form; a name that no commutator bears makes a new
// commutator of the chosen type.

#include "model/dlgpropgraphicsobjitem.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;
class RComboBox;

class DlgPropCommutator : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    using DlgPropGraphicsObjItem::btnChoiseClick;

    explicit DlgPropCommutator(GraphicsScene *scene);
    ~DlgPropCommutator() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    // A new type for the commutator: its items are bound to it again, each
    // on a free group of the new type that suits it, or left unbound.
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // Shows the commutator's type, name and groups.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    RComboBox *typeCombo() const { return m_typeCombo; }
    QTreeWidget *contactsTable() const { return m_contactsTable; }
    QSpinBox *spinNumber() const { return m_spinNumber; }
    QComboBox *kindCombo() const { return m_kindCombo; }
    QCheckBox *chkUnderCurrent() const { return m_chkUnderCurrent; }

public slots:
    // The chosen commutator and group go into the name and number fields;
    // a group shown by another item, or one that cannot take the chosen
    // form, is refused.
    bool btnChoiseClick(QTreeWidgetItem *row) override;
    // Renames and retypes the chosen commutator, then shows its groups
    // anew.
    void btnReplObjClick() override;

protected slots:
    // Refused (and nothing changes) when the commutator that the item
    // alone shows would keep it but has no group that suits its new form.
    void btnOkClick() override;

private:
    RComboBox *m_typeCombo = nullptr;
    QTreeWidget *m_contactsTable = nullptr;
    QSpinBox *m_spinNumber = nullptr;
    QComboBox *m_kindCombo = nullptr;
    QCheckBox *m_chkUnderCurrent = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropCommutator(GraphicsScene *scene);

#endif
