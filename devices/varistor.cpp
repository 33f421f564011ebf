#include "devices/varistor.h"

#include "devices/equipmentrows.h"
#include "devices/fusesymbol.h"
#include "devices/varistorcatalogue.h"
#include "equipment/place.h"
#include "model/itemtypes.h"

#include <QPainter>

namespace {

// The small varistor sits in a diode's place.
const int smallPlaceType = 65;

} // namespace

Varistor::Varistor(Project *project)
    : SurgeProtector(project, VaristorKind, varistorCatalogue, 1, drawVaristorSymbol)
{
}

Varistor::~Varistor() = default;

int Varistor::placeType() const
{
    return hasType() ? varistorTypes[modelIndex()].placeType : -1;
}

void Varistor::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *place,
                            bool)
{
    if (!painter)
        return;
    painter->drawRect(rect);
    const bool small = placeType() == smallPlaceType;
    if (frameKind() == relayCaseFrameKind || (place && place->placeType() == panelPlaceType))
        drawCentred(painter, rect, small ? 1 : 2, modelName());
    else if (small)
        drawCentred(painter, rect, 1, twoLines(baseName(), modelName()));
    else
        drawTurned(painter, rect, 2, twoLines(baseName(), modelName()));
}

void drawVaristorSymbol(QPainter *painter)
{
    if (!painter)
        return;
    drawFuseSymbol(painter);
    painter->drawLine(QLineF(120, -30, 50, 30));
    painter->drawLine(QLineF(50, 30, 20, 30));
}
