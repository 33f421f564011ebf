#include "devices/graphicsswitchgroup.h"

#include "devices/contactgroup.h"
#include "devices/nameextent.h"
#include "devices/pintext.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/pin.h"

namespace {

// The stored byte of an item without a form.
const quint8 noKindByte = 0xff;

} // namespace

GraphicsSwitchGroup::GraphicsSwitchGroup(GraphicsScene *scene, const GroupCatalogue &catalogue, double raise,
                                         QPointF frontPin, QPointF backPin)
    : GraphicsGroupedDevice(scene, catalogue)
    , m_raise(raise)
    , m_frontPin(frontPin)
    , m_backPin(backPin)
{
}

GraphicsSwitchGroup::~GraphicsSwitchGroup() = default;

void GraphicsSwitchGroup::placePins()
{
    const int kind = contactKind();
    int next = 0;
    pin(next++)->moveCenter(QPointF(0, 0));
    if (groupKindHasFront(kind))
        pin(next++)->moveCenter(m_frontPin);
    if (groupKindHasBack(kind))
        pin(next++)->moveCenter(m_backPin);
}

double GraphicsSwitchGroup::sideMargin() const
{
    return 0;
}

void GraphicsSwitchGroup::updateFromObj()
{
    if (!CHECK(contactKind() != -1) || !hasFontSet())
        return;
    const QRectF title = textRect(this, font(3), QPointF(80, -10), Qt::AlignHCenter | Qt::AlignBottom, name());
    prepareGeometryChange();
    m_titleRect = nameExtent(this, font(3), QPointF(80, -10 - m_raise), name());
    m_width = qMax(pinSize.width() + symbolSize.width(), title.width());
    m_height = pinSize.width() / 2 + 3 * 40;
    m_margin = sideMargin();
    update();
}

QRectF GraphicsSwitchGroup::boundingRect() const
{
    const double halfPin = pinSize.width() / 2;
    const double x0 = isTurned() ? -halfPin : (symbolSize.width() - m_width) / 2;
    QRectF bounds(x0, halfPin + 80 - m_raise - m_height, m_width, m_height);
    bounds.adjust(-m_margin, 0, m_margin, 0);
    // The name of a turned item runs along its side: keep it inside.
    if (!m_titleRect.isNull())
        bounds |= m_titleRect;
    return bounds.adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsSwitchGroup::drawPinNames(QPainter *painter, const QPointF &common, const QPointF &front,
                                       const QPointF &back)
{
    const int kind = contactKind();
    if (pinCount() != contactGroupPinCount(kind))
        return;
    int next = 0;
    drawTextAt(this, painter, common, Qt::AlignRight | Qt::AlignTop, latin1PinText(wiringPin(next++)));
    if (groupKindHasFront(kind))
        drawTextAt(this, painter, front, Qt::AlignLeft | Qt::AlignTop, latin1PinText(wiringPin(next++)));
    if (groupKindHasBack(kind))
        drawTextAt(this, painter, back, Qt::AlignLeft | Qt::AlignBottom, latin1PinText(wiringPin(next++)));
}

void GraphicsSwitchGroup::saveData(DataStream &stream)
{
    stream << quint8(contactKind() & 0xff) << m_underCurrent << contactNumber();
    GraphicsGroupedDevice::saveData(stream);
}

void GraphicsSwitchGroup::loadData(DataStream &stream)
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
    setReadNumber(number);
    if (kind != noKindByte)
        setContactKind(kind);
    GraphicsGroupedDevice::loadData(stream);
}
