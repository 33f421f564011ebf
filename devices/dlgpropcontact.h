#ifndef RLAY_DLGPROPCONTACT_H
#define RLAY_DLGPROPCONTACT_H

// The property dialog of a contact item. The user picks the form of the
// contact from fourteen picture buttons, energised or released, the winding
// from the table of all relay windings of the project, and one of that
// winding's contacts; the contact item is bound to the winding by name on
// OK, where the winding may give it another free contact of the same form.

#include "graphics/dlgpropgraphicsobjitem.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

class DlgPropContact : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    using DlgPropGraphicsObjItem::btnChoiseClick;

    explicit DlgPropContact(GraphicsScene *scene);
    ~DlgPropContact() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // Lists the contacts of the chosen winding.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    // Sets "Under" or "Without" and the pictures with them.
    void setUnderCurrent(bool underCurrent);

    QGroupBox *kindBox() const { return m_kindBox; }
    QButtonGroup *kindButtons() const { return m_kindButtons; }
    QRadioButton *rbUnder() const { return m_rbUnder; }
    QRadioButton *rbWithout() const { return m_rbWithout; }
    QTreeWidget *contactsTable() const { return m_contactsTable; }
    QSpinBox *spinNumber() const { return m_spinNumber; }

public slots:
    // The chosen winding and contact go into the name and number fields;
    // a contact shown by another item, or one that cannot take the chosen
    // form, is refused.
    bool btnChoiseClick(QTreeWidgetItem *row) override;
    void changeContactCurrent();

private:
    QGroupBox *m_kindBox = nullptr;
    QButtonGroup *m_kindButtons = nullptr;
    QRadioButton *m_rbUnder = nullptr;
    QRadioButton *m_rbWithout = nullptr;
    QTreeWidget *m_contactsTable = nullptr;
    QSpinBox *m_spinNumber = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropContact(GraphicsScene *scene);

#endif
