#include "devices/lampsymbol.h"

#include "equipment/place.h"
#include "graphics/font.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

// The place type whose lamps carry the "OKL" mark above their names.
const int oklPlaceType = 116;
const double symbolSide = 32;

} // namespace

void drawCrossedCircle(QPainter *painter, const QRectF &rect)
{
    if (!painter)
        return;
    const QBrush brush = painter->brush();
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(rect);
    painter->drawChord(rect, 135 * 16, 180 * 16);
    painter->drawChord(rect, 45 * 16, 180 * 16);
    painter->setBrush(brush);
}

void drawLampInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *place,
                     bool hideHelp, const QString &name)
{
    if (!painter)
        return;
    painter->save();
    drawCrossedCircle(painter, QRectF(rect.left() + (rect.width() - symbolSide) / 2, rect.top() + 10, symbolSide,
                                      symbolSide));
    if (hasFontSet()) {
        painter->setFont(font(1));
        double nameRow = 40;
        if (place && place->placeType() == oklPlaceType) {
            painter->drawText(QRectF(rect.left(), rect.top() + 40, rect.width(), 30), Qt::AlignCenter,
                              QCoreApplication::translate("Lamp", "OKL"));
            nameRow = 70;
        }
        if (!hideHelp) {
            painter->setPen(penGreen);
            painter->drawText(QRectF(rect.left(), rect.top() + nameRow, rect.width(), 30), Qt::AlignCenter, name);
        }
    }
    painter->restore();
}
