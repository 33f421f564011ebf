#include "schemes/net.h"

#include "graphics/clewindex.h"
#include "graphics/dlgpropgraphicspins.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "graphics/itemshared.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/netwalk.h"
#include "model/pin.h"
#include "schemes/dlgpropcopperplate.h"
#include "schemes/dlgpropnet.h"
#include "schemes/dlgpropslantingnet.h"
#include "schemes/graphicscopperplate.h"
#include "schemes/graphicscrossnet.h"
#include "schemes/graphicsground.h"
#include "schemes/graphicsnode.h"
#include "schemes/graphicsslantingnet.h"
#include "schemes/scheme.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cmath>

const WireSection wireSections[WireSectionCount] = {
    {0.5, QT_TRANSLATE_NOOP("Net", "0.5"), 4, 9, QT_TRANSLATE_NOOP("Net", "0,5 mm kv."), nullptr},
    {0.75, QT_TRANSLATE_NOOP("Net", "0.75"), 4, 9, nullptr, nullptr},
    {1.0, QT_TRANSLATE_NOOP("Net", "1.0"), 4, 9, QT_TRANSLATE_NOOP("Net", "1,0 mm kv."), nullptr},
    {1.5, QT_TRANSLATE_NOOP("Net", "1.5"), 4, 9, QT_TRANSLATE_NOOP("Net", "1,5 mm kv."), nullptr},
    {2.5, QT_TRANSLATE_NOOP("Net", "2.5"), 4, 9, QT_TRANSLATE_NOOP("Net", "*"), QT_TRANSLATE_NOOP("Net", "2,5 mm kv.")},
    {4.0, QT_TRANSLATE_NOOP("Net", "4.0"), 2, 2, QT_TRANSLATE_NOOP("Net", "**"), QT_TRANSLATE_NOOP("Net", "4,0 mm kv.")},
    {6.0, QT_TRANSLATE_NOOP("Net", "6.0"), 2, 2, QT_TRANSLATE_NOOP("Net", "***"), QT_TRANSLATE_NOOP("Net", "6,0 mm kv.")},
    {10.0, QT_TRANSLATE_NOOP("Net", "10.0"), 2, 2, QT_TRANSLATE_NOOP("Net", "10,0 mm kv."), nullptr},
    {16.0, QT_TRANSLATE_NOOP("Net", "16.0"), 1, 1, QT_TRANSLATE_NOOP("Net", "16,0 mm kv."), nullptr},
    {25.0, QT_TRANSLATE_NOOP("Net", "25.0"), 1, 1, QT_TRANSLATE_NOOP("Net", "25,0 mm kv."), nullptr},
    {35.0, QT_TRANSLATE_NOOP("Net", "35.0"), 1, 1, QT_TRANSLATE_NOOP("Net", "35,0 mm kv."), nullptr},
    {50.0, QT_TRANSLATE_NOOP("Net", "50.0"), 1, 1, QT_TRANSLATE_NOOP("Net", "50,0 mm kv."), nullptr},
    {70.0, QT_TRANSLATE_NOOP("Net", "70.0"), 1, 1, QT_TRANSLATE_NOOP("Net", "70,0 mm kv."), nullptr},
    {95.0, QT_TRANSLATE_NOOP("Net", "95.0"), -1, -1, QT_TRANSLATE_NOOP("Net", "95,0 mm kv."), nullptr},
    {30.0, QT_TRANSLATE_NOOP("Net", "30.0"), 1, 1, QT_TRANSLATE_NOOP("Net", "30,0 mm kv."), nullptr},
    {0.99, QT_TRANSLATE_NOOP("Net", "Screened"), 4, 9, QT_TRANSLATE_NOOP("Net", "#"), QT_TRANSLATE_NOOP("Net", "screen.")},
};

namespace {

const double tiny = 1e-11;

bool samePoint(const QPointF &a, const QPointF &b)
{
    return std::fabs(a.x() - b.x()) < tiny && std::fabs(a.y() - b.y()) < tiny;
}

QString netText(const char *text)
{
    return QCoreApplication::translate("Net", text);
}

// The cross-section that a section index stands for when sections are
// compared; an index outside the table counts as none.
double crossSectionOf(int index)
{
    return index >= 0 && index < WireSectionCount ? wireSections[index].crossSection : 0.0;
}

} // namespace

// ---------------------------------------------------------------------------
// GraphicsUnite

GraphicsUnite::GraphicsUnite(GraphicsScene *scene)
    : GraphicsPins(scene, nullptr, CanRotate | CanMirrorHorizontal | CanMirrorVertical)
{
}

void GraphicsUnite::createPins(int count)
{
    prepareGeometryChange();
    allocatePins<Pin>(count);
}

bool GraphicsUnite::ownsPin(const Pin *pin) const
{
    if (!pin)
        return false;
    auto *self = const_cast<GraphicsUnite *>(this);
    for (int i = 0; i < pinCount(); ++i) {
        if (self->pin(i) == pin)
            return true;
    }
    return false;
}

void GraphicsUnite::handOnBeyond(NetWalk &walk, Pin *entry)
{
    for (int i = 0; i < pinCount(); ++i) {
        Pin *p = pin(i);
        if (p != entry)
            walk.handOnPartnerOf(p);
    }
}

void GraphicsUnite::handOnCollecting(NetWalk &walk, Pin *entry, QList<GraphicsUnite *> *items)
{
    handOnBeyond(walk, entry);
    if (items)
        walk.handOnClosing(this);
}

unsigned char &GraphicsUnite::itemMarks()
{
    // On the first pin, where a walk stepping through finds them.
    return pinCount() > 0 ? pin(0)->walkMarks() : walkMarks();
}

void GraphicsUnite::letWalksThrough(bool through)
{
    for (int i = 0; i < pinCount(); ++i)
        pin(i)->letWalksThrough(through);
}

void GraphicsUnite::collectNetPins(Pin *entry, QList<Pin *> &pins)
{
    NetWalk walk(NetWalk::CollectPins, entry);
    if (!walk.enter(itemMarks()))
        return;
    handOnBeyond(walk, entry);
    runCollectPins(walk, pins);
}

void GraphicsUnite::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n)
{
    NetWalk walk(NetWalk::Collect, entry);
    if (!walk.enter(itemMarks()))
        return;
    handOnCollecting(walk, entry, items);
    runCollect(walk, pins, items, n);
}

void GraphicsUnite::updateNetLinks(Pin *entry, QList<Pin *> &pins)
{
    NetWalk walk(NetWalk::UpdateLinks, entry);
    if (!walk.enter(itemMarks()))
        return;
    handOnBeyond(walk, entry);
    runUpdateNetLinks(walk, pins);
}

bool GraphicsUnite::isConnected(Pin *target, Pin *entry)
{
    NetWalk walk(NetWalk::Connected, entry);
    if (!walk.enter(itemMarks()))
        return false;
    for (int i = 0; i < pinCount(); ++i) {
        Pin *p = pin(i);
        if (p == entry)
            continue;
        if (p == target)
            return true;
        walk.handOnPartnerOf(p);
    }
    return runIsConnected(walk, target);
}

void runCollectPins(NetWalk &walk, QList<Pin *> &pins)
{
    walk.stepThrough();
    walk.run([&pins](PinOwner *owner, Pin *entry) {
        owner->collectNetPins(entry, pins);
        return false;
    });
}

void runCollect(NetWalk &walk, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n)
{
    walk.stepThrough(nullptr, items != nullptr);
    walk.run([&](PinOwner *owner, Pin *entry) {
        // The closing step of a connection item lists it.
        if (!entry)
            items->append(static_cast<GraphicsUnite *>(owner));
        else
            owner->collectNet(entry, pins, items, n);
        return false;
    });
}

void runUpdateNetLinks(NetWalk &walk, QList<Pin *> &pins)
{
    walk.stepThrough();
    walk.run([&pins](PinOwner *owner, Pin *entry) {
        owner->updateNetLinks(entry, pins);
        return false;
    });
}

bool runIsConnected(NetWalk &walk, Pin *target)
{
    walk.stepThrough(target);
    return walk.run([target](PinOwner *owner, Pin *entry) { return owner->isConnected(target, entry); });
}

Pin *GraphicsUnite::freePinAt(const QRectF &sceneRect, Pin *asking)
{
    Pin *free = GraphicsPins::freePinAt(sceneRect, asking);
    if (!free)
        return nullptr;
    return ClewIndex::isConnected(this, asking, free) ? nullptr : free;
}

GraphicsUnite *graphicsUniteCast(GraphicsItem *item)
{
    if (!item || item->type() < GraphicsUnite::FirstType || item->type() >= GraphicsUnite::EndType)
        return nullptr;
    return dynamic_cast<GraphicsUnite *>(item);
}

// ---------------------------------------------------------------------------
// GraphicsNet

GraphicsNet::GraphicsNet(GraphicsScene *scene)
    : GraphicsUnite(scene)
{
    createPins(2);
    for (int i = 0; i < pinCount(); ++i)
        pin(i)->moveCenter(QPointF(0, 0));
    letWalksThrough(true);
    setZValue(1.0);
}

GraphicsNet *graphicsNetCast(GraphicsItem *item)
{
    if (!item || item->type() != GraphicsNet::Type)
        return nullptr;
    return dynamic_cast<GraphicsNet *>(item);
}

GraphicsNet *netOfPin(const Pin *pin)
{
    PinOwner *owner = pin ? pin->owner() : nullptr;
    return owner ? graphicsNetCast(owner->graphicsItem()) : nullptr;
}

const WireSection &GraphicsNet::sectionRow() const
{
    // Loading and the setter keep the index in the table.
    return wireSections[m_section >= 0 && m_section < WireSectionCount ? m_section : int(DefaultSection)];
}

void GraphicsNet::setSection(int section)
{
    if (!CHECK(section >= 0 && section < WireSectionCount))
        return;
    if (section == m_section)
        return;
    prepareGeometryChange();
    m_section = section;
    Pin::noteChainChange();
    update();
}

QLineF GraphicsNet::line() const
{
    auto *self = const_cast<GraphicsNet *>(this);
    return QLineF(self->pin(0)->center(), self->pin(1)->center());
}

bool GraphicsNet::isHorizontal(const QLineF &line)
{
    return std::fabs(line.dx()) >= std::fabs(line.dy());
}

bool GraphicsNet::onSameAxis(const QLineF &a, const QLineF &b)
{
    const bool aHorizontal = isHorizontal(a);
    if (aHorizontal != isHorizontal(b))
        return false;
    // Each line lies on the axis, not only leans towards it: a merge along
    // a line that leans would slant the net that takes it.
    if (aHorizontal)
        return a.dy() == 0 && b.dy() == 0 && a.p1().y() == b.p1().y();
    return a.dx() == 0 && b.dx() == 0 && a.p1().x() == b.p1().x();
}

QRectF GraphicsNet::wireRect() const
{
    const QLineF wire = line();
    if (isHorizontal(wire))
        return QRectF(QPointF(wire.x1(), wire.y1() - 1.75), QPointF(wire.x2(), wire.y1() + 1.75)).normalized();
    return QRectF(QPointF(wire.x1() - 1.75, wire.y1()), QPointF(wire.x1() + 1.75, wire.y2())).normalized();
}

QRectF GraphicsNet::boundingRect() const
{
    auto *self = const_cast<GraphicsNet *>(this);
    const Pin *first = self->pin(0);
    const Pin *second = self->pin(1);
    QRectF rect = first->united(*second).normalized();
    if (sectionRow().designation) {
        // Room for the mark beside the wire.
        if (first->x() == second->x())
            rect.setLeft(first->center().x() - 40);
        else
            rect.setTop(first->center().y() - 40);
    }
    return grown(rect);
}

std::array<QRectF, 3> GraphicsNet::hitRects() const
{
    auto *self = const_cast<GraphicsNet *>(this);
    return {*self->pin(0), *self->pin(1), grown(wireRect())};
}

bool GraphicsNet::contains(const QPointF &point) const
{
    const std::array<QRectF, 3> rects = hitRects();
    return std::any_of(rects.cbegin(), rects.cend(), [&point](const QRectF &rect) { return rect.contains(point); });
}

QPainterPath GraphicsNet::shape() const
{
    QPainterPath path;
    // Overlapping parts stay filled.
    path.setFillRule(Qt::WindingFill);
    for (const QRectF &rect : hitRects())
        path.addRect(rect);
    return path;
}

void GraphicsNet::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    const bool selected = option && (option->state & QStyle::State_Selected);
    const Pin *first = pin(0);
    const Pin *second = pin(1);
    const QLineF wire = line();
    painter->setPen(selected ? penBlue : penBlack);
    painter->drawLine(wire);

    const bool vertical = first->x() == second->x();
    if (m_section == ScreenedSection) {
        painter->save();
        painter->setPen(selected ? penBlueDash : penBlackDash);
        const double shift = pinSize.width() / 2;
        const QPointF offset = vertical ? QPointF(shift, 0) : QPointF(0, shift);
        painter->drawLine(wire.translated(-offset));
        painter->drawLine(wire.translated(offset));
        painter->restore();
    } else if (const char *designation = sectionRow().designation) {
        if (hasFontSet()) {
            const QString mark = netText(designation);
            painter->setFont(font(mark.contains(QLatin1Char('*')) ? 4 : 3));
            const QPointF c = first->center();
            const int alignment = Qt::AlignHCenter | Qt::AlignBottom;
            if (vertical)
                drawTextInRect(this, painter, QRectF(c.x() - 40, c.y(), 40, second->y() - first->y()), alignment,
                               mark, true);
            else
                drawTextInRect(this, painter, QRectF(c.x(), c.y() - 40, second->x() - first->x(), 40), alignment,
                               mark, false);
        }
    }
    if (!hideHelp)
        drawPins(painter, hideHelp);
}

void GraphicsNet::saveData(DataStream &stream)
{
    stream << pin(0)->center() << pin(1)->center() << quint8(m_section);
}

void GraphicsNet::loadData(DataStream &stream)
{
    QPointF first;
    QPointF second;
    quint8 section = 0;
    stream >> first >> second >> section;
    if (stream.status() != QDataStream::Ok)
        return;
    // The section indexes the table: a byte beyond it, or an end that is no
    // number, is a damaged record.
    if (!stream.checkRecord(section < WireSectionCount) || !stream.checkPoint(first) || !stream.checkPoint(second))
        return;
    prepareGeometryChange();
    pin(0)->moveCenter(first);
    pin(1)->moveCenter(second);
    m_section = section;
}

void GraphicsNet::transformChanged()
{
    // A dragged net leaves behind the items that stay where they are; nets
    // soldered to it follow.
    for (int i = 0; i < pinCount(); ++i) {
        Pin *end = pin(i);
        Pin *partner = end->partner();
        if (!partner)
            continue;
        GraphicsItem *other = partner->owner() ? partner->owner()->graphicsItem() : nullptr;
        if (!other || (!graphicsNetCast(other) && !other->isSelected()))
            end->unsolder();
    }
    GraphicsUnite::transformChanged();
}

double GraphicsNet::length() const
{
    auto *self = const_cast<GraphicsNet *>(this);
    const Pin *first = self->pin(0);
    const Pin *second = self->pin(1);
    return qMax(std::fabs(second->y() - first->y()), std::fabs(second->x() - first->x()));
}

double GraphicsNet::lengthOf(GraphicsPins *net)
{
    auto *wire = dynamic_cast<GraphicsNet *>(net);
    return wire ? wire->length() : 0;
}

// ---------------------------------------------------------------------------
// Drawing

void GraphicsNet::startAt(const QPointF &scenePoint)
{
    GraphicsScene *sheet = graphicsScene();
    setPosQuiet(sheet ? sheet->snapToGrid(scenePoint) : scenePoint);
    joinPinAtScene(pin(0));
    updateInViews();
}

void GraphicsNet::dragEndTo(const QPointF &scenePoint)
{
    GraphicsScene *sheet = graphicsScene();
    const QPointF local = mapFromScene(scenePoint);
    const QPointF p = sheet ? sheet->snapToGrid(local) : local;
    Pin *end = pin(1);
    if (samePoint(p, end->center()))
        return;
    const QPointF fixed = pin(0)->center();
    QPointF q = p;
    if (isHorizontal(QLineF(fixed, p)))
        q.setY(fixed.y());
    else
        q.setX(fixed.x());
    if (samePoint(q, end->center()))
        return;
    movePinTo(end, q);
    updatePinContact(end);
    // A net drawn on from its free end is a change of the sheet's file.
    if (sheet)
        sheet->setModified(true);
}

void GraphicsNet::finish()
{
    joinPinAtScene(pin(1));
}

void GraphicsNet::setDrawingEnd(Pin *end)
{
    if (end == pin(0))
        swapEnds();
}

void GraphicsNet::swapEnds()
{
    Pin *first = pin(0);
    Pin *second = pin(1);
    Pin *firstPartner = first->unsolder();
    Pin *secondPartner = second->unsolder();
    if (firstPartner)
        second->solder(firstPartner);
    if (secondPartner)
        first->solder(secondPartner);
    prepareGeometryChange();
    const QPointF corner = first->topLeft();
    first->moveTopLeft(second->topLeft());
    second->moveTopLeft(corner);
    update();
    // The ends are stored in order: the sheet's file changes with them.
    if (GraphicsScene *sheet = graphicsScene())
        sheet->setModified(true);
}

void GraphicsNet::movePinTo(Pin *end, const QPointF &point)
{
    GraphicsScene *sheet = graphicsScene();
    const QPointF p = sheet ? sheet->snapToGrid(point) : point;
    if (!end || samePoint(p, end->center()))
        return;
    if (!CHECK(end == pin(0) || end == pin(1)))
        return;
    updateInViews();
    prepareGeometryChange();
    end->moveCenter(p);
    updateInViews();
}

void GraphicsNet::moveEnds(Pin *a, const QPointF &pointA, Pin *b, const QPointF &pointB)
{
    if (!CHECK(ownsPin(a) && ownsPin(b)))
        return;
    updateInViews();
    prepareGeometryChange();
    a->moveCenter(pointA);
    b->moveCenter(pointB);
    updateInViews();
}

bool GraphicsNet::touches(const QRectF &sceneRect, Pin *pin)
{
    const QRectF local = mapRectFromScene(sceneRect);
    if (!wireRect().intersects(local))
        return false;
    return !ClewIndex::isConnected(this, pin, nullptr);
}

QLineF GraphicsNet::middleSegment(const QPointF &t, const QPointF &qc) const
{
    GraphicsScene *sheet = graphicsScene();
    const QPointF middle = (t + qc) / 2;
    const QPointF m = sheet ? sheet->snapToGrid(middle) : middle;
    const QLineF route(t, qc);
    if (std::fabs(route.dx()) > std::fabs(route.dy()))
        return QLineF(QPointF(m.x(), t.y()), QPointF(m.x(), qc.y()));
    return QLineF(QPointF(t.x(), m.y()), QPointF(qc.x(), m.y()));
}

// ---------------------------------------------------------------------------
// Following a moved pin

bool GraphicsNet::attachPin(Pin *own, const QPointF &centre)
{
    if (!CHECK(own == pin(0) || own == pin(1)))
        return false;
    // A chain of nets that follow one another ends where it began (a loop
    // read from a damaged record): that net does not move again.
    NetWalk walk(NetWalk::Attach);
    if (!walk.enter(this))
        return false;
    Pin *other = own == pin(0) ? pin(1) : pin(0);
    Follow done = mergeAt(own, other, centre);
    if (done == Follow::NotApplied)
        done = mergeAtOther(own, other, centre);
    if (done == Follow::NotApplied) {
        // Stretch along the wire's own axis.
        const QPointF fixed = pin(0)->center();
        if (isHorizontal(line()) ? centre.y() == fixed.y() : centre.x() == fixed.x()) {
            movePinTo(own, centre);
            done = Follow::Done;
        }
    }
    if (done == Follow::NotApplied)
        done = dragOtherEnd(own, other, centre);
    if (done == Follow::NotApplied)
        done = routeThreeSegments(own, other, centre);
    if (done == Follow::NotApplied)
        done = routeTwoSegments(own, centre);
    return done != Follow::Failed;
}

void GraphicsNet::keepLargerSection(int section)
{
    if (crossSectionOf(section) > crossSectionOf(m_section))
        setSection(section);
}

GraphicsNet::Follow GraphicsNet::mergeAt(Pin *end, Pin *other, const QPointF &t)
{
    // The moved pin is the end of another net on the same line, or this
    // net would shrink to nothing: that net takes this one's place.
    Pin *moved = end->partner();
    GraphicsNet *neighbour = netOfPin(moved);
    const QPointF qc = other->center();
    if (!neighbour || neighbour == this
        || !(samePoint(t, qc) || onSameAxis(neighbour->line(), QLineF(qc, t))))
        return Follow::NotApplied;
    neighbour->keepLargerSection(m_section);
    if (Pin *far = other->partner())
        moved->resolder(far);
    else
        moved->unsolder();
    neighbour->movePinTo(moved, neighbour->mapFromItem(this, qc));
    if (GraphicsScene *sheet = graphicsScene())
        sheet->removeGraphicsItem(this);
    return Follow::Done;
}

GraphicsNet::Follow GraphicsNet::mergeAtOther(Pin *end, Pin *other, const QPointF &t)
{
    // The net behind the other end lies on the new line: it stretches to
    // the moved pin and this net goes.
    Pin *behind = other->partner();
    GraphicsNet *neighbour = netOfPin(behind);
    const QPointF qc = other->center();
    if (!neighbour || neighbour == this
        || !(samePoint(t, qc) || onSameAxis(neighbour->line(), QLineF(qc, t))))
        return Follow::NotApplied;
    Pin *moved = end->partner();
    if (!CHECK(moved != nullptr))
        return Follow::Done;
    neighbour->keepLargerSection(m_section);
    behind->resolder(moved);
    neighbour->movePinTo(behind, neighbour->mapFromItem(this, t));
    if (GraphicsScene *sheet = graphicsScene())
        sheet->removeGraphicsItem(this);
    return Follow::Done;
}

GraphicsNet::Follow GraphicsNet::dragOtherEnd(Pin *end, Pin *other, const QPointF &t)
{
    // The connection item behind the other end follows too, and the net
    // moves in parallel.
    Pin *behind = other->partner();
    PinOwner *owner = behind ? behind->owner() : nullptr;
    auto *unite = owner ? graphicsUniteCast(owner->graphicsItem()) : nullptr;
    if (!unite)
        return Follow::NotApplied;
    QPointF qc = other->center();
    if (isHorizontal(line()))
        qc.setY(t.y());
    else
        qc.setX(t.x());
    if (!unite->attachPin(behind, unite->mapFromItem(this, qc)))
        return Follow::NotApplied;
    moveEnds(end, t, other, qc);
    return Follow::Done;
}

GraphicsNet *GraphicsNet::addSiblingNet()
{
    GraphicsScene *sheet = graphicsScene();
    if (!CHECK_PTR(sheet))
        return nullptr;
    auto *net = new GraphicsNet(sheet);
    if (!CHECK(sheet->addGraphicsItem(net))) {
        delete net;
        return nullptr;
    }
    // In this net's frame, so that points of this net are points of it.
    net->setPosQuiet(pos());
    net->setMatrixQuiet(transform(), false);
    net->m_section = m_section;
    return net;
}

GraphicsNet::Follow GraphicsNet::routeThreeSegments(Pin *end, Pin *other, const QPointF &t)
{
    Pin *moved = end->partner();
    Pin *behind = other->partner();
    if (!moved || !behind || !moved->owner() || !behind->owner()
        || graphicsUniteCast(moved->owner()->graphicsItem()) || graphicsUniteCast(behind->owner()->graphicsItem()))
        return Follow::NotApplied;
    const QPointF qc = other->center();
    const QLineF middle = middleSegment(t, qc);
    GraphicsNet *first = addSiblingNet();
    GraphicsNet *last = first ? addSiblingNet() : nullptr;
    if (!CHECK(first && last)) {
        if (first && graphicsScene())
            graphicsScene()->removeGraphicsItem(first);
        return Follow::Failed;
    }
    first->moveEnds(first->pin(0), t, first->pin(1), middle.p1());
    moveEnds(end, middle.p1(), other, middle.p2());
    last->moveEnds(last->pin(0), qc, last->pin(1), middle.p2());
    moved->resolder(first->pin(0));
    behind->resolder(last->pin(0));
    end->resolder(first->pin(1));
    other->resolder(last->pin(1));
    if (isSelected()) {
        first->setSelectedTree(true);
        last->setSelectedTree(true);
    }
    return Follow::Done;
}

GraphicsNet::Follow GraphicsNet::routeTwoSegments(Pin *end, const QPointF &t)
{
    // Horizontal from the other end to the corner, then vertical to the
    // moved pin.
    Pin *moved = end->partner();
    if (!CHECK(moved != nullptr))
        return Follow::Failed;
    Pin *other = end == pin(0) ? pin(1) : pin(0);
    const QPointF corner(t.x(), other->center().y());
    GraphicsNet *net = addSiblingNet();
    if (!CHECK_PTR(net))
        return Follow::Failed;
    movePinTo(end, corner);
    net->movePinTo(net->pin(0), corner);
    net->movePinTo(net->pin(1), t);
    end->resolder(net->pin(0));
    moved->solder(net->pin(1));
    if (isSelected())
        net->setSelectedTree(true);
    return Follow::Done;
}

// ---------------------------------------------------------------------------
// Section texts

QString GraphicsNet::sectionText(int index, bool shortForm, bool ua)
{
    if (!CHECK(index >= 0 && index < WireSectionCount))
        return QString();
    const WireSection &row = wireSections[index];
    const QString mark = row.designation ? netText(row.designation) : QString();
    if (shortForm)
        return mark;
    if (!row.legend)
        return QString();
    return mark + QStringLiteral(" - ") + netText(ua ? "mounting net ua" : "mounting net") + QLatin1Char(' ')
        + netText(row.legend);
}

namespace {

template <class Item>
int largestSectionOf(const QList<Item *> &items)
{
    if (!CHECK(!items.isEmpty()))
        return GraphicsNet::DefaultSection;
    int best = -1;
    bool found = false;
    for (Item *item : items) {
        GraphicsNet *net = graphicsNetCast(item);
        if (!net)
            continue;
        if (!found || crossSectionOf(best) < crossSectionOf(net->section()))
            best = net->section();
        found = true;
    }
    if (!CHECK(found))
        return GraphicsNet::DefaultSection;
    return best;
}

} // namespace

int GraphicsNet::largestSection(const QList<GraphicsUnite *> &items)
{
    return largestSectionOf(items);
}

int GraphicsNet::largestSection(const QList<GraphicsItem *> &items)
{
    return largestSectionOf(items);
}

// ---------------------------------------------------------------------------
// Registry

GraphicsItem *createNet(GraphicsScene *scene)
{
    return new GraphicsNet(scene);
}

DlgPropGraphicsItem *createDlgPropNet(GraphicsScene *scene)
{
    return new DlgPropNet(scene);
}
