#include "devices/graphicssignallamp.h"

#include "devices/twopindevice.h"

#include <QPainter>

GraphicsSignallamp::GraphicsSignallamp(GraphicsScene *scene)
    : GraphicsTwoPin(scene, 120)
{
}

GraphicsSignallamp::~GraphicsSignallamp() = default;

QStringList GraphicsSignallamp::measuredTexts() const
{
    TwoPinDevice *bound = twoPinDevice();
    if (!bound)
        return QStringList();
    return {bound->baseName(), deviceAddressText()};
}

QString GraphicsSignallamp::pinName(Pin *, Pin *)
{
    return inConsoleFrame() ? name() : QString();
}

void GraphicsSignallamp::drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                                     bool hideHelp)
{
    if (TwoPinDevice *bound = twoPinDevice()) {
        drawAddress(painter, row(-105), Qt::AlignHCenter | Qt::AlignBottom, pen, hideHelp);
        const QRectF circle(35, -25, 50, 50);
        text(painter, circle, Qt::AlignCenter, bound->modelName());
        painter->drawEllipse(circle);
        painter->drawLine(QLineF(0, 0, 35, 0));
        painter->drawLine(QLineF(85, 0, 120, 0));
        text(painter, row(-65), Qt::AlignCenter, bound->baseName());
    }
    drawHelp(painter, option, hideHelp, pen);
}

GraphicsItem *createGraphicsSignallamp(GraphicsScene *scene)
{
    return new GraphicsSignallamp(scene);
}
