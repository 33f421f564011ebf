#include "devices/graphicsresistor.h"

#include "devices/fusesymbol.h"
#include "devices/resistor.h"

#include <QPainter>

GraphicsResistor::GraphicsResistor(GraphicsScene *scene)
    : GraphicsTwoPin(scene, 160)
{
}

GraphicsResistor::~GraphicsResistor() = default;

Resistor *GraphicsResistor::resistor() const
{
    return dynamic_cast<Resistor *>(obj());
}

QString GraphicsResistor::pinName(Pin *, Pin *)
{
    return inConsoleFrame() ? name() : QString();
}

void GraphicsResistor::drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                                   bool hideHelp)
{
    if (Resistor *bound = resistor()) {
        drawAddress(painter, row(-120), Qt::AlignHCenter | Qt::AlignBottom, pen, hideHelp);
        drawFuseSymbol(painter);
        text(painter, row(-80), Qt::AlignHCenter | Qt::AlignBottom, bound->nominalName());
        text(painter, row(40), Qt::AlignHCenter | Qt::AlignTop, bound->modelName());
        if (bound->isAdjustable()) {
            const QLineF arrow[3] = {QLineF(80, -37, 80, -17), QLineF(75, -27, 80, -17), QLineF(85, -27, 80, -17)};
            painter->drawLines(arrow, 3);
        }
        // The mark reads the same in a mirrored item.
        painter->save();
        if (isMirrored()) {
            painter->translate(160, 0);
            painter->scale(-1, 1);
        }
        drawPowerMark(painter, bound->powerMark());
        painter->restore();
    }
    if (!inConsoleFrame()) {
        text(painter, QRectF(0, 0, 40, 40), Qt::AlignCenter, pinText(0));
        text(painter, QRectF(120, 0, 40, 40), Qt::AlignCenter, pinText(1));
    }
    drawHelp(painter, option, hideHelp, pen, row(80), Qt::AlignHCenter | Qt::AlignTop, name());
}

void drawPowerMark(QPainter *painter, int mark)
{
    const double t = 7.5;
    switch (mark) {
    case 1:
        painter->drawLine(QLineF(51, -t, 69, t));
        painter->drawLine(QLineF(71, -t, 89, t));
        painter->drawLine(QLineF(91, -t, 109, t));
        break;
    case 2:
        painter->drawLine(QLineF(61, -t, 79, t));
        painter->drawLine(QLineF(81, -t, 99, t));
        break;
    case 3:
        painter->drawLine(QLineF(71, -t, 89, t));
        break;
    case 4:
        painter->drawLine(QLineF(60, 0, 100, 0));
        break;
    case 5:
        painter->drawLine(QLineF(80, -t, 80, t));
        break;
    case 6:
        painter->drawLine(QLineF(73, -t, 73, t));
        painter->drawLine(QLineF(87, -t, 87, t));
        break;
    case 7:
        painter->drawLine(QLineF(72.5, -t, 80, t));
        painter->drawLine(QLineF(80, t, 87.5, -t));
        break;
    case 8:
        painter->drawLine(QLineF(50, -t, 65, t));
        painter->drawLine(QLineF(50, t, 65, -t));
        painter->drawLine(QLineF(72.5, -t, 87.5, t));
        painter->drawLine(QLineF(72.5, t, 87.5, -t));
        painter->drawLine(QLineF(95, -t, 102.5, t));
        painter->drawLine(QLineF(102.5, t, 110, -t));
        break;
    default: // 0: no mark
        break;
    }
}

GraphicsItem *createGraphicsResistor(GraphicsScene *scene)
{
    return new GraphicsResistor(scene);
}
