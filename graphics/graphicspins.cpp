#include "graphics/graphicspins.h"

#include "graphics/clewindex.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "graphics/itemshared.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QPainter>

#include <cmath>

namespace {

const int firstPinnedType = QGraphicsItem::UserType + 100;

GraphicsPins *ownerItem(const Pin *pin)
{
    PinOwner *owner = pin ? pin->owner() : nullptr;
    return owner ? dynamic_cast<GraphicsPins *>(owner) : nullptr;
}

// The pinned children of an item.
QList<GraphicsPins *> pinnedChildren(const GraphicsItem *item)
{
    QList<GraphicsPins *> result;
    const QList<GraphicsItem *> children = item->childItems();
    for (GraphicsItem *child : children) {
        if (GraphicsPins *pinned = toNonPrimitiveItem(child))
            result.append(pinned);
    }
    return result;
}

} // namespace

GraphicsPins::GraphicsPins(GraphicsScene *scene, GraphicsItem *parent, int itemFlags)
    : GraphicsItem(scene, parent, itemFlags, ItemIsMovable | ItemIsSelectable)
{
    // The flags are set with the base's, in one change: every item of a
    // sheet being read passes here.
}

GraphicsPins::~GraphicsPins()
{
    if (!goesWithProject() || !m_pins.first) {
        releasePins();
        return;
    }
    // The pins of a closing project go with every pin they are joined to:
    // the partners and links, elsewhere in memory, are not visited. Plain
    // pins hold nothing of their own: unless a joint observer is to be
    // told, their block goes back without a visit to any of them; the
    // others are visited once each.
    if (m_pins.stride == sizeof(Pin) && !Pin::hasJointObserver()) {
        Pin::noteChainChange();
    } else {
        for (Pin *p : m_pins) {
            p->abandonJoints();
            p->~Pin();
        }
    }
    Pin::releaseBlock(static_cast<void *>(m_pins.first), m_pins.count, m_pins.stride);
    m_pins = PinList();
}

void GraphicsPins::releasePins()
{
    if (!m_pins.first)
        return;
    for (Pin *p : m_pins)
        p->~Pin();
    // The block starts with the first pin: each pin class is a Pin first.
    Pin::releaseBlock(static_cast<void *>(m_pins.first), m_pins.count, m_pins.stride);
    m_pins = PinList();
}

Pin *GraphicsPins::pin(int index)
{
    if (index < 0 || index >= pinCount())
        return nullptr;
    return m_pins[size_t(index)];
}

Pin *GraphicsPins::freePinAt(const QRectF &sceneRect, Pin *)
{
    const QRectF local = mapRectFromScene(sceneRect);
    for (Pin *p : m_pins) {
        if (p->isFree() && p->intersects(local))
            return p;
    }
    return nullptr;
}

void GraphicsPins::updatePinNames()
{
}

bool GraphicsPins::attachPin(Pin *, const QPointF &)
{
    return false;
}

void GraphicsPins::drawPins(QPainter *painter, bool)
{
    if (!painter)
        return;
    painter->setPen(penGreen);
    for (Pin *p : m_pins) {
        if (!p->isFree() || atNoPosition(p->center()))
            continue;
        if (p->contactFlag()) {
            const QBrush previous = painter->brush();
            painter->setBrush(QBrush(Qt::red, Qt::SolidPattern));
            painter->drawRect(*p);
            painter->setBrush(previous);
        } else {
            painter->drawRect(*p);
        }
    }
}

void GraphicsPins::saveGeometry(DataStream &stream)
{
    GraphicsItem::saveGeometry(stream);
    savePins(stream);
}

void GraphicsPins::loadGeometry(DataStream &stream)
{
    GraphicsItem::loadGeometry(stream);
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    if (!CHECK_PTR(project))
        return;
    loadPins(stream, *project);
}

void GraphicsPins::transformChanged()
{
    for (Pin *p : m_pins) {
        if (p->isFree()) {
            updatePinContact(p);
            continue;
        }
        Pin *partner = p->partner();
        GraphicsPins *other = ownerItem(partner);
        // A connected item that moves along keeps its end where it is.
        if (!other || other->isSelected())
            continue;
        other->attachPin(partner, other->mapFromScene(mapToScene(p->center())));
    }
    GraphicsItem::transformChanged();
}

int GraphicsPins::pinIndex(Pin *pin) const
{
    // The pins lie side by side: the index follows from the distance.
    const quintptr offset = quintptr(pin) - quintptr(m_pins.first);
    if (m_pins.first && offset % m_pins.stride == 0 && offset / m_pins.stride < m_pins.size())
        return int(offset / m_pins.stride);
    CHECK(false);
    return -1;
}

Pin *GraphicsPins::firstFreePin() const
{
    for (Pin *p : m_pins) {
        if (p->isFree())
            return p;
    }
    return nullptr;
}

QRectF GraphicsPins::pinSceneRect(const Pin *pin) const
{
    return pin ? mapRectToScene(*pin) : QRectF();
}

void GraphicsPins::movePinFollowed(Pin *pin, const QPointF &centre)
{
    if (!CHECK_PTR(pin) || pinIndex(pin) < 0)
        return;
    pin->moveCenter(centre);
    if (Pin *partner = pin->partner()) {
        auto *other = dynamic_cast<GraphicsPins *>(partner->owner());
        if (!other || !other->attachPin(partner, other->mapFromScene(mapToScene(centre))))
            pin->unsolder();
    }
}

void GraphicsPins::joinPinAtScene(Pin *pin)
{
    if (!CHECK_PTR(pin) || !CHECK_PTR(graphicsScene()))
        return;
    graphicsScene()->solderPin(pin, pinSceneRect(pin), this);
}

void GraphicsPins::updatePinContact(Pin *pin)
{
    if (!CHECK_PTR(pin) || !CHECK_PTR(graphicsScene()))
        return;
    graphicsScene()->checkPinContact(pin, pinSceneRect(pin), this);
}

void GraphicsPins::joinAllPins()
{
    const ClewIndex clews;
    for (int i = 0; i < pinCount(); ++i) {
        // Joining one pin may solder a later one.
        Pin *p = m_pins[size_t(i)];
        if (p->isFree())
            joinPinAtScene(p);
    }
    const QList<GraphicsPins *> children = pinnedChildren(this);
    for (GraphicsPins *child : children)
        child->joinAllPins();
}

void GraphicsPins::joinAllPins(const QList<GraphicsItem *> &items)
{
    const ClewIndex clews;
    for (GraphicsItem *item : items) {
        if (GraphicsPins *pinned = toNonPrimitiveItem(item))
            pinned->joinAllPins();
    }
}

void GraphicsPins::moveAll(const QList<GraphicsItem *> &items, const QPointF &delta)
{
    for (GraphicsItem *item : items)
        item->moveByQuiet(delta);
    const ClewIndex clews;
    for (GraphicsItem *item : items)
        item->transformChanged();
}

void GraphicsPins::unsolderOutside()
{
    for (Pin *p : m_pins) {
        Pin *partner = p->partner();
        if (!partner)
            continue;
        PinOwner *owner = partner->owner();
        if (!CHECK_PTR(owner)) {
            p->unsolder();
            continue;
        }
        GraphicsItem *item = owner->graphicsItem();
        if (!item || !item->isSelected())
            p->unsolder();
    }
    const QList<GraphicsPins *> children = pinnedChildren(this);
    for (GraphicsPins *child : children)
        child->unsolderOutside();
}

void GraphicsPins::unsolderAll()
{
    for (Pin *p : m_pins)
        p->unsolder();
    const QList<GraphicsPins *> children = pinnedChildren(this);
    for (GraphicsPins *child : children)
        child->unsolderAll();
}

void GraphicsPins::savePins(DataStream &stream)
{
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    if (!CHECK_PTR(project))
        return;
    for (Pin *p : m_pins)
        p->write(stream, *project);
}

void GraphicsPins::loadPins(DataStream &stream, Project &project)
{
    for (Pin *p : m_pins)
        project.readPin(*p, stream);
}

QString joinWithSeparator(const QString &left, const QString &right)
{
    return left + nameSeparator + right;
}

GraphicsPins *toNonPrimitiveItem(GraphicsItem *item)
{
    if (!item || item->type() < firstPinnedType)
        return nullptr;
    return dynamic_cast<GraphicsPins *>(item);
}
