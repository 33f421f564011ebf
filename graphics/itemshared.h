#ifndef RLAY_ITEMSHARED_H
#define RLAY_ITEMSHARED_H

// Small values and helpers that the item units of several folders share.

#include "graphics/font.h"

#include <QChar>
#include <QPointF>
#include <QRectF>

#include <cmath>

// Breaks a line inside one text that is drawn in a rectangle.
inline const QChar lineSeparator(0x2028);
// Marks a name that is not unique.
inline const QChar uniqueMark = QLatin1Char('?');

// Text alignments of the drawing routines.
inline constexpr int centred = Qt::AlignHCenter | Qt::AlignVCenter;
inline constexpr int centredUnclipped = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextDontClip;
inline constexpr int leftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
inline constexpr int rightMiddle = Qt::AlignRight | Qt::AlignVCenter;

// The rectangle with the margin that a selected item is hit and repainted in.
inline QRectF grown(const QRectF &rect)
{
    return rect.adjusted(-3.5, -3.5, 3.5, 3.5);
}

// Whether the point is the position of an item that has none.
inline bool atNoPosition(const QPointF &point)
{
    return std::fabs(point.x() - noPosition.x()) < 1e-11 && std::fabs(point.y() - noPosition.y()) < 1e-11;
}

#endif // RLAY_ITEMSHARED_H
