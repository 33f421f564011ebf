// Soldering of pins on a scheme: what a pin offered at its place is joined
// to. Pins that meet are soldered, two device pins through a net of no
// length; a net end or a node that lands on the middle of a net splits it.

#include "model/itemtypes.h"
#include "schemes/scheme.h"

#include "graphics/graphicspins.h"
#include "model/check.h"
#include "schemes/graphicsnode.h"
#include "schemes/net.h"

namespace {

bool isClamp(const GraphicsItem *item)
{
    return item && item->type() == clampType;
}

GraphicsItem *ownerGraphicsItem(const Pin *pin)
{
    PinOwner *owner = pin ? pin->owner() : nullptr;
    return owner ? owner->graphicsItem() : nullptr;
}

void repaintOwner(const Pin *pin)
{
    GraphicsItem *item = ownerGraphicsItem(pin);
    if (CHECK_PTR(item))
        item->update();
}

// The items whose bounding rectangles meet the rectangle, topmost first,
// without the drawing primitives and the asking item.
QList<GraphicsPins *> candidatesAt(GraphicsScene *scene, const QRectF &sceneRect, const GraphicsPins *asking)
{
    QList<GraphicsPins *> result;
    scene->useItemIndex();
    const QList<GraphicsItem *> found = scene->items(sceneRect, Qt::IntersectsItemBoundingRect, Qt::DescendingOrder);
    result.reserve(found.size());
    for (GraphicsItem *item : found) {
        GraphicsPins *pinned = toNonPrimitiveItem(item);
        if (pinned && pinned != asking)
            result.append(pinned);
    }
    return result;
}

// A new item of the kind on the sheet; null after a failed check.
template <class T>
T *addNew(Scheme *scheme)
{
    auto *item = new T(scheme);
    if (!CHECK(scheme->addGraphicsItem(item))) {
        delete item;
        return nullptr;
    }
    return item;
}

// Cuts the net at the point: the new net runs from where the net's pin 1
// was (taking over its partner) to the point, and pin 1 moves to the point.
void cutNet(GraphicsNet *net, GraphicsNet *added, const QPointF &scenePoint)
{
    const QPointF at = net->mapFromScene(scenePoint);
    Pin *end = net->pin(1);
    added->moveEnds(added->pin(0), end->center(), added->pin(1), at);
    net->moveEnds(net->pin(0), net->pin(0)->center(), end, at);
    if (Pin *former = end->partner())
        former->resolder(added->pin(0));
}

} // namespace

void Scheme::solderPin(Pin *pin, const QRectF &sceneRect, GraphicsPins *item)
{
    if (!CHECK_PTR(pin) || !CHECK_PTR(item))
        return;
    // An item not yet placed on the sheet (a new one whose dialog has just
    // been applied) joins nothing where it happens to lie.
    joinItemsApart();
    if (!holds(item))
        return;
    const bool pinOnNet = graphicsNetCast(item) != nullptr;
    const QList<GraphicsPins *> candidates = candidatesAt(this, sceneRect, item);
    for (GraphicsPins *candidate : candidates) {
        // Pins that meet.
        if (Pin *found = candidate->freePinAt(sceneRect, pin)) {
            if (pinOnNet || netOfPin(found)) {
                // The sheet's file holds the joints: it is due, even when
                // nothing moved (a click on items lying on free pins).
                found->solder(pin);
                setModified(true);
            } else {
                // Two device pins touch: a net of no length joins them.
                auto *net = addNew<GraphicsNet>(this);
                if (!net)
                    return;
                net->setPosQuiet(sceneRect.center());
                found->solder(net->pin(0));
                pin->solder(net->pin(1));
                net->update();
            }
            repaintOwner(found);
            repaintOwner(pin);
            return;
        }
        GraphicsNet *net = graphicsNetCast(candidate);
        if (!net)
            continue;
        const bool nodeLike = isNodeFamily(item) || isClamp(item);
        if (!pinOnNet && !nodeLike)
            continue;
        if (!net->touches(sceneRect, pin))
            continue;
        const QPointF m = sceneRect.center();
        if (pinOnNet) {
            // A net end on the middle of a net: split with a node, unless a
            // clamp lies there.
            for (GraphicsPins *other : candidates) {
                if (isClamp(other))
                    return;
            }
            GraphicsNet *added = net->addSiblingNet();
            GraphicsNode *node = added ? addNew<GraphicsNode>(this) : nullptr;
            if (!node) {
                if (added)
                    removeGraphicsItem(added);
                return;
            }
            node->setPosQuiet(m);
            cutNet(net, added, m);
            node->pin(0)->solder(added->pin(1));
            node->pin(1)->solder(net->pin(1));
            node->pin(2)->solder(pin);
            net->update();
            return;
        }
        // A node (or passage, or clamp) on the middle of a net: its own
        // free pins take the two halves.
        GraphicsNet *added = net->addSiblingNet();
        if (!added)
            return;
        cutNet(net, added, m);
        if (Pin *first = item->firstFreePin())
            first->solder(added->pin(1));
        if (Pin *next = item->firstFreePin())
            next->solder(net->pin(1));
        net->update();
        return;
    }
}

void Scheme::checkPinContact(Pin *pin, const QRectF &sceneRect, GraphicsPins *item)
{
    if (!CHECK_PTR(pin) || !CHECK_PTR(item))
        return;
    const bool pinOnNet = graphicsNetCast(item) != nullptr;
    bool contact = false;
    joinItemsApart();
    const QList<GraphicsPins *> candidates =
        holds(item) ? candidatesAt(this, sceneRect, item) : QList<GraphicsPins *>();
    for (GraphicsPins *candidate : candidates) {
        GraphicsNet *net = graphicsNetCast(candidate);
        if (candidate->freePinAt(sceneRect, pin) || (pinOnNet && net && net->touches(sceneRect, pin))) {
            contact = true;
            break;
        }
    }
    pin->setContactFlag(contact);
}

GraphicsNet *Scheme::freeNetEndAt(const QPointF &point)
{
    useItemIndex();
    const QList<GraphicsItem *> found = items(point);
    for (GraphicsItem *item : found) {
        GraphicsNet *net = graphicsNetCast(item);
        if (!net)
            continue;
        if (!CHECK(net->pinCount() == 2))
            continue;
        const QPointF local = net->mapFromScene(point);
        for (int i = 0; i < 2; ++i) {
            Pin *end = net->pin(i);
            if (end->isFree() && end->contains(local)) {
                net->setDrawingEnd(end);
                return net;
            }
        }
    }
    return nullptr;
}
