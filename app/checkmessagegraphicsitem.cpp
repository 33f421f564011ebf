#include "app/checkmessagegraphicsitem.h"

#include "graphics/graphicsitem.h"
#include "graphics/graphicsscene.h"
#include "model/graphicsobjitem.h"

namespace {

// Items bound to a project object.
const int firstBoundItemType = QGraphicsItem::UserType + 200;
const int endBoundItemType = QGraphicsItem::UserType + 499;

} // namespace

CheckMessageGraphicsItem::CheckMessageGraphicsItem(QTreeWidget *list, int kind, GraphicsItem *item)
    : CheckMessage(list, kind)
    , m_item(item)
    , m_scene(item ? item->graphicsScene() : nullptr)
{
    if (m_scene)
        setText(SceneColumn, m_scene->displayName());
    if (!item || item->type() < firstBoundItemType || item->type() >= endBoundItemType)
        return;
    if (auto *bound = dynamic_cast<GraphicsObjItem *>(item))
        setText(NameColumn, bound->name());
}
