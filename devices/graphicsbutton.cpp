#include "devices/graphicsbutton.h"

#include "devices/button.h"
#include "devices/buttoncatalogue.h"
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

// The row of the bound button's type, for painting: no check boxes there.
const ButtonType *paintedType(const Button *button)
{
    const int index = button ? button->modelIndex() : -1;
    return index >= 0 && index < ButtonTypeCount ? &buttonTypes[index] : nullptr;
}

QString pinText(WiringPin *pin)
{
    return pin && pin->name() ? QString::fromLatin1(pin->name()) : QString();
}

} // namespace

GraphicsButton::GraphicsButton(GraphicsScene *scene)
    : GraphicsDevice(scene, BindShared, nullptr, CanRotate | CanMirrorHorizontal)
{
}

GraphicsButton::~GraphicsButton() = default;

Button *GraphicsButton::button() const
{
    return dynamic_cast<Button *>(obj());
}

QString GraphicsButton::contactKindName(int kind)
{
    if (!CHECK(isContactGroupKind(kind)))
        return QString();
    return QCoreApplication::translate("GraphicsButton", buttonContactKinds[kind].name);
}

bool GraphicsButton::setContactKind(int kind)
{
    if (kind == m_contactKind)
        return true;
    if (!CHECK(isContactGroupKind(kind)))
        return false;
    Button *bound = button();
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
        pin(next++)->moveCenter(QPointF(160, 0));
    if (groupKindHasBack(kind))
        pin(next++)->moveCenter(QPointF(120, 80));
    return true;
}

bool GraphicsButton::setContactNumber(quint8 number)
{
    Button *bound = button();
    if (bound && !bound->fitsGroup(m_contactKind, number, this))
        return false;
    m_contactNumber = number;
    return true;
}

bool GraphicsButton::setContactGroup(int kind, quint8 number)
{
    if (!CHECK(isContactGroupKind(kind)))
        return false;
    if (Button *bound = button()) {
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

void GraphicsButton::updatePinNames()
{
    if (!CHECK(isContactGroupKind(m_contactKind) && pinCount() == contactGroupPinCount(m_contactKind)
               && m_contactNumber != NoGroup))
        return;
    const char *names[3] = {nullptr, nullptr, nullptr};
    if (Button *bound = button()) {
        const ButtonType *type = bound->buttonType();
        // A group that cannot take the item's form names no pins rather
        // than reading past the group's names.
        if (CHECK(type && m_contactNumber < type->groupCount))
            contactGroupPinNames(type->groups[m_contactNumber], m_contactKind, names);
    }
    for (int i = 0; i < pinCount(); ++i)
        wiringPin(i)->setName(names[i]);
}

QString GraphicsButton::pinName(Pin *pin, Pin *)
{
    auto *named = dynamic_cast<WiringPin *>(pin);
    if (!named || !named->name())
        return QString();
    return pinLabel(name(), pin);
}

void GraphicsButton::updateFromObj()
{
    if (!CHECK(m_contactKind != -1) || !hasFontSet())
        return;
    const QRectF title = textRect(this, font(3), QPointF(80, -10), Qt::AlignHCenter | Qt::AlignBottom, name());
    prepareGeometryChange();
    m_titleRect = nameExtent(this, font(3), QPointF(80, -10), name());
    m_width = qMax(pinSize.width() + symbolSize.width(), title.width());
    m_height = pinSize.width() / 2 + 3 * 40;
    update();
}

QRectF GraphicsButton::boundingRect() const
{
    const double halfPin = pinSize.width() / 2;
    const double x0 = isTurned() ? -halfPin : (symbolSize.width() - m_width) / 2;
    QRectF bounds(x0, halfPin + 80 - m_height, m_width, m_height);
    // The name of a turned item runs along its side: keep it inside.
    if (!m_titleRect.isNull())
        bounds |= m_titleRect;
    return bounds.adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsButton::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    Button *bound = button();
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    const ButtonType *type = paintedType(bound);
    const int kind = m_contactKind;

    // The push cap and its stem, unless the type has none.
    const double d = m_underCurrent ? 0 : 13;
    const bool noCap = bound && type && type->noCap;
    double base = 40;
    if (!noCap) {
        painter->drawLine(QPointF(70, 0), QPointF(90, 0));
        painter->drawLine(QPointF(80, 0), QPointF(80, d + 20));
        base = 0;
    }
    painter->drawLine(QPointF(0, 0), QPointF(40, 0));
    painter->drawLine(QPointF(40, 0), QPointF(40, base + 20));
    painter->setPen(QPen(pen.color(), 2 * penWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->drawLine(QPointF(40, base + 20), QPointF(130, m_underCurrent ? 20 : 60));
    painter->setPen(pen);
    if (groupKindHasFront(kind)) {
        painter->drawLine(QPointF(120, 0), QPointF(160, 0));
        painter->drawLine(QPointF(120, 0), QPointF(120, 20));
    }
    if (groupKindHasBack(kind))
        painter->drawLine(QPointF(120, 60), QPointF(120, 80));

    const bool withText = hasFontSet();
    if (withText)
        painter->setFont(font(3));
    if (bound) {
        if (withText && pinCount() == contactGroupPinCount(kind)) {
            int next = 0;
            drawTextAt(this, painter, QPointF(35, 5), Qt::AlignRight | Qt::AlignTop, pinText(wiringPin(next++)));
            if (groupKindHasFront(kind))
                drawTextAt(this, painter, QPointF(135, 5), Qt::AlignLeft | Qt::AlignTop, pinText(wiringPin(next++)));
            if (groupKindHasBack(kind))
                drawTextAt(this, painter, QPointF(135, 75), Qt::AlignLeft | Qt::AlignBottom,
                           pinText(wiringPin(next++)));
        }
        if (type && type->latchMark && !type->noCap) {
            const QPointF latch[] = {QPointF(80, d + 20), QPointF(80, d + 50), QPointF(90, d + 40), QPointF(80, d + 40)};
            painter->drawPolyline(latch, 4);
        }
    }
    if (withText)
        drawTextAt(this, painter, QPointF(80, -10), Qt::AlignHCenter | Qt::AlignBottom, name());

    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

void GraphicsButton::saveData(DataStream &stream)
{
    stream << quint8(m_contactKind & 0xff) << m_underCurrent << m_contactNumber;
    GraphicsDevice::saveData(stream);
}

void GraphicsButton::loadData(DataStream &stream)
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

bool GraphicsButton::resolveLinks()
{
    if (!GraphicsDevice::resolveLinks())
        return false;
    if (!obj())
        return true;
    Button *bound = button();
    if (bound && bound->fitsGroup(this))
        return true;
    detachObj(false);
    return false;
}

GraphicsItem *createGraphicsButton(GraphicsScene *scene)
{
    return new GraphicsButton(scene);
}
