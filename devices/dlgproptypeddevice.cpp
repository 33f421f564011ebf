#include "devices/dlgproptypeddevice.h"

#include "devices/graphicstypeddevice.h"
#include "devices/typeddevice.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"

#include <QLabel>
#include <QTreeWidget>

DlgPropTypedDevice::DlgPropTypedDevice(GraphicsScene *scene, int kind, const QString &findLabel, int typeCount,
                                       QString (*typeName)(int))
    : DlgPropGraphicsObjItem(scene, kind, true)
{
    auto *layout = new RHBoxLayout(this, 5, 5);

    // The devices of the kind in the project.
    auto *left = new RVBoxLayout();
    auto *findRow = new RHBoxLayout();
    findRow->addWidget(new QLabel(findLabel, this));
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
    grid->addWidget(m_typeCombo, 1, 1);
    right->addLayout(grid);
    right->addStretch();
    addButtons(right);
    layout->addLayout(right);

    initObjTable(true, false);
    for (int row = 0; row < typeCount; ++row)
        m_typeCombo->insertComboItemSorted(typeName(row), row);
    if (m_typeCombo->count() > 0)
        m_typeCombo->setCurrentIndex(0);
    m_edName->setFocus();
}

DlgPropTypedDevice::~DlgPropTypedDevice() = default;

void DlgPropTypedDevice::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *device = dynamic_cast<TypedDevice *>(obj);
    if (!CHECK_PTR(device) || !CHECK_PTR(row))
        return;
    row->setText(0, device->name());
    row->setText(1, device->modelName());
    row->setText(2, device->sceneName());
}

void DlgPropTypedDevice::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsTypedDevice *>(graphics);
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    m_edName->setText(item->name());
    TypedDevice *device = item->typedDevice();
    // An item whose device is gone gets a new one on Ok.
    if (!device)
        return;
    findInTree(m_objTable, device->name(), Qt::MatchFixedString, 0);
    const int entry = m_typeCombo->findData(device->modelIndex());
    if (entry < 0) {
        // No type, or one this catalogue does not know: shown as none and
        // kept, unless the user chooses one.
        m_typeCombo->setCurrentIndex(-1);
        showError(tr("The stored type of %1 is not in the catalogue. It is kept unless you choose another type.")
                      .arg(device->name()));
        return;
    }
    m_typeCombo->setCurrentIndex(entry);
}

void DlgPropTypedDevice::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsTypedDevice *>(graphics);
    if (!CHECK_PTR(item))
        return;
    applyObj(item);
    item->updateFromObj();
    item->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

void DlgPropTypedDevice::saveObj(Obj *obj)
{
    auto *device = dynamic_cast<TypedDevice *>(obj);
    if (!CHECK_PTR(device))
        return;
    if (m_typeCombo->currentIndex() >= 0)
        device->setModelIndex(m_typeCombo->comboCurrentData());
}
