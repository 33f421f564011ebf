#include "devices/dlgpropblock.h"

#include "devices/block.h"
#include "devices/blockcatalogue.h"
#include "devices/graphicsblock.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "model/check.h"
#include "model/settingsnames.h"

#include <QGridLayout>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>

namespace {

const char blockDialogSettingsName[] = "DlgPropBlock";
const char classKey[] = "class_type";
const char typeKey[] = "block_type";

const int widthStep = 4;

} // namespace

DlgPropBlock::DlgPropBlock(GraphicsScene *scene)
    : DlgPropPinRows(scene, BlockKind)
{
    auto *layout = new RHBoxLayout(this, 5, 5);

    // The blocks of the project and the fields that make or rename one.
    QGridLayout *grid = createNameGrid(0);
    grid->addWidget(new QLabel(tr("Class:"), this), 1, 0);
    m_classCombo = new RComboBox(this, 50);
    grid->addWidget(m_classCombo, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Type:"), this), 2, 0);
    m_typeCombo = new RComboBox(this, 50);
    grid->addWidget(m_typeCombo, 2, 1, 1, 2);
    layout->addLayout(createDeviceColumn(grid, 3, tr("Find Block:"), 300,
                                         {tr("Name"), tr("Type"), tr("Cont."), tr("Cnt GB")}, {90, 90, 50, 50}),
                      2);

    // The pins of the chosen block's type.
    m_contactsTree = new RTreeWidget(this, 130, 200);
    setTreeColumns(m_contactsTree, {tr("Cont."), tr("Scheme")}, {60, 50});
    layout->addWidget(m_contactsTree, 1);
    createVLine(layout);

    // The item.
    QVBoxLayout *right =
        createItemColumn(tr("Block name:"), tr("Block width( mm ):"), 8, widthStep, GraphicsBlock::MaxRows);
    addPinTable(right, 180, {tr("Left"), tr("Center"), tr("Right")}, {45, 45, 45});
    layout->addLayout(right);

    initObjTable(true, true);

    // The classes in name order; none is chosen until the remembered one.
    for (int c = 0; c < BlockClassCount; ++c)
        m_classCombo->insertComboItemSorted(blockClassName(c), c);
    m_classCombo->setCurrentIndex(-1);
    connect(m_classCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &DlgPropBlock::changeBlockClassType);
    connect(m_contactsTree, &QTreeWidget::itemDoubleClicked, this, &DlgPropBlock::btnBlockContClick);

    QSettings store(QString::fromLatin1(settingsOrganisation), QString::fromLatin1(blockDialogSettingsName));
    const int classPosition = store.value(QString::fromLatin1(classKey), 0).toInt();
    if (classPosition >= 0 && classPosition < m_classCombo->count())
        m_classCombo->setCurrentIndex(classPosition);
    const int typePosition = store.value(QString::fromLatin1(typeKey), 0).toInt();
    if (typePosition >= 0 && typePosition < m_typeCombo->count())
        m_typeCombo->setCurrentIndex(typePosition);
}

DlgPropBlock::~DlgPropBlock()
{
    QSettings store(QString::fromLatin1(settingsOrganisation), QString::fromLatin1(blockDialogSettingsName));
    store.setValue(QString::fromLatin1(classKey), m_classCombo->currentIndex());
    store.setValue(QString::fromLatin1(typeKey), m_typeCombo->currentIndex());
}

void DlgPropBlock::changeBlockClassType(int index)
{
    listTypesOfClass(
        m_classCombo, index, m_typeCombo, BlockTypeCount, [](int row) { return int(blockTypes[row].blockClass); },
        blockTypeName);
}

void DlgPropBlock::btnBlockContClick(QTreeWidgetItem *item)
{
    QTableWidgetItem *cell = pinTable()->currentItem();
    if (!item || !cell)
        return;
    cell->setText(item->text(0));
}

void DlgPropBlock::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *block = dynamic_cast<Block *>(obj);
    if (!CHECK_PTR(block) || !CHECK_PTR(row))
        return;
    row->setText(0, block->name());
    row->setText(1, block->modelName());
    row->setText(2, QString::number(block->pinCount()));
    row->setText(3, QString::number(block->items().size()));
}

void DlgPropBlock::objSelected(Obj *obj, QTreeWidgetItem *)
{
    m_contactsTree->clear();
    auto *block = dynamic_cast<Block *>(obj);
    if (!CHECK_PTR(block))
        return;
    // A block without a type has no class, no type and no pins to show.
    const BlockType *type = blockTypeAt(block->modelIndex());
    if (!type)
        return;
    const int classPosition = m_classCombo->findData(type->blockClass);
    if (!CHECK(classPosition >= 0))
        return;
    m_classCombo->setCurrentIndex(classPosition);
    const int typePosition = m_typeCombo->findData(block->modelIndex());
    if (!CHECK(typePosition >= 0))
        return;
    m_typeCombo->setCurrentIndex(typePosition);
    m_edObjName->setText(block->name());
    for (int i = 0; i < type->pinCount; ++i) {
        const QString label = blockPinText(type->pins[i]);
        GraphicsBlock *holder = block->itemWithPin(label);
        GraphicsScene *sheet = holder ? holder->graphicsScene() : nullptr;
        auto *row = new QTreeWidgetItem(m_contactsTree);
        row->setText(0, label);
        row->setText(1, sheet ? sheet->displayName() : QString());
    }
}

void DlgPropBlock::saveObj(Obj *obj)
{
    auto *block = dynamic_cast<Block *>(obj);
    if (!CHECK_PTR(block) || m_typeCombo->currentIndex() < 0)
        return;
    const int type = m_typeCombo->comboCurrentData();
    if (type == block->modelIndex())
        return;
    block->setModelIndex(type);
    block->updateItemsPinNames();
}

void DlgPropBlock::loadFromItem(GraphicsItem *item)
{
    auto *graphics = dynamic_cast<GraphicsBlock *>(item);
    if (!CHECK_PTR(graphics))
        return;
    showItem(graphics->blockWidth(), graphics->rows(), graphics->block(), graphics->ownName());
    for (const BlockPinRow &record : graphics->pinRows()) {
        QTableWidgetItem *cell = pinTable()->item(record.row, record.side);
        if (!CHECK_PTR(cell))
            continue;
        cell->setText(record.label);
    }
}

void DlgPropBlock::saveToItem(GraphicsItem *item)
{
    auto *graphics = dynamic_cast<GraphicsBlock *>(item);
    if (!CHECK_PTR(graphics))
        return;
    const int rows = rowsSpin()->value();
    graphics->setBlockWidth(quint8(widthSpin()->value() / widthStep * widthStep));
    graphics->setRows(quint8(rows));

    // Column by column, row by row: one pin per label.
    QList<BlockPinRow> records;
    for (int side = 0; side < pinTable()->columnCount(); ++side) {
        for (int row = 0; row < rows; ++row) {
            const QString label = cellText(row, side);
            if (label.isEmpty())
                continue;
            BlockPinRow record;
            record.side = side;
            record.row = quint8(row);
            record.label = label;
            records.append(record);
        }
    }
    graphics->setPinRows(records);
    graphics->layoutPins();

    // The name may bind the item to another block; the items of a block it
    // keeps share its pins anew. An item that keeps its block's name keeps
    // its place among the block's items: leaving and joining again would
    // hand the pins it holds to the items after it.
    Block *before = graphics->block();
    const QString name = edName()->text().simplified();
    if (!before || before->name() != name)
        graphics->setName(name);
    if (before && graphics->block() == before)
        before->updateItemsPinNames();
    DlgPropGraphicsObjItem::saveToItem(item);
}

DlgPropGraphicsItem *createDlgPropBlock(GraphicsScene *scene)
{
    return new DlgPropBlock(scene);
}
