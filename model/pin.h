#ifndef RLAY_PIN_H
#define RLAY_PIN_H

// Connection points of scene items. A pin is soldered to at most one pin of
// another item; chains of soldered pins and connection items make up the nets
// of a schematic. A wiring pin (the pin of a device) also keeps wire links to
// pins of other devices, which the wiring documents draw.

#include "model/identitytable.h"

#include <QChar>
#include <QHash>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVarLengthArray>

#include <vector>

class Address;
class DataStream;
class GraphicsUnite;
class Pin;
class Project;
class GraphicsItem;

// The pin square, and what joins a prefix to a pin's name in its labels.
extern const double pinSide;
extern const QSizeF pinSize;
extern const QChar nameSeparator;

// The pins read together, by the identities they were read with.
using PinIndex = IdentityTable<Pin>;

// What a pin needs of the scene item that holds it. Every pinned scene item
// implements it; the walks along a net go from item to item through it.
class PinOwner
{
public:
    virtual ~PinOwner();

    // The scene item itself: its type id tells the kind, and a pin repaints
    // its rectangle in it.
    virtual GraphicsItem *graphicsItem() = 0;
    // The type id of that item, which tells its kind.
    virtual int itemType() = 0;
    // Repaints an area of the item (the whole item for a null rectangle).
    virtual void repaintItem(const QRectF &rect = QRectF()) = 0;
    virtual int pinCount() const = 0;
    virtual Pin *pin(int index) = 0;
    // The address of the item's device; null for items without one.
    virtual Address *address();
    // The item's own name for one of its pins; empty by default.
    virtual QString pinName(Pin *pin, Pin *other);

    // The end pins of the net beyond the entry pin.
    virtual void collectNetPins(Pin *entry, QList<Pin *> &pins) = 0;
    // As collectNetPins, also listing the connection items passed (when
    // items is given); n is handed on to every item reached.
    virtual void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) = 0;
    // Prunes the wire links of the device pins reached to those in pins.
    virtual void updateNetLinks(Pin *entry, QList<Pin *> &pins) = 0;
    // Whether target is reached from the entry pin through this item.
    virtual bool isConnected(Pin *target, Pin *entry);

    // A clamp carried by a passage answers the passage: walks that reach
    // the clamp go on through it.
    virtual PinOwner *linkedItem();

    // The name the item gives the net it feeds (a source's) and the number
    // of the frame it ties that net to; empty and 0 for other items.
    virtual QString netName() const;
    virtual int tiedFrameNumber() const;
};

// Told of every change to a joint while it is installed (Pin::
// setJointObserver): the soldering's clew index, while one is open.
class PinJointObserver
{
public:
    virtual void soldered(Pin *a, Pin *b) = 0;
    virtual void unsoldered(Pin *a, Pin *b) = 0;
    virtual void destroyed(Pin *pin) = 0;

protected:
    ~PinJointObserver() = default;
};

// What the pins ask of the kinds of scene items, which the schemes know and
// install (Pin::setItemKinds): the translation context of a kind's pin
// names, null for a kind they do not know, and the wire section of a chain
// that passed the connection items.
struct PinItemKinds
{
    const char *(*pinNameContext)(int typeId);
    int (*chainSection)(const QList<GraphicsUnite *> &items);
};

class Pin : public QRectF
{
public:
    Pin();
    virtual ~Pin();

    Pin(const Pin &) = delete;
    Pin &operator=(const Pin &) = delete;

    PinOwner *owner() const { return m_owner; }
    void setOwner(PinOwner *owner) { m_owner = owner; }
    Pin *partner() const { return m_partnerPending ? nullptr : m_partner; }
    bool isFree() const { return partner() == nullptr; }
    quint8 contactFlag() const { return m_contactFlag; }

    // Soldering keeps the partner relation mutual.
    bool solder(Pin *other);
    Pin *unsolder();
    bool resolder(Pin *other);
    // Lets go of the partner (and of the links) without telling them: only
    // for a pin that is destroyed together with all of them.
    virtual void abandonJoints() { setPartner(nullptr); }

    // Stores the flag and repaints the pin in its owner.
    void setContactFlag(quint8 value);
    Address *ownerAddress() const;
    // The text that names the pin as seen from a device at another
    // address: the owner's own name for the pin when it has one, else the
    // pin's label after the part of the owner's address that differs.
    QString labelText(const Address *from, Pin *asking = nullptr) const;
    // Follows the pin's chain to its source: its name (empty when none is
    // met), whether a ground item ends the chain first, and, from a contact,
    // whether a copper plate does. The result is the chain's wire section.
    int sourceName(QString *name, bool *ground = nullptr, bool *copperPlate = nullptr);

    // Raised by every change that may give a chain another wire section:
    // a joint made or broken, a link, a pin gone, a sheet changed (a net's
    // section, an item bound or let go), the project's language. Texts
    // worked out from chains and kept keep the value they were worked out
    // at, and are worked out again once it moved on.
    static quint64 chainStamp();
    static void noteChainChange();

    // Walks along the net, crossing the solder joint of this pin.
    void collectNetPinsAcross(QList<Pin *> &pins);
    void collectNetAcross(QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n = 0);
    // The pins reached across this pin and, when nets is given, the
    // connection items passed (with the pins of that walk in netPins when
    // given). A chain that ends at the branch pin of a slanting net goes on
    // through the net's two main pins; the slanting net is then returned.
    PinOwner *collectChain(QList<Pin *> &pins, QList<GraphicsUnite *> *nets = nullptr,
                           QList<Pin *> *netPins = nullptr);

    // Marks of the walks running (NetWalk), one bit per kind. The first pin
    // of an item that lets walks through (below) carries the item's marks.
    // A pin in the slabs keeps them at the head of its slab, with those of
    // the other pins there: a walk marks and clears them there without
    // writing to the pins.
    unsigned char &walkMarks() { return m_place ? slabMarks() : m_walk; }
    // Those marks of a pin known to have a place, found without reading it.
    unsigned char &slabMarks()
    {
        const quintptr at = reinterpret_cast<quintptr>(this);
        return *reinterpret_cast<unsigned char *>((at & ~quintptr(SlabBytes - 1)) + (at & (SlabBytes - 1)) / SlotBytes);
    }

    // The memory of count pins of the size given. Blocks of a few plain
    // pins come from slabs of their own, side by side, one pin to a cache
    // line: a walk along a large clew then reads few lines and pages. The
    // pins of a block in the slabs may have a place (below).
    static void *allocateBlock(size_t count, size_t size);
    static void releaseBlock(void *block, size_t count, size_t size);
    // Holds the slabs' lock for this thread while it lives: a close, which
    // gives back every block of a project, takes it once rather than once
    // a block. Other threads wait for their blocks meanwhile.
    class SlabsHeld
    {
    public:
        SlabsHeld();
        ~SlabsHeld();
        SlabsHeld(const SlabsHeld &) = delete;
        SlabsHeld &operator=(const SlabsHeld &) = delete;
    };
    static bool blockInSlabs(size_t count, size_t size);
    enum { SlabBytes = 64 * 1024, SlotBytes = 64, LargestSlabBlock = 8 };

    // Where a pin lies among its owner's pins when they are plain pins side
    // by side in one block: the index in the low three bits and their
    // number in the next three (up to 7); 0 when that is not known. The
    // bit above tells that the owner lets walks through: it hands every
    // walk on to the partners of all its pins but the entry, and does
    // nothing else, so that a walk takes that step itself from the pins,
    // without reaching the owner. A pin keeps its partner's place too.
    enum { PlaceIndexMask = 7, PlaceCountShift = 3, PlaceCountMask = 7, PlaceThrough = 0x40 };
    static Pin *firstOfBlock(Pin *pin, quint8 place) { return pin - (place & PlaceIndexMask); }
    static int blockSize(quint8 place) { return place >> PlaceCountShift & PlaceCountMask; }
    static bool letsWalksThrough(quint8 place) { return place & PlaceThrough; }
    quint8 partnerPlace() const { return m_partnerPlace; }
    void setPlace(int index, int count)
    {
        setPlaceByte(count > 0 && count < 8 && index >= 0 && index < count ? quint8(index | count << PlaceCountShift)
                                                                           : 0);
    }
    // Said by the owner, for each of its pins, when its walks are so; kept
    // only for a pin with a place.
    void letWalksThrough(bool through)
    {
        if (m_place)
            setPlaceByte(through ? quint8(m_place | PlaceThrough) : quint8(m_place & ~PlaceThrough));
    }

    // The partner, with what a walk reads of it and of the pins beside it
    // asked of the memory ahead, before the walk enters the partner's owner.
    Pin *partnerAhead() const
    {
        Pin *far = partner();
        if (!far)
            return nullptr;
        if (!letsWalksThrough(m_partnerPlace)) {
            // The step reads the owner.
            __builtin_prefetch(&far->m_owner);
            return far;
        }
        // Stepping through reads the partner and the bytes after it, up to
        // the end of the pin, of each pin beside the entry; the entry too is
        // asked for, which with blocks scattered over the slabs walks faster.
        Pin *first = firstOfBlock(far, m_partnerPlace);
        for (int i = 0, count = blockSize(m_partnerPlace); i < count; ++i)
            __builtin_prefetch(&first[i].m_partner);
        return far;
    }

    static void setJointObserver(PinJointObserver *observer);
    static bool hasJointObserver();
    static void setItemKinds(const PinItemKinds &kinds);

    // Stream record: own identity, then the partner's (0 when free). The
    // identities are the pins' own, kept by the project (Project::identity).
    virtual void write(DataStream &stream, Project &project) const;
    // Reads the record, keeps the partner's identity pending and answers
    // the own identity.
    virtual qint32 readRecord(DataStream &stream);
    // Reads the record and maps the own identity to this pin.
    void read(DataStream &stream, QHash<int, Pin *> &pinMap) { pinMap.insert(readRecord(stream), this); }
    void read(DataStream &stream, PinIndex &pins) { pins.insert(readRecord(stream), this); }
    // Replaces the pending identities by pins, the pin being read with the
    // identity own; one visit to every pin of the index resolves them all.
    // A reference that the other side does not return (damaged data) is
    // dropped, so that soldering and links stay mutual, whichever of the
    // two is visited first. An identity missing from the index, or a
    // reference dropped, leaves it null and makes the result false.
    virtual bool resolveIds(const PinIndex &pins, qint32 own);

protected:
    PinOwner *m_owner = nullptr;

private:
    friend class Project;
    void setPartner(Pin *partner)
    {
        m_partner = partner;
        m_partnerPending = false;
        m_partnerPlace = partner ? partner->m_place : 0;
    }
    void setPlaceByte(quint8 place)
    {
        m_place = place;
        if (Pin *far = partner())
            far->m_partnerPlace = place;
    }

    // The partner; from reading a record until the fix-up, the identity
    // the record named it by instead (the pin is free meanwhile). Every
    // pin of a project has the word: it serves both.
    union {
        Pin *m_partner = nullptr;
        qint32 m_pendingPartner;
    };
    // The identity in files, given by the project (0 until it is given).
    mutable qint32 m_identity = 0;

protected:
    quint8 m_contactFlag = 0;

private:
    bool m_partnerPending : 1;
    // The partner's place, kept here so that a walk knows where the
    // partner's pins lie, and whether it passes through them, before it
    // reaches them.
    quint8 m_partnerPlace : 7;
    unsigned char m_walk = 0;
    quint8 m_place = 0;
};

class WiringPin : public Pin
{
public:
    explicit WiringPin(int capacity = 2);
    ~WiringPin() override;

    const char *name() const { return m_name; }
    void setName(const char *name) { m_name = name; }

    int linkCapacity() const { return int(m_links.size()); }
    void setLinkCapacity(int capacity);
    // The slot's link, null for an empty slot or an index out of range.
    WiringPin *linkSlot(int index) const;
    // Links both pins, each in its first empty slot; false when either
    // has none or they are linked already.
    bool linkTo(WiringPin *other);
    void dropLinksFrom(int index);
    void abandonJoints() override;
    void keepLinksIn(const QList<Pin *> &pins);
    int linkCount() const;
    // The n-th non-empty link, counted from 0.
    WiringPin *link(int n) const;

    // Adds the capacity and one identity per slot to the pin record.
    void write(DataStream &stream, Project &project) const override;
    qint32 readRecord(DataStream &stream) override;
    bool resolveIds(const PinIndex &pins, qint32 own) override;

private:
    void unlinkSlot(int index);
    // The identity a slot holds while the links are pending.
    qint32 pendingLink(qsizetype index) const { return qint32(quint32(quintptr(m_links[index]))); }
    bool holdsPendingLink(qint32 id) const;

    // From reading a record until the fix-up the slots hold the identities
    // read for them (as numbers), and the pin has no links meanwhile.
    bool m_linksPending = false;
    const char *m_name = nullptr;
    // Most pins take one or two wires: those slots need no allocation.
    QVarLengthArray<WiringPin *, 2> m_links;
};

// The pin's name, translated in the context of the owner kind's class name,
// after the prefix and the separator when the prefix is not empty.
QString pinLabel(const QString &prefix, Pin *pin);
QString joinName(const QString &prefix, const char *name);

#endif
