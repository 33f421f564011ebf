#ifndef RLAY_GRAPHICSDEVICE_H
#define RLAY_GRAPHICSDEVICE_H

// The scene item of a device on a schematic: the base of every device kind's
// item. Its pins are wiring pins with two link slots; the wiring documents
// link them to the pins of other devices, and the item marks each pin with
// the number of its links. The two pins of the components that have no pin
// catalogue are named from the position of the device's address.

#include "graphics/graphicsobjitem.h"

#include <QHash>
#include <QList>

class Address;
class Device;
class QPen;
class QStyleOptionGraphicsItem;
class WiringPin;

class GraphicsDevice : public GraphicsObjItem
{
public:
    GraphicsDevice(GraphicsScene *scene, int bindMode, GraphicsItem *parent, int itemFlags);

    // The bound device, null while unbound.
    Device *device() const;

    // Frees the earlier pins and makes count wiring pins owned by the item.
    void createPins(int count) override;
    WiringPin *wiringPin(int index);

    // The first pin whose name equals the name, byte for byte.
    virtual WiringPin *findPin(const char *name);
    // Appends every pin of the item.
    void allPins(QList<Pin *> &pins) override;
    // Every named pin under its name; a later pin of a name wins.
    void pinsByName(QHash<QString, Pin *> &pins) override;
    // The bound device's show-address flag; a failed check for an unbound
    // item, so painters ask it of bound items only.
    virtual bool showAddress() const;

    // The bound device's address; null without a device or an address.
    Address *address() override;
    // The name of pin 0, null without pins.
    const char *firstPinName();
    // The device's address from its row on; empty without an address.
    QString addressText();

    // A walk that reaches the item ends at the pin it arrived at.
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    // Only the pin's wire links towards pins of its net stay.
    void updateNetLinks(Pin *entry, QList<Pin *> &pins) override;
    // Pins 0 and 1 named from the address position, for the kinds that
    // name their pins so.
    void updatePinNames() override;
    // The free-pin marks, then a half disc for a pin with one wire link and
    // a disc for a pin with two or more.
    void drawPins(QPainter *painter, bool hideHelp) override;
    // A half disc for each pin with one wire link, a disc for a pin with
    // two or more, in the help pen.
    void drawWireMarks(QPainter *painter);

    // The pen of the item's picture: blue when selected, else black while
    // bound and red for an item that has lost its device.
    const QPen &itemPen(const QStyleOptionGraphicsItem *option) const;
    // The pen of the help layer over a picture drawn with the pen: green
    // where it is black.
    static const QPen &helpPen(const QPen &pen);

    // The names of pins 0 and 1 at each address position.
    static const char *const positionPinNames[10][2];
};

// The item as a device item when its type id is one of them.
GraphicsDevice *toGraphicsDevice(GraphicsItem *item);

#endif
