#include "equipment/equipmentlayout.h"

#include "equipment/frameedit.h"
#include "graphics/graphicsitem.h"
#include "graphics/graphicsobjitem.h"
#include "graphics/graphicsscene.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/address.h"
#include "model/check.h"
#include "model/device.h"
#include "model/pin.h"
#include "model/project.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTimer>
#include <QVariant>

EquipmentLayout::EquipmentLayout(QWidget *parent, Project *project)
    : QWidget(parent)
    , m_project(project)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    layout->addLayout(grid);
    m_atr = new QSpinBox(this);
    m_atr->setMinimum(0);
    m_page = new QSpinBox(this);
    m_page->setMinimum(0);
    m_deviceType = new RLineEdit(this, 40);
    m_placeType = new RLineEdit(this, 40);
    grid->addWidget(new QLabel(tr("ATR Num:"), this), 0, 0);
    grid->addWidget(m_atr, 0, 1);
    grid->addWidget(new QLabel(tr("Page num:"), this), 0, 2);
    grid->addWidget(m_page, 0, 3);
    grid->addWidget(new QLabel(tr("Device type:"), this), 1, 0);
    grid->addWidget(m_deviceType, 1, 1);
    grid->addWidget(new QLabel(tr("Place type:"), this), 1, 2);
    grid->addWidget(m_placeType, 1, 3);

    auto *buttons = new RHBoxLayout();
    layout->addLayout(buttons);
    m_withoutAddress = new QCheckBox(tr("Show devices only without address"), this);
    m_setFilter = new QPushButton(tr("V"), this);
    m_setFilter->setFixedWidth(25);
    m_cancelFilter = new QPushButton(tr("X"), this);
    m_cancelFilter->setFixedWidth(25);
    m_cancelFilter->setEnabled(false);
    buttons->addWidget(m_withoutAddress);
    buttons->addWidget(m_setFilter);
    buttons->addWidget(m_cancelFilter);

    m_tree = new RTreeWidget(this, 290, 300);
    m_tree->setColumnCount(5);
    m_tree->setHeaderLabels({tr("D. Name"), tr("D. Type"), tr("ST"), tr("Scheme"), tr("Address")});
    const int widths[5] = {70, 70, 40, 50, 50};
    for (int column = 0; column < 5; ++column)
        m_tree->setColumnWidth(column, widths[column]);
    layout->addWidget(m_tree);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &EquipmentLayout::treeDoubleClick);
    connect(m_setFilter, &QPushButton::clicked, this, &EquipmentLayout::btnSetFilterClick);
    connect(m_cancelFilter, &QPushButton::clicked, this, &EquipmentLayout::btnCanFilterClick);
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
    return m_rows.value(&obj, nullptr);
}

void EquipmentLayout::fillRow(QTreeWidgetItem *item, Device &device)
{
    item->setText(0, device.name());
    item->setText(1, device.modelName());
    item->setText(2, device.placeTypeName());
    item->setText(3, sceneNames(device));
    const Address *at = device.address();
    item->setText(4, at ? at->toString(1) : QString());
}

QString EquipmentLayout::sceneNames(Device &device)
{
    QStringList scenes;
    for (ObjItem *bound : device.items()) {
        PinOwner *owner = bound ? bound->pinOwner() : nullptr;
        auto *drawn = owner ? dynamic_cast<GraphicsItem *>(owner->graphicsItem()) : nullptr;
        GraphicsScene *scene = drawn ? drawn->graphicsScene() : nullptr;
        if (scene)
            scenes << scene->displayName();
    }
    return scenes.join(QLatin1Char(';'));
}

void EquipmentLayout::sceneNamesChanged(const GraphicsScene &scene)
{
    if (m_stale)
        return;
    // A sheet listed twice is passed twice; each row is written once.
    m_renamedScenes.append(&scene);
    scheduleRefresh();
}

void EquipmentLayout::bindingsChanged(Obj &obj)
{
    if (m_stale || !isPlaceable(obj))
        return;
    m_rebound.insert(&obj);
    scheduleRefresh();
}

void EquipmentLayout::scheduleRefresh()
{
    if (std::exchange(m_refreshQueued, true))
        return;
    QTimer::singleShot(0, this, &EquipmentLayout::refreshSceneNames);
}

void EquipmentLayout::refreshSceneNames()
{
    m_refreshQueued = false;
    QSet<QTreeWidgetItem *> rows;
    for (const Obj *obj : std::exchange(m_rebound, {})) {
        if (QTreeWidgetItem *row = m_rows.value(obj, nullptr))
            rows.insert(row);
    }
    for (const QPointer<const GraphicsScene> &renamed : std::exchange(m_renamedScenes, {})) {
        if (!renamed)
            continue;
        for (GraphicsItem *item : renamed->graphicsItems()) {
            auto *bound = dynamic_cast<GraphicsObjItem *>(item);
            if (QTreeWidgetItem *row = bound && bound->obj() ? findTreeItemOfObj(*bound->obj()) : nullptr)
                rows.insert(row);
        }
    }
    for (QTreeWidgetItem *row : rows) {
        if (Device *device = treeItemObj(row))
            row->setText(3, sceneNames(*device));
    }
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
    m_rows.insert(device, item);
}

void EquipmentLayout::deleteObj(Obj &obj)
{
    if (m_stale || !isPlaceable(obj))
        return;
    QTreeWidgetItem *item = findTreeItemOfObj(obj);
    if (!CHECK_PTR(item))
        return;
    m_rows.remove(&obj);
    m_rebound.remove(&obj);
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

void EquipmentLayout::btnSetFilterClick()
{
    // The schemes' display names hold "ATR_page": 05_03 for ATR 5, page 3.
    QString pattern;
    if (m_atr->value() != 0)
        pattern = QString::asprintf("%.2d", m_atr->value()) + QLatin1Char('_');
    if (m_page->value() != 0)
        pattern += QString::asprintf(pattern.isEmpty() ? "_%.2d" : "%.2d", m_page->value());
    const QString deviceType = m_deviceType->text().simplified();
    const QString placeType = m_placeType->text().simplified();
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_tree->topLevelItem(i);
        bool match = true;
        if (!deviceType.isEmpty())
            match = item->text(1).contains(deviceType, Qt::CaseInsensitive);
        if (match && !placeType.isEmpty())
            match = item->text(2).contains(placeType, Qt::CaseInsensitive);
        if (match && !pattern.isEmpty())
            match = QString(item->text(3)).remove(QLatin1Char('*')).contains(pattern);
        if (match && m_withoutAddress->isChecked())
            match = item->text(4).simplified().isEmpty();
        item->setHidden(!match);
    }
    m_cancelFilter->setEnabled(true);
}

void EquipmentLayout::btnCanFilterClick()
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        m_tree->topLevelItem(i)->setHidden(false);
    m_cancelFilter->setEnabled(false);
}
