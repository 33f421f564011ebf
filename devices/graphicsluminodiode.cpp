#include "devices/graphicsluminodiode.h"

#include "devices/twopindevice.h"

#include <QPainter>

GraphicsLuminodiode::GraphicsLuminodiode(GraphicsScene *scene)
    : GraphicsTwoPin(scene, 160)
{
}

GraphicsLuminodiode::~GraphicsLuminodiode() = default;

QStringList GraphicsLuminodiode::measuredTexts() const
{
    TwoPinDevice *bound = twoPinDevice();
    if (!bound)
        return QStringList();
    return {bound->name(), deviceAddressText()};
}

QString GraphicsLuminodiode::pinName(Pin *, Pin *)
{
    return inConsoleFrame() ? name() : QString();
}

void GraphicsLuminodiode::drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                                      bool hideHelp)
{
    if (TwoPinDevice *bound = twoPinDevice()) {
        drawAddress(painter, row(-132), Qt::AlignHCenter | Qt::AlignBottom, pen, hideHelp);
        text(painter, QRectF(120, 0, 40, 40), Qt::AlignCenter, bound->modelName());
        painter->drawEllipse(QRectF(40, -40, 80, 80));
        const QLineF diode[5] = {QLineF(0, 0, 160, 0), QLineF(60, -25, 60, 25), QLineF(100, -25, 100, 25),
                                 QLineF(60, -25, 100, 0), QLineF(60, 25, 100, 0)};
        painter->drawLines(diode, 5);
        for (double d : {0.0, 12.0}) {
            const QPointF tip(134.5 + d, d - 54.5);
            painter->drawLine(QLineF(QPointF(115 + d, d - 35), tip));
            painter->drawLine(QLineF(QPointF(124.05 + d, d - 50.45), tip));
            painter->drawLine(QLineF(QPointF(130.45 + d, d - 44.05), tip));
        }
        text(painter, row(-92), Qt::AlignHCenter | Qt::AlignTop, bound->baseName());
    }
    drawHelp(painter, option, hideHelp, pen);
}

GraphicsItem *createGraphicsLuminodiode(GraphicsScene *scene)
{
    return new GraphicsLuminodiode(scene);
}
