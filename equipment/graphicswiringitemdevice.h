#ifndef RLAY_GRAPHICSWIRINGITEMDEVICE_H
#define RLAY_GRAPHICSWIRINGITEMDEVICE_H

// A two-terminal device on a wiring document: its frame with the address
// above, its symbol, its two numbered terminals and, for each terminal, the
// wires that leave it with the labels of their far ends.

#include "equipment/graphicswiringitem.h"
#include "model/address.h"

class Device;
class WiringPin;

class GraphicsWiringItemDevice : public GraphicsWiringItem
{
public:
    enum { Type = UserType + 300 };

    // Made by the device (Device::createWiringItem) with the device's
    // address at that time, or none.
    GraphicsWiringItemDevice(GraphicsScene *scene, GraphicsItem *parent, Device *device, const Address *address);
    // The device forgets the item.
    ~GraphicsWiringItemDevice() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    // The device shown; none for an item that shows its address only.
    Device *device() const { return m_addressOnly ? nullptr : m_device; }
    // The device whose wire sections the page's note names: the one shown,
    // or that of the place whose address alone is shown.
    Device *notedDevice() const { return m_device; }
    void showAddressOnly() { m_addressOnly = true; }
    // The address the item was made with; null when it had none.
    const Address *address() const { return m_hasAddress ? &m_address : nullptr; }
    // The device is gone: the item keeps its frame and address only.
    void forgetDevice() { m_device = nullptr; }

    // One row per wire link of the pin, from the terminal point to the
    // left or right, rows running down (up when up is set) by rowHeight;
    // the first row also names the source of the pin's net.
    static void drawPinLinks(QPainter *painter, WiringPin *pin, const QPointF &terminal, bool left, bool up,
                             int language, double rowHeight, double stubLength);

private:
    Device *m_device;
    // A copy: the place the address belonged to may go before the item.
    Address m_address;
    bool m_hasAddress;
    bool m_addressOnly = false;
};

#endif
