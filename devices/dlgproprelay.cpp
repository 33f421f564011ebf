#include "devices/dlgproprelay.h"

#include "devices/graphicscontact.h"
#include "devices/graphicsrelaywinding.h"
#include "devices/pushbuttonrelaywinding.h"
#include "devices/relay.h"
#include "devices/relaycatalogue.h"
#include "graphics/graphicsscene.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

// Item-data role of the rows of the type and winding trees: the row's
// catalogue index.
const int indexRole = Qt::UserRole;

QTreeWidget *makeTable(QWidget *parent, const QStringList &columns, const QList<int> &widths)
{
    auto *table = new QTreeWidget(parent);
    table->setRootIsDecorated(false);
    table->setAlternatingRowColors(true);
    setTreeColumns(table, columns, widths);
    return table;
}

} // namespace

DlgPropRelay::DlgPropRelay(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, RelayKind, false)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *columns = new RHBoxLayout();
    layout->addLayout(columns, 1);

    // The relays of the project and the windings of the chosen one.
    auto *relays = new RVBoxLayout();
    relays->addLayout(createFindRow(tr("Find relay:")));
    relays->addWidget(createObjTable(0, 0, {tr("Relay Name"), tr("Relay Type")}, {110, 90}), 1);
    m_windingsTable = makeTable(this, {tr("N"), tr("W. Name"), tr("Scheme"), tr("C. Cnt"), tr("C. Use")},
                                {20, 65, 50, 40, 40});
    m_windingsTable->setFixedHeight(60);
    relays->addWidget(m_windingsTable);
    columns->addLayout(relays, 1);
    createVLine(columns);

    // The relay and winding being placed.
    auto *entries = new RVBoxLayout();
    auto *nameRow = new RHBoxLayout();
    createChoiseButton(nameRow, tr("Relay name:"));
    entries->addLayout(nameRow);
    auto *findTypeRow = new RHBoxLayout();
    findTypeRow->addWidget(new QLabel(tr("Find relay type: "), this));
    m_edFindType = new RLineEdit(this, 0);
    findTypeRow->addWidget(m_edFindType);
    entries->addLayout(findTypeRow);
    // The types keep their catalogue order.
    m_typeTree = makeTable(this, {tr("Relay Type")}, {});
    for (int type = 0; type < RelayTypeCount; ++type) {
        auto *row = new QTreeWidgetItem(m_typeTree);
        row->setText(0, QCoreApplication::translate("Relay", relayTypes[type].name));
        row->setData(0, indexRole, type);
    }
    entries->addWidget(m_typeTree, 1);
    auto *windingRow = new RHBoxLayout();
    windingRow->addWidget(new QLabel(tr("Winding name: "), this));
    m_edWindingName = new QLineEdit(this);
    windingRow->addWidget(m_edWindingName);
    entries->addLayout(windingRow);
    m_windingTree = makeTable(this, {tr("N"), tr("Contacts")}, {25, 60});
    m_windingTree->setFixedHeight(60);
    entries->addWidget(m_windingTree);
    m_chkDiagonal = new QCheckBox(tr("Diagonal inv."), this);
    entries->addWidget(m_chkDiagonal);
    columns->addLayout(entries, 1);

    // One picture button per variant of the chosen winding.
    auto *pictures = new QGridLayout();
    m_buttons = new QButtonGroup(this);
    m_buttons->setExclusive(true);
    for (int i = 0; i < ButtonCount; ++i) {
        auto *button = new PushButtonRelayWinding(this);
        m_buttons->addButton(button, i);
        pictures->addWidget(button, i, 0);
    }
    auto *picturesColumn = new RVBoxLayout();
    picturesColumn->addLayout(pictures);
    picturesColumn->addStretch();
    columns->addLayout(picturesColumn);

    addButtons(layout);

    initObjTable(true, true);
    connect(m_edFindType, &RLineEdit::textModification, this, &DlgPropRelay::findRelayType);
    connect(m_typeTree, &QTreeWidget::itemSelectionChanged, this, &DlgPropRelay::changeRelayType);
    connect(m_windingTree, &QTreeWidget::itemSelectionChanged, this, &DlgPropRelay::changeWinding);
    // A relay name typed is also the winding name, as one-winding types
    // require.
    connect(edName(), &RLineEdit::textModification, m_edWindingName, &QLineEdit::setText);

    if (QTreeWidgetItem *first = m_typeTree->topLevelItem(0))
        selectTreeItem(m_typeTree, first);
}

DlgPropRelay::~DlgPropRelay() = default;

PushButtonRelayWinding *DlgPropRelay::pictureButton(int i) const
{
    return qobject_cast<PushButtonRelayWinding *>(m_buttons->button(i));
}

int DlgPropRelay::selectedType() const
{
    const QList<QTreeWidgetItem *> rows = m_typeTree->selectedItems();
    return rows.isEmpty() ? -1 : rows.first()->data(0, indexRole).toInt();
}

int DlgPropRelay::selectedWinding() const
{
    const QList<QTreeWidgetItem *> rows = m_windingTree->selectedItems();
    return rows.isEmpty() ? -1 : rows.first()->data(0, indexRole).toInt();
}

int DlgPropRelay::selectedVariant() const
{
    return m_buttons->checkedId();
}

void DlgPropRelay::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *relay = dynamic_cast<Relay *>(obj);
    if (!CHECK_PTR(relay) || !CHECK_PTR(row))
        return;
    row->setText(0, relay->name());
    row->setText(1, relay->modelName());
}

void DlgPropRelay::objSelected(Obj *obj, QTreeWidgetItem *)
{
    m_windingsTable->clear();
    if (!CHECK_PTR(obj))
        return;
    for (ObjItem *item : obj->items()) {
        auto *winding = dynamic_cast<GraphicsRelayWinding *>(item);
        if (!CHECK_PTR(winding))
            continue;
        auto *row = new QTreeWidgetItem(m_windingsTable);
        row->setText(0, QString::number(winding->winding() + 1));
        row->setText(1, winding->windingName());
        GraphicsScene *scene = winding->graphicsScene();
        row->setText(2, scene ? scene->displayName() : QString());
        row->setText(3, QString::number(winding->catalogueContactCount()));
        row->setText(4, QString::number(winding->contactItemCount()));
    }
}

bool DlgPropRelay::btnChoiseClick(QTreeWidgetItem *row)
{
    if (!row)
        row = selectedTreeItem(m_objTable, tr("Relay"));
    if (!row)
        return false;
    edName()->setText(row->text(0));
    findInTree(m_typeTree, row->text(1), Qt::MatchFixedString, 0);
    return true;
}

void DlgPropRelay::findRelayType(const QString &text)
{
    findInTree(m_typeTree, text, Qt::MatchStartsWith, 0);
}

void DlgPropRelay::changeRelayType()
{
    const int type = selectedType();
    if (type < 0)
        return;
    m_windingTree->clear();
    const RelayType &row = relayTypes[type];
    for (int w = 0; w < row.windingCount; ++w) {
        const RelayDescriptor &winding = row.windings[w];
        int counts[ContactKindCount] = {};
        for (int c = 0; c < winding.contactCount; ++c) {
            const int kind = winding.contacts[c].kind;
            if (kind >= 0 && kind < ContactKindCount)
                ++counts[kind];
        }
        QString contacts;
        for (int kind = 0; kind < ContactKindCount; ++kind) {
            if (counts[kind] > 0)
                contacts += QString::number(counts[kind]) + contactKindLabel(kind) + QLatin1String("; ");
        }
        auto *item = new QTreeWidgetItem(m_windingTree);
        item->setText(0, QString::number(w + 1));
        item->setText(1, contacts);
        item->setData(0, indexRole, w);
    }
    selectTreeItem(m_windingTree, m_windingTree->topLevelItem(0));
}

void DlgPropRelay::changeWinding()
{
    const int winding = selectedWinding();
    if (winding < 0)
        return;
    QTreeWidgetItem *typeRow = selectedTreeItem(m_typeTree, tr("relay type"));
    if (!typeRow)
        return;
    const int type = typeRow->data(0, indexRole).toInt();
    const RelayDescriptor *descriptor = relayWinding(type, winding);
    if (!descriptor)
        return;
    for (int i = 0; i < ButtonCount; ++i) {
        PushButtonRelayWinding *button = pictureButton(i);
        if (i < descriptor->variantCount) {
            button->setType(type, winding, i);
            button->show();
        } else {
            button->hide();
        }
    }
    pictureButton(0)->setChecked(true);
}

void DlgPropRelay::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsRelayWinding *>(graphics);
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    Relay *relay = item->relay();
    if (CHECK_PTR(relay)) {
        findInTree(m_objTable, relay->name(), Qt::MatchExactly, 0);
        findInTree(m_windingsTable, item->windingName(), Qt::MatchExactly, 1);
        findInTree(m_typeTree, relay->modelName(), Qt::MatchExactly, 0);
        if (m_windingTree->topLevelItemCount() > 0) {
            selectTreeItem(m_windingTree, m_windingTree->topLevelItem(item->winding()));
            if (PushButtonRelayWinding *button = item->variant() < ButtonCount ? pictureButton(item->variant()) : nullptr)
                button->setChecked(true);
        }
    }
    edName()->setText(relay ? relay->name() : item->ownName());
    m_edWindingName->setText(item->windingName());
    m_chkDiagonal->setChecked(item->isDiagonal());
}

void DlgPropRelay::btnOkClick()
{
    Project *owner = project();
    if (!CHECK_PTR(owner))
        return;
    const QString relayName = edName()->text().simplified();
    const QString windingName = m_edWindingName->text().simplified();
    if (!selectedTreeItem(m_typeTree, tr("relay type")) || !selectedTreeItem(m_windingTree, tr("winding")))
        return;
    const int type = selectedType();
    const int winding = selectedWinding();
    const int variant = selectedVariant();

    if (relayName.isEmpty()) {
        showError(tr(" Need enter relay name! "));
        return;
    }
    if (windingName.isEmpty()) {
        showError(tr(" Need enter winding name! "));
        return;
    }
    auto *item = dynamic_cast<GraphicsRelayWinding *>(m_item);
    if ((!item || item->windingName() != windingName) && owner->findObj(RelayWindingKind, windingName)) {
        showError(tr("Relay winding is already exists!"));
        return;
    }
    const int variantKind = variant >= 0 ? relayVariantKind(type, winding, variant) : -1;
    if (m_chkDiagonal->isChecked() && variantKind != 1) {
        showError(tr("Relay winding cannot have diagonal mirror!"));
        return;
    }
    if (relayTypes[type].windingCount < 2 && relayName != windingName) {
        showError(tr("Relay name and winding name must be equally!"));
        return;
    }
    auto *named = dynamic_cast<Relay *>(owner->findObj(RelayKind, relayName));
    if (item) {
        Relay *relay = item->relay();
        if (!CHECK_PTR(relay))
            return;
        if (relay->items().size() > 1 && (type != relay->modelIndex() || winding != item->winding())) {
            showError(tr("Cannot change relay type!"));
            return;
        }
        if (relayName != relay->name() && named) {
            showError(tr("Relay already exists!"));
            return;
        }
    } else if (named) {
        // A new winding of a relay that shows others already must not
        // retype the relay under them.
        if (!named->items().isEmpty() && named->modelIndex() != type) {
            showError(tr("Cannot change relay type!"));
            return;
        }
        // A relay that shows no winding yet takes the chosen type with it.
        if (!named->items().isEmpty() && !named->canAddWinding(winding)) {
            showError(tr("Relay already exists and not can add this winding!"));
            return;
        }
    }
    accept();
}

void DlgPropRelay::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsRelayWinding *>(graphics);
    Project *owner = project();
    const QString relayName = edName()->text().simplified();
    QTreeWidgetItem *typeRow = selectedTreeItem(m_typeTree, tr("relay type"));
    QTreeWidgetItem *windingRow = typeRow ? selectedTreeItem(m_windingTree, tr("winding")) : nullptr;
    if (!item || !owner || !typeRow || !windingRow || !CHECK_PTR(m_buttons->checkedButton())) {
        DlgPropGraphicsObjItem::saveToItem(graphics);
        return;
    }
    const int type = typeRow->data(0, indexRole).toInt();
    const int winding = windingRow->data(0, indexRole).toInt();
    const int variant = m_buttons->checkedId();

    Relay *relay = item->relay();
    const bool hadRelay = relay != nullptr;
    bool created = false;
    if (!relay) {
        relay = dynamic_cast<Relay *>(owner->findObj(RelayKind, relayName));
        if (!relay) {
            relay = dynamic_cast<Relay *>(owner->createDevice(RelayKind));
            created = true;
        }
    }
    if (!CHECK_PTR(relay)) {
        DlgPropGraphicsObjItem::saveToItem(graphics);
        return;
    }
    relay->setModelIndex(type);
    // A new name hides the relay's address: only a real change renames.
    if (relay->name() != relayName)
        relay->setName(relayName);

    item->setType(relay->modelIndex(), winding, variant);
    item->setDiagonal(m_chkDiagonal->isChecked());
    if (item->isRowsMirrored() && relayVariantPinCount(type, winding, variant) < 4)
        item->setRowsMirrored(false);

    const QString windingName = m_edWindingName->text().simplified();
    if (item->windingName() != windingName)
        item->Obj::setName(windingName);
    if (!hadRelay && !relay->appendItem(item)) {
        // Validation keeps this from happening; a relay made for the item
        // alone must not stay behind.
        if (created && relay->items().isEmpty())
            delete relay;
        DlgPropGraphicsObjItem::saveToItem(graphics);
        return;
    }
    item->GraphicsObjItem::setName(relayName);
    // The name may be unchanged while the type or the variant changed.
    item->updatePinNames();
    item->updateFromObj();
    item->update();

    // The contacts, renamed with the winding, leave it and look for their
    // winding again by name, as it now is (another type may hold their
    // groups elsewhere).
    const QList<ObjItem *> contacts = item->items();
    for (auto it = contacts.crbegin(); it != contacts.crend(); ++it) {
        auto *contact = dynamic_cast<GraphicsObjItem *>(*it);
        if (CHECK_PTR(contact))
            contact->detachObj(true);
    }
    for (ObjItem *bound : contacts) {
        auto *contact = dynamic_cast<GraphicsObjItem *>(bound);
        if (!CHECK_PTR(contact))
            continue;
        contact->bindByName();
        contact->updatePinNames();
        contact->updateFromObj();
        contact->update();
    }
    owner->updateObj(relay);

    DlgPropGraphicsObjItem::saveToItem(graphics);
}

DlgPropGraphicsItem *createDlgPropRelay(GraphicsScene *scene)
{
    return new DlgPropRelay(scene);
}
