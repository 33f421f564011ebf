#ifndef RLAY_DLGPROPTYPEDDEVICE_H
#define RLAY_DLGPROPTYPEDDEVICE_H

// The property dialog of an item that owns its device and picks the
// device's type from a catalogue (the heating and the lamp): the devices of
// the kind with a find field, the name (unique among them) and the type.
// On OK the item's device takes the name and the type; a new item gets a
// new device. A device whose stored type is not in the catalogue keeps it
// unless the user chooses another.

#include "graphics/dlgpropgraphicsobjitem.h"

class QTreeWidgetItem;
class RComboBox;
class TypedDevice;

class DlgPropTypedDevice : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    // The find label names the kind; the combo lists the catalogue's rows
    // sorted by their text.
    DlgPropTypedDevice(GraphicsScene *scene, int kind, const QString &findLabel, int typeCount,
                       QString (*typeName)(int));
    ~DlgPropTypedDevice() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    // The chosen type into the device; none chosen keeps its type.
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;

    RComboBox *typeCombo() const { return m_typeCombo; }

private:
    RComboBox *m_typeCombo = nullptr;
};

#endif
