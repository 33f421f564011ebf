#ifndef RLAY_TEST_SCHEMETESTITEMS_H
#define RLAY_TEST_SCHEMETESTITEMS_H

// A scheme that also makes the stand-in device kinds (two pins 80 apart, on
// the grid of 40), and helpers to lay out connections and to read the clew.

#include "schemes/net.h"
#include "schemes/scheme.h"
#include "support/boundtestitems.h"

#include <QList>
#include <QPointF>

namespace schemetest {

enum {
    DeviceType = boundtest::ResistorItemType,
    ClampType = QGraphicsItem::UserType + 402,
    PassageType = QGraphicsItem::UserType + 104
};

// A device item whose two pins are 80 apart: pin 0 at its origin, pin 1 at
// (80, 0).
class TestDevice : public boundtest::TestDeviceItem
{
public:
    explicit TestDevice(GraphicsScene *scene, int type = DeviceType);

    QRectF boundingRect() const override { return QRectF(-10, -10, 100, 20); }
};

// A clamp stand-in (or, with the passage type, a passage stand-in): one
// pin, bound to nothing.
class TestClamp : public GraphicsPins
{
public:
    explicit TestClamp(GraphicsScene *scene, int type = ClampType);

    int type() const override { return m_type; }
    QRectF boundingRect() const override { return QRectF(-10, -10, 20, 20); }
    void draw(QPainter *, const QStyleOptionGraphicsItem *, bool) override {}
    void createPins(int count) override { allocatePins<Pin>(count); }
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override { pins.append(entry); }
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int) override { pins.append(entry); }
    void updateNetLinks(Pin *, QList<Pin *> &) override {}

private:
    int m_type;
};

// An A3 landscape scheme that makes the stand-in kinds and every
// registered scheme kind.
class DeviceScheme : public Scheme
{
public:
    explicit DeviceScheme(Project *project);

    GraphicsItem *createItem(int type) override;
    // Records the items announced to the sheet.
    void notifyItem(GraphicsItem *item) override;

    QList<GraphicsItem *> notified;
};

// Puts an item on the sheet at a point, without grid snap.
template <class T>
T *put(GraphicsScene &scene, T *item, const QPointF &pos)
{
    scene.addGraphicsItem(item);
    item->setPosQuiet(pos);
    return item;
}

TestDevice *device(GraphicsScene &scene, const QPointF &pos);
// A net on the sheet at its first point, from a to b (sheet points).
GraphicsNet *net(GraphicsScene &scene, const QPointF &a, const QPointF &b);
// A net at the sheet origin whose ends are the given sheet points, so that
// its own coordinates are the sheet's.
GraphicsNet *straightNet(GraphicsScene &scene, const QPointF &a, const QPointF &b);
// The end points of a net on the sheet.
QPointF end(GraphicsNet *net, int index);
// The nets of the sheet, in its order.
QList<GraphicsNet *> nets(GraphicsScene &scene);
// The items of one type id on the sheet.
int countOf(GraphicsScene &scene, int type);
// The end pins of the clew beyond a pin.
QList<Pin *> clew(Pin *pin);
// Whether the two pins are soldered to each other.
bool soldered(Pin *a, Pin *b);

} // namespace schemetest

#endif
