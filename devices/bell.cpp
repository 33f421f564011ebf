#include "devices/bell.h"

#include "devices/bellcatalogue.h"

Bell::Bell(Project *project)
    : TwoPinDevice(project, BellKind, bellCatalogue)
{
}

Bell::~Bell() = default;

int Bell::placeType() const
{
    return 105;
}

int Bell::positionCode() const
{
    return 23;
}

void Bell::paintCaption(QPainter *painter, const QRectF &rect)
{
    drawCaption(painter, rect, modelName());
}
