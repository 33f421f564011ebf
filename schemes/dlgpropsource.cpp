#include "schemes/dlgpropsource.h"

#include "graphics/graphicsscene.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "graphics/rlineedit.h"
#include "model/check.h"
#include "schemes/graphicssource.h"
#include "schemes/source.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {

enum { PlaceCreateId = 0, NumberedId = 1 };

void setColumns(QTreeWidget *table, const QStringList &columns, const QList<int> &widths)
{
    table->setColumnCount(int(columns.size()));
    table->setHeaderLabels(columns);
    for (int i = 0; i < widths.size(); ++i)
        table->setColumnWidth(i, widths[i]);
}

} // namespace

DlgPropSource::DlgPropSource(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, SourceKind, false)
{
    auto *layout = new RVBoxLayout(this, 5, 5);

    // The source object.
    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Source Name:"), this), 0, 0);
    m_edObjName = new QLineEdit(this);
    grid->addWidget(m_edObjName, 0, 1, 1, 2);
    m_chkBusR = new QCheckBox(tr("source from bus r frame"), this);
    grid->addWidget(m_chkBusR, 1, 0, 1, 3);
    m_chkBusRB = new QCheckBox(tr("source from bus rb frame"), this);
    grid->addWidget(m_chkBusRB, 2, 0, 1, 3);
    m_chkRingBus = new QCheckBox(tr("need ring bus"), this);
    grid->addWidget(m_chkRingBus, 3, 0, 1, 3);
    createObjButtons(grid, this, 4);
    layout->addLayout(grid);

    auto *tables = new RHBoxLayout();
    auto *objTable = new RTreeWidget(this, 300, 200);
    setColumns(objTable, {tr("Name"), tr("Bus R"), tr("Bus RB"), tr("Ring."), tr("Cnt")}, {80, 50, 50, 50, 50});
    m_objTable = objTable;
    tables->addWidget(objTable, 1);
    auto *framesTable = new RTreeWidget(this, 100, 200);
    setColumns(framesTable, {tr("Fr."), tr("Scheme")}, {45, 45});
    m_framesTable = framesTable;
    tables->addWidget(framesTable);
    layout->addLayout(tables, 1);

    // The item.
    createHLine(layout);
    auto *nameRow = new RHBoxLayout();
    createChoiseButton(nameRow, tr("Source name:"));
    layout->addLayout(nameRow);

    m_additionalBox = new QGroupBox(tr("Additional parameters"), this);
    m_additionalBox->setCheckable(true);
    m_additionalBox->setChecked(false);
    auto *boxGrid = new RGridLayout(m_additionalBox, 5, 5);
    m_radioGroup = new QButtonGroup(this);
    auto *placeCreate = new QRadioButton(tr("is place create"), m_additionalBox);
    auto *numbered = new QRadioButton(tr("is numbered"), m_additionalBox);
    m_radioGroup->addButton(placeCreate, PlaceCreateId);
    m_radioGroup->addButton(numbered, NumberedId);
    boxGrid->addWidget(placeCreate, 0, 0, 1, 2);
    boxGrid->addWidget(numbered, 1, 0, 1, 2);
    m_groupLabel = new QLabel(tr("group:"), m_additionalBox);
    m_spinGroup = new QSpinBox(m_additionalBox);
    m_spinGroup->setRange(1, 255);
    boxGrid->addWidget(m_groupLabel, 2, 0);
    boxGrid->addWidget(m_spinGroup, 2, 1);
    boxGrid->addWidget(new QLabel(tr("from frame:"), m_additionalBox), 3, 0);
    m_spinFromFrame = new QSpinBox(m_additionalBox);
    m_spinFromFrame->setRange(0, 999);
    boxGrid->addWidget(m_spinFromFrame, 3, 1);
    m_chkAddToName = new QCheckBox(tr("add to source name"), m_additionalBox);
    boxGrid->addWidget(m_chkAddToName, 4, 0, 1, 2);
    layout->addWidget(m_additionalBox);

    addButtons(layout);

    initObjTable(false, true);
    connect(m_radioGroup, &QButtonGroup::idClicked, this, &DlgPropSource::changeRadioBtn);
    placeCreate->setChecked(true);
    m_groupLabel->setEnabled(false);
    m_spinGroup->setEnabled(false);
}

void DlgPropSource::changeRadioBtn(int id)
{
    const bool numbered = id == NumberedId;
    m_groupLabel->setEnabled(numbered);
    m_spinGroup->setEnabled(numbered);
    m_chkAddToName->setEnabled(!numbered);
    if (numbered)
        m_chkAddToName->setChecked(true);
}

void DlgPropSource::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *source = dynamic_cast<Source *>(obj);
    if (!CHECK_PTR(source) || !CHECK_PTR(row))
        return;
    const auto yesNo = [this](bool on) { return on ? tr("Yes") : tr("No"); };
    row->setText(0, source->name());
    row->setText(1, yesNo(source->busRFrame()));
    row->setText(2, yesNo(source->busRBFrame()));
    row->setText(3, yesNo(source->ringBus()));
    row->setText(4, QString::number(source->items().size()));
}

void DlgPropSource::objSelected(Obj *obj, QTreeWidgetItem *)
{
    m_framesTable->clear();
    auto *source = dynamic_cast<Source *>(obj);
    if (!CHECK_PTR(source))
        return;
    m_edObjName->setText(source->name());
    m_chkBusR->setChecked(source->busRFrame());
    m_chkBusRB->setChecked(source->busRBFrame());
    m_chkRingBus->setChecked(source->ringBus());
    for (ObjItem *entry : source->items()) {
        if (!CHECK_PTR(entry))
            continue;
        auto *item = dynamic_cast<GraphicsSource *>(entry);
        if (!item || !item->additional() || !item->placeCreate())
            continue;
        GraphicsScene *scene = item->graphicsScene();
        auto *row = new QTreeWidgetItem(m_framesTable);
        row->setText(0, QString::number(item->fromFrame()));
        row->setText(1, scene ? scene->displayName() : QString());
    }
}

void DlgPropSource::saveObj(Obj *obj)
{
    auto *source = dynamic_cast<Source *>(obj);
    if (!CHECK_PTR(source))
        return;
    source->setBusRFrame(m_chkBusR->isChecked());
    source->setBusRBFrame(m_chkBusRB->isChecked());
    source->setRingBus(m_chkRingBus->isChecked());
}

void DlgPropSource::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsSource *>(graphics);
    if (!CHECK_PTR(item))
        return;
    if (item->additional()) {
        m_additionalBox->setChecked(true);
        const int id = item->placeCreate() ? PlaceCreateId : NumberedId;
        m_radioGroup->button(id)->setChecked(true);
        changeRadioBtn(id);
        m_spinGroup->setValue(item->group());
        m_spinFromFrame->setValue(item->fromFrame());
        m_chkAddToName->setChecked(item->addToName());
    }
    if (Obj *bound = item->obj())
        findInTree(m_objTable, bound->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, 0);
    m_edName->setText(item->name());
}

void DlgPropSource::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsSource *>(graphics);
    if (!CHECK_PTR(item))
        return;
    const bool additional = m_additionalBox->isChecked();
    item->setAdditional(additional);
    item->setPlaceCreate(m_radioGroup->checkedId() == PlaceCreateId);
    item->setGroup(quint8(m_spinGroup->value()));
    item->setAddToName(additional && m_chkAddToName->isChecked());
    item->setFromFrame(m_spinFromFrame->value());
    // The label and the extent follow the fields even when the name stays.
    item->updateFromObj();
    item->setName(m_edName->text().simplified());
    DlgPropGraphicsObjItem::saveToItem(item);
}

void DlgPropSource::btnOkClick()
{
    checkGraphicsName(SourceKind);
}

DlgPropGraphicsItem *createDlgPropSource(GraphicsScene *scene)
{
    return new DlgPropSource(scene);
}
