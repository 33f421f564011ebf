#include "devices/devicepicture.h"

#include "graphics/font.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

const QPen &devicePen(const QStyleOptionGraphicsItem *option, bool bound)
{
    if (option && (option->state & QStyle::State_Selected))
        return penBlue;
    return bound ? penBlack : penRed;
}

QRectF textExtent(const QFont &font, const QRectF &rect, int alignment, const QString &text)
{
    if (text.isEmpty())
        return QRectF();
    const QRectF drawn = QFontMetricsF(font).boundingRect(rect, alignment, text);
    // The reflection of the drawn text about the rectangle's centre lines.
    const QPointF centre = rect.center();
    const QRectF reflected(2 * centre.x() - drawn.right(), 2 * centre.y() - drawn.bottom(), drawn.width(),
                           drawn.height());
    return drawn | reflected;
}
