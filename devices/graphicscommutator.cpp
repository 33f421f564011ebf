#include "devices/graphicscommutator.h"

#include "devices/commutator.h"
#include "devices/commutatorcatalogue.h"
#include "devices/nameextent.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/pin.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

namespace {

// The stored byte of an item without a form.
const quint8 noKindByte = 0xff;

// The extra room on each side of the type with long pin names.
const double wideTypeMargin = 60;

// The type index of the bound commutator, for painting and measuring: no
// check boxes there; -1 without a valid one.
int shownType(const Commutator *commutator)
{
    const int index = commutator ? commutator->modelIndex() : -1;
    return index >= 0 && index < CommutatorTypeCount ? index : -1;
}

QString pinText(WiringPin *pin)
{
    return pin && pin->name() ? QString::fromLatin1(pin->name()) : QString();
}

} // namespace

GraphicsCommutator::GraphicsCommutator(GraphicsScene *scene)
    : GraphicsDevice(scene, BindShared, nullptr, CanRotate | CanMirrorHorizontal)
{
}

GraphicsCommutator::~GraphicsCommutator() = default;

Commutator *GraphicsCommutator::commutator() const
{
    return dynamic_cast<Commutator *>(obj());
}

QString GraphicsCommutator::contactKindName(int kind)
{
    if (!CHECK(isContactGroupKind(kind)))
        return QString();
    return QCoreApplication::translate("GraphicsCommutator", commutatorContactKinds[kind].name);
}

bool GraphicsCommutator::setContactKind(int kind)
{
    if (!CHECK(isContactGroupKind(kind)))
        return false;
    if (kind == m_contactKind)
        return true;
    Commutator *bound = commutator();
    if (bound && !bound->fitsGroup(kind, m_contactNumber, this))
        return false;
    m_contactKind = kind;
    const int count = contactGroupPinCount(kind);
    createPins(count);
    if (pinCount() != count)
        return true;
    int next = 0;
    pin(next++)->moveCenter(QPointF(0, 0));
    if (groupKindHasFront(kind))
        pin(next++)->moveCenter(QPointF(160, -40));
    if (groupKindHasBack(kind))
        pin(next++)->moveCenter(QPointF(160, 40));
    return true;
}

bool GraphicsCommutator::setContactNumber(quint8 number)
{
    Commutator *bound = commutator();
    if (bound && !bound->fitsGroup(m_contactKind, number, this))
        return false;
    m_contactNumber = number;
    return true;
}

bool GraphicsCommutator::setContactGroup(int kind, quint8 number)
{
    if (!CHECK(isContactGroupKind(kind)))
        return false;
    if (Commutator *bound = commutator()) {
        const int group = bound->groupFor(kind, number, this);
        if (group < 0)
            return false;
        number = quint8(group);
        // The group first: the form then suits it.
        m_contactNumber = number;
    }
    setContactKind(kind);
    m_contactNumber = number;
    return true;
}

Pin *GraphicsCommutator::lowerPin()
{
    if (!groupKindHasBack(m_contactKind) || pinCount() != contactGroupPinCount(m_contactKind))
        return nullptr;
    return pin(pinCount() - 1);
}

void GraphicsCommutator::updatePinNames()
{
    if (!CHECK(isContactGroupKind(m_contactKind) && pinCount() == contactGroupPinCount(m_contactKind)
               && m_contactNumber != NoGroup))
        return;
    const char *names[3] = {nullptr, nullptr, nullptr};
    if (Commutator *bound = commutator()) {
        const CommutatorType *type = bound->commutatorType();
        // A group that cannot take the item's form names no pins rather
        // than reading past the group's names.
        if (CHECK(type && m_contactNumber < type->groupCount))
            contactGroupPinNames(type->groups[m_contactNumber], m_contactKind, names);
    }
    for (int i = 0; i < pinCount(); ++i)
        wiringPin(i)->setName(names[i]);
}

QString GraphicsCommutator::pinName(Pin *pin, Pin *)
{
    auto *named = dynamic_cast<WiringPin *>(pin);
    if (!named || !named->name())
        return QString();
    return pinLabel(name(), pin);
}

void GraphicsCommutator::updateFromObj()
{
    if (!CHECK(m_contactKind != -1) || !hasFontSet())
        return;
    const QRectF title = textRect(this, font(3), QPointF(80, -10), Qt::AlignHCenter | Qt::AlignBottom, name());
    prepareGeometryChange();
    m_titleRect = nameExtent(this, font(3), QPointF(80, -50), name());
    m_width = qMax(pinSize.width() + symbolSize.width(), title.width());
    m_height = pinSize.width() / 2 + 3 * 40;
    m_wide = shownType(commutator()) == CommutatorTypeP2G;
    update();
}

QRectF GraphicsCommutator::boundingRect() const
{
    const double halfPin = pinSize.width() / 2;
    const double x0 = isTurned() ? -halfPin : (symbolSize.width() - m_width) / 2;
    QRectF bounds(x0, 47 - m_height, m_width, m_height);
    if (m_wide)
        bounds.adjust(-wideTypeMargin, 0, wideTypeMargin, 0);
    // The name of a turned item runs along its side: keep it inside.
    if (!m_titleRect.isNull())
        bounds |= m_titleRect;
    return bounds.adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsCommutator::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    Commutator *bound = commutator();
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    const int kind = m_contactKind;

    // The common terminal, the hinge and the blade.
    painter->drawLine(QPointF(0, 0), QPointF(30, 0));
    painter->drawEllipse(QRectF(30, -10, 20, 20));
    painter->drawLine(QPointF(50, 0), QPointF(110, m_underCurrent ? -40 : 40));
    if (groupKindHasFront(kind)) {
        painter->drawLine(QPointF(130, -40), QPointF(160, -40));
        painter->drawEllipse(QRectF(110, -50, 20, 20));
    }
    if (groupKindHasBack(kind)) {
        painter->drawEllipse(QRectF(110, 30, 20, 20));
        // A free lower terminal is help only.
        Pin *lower = lowerPin();
        if (lower && !lower->isFree()) {
            painter->drawLine(QPointF(130, 40), QPointF(160, 40));
        } else if (!hideHelp) {
            painter->setPen(penGreen);
            painter->drawLine(QPointF(130, 40), QPointF(160, 40));
            painter->setPen(pen);
        }
    }

    if (hasFontSet()) {
        painter->setFont(font(3));
        drawTextAt(this, painter, QPointF(80, -50), Qt::AlignHCenter | Qt::AlignBottom, name());
        if (bound && pinCount() == contactGroupPinCount(kind)) {
            if (shownType(bound) == CommutatorTypeP2G)
                painter->setFont(font(2));
            int next = 0;
            drawTextAt(this, painter, QPointF(50, 11), Qt::AlignRight | Qt::AlignTop, pinText(wiringPin(next++)));
            if (groupKindHasFront(kind))
                drawTextAt(this, painter, QPointF(123, -35), Qt::AlignLeft | Qt::AlignTop,
                           pinText(wiringPin(next++)));
            if (groupKindHasBack(kind))
                drawTextAt(this, painter, QPointF(123, 35), Qt::AlignLeft | Qt::AlignBottom,
                           pinText(wiringPin(next++)));
        }
    }

    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

void GraphicsCommutator::saveData(DataStream &stream)
{
    stream << quint8(m_contactKind & 0xff) << m_underCurrent << m_contactNumber;
    GraphicsDevice::saveData(stream);
}

void GraphicsCommutator::loadData(DataStream &stream)
{
    quint8 kind = noKindByte;
    bool underCurrent = false;
    quint8 number = NoGroup;
    stream >> kind >> underCurrent >> number;
    if (stream.status() != QDataStream::Ok)
        return;
    // The form chooses the pins and their layout: a form beyond the table
    // is damaged data, never an index.
    if (kind != noKindByte && !isContactGroupKind(kind)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    m_underCurrent = underCurrent;
    m_contactNumber = number;
    if (kind != noKindByte)
        setContactKind(kind);
    GraphicsDevice::loadData(stream);
}

bool GraphicsCommutator::resolveLinks()
{
    if (!GraphicsDevice::resolveLinks())
        return false;
    if (!obj())
        return true;
    Commutator *bound = commutator();
    if (bound && bound->fitsGroup(this))
        return true;
    detachObj(false);
    return false;
}

GraphicsItem *createGraphicsCommutator(GraphicsScene *scene)
{
    return new GraphicsCommutator(scene);
}
