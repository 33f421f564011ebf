#include "devices/dlgproppinrows.h"

#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/obj.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>

namespace {

const int defaultRows = 8;
const int defaultWidth = 20;

} // namespace

DlgPropPinRows::DlgPropPinRows(GraphicsScene *scene, int kind)
    : DlgPropGraphicsObjItem(scene, kind, false)
{
}

QGridLayout *DlgPropPinRows::createNameGrid(int nameWidth)
{
    auto *grid = new QGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edObjName = new RLineEdit(this, nameWidth);
    grid->addWidget(m_edObjName, 0, 1, 1, 2);
    return grid;
}

QVBoxLayout *DlgPropPinRows::createDeviceColumn(QGridLayout *grid, int buttonsRow, const QString &findLabel,
                                                int tableWidth, const QStringList &columns, const QList<int> &widths)
{
    createObjButtons(grid, this, buttonsRow);
    auto *left = new RVBoxLayout();
    left->addLayout(grid);
    left->addLayout(createFindRow(findLabel));
    left->addWidget(createObjTable(tableWidth, 250, columns, widths), 1);
    return left;
}

QVBoxLayout *DlgPropPinRows::createItemColumn(const QString &nameLabel, const QString &widthLabel, int minWidth,
                                              int widthStep, int maxRows)
{
    auto *right = new RVBoxLayout();
    auto *choice = new RHBoxLayout();
    createChoiseButton(choice, nameLabel);
    right->addLayout(choice);
    auto *sizes = new QGridLayout();
    sizes->addWidget(new QLabel(widthLabel, this), 0, 0);
    m_widthSpin = new QSpinBox(this);
    m_widthSpin->setRange(minWidth, 200);
    m_widthSpin->setSingleStep(widthStep);
    sizes->addWidget(m_widthSpin, 0, 1);
    sizes->addWidget(new QLabel(tr("Count Rows Pins:"), this), 1, 0);
    m_rowsSpin = new QSpinBox(this);
    m_rowsSpin->setRange(1, maxRows);
    sizes->addWidget(m_rowsSpin, 1, 1);
    right->addLayout(sizes);
    return right;
}

void DlgPropPinRows::addPinTable(QVBoxLayout *column, int width, const QStringList &headers, const QList<int> &widths)
{
    m_pinTable = new QTableWidget(m_rowsSpin->maximum(), headers.size(), this);
    m_pinTable->setFixedWidth(width);
    m_pinTable->setHorizontalHeaderLabels(headers);
    for (int index = 0; index < m_pinTable->columnCount(); ++index)
        m_pinTable->setColumnWidth(index, widths.value(index));
    for (int row = 0; row < m_pinTable->rowCount(); ++row) {
        m_pinTable->setRowHeight(row, 20);
        for (int index = 0; index < m_pinTable->columnCount(); ++index)
            m_pinTable->setItem(row, index, new QTableWidgetItem());
    }
    column->addWidget(m_pinTable, 1);
    addButtons(column);
    connect(m_rowsSpin, qOverload<int>(&QSpinBox::valueChanged), this, &DlgPropPinRows::spinChange);
    m_rowsSpin->setValue(defaultRows);
    m_widthSpin->setValue(defaultWidth);
}

void DlgPropPinRows::spinChange(int n)
{
    for (int row = 0; row < m_pinTable->rowCount(); ++row)
        m_pinTable->setRowHidden(row, row >= n);
}

void DlgPropPinRows::showItem(int width, int rows, Obj *device, const QString &ownName)
{
    m_widthSpin->setValue(width);
    m_rowsSpin->setValue(rows);
    edName()->setText(device ? device->name() : ownName);
    if (device)
        findInTree(m_objTable, device->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, 0);
}

QString DlgPropPinRows::cellText(int row, int column) const
{
    QTableWidgetItem *cell = m_pinTable->item(row, column);
    return CHECK_PTR(cell) ? cell->text().simplified() : QString();
}
