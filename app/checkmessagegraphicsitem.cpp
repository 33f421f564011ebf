#include "app/checkmessagegraphicsitem.h"

#include "app/listcheckmessages.h"
#include "graphics/graphicsitem.h"
#include "graphics/graphicsobjitem.h"
#include "graphics/graphicsscene.h"
#include "model/check.h"
#include "model/itemtypes.h"
#include "model/project.h"
#include "schemes/schememenager.h"

namespace {

bool inTree(const GraphicsItem *root, const GraphicsItem *item)
{
    if (root == item)
        return true;
    const QList<GraphicsItem *> children = root->childItems();
    for (const GraphicsItem *child : children) {
        if (inTree(child, item))
            return true;
    }
    return false;
}

} // namespace

CheckMessageGraphicsItem::CheckMessageGraphicsItem(QTreeWidget *list, int kind, GraphicsItem *item)
    : CheckMessage(list, kind)
    , m_item(item)
    , m_address(item)
    , m_scene(item ? item->graphicsScene() : nullptr)
    , m_sheetIndex(item ? item->sheetIndex() : 0)
{
    if (m_scene)
        setText(SceneColumn, m_scene->displayName());
    if (!item || item->type() < firstBoundItemType || item->type() >= endBoundItemType)
        return;
    if (auto *bound = dynamic_cast<GraphicsObjItem *>(item))
        setText(NameColumn, bound->name());
}

bool CheckMessageGraphicsItem::standsOn(const GraphicsScene *scene, const GraphicsItem *item)
{
    if (!scene || !item)
        return false;
    for (const GraphicsItem *top : scene->graphicsItems()) {
        if (top && inTree(top, item))
            return true;
    }
    return false;
}

GraphicsItem *CheckMessageGraphicsItem::liveItem() const
{
    if (!m_item || !m_scene)
        return nullptr;
    if (!standsOn(m_scene, m_address))
        return nullptr;
    // Found by address: now it may be read. Another item made at the
    // address of a deleted one has a later place in the sheet's order.
    return m_item->sheetIndex() == m_sheetIndex ? m_item : nullptr;
}

void CheckMessageGraphicsItem::activate()
{
    QTreeWidget *list = treeWidget();
    if (!CHECK_PTR(list))
        return;
    if (!m_item || !m_scene)
        return;
    auto *messages = qobject_cast<ListCheckMessages *>(list);
    Project *project = messages ? messages->project() : nullptr;
    if (!project || !project->schemes())
        return;
    GraphicsItem *item = liveItem();
    if (!item)
        return;
    GraphicsScene *scene = m_scene;
    if (!project->schemes()->hasGraphicsItem(scene, item))
        return;
    scene->clearSelectionFast();
    // An item never selected on its own (a clamp of a bottom or of a
    // passage) is shown with the item it stands in.
    item->shownSelected()->setSelectedTree(true);
    scene->showInProject(item);
    item->updateInViews();
}
