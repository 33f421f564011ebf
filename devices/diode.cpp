#include "devices/diode.h"

#include "devices/diodecatalogue.h"

Diode::Diode(Project *project)
    : TwoPinDevice(project, DiodeKind, diodeCatalogue)
{
}

Diode::~Diode() = default;

int Diode::placeType() const
{
    return 65;
}

void Diode::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *place, bool)
{
    drawInPlace(painter, rect, place, name(), modelName(), false, 2);
}

void Diode::paintCaption(QPainter *painter, const QRectF &rect)
{
    drawCaption(painter, rect, baseName());
}
