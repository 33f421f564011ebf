#include "devices/capacitor.h"

#include "devices/capacitorcatalogue.h"

Capacitor::Capacitor(Project *project)
    : TwoPinDevice(project, CapacitorKind, capacitorCatalogue)
{
}

Capacitor::~Capacitor() = default;

int Capacitor::placeType() const
{
    if (!catalogue().isNominal(modelIndex(), nominalIndex()))
        return -1;
    return capacitorTypes[modelIndex()].nominals[nominalIndex()].placeType;
}

void Capacitor::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *place,
                             bool)
{
    drawInPlace(painter, rect, place, baseName(), modelName(), true, 2);
}

void Capacitor::paintCaption(QPainter *painter, const QRectF &rect)
{
    drawCaption(painter, rect, baseName(), baseName(), modelName());
}
