#include "devices/graphicsammeter.h"

#include "devices/twopindevice.h"
#include "model/pin.h"

#include <QPainter>

GraphicsAmmeter::GraphicsAmmeter(GraphicsScene *scene)
    : GraphicsTwoPin(scene, 160)
{
}

GraphicsAmmeter::~GraphicsAmmeter() = default;

QStringList GraphicsAmmeter::measuredTexts() const
{
    TwoPinDevice *bound = twoPinDevice();
    return bound ? QStringList({bound->baseName(), bound->modelName()}) : QStringList();
}

QString GraphicsAmmeter::pinName(Pin *pin, Pin *)
{
    auto *named = dynamic_cast<WiringPin *>(pin);
    if (!named || !named->name())
        return QString();
    return pinLabel(name(), pin);
}

void GraphicsAmmeter::drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                                  bool hideHelp)
{
    TwoPinDevice *bound = twoPinDevice();
    if (bound) {
        text(painter, row(40), Qt::AlignCenter, bound->modelName());
        painter->drawEllipse(QRectF(35, -45, 90, 90));
        painter->drawLine(QLineF(0, 0, 35, 0));
        painter->drawLine(QLineF(125, 0, 160, 0));
        QString label = tr("A");
        if (bound->number() != 0)
            label += QString::number(bound->number());
        text(painter, QRectF(35, -20, 90, 40), Qt::AlignCenter, label);
    }
    text(painter, QRectF(0, -40, 40, 40), Qt::AlignCenter, pinText(0));
    text(painter, QRectF(120, -40, 40, 40), Qt::AlignCenter, pinText(1));
    drawHelp(painter, option, hideHelp, pen, row(-80), Qt::AlignCenter, bound ? bound->baseName() : QString());
}

GraphicsItem *createGraphicsAmmeter(GraphicsScene *scene)
{
    return new GraphicsAmmeter(scene);
}
