#include "devices/dlgpropkeystaff.h"

#include "devices/graphicskeystaff.h"
#include "devices/keystaff.h"
#include "devices/keystaffcatalogue.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTreeWidget>

DlgPropKeystaff::DlgPropKeystaff(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, KeystaffKind, false)
{
    auto *layout = new RVBoxLayout(this, 5, 5);

    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    m_edObjName = new RLineEdit(this, 0);
    grid->addWidget(m_edObjName, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Type:"), this), 1, 0);
    m_typeCombo = new RComboBox(this, 50);
    for (int type = 0; type < KeystaffTypeCount; ++type)
        m_typeCombo->insertComboItemSorted(QCoreApplication::translate("Keystaff", keystaffTypes[type].name), type);
    grid->addWidget(m_typeCombo, 1, 1, 1, 2);
    createObjButtons(grid, this, 2);
    layout->addLayout(grid);

    layout->addLayout(createFindRow(tr("Find keystaff:")));
    layout->addWidget(createObjTable(240, 220, {tr("Name"), tr("Type"), tr("Contacts")}, {70, 70, 50}), 1);

    auto *contacts = new RTreeWidget(this, 240, 120);
    // The rows stand in group order: a row's index is its group.
    contacts->setSortingEnabled(false);
    setTreeColumns(contacts, {tr("N"), tr("Contacts"), tr("Type"), tr("Scheme")}, {40, 60, 60, 50});
    m_contactsTable = contacts;
    layout->addWidget(contacts);

    createHLine(layout);
    auto *nameRow = new RHBoxLayout();
    createChoiseButton(nameRow, tr("Keystaff name:"));
    layout->addLayout(nameRow);

    auto *groupRow = new RHBoxLayout();
    groupRow->addWidget(new QLabel(tr("N:"), this));
    m_spinNumber = new QSpinBox(this);
    // Numbers past the type's groups are allowed: binding then takes the
    // first free group of the kind.
    m_spinNumber->setRange(1, GraphicsKeystaff::NoGroup);
    groupRow->addWidget(m_spinNumber);
    groupRow->addSpacing(40);
    groupRow->addWidget(new QLabel(tr("Type:"), this));
    m_kindCombo = new RComboBox(this, 0);
    for (int kind = 0; kind < KeystaffKindCount; ++kind)
        m_kindCombo->addItem(GraphicsKeystaff::kindName(kind), kind);
    groupRow->addWidget(m_kindCombo);
    groupRow->addStretch();
    layout->addLayout(groupRow);

    addButtons(layout);

    initObjTable(true, false);
    connect(m_contactsTable, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *row, int) { doubleClickOfTable(row); });
    m_typeCombo->setCurrentIndex(0);
    m_kindCombo->setCurrentIndex(0);
}

DlgPropKeystaff::~DlgPropKeystaff() = default;

void DlgPropKeystaff::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *keystaff = dynamic_cast<Keystaff *>(obj);
    if (!CHECK_PTR(keystaff) || !CHECK_PTR(row))
        return;
    row->setText(0, keystaff->name());
    row->setText(1, keystaff->modelName());
    row->setText(2, QStringLiteral("%1 / %2").arg(keystaff->items().size()).arg(keystaff->groupCount()));
}

void DlgPropKeystaff::objSelected(Obj *obj, QTreeWidgetItem *)
{
    m_contactsTable->clear();
    auto *keystaff = dynamic_cast<Keystaff *>(obj);
    if (!CHECK_PTR(keystaff))
        return;
    const int type = keystaff->modelIndex();
    const int entry = m_typeCombo->findData(type);
    if (!CHECK(entry >= 0 && isKeystaffType(type)))
        return;
    m_typeCombo->setCurrentIndex(entry);
    m_edObjName->setText(keystaff->name());
    const KeystaffType &row = keystaffTypes[type];
    for (int i = 0; i < row.groupCount; ++i) {
        const KeystaffGroup &group = row.groups[i];
        auto *line = new QTreeWidgetItem(m_contactsTable);
        line->setText(0, QString::number(i + 1));
        line->setText(1, QCoreApplication::translate("Keystaff", group.pins[0]) + nameSeparator
                             + QCoreApplication::translate("Keystaff", group.pins[1]));
        line->setText(2, GraphicsKeystaff::kindName(group.kind));
        GraphicsKeystaff *shown = keystaff->itemByNumber(i);
        GraphicsScene *scene = shown ? shown->graphicsScene() : nullptr;
        line->setText(3, scene ? scene->displayName() : QString());
    }
}

bool DlgPropKeystaff::btnChoiseClick(QTreeWidgetItem *row)
{
    QTreeWidgetItem *objRow = selectedTreeItem(m_objTable, tr("keystaff"));
    if (!objRow)
        return false;
    QTreeWidgetItem *groupRow = row ? row : selectedTreeItem(m_contactsTable, tr("contact"));
    if (!groupRow)
        return false;
    auto *keystaff = dynamic_cast<Keystaff *>(treeItemObj(objRow));
    if (!CHECK_PTR(keystaff))
        return false;
    const int n = m_contactsTable->indexOfTopLevelItem(groupRow);
    if (!CHECK(n >= 0 && n < keystaff->groupCount()))
        return false;
    // The group the edited item shows already is its own, not busy.
    GraphicsKeystaff *shown = keystaff->itemByNumber(n);
    if (shown && shown != m_item) {
        showError(tr("Keystaff is busy!"));
        return false;
    }
    if (keystaffTypes[keystaff->modelIndex()].groups[n].kind != m_kindCombo->currentIndex()) {
        showError(tr("Choise button and button type not compatibility! "));
        return false;
    }
    edName()->setText(objRow->text(0));
    m_spinNumber->setValue(n + 1);
    return true;
}

void DlgPropKeystaff::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsKeystaff *>(graphics);
    // The edited item: what it shows is its own, not another's.
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    const QString name = item->name();
    edName()->setText(name);
    m_kindCombo->setCurrentIndex(item->kind());
    findInTree(m_objTable, name, Qt::MatchFixedString, 0);
    if (item->number() == GraphicsKeystaff::NoGroup)
        return;
    if (item->obj())
        findInTree(m_contactsTable, QString::number(item->number() + 1), Qt::MatchFixedString, 0);
    m_spinNumber->setValue(item->number() + 1);
}

void DlgPropKeystaff::btnOkClick()
{
    // A keystaff that only this item shows and that keeps it must have a
    // group of its kind; otherwise the Ok is refused and nothing changes.
    auto *keystaff = dynamic_cast<Keystaff *>(soleObjAfterOk(edName()->text().simplified()));
    const int kind = m_kindCombo->currentIndex();
    const int wanted = m_spinNumber->value() - 1;
    if (keystaff && keystaff->groupFor(kind, wanted, m_item) < 0) {
        const bool suits = wanted >= 0 && wanted < keystaff->groupCount()
            && keystaffTypes[keystaff->modelIndex()].groups[wanted].kind == kind;
        showError(suits ? tr("Keystaff is busy!") : tr("Choise button and button type not compatibility! "));
        return;
    }
    checkGraphicsName(KeystaffKind);
}

void DlgPropKeystaff::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsKeystaff *>(graphics);
    if (!CHECK_PTR(item))
        return;
    const QString name = edName()->text().simplified();
    const int kind = m_kindCombo->currentIndex();
    const auto number = quint8(m_spinNumber->value() - 1);
    if (item->obj() && item->obj() == soleObjAfterOk(name)) {
        // The item keeps its keystaff (which takes the new name): the
        // keystaff gives it the group, as Ok made sure it can.
        item->setName(name);
        item->setGroup(kind, number);
    } else {
        // The item goes to the keystaff of the name, which takes it on a
        // group of its kind, or leaves it unbound.
        item->detachObj(true);
        item->setGroup(kind, number);
        item->setName(name);
    }
    item->updatePinNames();
    item->updateFromObj();
    item->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

void DlgPropKeystaff::saveObj(Obj *obj)
{
    auto *keystaff = dynamic_cast<Keystaff *>(obj);
    if (!CHECK_PTR(keystaff))
        return;
    const int type = m_typeCombo->comboCurrentData();
    if (type == keystaff->modelIndex())
        return;
    // Every item is given a group of its kind in the new type, or none.
    keystaff->setModelIndex(type);
}

DlgPropGraphicsItem *createDlgPropKeystaff(GraphicsScene *scene)
{
    return new DlgPropKeystaff(scene);
}
