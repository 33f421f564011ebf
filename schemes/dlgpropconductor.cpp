#include "schemes/dlgpropconductor.h"

#include "graphics/graphicsscene.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "schemes/conductor.h"
#include "schemes/graphicsconductor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {

enum { SolderWithBottomId = 0, AdditionalId = 1, ReaddressId = 2 };

QString sceneNameOf(GraphicsConductor *item)
{
    GraphicsScene *scene = item ? item->graphicsScene() : nullptr;
    return scene ? scene->displayName() : QString();
}

} // namespace

DlgPropConductor::DlgPropConductor(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, ConductorKind, false)
{
    auto *layout = new RHBoxLayout(this, 5, 5);

    // The conductors of the project.
    auto *left = new RVBoxLayout();
    auto *findRow = new RHBoxLayout();
    findRow->addWidget(new QLabel(tr("Find conductor:"), this));
    m_edFind = new RLineEdit(this, 0);
    findRow->addWidget(m_edFind);
    left->addLayout(findRow);
    auto *objTable = new RTreeWidget(this, 370, 160);
    const QStringList columns = {tr("Name"), tr("Cnt"), tr("Cable"), tr("Ring."),
                                 tr("TP"), tr("Pol."), tr("Scheme"), tr("Scheme N")};
    const QList<int> widths = {55, 40, 40, 40, 40, 40, 50, 50};
    objTable->setColumnCount(int(columns.size()));
    objTable->setHeaderLabels(columns);
    for (int i = 0; i < widths.size(); ++i)
        objTable->setColumnWidth(i, widths[i]);
    m_objTable = objTable;
    left->addWidget(objTable, 1);
    layout->addLayout(left, 1);

    // The conductor's data and the item.
    auto *right = new RVBoxLayout();
    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Conductor Name:"), this), 0, 0);
    m_edObjName = new QLineEdit(this);
    grid->addWidget(m_edObjName, 0, 1);
    grid->addWidget(new QLabel(tr("Cnt need gi:"), this), 1, 0);
    m_spinCount = new QSpinBox(this);
    m_spinCount->setRange(1, 255);
    grid->addWidget(m_spinCount, 1, 1);
    grid->addWidget(new QLabel(tr("Cable name:"), this), 2, 0);
    m_edCableName = new QLineEdit(this);
    grid->addWidget(m_edCableName, 2, 1);
    m_chkRing = new QCheckBox(tr("Need ring with top clamp"), this);
    grid->addWidget(m_chkRing, 3, 0, 1, 2);
    m_chkTwistedPair = new QCheckBox(tr("Twisted pair cable"), this);
    grid->addWidget(m_chkTwistedPair, 4, 0, 1, 2);
    right->addLayout(grid);

    auto *buttons = new RGridLayout();
    createObjButtons(buttons, this, 0);
    right->addLayout(buttons);

    m_polarityBox = new QGroupBox(tr("Polarity in conductor"), this);
    m_polarityBox->setCheckable(true);
    m_polarityBox->setChecked(false);
    auto *polarityRow = new RHBoxLayout(m_polarityBox, 5, 5);
    auto *polarityGroup = new QButtonGroup(this);
    m_rbPK = new QRadioButton(tr("PK"), m_polarityBox);
    m_rbRK = new QRadioButton(tr("RK"), m_polarityBox);
    polarityGroup->addButton(m_rbPK, 0);
    polarityGroup->addButton(m_rbRK, 1);
    polarityRow->addWidget(m_rbPK);
    polarityRow->addWidget(m_rbRK);
    right->addWidget(m_polarityBox);

    createHLine(right);
    auto *nameRow = new RHBoxLayout();
    createChoiseButton(nameRow, tr("Conductor name:"));
    right->addLayout(nameRow);

    m_duplicateBox = new QGroupBox(tr("Duplicate graphics"), this);
    m_duplicateBox->setCheckable(true);
    m_duplicateBox->setChecked(false);
    auto *duplicateColumn = new RVBoxLayout(m_duplicateBox, 5, 5);
    m_duplicateGroup = new QButtonGroup(this);
    const QStringList sorts = {tr("Place solder with bottom"), tr("Additional conductor"),
                               tr("Place readdress in place solder with bottom")};
    for (int id = 0; id < sorts.size(); ++id) {
        auto *radio = new QRadioButton(sorts[id], m_duplicateBox);
        m_duplicateGroup->addButton(radio, id);
        duplicateColumn->addWidget(radio);
    }
    right->addWidget(m_duplicateBox);
    right->addSpacing(20);
    right->addStretch();
    addButtons(right);
    layout->addLayout(right);

    initObjTable(true, true);
    m_rbPK->setChecked(true);
    m_duplicateGroup->button(SolderWithBottomId)->setChecked(true);
}

void DlgPropConductor::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *conductor = dynamic_cast<Conductor *>(obj);
    if (!CHECK_PTR(conductor) || !CHECK_PTR(row))
        return;
    GraphicsConductor *main = conductor->mainItem();
    GraphicsConductor *solder = conductor->solderWithBottomItem();
    const int drawn = int(conductor->items().size()) - (solder ? 1 : 0);
    const auto yesNo = [this](bool on) { return on ? tr("Yes") : tr("No"); };
    row->setText(0, conductor->name());
    row->setText(1, QStringLiteral("%1/%2").arg(conductor->count()).arg(drawn));
    row->setText(2, conductor->cableName());
    row->setText(3, yesNo(conductor->ringWithTopClamp()));
    row->setText(4, yesNo(conductor->twistedPair()));
    row->setText(5, conductor->polarity() ? (conductor->polarityPK() ? tr("PK") : tr("RK")) : QString());
    row->setText(6, sceneNameOf(main));
    row->setText(7, sceneNameOf(solder));
}

void DlgPropConductor::objSelected(Obj *obj, QTreeWidgetItem *)
{
    auto *conductor = dynamic_cast<Conductor *>(obj);
    if (!CHECK_PTR(conductor))
        return;
    m_edObjName->setText(conductor->name());
    m_spinCount->setValue(conductor->count());
    m_edCableName->setText(conductor->cableName());
    m_chkRing->setChecked(conductor->ringWithTopClamp());
    m_chkTwistedPair->setChecked(conductor->twistedPair());
    m_polarityBox->setChecked(conductor->polarity());
    m_rbPK->setChecked(conductor->polarityPK());
    m_rbRK->setChecked(!conductor->polarityPK());
}

void DlgPropConductor::saveObj(Obj *obj)
{
    auto *conductor = dynamic_cast<Conductor *>(obj);
    if (!CHECK_PTR(conductor))
        return;
    conductor->setCount(quint8(m_spinCount->value()));
    conductor->setCableName(m_edCableName->text().simplified());
    conductor->setRingWithTopClamp(m_chkRing->isChecked());
    conductor->setTwistedPair(m_chkTwistedPair->isChecked());
    conductor->setPolarity(m_polarityBox->isChecked());
    conductor->setPolarityPK(m_rbPK->isChecked());
}

void DlgPropConductor::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsConductor *>(graphics);
    if (!CHECK_PTR(item))
        return;
    m_duplicateBox->setChecked(item->duplicate());
    int sort = AdditionalId;
    if (item->solderWithBottom())
        sort = SolderWithBottomId;
    else if (item->readdress())
        sort = ReaddressId;
    m_duplicateGroup->button(sort)->setChecked(true);
    if (Obj *bound = item->obj())
        findInTree(m_objTable, bound->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, 0);
    m_edName->setText(item->name());
}

void DlgPropConductor::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsConductor *>(graphics);
    if (!CHECK_PTR(item))
        return;
    item->setDuplicate(m_duplicateBox->isChecked());
    item->setSolderWithBottom(m_duplicateGroup->checkedId() == SolderWithBottomId);
    item->setReaddress(m_duplicateGroup->checkedId() == ReaddressId);
    // A conductor keeps one item of each single sort: an item that now
    // takes a sort another item of its conductor has is let go (it stays
    // unbound, drawn red, when its name binds it nowhere else).
    if (Conductor *bound = item->conductor()) {
        if (!bound->canAppend(item))
            item->detachObj(false);
    }
    item->updateFromObj();
    item->setName(m_edName->text().simplified());
    DlgPropGraphicsObjItem::saveToItem(item);
}

void DlgPropConductor::btnOkClick()
{
    checkGraphicsName(ConductorKind);
}

DlgPropGraphicsItem *createDlgPropConductor(GraphicsScene *scene)
{
    return new DlgPropConductor(scene);
}
