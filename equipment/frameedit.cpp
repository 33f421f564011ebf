#include "equipment/frameedit.h"

#include "equipment/framelayout.h"
#include "equipment/graphicsplacecontainer.h"
#include "equipment/place.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "graphics/graphicsscene.h"
#include "model/check.h"
#include "model/device.h"

#include <QGraphicsItem>
#include <QMouseEvent>

FrameEdit::FrameEdit(QList<QAction *> *actions)
    : GraphicsEdit(actions, "r-lay/frame-edit")
{
    addHandler(116, this, SLOT(showDlgProp()), true);
    addHandler(117, this, SLOT(showDlgProp()), true);
}

FrameEdit::~FrameEdit()
{
    stopCarrying();
}

int FrameEdit::itemTypeForMode(int actionId) const
{
    switch (actionId) {
    case 116:
        return QGraphicsItem::UserType + 102;
    case 117:
        return QGraphicsItem::UserType + 103;
    default:
        return GraphicsEdit::itemTypeForMode(actionId);
    }
}

bool FrameEdit::pastes(int type) const
{
    return GraphicsScene::isPrimitiveType(type);
}

void FrameEdit::copy()
{
    GraphicsScene *sheet = graphicsScene();
    if (!CHECK_PTR(sheet))
        return;
    selectionMimeData(GraphicsScene::primitiveItems(sheet->selectedGraphicsItems()));
}

void FrameEdit::placingDevice(Device &device)
{
    GraphicsScene *sheet = graphicsScene();
    if (!CHECK_PTR(sheet))
        return;
    // A device picked while another rides the cursor unplaced takes its
    // turn.
    stopCarrying();
    GraphicsPlaceItemDevice *item = device.createPlaceItem(sheet);
    if (!CHECK_PTR(item))
        return;
    if (!sheet->addGraphicsItem(item)) {
        delete item;
        return;
    }
    sheet->clearSelectionFast();
    item->setSelectedTree(true);
    setCarriedItems({item});
    showCarriedItem(item);
}

GraphicsPlaceItem *FrameEdit::carriedPlaceItem() const
{
    const QList<GraphicsItem *> &carried = carriedItems();
    auto *item = carried.size() == 1 ? dynamic_cast<GraphicsPlaceItem *>(carried.first()) : nullptr;
    return item && !item->place() ? item : nullptr;
}

void FrameEdit::mousePressEvent(QMouseEvent *event)
{
    GraphicsScene *sheet = graphicsScene();
    GraphicsPlaceItem *item = carriedPlaceItem();
    FrameLayout *layout = item && sheet ? FrameLayout::of(sheet) : nullptr;
    // A place lit takes the item off the sheet too: a container that hangs
    // past the sheet's edge has places there.
    if (event->button() == Qt::LeftButton && sheet && !carriedItems().isEmpty()
        && (sheet->sceneRect().contains(mapToScene(event->position().toPoint()))
            || (layout && layout->highlightedPlace()))) {
        dropCarriedItems();
        // The click drops the item itself: in a place narrower than the
        // grid step the cursor may miss the item, which then would not
        // hear the release.
        if (layout) {
            layout->dropItem(item);
            // A device no place took would stay free, and a save keeps no
            // free device: it goes back to the table, unplaced, at once.
            if (!item->place() && dynamic_cast<GraphicsPlaceItemDevice *>(item))
                delete item;
            event->accept();
            return;
        }
    }
    GraphicsEdit::mousePressEvent(event);
}

void FrameEdit::stopCarrying()
{
    auto *device = dynamic_cast<GraphicsPlaceItemDevice *>(carriedPlaceItem());
    const GraphicsScene *sheet = graphicsScene();
    GraphicsEdit::stopCarrying();
    // A sheet being destroyed takes it along.
    if (sheet && !sheet->isGoing())
        delete device;
}

void FrameEdit::mouseMoveEvent(QMouseEvent *event)
{
    GraphicsEdit::mouseMoveEvent(event);
    GraphicsPlaceItem *item = carriedPlaceItem();
    if (FrameLayout *layout = item ? FrameLayout::of(graphicsScene()) : nullptr)
        layout->trackCarriedDrop(item, mapToScene(event->position().toPoint()));
}

void FrameEdit::mouseReleaseEvent(QMouseEvent *event)
{
    GraphicsEdit::mouseReleaseEvent(event);
    if (FrameLayout *layout = FrameLayout::of(graphicsScene()))
        layout->finishDrag();
}

void FrameEdit::contextMenuEvent(QContextMenuEvent *event)
{
    if (FrameLayout *layout = FrameLayout::of(graphicsScene()))
        layout->finishDrag();
    GraphicsEdit::contextMenuEvent(event);
}

void FrameEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        const QList<GraphicsItem *> under = sheetItemsAt(at);
        for (GraphicsItem *item : under) {
            if (item->type() == Place::Type)
                continue;
            auto *container = dynamic_cast<GraphicsPlaceContainer *>(item);
            if (container && !(container->flags() & QGraphicsItem::ItemIsMovable)
                && container->markPlaceAt(mapToScene(at))) {
                event->accept();
                return;
            }
            break;
        }
    }
    GraphicsEdit::mouseDoubleClickEvent(event);
}
