#ifndef RLAY_DLGPROPGROUPEDDEVICE_H
#define RLAY_DLGPROPGROUPEDDEVICE_H

// The property dialog of an item of a device shown group by group (button,
// commutator, keystaff). It keeps the devices of the kind (add, delete,
// rename and type them: a new type binds the device's items anew), lists the
// groups of the chosen one with the documents that show them, and picks the
// item's device, its group and the form in which it draws it. The item is
// named and bound on OK, where the device may give it another free group of
// the same form. Each kind lays the widgets out with the builders here.

#include "graphics/dlgpropgraphicsobjitem.h"

struct GroupCatalogue;
class GraphicsGroupedDevice;
class QSpinBox;

class DlgPropGroupedDevice : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    // The kind's own texts, translated in its dialog's context.
    struct Texts
    {
        // The find row's label and the label of the item's device name.
        QString find;
        QString name;
        // What a device of the kind is called in "Need selected %1 !".
        QString device;
        // The refusals of a group shown by another item and of a group that
        // cannot take the chosen form.
        QString busy;
        QString unsuitable;
    };

    using DlgPropGraphicsObjItem::btnChoiseClick;

    // With needsItemName an empty item name keeps the dialog open.
    DlgPropGroupedDevice(GraphicsScene *scene, int kind, const GroupCatalogue &catalogue, const Texts &texts,
                         bool needsItemName);
    ~DlgPropGroupedDevice() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    // A new type for the device: its items are bound to it again, each on a
    // free group of the new type that takes its form, or left unbound.
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // Shows the device's type, name and groups.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    RComboBox *typeCombo() const { return m_typeCombo; }
    QTreeWidget *contactsTable() const { return m_contactsTable; }
    QSpinBox *spinNumber() const { return m_spinNumber; }
    RComboBox *kindCombo() const { return m_kindCombo; }

public slots:
    // The chosen device and group go into the name and number fields; a
    // group shown by another item, or one that cannot take the chosen form,
    // is refused.
    bool btnChoiseClick(QTreeWidgetItem *row) override;
    // Renames and retypes the chosen device, then shows its groups anew.
    void btnReplObjClick() override;

protected slots:
    // Refused (and nothing changes) when the device that the item alone
    // shows would keep it but has no group that takes its new form.
    void btnOkClick() override;

protected:
    // The builders, each making its widgets where the kind's layout calls
    // it. "Name:" with the device name field and "Type:" with the list of
    // the types (sorted by name) in rows 0 and 1, each field spanning the
    // columns.
    QGridLayout *createNameGrid(int columns);
    // The find row over the table of the kind's devices.
    void addDeviceTable(QBoxLayout *layout, int height);
    // The table of the chosen device's groups, 240 wide.
    void addGroupsTable(QBoxLayout *layout, int height, const QList<int> &widths);
    // "N:" with the group number; the item's device name with the choose
    // button; "Type:" with the list of the forms.
    void addNumber(QBoxLayout *row);
    void addChoice(QBoxLayout *row);
    void addKindList(QBoxLayout *row);
    // The Ok and Cancel row; the devices fill their table, a double-clicked
    // group is chosen and both lists start at their first entry.
    void finishLayout(QBoxLayout *layout);
    // After the item took its form, group and name: a kind may bind an item
    // left unbound; nothing in the base.
    virtual void itemNamed(GraphicsGroupedDevice *item, const QString &name);

private:
    const GroupCatalogue &m_catalogue;
    Texts m_texts;
    bool m_needsItemName;
    RComboBox *m_typeCombo = nullptr;
    QTreeWidget *m_contactsTable = nullptr;
    QSpinBox *m_spinNumber = nullptr;
    RComboBox *m_kindCombo = nullptr;
};

#endif
