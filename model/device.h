#ifndef RLAY_DEVICE_H
#define RLAY_DEVICE_H

// The model object of every device kind. Besides the Obj part it ties the
// device to the equipment layout (its place item and its wiring item) and
// selects its type from the kind's catalogue.

#include "model/obj.h"

#include <QList>
#include <QRectF>
#include <QString>

class Address;
class Device;
class GraphicsPlaceItemDevice;
class GraphicsScene;
class GraphicsWiringItemDevice;
class Place;
class GraphicsItem;
class QPainter;
class QStyleOptionGraphicsItem;

// What a device asks of the equipment that places and wires it, which the
// equipment installs (Device::setEquipment): its items there, the address of
// the place that holds it, and its drawing in a place and in a caption.
class DeviceEquipment
{
public:
    virtual GraphicsPlaceItemDevice *createPlaceItem(Device *device, GraphicsScene *scene, GraphicsItem *parent) = 0;
    // With the device's current address.
    virtual GraphicsWiringItemDevice *createWiringItem(Device *device, GraphicsScene *scene,
                                                       GraphicsItem *parent) = 0;
    // Null while the item stands in no place.
    virtual Address *placeAddress(GraphicsPlaceItemDevice *item) = 0;
    // The item no longer shows the device.
    virtual void releaseWiringItem(GraphicsWiringItemDevice *item) = 0;
    // The item lets go of the device; its place is free at once, and the
    // item goes once control returns to the event loop.
    virtual void dropPlaceItem(GraphicsPlaceItemDevice *item) = 0;
    virtual QString placeTypeName(int type) = 0;
    virtual void drawInPlace(QPainter *painter, const QRectF &rect, Place *place, const QString &name,
                             const QString &model, bool nameFirst, int fontIndex) = 0;
    virtual void paintCaption(QPainter *painter, const QRectF &rect, const QString &name, const QString &model) = 0;

protected:
    ~DeviceEquipment() = default;
};

class Device : public Obj
{
public:
    Device(Project *project, int kind);
    // Takes the device out of its place and out of its wiring items.
    ~Device() override;

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
    // The device's item for a place of a frame layout; null when it has one
    // already.
    virtual GraphicsPlaceItemDevice *createPlaceItem(GraphicsScene *scene, GraphicsItem *parent = nullptr);
    // The device's item on a wiring document, with its current address; it
    // replaces the device's earlier wiring item.
    virtual GraphicsWiringItemDevice *createWiringItem(GraphicsScene *scene, GraphicsItem *parent = nullptr);
    // The catalogue row's type name; empty in the base.
    virtual QString modelName() const;
    // The row of the equipment-model table that describes the space the
    // device takes in a frame; -1 in the base.
    virtual int placeType() const;
    // The address flag byte the device's place takes (a place kind or a
    // suffix kind); 0 for none.
    virtual int addressSuffix() const;
    // The display name of the document of the first bound item.
    virtual QString sceneName() const;
    // The address of the place that holds the device; null when unplaced.
    virtual Address *address() const;
    // After the device's place or the place's address changed: unplaced
    // devices lose their wire links, some kinds rename their pins, the
    // items measure their texts again, and the change is reported.
    virtual void addressChanged();
    // Whether the items write the address where they measure their texts,
    // and so measure again when it changes.
    virtual bool itemsMeasureAddress() const { return true; }
    // 23 plus the address position for the kinds with positions; -1 for
    // the others and for unplaced devices.
    virtual int positionCode() const;
    // The device inside its place on a frame layout.
    virtual void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                              Place *place, bool hideHelp);
    // The device's symbol on its wiring item; nothing in the base.
    virtual void paintPicture(QPainter *painter);
    // Name over type name, for the caption cells of the wiring documents.
    virtual void paintCaption(QPainter *painter, const QRectF &rect);
    // The catalogue's own string of a pin name, null when there is none.
    virtual const char *pinIndex(const char *name) const;
    virtual int pinCount() const;
    // Whether the index is a row of the kind's catalogue; every index in
    // the base, which knows no catalogue.
    virtual bool hasModel(int index) const;

    // The catalogue row; -1 while none is chosen.
    int modelIndex() const { return m_modelIndex; }
    // Another type no longer fits the device's place: the device leaves it,
    // and its items are told (modelIndexChanged). An index that is neither
    // -1 nor a row of the catalogue is refused, by the rule the readers
    // apply.
    bool setModelIndex(int index);
    // The name of the place type's row, empty for none.
    QString placeTypeName() const;
    bool showAddress() const { return m_showAddress; }
    // The devices file holds the flag, and the frame's pages show it.
    void setShowAddress(bool show);
    GraphicsPlaceItemDevice *placeItem() const { return m_placeItem; }
    GraphicsWiringItemDevice *wiringItem() const { return m_wiringItem; }

    // Rows of name and type name inside a place (or a rectangle without
    // one), in the font of the index.
    void drawInPlace(QPainter *painter, const QRectF &rect, Place *place, const QString &name,
                     const QString &model, bool nameFirst, int fontIndex);

    // Takes the pins of this device that the wiring documents can join out
    // of toWire; with groups, the pins of one device item that meet on one
    // source's net are appended as a group, lead pin first.
    void collectWires(QList<Pin *> &toWire, QList<QList<Pin *>> *groups);

    // For the items: a destroyed place item or wiring item is forgotten.
    void forgetPlaceItem(GraphicsPlaceItemDevice *item);
    void forgetWiringItem(GraphicsWiringItemDevice *item);
    // A wiring item made for the device becomes its current one; the
    // device tells it when the device goes.
    void adoptWiringItem(GraphicsWiringItemDevice *item);

    static void setEquipment(DeviceEquipment *equipment);

protected:
    // Its row in the devices table and its frame's pages show a change of
    // what the device is (its model, number or nominal).
    void announceChange();
    // After setModelIndex changed the type; nothing in the base. A device
    // whose items show parts of its type gives them parts of the new one.
    virtual void modelIndexChanged();
    // Every item leaves the device, the last first, and is offered to it
    // again in its former order (canAppend chooses its part of the type, or
    // refuses it: it stays unbound); each renames its pins and takes its
    // extent anew. The device stays, whether an item is taken or not.
    void offerItemsAgain();
    // A device shown by one scene item at most.
    bool acceptsFirstItemOnly(ObjItem *item) const;
    // Takes the place item off its document; the device forgets it.
    void dropPlaceItem();

    GraphicsPlaceItemDevice *m_placeItem = nullptr;
    GraphicsWiringItemDevice *m_wiringItem = nullptr;
    int m_modelIndex = -1;
    bool m_showAddress = false;

private:
    // Every wiring item still showing the device, the current one last,
    // while more than one does; empty, without a buffer, while one or none
    // does (m_wiringItem alone). Most devices show on one page at a time: a
    // list kept for them would outlive their pages amid the pages' memory.
    QList<GraphicsWiringItemDevice *> m_wiringItems;
};

// The object as a Device, or null: a cast without the run-time lookup.
inline Device *asDevice(Obj *obj)
{
    return obj && obj->isDevice() ? static_cast<Device *>(obj) : nullptr;
}

#endif
