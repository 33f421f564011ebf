#include "devices/graphicsdischarger.h"

#include "devices/discharger.h"

GraphicsDischarger::GraphicsDischarger(GraphicsScene *scene)
    : GraphicsPlainTwoPin(scene)
{
}

GraphicsDischarger::~GraphicsDischarger() = default;

void GraphicsDischarger::drawBody(QPainter *painter)
{
    drawDischargerSymbol(painter);
}

bool GraphicsDischarger::bodyNeedsDevice() const
{
    return false;
}

GraphicsItem *createGraphicsDischarger(GraphicsScene *scene)
{
    return new GraphicsDischarger(scene);
}
