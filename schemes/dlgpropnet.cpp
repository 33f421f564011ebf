#include "schemes/dlgpropnet.h"

#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "schemes/net.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTreeWidgetItem>

DlgPropNet::DlgPropNet(GraphicsScene *scene)
    : DlgPropGraphicsItem(scene)
{
    auto *main = new RVBoxLayout(this, 5, 5);
    m_tree = new RTreeWidget(this, 250, 270);
    m_tree->setColumnCount(2);
    m_tree->setSortingEnabled(false);
    m_tree->setHeaderLabels({tr("Section ( mm )"), tr("Designation")});
    m_tree->setColumnWidth(0, 120);
    m_tree->setColumnWidth(1, 120);
    for (int i = 0; i < WireSectionCount; ++i) {
        const WireSection &row = wireSections[i];
        auto *item = new QTreeWidgetItem(m_tree);
        item->setText(0, QCoreApplication::translate("Net", row.name));
        if (row.designation)
            item->setText(1, QCoreApplication::translate("Net", row.designation));
        // The row's index in the table, kept as the stored value.
        setTreeItemObject(item, reinterpret_cast<const void *>(quintptr(i)));
    }
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this] { btnOkClick(); });
    main->addWidget(m_tree);
    addButtons(main);
}

void DlgPropNet::loadFromItem(GraphicsItem *item)
{
    auto *net = dynamic_cast<GraphicsNet *>(item);
    if (!CHECK_PTR(net))
        return;
    findInTree(m_tree, QCoreApplication::translate("Net", wireSections[net->section()].name), Qt::MatchFixedString,
               0);
}

void DlgPropNet::saveToItem(GraphicsItem *item)
{
    auto *net = dynamic_cast<GraphicsNet *>(item);
    if (!CHECK_PTR(net))
        return;
    // Without a row the user has been told; the net stays as it is.
    QTreeWidgetItem *row = selectedTreeItem(m_tree, tr("section net"));
    if (!row)
        return;
    const quintptr index = row->data(0, Qt::UserRole + 1).value<quintptr>();
    if (!CHECK(index < quintptr(WireSectionCount)))
        return;
    net->setSection(int(index));
    net->updateInViews();
}
