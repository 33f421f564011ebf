#include "devices/dlgpropbox.h"

#include "devices/boxx.h"
#include "devices/graphicsbox.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>

namespace {

const int defaultRows = 8;
const int defaultWidth = 20;

} // namespace

DlgPropBox::DlgPropBox(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, BoxKind, false)
{
    auto *layout = new RHBoxLayout(this, 5, 5);

    // The boxes of the project and the fields that make or rename one.
    auto *left = new RVBoxLayout();
    auto *grid = new QGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edObjName = new RLineEdit(this, 100);
    grid->addWidget(m_edObjName, 0, 1, 1, 2);
    createObjButtons(grid, this, 1);
    left->addLayout(grid);
    left->addLayout(createFindRow(tr("Find Box:")));
    left->addWidget(createObjTable(150, 250, {tr("Name"), tr("Cnt GB")}, {140, 30}), 1);
    layout->addLayout(left);
    createVLine(layout);

    // The item.
    auto *right = new RVBoxLayout();
    auto *choice = new RHBoxLayout();
    createChoiseButton(choice, tr("Box name:"));
    right->addLayout(choice);
    auto *sizes = new QGridLayout();
    sizes->addWidget(new QLabel(tr("Box width( mm ):"), this), 0, 0);
    m_widthSpin = new QSpinBox(this);
    m_widthSpin->setRange(4, 200);
    m_widthSpin->setSingleStep(4);
    sizes->addWidget(m_widthSpin, 0, 1);
    sizes->addWidget(new QLabel(tr("Count Rows Pins:"), this), 1, 0);
    m_rowsSpin = new QSpinBox(this);
    m_rowsSpin->setRange(1, GraphicsBox::MaxRows);
    sizes->addWidget(m_rowsSpin, 1, 1);
    right->addLayout(sizes);
    m_borderCheck = new QCheckBox(tr("Draw border"), this);
    m_borderCheck->setChecked(true);
    right->addWidget(m_borderCheck);
    m_pinTable = new QTableWidget(m_rowsSpin->maximum(), 4, this);
    m_pinTable->setFixedWidth(250);
    m_pinTable->setHorizontalHeaderLabels({tr("Left"), tr("L c."), tr("R c."), tr("Right")});
    const int widths[] = {60, 40, 40, 60};
    for (int column = 0; column < m_pinTable->columnCount(); ++column)
        m_pinTable->setColumnWidth(column, widths[column]);
    for (int row = 0; row < m_pinTable->rowCount(); ++row) {
        m_pinTable->setRowHeight(row, 20);
        for (int column = 0; column < m_pinTable->columnCount(); ++column)
            m_pinTable->setItem(row, column, new QTableWidgetItem());
    }
    right->addWidget(m_pinTable, 1);
    addButtons(right);
    layout->addLayout(right);

    initObjTable(true, true);
    connect(m_rowsSpin, qOverload<int>(&QSpinBox::valueChanged), this, &DlgPropBox::spinChange);
    m_rowsSpin->setValue(defaultRows);
    m_widthSpin->setValue(defaultWidth);
}

DlgPropBox::~DlgPropBox() = default;

quint8 DlgPropBox::coresFromText(const QString &text)
{
    bool ok = false;
    const quint8 cores = quint8(text.simplified().toUInt(&ok, 10));
    return ok && cores != 0 ? cores : 1;
}

void DlgPropBox::spinChange(int n)
{
    for (int row = 0; row < m_pinTable->rowCount(); ++row)
        m_pinTable->setRowHidden(row, row >= n);
}

void DlgPropBox::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    if (!CHECK_PTR(obj) || !CHECK_PTR(row))
        return;
    row->setText(0, obj->name());
    row->setText(1, QString::number(obj->items().size()));
}

void DlgPropBox::objSelected(Obj *obj, QTreeWidgetItem *)
{
    if (!CHECK_PTR(obj))
        return;
    m_edObjName->setText(obj->name());
}

void DlgPropBox::loadFromItem(GraphicsItem *item)
{
    auto *graphics = dynamic_cast<GraphicsBox *>(item);
    if (!CHECK_PTR(graphics))
        return;
    m_widthSpin->setValue(graphics->boxWidth());
    m_rowsSpin->setValue(graphics->rows());
    m_borderCheck->setChecked(graphics->drawBorder());
    Boxx *box = graphics->box();
    edName()->setText(box ? box->name() : graphics->ownName());
    if (box)
        findInTree(m_objTable, box->name(), Qt::MatchFixedString, 0);
    for (const BoxPinRow &record : graphics->pinRows()) {
        QTableWidgetItem *label = m_pinTable->item(record.row, record.left ? LeftLabel : RightLabel);
        QTableWidgetItem *cores = m_pinTable->item(record.row, record.left ? LeftCores : RightCores);
        if (CHECK_PTR(label))
            label->setText(record.label);
        if (CHECK_PTR(cores))
            cores->setText(QString::number(record.cores));
    }
}

void DlgPropBox::saveToItem(GraphicsItem *item)
{
    auto *graphics = dynamic_cast<GraphicsBox *>(item);
    if (!CHECK_PTR(graphics))
        return;
    const int rows = m_rowsSpin->value();
    graphics->setBoxWidth(quint8(m_widthSpin->value()));
    graphics->setRows(quint8(rows));
    graphics->setDrawBorder(m_borderCheck->isChecked());

    // The left labels, then the right ones, row by row.
    QList<BoxPinRow> records;
    for (const int column : {int(LeftLabel), int(RightLabel)}) {
        const bool left = column == LeftLabel;
        for (int row = 0; row < rows; ++row) {
            QTableWidgetItem *label = m_pinTable->item(row, column);
            if (!CHECK_PTR(label))
                continue;
            const QString text = label->text().simplified();
            if (text.isEmpty())
                continue;
            QTableWidgetItem *cores = m_pinTable->item(row, left ? LeftCores : RightCores);
            BoxPinRow record;
            record.left = left;
            record.row = quint8(row);
            record.label = text;
            record.cores = CHECK_PTR(cores) ? coresFromText(cores->text()) : 1;
            records.append(record);
        }
    }
    graphics->setPinRows(records);
    graphics->layoutPins();
    // An item that keeps its box's name keeps its place among the box's
    // items.
    const QString name = edName()->text().simplified();
    if (!graphics->box() || graphics->box()->name() != name)
        graphics->setName(name);
    DlgPropGraphicsObjItem::saveToItem(item);
}

DlgPropGraphicsItem *createDlgPropBox(GraphicsScene *scene)
{
    return new DlgPropBox(scene);
}
