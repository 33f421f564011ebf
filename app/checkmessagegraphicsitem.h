#ifndef RLAY_CHECKMESSAGEGRAPHICSITEM_H
#define RLAY_CHECKMESSAGEGRAPHICSITEM_H

// A row of the project check that points at one scene item on one document.
// The row names the document and the item; the creator sets the message.
// Activating the row opens the document, selects the item and scrolls to it.
//
// The row outlives neither its list nor the project's attention: the sheet
// or the item may be deleted while the row is shown. The sheet is watched;
// the item is never followed before it has been found on that sheet again
// (by address and by its place in the sheet's order, which a new item at a
// reused address does not share).

#include "graphics/graphicsscene.h"
#include "model/checkmessage.h"

#include <QPointer>
#include <QtGlobal>

class GraphicsItem;
class QGraphicsItem;

class CheckMessageGraphicsItem : public CheckMessage
{
public:
    CheckMessageGraphicsItem(QTreeWidget *list, int kind, GraphicsItem *item);

    // Neither is owned. The scene is null for a row made without an item or
    // once the sheet is gone; the item may no longer exist (see liveItem).
    GraphicsItem *graphicsItem() const { return m_item; }
    GraphicsScene *graphicsScene() const { return m_scene; }
    // The item when it still stands on the row's sheet, else null.
    GraphicsItem *liveItem() const;

    // Opens the sheet of the list's project, selects the item and brings
    // it into view; does nothing when the sheet or the item is gone or the
    // sheet no longer belongs to the project.
    void activate() override;

    // Whether the item at this address stands on the sheet now (the sheet's
    // items and their children are compared by address, none is followed).
    static bool standsOn(const GraphicsScene *scene, const GraphicsItem *item);

private:
    GraphicsItem *m_item;
    // The item's address as the framework's item, taken while it was alive.
    const GraphicsItem *m_address;
    QPointer<GraphicsScene> m_scene;
    quint64 m_sheetIndex = 0;
};

#endif
