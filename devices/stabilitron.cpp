#include "devices/stabilitron.h"

#include "devices/stabilitroncatalogue.h"

#include <QPainter>

Stabilitron::Stabilitron(Project *project)
    : TwoPinDevice(project, StabilitronKind, stabilitronCatalogue)
{
}

Stabilitron::~Stabilitron() = default;

int Stabilitron::placeType() const
{
    return 109;
}

void Stabilitron::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *,
                               bool)
{
    if (!painter)
        return;
    painter->drawRect(rect);
    drawCentred(painter, rect, 2, modelName());
}

void Stabilitron::paintCaption(QPainter *painter, const QRectF &rect)
{
    drawCaption(painter, rect, baseName());
}
