#ifndef RLAY_GRAPHICSWIRINGCONTAINER_H
#define RLAY_GRAPHICSWIRINGCONTAINER_H

// The wiring picture of one panel or board of a frame layout on a wiring
// page: a box divided into element slots, one per mounting place, each with
// the caption, pins, pin names and wire destinations of the device mounted
// there. The boards and panels that sit in its places get containers of
// their own, laid over their slots.

#include "equipment/graphicswiringitem.h"

class GraphicsPlaceContainer;
struct WiringContainerKind;

class GraphicsWiringContainer : public GraphicsWiringItem
{
public:
    enum { Type = UserType + 101 };

    // The kind is a row of the wiring-container table, or -1 for none.
    GraphicsWiringContainer(GraphicsScene *scene, GraphicsPlaceContainer *source, int kind);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    // The panel or board shown; null once it has left the place it was
    // shown for.
    GraphicsPlaceContainer *source() const;
    int kind() const { return m_kind; }
    // Shows whatever container of the kind the place of that index of the
    // holder holds, looked up at every use: a board or panel taken out of
    // the frame leaves the picture empty instead of dangling.
    void setHeldIn(GraphicsPlaceContainer *holder, int placeIndex);
    // The position plus the kind's own offset.
    void setPosWithOffset(const QPointF &pos);
    // Makes and places the containers of the boards and panels in the
    // places, depth first in place order.
    void layoutContainers();

    // The wiring kind of a board or panel by its type; -1 for any other
    // container and for a type without one.
    static int wiringKindOf(const GraphicsPlaceContainer *container);

private:
    const WiringContainerKind *row() const;
    void drawSlot(QPainter *painter, GraphicsPlaceContainer *shown, const QRectF &slotRect, int place, int element);

    GraphicsPlaceContainer *m_source;
    int m_kind;
    // Where the source is held: a place of the holder, or of the source of
    // the container this one is nested in.
    GraphicsPlaceContainer *m_holder = nullptr;
    const GraphicsWiringContainer *m_nestedIn = nullptr;
    int m_placeIndex = -1;
};

#endif
