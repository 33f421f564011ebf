#include "devices/resistor.h"

#include "devices/fusesymbol.h"
#include "devices/resistorcatalogue.h"
#include "model/itemtypes.h"

#include <QPainter>

namespace {

// In RC frames a resistor that is not an MLT part is written large.
const int mltPlaceType = 65;

} // namespace

Resistor::Resistor(Project *project)
    : TwoPinDevice(project, ResistorKind, resistorCatalogue)
{
}

Resistor::~Resistor() = default;

int Resistor::placeType() const
{
    return hasType() ? resistorTypes[modelIndex()].placeType : -1;
}

bool Resistor::isAdjustable() const
{
    return hasType() && resistorTypes[modelIndex()].adjustable;
}

int Resistor::powerMark() const
{
    if (!catalogue().isNominal(modelIndex(), nominalIndex()))
        return 0;
    return resistorTypes[modelIndex()].nominals[nominalIndex()].powerMark;
}

QString Resistor::placeText() const
{
    return modelName() + QLatin1Char('-') + nominalName();
}

void Resistor::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *place,
                            bool)
{
    const QString text = placeText();
    const int fontIndex =
        frameKind() == relayCaseFrameKind && placeType() != mltPlaceType ? 4 : fittingFont(text, rect.width());
    drawInPlace(painter, rect, place, name(), text, false, fontIndex);
}

void Resistor::paintPicture(QPainter *painter)
{
    if (!painter)
        return;
    drawFuseSymbol(painter);
    drawCentred(painter, QRectF(-20, 40, 200, 40), 3, nominalName());
}

void Resistor::paintCaption(QPainter *painter, const QRectF &rect)
{
    drawCaption(painter, rect, placeText(), baseName(), placeText());
}
