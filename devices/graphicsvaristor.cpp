#include "devices/graphicsvaristor.h"

#include "devices/varistor.h"

GraphicsVaristor::GraphicsVaristor(GraphicsScene *scene)
    : GraphicsPlainTwoPin(scene)
{
}

GraphicsVaristor::~GraphicsVaristor() = default;

void GraphicsVaristor::drawBody(QPainter *painter)
{
    drawVaristorSymbol(painter);
}

bool GraphicsVaristor::bodyNeedsDevice() const
{
    return false;
}

GraphicsItem *createGraphicsVaristor(GraphicsScene *scene)
{
    return new GraphicsVaristor(scene);
}
