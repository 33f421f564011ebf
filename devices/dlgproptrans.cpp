#include "devices/dlgproptrans.h"

#include "devices/graphicstrans.h"
#include "devices/trans.h"
#include "devices/transcatalogue.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

enum ObjColumn { TransNameColumn, TransTypeColumn, TransCountColumn };

const char startMark = '.';

} // namespace

DlgPropTrans::DlgPropTrans(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, TransKind, false)
{
    m_classCombo = new RComboBox(this, 50);
    m_typeCombo = new RComboBox(this, 50);
    m_terminalList = new RTreeWidget(this, 100, 200);
    setTreeColumns(m_terminalList, {tr("Num."), tr("Scheme")}, {70, 50});
    m_windingTable = new QTableWidget(GraphicsTrans::RowCount, 4, this);
    m_windingTable->setFixedWidth(200);
    m_windingTable->setHorizontalHeaderLabels({tr("Left"), tr("L.N."), tr("R.N."), tr("Right")});
    const int widths[] = {40, 35, 35, 40};
    for (int column = 0; column < 4; ++column)
        m_windingTable->setColumnWidth(column, widths[column]);
    for (int row = 0; row < GraphicsTrans::RowCount; ++row) {
        m_windingTable->setRowHeight(row, 20);
        for (int column = 0; column < 4; ++column)
            m_windingTable->setItem(row, column, new QTableWidgetItem(QString()));
    }
    m_jumpersEdit = new RLineEdit(this, 0);

    auto *layout = new RHBoxLayout(this, 5, 5);

    // The transformers of the project.
    auto *left = new RVBoxLayout();
    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edObjName = new RLineEdit(this, 0);
    grid->addWidget(m_edObjName, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Class:"), this), 1, 0);
    for (int c = 0; c < TransClassCount; ++c)
        m_classCombo->insertComboItemSorted(transClassName(c), c);
    m_classCombo->setCurrentIndex(-1);
    grid->addWidget(m_classCombo, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Type:"), this), 2, 0);
    grid->addWidget(m_typeCombo, 2, 1, 1, 2);
    createObjButtons(grid, this, 3);
    left->addLayout(grid);
    left->addLayout(createFindRow(tr("Find Trans:")));
    left->addWidget(createObjTable(190, 250, {tr("Name"), tr("Type"), tr("Cnt GI")}, {70, 70, 40}));
    layout->addLayout(left, 2);

    // The type's terminals.
    layout->addWidget(m_terminalList, 1);
    createVLine(layout);

    // The item: its name, terminals and jumpers.
    auto *right = new RVBoxLayout();
    auto *nameRow = new RHBoxLayout();
    createChoiseButton(nameRow, tr("Name:"));
    right->addLayout(nameRow);
    right->addWidget(m_windingTable);
    auto *jumpersRow = new RHBoxLayout();
    jumpersRow->addWidget(new QLabel(tr("Jumpers:"), this));
    jumpersRow->addWidget(m_jumpersEdit);
    right->addLayout(jumpersRow);
    addButtons(right);
    layout->addLayout(right, 0);

    initObjTable(true, true);
    connect(m_classCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DlgPropTrans::changeTransClassType);
    connect(m_terminalList, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item, int) { btnTransContClick(item); });
    // Only the user's own choice of class or type counts as a change.
    connect(m_classCombo, qOverload<int>(&QComboBox::activated), this, [this](int) { m_typeChosen = true; });
    connect(m_typeCombo, qOverload<int>(&QComboBox::activated), this, [this](int) { m_typeChosen = true; });
    if (m_classCombo->count() > 0)
        m_classCombo->setCurrentIndex(0);
    if (m_typeCombo->count() > 0)
        m_typeCombo->setCurrentIndex(0);
}

DlgPropTrans::~DlgPropTrans() = default;

void DlgPropTrans::changeTransClassType(int index)
{
    listTypesOfClass(
        m_classCombo, index, m_typeCombo, TransTypeCount, [](int row) { return int(transTypes[row].transClass); },
        transTypeName);
}

void DlgPropTrans::btnTransContClick(QTreeWidgetItem *item)
{
    if (!item)
        return;
    if (QTableWidgetItem *cell = m_windingTable->currentItem()) {
        cell->setText(item->text(0));
        return;
    }
    m_jumpersEdit->setText(m_jumpersEdit->text() + item->text(0));
    m_jumpersEdit->setFocus();
}

void DlgPropTrans::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *trans = dynamic_cast<Trans *>(obj);
    if (!CHECK_PTR(trans) || !CHECK_PTR(row))
        return;
    row->setText(TransNameColumn, trans->name());
    row->setText(TransTypeColumn, trans->modelName());
    row->setText(TransCountColumn, QString::number(trans->items().size()));
}

void DlgPropTrans::objSelected(Obj *obj, QTreeWidgetItem *)
{
    auto *trans = dynamic_cast<Trans *>(obj);
    if (!CHECK_PTR(trans))
        return;
    m_terminalList->clear();
    const int index = trans->modelIndex();
    const TransType *type = isTransType(index) ? &transTypes[index] : nullptr;
    const int classEntry = type ? m_classCombo->findData(type->transClass) : -1;
    if (!CHECK(classEntry >= 0))
        return;
    m_classCombo->setCurrentIndex(classEntry);
    m_edObjName->setText(trans->name());
    const int typeEntry = m_typeCombo->findData(index);
    if (!CHECK(typeEntry >= 0))
        return;
    m_typeCombo->setCurrentIndex(typeEntry);
    m_typeChosen = false;
    for (int i = 0; i < type->terminalCount; ++i) {
        const QString name = transText(type->terminals[i]);
        auto *row = new QTreeWidgetItem(m_terminalList);
        row->setText(0, name);
        GraphicsTrans *carrier = trans->itemWithTerminal(name);
        GraphicsScene *sheet = carrier ? carrier->graphicsScene() : nullptr;
        if (sheet)
            row->setText(1, sheet->displayName());
    }
}

void DlgPropTrans::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsTrans *>(graphics);
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    edName()->setText(item->name());
    m_jumpersEdit->setText(item->jumpers());
    if (item->obj())
        findInTree(m_objTable, item->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, TransNameColumn);
    for (const TransTerminal &terminal : item->terminals()) {
        QTableWidgetItem *cell = m_windingTable->item(terminal.row, terminal.left ? LeftColumn : RightColumn);
        if (!CHECK_PTR(cell))
            continue;
        cell->setText(terminal.name);
        if (!terminal.start)
            continue;
        QTableWidgetItem *mark = m_windingTable->item(terminal.row, terminal.left ? LeftMarkColumn : RightMarkColumn);
        if (CHECK_PTR(mark))
            mark->setText(QString(QLatin1Char(startMark)));
    }
}

void DlgPropTrans::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsTrans *>(graphics);
    if (!CHECK_PTR(item))
        return;
    item->clearTerminals();
    // The first terminal of each column starts a winding whatever its mark.
    for (const bool left : {true, false}) {
        const int nameColumn = left ? LeftColumn : RightColumn;
        const int markColumn = left ? LeftMarkColumn : RightMarkColumn;
        bool first = true;
        for (int row = 0; row < GraphicsTrans::RowCount; ++row) {
            QTableWidgetItem *cell = m_windingTable->item(row, nameColumn);
            QTableWidgetItem *mark = m_windingTable->item(row, markColumn);
            if (!CHECK_PTR(cell) || !CHECK_PTR(mark))
                continue;
            const QString name = cell->text().simplified();
            if (name.isEmpty())
                continue;
            TransTerminal terminal;
            terminal.name = name;
            terminal.left = left;
            terminal.row = quint8(row);
            terminal.start = first || mark->text().simplified() == QLatin1Char(startMark);
            first = false;
            item->appendTerminal(terminal);
        }
    }
    item->setJumpers(m_jumpersEdit->text().remove(QLatin1Char(' ')));
    item->placePins();

    const QString name = edName()->text().simplified();
    // Renaming a shared item rebinds it behind the transformer's other
    // items: an item that keeps its name keeps its place, and with it the
    // terminals it carries.
    if (!item->obj() || name != item->name())
        item->setName(name);
    Project *owner = project();
    // A name that no transformer bears makes one, of the chosen type.
    if (!item->obj() && !name.isEmpty() && owner && !owner->findObj(TransKind, name))
        applyObj(item);
    if (Trans *bound = item->trans()) {
        if (m_typeChosen && m_typeCombo->count() > 0)
            bound->changeModelIndex(m_typeCombo->comboCurrentData());
        bound->updateItemsPinNames();
    }
    item->updateFromObj();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

void DlgPropTrans::saveObj(Obj *obj)
{
    auto *trans = dynamic_cast<Trans *>(obj);
    if (!CHECK_PTR(trans))
        return;
    trans->changeModelIndex(m_typeCombo->comboCurrentData());
}

DlgPropGraphicsItem *createDlgPropTrans(GraphicsScene *scene)
{
    return new DlgPropTrans(scene);
}
