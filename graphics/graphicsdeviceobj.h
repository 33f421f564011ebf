#ifndef RLAY_GRAPHICSDEVICEOBJ_H
#define RLAY_GRAPHICSDEVICEOBJ_H

// A device item that is itself a model object of its own kind (a relay
// winding: other items, the winding's contacts, bind by name to it). Its
// own object is indexed by the project like any other, is saved with the
// item's document record and goes first when the item is destroyed.

#include "graphics/graphicsdevice.h"
#include "model/obj.h"

class GraphicsDeviceObj : public GraphicsDevice, public Obj
{
public:
    GraphicsDeviceObj(GraphicsScene *scene, int bindMode, int ownKind, int itemFlags);
    ~GraphicsDeviceObj() override;

    // The item's own object.
    Obj *ownObj() { return this; }
    const Obj *ownObj() const { return this; }

    // The bound-item record, then the own object's whole record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // Makes the item's name unique for its bound kind and the own object's
    // name unique for its own kind; when both names are the same they stay
    // the same.
    Obj *makeUniqueName() override;
    // The item's pins, then those of the items bound to its own object.
    void allPins(QList<Pin *> &pins) override;
    void pinsByName(QHash<QString, Pin *> &pins) override;

protected:
    Obj *carriedObj() override { return this; }
};

#endif
