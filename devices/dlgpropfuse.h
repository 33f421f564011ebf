#ifndef RLAY_DLGPROPFUSE_H
#define RLAY_DLGPROPFUSE_H

// The property dialog of a fuse item. The left column lists the fuses of the
// project with their class, type, nominal and the documents of their items
// by role; the right column names a fuse and picks its class and type (with
// "Add", "Del" and "Repl" acting on the project at once), names the item and
// sets its role: the fuse itself, or a duplicate that stands for the
// reservation terminal or for the fusion-control contact.

#include "graphics/dlgpropgraphicsobjitem.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;
class RComboBox;

class DlgPropFuse : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    explicit DlgPropFuse(GraphicsScene *scene);
    ~DlgPropFuse() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    // The chosen type goes into the fuse.
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // The fuse's name, class and type go into the fields.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    RComboBox *classCombo() const { return m_classCombo; }
    RComboBox *typeCombo() const { return m_typeCombo; }
    QGroupBox *duplicateBox() const { return m_duplicateBox; }
    QButtonGroup *roleButtons() const { return m_roleButtons; }
    QRadioButton *rbReservation() const { return m_rbReservation; }
    QRadioButton *rbFusion() const { return m_rbFusion; }
    QCheckBox *chkPrintName() const { return m_chkPrintName; }

public slots:
    // Lists the types of the class chosen at that entry.
    void changeFuseClassType(int index);

protected slots:
    // The item needs a name; refused (and nothing changes) when the fuse
    // that the item alone shows would keep it but takes no item in its new
    // role.
    void btnOkClick() override;

private:
    RComboBox *m_classCombo = nullptr;
    RComboBox *m_typeCombo = nullptr;
    QGroupBox *m_duplicateBox = nullptr;
    QButtonGroup *m_roleButtons = nullptr;
    QRadioButton *m_rbReservation = nullptr;
    QRadioButton *m_rbFusion = nullptr;
    QCheckBox *m_chkPrintName = nullptr;
    // The user picked a class or type since the fields last showed a fuse.
    bool m_typeChosen = false;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropFuse(GraphicsScene *scene);

#endif
