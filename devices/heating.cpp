#include "devices/heating.h"

#include "devices/graphicswiringheating.h"
#include "devices/heatingcatalogue.h"
#include "graphics/font.h"
#include "model/check.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

// The row "Heating" of the equipment-model table.
const int heatingPlace = 117;
const double stripWidth = 900;
const double stripHeight = 80;

} // namespace

Heating::Heating(Project *project)
    : TypedDevice(project, HeatingKind, HeatingTypeCount, heatingTypeName)
{
}

Heating::~Heating() = default;

GraphicsWiringItemDevice *Heating::createWiringItem(GraphicsScene *scene, GraphicsItem *parent)
{
    auto *item = new GraphicsWiringHeating(scene, parent, this);
    return CHECK_PTR(item) ? item : nullptr;
}

int Heating::placeType() const
{
    return heatingPlace;
}

void Heating::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *,
                           bool hideHelp)
{
    if (!painter)
        return;
    const QRectF left(rect.left(), rect.top(), stripWidth, stripHeight);
    const QRectF right(rect.right() - stripWidth, rect.top(), stripWidth, stripHeight);
    painter->drawRect(left);
    painter->drawRect(right);
    if (!hasFontSet())
        return;
    painter->setFont(font(5));
    const QString text = QCoreApplication::translate("Heating", "HEATING");
    painter->drawText(left, Qt::AlignCenter, text);
    painter->drawText(right, Qt::AlignCenter, text);
    if (hideHelp)
        return;
    const QPen pen = painter->pen();
    painter->setPen(penGreen);
    painter->drawText(left, Qt::AlignRight | Qt::AlignVCenter, name());
    painter->drawText(right, Qt::AlignLeft | Qt::AlignVCenter, name());
    painter->setPen(pen);
}

int Heating::pinCount() const
{
    return HeatingPinCount;
}
