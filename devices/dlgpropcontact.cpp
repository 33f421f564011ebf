#include "devices/dlgpropcontact.h"

#include "devices/contactsymbol.h"
#include "devices/graphicscontact.h"
#include "devices/graphicsrelaywinding.h"
#include "devices/pushbuttoncontact.h"
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
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTreeWidget>

namespace {

// The contact kind shown first: the plain changeover contact.
const int defaultKind = 7;

} // namespace

DlgPropContact::DlgPropContact(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, RelayWindingKind, false)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *columns = new RHBoxLayout();
    layout->addLayout(columns, 1);

    // The forms of a contact, energised or released.
    m_kindBox = new QGroupBox(tr("Contact type / Electric current"), this);
    auto *boxLayout = new RVBoxLayout(m_kindBox, 5, 5);
    auto *grid = new QGridLayout();
    m_kindButtons = new QButtonGroup(this);
    m_kindButtons->setExclusive(true);
    for (int code = 0; code < ContactKindCount; ++code) {
        auto *button = new PushButtonContact(code, m_kindBox);
        button->setToolTip(contactKindId(code) + QLatin1String(" ( ") + contactKindLabel(code) + QLatin1String(" ) "));
        m_kindButtons->addButton(button, code);
        grid->addWidget(button, code / 2, code % 2);
    }
    boxLayout->addLayout(grid);
    auto *current = new RHBoxLayout();
    m_rbUnder = new QRadioButton(tr("Under"), m_kindBox);
    m_rbWithout = new QRadioButton(tr("Without"), m_kindBox);
    current->addWidget(m_rbUnder);
    current->addWidget(m_rbWithout);
    boxLayout->addLayout(current);
    columns->addWidget(m_kindBox);

    // The windings, their contacts and the choice.
    auto *choice = new RVBoxLayout();
    choice->addLayout(createFindRow(tr("Find Winding: ")));
    auto *splitter = new QSplitter(Qt::Vertical, this);
    RTreeWidget *windings = createObjTable(
        300, 305, {tr("Winding Name"), tr("Relay Type"), tr("Contacts"), tr("Scheme")}, {90, 90, 50, 50}, splitter);
    windings->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *contacts = new RTreeWidget(splitter, 300, 120);
    contacts->setSortingEnabled(false);
    setTreeColumns(contacts, {tr("N"), tr("Contact Numbers"), tr("Type"), tr("Scheme")}, {30, 120, 60, 60});
    contacts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_contactsTable = contacts;
    splitter->addWidget(windings);
    splitter->addWidget(contacts);
    choice->addWidget(splitter, 1);
    auto *nameRow = new RHBoxLayout();
    nameRow->addWidget(new QLabel(tr("N:"), this));
    m_spinNumber = new QSpinBox(this);
    // Numbers past the winding's contacts are allowed: binding then takes
    // the first free contact that fits.
    m_spinNumber->setRange(1, GraphicsContact::NoContact);
    nameRow->addWidget(m_spinNumber);
    nameRow->addSpacing(10);
    createChoiseButton(nameRow, tr("Contact name:"));
    choice->addLayout(nameRow);
    columns->addLayout(choice, 1);

    addButtons(layout);

    initObjTable(true, false);
    connect(m_rbUnder, &QRadioButton::clicked, this, &DlgPropContact::changeContactCurrent);
    connect(m_rbWithout, &QRadioButton::clicked, this, &DlgPropContact::changeContactCurrent);
    connect(m_contactsTable, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *row, int) { doubleClickOfTable(row); });

    m_rbUnder->setChecked(true);
    contactPictureUnderCurrent = true;
    m_kindButtons->button(defaultKind)->setChecked(true);
}

DlgPropContact::~DlgPropContact() = default;

void DlgPropContact::changeContactCurrent()
{
    contactPictureUnderCurrent = m_rbUnder->isChecked();
    m_kindBox->update();
    for (QAbstractButton *button : m_kindButtons->buttons())
        button->update();
}

void DlgPropContact::setUnderCurrent(bool underCurrent)
{
    m_rbUnder->setChecked(underCurrent);
    m_rbWithout->setChecked(!underCurrent);
    changeContactCurrent();
}

void DlgPropContact::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    if (!CHECK_PTR(obj) || !CHECK_PTR(row))
        return;
    row->setText(0, obj->name());
    auto *winding = dynamic_cast<GraphicsRelayWinding *>(obj);
    Relay *relay = winding ? winding->relay() : nullptr;
    if (CHECK_PTR(relay)) {
        row->setText(1, relay->modelName());
        row->setText(2, QStringLiteral("%1 / %2").arg(winding->contactItemCount()).arg(winding->catalogueContactCount()));
    }
    GraphicsScene *scene = winding ? winding->graphicsScene() : nullptr;
    row->setText(3, scene ? scene->displayName() : QString());
}

void DlgPropContact::objSelected(Obj *obj, QTreeWidgetItem *)
{
    m_contactsTable->clear();
    auto *winding = dynamic_cast<GraphicsRelayWinding *>(obj);
    if (!CHECK_PTR(winding ? winding->relay() : nullptr))
        return;
    const int type = winding->relayType();
    const int count = winding->catalogueContactCount();
    for (int i = 0; i < count; ++i) {
        const ContactSet &set = relayTypes[type].windings[winding->winding()].contacts[i];
        auto *row = new QTreeWidgetItem(m_contactsTable);
        row->setText(0, QString::number(i + 1));
        row->setText(1, relayContactPinsText(type, winding->winding(), i));
        row->setText(2, contactKindLabel(set.kind));
        GraphicsContact *shown = winding->contactAt(i);
        GraphicsScene *scene = shown ? shown->graphicsScene() : nullptr;
        row->setText(3, scene ? scene->displayName() : QString());
    }
}

void DlgPropContact::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsContact *>(graphics);
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    m_rbUnder->setChecked(item->underCurrent());
    m_rbWithout->setChecked(!item->underCurrent());
    changeContactCurrent();
    if (QAbstractButton *button = m_kindButtons->button(item->contactKind()))
        button->setChecked(true);
    const QString name = item->name();
    edName()->setText(name);
    findInTree(m_objTable, name, Qt::MatchFixedString | Qt::MatchCaseSensitive, 0);
    if (item->obj()) {
        GraphicsRelayWinding *winding = item->windingItem();
        if (!CHECK_PTR(winding ? winding->relay() : nullptr))
            return;
        findInTree(m_contactsTable, QString::number(item->contactNumber() + 1), Qt::MatchFixedString, 0);
        m_spinNumber->setValue(item->contactNumber() + 1);
    }
}

bool DlgPropContact::btnChoiseClick(QTreeWidgetItem *row)
{
    QTreeWidgetItem *windingRow = selectedTreeItem(m_objTable, tr("relay"));
    if (!windingRow)
        return false;
    QTreeWidgetItem *contactRow = row ? row : selectedTreeItem(m_contactsTable, tr("contact"));
    if (!contactRow)
        return false;
    auto *winding = dynamic_cast<GraphicsRelayWinding *>(treeItemObj(windingRow));
    if (!CHECK_PTR(winding))
        return false;
    const int n = m_contactsTable->indexOfTopLevelItem(contactRow);
    // The contact the edited item shows already is its own, not busy.
    GraphicsContact *shown = winding->contactAt(n);
    if (shown && shown != m_item) {
        showError(tr(" Contact is busy! "));
        return false;
    }
    if (!CHECK_PTR(winding->relay()) || !CHECK(n >= 0 && n < winding->catalogueContactCount()))
        return false;
    const ContactSet &set = relayTypes[winding->relayType()].windings[winding->winding()].contacts[n];
    if (!isContactKindCompatible(set.kind, m_kindButtons->checkedId())) {
        showError(tr(" Choise contact and contact type not compatibility! "));
        return false;
    }
    edName()->setText(windingRow->text(0));
    m_spinNumber->setValue(n + 1);
    return true;
}

void DlgPropContact::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsContact *>(graphics);
    if (!CHECK_PTR(item))
        return;
    item->setUnderCurrent(m_rbUnder->isChecked());
    const int kind = m_kindButtons->checkedId();
    if (!CHECK(kind >= 0))
        return;
    // The contact leaves its winding, as a new name makes it do anyway,
    // and is taken again by the winding of the name: on its contact when
    // that suits the new kind, else on the first free one that does.
    item->detachObj(true);
    item->setContactKind(kind);
    item->setContactNumber(quint8(m_spinNumber->value() - 1));
    item->setName(edName()->text().simplified());
    item->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

DlgPropGraphicsItem *createDlgPropContact(GraphicsScene *scene)
{
    return new DlgPropContact(scene);
}
