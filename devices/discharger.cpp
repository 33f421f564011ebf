#include "devices/discharger.h"

#include "devices/dischargercatalogue.h"
#include "devices/equipmentrows.h"
#include "devices/fusesymbol.h"
#include "equipment/place.h"
#include "model/itemtypes.h"

#include <QPainter>

Discharger::Discharger(Project *project)
    : SurgeProtector(project, DischargerKind, dischargerCatalogue, 0, drawDischargerSymbol)
{
}

Discharger::~Discharger() = default;

int Discharger::placeType() const
{
    return 33;
}

void Discharger::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *place,
                              bool)
{
    if (!painter)
        return;
    if (frameKind() == relayCaseFrameKind || (place && place->placeType() == panelPlaceType)) {
        drawInPlace(painter, rect, place, baseName(), modelName(), false, 3);
        return;
    }
    painter->drawRect(rect);
    drawTurned(painter, rect, 2, twoLines(baseName(), modelName()));
}

void drawDischargerSymbol(QPainter *painter)
{
    if (!painter)
        return;
    drawFuseSymbol(painter);
    const QLineF arrow[3] = {QLineF(120, 0, 90, 0), QLineF(100, -5, 90, 0), QLineF(100, 5, 90, 0)};
    painter->drawLines(arrow, 3);
}
