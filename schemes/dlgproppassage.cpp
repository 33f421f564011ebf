#include "schemes/dlgproppassage.h"

#include "devices/clampcatalogue.h"
#include "devices/dlgpropclamp.h"
#include "devices/graphicsclamp.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "schemes/graphicspassage.h"
#include "schemes/scheme.h"

#include <QPushButton>
#include <QVariant>
#include <QSpinBox>
#include <QTreeWidget>

#include <memory>

namespace {

// Where a row keeps the clamp it stands for.
const int clampRole = Qt::UserRole + 2;

GraphicsClamp *clampOfRow(const QTreeWidgetItem *row)
{
    return row ? reinterpret_cast<GraphicsClamp *>(row->data(0, clampRole).value<quintptr>()) : nullptr;
}

} // namespace

DlgPropPassage::DlgPropPassage(GraphicsScene *scene)
    : DlgPropGraphicsPins(scene)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    m_frame = addFrameNumRow(this, grid, 0);
    m_model = addClampPanelModelRow(this, grid, 1, bottomClampPanelModel, false);
    m_place = addPlaceNumRow(this, grid, 2);
    m_name = addNameRow(this, grid, 3);
    auto *add = new QPushButton(tr("Add"), this);
    auto *del = new QPushButton(tr("Del"), this);
    auto *repl = new QPushButton(tr("Repl"), this);
    int row = 0;
    for (QPushButton *button : {add, del, repl}) {
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        // Enter is the dialog's Ok wherever the focus stands.
        button->setAutoDefault(false);
        grid->addWidget(button, row++, 2);
    }
    layout->addLayout(grid);
    m_list = new RTreeWidget(this, 100, 120);
    m_list->setColumnCount(1);
    m_list->setHeaderLabels({tr("Clamps")});
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(0, Qt::AscendingOrder);
    layout->addWidget(m_list, 1);
    addButtons(layout);

    const int remembered = DlgPropClamp::defaultClampPanelIndex();
    if (remembered >= 0 && remembered < m_model->count())
        m_model->setCurrentIndex(remembered);
    changeClampType(m_model->currentIndex());
    connect(m_model, qOverload<int>(&QComboBox::currentIndexChanged), this, &DlgPropPassage::changeClampType);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &DlgPropPassage::itemSelectionChanged);
    connect(add, &QPushButton::clicked, this, qOverload<>(&DlgPropPassage::btnAddClamp));
    connect(del, &QPushButton::clicked, this, &DlgPropPassage::btnDelClamp);
    connect(repl, &QPushButton::clicked, this, &DlgPropPassage::btnReplClamp);
}

void DlgPropPassage::btnAddClamp(QTreeWidgetItem *row)
{
    Address address;
    const char *name = clampNameFromWidgets(m_frame, m_place, m_model, m_name, address);
    if (!row) {
        row = new QTreeWidgetItem(m_list);
        if (!CHECK_PTR(row))
            return;
    }
    const QString panel = address.toString(1);
    row->setText(0, name ? joinName(panel, name) : panel);
}

void DlgPropPassage::btnAddClamp()
{
    btnAddClamp(nullptr);
}

void DlgPropPassage::btnDelClamp()
{
    QTreeWidgetItem *row = selectedTreeItem(m_list, tr("clamp"));
    if (row)
        delete row;
}

void DlgPropPassage::btnReplClamp()
{
    QTreeWidgetItem *row = selectedTreeItem(m_list, tr("clamp"));
    if (row)
        btnAddClamp(row);
}

void DlgPropPassage::changeClampType(int)
{
    const int model = clampPanelModelOf(m_model);
    if (model >= 0)
        fillClampNameCombo(model, m_name, m_place);
}

void DlgPropPassage::itemSelectionChanged()
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const QString label = selected.first()->text(0);
    QString panel;
    QString clamp;
    if (splitAtLastSeparator(label, panel, clamp)) {
        const QByteArray name = clamp.toLatin1();
        setClampPanelWidgets(panel, name.constData(), m_frame, m_place, m_model, m_name);
    } else {
        setClampPanelWidgets(label, nullptr, m_frame, m_place, m_model, m_name);
    }
}

void DlgPropPassage::loadFromItem(GraphicsItem *item)
{
    auto *passage = dynamic_cast<GraphicsPassage *>(item);
    if (!CHECK_PTR(passage))
        return;
    for (GraphicsClamp *clamp : passage->clamps()) {
        if (!CHECK_PTR(clamp) || GraphicsPassage::isBottomPanelClamp(clamp))
            continue;
        auto *row = new QTreeWidgetItem(m_list);
        row->setText(0, clamp->clampText(true));
        row->setData(0, clampRole, QVariant::fromValue(quintptr(clamp)));
    }
}

void DlgPropPassage::saveToItem(GraphicsItem *item)
{
    auto *passage = dynamic_cast<GraphicsPassage *>(item);
    if (!CHECK_PTR(passage))
        return;
    GraphicsScene *sheet = m_scene;
    const QList<GraphicsClamp *> listed = passage->clamps();
    for (GraphicsClamp *clamp : listed) {
        if (!CHECK_PTR(clamp))
            continue;
        QTreeWidgetItem *row = nullptr;
        for (int i = 0; i < m_list->topLevelItemCount() && !row; ++i) {
            if (clampOfRow(m_list->topLevelItem(i)) == clamp)
                row = m_list->topLevelItem(i);
        }
        if (row) {
            clamp->setClampName(row->text(0));
            delete row;
            continue;
        }
        // No row: the clamp leaves the passage; a bottom's clamp stays
        // with its bottom, every other one leaves the sheet.
        passage->removeClamp(clamp);
        if (!GraphicsPassage::isBottomPanelClamp(clamp) && !clamp->parentItem() && sheet)
            sheet->removeGraphicsItem(clamp);
    }
    // The rows left are new clamps, in the list's order.
    while (m_list->topLevelItemCount() > 0) {
        std::unique_ptr<QTreeWidgetItem> row(m_list->takeTopLevelItem(0));
        if (row->text(0).isEmpty() || !sheet)
            continue;
        auto *clamp = new GraphicsClamp(sheet);
        clamp->setClampName(row->text(0));
        if (!sheet->addGraphicsItem(clamp)) {
            delete clamp;
            continue;
        }
        passage->addClamp(clamp);
    }
    auto *scheme = dynamic_cast<Scheme *>(sheet);
    if (scheme && scheme->passageIndex(passage) >= 0)
        scheme->notifyItem(passage);
}

DlgPropGraphicsItem *createDlgPropPassage(GraphicsScene *scene)
{
    return new DlgPropPassage(scene);
}
