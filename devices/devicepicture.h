#ifndef RLAY_DEVICEPICTURE_H
#define RLAY_DEVICEPICTURE_H

// What the pictures of the heating, the measuring panel and the lamp share:
// the pen of an item and the room its texts take.

#include <QRectF>
#include <QString>

class QFont;
class QPen;
class QStyleOptionGraphicsItem;

// Blue for a selected item, black for one with its device, red for one
// that has lost it.
const QPen &devicePen(const QStyleOptionGraphicsItem *option, bool bound);

// The room that text drawn aligned in the rectangle (drawTextInRect, not
// clipped) takes in item coordinates, whatever the item's mirror: a text
// wider or taller than the rectangle spills over its sides, and a mirror
// swaps the sides.
QRectF textExtent(const QFont &font, const QRectF &rect, int alignment, const QString &text);

#endif
