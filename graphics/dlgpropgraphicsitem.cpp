#include "graphics/dlgpropgraphicsitem.h"

#include "graphics/graphicsitem.h"
#include "graphics/graphicsscene.h"
#include "model/check.h"

#include <QTreeWidget>
#include <QVariant>

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
    // The items announce every change of their bounding rectangle
    // (prepareGeometryChange), which keeps the sheet's item index consistent.
    saveToItem(item);
    if (m_scene)
        m_scene->setModified(true);
    return item;
}

void setTreeItemObject(QTreeWidgetItem *row, const void *object)
{
    if (!CHECK_PTR(row))
        return;
    row->setData(0, Qt::UserRole + 1, QVariant::fromValue(quintptr(object)));
}

QTreeWidgetItem *findTopLevelItemByObject(QTreeWidget *tree, const void *object)
{
    if (!CHECK_PTR(tree))
        return nullptr;
    const int count = tree->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem *row = tree->topLevelItem(i);
        if (!CHECK_PTR(row))
            continue;
        const QVariant stored = row->data(0, Qt::UserRole + 1);
        if (stored.isValid() && stored.value<quintptr>() == quintptr(object))
            return row;
    }
    return nullptr;
}
