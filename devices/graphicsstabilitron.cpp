#include "devices/graphicsstabilitron.h"

#include "devices/graphicsdiode.h"

#include <QPainter>

GraphicsStabilitron::GraphicsStabilitron(GraphicsScene *scene)
    : GraphicsPlainTwoPin(scene)
{
}

GraphicsStabilitron::~GraphicsStabilitron() = default;

void GraphicsStabilitron::drawBody(QPainter *painter)
{
    drawDiodeSymbol(painter);
    painter->drawLine(QLineF(55, 30, 75, 30));
}

bool GraphicsStabilitron::bodyNeedsDevice() const
{
    return true;
}

GraphicsItem *createGraphicsStabilitron(GraphicsScene *scene)
{
    return new GraphicsStabilitron(scene);
}
