#include "graphics/dlgprop.h"

#include "graphics/rhboxlayout.h"
#include "model/check.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QPushButton>
#include <QTreeWidget>

DlgProp::DlgProp(QWidget *parent)
    : QDialog(parent)
{
}

void DlgProp::addButtons(QBoxLayout *layout)
{
    if (!CHECK_PTR(layout))
        return;
    auto *row = new RHBoxLayout();
    row->addStretch();

    auto *ok = new QPushButton(tr("Ok"), this);
    connect(ok, &QPushButton::clicked, this, &DlgProp::btnOkClick);
    ok->setDefault(true);
    row->addWidget(ok);

    auto *cancel = new QPushButton(tr("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(cancel);

    layout->addLayout(row, 0);
}

void DlgProp::loadFromObject()
{
}

void DlgProp::saveToObject()
{
}

void DlgProp::findInTree(QTreeWidget *tree, const QString &text, Qt::MatchFlags flags, int column)
{
    if (!CHECK_PTR(tree))
        return;
    tree->clearSelection();
    if (text.isEmpty()) {
        if (QTreeWidgetItem *first = tree->topLevelItem(0))
            first->setSelected(true);
        tree->scrollToTop();
        return;
    }
    const QList<QTreeWidgetItem *> found = tree->findItems(text.simplified(), flags, column);
    if (!found.isEmpty())
        selectTreeItem(tree, found.first());
}

void DlgProp::selectTreeItem(QTreeWidget *tree, QTreeWidgetItem *item)
{
    if (!CHECK_PTR(tree))
        return;
    tree->clearSelection();
    if (!item)
        return;
    item->setSelected(true);
    tree->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void DlgProp::removeTreeItem(QTreeWidget *tree, QTreeWidgetItem *item)
{
    if (!CHECK_PTR(tree))
        return;
    int index = tree->indexOfTopLevelItem(item);
    delete item;
    if (index == tree->topLevelItemCount())
        --index;
    selectTreeItem(tree, tree->topLevelItem(index));
}

void DlgProp::btnOkClick()
{
    accept();
}

QTreeWidgetItem *selectedTreeItem(QTreeWidget *tree, const QString &name)
{
    if (!CHECK_PTR(tree))
        return nullptr;
    const QList<QTreeWidgetItem *> selected = tree->selectedItems();
    if (selected.isEmpty()) {
        showError(QCoreApplication::translate("DlgProp", "Need selected %1 !").arg(name));
        return nullptr;
    }
    return selected.first();
}
