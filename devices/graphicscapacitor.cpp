#include "devices/graphicscapacitor.h"

#include "devices/capacitor.h"

#include <QPainter>

GraphicsCapacitor::GraphicsCapacitor(GraphicsScene *scene)
    : GraphicsTwoPin(scene, 120)
{
}

GraphicsCapacitor::~GraphicsCapacitor() = default;

void GraphicsCapacitor::drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                                    bool hideHelp)
{
    const QLineF body[4] = {QLineF(0, 0, 52, 0), QLineF(68, 0, 120, 0), QLineF(52, -25, 52, 25),
                            QLineF(68, -25, 68, 25)};
    painter->drawLines(body, 4);
    if (TwoPinDevice *bound = twoPinDevice()) {
        // The address is shown in every frame.
        if (bound->showAddress() && bound->address())
            text(painter, row(-120), Qt::AlignHCenter | Qt::AlignBottom, addressText());
        text(painter, row(-80), Qt::AlignHCenter | Qt::AlignBottom, bound->nominalName());
        text(painter, row(40), Qt::AlignHCenter | Qt::AlignTop, bound->modelName());
    }
    text(painter, QRectF(0, 0, 40, 40), Qt::AlignCenter, pinText(0));
    text(painter, QRectF(80, 0, 40, 40), Qt::AlignCenter, pinText(1));
    drawHelp(painter, option, hideHelp, pen, row(80), Qt::AlignHCenter | Qt::AlignTop, name());
}

GraphicsItem *createGraphicsCapacitor(GraphicsScene *scene)
{
    return new GraphicsCapacitor(scene);
}
