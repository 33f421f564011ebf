#ifndef RLAY_TYPEDDEVICE_H
#define RLAY_TYPEDDEVICE_H

// A device whose type is a row of its kind's catalogue: the heating, the
// lamp, the autoswitch, the interrupter and the two-terminal kinds, shown by
// one scene item that owns the device (the device refuses a second item),
// and the kinds shown group by group (GroupedDevice). Its type is -1 or a
// row of the table.

#include "model/device.h"

#include <functional>

class TypedDevice : public Device
{
public:
    // The kind's catalogue: its row count and the translated name of a row
    // (empty outside the table).
    TypedDevice(Project *project, int kind, int typeCount, std::function<QString(int)> typeName);
    ~TypedDevice() override;

    // Shown by one scene item only, unless the kind says otherwise.
    bool canAppend(ObjItem *item) override;
    // A row of the catalogue.
    bool hasModel(int index) const override;
    // The type's translated name; empty while no type is chosen. Painters
    // ask it, so it shows nothing for a missing type rather than a box.
    QString modelName() const override;

    int typeCount() const { return m_typeCount; }
    bool isType(int index) const { return index >= 0 && index < m_typeCount; }
    QString typeName(int index) const { return m_typeName(index); }

private:
    int m_typeCount;
    std::function<QString(int)> m_typeName;
};

#endif
