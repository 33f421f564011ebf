#ifndef RLAY_NAMEEXTENT_H
#define RLAY_NAMEEXTENT_H

// The room a device item keeps for its name. The name is drawn upright
// whatever the item's turn and mirror, so on a turned item it runs along
// the item's side; the extent must hold it in every orientation the item
// may take without a new measure (a mirror changes no geometry of its own).

#include <QPointF>
#include <QRectF>
#include <QString>

class GraphicsItem;
class QFont;

// The rectangle that drawTextAt fills for the text at the anchor, horizontally
// centred with its bottom there, joined with its reflections about the
// anchor.
QRectF nameExtent(const GraphicsItem *item, const QFont &font, const QPointF &anchor, const QString &text);

#endif
