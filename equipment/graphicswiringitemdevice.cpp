#include "equipment/graphicswiringitemdevice.h"

#include "graphics/font.h"
#include "model/device.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/net.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

// Lengths of the picture, from the row height of its texts.
const double deviceRowHeight = 40;
const double deviceStubLength = 190;

// A chain that ends at a ground item is labelled as the ground symbol
// labels it.
QString groundText()
{
    return QCoreApplication::translate("Ground", "GROUND");
}

} // namespace

GraphicsWiringItemDevice::GraphicsWiringItemDevice(GraphicsScene *scene, GraphicsItem *parent, Device *device,
                                                   const Address *address)
    : GraphicsWiringItem(scene, parent)
    , m_device(device)
    , m_address(address ? *address : Address())
    , m_hasAddress(address != nullptr)
{
}

GraphicsWiringItemDevice::~GraphicsWiringItemDevice()
{
    Device *device = m_device;
    m_device = nullptr;
    if (device)
        device->forgetWiringItem(this);
}

QRectF GraphicsWiringItemDevice::boundingRect() const
{
    return QRectF(-320, -80, 840, 160);
}

void GraphicsWiringItemDevice::draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool)
{
    if (!painter)
        return;
    const bool withText = hasFontSet();
    painter->setPen(penBlack);
    if (withText)
        painter->setFont(font(4));
    painter->drawRect(QRectF(-20, -40, 200, 80));
    if (m_hasAddress && withText)
        painter->drawText(QRectF(-20, -80, 200, 40), Qt::AlignCenter, m_address.toString(3));

    if (Device *shown = device()) {
        // The links belong to the device's one scene item; a device shown
        // by several items (or none) has no terminals to speak of here.
        const QList<ObjItem *> &items = shown->items();
        PinOwner *owner = items.size() == 1 && items.first() ? items.first()->pinOwner() : nullptr;
        if (owner && owner->pinCount() == 2 && withText) {
            const int language = shown->project() ? shown->project()->language() : 0;
            auto *left = dynamic_cast<WiringPin *>(owner->pin(0));
            auto *right = dynamic_cast<WiringPin *>(owner->pin(1));
            if (left)
                drawPinLinks(painter, left, QPointF(0, 0), true, false, language, deviceRowHeight, deviceStubLength);
            if (right)
                drawPinLinks(painter, right, QPointF(160, 0), false, false, language, deviceRowHeight, deviceStubLength);
        }
        shown->paintPicture(painter);
    }

    painter->setPen(penBlack);
    painter->setBrush(QBrush(painter->pen().color(), Qt::SolidPattern));
    painter->drawEllipse(QRectF(-5, -5, 10, 10));
    painter->drawEllipse(QRectF(155, -5, 10, 10));
    if (withText) {
        painter->setFont(font(3));
        painter->drawText(QRectF(-20, -40, 40, 40), Qt::AlignCenter, QStringLiteral("1"));
        painter->drawText(QRectF(140, -40, 40, 40), Qt::AlignCenter, QStringLiteral("2"));
    }
    painter->setBrush(Qt::NoBrush);
}

void GraphicsWiringItemDevice::drawPinLinks(QPainter *painter, WiringPin *pin, const QPointF &terminal, bool left,
                                            bool up, int language, double h, double length)
{
    if (!painter || !pin)
        return;
    const Address *own = pin->owner() ? pin->owner()->address() : nullptr;
    if (!own)
        return;
    const double x = terminal.x();
    const double y = terminal.y();
    const int align = Qt::AlignVCenter | (left ? Qt::AlignRight : Qt::AlignLeft);
    int row = 0;
    for (int slot = 0; slot < pin->linkCapacity(); ++slot) {
        WiringPin *far = pin->linkSlot(slot);
        if (!far)
            continue;
        const QString label = far->labelText(own, pin);
        if (row == 0) {
            QString source;
            bool ground = false;
            const int section = pin->sourceName(&source, &ground);
            if (ground)
                source = groundText();
            // The chain's wire section, in the project's language, leads.
            const QString sectionText = GraphicsNet::sectionText(section, false, language != 0);
            if (!sectionText.isEmpty())
                source = sectionText + QLatin1Char(' ') + source;
            painter->drawLine(QPointF(x, y), QPointF(left ? x - length : x + length, y));
            painter->drawText(left ? QRectF(x - length, y - h, length - h, h) : QRectF(x + h, y - h, length - h, h),
                              align, label);
            painter->drawText(left ? QRectF(x - 2 * length, y - h, length, h) : QRectF(x + length, y - h, length, h),
                              align, source);
        } else {
            const double yRow = up ? y - row * h : y + row * h;
            const double xBend = left ? x - h : x + h;
            painter->drawLine(QPointF(x, y), QPointF(xBend, yRow));
            painter->drawLine(QPointF(xBend, yRow), QPointF(left ? x - length : x + length, yRow));
            painter->drawText(left ? QRectF(x - length, yRow - h, length - h, h)
                                   : QRectF(x + h, yRow - h, length - h, h),
                              align, label);
        }
        ++row;
    }
}
