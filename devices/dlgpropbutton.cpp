#include "devices/dlgpropbutton.h"

#include "devices/button.h"
#include "devices/buttoncatalogue.h"
#include "devices/graphicsbutton.h"
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

DlgPropButton::DlgPropButton(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, ButtonKind, false)
{
    auto *layout = new RVBoxLayout(this, 5, 5);

    // The button: its name, its type and the object buttons.
    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edObjName = new RLineEdit(this, 0);
    grid->addWidget(m_edObjName, 0, 1);
    grid->addWidget(new QLabel(tr("Type:"), this), 1, 0);
    m_typeCombo = new RComboBox(this, 50);
    for (int i = 0; i < ButtonTypeCount; ++i)
        m_typeCombo->insertComboItemSorted(buttonModelName(i), i);
    grid->addWidget(m_typeCombo, 1, 1);
    auto *objButtons = new RGridLayout();
    createObjButtons(objButtons, this, 0);
    grid->addLayout(objButtons, 0, 2, 2, 1);
    layout->addLayout(grid);

    // The buttons of the project and the groups of the chosen one.
    layout->addLayout(createFindRow(tr("Find button:")));
    layout->addWidget(createObjTable(240, 250, {tr("Name"), tr("Type"), tr("Contacts")}, {70, 70, 50}), 1);
    auto *groups = new RTreeWidget(this, 240, 90);
    groups->setSortingEnabled(false);
    setTreeColumns(groups, {tr("N"), tr("Contacts"), tr("Type"), tr("Scheme")}, {40, 80, 50, 50});
    m_groupsTable = groups;
    layout->addWidget(groups);
    createHLine(layout);

    // The item: its group, its button's name, its form.
    auto *nameRow = new RHBoxLayout();
    nameRow->addWidget(new QLabel(tr("N:"), this));
    m_spinNumber = new QSpinBox(this);
    // Numbers past the type's groups are allowed: binding then takes the
    // first free group that suits the form.
    m_spinNumber->setRange(1, GraphicsButton::NoGroup);
    nameRow->addWidget(m_spinNumber);
    nameRow->addSpacing(10);
    createChoiseButton(nameRow, tr("Button name:"));
    layout->addLayout(nameRow);
    auto *kindRow = new RHBoxLayout();
    kindRow->addWidget(new QLabel(tr("Type:"), this));
    m_kindCombo = new RComboBox(this, 0);
    for (int kind = 0; kind < ContactGroupKindCount; ++kind)
        m_kindCombo->addItem(GraphicsButton::contactKindName(kind), kind);
    kindRow->addWidget(m_kindCombo);
    kindRow->addSpacing(10);
    m_chkUnderCurrent = new QCheckBox(tr("Button under current"), this);
    m_chkUnderCurrent->setChecked(true);
    kindRow->addWidget(m_chkUnderCurrent);
    kindRow->addStretch();
    layout->addLayout(kindRow);

    addButtons(layout);

    initObjTable(true, false);
    connect(m_groupsTable, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *row, int) { doubleClickOfTable(row); });
    m_typeCombo->setCurrentIndex(0);
    m_kindCombo->setCurrentIndex(0);
}

DlgPropButton::~DlgPropButton() = default;

void DlgPropButton::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *button = dynamic_cast<Button *>(obj);
    if (!CHECK_PTR(button) || !CHECK_PTR(row))
        return;
    row->setText(0, button->name());
    row->setText(1, button->modelName());
    const ButtonType *type = button->buttonType();
    row->setText(2, QStringLiteral("%1 / %2").arg(button->items().size()).arg(type ? type->groupCount : 0));
}

void DlgPropButton::objSelected(Obj *obj, QTreeWidgetItem *)
{
    m_groupsTable->clear();
    auto *button = dynamic_cast<Button *>(obj);
    if (!CHECK_PTR(button))
        return;
    const int entry = m_typeCombo->findData(button->modelIndex());
    if (!CHECK(entry >= 0))
        return;
    m_typeCombo->setCurrentIndex(entry);
    m_edObjName->setText(button->name());
    const ButtonType *type = button->buttonType();
    if (!type)
        return;
    for (int i = 0; i < type->groupCount; ++i) {
        const ContactGroup &group = type->groups[i];
        auto *row = new QTreeWidgetItem(m_groupsTable);
        row->setText(0, QString::number(i + 1));
        row->setText(1, contactGroupText(group));
        row->setText(2, GraphicsButton::contactKindName(group.kind));
        GraphicsButton *shown = button->itemForGroup(quint8(i));
        GraphicsScene *sheet = shown ? shown->graphicsScene() : nullptr;
        row->setText(3, sheet ? sheet->displayName() : QString());
    }
}

void DlgPropButton::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsButton *>(graphics);
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
        findInTree(m_groupsTable, QString::number(item->contactNumber() + 1), Qt::MatchFixedString, 0);
    m_spinNumber->setValue(item->contactNumber() + 1);
}

bool DlgPropButton::btnChoiseClick(QTreeWidgetItem *row)
{
    QTreeWidgetItem *buttonRow = selectedTreeItem(m_objTable, tr("button"));
    if (!buttonRow)
        return false;
    QTreeWidgetItem *groupRow = row ? row : selectedTreeItem(m_groupsTable, tr("contact"));
    if (!groupRow || !CHECK_PTR(edName()))
        return false;
    auto *button = dynamic_cast<Button *>(treeItemObj(buttonRow));
    if (!CHECK_PTR(button))
        return false;
    const ButtonType *type = button->buttonType();
    const int n = m_groupsTable->indexOfTopLevelItem(groupRow);
    if (!CHECK(type && n >= 0 && n < type->groupCount))
        return false;
    // The group the edited item shows already is its own, not busy.
    GraphicsButton *shown = button->itemForGroup(quint8(n));
    if (shown && shown != m_item) {
        showError(tr("Button is busy!"));
        return false;
    }
    if (!isButtonGroupCompatible(type->groups[n].kind, m_kindCombo->currentIndex())) {
        showError(tr("Choise button and button type not compatibility! "));
        return false;
    }
    edName()->setText(buttonRow->text(0));
    m_spinNumber->setValue(n + 1);
    return true;
}

void DlgPropButton::btnOkClick()
{
    auto *button = dynamic_cast<Button *>(soleObjAfterOk(edName()->text().simplified()));
    const int kind = m_kindCombo->currentIndex();
    const int wanted = m_spinNumber->value() - 1;
    if (button && button->groupFor(kind, wanted, m_item) < 0) {
        const ButtonType *type = button->buttonType();
        const bool suits = type && wanted >= 0 && wanted < type->groupCount
            && isButtonGroupCompatible(type->groups[wanted].kind, kind);
        showError(suits ? tr("Button is busy!") : tr("Choise button and button type not compatibility! "));
        return;
    }
    DlgPropGraphicsObjItem::btnOkClick();
}

void DlgPropButton::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsButton *>(graphics);
    if (!CHECK_PTR(item))
        return;
    item->setUnderCurrent(m_chkUnderCurrent->isChecked());
    const QString name = edName()->text().simplified();
    const int kind = m_kindCombo->currentIndex();
    const auto number = quint8(m_spinNumber->value() - 1);
    if (item->obj() && item->obj() == soleObjAfterOk(name)) {
        // The item keeps its button (which takes the new name): the button
        // gives it the group, as Ok made sure it can.
        item->setName(name);
        item->setContactGroup(kind, number);
    } else {
        // The item goes to the button of the name, which takes it on a
        // group that suits its new form, or leaves it unbound.
        item->detachObj(true);
        item->setContactGroup(kind, number);
        item->setName(name);
    }
    item->updatePinNames();
    item->updateFromObj();
    item->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

void DlgPropButton::btnReplObjClick()
{
    DlgPropGraphicsObjItem::btnReplObjClick();
    const QList<QTreeWidgetItem *> selected = m_objTable->selectedItems();
    if (!selected.isEmpty() && treeItemObj(selected.first()))
        objSelected(treeItemObj(selected.first()), selected.first());
}

void DlgPropButton::saveObj(Obj *obj)
{
    auto *button = dynamic_cast<Button *>(obj);
    if (!CHECK_PTR(button))
        return;
    const int index = m_typeCombo->comboCurrentData();
    if (button->modelIndex() == index)
        return;
    // Every item is given a group of the new type, or none.
    button->setModelIndex(index);
    if (!button->name().isEmpty() && project())
        project()->updateObj(button);
}

DlgPropGraphicsItem *createDlgPropButton(GraphicsScene *scene)
{
    return new DlgPropButton(scene);
}
