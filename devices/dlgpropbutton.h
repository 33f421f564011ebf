#ifndef RLAY_DLGPROPBUTTON_H
#define RLAY_DLGPROPBUTTON_H

// The property dialog of a button item. It keeps the buttons of the project
// (add, delete, rename and type them: a new type binds the button's items
// anew), and picks the button, the contact group and the form in which the
// item draws it, pressed or released. The item is named and bound on OK,
// where the button may give it another free group of the same form.

#include "model/dlgpropgraphicsobjitem.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;
class RComboBox;

class DlgPropButton : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    using DlgPropGraphicsObjItem::btnChoiseClick;

    explicit DlgPropButton(GraphicsScene *scene);
    ~DlgPropButton() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    // A new type for the button: its items are bound to it again, each on
    // a free group of the new type that suits it, or left unbound.
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // Shows the button's type, name and groups.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    RComboBox *typeCombo() const { return m_typeCombo; }
    QTreeWidget *groupsTable() const { return m_groupsTable; }
    QSpinBox *spinNumber() const { return m_spinNumber; }
    QComboBox *kindCombo() const { return m_kindCombo; }
    QCheckBox *chkUnderCurrent() const { return m_chkUnderCurrent; }

public slots:
    // The chosen button and group go into the name and number fields; a
    // group shown by another item, or one that cannot take the chosen
    // form, is refused.
    bool btnChoiseClick(QTreeWidgetItem *row) override;
    // Renames and retypes the chosen button, then shows its groups anew.
    void btnReplObjClick() override;

protected slots:
    // Refused (and nothing changes) when the button that the item alone
    // shows would keep it but has no group that suits its new form.
    void btnOkClick() override;

private:
    RComboBox *m_typeCombo = nullptr;
    QTreeWidget *m_groupsTable = nullptr;
    QSpinBox *m_spinNumber = nullptr;
    QComboBox *m_kindCombo = nullptr;
    QCheckBox *m_chkUnderCurrent = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropButton(GraphicsScene *scene);

#endif
