#ifndef RLAY_GRAPHICSPLACEITEMDEVICE_H
#define RLAY_GRAPHICSPLACEITEMDEVICE_H

// A device in a place of a frame layout. The device draws itself inside
// the place; putting the item into a place gives the device its address.

#include "equipment/graphicsplaceitem.h"

class Device;

class GraphicsPlaceItemDevice : public GraphicsPlaceItem
{
public:
    enum { Type = UserType + 200 };

    // Made by the device (Device::createPlaceItem).
    GraphicsPlaceItemDevice(GraphicsScene *scene, GraphicsItem *parent, Device *device);
    // The device forgets the item and loses its address.
    ~GraphicsPlaceItemDevice() override;

    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    Device *device() const { return m_device; }
    // The device's side of the link is gone (the device changed its type
    // or was deleted): the item's extent shrinks to nothing with it.
    void forgetDevice();

    // The device's place type, as it was when the item was made: a device
    // that changes its type leaves its place. -1 without a device.
    int modelId() const override;
    int addressSuffix() const override;
    // The place, then the device learns its new address.
    void setPlace(Place *place) override;
    void addressChanged() override;

private:
    Device *m_device;
    int m_model;
};

#endif
