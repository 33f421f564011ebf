#include "devices/graphicsfuse.h"

#include "devices/fuse.h"
#include "devices/fusecatalogue.h"
#include "devices/fusesymbol.h"
#include "devices/pintext.h"
#include "graphics/font.h"
#include "graphics/itemshared.h"
#include "model/address.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/itemtypes.h"
#include "model/pin.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

namespace {

// Pin size plus symbol width.
const double fuseMinimumWidth = 174;

} // namespace

GraphicsFuse::GraphicsFuse(GraphicsScene *scene)
    : GraphicsDevice(scene, BindShared, nullptr, CanRotate | CanMirrorHorizontal)
{
    setTextWidth(fuseMinimumWidth);
}

GraphicsFuse::~GraphicsFuse() = default;

Fuse *GraphicsFuse::fuse() const
{
    return dynamic_cast<Fuse *>(obj());
}

void GraphicsFuse::setRole(bool duplicate, bool reservation)
{
    if (duplicate == m_duplicate && reservation == m_reservation && pinCount() > 0)
        return;
    prepareGeometryChange();
    m_duplicate = duplicate;
    m_reservation = reservation;
    if (isReservationItem()) {
        createPins(1);
        if (pinCount() == 1)
            pin(0)->moveCenter(QPointF(160, 40));
    } else {
        createPins(2);
        if (pinCount() == 2) {
            pin(0)->moveCenter(QPointF(0, 40));
            pin(1)->moveCenter(QPointF(160, 40));
        }
    }
    updatePinNames();
    update();
}

QRectF GraphicsFuse::boundingRect() const
{
    const double w = textWidth();
    const double x0 = (160 - w) / 2;
    const QRectF box = isFusionControl() ? QRectF(x0, -40, w, 160) : QRectF(x0, -80, w, 200);
    return box.adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsFuse::updatePinNames()
{
    const bool reservation = isReservationItem();
    if (pinCount() != (reservation ? 1 : 2))
        return;
    int position = 0;
    Fuse *bound = fuse();
    const Address *at = bound ? bound->address() : nullptr;
    if (at && at->suffixKind() != suffixN)
        position = at->field(5);
    if (!CHECK(position < FusePositionCount))
        return;
    const char *const *names = fusePinNames[position];
    if (reservation) {
        wiringPin(0)->setName(names[1]);
    } else if (isFusionControl()) {
        wiringPin(0)->setName(names[2]);
        wiringPin(1)->setName(names[3]);
    } else {
        wiringPin(0)->setName(names[0]);
        wiringPin(1)->setName(names[1]);
    }
}

void GraphicsFuse::updateFromObj()
{
    if (hasFontSet())
        refreshTextWidth();
}

double GraphicsFuse::measureTextWidth() const
{
    return qMax(textAdvance(font(3), name()), fuseMinimumWidth);
}

void GraphicsFuse::reportPin(Pin *entry, QList<Pin *> &pins)
{
    if (!CHECK(ownsPin(entry)))
        return;
    if (!isReservationItem()) {
        pins.append(entry);
        return;
    }
    Fuse *bound = fuse();
    GraphicsFuse *primary = bound ? bound->primaryItem() : nullptr;
    if (primary && primary->pinCount() == 2)
        pins.append(primary->pin(1));
}

void GraphicsFuse::collectNetPins(Pin *entry, QList<Pin *> &pins)
{
    reportPin(entry, pins);
}

void GraphicsFuse::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int)
{
    reportPin(entry, pins);
}

void GraphicsFuse::allPins(QList<Pin *> &pins)
{
    if (isReservationItem())
        return;
    for (int i = 0; i < pinCount(); ++i) {
        WiringPin *p = wiringPin(i);
        if (p && p->name() && !p->isFree())
            pins.append(p);
    }
}

void GraphicsFuse::pinsByName(QHash<QString, Pin *> &pins)
{
    if (isReservationItem())
        return;
    GraphicsDevice::pinsByName(pins);
}

void GraphicsFuse::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool selected = option && (option->state & QStyle::State_Selected);
    Fuse *bound = fuse();
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    const bool reservation = isReservationItem();
    const bool fusion = isFusionControl();
    const double w = textWidth();
    const double x0 = (160 - w) / 2;

    if (hasFontSet()) {
        painter->setFont(font(3));
        // The caption: the address and, but for the contact, the model.
        if (bound) {
            QString caption;
            if (showAddress() && address())
                caption = addressText();
            if (!fusion) {
                if (!caption.isEmpty())
                    caption += lineSeparator;
                caption += bound->modelName();
                if (bound->hasContact()) {
                    painter->drawLine(QLineF(100, 15, 100, 0));
                    painter->drawLine(QLineF(100, 0, 120, 0));
                }
            }
            drawTextInRect(this, painter, QRectF(x0, -80, w, 80), Qt::AlignHCenter | Qt::AlignBottom, caption,
                           false);
        }

        // The pin names beside the terminals.
        if (reservation) {
            drawTextInRect(this, painter, QRectF(125, 40, 42, 40), Qt::AlignLeft | Qt::AlignTop,
                           pinText(wiringPin(0)), false);
        } else {
            const double y = fusion ? 46 : 40;
            drawTextInRect(this, painter, QRectF(-7, y, 42, 40), Qt::AlignRight | Qt::AlignTop,
                           pinText(wiringPin(0)), false);
            drawTextInRect(this, painter, QRectF(125, y, 42, 40), Qt::AlignLeft | Qt::AlignTop,
                           pinText(wiringPin(1)), false);
        }

        // The item's name: printed, or shown as help.
        const QRectF nameRect(x0, 80, w, 40);
        if (m_printName) {
            drawTextInRect(this, painter, nameRect, Qt::AlignHCenter | Qt::AlignTop, name(), false);
        } else if (!hideHelp) {
            if (&pen == &penBlack)
                painter->setPen(penGreen);
            drawTextInRect(this, painter, nameRect, Qt::AlignHCenter | Qt::AlignTop, name(), false);
            painter->setPen(pen);
        }
    }

    // The body.
    if (fusion) {
        painter->drawLine(QLineF(0, 40, 30, 40));
        painter->drawLine(QLineF(130, 40, 160, 40));
        painter->drawEllipse(QRectF(30, 30, 20, 20));
        painter->drawEllipse(QRectF(110, 30, 20, 20));
        painter->drawLine(QLineF(50, 40, 110, 10));
    } else {
        if (reservation)
            painter->setPen(selected ? penBlueDash : (bound ? penBlackDash : penRedDash));
        painter->drawLine(QLineF(40, 40, 120, 40));
        painter->translate(0, 40);
        drawFuseSymbol(painter);
        painter->translate(0, -40);
        painter->setPen(pen);
    }

    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

void GraphicsFuse::saveData(DataStream &stream)
{
    stream << m_duplicate << m_reservation << m_printName;
    GraphicsDevice::saveData(stream);
}

void GraphicsFuse::loadData(DataStream &stream)
{
    bool duplicate = false;
    bool reservation = false;
    bool print = false;
    stream >> duplicate >> reservation >> print;
    if (stream.status() != QDataStream::Ok)
        return;
    m_printName = print;
    setRole(duplicate, reservation);
    GraphicsDevice::loadData(stream);
}

GraphicsItem *createGraphicsFuse(GraphicsScene *scene)
{
    return new GraphicsFuse(scene);
}
