#include "devices/graphicsinterrupter.h"

#include "devices/interrupter.h"
#include "devices/pintext.h"
#include "graphics/font.h"
#include "model/pin.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

namespace {

// Pin size plus symbol width.
const double interrupterMinimumWidth = 174;

} // namespace

GraphicsInterrupter::GraphicsInterrupter(GraphicsScene *scene)
    : GraphicsDevice(scene, BindOwned, nullptr, CanRotate | CanMirrorHorizontal)
{
    setTextWidth(interrupterMinimumWidth);
    createPins(2);
    if (pinCount() == 2) {
        pin(0)->moveCenter(QPointF(0, 0));
        pin(1)->moveCenter(QPointF(160, 0));
    }
}

GraphicsInterrupter::~GraphicsInterrupter() = default;

Interrupter *GraphicsInterrupter::interrupter() const
{
    return dynamic_cast<Interrupter *>(obj());
}

QRectF GraphicsInterrupter::boundingRect() const
{
    const double w = textWidth();
    return QRectF((160 - w) / 2, -120, w, 200).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsInterrupter::updateFromObj()
{
    if (!hasFontSet())
        return;
    double width = qMax(textAdvance(font(3), addressText()), textAdvance(font(3), name()));
    if (Interrupter *bound = interrupter())
        width = qMax(width, textAdvance(font(3), bound->modelName()));
    width = qMax(width, interrupterMinimumWidth);
    if (width == textWidth())
        return;
    prepareGeometryChange();
    setTextWidth(width);
    update();
}

void GraphicsInterrupter::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    Interrupter *bound = interrupter();
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    drawInterrupterSymbol(painter);
    if (!hasFontSet()) {
        if (!hideHelp) {
            drawPins(painter, hideHelp);
            drawSelection(painter, option, nullptr);
        }
        return;
    }
    painter->setFont(font(3));
    const double w = textWidth();
    const double x0 = (160 - w) / 2;
    if (bound) {
        if (showAddress() && address())
            drawTextInRect(this, painter, QRectF(x0, -80, w, 40), Qt::AlignCenter, addressText(), false);
        drawTextInRect(this, painter, QRectF(x0, 0, w, 40), Qt::AlignCenter, bound->modelName(), false);
        drawTextInRect(this, painter, QRectF(x0, 40, w, 40), Qt::AlignHCenter | Qt::AlignTop, bound->nominalText(),
                       false);
    }
    drawTextInRect(this, painter, QRectF(0, -40, 30, 40), Qt::AlignCenter, pinText(wiringPin(0)), false);
    drawTextInRect(this, painter, QRectF(130, -40, 30, 40), Qt::AlignCenter, pinText(wiringPin(1)), false);
    if (!hideHelp) {
        if (&pen == &penBlack)
            painter->setPen(penGreen);
        drawTextInRect(this, painter, QRectF(x0, -120, w, 40), Qt::AlignHCenter | Qt::AlignBottom, name(), false);
        painter->setPen(pen);
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

GraphicsItem *createGraphicsInterrupter(GraphicsScene *scene)
{
    return new GraphicsInterrupter(scene);
}
