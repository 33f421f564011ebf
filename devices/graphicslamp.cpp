#include "devices/graphicslamp.h"

#include "devices/lamp.h"
#include "devices/lampsymbol.h"
#include "devices/pintext.h"
#include "graphics/font.h"
#include "model/pin.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// The symbol's length between the pin centres.
const double length = 160;
// The pin width plus the symbol's length.
const double lampMinimumWidth = 174;

} // namespace

GraphicsLamp::GraphicsLamp(GraphicsScene *scene)
    : GraphicsTypedDevice(scene, CanRotate | CanMirrorHorizontal)
{
    createPins(2);
    if (pinCount() == 2) {
        pin(0)->moveCenter(QPointF(0, 0));
        pin(1)->moveCenter(QPointF(length, 0));
        updatePinNames();
    }
    setTextWidth(lampMinimumWidth);
    updateFromObj();
}

GraphicsLamp::~GraphicsLamp() = default;

Lamp *GraphicsLamp::lamp() const
{
    return dynamic_cast<Lamp *>(obj());
}

void GraphicsLamp::updatePinNames()
{
    if (pinCount() != 2)
        return;
    wiringPin(0)->setName(GraphicsDevice::positionPinNames[0][0]);
    wiringPin(1)->setName(GraphicsDevice::positionPinNames[0][1]);
}

void GraphicsLamp::updateFromObj()
{
    if (!hasFontSet())
        return;
    const QFontMetricsF metrics(font(3));
    double width = qMax(metrics.horizontalAdvance(addressText()), metrics.horizontalAdvance(name()));
    if (Lamp *bound = lamp())
        width = qMax(width, metrics.horizontalAdvance(bound->modelName()));
    prepareGeometryChange();
    setTextWidth(qMax(width, lampMinimumWidth));
    GraphicsTypedDevice::updateFromObj();
}

QRectF GraphicsLamp::frame() const
{
    const double w = textWidth();
    return QRectF((length - w) / 2, -120, w, 200);
}

QList<GraphicsLamp::TextSlot> GraphicsLamp::textSlots()
{
    const double w = textWidth();
    const double x0 = (length - w) / 2;
    QList<TextSlot> texts;
    Lamp *bound = lamp();
    if (bound && bound->showAddress())
        texts.append({SymbolLayer, 3, QRectF(x0, -120, w, 40), Qt::AlignHCenter | Qt::AlignBottom,
                      addressText()});
    texts.append({SymbolLayer, 3, QRectF(x0, -80, w, 40), Qt::AlignCenter, name()});
    texts.append({SymbolLayer, 3, QRectF(x0, 40, w, 40), Qt::AlignHCenter | Qt::AlignTop,
                  bound ? bound->modelName() : QString()});
    texts.append({AlwaysLayer, 3, QRectF(0, 0, 40, 40), Qt::AlignCenter, pinText(wiringPin(0))});
    texts.append({AlwaysLayer, 3, QRectF(length - 40, 0, 40, 40), Qt::AlignCenter, pinText(wiringPin(1))});
    return texts;
}

void GraphicsLamp::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool bound = lamp() != nullptr;
    painter->setPen(itemPen(option));
    painter->setBrush(Qt::NoBrush);
    // An item that lost its lamp shows only its terminals and frame.
    if (bound) {
        drawTexts(painter, SymbolLayer);
        painter->drawLine(QLineF(0, 0, 55, 0));
        painter->drawLine(QLineF(105, 0, length, 0));
        drawCrossedCircle(painter, QRectF(55, -25, 50, 50));
    }
    drawTexts(painter, AlwaysLayer);
    if (!hideHelp)
        drawPins(painter, hideHelp);
    drawSelection(painter, option, nullptr);
}

GraphicsItem *createGraphicsLamp(GraphicsScene *scene)
{
    return new GraphicsLamp(scene);
}
