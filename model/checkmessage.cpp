#include "model/checkmessage.h"

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

CheckMessage *CheckMessage::forItem(QTreeWidget *list, int kind, GraphicsItem *item)
{
    return s_itemRowFactory ? s_itemRowFactory(list, kind, item) : new CheckMessage(list, kind);
}
