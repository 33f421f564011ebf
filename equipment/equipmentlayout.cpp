#include "equipment/equipmentlayout.h"

#include "equipment/frameedit.h"
#include "graphics/graphicsitem.h"
#include "graphics/graphicsscene.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/address.h"
#include "model/check.h"
#include "model/device.h"
#include "model/pin.h"
#include "model/project.h"

#include <QHeaderView>
#include <QVariant>

EquipmentLayout::EquipmentLayout(QWidget *parent, Project *project)
    : QWidget(parent)
    , m_project(project)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    m_tree = new RTreeWidget(this, 290, 300);
    m_tree->setColumnCount(5);
    m_tree->setHeaderLabels({tr("D. Name"), tr("D. Type"), tr("ST"), tr("Scheme"), tr("Address")});
    const int widths[5] = {70, 70, 40, 50, 50};
    for (int column = 0; column < 5; ++column)
        m_tree->setColumnWidth(column, widths[column]);
    layout->addWidget(m_tree);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &EquipmentLayout::treeDoubleClick);
}

void EquipmentLayout::setFrameEdit(FrameEdit *edit)
{
    if (m_frameEdit)
        disconnect(this, &EquipmentLayout::needPlacingDevice, m_frameEdit, &FrameEdit::placingDevice);
    m_frameEdit = edit;
    if (m_frameEdit)
        connect(this, &EquipmentLayout::needPlacingDevice, m_frameEdit, &FrameEdit::placingDevice);
}

QTreeWidget *EquipmentLayout::tree() const
{
    return m_tree;
}

bool EquipmentLayout::isPlaceable(const Obj &obj)
{
    return obj.kind() >= BlockKind && obj.kind() != ClampPanelKind && obj.kind() != BoxKind;
}

Device *EquipmentLayout::treeItemObj(QTreeWidgetItem *item)
{
    if (!item)
        return nullptr;
    return static_cast<Device *>(item->data(0, Qt::UserRole).value<void *>());
}

QTreeWidgetItem *EquipmentLayout::findTreeItemOfObj(Obj &obj) const
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_tree->topLevelItem(i);
        if (treeItemObj(item) == &obj)
            return item;
    }
    return nullptr;
}

void EquipmentLayout::fillRow(QTreeWidgetItem *item, Device &device)
{
    item->setText(0, device.name());
    item->setText(1, device.modelName());
    item->setText(2, device.placeTypeName());
    // Where the device is drawn: the document of each of its items, a
    // document as often as it shows the device.
    QStringList scenes;
    for (ObjItem *bound : device.items()) {
        PinOwner *owner = bound ? bound->pinOwner() : nullptr;
        auto *drawn = owner ? dynamic_cast<GraphicsItem *>(owner->graphicsItem()) : nullptr;
        GraphicsScene *scene = drawn ? drawn->graphicsScene() : nullptr;
        if (scene)
            scenes << scene->displayName();
    }
    item->setText(3, scenes.join(QLatin1Char(';')));
    const Address *at = device.address();
    item->setText(4, at ? at->toString(1) : QString());
}

void EquipmentLayout::appendObj(Obj &obj)
{
    if (m_stale || !isPlaceable(obj))
        return;
    auto *device = dynamic_cast<Device *>(&obj);
    if (!CHECK_PTR(device))
        return;
    auto *item = new QTreeWidgetItem();
    item->setData(0, Qt::UserRole, QVariant::fromValue<void *>(device));
    fillRow(item, *device);
    m_tree->addTopLevelItem(item);
}

void EquipmentLayout::deleteObj(Obj &obj)
{
    if (m_stale || !isPlaceable(obj))
        return;
    QTreeWidgetItem *item = findTreeItemOfObj(obj);
    if (!CHECK_PTR(item))
        return;
    delete item;
}

void EquipmentLayout::updateObj(Obj &obj)
{
    if (m_stale || !isPlaceable(obj))
        return;
    QTreeWidgetItem *item = findTreeItemOfObj(obj);
    if (!CHECK_PTR(item))
        return;
    fillRow(item, *treeItemObj(item));
}

void EquipmentLayout::treeDoubleClick(QTreeWidgetItem *item, int)
{
    Device *device = treeItemObj(item);
    if (!device)
        return;
    if (device->placeItem()) {
        showInformation(tr("This device already complete!"));
        return;
    }
    emit needPlacingDevice(*device);
}

void EquipmentLayout::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_stale)
        return;
    m_stale = false;
    if (!m_project)
        return;
    for (int kind : m_project->indexedKinds()) {
        if (kind <= 200)
            continue;
        for (Obj *obj : m_project->sortedObjectsOfKind(kind)) {
            if (CHECK_PTR(obj))
                appendObj(*obj);
        }
    }
}
