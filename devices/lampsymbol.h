#ifndef RLAY_LAMPSYMBOL_H
#define RLAY_LAMPSYMBOL_H

// The lamp symbol, a circle crossed by its two diagonals, and the picture of
// a lamp inside its place of a frame layout. The lamp, the luminodiode and
// the signal lamp show the place picture; the heating and the lamp draw the
// symbol on schemes and wiring pages.

#include <QRectF>
#include <QString>

class Place;
class QPainter;
class QStyleOptionGraphicsItem;

// The circle inscribed in the rectangle with its two diagonals, in the
// painter's current pen and without a brush.
void drawCrossedCircle(QPainter *painter, const QRectF &rect);

// A small lamp symbol at the top of the place, "OKL" under it in a place of
// the signal-lamp panel type, and, as help, the name below in green. The
// painter's pen and font are left as they were.
void drawLampInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option, Place *place,
                     bool hideHelp, const QString &name);

#endif
