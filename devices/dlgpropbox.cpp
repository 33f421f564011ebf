#include "devices/dlgpropbox.h"

#include "devices/boxx.h"
#include "devices/graphicsbox.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "model/check.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidgetItem>

DlgPropBox::DlgPropBox(GraphicsScene *scene)
    : DlgPropPinRows(scene, BoxKind)
{
    auto *layout = new RHBoxLayout(this, 5, 5);

    // The boxes of the project and the fields that make or rename one.
    QGridLayout *grid = createNameGrid(100);
    layout->addLayout(createDeviceColumn(grid, 1, tr("Find Box:"), 150, {tr("Name"), tr("Cnt GB")}, {140, 30}));
    createVLine(layout);

    // The item.
    QVBoxLayout *right = createItemColumn(tr("Box name:"), tr("Box width( mm ):"), 4, 4, GraphicsBox::MaxRows);
    m_borderCheck = new QCheckBox(tr("Draw border"), this);
    m_borderCheck->setChecked(true);
    right->addWidget(m_borderCheck);
    addPinTable(right, 250, {tr("Left"), tr("L c."), tr("R c."), tr("Right")}, {60, 40, 40, 60});
    layout->addLayout(right);

    initObjTable(true, true);
}

DlgPropBox::~DlgPropBox() = default;

quint8 DlgPropBox::coresFromText(const QString &text)
{
    bool ok = false;
    const quint8 cores = quint8(text.simplified().toUInt(&ok, 10));
    return ok && cores != 0 ? cores : 1;
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
    showItem(graphics->boxWidth(), graphics->rows(), graphics->box(), graphics->ownName());
    m_borderCheck->setChecked(graphics->drawBorder());
    for (const BoxPinRow &record : graphics->pinRows()) {
        QTableWidgetItem *label = pinTable()->item(record.row, record.left ? LeftLabel : RightLabel);
        QTableWidgetItem *cores = pinTable()->item(record.row, record.left ? LeftCores : RightCores);
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
    const int rows = rowsSpin()->value();
    graphics->setBoxWidth(quint8(widthSpin()->value()));
    graphics->setRows(quint8(rows));
    graphics->setDrawBorder(m_borderCheck->isChecked());

    // The left labels, then the right ones, row by row.
    QList<BoxPinRow> records;
    for (const int column : {int(LeftLabel), int(RightLabel)}) {
        const bool left = column == LeftLabel;
        for (int row = 0; row < rows; ++row) {
            const QString text = cellText(row, column);
            if (text.isEmpty())
                continue;
            QTableWidgetItem *cores = pinTable()->item(row, left ? LeftCores : RightCores);
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
