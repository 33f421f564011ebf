#include "equipment/frameedit.h"

#include "graphics/graphicsscene.h"
#include "model/check.h"

#include <QGraphicsItem>

FrameEdit::FrameEdit(QList<QAction *> *actions)
    : GraphicsEdit(actions, "r-lay/frame-edit")
{
    addHandler(116, this, SLOT(showDlgProp()), true);
    addHandler(117, this, SLOT(showDlgProp()), true);
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

void FrameEdit::copy()
{
    GraphicsScene *sheet = graphicsScene();
    if (!CHECK_PTR(sheet))
        return;
    selectionMimeData(GraphicsScene::primitiveItems(sheet->selectedGraphicsItems()));
}

void FrameEdit::placingDevice(Device &)
{
    // Frame layouts have no place items yet, so there is nothing to carry.
}
