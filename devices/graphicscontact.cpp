#include "devices/graphicscontact.h"

#include "devices/contactsymbol.h"
#include "devices/graphicsrelaywinding.h"
#include "devices/pintext.h"
#include "devices/relay.h"
#include "devices/relaycatalogue.h"
#include "graphics/font.h"
#include "graphics/itemshared.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/displayflags.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

namespace {

// The kinds whose back contact is a stub ending at x 120.
bool backPinAtStub(int kind)
{
    return kind == NOBREAK || kind == MAGNET || kind == NEUTRAL || kind == POLARIZED || kind == NEUTRAL_T;
}

// The kinds whose parts are drawn as help while their pins are free.
bool showsFreeParts(int kind)
{
    return kind == NOBREAK || kind == MAGNET || kind == POLAR_MAGNET || kind == POLAR_INTENSIV
        || kind == POLARIZED || kind == THERMO;
}

bool isKind(int kind)
{
    return kind >= 0 && kind < ContactKindCount;
}

// Horizontal room of the pin labels right of the symbol.
double labelShift(int kind)
{
    return kind == NOBREAK ? 25 : 15;
}

} // namespace

bool hasFrontContact(int kind)
{
    return kind != INTENSIV_T && kind != NEUTRAL_T;
}

bool hasBackContact(int kind)
{
    return kind != INTENSIV_F && kind != NEUTRAL_F;
}

bool isPolarContact(int kind)
{
    return kind == POLAR_MAGNET || kind == POLAR_INTENSIV || kind == POLARIZED;
}

bool isContactKindCompatible(int catalogueKind, int itemKind)
{
    if (catalogueKind == itemKind)
        return true;
    switch (catalogueKind) {
    case INTENSIV:
        return itemKind == INTENSIV_F || itemKind == INTENSIV_T;
    case NEUTRAL:
        return itemKind == NEUTRAL_F || itemKind == NEUTRAL_T;
    case INTENSIV_FUT:
        return itemKind == INTENSIV_F || itemKind == NEUTRAL_T;
    case INTENSIV_FTU:
        return itemKind == INTENSIV_T || itemKind == NEUTRAL_F;
    default:
        return false;
    }
}

GraphicsContact::GraphicsContact(GraphicsScene *scene)
    : GraphicsDevice(scene, BindByName, nullptr, CanRotate | CanMirrorHorizontal)
{
}

GraphicsContact::~GraphicsContact() = default;

GraphicsRelayWinding *GraphicsContact::windingItem() const
{
    return dynamic_cast<GraphicsRelayWinding *>(obj());
}

bool GraphicsContact::fitsWinding(int kind, int number) const
{
    GraphicsRelayWinding *winding = windingItem();
    return winding && isKind(kind) && number >= 0 && number < winding->catalogueContactCount()
        && isContactKindCompatible(
            relayTypes[winding->relayType()].windings[winding->winding()].contacts[number].kind, kind);
}

bool GraphicsContact::setContactNumber(quint8 number)
{
    if (GraphicsRelayWinding *winding = windingItem()) {
        const GraphicsContact *shown = winding->contactAt(number);
        if (!fitsWinding(m_contactKind, number) || (shown && shown != this))
            return false;
    }
    m_contactNumber = number;
    return true;
}

bool GraphicsContact::setContactKind(int kind)
{
    if (kind == m_contactKind)
        return true;
    if (!CHECK(isKind(kind)))
        return false;
    if (windingItem() && !fitsWinding(kind, m_contactNumber))
        return false;
    m_contactKind = kind;
    createPins(contactKinds[kind].pinCount);
    if (pinCount() != contactKinds[kind].pinCount)
        return true;
    int next = 0;
    pin(next++)->moveCenter(QPointF(0, isPolarContact(kind) ? 40 : 0));
    if (hasFrontContact(kind))
        pin(next++)->moveCenter(QPointF(160, 0));
    if (hasBackContact(kind))
        pin(next++)->moveCenter(QPointF(backPinAtStub(kind) ? 120 : 160, 80));
    if (kind == THERMO) {
        pin(next++)->moveCenter(QPointF(0, 160));
        pin(next++)->moveCenter(QPointF(160, 160));
    }
    return true;
}

Address *GraphicsContact::address()
{
    // Painters and pin labels ask for it: an unbound contact simply has
    // none.
    GraphicsRelayWinding *winding = windingItem();
    return winding ? winding->address() : nullptr;
}

bool GraphicsContact::showAddress() const
{
    GraphicsRelayWinding *winding = windingItem();
    if (!CHECK_PTR(winding))
        return false;
    return winding->showAddress();
}

void GraphicsContact::updatePinNames()
{
    if (!CHECK(isKind(m_contactKind) && pinCount() == contactKinds[m_contactKind].pinCount
               && m_contactNumber != NoContact))
        return;
    const auto clearNames = [this] {
        for (int i = 0; i < pinCount(); ++i)
            wiringPin(i)->setName(nullptr);
    };
    if (!obj()) {
        clearNames();
        return;
    }
    GraphicsRelayWinding *winding = windingItem();
    if (!CHECK_PTR(winding ? winding->relay() : nullptr)
        || !CHECK(m_contactNumber < winding->catalogueContactCount())) {
        clearNames();
        return;
    }
    const ContactSet &set = relayTypes[winding->relayType()].windings[winding->winding()].contacts[m_contactNumber];
    // Acceptance never binds a form that the contact cannot take; the
    // names of another form would be read past.
    if (!CHECK(isContactKindCompatible(set.kind, m_contactKind))) {
        clearNames();
        return;
    }
    const char *const *names = set.names;
    int next = 0;
    wiringPin(next++)->setName(names[0]);
    if (hasFrontContact(m_contactKind))
        wiringPin(next++)->setName(names[1]);
    if (hasBackContact(m_contactKind))
        wiringPin(next++)->setName(contactKinds[set.kind].pinCount == 2 ? names[1] : names[2]);
    if (m_contactKind == THERMO) {
        wiringPin(next++)->setName(names[3]);
        wiringPin(next++)->setName(names[4]);
    }
}

void GraphicsContact::updateFromObj()
{
    if (!CHECK(m_contactKind != -1) || !hasFontSet())
        return;
    refreshExtent();
}

void GraphicsContact::measureExtent()
{
    if (!isKind(m_contactKind) || !hasFontSet())
        return;
    const QSizeF box = contactSize(m_contactKind);
    const double halfPin = pinSize.width() / 2;
    const QRectF title = textRect(this, font(showBigDeviceNames ? 4 : 3), QPointF(80, -10),
                                  Qt::AlignHCenter | Qt::AlignBottom, name());
    double margin = 0;
    double height = 0;
    if (!isTurned()) {
        const double labelWidth = textAdvance(font(3), pinText(wiringPin(0)));
        margin = labelWidth + labelShift(m_contactKind) - 40;
        height = box.height() + 80 + halfPin;
    } else {
        height = title.height() + box.height() + halfPin;
    }
    m_height = height + 10;
    m_width = qMax(box.width() + qMax(pinSize.width(), 2 * margin), title.width());
}

QRectF GraphicsContact::boundingRect() const
{
    settleExtent();
    const QSizeF box = isKind(m_contactKind) ? contactSize(m_contactKind) : symbolSize;
    const double halfPin = pinSize.width() / 2;
    const double x0 = isTurned() ? -halfPin : (box.width() - m_width) / 2;
    return QRectF(x0, box.height() + halfPin - m_height, m_width, m_height).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsContact::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool selected = option && (option->state & QStyle::State_Selected);
    const bool bound = obj() != nullptr;
    const QPen &pen = itemPen(option);
    const QPen &dashPen = selected ? penBlueDash : (bound ? penBlackDash : penRedDash);
    const int kind = m_contactKind;

    // A part whose pin is free is help, unless the item is selected.
    bool frontOn = true;
    bool backOn = true;
    if (!selected && bound && pinCount() >= 3 && showsFreeParts(kind)) {
        frontOn = !pin(1)->isFree();
        backOn = !pin(2)->isFree();
    }
    painter->setPen(pen);
    drawContact(painter, kind, m_underCurrent, pen, dashPen, frontOn, backOn, hideHelp);
    if (!hasFontSet())
        return;
    painter->setFont(font(3));

    QString address;
    if (bound) {
        const double dx = labelShift(kind);
        const double dy = kind == MAGNET || kind == POLAR_MAGNET || kind == POLAR_INTENSIV ? 10 : 0;
        const double py = isPolarContact(kind) ? 40 : 0;
        int next = 0;
        drawTextAt(this, painter, QPointF(35, py + 5), Qt::AlignRight | Qt::AlignTop, pinText(wiringPin(next++)));
        const auto partLabel = [&](bool on, const QPointF &at, int alignment, WiringPin *p) {
            if (!showNumContacts)
                return;
            if (on) {
                drawTextAt(this, painter, at, alignment, pinText(p));
                return;
            }
            if (hideHelp)
                return;
            painter->setPen(penGreen);
            drawTextAt(this, painter, at, alignment, pinText(p));
            painter->setPen(pen);
        };
        if (hasFrontContact(kind))
            partLabel(frontOn, QPointF(120 + dx, dy + 5), Qt::AlignLeft | Qt::AlignTop, wiringPin(next++));
        if (hasBackContact(kind))
            partLabel(backOn, QPointF(120 + dx, 75), Qt::AlignLeft | Qt::AlignBottom, wiringPin(next++));
        if (kind == THERMO) {
            drawTextAt(this, painter, QPointF(40, 155), Qt::AlignRight | Qt::AlignBottom, pinText(wiringPin(next++)));
            drawTextAt(this, painter, QPointF(120, 155), Qt::AlignLeft | Qt::AlignBottom, pinText(wiringPin(next++)));
        }
        GraphicsRelayWinding *winding = windingItem();
        Relay *relay = winding ? winding->relay() : nullptr;
        if (relay && relay->showAddress())
            address = addressText();
    }

    const int bottomAligned = Qt::AlignHCenter | Qt::AlignBottom;
    if (showBigDeviceNames) {
        if (isTurned()) {
            drawTextAt(this, painter, QPointF(60, -10), bottomAligned, address);
            painter->setFont(font(4));
            drawTextAt(this, painter, QPointF(100, -10), bottomAligned, name());
        } else {
            drawTextAt(this, painter, QPointF(80, -50), bottomAligned, address);
            painter->setFont(font(4));
            drawTextAt(this, painter, QPointF(80, -10), bottomAligned, name());
        }
        painter->setFont(font(3));
    } else {
        drawTextAt(this, painter, QPointF(80, -10), bottomAligned, address + lineSeparator + name());
    }

    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

void GraphicsContact::saveData(DataStream &stream)
{
    stream << quint8(m_contactKind & 0xff) << m_underCurrent << m_contactNumber;
    GraphicsDevice::saveData(stream);
}

void GraphicsContact::loadData(DataStream &stream)
{
    quint8 kind = 0xff;
    bool underCurrent = false;
    quint8 number = NoContact;
    stream >> kind >> underCurrent >> number;
    if (stream.status() != QDataStream::Ok)
        return;
    // The kind chooses the pins and their layout: a kind beyond the
    // table is damaged data, never an index. The low byte of "none" is
    // read back as none.
    if (kind != 0xff && !isKind(kind)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    m_underCurrent = underCurrent;
    m_contactNumber = number;
    if (kind != 0xff)
        setContactKind(kind);
    GraphicsDevice::loadData(stream);
}

bool GraphicsContact::resolveLinks()
{
    if (!GraphicsDevice::resolveLinks())
        return false;
    if (!windingItem() || fitsWinding(m_contactKind, m_contactNumber))
        return true;
    detachObj(false);
    return false;
}

GraphicsItem *createGraphicsContact(GraphicsScene *scene)
{
    return new GraphicsContact(scene);
}
