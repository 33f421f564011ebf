#include "devices/dlgpropmeasuringpanel.h"

#include "devices/graphicsmeasuringpanel.h"
#include "devices/measuringpanel.h"
#include "graphics/graphicsscene.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"

#include <QLabel>
#include <QSpinBox>
#include <QTreeWidget>

DlgPropMeasuringPanel::DlgPropMeasuringPanel(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, MeasuringPanelKind, true)
{
    auto *layout = new RVBoxLayout(this, 5, 5);

    // The panel: its name and the buttons that act on the project's panels.
    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edObjName = new RLineEdit(this, 0);
    grid->addWidget(m_edObjName, 0, 1, 1, 2);
    createObjButtons(grid, this, 1);
    layout->addLayout(grid);

    // The panels, and the terminals of the chosen one.
    auto *tables = new RHBoxLayout();
    tables->addWidget(createObjTable(100, 200, {tr("Name")}, {80}));
    auto *pins = new RTreeWidget(this, 110, 200);
    pins->setSortingEnabled(false);
    setTreeColumns(pins, {tr("Num pin"), tr("Scheme")}, {50, 50});
    m_pinsTable = pins;
    tables->addWidget(pins);
    layout->addLayout(tables);
    createHLine(layout);

    // The item.
    auto *nameRow = new RHBoxLayout();
    createChoiseButton(nameRow, tr("Graphics name:"));
    layout->addLayout(nameRow);
    auto *numberRow = new RHBoxLayout();
    numberRow->addWidget(new QLabel(tr("Number pin:"), this));
    m_numberSpin = new QSpinBox(this);
    m_numberSpin->setRange(1, MeasuringPanel::TerminalCount);
    numberRow->addWidget(m_numberSpin);
    layout->addLayout(numberRow);
    auto *sourceRow = new RHBoxLayout();
    sourceRow->addWidget(new QLabel(tr("Source name:"), this));
    m_edSource = new RLineEdit(this, 0);
    sourceRow->addWidget(m_edSource);
    layout->addLayout(sourceRow);
    addButtons(layout);

    connect(m_pinsTable, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *row, int) { doubleClickOfTablePins(row); });
    initObjTable(false, false);
    m_edName->setFocus();
}

DlgPropMeasuringPanel::~DlgPropMeasuringPanel() = default;

void DlgPropMeasuringPanel::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    if (!CHECK_PTR(obj) || !CHECK_PTR(row))
        return;
    row->setText(0, obj->name());
}

void DlgPropMeasuringPanel::objSelected(Obj *obj, QTreeWidgetItem *)
{
    auto *panel = dynamic_cast<MeasuringPanel *>(obj);
    m_pinsTable->clear();
    if (!CHECK_PTR(panel))
        return;
    m_edObjName->setText(panel->name());
    for (int n = 1; n <= MeasuringPanel::TerminalCount; ++n) {
        auto *row = new QTreeWidgetItem(m_pinsTable);
        row->setText(0, QString::number(n));
        GraphicsMeasuringPanel *terminal = panel->terminal(n);
        GraphicsScene *sheet = terminal ? terminal->graphicsScene() : nullptr;
        row->setText(1, sheet ? sheet->displayName() : QString());
    }
}

void DlgPropMeasuringPanel::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsMeasuringPanel *>(graphics);
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    if (MeasuringPanel *panel = item->panel()) {
        findInTree(m_objTable, panel->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, 0);
        findInTree(m_pinsTable, QString::number(item->number()), Qt::MatchFixedString, 0);
    }
    m_edName->setText(item->name());
    m_numberSpin->setValue(item->number());
    m_edSource->setText(item->sourceName());
}

void DlgPropMeasuringPanel::doubleClickOfTablePins(QTreeWidgetItem *row)
{
    if (!row)
        return;
    QTreeWidgetItem *panelRow = selectedTreeItem(m_objTable, kindName());
    if (!panelRow)
        return;
    m_numberSpin->setValue(row->text(0).toInt());
    doubleClickOfTable(panelRow);
}

void DlgPropMeasuringPanel::btnOkClick()
{
    const QString name = m_edName->text().simplified();
    Project *owner = project();
    auto *panel = owner ? dynamic_cast<MeasuringPanel *>(owner->findObj(MeasuringPanelKind, name)) : nullptr;
    GraphicsMeasuringPanel *taken = panel ? panel->terminal(m_numberSpin->value()) : nullptr;
    if (taken && taken != m_item) {
        GraphicsScene *sheet = taken->graphicsScene();
        showError(tr("Pin %1 of %2 is already drawn on scheme %3!")
                      .arg(m_numberSpin->value())
                      .arg(name, sheet ? sheet->displayName().simplified() : QString()));
        return;
    }
    checkGraphicsName(MeasuringPanelKind);
}

void DlgPropMeasuringPanel::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsMeasuringPanel *>(graphics);
    if (!CHECK_PTR(item))
        return;
    item->setNumber(m_numberSpin->value());
    item->setSourceName(m_edSource->text());
    // Binding by name again lets the panel weigh the new number.
    item->setName(m_edName->text().simplified());
    item->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

DlgPropGraphicsItem *createDlgPropMeasuringPanel(GraphicsScene *scene)
{
    return new DlgPropMeasuringPanel(scene);
}
