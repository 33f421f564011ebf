#include "devices/graphicsdiode.h"

#include <QPainter>

GraphicsDiode::GraphicsDiode(GraphicsScene *scene)
    : GraphicsPlainTwoPin(scene)
{
}

GraphicsDiode::~GraphicsDiode() = default;

void GraphicsDiode::drawBody(QPainter *painter)
{
    drawDiodeSymbol(painter);
}

bool GraphicsDiode::bodyNeedsDevice() const
{
    return true;
}

void drawDiodeSymbol(QPainter *painter)
{
    const QLineF lines[5] = {QLineF(0, 0, 160, 0), QLineF(55, -30, 55, 30), QLineF(105, -30, 105, 30),
                             QLineF(55, 0, 105, -30), QLineF(55, 0, 105, 30)};
    painter->drawLines(lines, 5);
}

GraphicsItem *createGraphicsDiode(GraphicsScene *scene)
{
    return new GraphicsDiode(scene);
}
