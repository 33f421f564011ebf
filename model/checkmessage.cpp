#include "model/checkmessage.h"

#include "model/check.h"

#include <QBrush>
#include <QTreeWidget>

CheckMessage::CheckMessage(QTreeWidget *list, int kind)
    : QTreeWidgetItem(list, 0)
{
    if (kind != Error)
        return;
    const QBrush red(Qt::red, Qt::SolidPattern);
    for (int column = SceneColumn; column <= MessageColumn; ++column)
        setForeground(column, red);
}

void CheckMessage::activate()
{
}

namespace {

CheckMessage::ItemRowFactory itemRowFactory = nullptr;

} // namespace

void CheckMessage::setItemRowFactory(ItemRowFactory factory)
{
    itemRowFactory = factory;
}

CheckMessage *CheckMessage::forItem(QTreeWidget *list, int kind, GraphicsItem *item)
{
    if (!CHECK(itemRowFactory != nullptr))
        return new CheckMessage(list, kind);
    return itemRowFactory(list, kind, item);
}
