#include "devices/graphicskeystaff.h"

#include "app/dlgsettings.h"
#include "devices/contactsymbol.h"
#include "devices/fusesymbol.h"
#include "devices/keystaff.h"
#include "devices/keystaffcatalogue.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/pin.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

namespace {

enum { StandClosed = 0, StandOpened = 1, ContactT = 2, Resistor = 3 };

// The changeover half of a relay contact that the "Contact t" kind shows.
const int contactKindT = 11;
// Pin size plus symbol width.
const double minimumWidth = 174;
// The format that added the kind to the record.
const int kindFormat = 11;

QString pinText(WiringPin *pin)
{
    return pin && pin->name() ? QCoreApplication::translate("Keystaff", pin->name()) : QString();
}

} // namespace

GraphicsKeystaff::GraphicsKeystaff(GraphicsScene *scene)
    : GraphicsDevice(scene, BindShared, nullptr, CanRotate | CanMirrorHorizontal)
{
    setTextWidth(minimumWidth);
    createPins(2);
    if (pinCount() == 2) {
        pin(0)->moveCenter(QPointF(0, 0));
        pin(1)->moveCenter(QPointF(160, 0));
    }
}

GraphicsKeystaff::~GraphicsKeystaff() = default;

Keystaff *GraphicsKeystaff::keystaff() const
{
    return dynamic_cast<Keystaff *>(obj());
}

QString GraphicsKeystaff::kindName(int kind)
{
    if (!CHECK(isKeystaffKind(kind)))
        return QString();
    return QCoreApplication::translate("GraphicsKeystaff", keystaffKinds[kind].name);
}

bool GraphicsKeystaff::setKind(int kind)
{
    if (kind == m_kind)
        return true;
    if (!CHECK(isKeystaffKind(kind)))
        return false;
    Keystaff *bound = keystaff();
    if (bound && !bound->fitsGroup(kind, m_number, this))
        return false;
    prepareExtentChange();
    m_kind = kind;
    createPins(keystaffKinds[kind].pinCount);
    if (pinCount() != keystaffKinds[kind].pinCount)
        return true;
    pin(0)->moveCenter(QPointF(0, 0));
    pin(1)->moveCenter(kind == ContactT ? QPointF(120, 80) : QPointF(160, 0));
    update();
    return true;
}

bool GraphicsKeystaff::setNumber(quint8 number)
{
    Keystaff *bound = keystaff();
    if (bound && !bound->fitsGroup(m_kind, number, this))
        return false;
    m_number = number;
    return true;
}

bool GraphicsKeystaff::setGroup(int kind, quint8 number)
{
    if (!CHECK(isKeystaffKind(kind)))
        return false;
    if (Keystaff *bound = keystaff()) {
        const int group = bound->groupFor(kind, number, this);
        if (group < 0)
            return false;
        number = quint8(group);
        // The group first: the kind then fits it.
        m_number = number;
    }
    setKind(kind);
    m_number = number;
    return true;
}

QRectF GraphicsKeystaff::boundingRect() const
{
    const double w = textWidth();
    const double x0 = (160 - w) / 2;
    QRectF box;
    switch (m_kind) {
    case ContactT:
        box = QRectF(x0, -40, w, 127);
        break;
    case Resistor:
        box = QRectF(x0, -60, w, 100);
        break;
    default:
        box = QRectF(x0, -80, w, 87);
        break;
    }
    return box.adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsKeystaff::updateFromObj()
{
    if (hasFontSet())
        refreshTextWidth();
}

double GraphicsKeystaff::measureTextWidth() const
{
    const QRectF title = textRect(this, font(showBigDeviceNames ? 4 : 3), QPointF(80, -10),
                                  Qt::AlignHCenter | Qt::AlignBottom, name());
    return qMax(minimumWidth, title.width());
}

void GraphicsKeystaff::updatePinNames()
{
    if (!CHECK(m_number != NoGroup))
        return;
    const auto setNames = [this](const char *first, const char *second) {
        if (WiringPin *p = wiringPin(0))
            p->setName(first);
        if (WiringPin *p = wiringPin(1))
            p->setName(second);
    };
    Keystaff *bound = keystaff();
    if (!bound) {
        setNames(nullptr, nullptr);
        return;
    }
    const int type = bound->modelIndex();
    if (!CHECK(isKeystaffType(type) && m_number < keystaffTypes[type].groupCount)) {
        setNames(nullptr, nullptr);
        return;
    }
    const KeystaffGroup &group = keystaffTypes[type].groups[m_number];
    setNames(group.pins[0], group.pins[1]);
}

QString GraphicsKeystaff::pinName(Pin *pin, Pin *)
{
    // An unnamed pin (an unbound item's) has no label of its own.
    auto *named = dynamic_cast<WiringPin *>(pin);
    if (!named || !named->name())
        return QString();
    return pinLabel(name(), pin);
}

void GraphicsKeystaff::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool bound = obj() != nullptr;
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    const bool withText = hasFontSet();
    if (withText)
        painter->setFont(font(3));
    const auto label = [&](const QRectF &rect, int alignment, int index) {
        if (bound && withText)
            drawTextInRect(this, painter, rect, alignment, pinText(wiringPin(index)), false);
    };

    double nameRow = -80;
    switch (m_kind) {
    case ContactT:
        drawContact(painter, contactKindT, false, pen, penBlackDash, true, true, false);
        label(QRectF(0, 0, 40, 40), Qt::AlignCenter, 0);
        label(QRectF(130, 40, 40, 40), Qt::AlignCenter, 1);
        nameRow = -40;
        break;
    case Resistor:
        drawFuseSymbol(painter);
        label(QRectF(0, 0, 40, 40), Qt::AlignCenter, 0);
        label(QRectF(120, 0, 40, 40), Qt::AlignCenter, 1);
        nameRow = -60;
        break;
    default:
        painter->drawLine(QLineF(0, 0, 30, 0));
        painter->drawLine(QLineF(130, 0, 160, 0));
        if (m_kind == StandClosed) {
            painter->drawLine(QLineF(80, 0, 80, -20));
            painter->drawLine(QLineF(50, 0, 110, 0));
        } else {
            painter->drawLine(QLineF(80, -10, 80, -20));
            painter->drawLine(QLineF(50, -20, 110, 0));
        }
        painter->drawEllipse(QRectF(30, -10, 20, 20));
        painter->drawEllipse(QRectF(110, -10, 20, 20));
        painter->drawEllipse(QRectF(70, -40, 20, 20));
        label(QRectF(0, -40, 40, 40), Qt::AlignTop | Qt::AlignHCenter, 0);
        label(QRectF(120, -40, 40, 40), Qt::AlignTop | Qt::AlignHCenter, 1);
        break;
    }

    if (withText) {
        if (showBigDeviceNames)
            painter->setFont(font(4));
        const double w = textWidth();
        drawTextInRect(this, painter, QRectF((160 - w) / 2, nameRow, w, 40), Qt::AlignCenter, name(), false);
        painter->setFont(font(3));
    }

    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

void GraphicsKeystaff::saveData(DataStream &stream)
{
    stream << m_number << quint8(m_kind);
    GraphicsDevice::saveData(stream);
}

void GraphicsKeystaff::loadData(DataStream &stream)
{
    quint8 number = NoGroup;
    stream >> number;
    quint8 kind = 0;
    if (stream.formatIndex() >= kindFormat)
        stream >> kind;
    if (stream.status() != QDataStream::Ok)
        return;
    // The kind chooses the pins and their layout: a kind beyond the four is
    // damaged data, never an index.
    if (!isKeystaffKind(kind)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    m_number = number;
    setKind(kind);
    GraphicsDevice::loadData(stream);
}

bool GraphicsKeystaff::resolveLinks()
{
    if (!GraphicsDevice::resolveLinks())
        return false;
    if (!obj())
        return true;
    Keystaff *bound = keystaff();
    if (bound && m_number < bound->groupCount())
        return true;
    detachObj(false);
    return false;
}

GraphicsItem *createGraphicsKeystaff(GraphicsScene *scene)
{
    return new GraphicsKeystaff(scene);
}
