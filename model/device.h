#ifndef RLAY_DEVICE_H
#define RLAY_DEVICE_H

// The model object of every device kind. Besides the Obj part it ties the
// device to the equipment layout (its place item and its wiring item) and
// selects its type from the kind's catalogue.

#include "model/obj.h"

class GraphicsPlaceItemDevice;
class GraphicsWiringItemDevice;

class Device : public Obj
{
public:
    Device(Project *project, int kind);

    // A new name hides the address until the device is placed anew.
    bool setName(const QString &name) override;

    // Record: the Obj record (the catalogue index first among the kind's
    // fields), then the show-address flag.
    void write(DataStream &stream) override;
    void read(DataStream &stream) override;
    void writeData(DataStream &stream) override;
    void readData(DataStream &stream) override;

    // The name up to its first "_"; the whole name when it has none.
    virtual QString baseName() const;
    // The catalogue row's type name; empty in the base.
    virtual QString modelName() const;
    // The row of the equipment-model table that describes the space the
    // device takes in a frame; -1 in the base.
    virtual int placeType() const;
    virtual bool addressSuffix() const;
    // The catalogue's own string of a pin name, null when there is none.
    virtual const char *pinIndex(const char *name) const;
    virtual int pinCount() const;

    // The catalogue row; -1 while none is chosen.
    int modelIndex() const { return m_modelIndex; }
    void setModelIndex(int index);
    bool showAddress() const { return m_showAddress; }
    void setShowAddress(bool show) { m_showAddress = show; }
    GraphicsPlaceItemDevice *placeItem() const { return m_placeItem; }
    GraphicsWiringItemDevice *wiringItem() const { return m_wiringItem; }

protected:
    GraphicsPlaceItemDevice *m_placeItem = nullptr;
    GraphicsWiringItemDevice *m_wiringItem = nullptr;
    int m_modelIndex = -1;
    bool m_showAddress = false;
};

#endif
