#ifndef RLAY_NET_H
#define RLAY_NET_H

// The wiring of a scheme. GraphicsUnite is the base of the connection items
// (net, node, passage, cross net, slanting net, copper plate): items joined
// only through their pins, along which the walks of the clew run. A net is
// one straight wire between two end pins; it is drawn with the mouse, split
// and joined by the soldering of the scheme, and when an item soldered to
// one of its ends moves, it follows, re-routing itself with right angles.
// Each net carries the cross-section of its wire, one of sixteen sections.

#include "graphics/graphicspins.h"

#include <QHash>
#include <array>
#include <QLineF>

struct SchemeItemType;
class NetWalk;
class DlgPropGraphicsItem;

// One wire cross-section. Names, designations and legends are translated
// in the context "Net".
struct WireSection
{
    double crossSection; // mm²; the screened wire counts as 0.99
    const char *name;
    int count1; // read by the clamp panels; -1 where there is none
    int count2;
    const char *designation; // the mark beside the wire; null for none
    const char *legend;      // null for none
};

enum { WireSectionCount = 16 };
extern const WireSection wireSections[WireSectionCount];

class GraphicsUnite : public GraphicsPins
{
public:
    // Type ids from UserType + 101 up to UserType + 200 mark connection items.
    enum { FirstType = QGraphicsItem::UserType + 101, EndType = QGraphicsItem::UserType + 200 };

    explicit GraphicsUnite(GraphicsScene *scene);

    // Plain pins owned by the item.
    void createPins(int count) override;
    // The walk is handed on through every other pin; nothing of the item
    // itself is collected.
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;
    // The same, and then the item lists itself (deepest items first).
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    void updateNetLinks(Pin *entry, QList<Pin *> &pins) override;
    // Through every other pin; with no entry through every pin.
    bool isConnected(Pin *target, Pin *entry) override;
    // A free pin under the rectangle, unless the asking pin is reached from
    // it through this item already: joining them would close a loop.
    Pin *freePinAt(const QRectF &sceneRect, Pin *asking) override;

protected:
    // Whether the pin is one of the item's own.
    bool ownsPin(const Pin *pin) const;
    // Hands the walk on to the partner of every pin but the entry.
    void handOnBeyond(NetWalk &walk, Pin *entry);
    // The same for a walk that collects the items too, the item itself to
    // be listed after all it handed on (when items are listed).
    void handOnCollecting(NetWalk &walk, Pin *entry, QList<GraphicsUnite *> *items);
    // The marks of the walks that passed the item, or one part of it, for
    // the kinds that take their own steps.
    unsigned char &walkMarks(int part = 0) { return m_walkMarks[part]; }
    // The marks of the walks that passed the item as a whole, where a walk
    // stepping through it finds them (on its first pin).
    unsigned char &itemMarks();
    // Said by a kind whose walks are this class's own (they hand the walk
    // on through every pin but the entry, and do nothing else), in its
    // constructor, once its pins are made: a walk then steps through the
    // item from its pins alone. A subclass that walks otherwise unsays it.
    void letWalksThrough(bool through);

private:
    unsigned char m_walkMarks[2] = {0, 0};
};

// The item as a connection item, or null.
GraphicsUnite *graphicsUniteCast(GraphicsItem *item);

// Take the steps of a walk the item opened, as the walks of PinOwner do.
void runCollectPins(NetWalk &walk, QList<Pin *> &pins);
void runCollect(NetWalk &walk, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n);
void runUpdateNetLinks(NetWalk &walk, QList<Pin *> &pins);
bool runIsConnected(NetWalk &walk, Pin *target);

class GraphicsNet : public GraphicsUnite
{
public:
    enum { Type = QGraphicsItem::UserType + 102 };
    enum { DefaultSection = 1, ScreenedSection = 15 };

    explicit GraphicsNet(GraphicsScene *scene);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    bool contains(const QPointF &point) const override;
    // What a click in a view hits: what contains() answers for, the ends
    // and the wire, not the room the mark takes beside it.
    QPainterPath shape() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The two end points and the section. A section outside the table, or
    // a point that is not a number, marks the record damaged.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // Ends soldered to items that stay behind are let go; the rest follows.
    void transformChanged() override;
    // The net follows its partner's pin, now at centre (in this net's
    // coordinates): it merges into a neighbouring net on the same line,
    // stretches along its line, moves in parallel dragging the item behind
    // its other end, or breaks into three or two right-angled segments.
    bool attachPin(Pin *own, const QPointF &centre) override;

    int section() const { return m_section; }
    // A section outside the table is refused (failed check).
    void setSection(int section);
    // A new net on the sheet at this net's place, a piece of the same wire
    // (its section), or null after a failed check.
    GraphicsNet *addSiblingNet();

    // The wire from pin 0's centre to pin 1's centre.
    QLineF line() const;
    // A line is horizontal when |dx| >= |dy| (a point counts as one).
    static bool isHorizontal(const QLineF &line);
    // Both vertical with the same x, or both horizontal with the same y.
    static bool onSameAxis(const QLineF &a, const QLineF &b);
    // The strip of the wire, 1.75 to either side of it.
    QRectF wireRect() const;
    // Where the net is hit: its two ends and its strip grown by 3.5.
    std::array<QRectF, 3> hitRects() const;
    // The larger of the horizontal and vertical distances of the ends.
    double length() const;
    static double lengthOf(GraphicsPins *net);

    // Drawing with the mouse: the fixed end at the grid point, the moving
    // end kept horizontal or vertical from it, and the end joined.
    void startAt(const QPointF &scenePoint);
    void dragEndTo(const QPointF &scenePoint);
    void finish();
    // Makes the given end the moving one (pin 1).
    void setDrawingEnd(Pin *end);
    // The ends exchange places and partners.
    void swapEnds();
    // Moves an end to the grid point nearest the point (item coordinates).
    void movePinTo(Pin *end, const QPointF &point);
    // Moves both ends to exactly these points.
    void moveEnds(Pin *a, const QPointF &pointA, Pin *b, const QPointF &pointB);
    // Whether the wire meets the rectangle and the pin is not reached from
    // this net already.
    bool touches(const QRectF &sceneRect, Pin *pin);
    // The middle segment of a three-segment route from t to qc.
    QLineF middleSegment(const QPointF &t, const QPointF &qc) const;

    // The mark of a section, or its legend line for the wiring documents
    // (empty for a row without legend).
    static QString sectionText(int index, bool shortForm, bool ua);
    // The section with the greatest cross-section among the nets listed.
    static int largestSection(const QList<GraphicsUnite *> &items);
    static int largestSection(const QList<GraphicsItem *> &items);

private:
    // Whether a way of following applied, and how it ended.
    enum class Follow { NotApplied, Done, Failed };

    Follow mergeAt(Pin *end, Pin *other, const QPointF &t);
    Follow mergeAtOther(Pin *end, Pin *other, const QPointF &t);
    // One net of two fused: the wire is as thick as the thicker of them.
    void keepLargerSection(int section);
    Follow dragOtherEnd(Pin *end, Pin *other, const QPointF &t);
    Follow routeThreeSegments(Pin *end, Pin *other, const QPointF &t);
    Follow routeTwoSegments(Pin *end, const QPointF &t);
    const WireSection &sectionRow() const;

    int m_section = DefaultSection;
};

// The item as a net, or null.
GraphicsNet *graphicsNetCast(GraphicsItem *item);
// The owner of the pin as a net, or null.
GraphicsNet *netOfPin(const Pin *pin);

// Factories of the registry.
GraphicsItem *createNet(GraphicsScene *scene);
DlgPropGraphicsItem *createDlgPropNet(GraphicsScene *scene);

#endif
