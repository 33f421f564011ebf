#include "devices/dlgpropgroupeddevice.h"

#include "devices/graphicsgroupeddevice.h"
#include "devices/groupeddevice.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "model/check.h"
#include "model/project.h"

#include <QBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTreeWidget>

DlgPropGroupedDevice::DlgPropGroupedDevice(GraphicsScene *scene, int kind, const GroupCatalogue &catalogue,
                                           const Texts &texts, bool needsItemName)
    : DlgPropGraphicsObjItem(scene, kind, false)
    , m_catalogue(catalogue)
    , m_texts(texts)
    , m_needsItemName(needsItemName)
{
}

DlgPropGroupedDevice::~DlgPropGroupedDevice() = default;

QGridLayout *DlgPropGroupedDevice::createNameGrid(int columns)
{
    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edObjName = new RLineEdit(this, 0);
    grid->addWidget(m_edObjName, 0, 1, 1, columns);
    grid->addWidget(new QLabel(tr("Type:"), this), 1, 0);
    m_typeCombo = new RComboBox(this, 50);
    for (int type = 0; type < m_catalogue.typeCount; ++type)
        m_typeCombo->insertComboItemSorted(m_catalogue.typeName(type), type);
    grid->addWidget(m_typeCombo, 1, 1, 1, columns);
    return grid;
}

void DlgPropGroupedDevice::addDeviceTable(QBoxLayout *layout, int height)
{
    layout->addLayout(createFindRow(m_texts.find));
    layout->addWidget(createObjTable(240, height, {tr("Name"), tr("Type"), tr("Contacts")}, {70, 70, 50}), 1);
}

void DlgPropGroupedDevice::addGroupsTable(QBoxLayout *layout, int height, const QList<int> &widths)
{
    auto *groups = new RTreeWidget(this, 240, height);
    // The rows stand in group order: a row's index is its group.
    groups->setSortingEnabled(false);
    setTreeColumns(groups, {tr("N"), tr("Contacts"), tr("Type"), tr("Scheme")}, widths);
    m_contactsTable = groups;
    layout->addWidget(groups);
}

void DlgPropGroupedDevice::addNumber(QBoxLayout *row)
{
    row->addWidget(new QLabel(tr("N:"), this));
    m_spinNumber = new QSpinBox(this);
    // Numbers past the type's groups are allowed: binding then takes the
    // first free group that takes the form.
    m_spinNumber->setRange(1, GraphicsGroupedDevice::NoGroup);
    row->addWidget(m_spinNumber);
}

void DlgPropGroupedDevice::addChoice(QBoxLayout *row)
{
    createChoiseButton(row, m_texts.name);
}

void DlgPropGroupedDevice::addKindList(QBoxLayout *row)
{
    row->addWidget(new QLabel(tr("Type:"), this));
    m_kindCombo = new RComboBox(this, 0);
    for (int kind = 0; kind < m_catalogue.kindCount; ++kind)
        m_kindCombo->addItem(m_catalogue.kindName(kind), kind);
    row->addWidget(m_kindCombo);
}

void DlgPropGroupedDevice::finishLayout(QBoxLayout *layout)
{
    addButtons(layout);
    initObjTable(true, false);
    connect(m_contactsTable, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *row, int) { doubleClickOfTable(row); });
    m_typeCombo->setCurrentIndex(0);
    m_kindCombo->setCurrentIndex(0);
}

void DlgPropGroupedDevice::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *device = dynamic_cast<GroupedDevice *>(obj);
    if (!CHECK_PTR(device) || !CHECK_PTR(row))
        return;
    row->setText(0, device->name());
    row->setText(1, device->modelName());
    row->setText(2, QStringLiteral("%1 / %2").arg(device->items().size()).arg(device->groupCount()));
}

void DlgPropGroupedDevice::objSelected(Obj *obj, QTreeWidgetItem *)
{
    m_contactsTable->clear();
    auto *device = dynamic_cast<GroupedDevice *>(obj);
    if (!CHECK_PTR(device))
        return;
    const int type = device->modelIndex();
    const int entry = m_typeCombo->findData(type);
    if (!CHECK(entry >= 0))
        return;
    m_typeCombo->setCurrentIndex(entry);
    m_edObjName->setText(device->name());
    for (int i = 0; i < device->groupCount(); ++i) {
        auto *row = new QTreeWidgetItem(m_contactsTable);
        row->setText(0, QString::number(i + 1));
        row->setText(1, m_catalogue.groupText(type, i));
        row->setText(2, m_catalogue.kindName(m_catalogue.groupKind(type, i)));
        GraphicsGroupedDevice *shown = device->itemShowing(i);
        GraphicsScene *sheet = shown ? shown->graphicsScene() : nullptr;
        row->setText(3, sheet ? sheet->displayName() : QString());
    }
}

void DlgPropGroupedDevice::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsGroupedDevice *>(graphics);
    // The edited item: what it shows is its own, not another's.
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    const QString name = item->name();
    edName()->setText(name);
    if (m_catalogue.isKind(item->contactKind()))
        m_kindCombo->setCurrentIndex(item->contactKind());
    findInTree(m_objTable, name, Qt::MatchFixedString | Qt::MatchCaseSensitive, 0);
    if (item->obj())
        findInTree(m_contactsTable, QString::number(item->contactNumber() + 1), Qt::MatchFixedString, 0);
    m_spinNumber->setValue(item->contactNumber() + 1);
}

bool DlgPropGroupedDevice::btnChoiseClick(QTreeWidgetItem *row)
{
    QTreeWidgetItem *deviceRow = selectedTreeItem(m_objTable, m_texts.device);
    if (!deviceRow)
        return false;
    QTreeWidgetItem *groupRow = row ? row : selectedTreeItem(m_contactsTable, tr("contact"));
    if (!groupRow || !CHECK_PTR(edName()))
        return false;
    auto *device = dynamic_cast<GroupedDevice *>(treeItemObj(deviceRow));
    if (!CHECK_PTR(device))
        return false;
    const int n = m_contactsTable->indexOfTopLevelItem(groupRow);
    if (!CHECK(n >= 0 && n < device->groupCount()))
        return false;
    // The group the edited item shows already is its own, not busy.
    GraphicsGroupedDevice *shown = device->itemShowing(n);
    if (shown && shown != m_item) {
        showError(m_texts.busy);
        return false;
    }
    if (!device->groupTakes(n, m_kindCombo->currentIndex())) {
        showError(m_texts.unsuitable);
        return false;
    }
    edName()->setText(deviceRow->text(0));
    m_spinNumber->setValue(n + 1);
    return true;
}

void DlgPropGroupedDevice::btnOkClick()
{
    auto *device = dynamic_cast<GroupedDevice *>(objTakingItemAfterOk(edName()->text().simplified()));
    const int form = m_kindCombo->currentIndex();
    const int wanted = m_spinNumber->value() - 1;
    if (device && device->groupFor(form, wanted, m_item) < 0) {
        const bool suits = wanted >= 0 && wanted < device->groupCount() && device->groupTakes(wanted, form);
        showError(suits ? m_texts.busy : m_texts.unsuitable);
        return;
    }
    if (m_needsItemName)
        checkGraphicsName(kind());
    else
        DlgPropGraphicsObjItem::btnOkClick();
}

void DlgPropGroupedDevice::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsGroupedDevice *>(graphics);
    if (!CHECK_PTR(item))
        return;
    const QString name = edName()->text().simplified();
    const int form = m_kindCombo->currentIndex();
    const auto number = quint8(m_spinNumber->value() - 1);
    if (item->obj() && item->obj() == soleObjAfterOk(name)) {
        // The item keeps its device (which takes the new name): the device
        // gives it the group, as Ok made sure it can.
        item->setName(name);
        item->setContactGroup(form, number);
    } else {
        // The item goes to the device of the name, which takes it on a
        // group that takes its new form, or leaves it unbound.
        item->detachObj(true);
        item->setContactGroup(form, number);
        item->setName(name);
    }
    itemNamed(item, name);
    item->updatePinNames();
    item->updateFromObj();
    item->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

void DlgPropGroupedDevice::itemNamed(GraphicsGroupedDevice *, const QString &)
{
}

void DlgPropGroupedDevice::btnReplObjClick()
{
    DlgPropGraphicsObjItem::btnReplObjClick();
    const QList<QTreeWidgetItem *> selected = m_objTable->selectedItems();
    if (!selected.isEmpty() && treeItemObj(selected.first()))
        objSelected(treeItemObj(selected.first()), selected.first());
}

void DlgPropGroupedDevice::saveObj(Obj *obj)
{
    auto *device = dynamic_cast<GroupedDevice *>(obj);
    if (!CHECK_PTR(device))
        return;
    const int type = m_typeCombo->comboCurrentData();
    if (device->modelIndex() == type)
        return;
    // Every item is given a group of the new type, or none.
    device->setModelIndex(type);
}
