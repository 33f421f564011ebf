#include "devices/dlgpropblock.h"

#include "devices/block.h"
#include "devices/blockcatalogue.h"
#include "devices/graphicsblock.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>

namespace {

const char organisation[] = "R-LAY";
const char application[] = "DlgPropBlock";
const char classKey[] = "class_type";
const char typeKey[] = "block_type";

const int defaultRows = 8;
const int defaultWidth = 20;
const int widthStep = 4;

} // namespace

DlgPropBlock::DlgPropBlock(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, BlockKind, false)
{
    auto *layout = new RHBoxLayout(this, 5, 5);

    // The blocks of the project and the fields that make or rename one.
    auto *left = new RVBoxLayout();
    auto *grid = new QGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edObjName = new RLineEdit(this, 0);
    grid->addWidget(m_edObjName, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Class:"), this), 1, 0);
    m_classCombo = new RComboBox(this, 50);
    grid->addWidget(m_classCombo, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Type:"), this), 2, 0);
    m_typeCombo = new RComboBox(this, 50);
    grid->addWidget(m_typeCombo, 2, 1, 1, 2);
    createObjButtons(grid, this, 3);
    left->addLayout(grid);
    left->addLayout(createFindRow(tr("Find Block:")));
    left->addWidget(createObjTable(300, 250, {tr("Name"), tr("Type"), tr("Cont."), tr("Cnt GB")}, {90, 90, 50, 50}),
                    1);
    layout->addLayout(left, 2);

    // The pins of the chosen block's type.
    m_contactsTree = new RTreeWidget(this, 130, 200);
    setTreeColumns(m_contactsTree, {tr("Cont."), tr("Scheme")}, {60, 50});
    layout->addWidget(m_contactsTree, 1);
    createVLine(layout);

    // The item.
    auto *right = new RVBoxLayout();
    auto *choice = new RHBoxLayout();
    createChoiseButton(choice, tr("Block name:"));
    right->addLayout(choice);
    auto *sizes = new QGridLayout();
    sizes->addWidget(new QLabel(tr("Block width( mm ):"), this), 0, 0);
    m_widthSpin = new QSpinBox(this);
    m_widthSpin->setRange(8, 200);
    m_widthSpin->setSingleStep(widthStep);
    sizes->addWidget(m_widthSpin, 0, 1);
    sizes->addWidget(new QLabel(tr("Count Rows Pins:"), this), 1, 0);
    m_rowsSpin = new QSpinBox(this);
    m_rowsSpin->setRange(1, GraphicsBlock::MaxRows);
    sizes->addWidget(m_rowsSpin, 1, 1);
    right->addLayout(sizes);
    m_pinTable = new QTableWidget(m_rowsSpin->maximum(), GraphicsBlock::SideCount, this);
    m_pinTable->setFixedWidth(180);
    m_pinTable->setHorizontalHeaderLabels({tr("Left"), tr("Center"), tr("Right")});
    for (int column = 0; column < m_pinTable->columnCount(); ++column)
        m_pinTable->setColumnWidth(column, 45);
    for (int row = 0; row < m_pinTable->rowCount(); ++row) {
        m_pinTable->setRowHeight(row, 20);
        for (int column = 0; column < m_pinTable->columnCount(); ++column)
            m_pinTable->setItem(row, column, new QTableWidgetItem());
    }
    right->addWidget(m_pinTable, 1);
    addButtons(right);
    layout->addLayout(right);

    initObjTable(true, true);

    // The classes in name order; none is chosen until the remembered one.
    for (int c = 0; c < BlockClassCount; ++c)
        m_classCombo->insertComboItemSorted(blockClassName(c), c);
    m_classCombo->setCurrentIndex(-1);
    connect(m_classCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &DlgPropBlock::changeBlockClassType);
    connect(m_contactsTree, &QTreeWidget::itemDoubleClicked, this, &DlgPropBlock::btnBlockContClick);
    connect(m_rowsSpin, qOverload<int>(&QSpinBox::valueChanged), this, &DlgPropBlock::spinChange);
    m_rowsSpin->setValue(defaultRows);

    QSettings store(QString::fromLatin1(organisation), QString::fromLatin1(application));
    const int classPosition = store.value(QString::fromLatin1(classKey), 0).toInt();
    if (classPosition >= 0 && classPosition < m_classCombo->count())
        m_classCombo->setCurrentIndex(classPosition);
    const int typePosition = store.value(QString::fromLatin1(typeKey), 0).toInt();
    if (typePosition >= 0 && typePosition < m_typeCombo->count())
        m_typeCombo->setCurrentIndex(typePosition);
    m_widthSpin->setValue(defaultWidth);
}

DlgPropBlock::~DlgPropBlock()
{
    QSettings store(QString::fromLatin1(organisation), QString::fromLatin1(application));
    store.setValue(QString::fromLatin1(classKey), m_classCombo->currentIndex());
    store.setValue(QString::fromLatin1(typeKey), m_typeCombo->currentIndex());
}

void DlgPropBlock::changeBlockClassType(int index)
{
    listTypesOfClass(
        m_classCombo, index, m_typeCombo, BlockTypeCount, [](int row) { return int(blockTypes[row].blockClass); },
        blockTypeName);
}

void DlgPropBlock::spinChange(int n)
{
    for (int row = 0; row < m_pinTable->rowCount(); ++row)
        m_pinTable->setRowHidden(row, row >= n);
}

void DlgPropBlock::btnBlockContClick(QTreeWidgetItem *item)
{
    QTableWidgetItem *cell = m_pinTable->currentItem();
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
    m_widthSpin->setValue(graphics->blockWidth());
    m_rowsSpin->setValue(graphics->rows());
    Block *block = graphics->block();
    edName()->setText(block ? block->name() : graphics->ownName());
    if (block)
        findInTree(m_objTable, block->name(), Qt::MatchFixedString, 0);
    for (const BlockPinRow &record : graphics->pinRows()) {
        QTableWidgetItem *cell = m_pinTable->item(record.row, record.side);
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
    const int rows = m_rowsSpin->value();
    graphics->setBlockWidth(quint8(m_widthSpin->value() / widthStep * widthStep));
    graphics->setRows(quint8(rows));

    // Column by column, row by row: one pin per label.
    QList<BlockPinRow> records;
    for (int side = 0; side < m_pinTable->columnCount(); ++side) {
        for (int row = 0; row < rows; ++row) {
            QTableWidgetItem *cell = m_pinTable->item(row, side);
            if (!CHECK_PTR(cell))
                continue;
            const QString label = cell->text().simplified();
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
