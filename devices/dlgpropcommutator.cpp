#include "devices/dlgpropcommutator.h"

#include "devices/commutator.h"
#include "devices/commutatorcatalogue.h"
#include "devices/graphicscommutator.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>

DlgPropCommutator::DlgPropCommutator(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, CommutatorKind, false)
{
    auto *layout = new RVBoxLayout(this, 5, 5);

    // The commutator: its name, its type and the object buttons.
    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edObjName = new RLineEdit(this, 0);
    grid->addWidget(m_edObjName, 0, 1);
    grid->addWidget(new QLabel(tr("Type:"), this), 1, 0);
    m_typeCombo = new RComboBox(this, 50);
    for (int i = 0; i < CommutatorTypeCount; ++i)
        m_typeCombo->insertComboItemSorted(commutatorModelName(i), i);
    grid->addWidget(m_typeCombo, 1, 1);
    auto *objButtons = new RGridLayout();
    createObjButtons(objButtons, this, 0);
    grid->addLayout(objButtons, 0, 2, 2, 1);
    layout->addLayout(grid);

    // The commutators of the project and the groups of the chosen one.
    layout->addLayout(createFindRow(tr("Find commutator:")));
    layout->addWidget(createObjTable(240, 250, {tr("Name"), tr("Type"), tr("Contacts")}, {70, 70, 50}), 1);
    auto *contacts = new RTreeWidget(this, 240, 90);
    contacts->setSortingEnabled(false);
    setTreeColumns(contacts, {tr("N"), tr("Contacts"), tr("Type"), tr("Scheme")}, {40, 80, 50, 50});
    m_contactsTable = contacts;
    layout->addWidget(contacts);
    createHLine(layout);

    // The item: its group, its commutator's name, its form.
    auto *nameRow = new RHBoxLayout();
    nameRow->addWidget(new QLabel(tr("N:"), this));
    m_spinNumber = new QSpinBox(this);
    // Numbers past the type's groups are allowed: binding then takes the
    // first free group that suits the form.
    m_spinNumber->setRange(1, GraphicsCommutator::NoGroup);
    nameRow->addWidget(m_spinNumber);
    nameRow->addSpacing(10);
    createChoiseButton(nameRow, tr("Commutator name:"));
    layout->addLayout(nameRow);
    auto *kindRow = new RHBoxLayout();
    kindRow->addWidget(new QLabel(tr("Type:"), this));
    m_kindCombo = new RComboBox(this, 0);
    for (int kind = 0; kind < ContactGroupKindCount; ++kind)
        m_kindCombo->addItem(GraphicsCommutator::contactKindName(kind), kind);
    kindRow->addWidget(m_kindCombo);
    kindRow->addSpacing(10);
    m_chkUnderCurrent = new QCheckBox(tr("Commutator under current"), this);
    m_chkUnderCurrent->setChecked(true);
    kindRow->addWidget(m_chkUnderCurrent);
    kindRow->addStretch();
    layout->addLayout(kindRow);

    addButtons(layout);

    initObjTable(true, false);
    connect(m_contactsTable, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *row, int) { doubleClickOfTable(row); });
    m_typeCombo->setCurrentIndex(0);
    m_kindCombo->setCurrentIndex(0);
}

DlgPropCommutator::~DlgPropCommutator() = default;

void DlgPropCommutator::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *commutator = dynamic_cast<Commutator *>(obj);
    if (!CHECK_PTR(commutator) || !CHECK_PTR(row))
        return;
    row->setText(0, commutator->name());
    row->setText(1, commutator->modelName());
    const CommutatorType *type = commutator->commutatorType();
    row->setText(2, QStringLiteral("%1 / %2").arg(commutator->items().size()).arg(type ? type->groupCount : 0));
}

void DlgPropCommutator::objSelected(Obj *obj, QTreeWidgetItem *)
{
    m_contactsTable->clear();
    auto *commutator = dynamic_cast<Commutator *>(obj);
    if (!CHECK_PTR(commutator))
        return;
    const int entry = m_typeCombo->findData(commutator->modelIndex());
    if (!CHECK(entry >= 0))
        return;
    m_typeCombo->setCurrentIndex(entry);
    m_edObjName->setText(commutator->name());
    const CommutatorType *type = commutator->commutatorType();
    if (!type)
        return;
    for (int i = 0; i < type->groupCount; ++i) {
        const ContactGroup &group = type->groups[i];
        auto *row = new QTreeWidgetItem(m_contactsTable);
        row->setText(0, QString::number(i + 1));
        row->setText(1, contactGroupText(group));
        row->setText(2, GraphicsCommutator::contactKindName(group.kind));
        GraphicsCommutator *shown = commutator->itemForGroup(quint8(i));
        GraphicsScene *sheet = shown ? shown->graphicsScene() : nullptr;
        row->setText(3, sheet ? sheet->displayName() : QString());
    }
}

void DlgPropCommutator::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsCommutator *>(graphics);
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    m_chkUnderCurrent->setChecked(item->underCurrent());
    const QString name = item->name();
    edName()->setText(name);
    if (isContactGroupKind(item->contactKind()))
        m_kindCombo->setCurrentIndex(item->contactKind());
    findInTree(m_objTable, name, Qt::MatchFixedString, 0);
    if (item->obj())
        findInTree(m_contactsTable, QString::number(item->contactNumber() + 1), Qt::MatchFixedString, 0);
    m_spinNumber->setValue(item->contactNumber() + 1);
}

bool DlgPropCommutator::btnChoiseClick(QTreeWidgetItem *row)
{
    QTreeWidgetItem *commutatorRow = selectedTreeItem(m_objTable, tr("commutator"));
    if (!commutatorRow)
        return false;
    QTreeWidgetItem *contactRow = row ? row : selectedTreeItem(m_contactsTable, tr("contact"));
    if (!contactRow || !CHECK_PTR(edName()))
        return false;
    auto *commutator = dynamic_cast<Commutator *>(treeItemObj(commutatorRow));
    if (!CHECK_PTR(commutator))
        return false;
    const CommutatorType *type = commutator->commutatorType();
    const int n = m_contactsTable->indexOfTopLevelItem(contactRow);
    if (!CHECK(type && n >= 0 && n < type->groupCount))
        return false;
    // The group the edited item shows already is its own, not busy.
    GraphicsCommutator *shown = commutator->itemForGroup(quint8(n));
    if (shown && shown != m_item) {
        showError(tr("Commutator is busy!"));
        return false;
    }
    if (!isGroupCompatible(type->groups[n].kind, m_kindCombo->currentIndex())) {
        showError(tr("Choise commutator and commutator type not compatibility! "));
        return false;
    }
    edName()->setText(commutatorRow->text(0));
    m_spinNumber->setValue(n + 1);
    return true;
}

void DlgPropCommutator::btnReplObjClick()
{
    DlgPropGraphicsObjItem::btnReplObjClick();
    const QList<QTreeWidgetItem *> selected = m_objTable->selectedItems();
    if (!selected.isEmpty() && treeItemObj(selected.first()))
        objSelected(treeItemObj(selected.first()), selected.first());
}

void DlgPropCommutator::btnOkClick()
{
    auto *commutator = dynamic_cast<Commutator *>(soleObjAfterOk(edName()->text().simplified()));
    const int kind = m_kindCombo->currentIndex();
    const int wanted = m_spinNumber->value() - 1;
    if (commutator && commutator->groupFor(kind, wanted, m_item) < 0) {
        const CommutatorType *type = commutator->commutatorType();
        const bool suits = type && wanted >= 0 && wanted < type->groupCount
            && isGroupCompatible(type->groups[wanted].kind, kind);
        showError(suits ? tr("Commutator is busy!") : tr("Choise commutator and commutator type not compatibility! "));
        return;
    }
    DlgPropGraphicsObjItem::btnOkClick();
}

void DlgPropCommutator::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsCommutator *>(graphics);
    Project *owner = project();
    if (!CHECK_PTR(item) || !CHECK_PTR(owner))
        return;
    item->setUnderCurrent(m_chkUnderCurrent->isChecked());
    const QString name = edName()->text().simplified();
    const int kind = m_kindCombo->currentIndex();
    const auto number = quint8(m_spinNumber->value() - 1);
    if (item->obj() && item->obj() == soleObjAfterOk(name)) {
        // The item keeps its commutator (which takes the new name): the
        // commutator gives it the group, as Ok made sure it can.
        item->setName(name);
        item->setContactGroup(kind, number);
    } else {
        // The item goes to the commutator of the name, which takes it on a
        // group that suits its new form, or leaves it unbound.
        item->detachObj(true);
        item->setContactGroup(kind, number);
        item->setName(name);
    }
    if (!item->obj() && !name.isEmpty() && !owner->findObj(CommutatorKind, name)) {
        // No commutator bears the name: a new one of the chosen type.
        Obj *made = owner->createDevice(CommutatorKind);
        if (CHECK_PTR(made)) {
            saveObj(made);
            if (!made->appendItem(item) || !made->setName(name)) {
                item->detachObj(false);
                delete made;
            }
        }
    }
    item->updatePinNames();
    item->updateFromObj();
    item->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

void DlgPropCommutator::saveObj(Obj *obj)
{
    auto *commutator = dynamic_cast<Commutator *>(obj);
    if (!CHECK_PTR(commutator))
        return;
    const int index = m_typeCombo->comboCurrentData();
    if (commutator->modelIndex() == index)
        return;
    // Every item is given a group of the new type, or none.
    commutator->setModelIndex(index);
    if (!commutator->name().isEmpty() && project())
        project()->updateObj(commutator);
}

DlgPropGraphicsItem *createDlgPropCommutator(GraphicsScene *scene)
{
    return new DlgPropCommutator(scene);
}
