#include "schemes/dlgpropfootnote.h"

#include "graphics/graphicsscene.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "schemes/footnote.h"
#include "schemes/graphicsfootnote.h"

#include <QLabel>
#include <QLineEdit>

DlgPropFootnote::DlgPropFootnote(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, FootnoteKind, false)
{
    auto *layout = new RVBoxLayout(this, 5, 5);

    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edObjName = new QLineEdit(this);
    grid->addWidget(m_edObjName, 0, 1, 1, 2);
    createObjButtons(grid, this, 1);
    layout->addLayout(grid);

    auto *findRow = new RHBoxLayout();
    findRow->addWidget(new QLabel(tr("Find Footnote:"), this));
    m_edFind = new RLineEdit(this, 0);
    findRow->addWidget(m_edFind);
    layout->addLayout(findRow);

    auto *tables = new RHBoxLayout();
    auto *objTable = new RTreeWidget(this, 170, 160);
    objTable->setColumnCount(2);
    objTable->setHeaderLabels({tr("Footnote Name"), tr("Cnt")});
    objTable->setColumnWidth(0, 110);
    objTable->setColumnWidth(1, 50);
    m_objTable = objTable;
    tables->addWidget(objTable, 1);
    auto *schemeTable = new RTreeWidget(this, 70, 160);
    schemeTable->setColumnCount(1);
    schemeTable->setHeaderLabels({tr("Scheme")});
    schemeTable->setColumnWidth(0, 60);
    m_schemeTable = schemeTable;
    tables->addWidget(schemeTable);
    layout->addLayout(tables, 1);

    createHLine(layout);
    auto *nameRow = new RHBoxLayout();
    createChoiseButton(nameRow, tr("Name:"));
    layout->addLayout(nameRow);

    addButtons(layout);
    initObjTable(true, true);
}

void DlgPropFootnote::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    if (!CHECK_PTR(obj) || !CHECK_PTR(row))
        return;
    row->setText(0, obj->name());
    row->setText(1, QString::number(obj->items().size()));
}

void DlgPropFootnote::objSelected(Obj *obj, QTreeWidgetItem *)
{
    m_schemeTable->clear();
    if (!CHECK_PTR(obj))
        return;
    m_edObjName->setText(obj->name());
    for (ObjItem *entry : obj->items()) {
        if (!CHECK_PTR(entry))
            continue;
        auto *item = dynamic_cast<GraphicsItem *>(entry);
        GraphicsScene *scene = item ? item->graphicsScene() : nullptr;
        auto *row = new QTreeWidgetItem(m_schemeTable);
        row->setText(0, scene ? scene->displayName() : QString());
    }
}

void DlgPropFootnote::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsFootnote *>(graphics);
    if (!CHECK_PTR(item))
        return;
    if (Obj *bound = item->obj())
        findInTree(m_objTable, bound->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, 0);
    m_edName->setText(item->name());
}

void DlgPropFootnote::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsFootnote *>(graphics);
    if (!CHECK_PTR(item))
        return;
    item->setName(m_edName->text().simplified());
    DlgPropGraphicsObjItem::saveToItem(item);
}

void DlgPropFootnote::btnOkClick()
{
    checkGraphicsName(FootnoteKind);
}

DlgPropGraphicsItem *createDlgPropFootnote(GraphicsScene *scene)
{
    return new DlgPropFootnote(scene);
}
