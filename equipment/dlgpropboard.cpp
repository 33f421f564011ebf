#include "equipment/dlgpropboard.h"

#include "equipment/boardcatalogue.h"
#include "equipment/graphicsplacecontainer.h"
#include "equipment/place.h"
#include "equipment/placecatalogue.h"
#include "graphics/dlgpropgraphicsobjitem.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"

#include <QCoreApplication>
#include <QHeaderView>

namespace {

const int typeRole = Qt::UserRole + 1;
const QList<int> columnWidths = {150, 270, 80, 50, 50};

} // namespace

DlgPropContainerType::DlgPropContainerType(GraphicsScene *scene, int width, const QStringList &headers)
    : DlgPropGraphicsItem(scene)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    m_tree = new RTreeWidget(this, width, 400);
    setTreeColumns(m_tree, headers, columnWidths.mid(0, headers.size()));
    layout->addWidget(m_tree);
    addButtons(layout);
}

void DlgPropContainerType::addTypeRow(int type, const char *name, const char *context, int containerKind,
                                      const QStringList &further)
{
    const ContainerKindInfo *kind = containerKindInfo(containerKind);
    if (!CHECK(kind != nullptr))
        return;
    auto *row = new QTreeWidgetItem(m_tree);
    row->setText(0, QString::fromUtf8(name));
    row->setText(1, QCoreApplication::translate(context, name));
    row->setText(2, kind->caption1 ? QString::fromUtf8(kind->caption1) : QString());
    row->setText(3, QString::number(kind->placeCount));
    for (int i = 0; i < further.size(); ++i)
        row->setText(4 + i, further[i]);
    row->setData(0, typeRole, type);
}

void DlgPropContainerType::selectFirstRow()
{
    if (CHECK(m_tree->topLevelItemCount() > 0))
        selectTreeItem(m_tree, m_tree->topLevelItem(0));
}

void DlgPropContainerType::loadFromItem(GraphicsItem *item)
{
    auto *container = dynamic_cast<GraphicsPlaceContainer *>(item);
    if (!CHECK_PTR(container))
        return;
    const char *name = typeName(container->containerType());
    // A type the table does not offer leaves nothing chosen.
    if (name)
        findInTree(m_tree, QString::fromUtf8(name), Qt::MatchExactly, 0);
    else
        m_tree->clearSelection();
}

void DlgPropContainerType::saveToItem(GraphicsItem *item)
{
    auto *container = dynamic_cast<GraphicsPlaceContainer *>(item);
    QTreeWidgetItem *row = selectedTreeItem(m_tree, choiceName());
    if (!row || !CHECK_PTR(container))
        return;
    // A new type builds new places and leaves the place the container stood
    // in; where the new type fits that place, it stands there again, as the
    // user changed what stands there, not where.
    Place *place = container->place();
    container->setContainerType(row->data(0, typeRole).toInt());
    if (place && !container->place() && place->canDrop(container, place->sceneRect().center()))
        place->putItem(container);
}

void DlgPropContainerType::btnOkClick()
{
    // Without a choice a new item would be made without places.
    if (selectedTreeItem(m_tree, choiceName()))
        DlgPropGraphicsItem::btnOkClick();
}

DlgPropBoard::DlgPropBoard(GraphicsScene *scene)
    : DlgPropContainerType(scene, 570, {tr("Board"), tr("Board description"), tr("GOST N"), tr("Cnt places")})
{
    for (int type = 0; type < boardTypeCount; ++type) {
        const BoardTypeInfo &row = boardTypes[type];
        if (row.listed)
            addTypeRow(type, row.name, "Board", row.containerKind, {});
    }
    selectFirstRow();
}

const char *DlgPropBoard::typeName(int type) const
{
    const BoardTypeInfo *row = boardTypeInfo(type);
    return row ? row->name : nullptr;
}

QString DlgPropBoard::choiceName() const
{
    return tr("board type");
}

DlgPropGraphicsItem *createDlgPropBoard(GraphicsScene *scene)
{
    return new DlgPropBoard(scene);
}
