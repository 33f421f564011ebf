#include "devices/nameextent.h"

#include "graphics/graphicsitem.h"

QRectF nameExtent(const GraphicsItem *item, const QFont &font, const QPointF &anchor, const QString &text)
{
    const QRectF drawn = textRect(item, font, anchor, Qt::AlignHCenter | Qt::AlignBottom, text);
    const QRectF across(2 * anchor.x() - drawn.right(), drawn.top(), drawn.width(), drawn.height());
    const QRectF upDown(drawn.left(), 2 * anchor.y() - drawn.bottom(), drawn.width(), drawn.height());
    const QRectF both(across.left(), upDown.top(), drawn.width(), drawn.height());
    return drawn | across | upDown | both;
}
