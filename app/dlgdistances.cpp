#include "app/dlgdistances.h"

#include "devices/dlgpropclamp.h"
#include "equipment/equipmentmenager.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rvboxlayout.h"
#include "model/address.h"
#include "model/check.h"
#include "model/project.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>

#include <algorithm>

namespace {

const int codeRole = Qt::UserRole + 1;
const int tableColumnWidth = 50;
const int tableRowHeight = 20;
// Frames of the default room: basic frames 1 to 5 in each row.
const int framesInRow = 5;

QTableWidgetItem *headerItem(uint code)
{
    auto *item = new QTableWidgetItem(EquipmentScheme::frameCodeText(code));
    item->setData(codeRole, code);
    return item;
}

// The frame code of a header; false when the header or its code is missing.
bool headerCode(const QTableWidgetItem *header, uint *code)
{
    const QVariant data = header ? header->data(codeRole) : QVariant();
    if (!CHECK(data.isValid()))
        return false;
    *code = data.toUInt();
    return true;
}

QPushButton *addButton(QBoxLayout *layout, const QString &text, QDialog *dialog)
{
    auto *button = new QPushButton(text, dialog);
    layout->addWidget(button);
    return button;
}

// The "Ok" (default) and "Cancel" row of the small dialogs.
QPushButton *addOkCancel(QBoxLayout *layout, QDialog *dialog, const QString &ok, const QString &cancel)
{
    auto *row = new RHBoxLayout();
    QPushButton *okButton = addButton(row, ok, dialog);
    okButton->setDefault(true);
    QObject::connect(addButton(row, cancel, dialog), &QPushButton::clicked, dialog, &QDialog::reject);
    layout->addLayout(row);
    return okButton;
}

} // namespace

DlgDistances::DlgDistances(QWidget *parent, Project *project)
    : QDialog(parent)
    , m_project(project)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *top = new RHBoxLayout();
    m_table = new QTableWidget(this);
    top->addWidget(m_table);
    auto *side = new RVBoxLayout();
    connect(addButton(side, tr("Insert"), this), &QPushButton::clicked, this, &DlgDistances::btnAddClick);
    connect(addButton(side, tr("Delete"), this), &QPushButton::clicked, this, &DlgDistances::btnRemoveClick);
    connect(addButton(side, tr("Load default"), this), &QPushButton::clicked, this, &DlgDistances::btnLoadClick);
    side->addStretch();
    top->addLayout(side);
    layout->addLayout(top);

    auto *bottom = new RHBoxLayout();
    bottom->addStretch();
    QPushButton *ok = addButton(bottom, tr("Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &DlgDistances::btnOkClick);
    connect(addButton(bottom, tr("Cancel"), this), &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(bottom);

    resize(800, 600);
    EquipmentScheme *scheme = project && project->equipment() ? project->equipment()->equipmentScheme() : nullptr;
    if (scheme)
        fillDistanceTable(scheme->distances());
}

void DlgDistances::setFrameHeaders(int index, uint code)
{
    m_table->setHorizontalHeaderItem(index, headerItem(code));
    m_table->setVerticalHeaderItem(index, headerItem(code));
}

void DlgDistances::fillDistanceTable(const EquipmentScheme::DistanceTable &distances)
{
    m_table->setRowCount(0);
    m_table->setColumnCount(0);
    // Every frame the table names, also one that stands only as the far
    // end of a pair, in ascending order of its code.
    QList<uint> codes;
    for (auto from = distances.cbegin(); from != distances.cend(); ++from) {
        codes.append(from.key());
        for (auto to = from->cbegin(); to != from->cend(); ++to)
            codes.append(to.key());
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    const int n = int(codes.size());
    m_table->setRowCount(n);
    m_table->setColumnCount(n);
    QHash<uint, int> indexes;
    for (int i = 0; i < n; ++i) {
        indexes.insert(codes[i], i);
        setFrameHeaders(i, codes[i]);
        m_table->setColumnWidth(i, tableColumnWidth);
        m_table->setRowHeight(i, tableRowHeight);
    }
    for (auto from = distances.cbegin(); from != distances.cend(); ++from) {
        const int a = indexes.value(from.key());
        for (auto to = from->cbegin(); to != from->cend(); ++to) {
            const int b = indexes.value(to.key());
            const int row = qMin(a, b);
            const int column = qMax(a, b);
            // A pair stored under both frames shows its non-zero length.
            if (row == column || (to.value() == 0 && m_table->item(row, column)))
                continue;
            m_table->setItem(row, column, new QTableWidgetItem(QString::number(to.value())));
        }
    }
}

bool DlgDistances::hasFrame(uint code) const
{
    for (int c = 0; c < m_table->columnCount(); ++c) {
        const QTableWidgetItem *header = m_table->horizontalHeaderItem(c);
        if (header && header->data(codeRole).isValid() && header->data(codeRole).toUInt() == code)
            return true;
    }
    return false;
}

void DlgDistances::insertFrameColumn(uint code)
{
    int at = m_table->columnCount();
    for (int c = 0; c < m_table->columnCount(); ++c) {
        const QTableWidgetItem *header = m_table->horizontalHeaderItem(c);
        if (header && header->data(codeRole).toUInt() > code) {
            at = c;
            break;
        }
    }
    m_table->insertColumn(at);
    m_table->insertRow(at);
    setFrameHeaders(at, code);
    for (int i = at; i < m_table->columnCount(); ++i) {
        m_table->setColumnWidth(i, tableColumnWidth);
        m_table->setRowHeight(i, tableRowHeight);
    }
}

void DlgDistances::btnAddClick()
{
    DlgDistancesFrameAdd dialog(this);
    execModal(&dialog);
}

void DlgDistances::btnRemoveClick()
{
    // The frame of the cell the user chose: a table given the focus makes
    // its first cell current, unselected, without any choice.
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || !m_table->selectionModel()->isSelected(current))
        return;
    const int c = current.column();
    m_table->removeRow(c);
    m_table->removeColumn(c);
}

void DlgDistances::btnLoadClick()
{
    DlgDistancesLoadDefault dialog(this);
    execModal(&dialog);
}

void DlgDistances::btnOkClick()
{
    static const QRegularExpression decimal(QStringLiteral("^[0-9]+$"));
    EquipmentScheme::DistanceTable distances;
    for (int c = 0; c < m_table->columnCount(); ++c) {
        uint columnCode = 0;
        if (!headerCode(m_table->horizontalHeaderItem(c), &columnCode))
            continue;
        // Every frame keeps its entry, so that it is shown again however
        // few lengths it has.
        QHash<quint32, quint32> &inner = distances[columnCode];
        for (int r = 0; r < c; ++r) {
            uint rowCode = 0;
            if (!headerCode(m_table->verticalHeaderItem(r), &rowCode))
                continue;
            const QTableWidgetItem *cell = m_table->item(r, c);
            if (!cell) {
                inner.insert(rowCode, 0);
                continue;
            }
            const QString text = cell->text().simplified();
            bool ok = decimal.match(text).hasMatch();
            const uint metres = ok ? text.toUInt(&ok) : 0;
            if (!ok) {
                m_table->clearSelection();
                m_table->setCurrentCell(r, c);
                showError(tr("Error in col %1 row %2!")
                              .arg(m_table->horizontalHeaderItem(c)->text(), m_table->verticalHeaderItem(r)->text()));
                return;
            }
            inner.insert(rowCode, metres);
        }
    }
    EquipmentScheme *scheme = m_project && m_project->equipment() ? m_project->equipment()->equipmentScheme() : nullptr;
    if (!CHECK_PTR(scheme))
        return;
    scheme->setDistances(distances);
    m_project->setEquipmentChanged();
    accept();
}

DlgDistancesFrameAdd::DlgDistancesFrameAdd(DlgDistances *owner)
    : QDialog(owner)
    , m_owner(owner)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    m_number = addFrameNumRow(this, grid, 0);
    m_type = addFrameTypeRow(this, grid, 1);
    layout->addLayout(grid);
    connect(addOkCancel(layout, this, tr("Ok"), tr("Cancel")), &QPushButton::clicked, this,
            &DlgDistancesFrameAdd::btnOkClick);
}

void DlgDistancesFrameAdd::btnOkClick()
{
    const uint code = Address::frameCode(m_number->value(), m_type->currentIndex());
    if (!CHECK_PTR(m_owner))
        return;
    if (m_owner->hasFrame(code)) {
        showInformation(tr("Frame alredy exist!"));
        return;
    }
    m_owner->insertFrameColumn(code);
    accept();
}

DlgDistancesLoadDefault::DlgDistancesLoadDefault(DlgDistances *owner)
    : QDialog(owner)
    , m_owner(owner)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    auto addLength = [this, grid](int row, const QString &label, int start) {
        grid->addWidget(new QLabel(label, this), row, 0);
        auto *spin = new QSpinBox(this);
        spin->setMinimumWidth(70);
        spin->setRange(0, 10);
        spin->setValue(start);
        grid->addWidget(spin, row, 1);
        return spin;
    };
    m_betweenRows = addLength(0, tr("Distance between rows ( m ):"), 1);
    m_frameWidth = addLength(1, tr("Width frame ( m ):"), 1);
    m_termination = addLength(2, tr("Constant for cable termination ( m ):"), 4);
    layout->addLayout(grid);

    auto *rows = new RHBoxLayout();
    auto addRow = [this, rows](int start) {
        auto *spin = new QSpinBox(this);
        spin->setMinimumWidth(50);
        spin->setRange(1, 32);
        spin->setValue(start);
        rows->addWidget(spin);
        return spin;
    };
    rows->addWidget(new QLabel(tr("Begin from:"), this));
    m_firstRow = addRow(1);
    rows->addWidget(new QLabel(tr("by:"), this));
    m_lastRow = addRow(9);
    rows->addWidget(new QLabel(tr("row number"), this));
    layout->addLayout(rows);
    connect(addOkCancel(layout, this, tr("Ok"), tr("Cancel")), &QPushButton::clicked, this,
            &DlgDistancesLoadDefault::btnOkClick);
}

bool DlgDistancesLoadDefault::nextFramePosition(Address &address) const
{
    if (address.field(2) < framesInRow) {
        address.setField(2, quint8(address.field(2) + 1));
        return true;
    }
    if (address.field(1) >= m_lastRow->value())
        return false;
    address.setField(1, quint8(address.field(1) + 1));
    address.setField(2, 1);
    return true;
}

void DlgDistancesLoadDefault::btnOkClick()
{
    const int first = m_firstRow->value();
    if (first >= m_lastRow->value()) {
        showInformation(tr("Invalid row range"));
        return;
    }
    const int r = m_betweenRows->value();
    const int w = m_frameWidth->value();
    const int t = m_termination->value();
    Address a;
    a.setFrameKind(0);
    a.setField(1, quint8(first));
    a.setField(2, 1);
    EquipmentScheme::DistanceTable distances;
    do {
        QHash<quint32, quint32> &inner = distances[a.packedFrameCode()];
        const int rowA = a.field(1);
        const int frameA = a.field(2);
        Address b = a;
        while (nextFramePosition(b)) {
            const int rowB = b.field(1);
            const int frameB = b.field(2);
            const int length = rowA == rowB
                ? (frameB - frameA - 1) * w + t
                : qMin(frameA + frameB - 2, 10 - (frameA + frameB)) * w + (rowB - rowA) * r + t;
            inner.insert(b.packedFrameCode(), quint32(length));
        }
    } while (nextFramePosition(a));
    if (CHECK_PTR(m_owner))
        m_owner->fillDistanceTable(distances);
    accept();
}
