#include "devices/dlgpropinterrupter.h"

#include "devices/graphicsinterrupter.h"
#include "devices/interrupter.h"
#include "devices/interruptercatalogue.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTreeWidget>

namespace {

enum Column { NameColumn, TypeColumn, NominalColumn, SchemeColumn };

} // namespace

DlgPropInterrupter::DlgPropInterrupter(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, InterrupterKind, true)
{
    auto *layout = new RHBoxLayout(this, 5, 5);

    // The interrupters of the project.
    auto *left = new RVBoxLayout();
    auto *findRow = new RHBoxLayout();
    findRow->addWidget(new QLabel(tr("Find interrupter:"), this));
    m_edFind = new RLineEdit(this, 0);
    findRow->addWidget(m_edFind);
    left->addLayout(findRow);
    auto *table = new RTreeWidget(this, 280, 200);
    table->setColumnCount(4);
    table->setHeaderLabels({tr("Name"), tr("Type"), tr("Nom."), tr("Scheme")});
    const int widths[] = {80, 80, 50, 50};
    for (int i = 0; i < 4; ++i)
        table->setColumnWidth(i, widths[i]);
    m_objTable = table;
    left->addWidget(table, 1);
    layout->addLayout(left, 1);

    // The item's interrupter.
    auto *right = new RVBoxLayout();
    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edName = new RLineEdit(this, 0);
    grid->addWidget(m_edName, 0, 1);
    grid->addWidget(new QLabel(tr("Type:"), this), 1, 0);
    m_typeCombo = new RComboBox(this, 0);
    for (int type = 0; type < InterrupterTypeCount; ++type)
        m_typeCombo->insertComboItemSorted(QCoreApplication::translate("Interrupter", interrupterTypes[type].name),
                                           type);
    grid->addWidget(m_typeCombo, 1, 1);
    grid->addWidget(new QLabel(tr("Nominal:"), this), 2, 0);
    m_nominalCombo = new RComboBox(this, 0);
    grid->addWidget(m_nominalCombo, 2, 1);
    right->addLayout(grid);
    right->addStretch();
    addButtons(right);
    layout->addLayout(right);

    initObjTable(true, false);
    m_typeCombo->setCurrentIndex(0);
    changeInterrupterType(0);
    connect(m_typeCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DlgPropInterrupter::changeInterrupterType);
    m_edName->setFocus();
}

DlgPropInterrupter::~DlgPropInterrupter() = default;

void DlgPropInterrupter::changeInterrupterType(int index)
{
    m_nominalCombo->clear();
    if (index < 0)
        return;
    const int type = m_typeCombo->itemData(index).toInt();
    if (!CHECK(isInterrupterType(type)))
        return;
    const InterrupterType &row = interrupterTypes[type];
    for (int i = 0; i < row.count; ++i)
        m_nominalCombo->addItem(QCoreApplication::translate("Interrupter", row.nominals[i]), i);
    if (m_nominalCombo->count() > 0)
        m_nominalCombo->setCurrentIndex(0);
}

void DlgPropInterrupter::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *interrupter = dynamic_cast<Interrupter *>(obj);
    if (!CHECK_PTR(interrupter) || !CHECK_PTR(row))
        return;
    row->setText(NameColumn, interrupter->name());
    row->setText(TypeColumn, interrupter->modelName());
    row->setText(NominalColumn, interrupter->nominalText());
    if (!CHECK(!interrupter->items().isEmpty()))
        return;
    auto *item = dynamic_cast<GraphicsInterrupter *>(interrupter->items().first());
    GraphicsScene *scene = item ? item->graphicsScene() : nullptr;
    row->setText(SchemeColumn, scene ? scene->displayName() : QString());
}

void DlgPropInterrupter::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsInterrupter *>(graphics);
    // The edited item: what it shows is its own, not another's.
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    if (Interrupter *interrupter = item->interrupter(); CHECK_PTR(interrupter)) {
        const int typeEntry = m_typeCombo->findData(interrupter->modelIndex());
        if (CHECK(typeEntry >= 0)) {
            m_typeCombo->setCurrentIndex(typeEntry);
            const int nominalEntry = m_nominalCombo->findData(interrupter->nominalIndex());
            if (CHECK(nominalEntry >= 0))
                m_nominalCombo->setCurrentIndex(nominalEntry);
        }
    }
    edName()->setText(item->name());
    findInTree(m_objTable, item->name(), Qt::MatchFixedString, NameColumn);
}

void DlgPropInterrupter::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsInterrupter *>(graphics);
    if (!CHECK_PTR(item))
        return;
    applyObj(item);
    item->updatePinNames();
    item->updateFromObj();
    item->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

void DlgPropInterrupter::saveObj(Obj *obj)
{
    auto *interrupter = dynamic_cast<Interrupter *>(obj);
    if (!CHECK_PTR(interrupter))
        return;
    interrupter->setModelIndex(m_typeCombo->comboCurrentData());
    interrupter->setNominalIndex(m_nominalCombo->comboCurrentData());
}

DlgPropGraphicsItem *createDlgPropInterrupter(GraphicsScene *scene)
{
    return new DlgPropInterrupter(scene);
}
