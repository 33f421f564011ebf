#include "devices/graphicskeystaff.h"

#include "devices/contactsymbol.h"
#include "devices/fusesymbol.h"
#include "devices/groupcatalogue.h"
#include "devices/keystaff.h"
#include "devices/keystaffcatalogue.h"
#include "graphics/font.h"
#include "model/datastream.h"
#include "model/displayflags.h"
#include "model/pin.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

namespace {

enum { StandClosed = 0, StandOpened = 1, ContactT = 2, ResistorStand = 3 };

// The changeover half of a relay contact that the "Contact t" kind shows.
const int contactKindT = 11;
// Pin size plus symbol width.
const double keystaffMinimumWidth = 174;
// The format that added the kind to the record.
const int kindFormat = 11;

QString keystaffPinText(WiringPin *pin)
{
    return pin && pin->name() ? QCoreApplication::translate("Keystaff", pin->name()) : QString();
}

} // namespace

GraphicsKeystaff::GraphicsKeystaff(GraphicsScene *scene)
    : GraphicsGroupedDevice(scene, keystaffCatalogue)
{
    setTextWidth(keystaffMinimumWidth);
    setContactKind(StandClosed);
}

GraphicsKeystaff::~GraphicsKeystaff() = default;

Keystaff *GraphicsKeystaff::keystaff() const
{
    return dynamic_cast<Keystaff *>(obj());
}

QString GraphicsKeystaff::kindName(int kind)
{
    return keystaffCatalogue.kindName(kind);
}

void GraphicsKeystaff::placePins()
{
    pin(0)->moveCenter(QPointF(0, 0));
    pin(1)->moveCenter(kind() == ContactT ? QPointF(120, 80) : QPointF(160, 0));
}

bool GraphicsKeystaff::groupReadFits(const GroupedDevice *device) const
{
    return number() < device->groupCount();
}

QRectF GraphicsKeystaff::boundingRect() const
{
    const double w = textWidth();
    const double x0 = (160 - w) / 2;
    QRectF box;
    switch (kind()) {
    case ContactT:
        box = QRectF(x0, -40, w, 127);
        break;
    case ResistorStand:
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
    return qMax(keystaffMinimumWidth, title.width());
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
            drawTextInRect(this, painter, rect, alignment, keystaffPinText(wiringPin(index)), false);
    };

    double nameRow = -80;
    switch (kind()) {
    case ContactT:
        drawContact(painter, contactKindT, false, pen, penBlackDash, true, true, false);
        label(QRectF(0, 0, 40, 40), Qt::AlignCenter, 0);
        label(QRectF(130, 40, 40, 40), Qt::AlignCenter, 1);
        nameRow = -40;
        break;
    case ResistorStand:
        drawFuseSymbol(painter);
        label(QRectF(0, 0, 40, 40), Qt::AlignCenter, 0);
        label(QRectF(120, 0, 40, 40), Qt::AlignCenter, 1);
        nameRow = -60;
        break;
    default:
        painter->drawLine(QLineF(0, 0, 30, 0));
        painter->drawLine(QLineF(130, 0, 160, 0));
        if (kind() == StandClosed) {
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
    stream << number() << quint8(kind());
    GraphicsGroupedDevice::saveData(stream);
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
    setReadNumber(number);
    setContactKind(kind);
    GraphicsGroupedDevice::loadData(stream);
}

GraphicsItem *createGraphicsKeystaff(GraphicsScene *scene)
{
    return new GraphicsKeystaff(scene);
}
