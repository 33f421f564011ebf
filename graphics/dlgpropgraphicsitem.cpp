#include "graphics/dlgpropgraphicsitem.h"

#include "graphics/graphicsitem.h"
#include "graphics/graphicsscene.h"
#include "model/check.h"

DlgPropGraphicsItem::DlgPropGraphicsItem(GraphicsScene *scene)
    : DlgProp(nullptr)
    , m_scene(scene)
{
}

GraphicsItem *DlgPropGraphicsItem::execDialog(GraphicsItem *item, int type)
{
    if (item)
        loadFromItem(item);
    if (execModal(this) != QDialog::Accepted)
        return nullptr;
    if (!item && CHECK_PTR(m_scene))
        item = m_scene->createItem(type);
    if (!CHECK_PTR(item))
        return nullptr;
    // The sheet keeps no item index, so the geometry the dialog changes
    // needs no index update here.
    saveToItem(item);
    if (m_scene)
        m_scene->setModified(true);
    return item;
}
