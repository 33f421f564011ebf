#include "devices/dlgpropautoswitch.h"

#include "devices/autoswitch.h"
#include "devices/autoswitchcatalogue.h"
#include "devices/graphicsautoswitch.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"

#include <QLabel>
#include <QTreeWidget>

DlgPropAutoSwitch::DlgPropAutoSwitch(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, AutoSwitchKind, true)
{
    auto *layout = new RHBoxLayout(this, 5, 5);

    // The autoswitches of the project.
    auto *left = new RVBoxLayout();
    auto *findRow = new RHBoxLayout();
    findRow->addWidget(new QLabel(tr("Find autoswitch:"), this));
    m_edFind = new RLineEdit(this, 0);
    findRow->addWidget(m_edFind);
    left->addLayout(findRow);
    auto *table = new RTreeWidget(this, 240, 200);
    table->setColumnCount(3);
    table->setHeaderLabels({tr("Name"), tr("Type"), tr("Scheme")});
    table->setColumnWidth(0, 80);
    table->setColumnWidth(1, 80);
    table->setColumnWidth(2, 50);
    m_objTable = table;
    left->addWidget(table, 1);
    layout->addLayout(left, 1);

    // The item's name and type.
    auto *right = new RVBoxLayout();
    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edName = new RLineEdit(this, 50);
    grid->addWidget(m_edName, 0, 1);
    grid->addWidget(new QLabel(tr("Type:"), this), 1, 0);
    m_typeCombo = new RComboBox(this, 0);
    for (int i = 0; i < AutoSwitchTypeCount; ++i)
        m_typeCombo->addItem(autoSwitchModelName(i), i);
    grid->addWidget(m_typeCombo, 1, 1);
    right->addLayout(grid);
    right->addStretch();
    addButtons(right);
    layout->addLayout(right);

    initObjTable(true, false);
    m_typeCombo->setCurrentIndex(0);
    m_edName->setFocus();
}

DlgPropAutoSwitch::~DlgPropAutoSwitch() = default;

void DlgPropAutoSwitch::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *device = dynamic_cast<AutoSwitch *>(obj);
    if (!CHECK_PTR(device) || !CHECK_PTR(row))
        return;
    row->setText(0, device->name());
    row->setText(1, device->modelName());
    if (!CHECK(!device->items().isEmpty()))
        return;
    auto *item = dynamic_cast<GraphicsItem *>(device->items().first());
    if (!CHECK_PTR(item))
        return;
    GraphicsScene *sheet = item->graphicsScene();
    row->setText(2, sheet ? sheet->displayName() : QString());
}

void DlgPropAutoSwitch::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsAutoSwitch *>(graphics);
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    AutoSwitch *device = item->autoSwitch();
    if (!device) {
        // Its autoswitch was deleted from a dialog: Ok gives it a new one.
        m_edName->setText(item->name());
        return;
    }
    const int entry = m_typeCombo->findData(device->modelIndex());
    if (!CHECK(entry >= 0))
        return;
    m_typeCombo->setCurrentIndex(entry);
    m_edName->setText(device->name());
    findInTree(m_objTable, device->name(), Qt::MatchFixedString, 0);
}

void DlgPropAutoSwitch::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsAutoSwitch *>(graphics);
    if (!CHECK_PTR(item))
        return;
    applyObj(item);
    item->updateFromObj();
    item->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

void DlgPropAutoSwitch::saveObj(Obj *obj)
{
    auto *device = dynamic_cast<AutoSwitch *>(obj);
    if (!CHECK_PTR(device))
        return;
    device->setModelIndex(m_typeCombo->comboCurrentData());
}

DlgPropGraphicsItem *createDlgPropAutoSwitch(GraphicsScene *scene)
{
    return new DlgPropAutoSwitch(scene);
}
