#ifndef RLAY_GRAPHICSPINS_H
#define RLAY_GRAPHICSPINS_H

// Base of every scene item with connection points: nets, nodes, passages,
// ground and power-bus symbols and every item bound to a project object. It
// owns the item's pins and gives every kind the same pin operations: find a
// free pin under a rectangle, join free pins to what lies under them, drop
// connections, draw the marks of open pins, and write the pins after the
// item's geometry. Joining and contact tests are the sheet's.

#include "graphics/graphicsitem.h"
#include "model/pin.h"

#include <QHash>

#include <memory>
#include <new>
#include <type_traits>
#include <vector>

class GraphicsPins : public GraphicsItem, public PinOwner
{
public:
    GraphicsPins(GraphicsScene *scene, GraphicsItem *parent, int itemFlags);
    ~GraphicsPins() override;

    GraphicsItem *graphicsItem() override { return this; }
    int itemType() override { return type(); }
    void repaintItem(const QRectF &rect) override { update(rect); }
    int pinCount() const override { return int(m_pins.size()); }
    // Null for an index out of range.
    Pin *pin(int index) override;

    // The kind allocates its pins (with allocatePins) in its constructor.
    virtual void createPins(int count) = 0;
    // The first free pin whose rectangle meets the sheet rectangle.
    virtual Pin *freePinAt(const QRectF &sceneRect, Pin *asking);
    virtual void updatePinNames();
    // An item that can stretch (a net) moves its end to the point, given in
    // item coordinates, and answers true.
    virtual bool attachPin(Pin *own, const QPointF &centre);
    // Marks the free pins: outlined, or filled red with the contact flag.
    virtual void drawPins(QPainter *painter, bool flag);

    // The geometry record followed by every pin record.
    void saveGeometry(DataStream &stream) override;
    void loadGeometry(DataStream &stream) override;
    // Refreshes the contact marks of the free pins and drags the ends of
    // connected items that do not move along.
    void transformChanged() override;

    // The index of one of the item's pins; -1 after a failed check.
    int pinIndex(Pin *pin) const;
    Pin *firstFreePin() const;
    // The pin's rectangle on the sheet.
    QRectF pinSceneRect(const Pin *pin) const;
    void joinPinAtScene(Pin *pin);
    // Moves one of the item's pins to a centre in item coordinates; what is
    // soldered to it follows, or lets go.
    void movePinFollowed(Pin *pin, const QPointF &centre);
    void updatePinContact(Pin *pin);
    // Joins every free pin, then the pins of the pinned children.
    void joinAllPins();
    // joinAllPins for every pinned item of the list (a moved selection),
    // with the clews met walked once for all of them.
    static void joinAllPins(const QList<GraphicsItem *> &items);
    // Moves the items by delta as a drag does: a quiet move of each, then
    // each item's change (contact marks, ends that follow), with the clews
    // met walked once for all of them.
    static void moveAll(const QList<GraphicsItem *> &items, const QPointF &delta);
    // Drops the connections to items that are not selected.
    void unsolderOutside();
    void unsolderAll();
    void savePins(DataStream &stream);
    void loadPins(DataStream &stream, Project &project);

protected:
    // Allocates count pins of class P owned by this item, side by side in
    // one block: the list steps through them by the size of P, and each
    // goes by its own (virtual) destructor.
    template <class P>
    void allocatePins(int count)
    {
        releasePins();
        if (count <= 0)
            return;
        // A block of the size of plain pins holds plain pins.
        static_assert(std::is_same<P, Pin>::value || sizeof(P) != sizeof(Pin), "pins told apart by size");
        P *pins = static_cast<P *>(Pin::allocateBlock(size_t(count), sizeof(P)));
        for (int i = 0; i < count; ++i)
            new (pins + i) P;
        // The block is released through its first pin.
        Q_ASSERT(static_cast<void *>(static_cast<Pin *>(pins)) == static_cast<void *>(pins));
        m_pins = PinList{static_cast<Pin *>(pins), quint32(count), quint32(sizeof(P))};
        for (Pin *pin : m_pins)
            pin->setOwner(this);
        // Plain pins know their place, so that walks find the siblings.
        if (std::is_same<P, Pin>::value && Pin::blockInSlabs(size_t(count), sizeof(P))) {
            for (int i = 0; i < count; ++i)
                m_pins[size_t(i)]->setPlace(i, count);
        }
    }

private:
    // The item's pins in order, as allocatePins laid them out: the first
    // pin, their number and the distance from one to the next in bytes.
    struct PinList
    {
        Pin *first = nullptr;
        quint32 count = 0;
        quint32 stride = 0;
        struct Iterator
        {
            char *at;
            quint32 stride;
            Pin *operator*() const { return reinterpret_cast<Pin *>(at); }
            Iterator &operator++()
            {
                at += stride;
                return *this;
            }
            bool operator!=(const Iterator &other) const { return at != other.at; }
        };
        Iterator begin() const { return {reinterpret_cast<char *>(first), stride}; }
        Iterator end() const { return {reinterpret_cast<char *>(first) + size_t(count) * stride, stride}; }
        size_t size() const { return count; }
        Pin *operator[](size_t index) const
        {
            return reinterpret_cast<Pin *>(reinterpret_cast<char *>(first) + index * stride);
        }
    };
    void releasePins();

    PinList m_pins;
};

QString joinWithSeparator(const QString &left, const QString &right);
// The item as a pinned item when it is not a drawing primitive.
GraphicsPins *toNonPrimitiveItem(GraphicsItem *item);

#endif
