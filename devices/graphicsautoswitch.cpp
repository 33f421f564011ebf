#include "devices/graphicsautoswitch.h"

#include "devices/autoswitch.h"
#include "devices/autoswitchcatalogue.h"
#include "devices/nameextent.h"
#include "graphics/font.h"
#include "model/pin.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

namespace {

QString autoSwitchPinText(WiringPin *pin)
{
    return pin && pin->name() ? QCoreApplication::translate("AutoSwitch", pin->name()) : QString();
}

} // namespace

GraphicsAutoSwitch::GraphicsAutoSwitch(GraphicsScene *scene)
    : GraphicsDevice(scene, BindOwned, nullptr, CanRotate | CanMirrorHorizontal)
{
    createPins(AutoSwitchPinCount);
    if (pinCount() == AutoSwitchPinCount) {
        pin(0)->moveCenter(QPointF(0, 0));
        pin(1)->moveCenter(QPointF(160, 0));
        pin(2)->moveCenter(QPointF(80, 80));
    }
    updatePinNames();
}

GraphicsAutoSwitch::~GraphicsAutoSwitch() = default;

AutoSwitch *GraphicsAutoSwitch::autoSwitch() const
{
    return dynamic_cast<AutoSwitch *>(obj());
}

void GraphicsAutoSwitch::updatePinNames()
{
    for (int i = 0; i < pinCount() && i < AutoSwitchPinCount; ++i)
        wiringPin(i)->setName(autoSwitchPinNames[i]);
}

QString GraphicsAutoSwitch::pinName(Pin *pin, Pin *)
{
    auto *named = dynamic_cast<WiringPin *>(pin);
    if (!named || !named->name())
        return QString();
    return pinLabel(name(), pin);
}

void GraphicsAutoSwitch::updateFromObj()
{
    if (!hasFontSet())
        return;
    const double nameWidth = textAdvance(font(3), name());
    const double least = pinSize.width() + symbolSize.width();
    prepareGeometryChange();
    m_titleRect = nameExtent(this, font(3), QPointF(80, -45), name());
    if (isTurned()) {
        m_width = least;
        m_height = nameWidth;
    } else {
        m_width = qMax(least, nameWidth);
        m_height = 40;
    }
    update();
}

QRectF GraphicsAutoSwitch::boundingRect() const
{
    QRectF bounds((symbolSize.width() - m_width) / 2, -40 - m_height, m_width, pinSize.width() / 2 + 120 + m_height);
    // The name of a turned item runs along its side: keep it inside.
    if (!m_titleRect.isNull())
        bounds |= m_titleRect;
    return bounds.adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsAutoSwitch::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool bound = autoSwitch() != nullptr;
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    const bool withText = hasFontSet();
    if (withText)
        painter->setFont(font(3));

    if (bound) {
        if (withText)
            drawTextAt(this, painter, QPointF(80, -45), Qt::AlignHCenter | Qt::AlignBottom, name());
        painter->drawEllipse(QRectF(40, -40, 80, 80));
        painter->drawLine(QPointF(0, 0), QPointF(55, 0));
        painter->drawLine(QPointF(105, 0), QPointF(160, 0));
        painter->drawLine(QPointF(80, 25), QPointF(80, 80));
        // Arrowheads on the inner ends of the leads.
        painter->drawLine(QPointF(62, -7), QPointF(55, 0));
        painter->drawLine(QPointF(62, 7), QPointF(55, 0));
        painter->drawLine(QPointF(98, -7), QPointF(105, 0));
        painter->drawLine(QPointF(98, 7), QPointF(105, 0));
        painter->drawLine(QPointF(73, 18), QPointF(80, 25));
        painter->drawLine(QPointF(87, 18), QPointF(80, 25));
        if (withText && pinCount() == AutoSwitchPinCount) {
            drawTextAt(this, painter, QPointF(40, -5), Qt::AlignRight | Qt::AlignBottom, autoSwitchPinText(wiringPin(0)));
            drawTextAt(this, painter, QPointF(120, -5), Qt::AlignLeft | Qt::AlignBottom, autoSwitchPinText(wiringPin(1)));
            drawTextAt(this, painter, QPointF(85, 40), Qt::AlignLeft | Qt::AlignTop, autoSwitchPinText(wiringPin(2)));
        }
    }

    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

bool GraphicsAutoSwitch::resolveLinks()
{
    if (!GraphicsDevice::resolveLinks())
        return false;
    Obj *bound = obj();
    if (!bound)
        return true;
    // Each autoswitch is its item's own: a second item, or an object of
    // another kind, under the identity is damaged data.
    if (autoSwitch() && bound->items().size() == 1)
        return true;
    detachObj(false);
    return false;
}

GraphicsItem *createGraphicsAutoSwitch(GraphicsScene *scene)
{
    return new GraphicsAutoSwitch(scene);
}
