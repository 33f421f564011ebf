#include "devices/dlgpropfuse.h"

#include "devices/fuse.h"
#include "devices/fusecatalogue.h"
#include "devices/graphicsfuse.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

enum Column { NameColumn, ClassColumn, TypeColumn, NominalColumn, PrimaryColumn, ReservationColumn, FusionColumn };

} // namespace

DlgPropFuse::DlgPropFuse(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, FuseKind, false)
{
    auto *layout = new RHBoxLayout(this, 5, 5);

    // The fuses of the project.
    auto *left = new RVBoxLayout();
    left->addLayout(createFindRow(tr("Find fuse:")));
    const QStringList columns = {tr("Name"), tr("Class"), tr("Type"), tr("Nom."), tr("S. Orig."), tr("S. URP"),
                                 tr("S. KF")};
    left->addWidget(createObjTable(390, 300, columns, {70, 55, 70, 40, 50, 50, 50}), 1);
    layout->addLayout(left, 1);

    // The fuse, the item's name and its role.
    auto *right = new RVBoxLayout();
    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edObjName = new RLineEdit(this, 0);
    grid->addWidget(m_edObjName, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Class:"), this), 1, 0);
    m_classCombo = new RComboBox(this, 0);
    for (int c = 0; c < FuseClassCount; ++c)
        m_classCombo->insertComboItemSorted(fuseClassName(c), c);
    grid->addWidget(m_classCombo, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Type:"), this), 2, 0);
    m_typeCombo = new RComboBox(this, 0);
    grid->addWidget(m_typeCombo, 2, 1, 1, 2);
    createObjButtons(grid, this, 3);
    right->addLayout(grid);
    createHLine(right);
    auto *nameRow = new RHBoxLayout();
    createChoiseButton(nameRow, tr("Fuse name:"));
    right->addLayout(nameRow);

    m_duplicateBox = new QGroupBox(tr("Dublicate parameters"), this);
    m_duplicateBox->setCheckable(true);
    m_duplicateBox->setChecked(false);
    auto *boxLayout = new RVBoxLayout(m_duplicateBox, 5, 5);
    m_rbReservation = new QRadioButton(tr("graphics is control reservation"), m_duplicateBox);
    m_rbFusion = new QRadioButton(tr("graphics is control fusion"), m_duplicateBox);
    m_roleButtons = new QButtonGroup(this);
    m_roleButtons->addButton(m_rbReservation, 0);
    m_roleButtons->addButton(m_rbFusion, 1);
    boxLayout->addWidget(m_rbReservation);
    boxLayout->addWidget(m_rbFusion);
    right->addWidget(m_duplicateBox);
    m_chkPrintName = new QCheckBox(tr("print graphics fuse name"), this);
    right->addWidget(m_chkPrintName);
    right->addStretch();
    addButtons(right);
    layout->addLayout(right);

    initObjTable(true, true);
    // No class is current while the types follow the class combo.
    m_classCombo->setCurrentIndex(-1);
    connect(m_classCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &DlgPropFuse::changeFuseClassType);
    // A type picked by the user goes into the fuse at the Ok, as Repl puts it.
    connect(m_classCombo, qOverload<int>(&QComboBox::activated), this, [this](int) { m_typeChosen = true; });
    connect(m_typeCombo, qOverload<int>(&QComboBox::activated), this, [this](int) { m_typeChosen = true; });
    m_classCombo->setCurrentIndex(0);
    m_typeCombo->setCurrentIndex(0);
    m_rbReservation->setChecked(true);
}

DlgPropFuse::~DlgPropFuse() = default;

void DlgPropFuse::changeFuseClassType(int index)
{
    listTypesOfClass(
        m_classCombo, index, m_typeCombo, FuseTypeCount, [](int row) { return int(fuseTypes[row].fuseClass); },
        fuseTypeText);
}

void DlgPropFuse::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *fuse = dynamic_cast<Fuse *>(obj);
    if (!CHECK_PTR(fuse) || !CHECK_PTR(row))
        return;
    row->setText(NameColumn, fuse->name());
    const int type = fuse->modelIndex();
    if (isFuseType(type)) {
        row->setText(ClassColumn, fuseClassName(fuseTypes[type].fuseClass));
        row->setText(TypeColumn, fuseTypeText(type));
    }
    row->setText(NominalColumn, fuse->nominal());
    for (ObjItem *bound : fuse->items()) {
        if (!CHECK_PTR(bound))
            continue;
        auto *item = dynamic_cast<GraphicsFuse *>(bound);
        if (!item)
            continue;
        GraphicsScene *scene = item->graphicsScene();
        const QString sceneName = scene ? scene->displayName() : QString();
        if (!item->isDuplicate())
            row->setText(PrimaryColumn, sceneName);
        else if (item->isReservation())
            row->setText(ReservationColumn, sceneName);
        else
            row->setText(FusionColumn, sceneName);
    }
}

void DlgPropFuse::objSelected(Obj *obj, QTreeWidgetItem *)
{
    auto *fuse = dynamic_cast<Fuse *>(obj);
    if (!CHECK_PTR(fuse))
        return;
    const int type = fuse->modelIndex();
    const int classEntry = isFuseType(type) ? m_classCombo->findData(fuseTypes[type].fuseClass) : -1;
    if (!CHECK(classEntry >= 0))
        return;
    m_classCombo->setCurrentIndex(classEntry);
    m_edObjName->setText(fuse->name());
    const int typeEntry = m_typeCombo->findData(type);
    if (!CHECK(typeEntry >= 0))
        return;
    m_typeCombo->setCurrentIndex(typeEntry);
    m_typeChosen = false;
}

void DlgPropFuse::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsFuse *>(graphics);
    // The edited item: what it shows is its own, not another's.
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    m_chkPrintName->setChecked(item->printName());
    m_duplicateBox->setChecked(item->isDuplicate());
    (item->isReservation() ? m_rbReservation : m_rbFusion)->setChecked(true);
    edName()->setText(item->name());
    if (item->obj())
        findInTree(m_objTable, item->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, NameColumn);
}

void DlgPropFuse::btnOkClick()
{
    // The fuse the item shows after the Ok must take it in its new role;
    // otherwise the Ok is refused and nothing changes.
    auto *fuse = dynamic_cast<Fuse *>(objTakingItemAfterOk(edName()->text().simplified()));
    if (fuse && !fuse->acceptsRole(m_duplicateBox->isChecked(), m_roleButtons->checkedId() == 0, m_item)) {
        showError(tr("Fuse is busy!"));
        return;
    }
    checkGraphicsName(FuseKind);
}

void DlgPropFuse::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsFuse *>(graphics);
    if (!CHECK_PTR(item))
        return;
    item->setPrintName(m_chkPrintName->isChecked());
    item->setRole(m_duplicateBox->isChecked(), m_roleButtons->checkedId() == 0);
    // The item takes the fuse of its name (a fuse shown by this item alone
    // is renamed); a fuse of the chosen type is made when none has it.
    const QString name = edName()->text().simplified();
    item->setName(name);
    Project *owner = project();
    if (!item->obj() && owner && !owner->findObj(FuseKind, name))
        applyObj(item);
    else if (item->obj() && m_typeChosen)
        saveObj(item->obj());
    // The fuse decides again whether it takes the item in its role: the
    // role may have changed while the item stayed bound.
    if (item->obj()) {
        item->detachObj(false);
        item->rebindByName();
    }
    item->updatePinNames();
    item->updateFromObj();
    item->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

void DlgPropFuse::saveObj(Obj *obj)
{
    auto *fuse = dynamic_cast<Device *>(obj);
    if (!CHECK_PTR(fuse))
        return;
    fuse->setModelIndex(m_typeCombo->comboCurrentData());
}

DlgPropGraphicsItem *createDlgPropFuse(GraphicsScene *scene)
{
    return new DlgPropFuse(scene);
}
