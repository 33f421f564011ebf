#include "devices/dlgpropclamp.h"

#include "devices/clamp.h"
#include "devices/clampcatalogue.h"
#include "devices/graphicsclamp.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/addresstables.h"
#include "model/check.h"
#include "model/project.h"
#include "model/settingsnames.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
#include <QTreeWidget>

namespace {

const char clampDialogSettingsName[] = "DlgPropClamp";
const char panelIndexKey[] = "def_index_clamp_panel";
const int defaultPanelIndex = 2;

QString text(const char *source)
{
    return QCoreApplication::translate("DlgPropClamp", source);
}

QLabel *addLabel(QWidget *parent, QGridLayout *grid, int row, const QString &label)
{
    auto *shown = new QLabel(label, parent);
    if (CHECK_PTR(grid))
        grid->addWidget(shown, row, 0);
    return shown;
}

template <class W>
W *addField(QGridLayout *grid, int row, W *field)
{
    if (grid)
        grid->addWidget(field, row, 1);
    return field;
}

bool isModel(int model)
{
    return model >= 0 && model < clampPanelModelCount;
}

} // namespace

// ---------------------------------------------------------------------------
// Shared rows and helpers

QSpinBox *addFrameNumRow(QWidget *parent, QGridLayout *grid, int row)
{
    addLabel(parent, grid, row, text(QT_TRANSLATE_NOOP("DlgPropClamp", "Frame num:")));
    auto *spin = addField(grid, row, new QSpinBox(parent));
    spin->setRange(1, 999);
    return spin;
}

QSpinBox *addPlaceNumRow(QWidget *parent, QGridLayout *grid, int row)
{
    addLabel(parent, grid, row, text(QT_TRANSLATE_NOOP("DlgPropClamp", "Place num:")));
    auto *spin = addField(grid, row, new QSpinBox(parent));
    spin->setMinimum(1);
    return spin;
}

RComboBox *addNameRow(QWidget *parent, QGridLayout *grid, int row)
{
    addLabel(parent, grid, row, text(QT_TRANSLATE_NOOP("DlgPropClamp", "Name:")));
    return addField(grid, row, new RComboBox(parent, 0));
}

RComboBox *addStripTypeRow(QWidget *parent, QGridLayout *grid, int row)
{
    addLabel(parent, grid, row, text(QT_TRANSLATE_NOOP("DlgPropClamp", "Names:")));
    return addField(grid, row, new RComboBox(parent, 0));
}

RComboBox *addFrameTypeRow(QWidget *parent, QGridLayout *grid, int row)
{
    addLabel(parent, grid, row, text(QT_TRANSLATE_NOOP("DlgPropClamp", "Frame type:")));
    auto *combo = addField(grid, row, new RComboBox(parent, 0));
    for (int kind = 0; kind < frameKindCount; ++kind)
        combo->addItem(Address::frameKindName(kind), kind);
    return combo;
}

RComboBox *addClampPanelModelRow(QWidget *parent, QGridLayout *grid, int row, int model, bool only)
{
    addLabel(parent, grid, row, text(QT_TRANSLATE_NOOP("DlgPropClamp", "Clamp type:")));
    auto *combo = addField(grid, row, new RComboBox(parent, 0));
    for (int m = 0; m < clampPanelModelCount; ++m) {
        if ((m == model) == only)
            combo->insertComboItemSorted(clampPanelModelText(m), m);
    }
    return combo;
}

int clampPanelModelOf(QComboBox *combo)
{
    if (!combo || combo->currentIndex() < 0)
        return -1;
    return combo->currentData().toInt();
}

Address clampAddressFromWidgets(QComboBox *model, QSpinBox *frame, QSpinBox *place, bool *ok)
{
    Address address;
    if (ok)
        *ok = false;
    const int m = clampPanelModelOf(model);
    if (!CHECK(isModel(m)) || !CHECK_PTR(frame) || !CHECK_PTR(place))
        return address;
    const ClampPanelModel &row = clampPanelModels[m];
    address.setFrameKind(row.frameKind);
    address.setPlaceKind(row.placeKind);
    const bool frameFits = address.setNumber(frame->value(), false);
    const bool placeFits = place->value() >= 1 && address.setNumber(place->value(), true);
    if (ok)
        *ok = frameFits && placeFits;
    return address;
}

const char *clampNameFromWidgets(QSpinBox *frame, QSpinBox *place, QComboBox *model, QComboBox *name,
                                 Address &address)
{
    const int m = clampPanelModelOf(model);
    if (!CHECK(isModel(m) && name && !name->currentText().isEmpty()))
        return nullptr;
    bool ok = false;
    address = clampAddressFromWidgets(model, frame, place, &ok);
    return ok ? clampNameOf(m, name->currentText()) : nullptr;
}

bool setClampPanelWidgets(const QString &panelName, const char *clampName, QSpinBox *frame, QSpinBox *place,
                          QComboBox *model, QComboBox *name)
{
    if (!CHECK_PTR(frame) || !CHECK_PTR(place) || !CHECK_PTR(model) || !CHECK_PTR(name))
        return false;
    bool ok = false;
    int m = -1;
    const Address address = parseClampPanelName(panelName, nullptr, &ok, &m);
    if (!ok)
        return false;
    const int entry = model->findData(m);
    if (entry >= 0)
        model->setCurrentIndex(entry);
    frame->setValue(address.number(0));
    place->setValue(address.number(1));
    if (clampName)
        name->setCurrentIndex(name->findText(QString::fromLatin1(clampName)));
    return true;
}

void setClampPanelObjWidgets(const QString &panelName, int stripType, QComboBox *model, QSpinBox *frame,
                             QSpinBox *place, QComboBox *strip)
{
    if (!CHECK(!panelName.isEmpty() && stripType >= 0) || !CHECK_PTR(model) || !CHECK_PTR(frame)
        || !CHECK_PTR(place) || !CHECK_PTR(strip))
        return;
    bool ok = false;
    int m = -1;
    // A name no address is read from (a pasted panel's "K12N21?", one
    // written by hand) leaves the fields as they are.
    const Address address = parseClampPanelName(panelName, nullptr, &ok, &m);
    const int entry = ok ? model->findData(m) : -1;
    if (entry < 0)
        return;
    model->setCurrentIndex(entry);
    frame->setValue(address.number(0));
    place->setValue(address.number(1));
    const ClampPanelModel &row = clampPanelModels[m];
    for (int s = 0; s < row.stripTypeCount; ++s) {
        if (row.stripTypes[s] == stripType)
            strip->setCurrentIndex(s);
    }
}

void fillStripTypeCombo(int model, QComboBox *combo, QSpinBox *place)
{
    if (!CHECK(isModel(model)) || !CHECK_PTR(combo))
        return;
    combo->clear();
    const ClampPanelModel &row = clampPanelModels[model];
    for (int s = 0; s < row.stripTypeCount; ++s)
        combo->addItem(clampStripTypeName(row.stripTypes[s]), row.stripTypes[s]);
    if (place)
        place->setMaximum(Address::placeKindMax(row.placeKind));
}

void fillClampNameCombo(int model, QComboBox *combo, QSpinBox *place)
{
    if (!CHECK(isModel(model)) || !CHECK_PTR(combo))
        return;
    combo->clear();
    const ClampPanelModel &row = clampPanelModels[model];
    QSet<int> listed;
    for (int s = 0; s < row.stripTypeCount; ++s) {
        const ClampStripType &strip = clampStripTypes[row.stripTypes[s]];
        for (int i = 0; i < strip.clampCount; ++i) {
            const int name = strip.clampNames[i];
            if (!listed.contains(name)) {
                listed.insert(name);
                combo->addItem(QString::fromLatin1(clampNameList[name]), name);
            }
        }
    }
    if (place)
        place->setMaximum(Address::placeKindMax(row.placeKind));
}

// ---------------------------------------------------------------------------
// DlgPropClamp

namespace {

enum PanelColumn { PanelNameColumn, PanelStateColumn };
enum ClampColumn { ClampNameColumn, ClampSchemeColumn };

// A clamp row: sorted by its place on the strip ("2" before "10").
class ClampRow : public QTreeWidgetItem
{
public:
    ClampRow(QTreeWidget *tree, int position)
        : QTreeWidgetItem(tree)
        , m_position(position)
    {
    }

    bool operator<(const QTreeWidgetItem &other) const override
    {
        const auto *row = dynamic_cast<const ClampRow *>(&other);
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (!row || column != ClampNameColumn)
            return QTreeWidgetItem::operator<(other);
        return m_position < row->m_position;
    }

private:
    int m_position;
};

} // namespace

DlgPropClamp::DlgPropClamp(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, ClampPanelKind, false)
{
    auto *layout = new RHBoxLayout(this, 5, 5);

    // The panels of the project and the panel fields.
    auto *left = new RVBoxLayout();
    left->addWidget(createObjTable(200, 260, {tr("Clamp panel"), tr("State")}, {}), 1);
    auto *panelGrid = new RGridLayout();
    m_panelFrame = addFrameNumRow(this, panelGrid, 0);
    m_panelModel = addClampPanelModelRow(this, panelGrid, 1, bottomClampPanelModel, false);
    m_panelPlace = addPlaceNumRow(this, panelGrid, 2);
    m_panelStrip = addStripTypeRow(this, panelGrid, 3);
    left->addLayout(panelGrid);
    auto *buttons = new RGridLayout();
    createObjButtons(buttons, this, 0);
    left->addLayout(buttons);
    // Add and Repl take the name from the address fields.
    m_edObjName = new QLineEdit(this);
    m_edObjName->hide();
    layout->addLayout(left, 1);
    createVLine(layout);

    // The panel's clamps.
    auto *clamps = new RTreeWidget(this, 150, 260);
    setTreeColumns(clamps, {tr("Clamp"), tr("Scheme")}, {60});
    clamps->setSortingEnabled(true);
    m_clampTree = clamps;
    layout->addWidget(clamps, 1);
    createVLine(layout);

    // The item.
    auto *right = new RVBoxLayout();
    auto *grid = new RGridLayout();
    m_frame = addFrameNumRow(this, grid, 0);
    m_place = addPlaceNumRow(this, grid, 1);
    m_model = addClampPanelModelRow(this, grid, 2, bottomClampPanelModel, false);
    m_name = addNameRow(this, grid, 3);
    right->addLayout(grid);
    m_symmetry = new QCheckBox(tr("Symmetry view clamp"), this);
    m_symmetry->setChecked(true);
    right->addWidget(m_symmetry);
    m_external = new QCheckBox(tr("Show external part view clamp"), this);
    m_external->setChecked(true);
    right->addWidget(m_external);
    right->addStretch();
    addButtons(right);
    layout->addLayout(right);

    QSettings store(QString::fromLatin1(settingsOrganisation), QString::fromLatin1(clampDialogSettingsName));
    const int remembered = store.value(QString::fromLatin1(panelIndexKey), defaultPanelIndex).toInt();
    if (remembered >= 0 && remembered < m_panelModel->count())
        m_panelModel->setCurrentIndex(remembered);
    changeClampPanelType(m_panelModel->currentIndex());
    connect(m_panelModel, qOverload<int>(&QComboBox::currentIndexChanged), this, &DlgPropClamp::changeClampPanelType);

    initObjTable(false, false);
    changeClampType(m_model->currentIndex());
    connect(m_model, qOverload<int>(&QComboBox::currentIndexChanged), this, &DlgPropClamp::changeClampType);
    connect(m_clampTree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *row, int) {
        btnClampClick(row);
    });
}

DlgPropClamp::~DlgPropClamp()
{
    QSettings store(QString::fromLatin1(settingsOrganisation), QString::fromLatin1(clampDialogSettingsName));
    store.setValue(QString::fromLatin1(panelIndexKey), m_panelModel->currentIndex());
}

int DlgPropClamp::defaultClampPanelIndex()
{
    QSettings store(QString::fromLatin1(settingsOrganisation), QString::fromLatin1(clampDialogSettingsName));
    return store.value(QString::fromLatin1(panelIndexKey), defaultPanelIndex).toInt();
}

void DlgPropClamp::changeClampType(int)
{
    const int model = clampPanelModelOf(m_model);
    if (isModel(model))
        fillClampNameCombo(model, m_name, m_place);
}

void DlgPropClamp::changeClampPanelType(int)
{
    const int model = clampPanelModelOf(m_panelModel);
    if (isModel(model))
        fillStripTypeCombo(model, m_panelStrip, m_panelPlace);
}

void DlgPropClamp::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *panel = dynamic_cast<ClampPanel *>(obj);
    if (!CHECK_PTR(panel) || !CHECK_PTR(row))
        return;
    row->setText(PanelNameColumn, panel->name());
    row->setText(PanelStateColumn, QStringLiteral("%1/%2").arg(panel->items().size()).arg(panel->clampCount()));
}

void DlgPropClamp::objSelected(Obj *obj, QTreeWidgetItem *)
{
    auto *panel = dynamic_cast<ClampPanel *>(obj);
    if (!CHECK_PTR(panel))
        return;
    m_clampTree->clear();
    const int strip = panel->stripType();
    for (int i = 0; i < panel->clampCount(); ++i) {
        const char *name = clampStripClampName(strip, i);
        auto *row = new ClampRow(m_clampTree, i);
        row->setText(ClampNameColumn, QString::fromLatin1(name));
        GraphicsClamp *used = panel->clampItem(name);
        GraphicsScene *sheet = used ? used->graphicsScene() : nullptr;
        if (sheet)
            row->setText(ClampSchemeColumn, sheet->displayName());
    }
    // A panel of an old file may have no strip type yet; the fields offer
    // no bottom panel.
    if (strip >= 0 && panel->modelIndex() != bottomClampPanelModel)
        setClampPanelObjWidgets(panel->name(), strip, m_panelModel, m_panelFrame, m_panelPlace, m_panelStrip);
}

bool DlgPropClamp::panelAddress(Address &address)
{
    bool ok = false;
    address = clampAddressFromWidgets(m_panelModel, m_panelFrame, m_panelPlace, &ok);
    return ok;
}

void DlgPropClamp::btnAddObjClick()
{
    Address address;
    if (!panelAddress(address)) {
        showError(tr("Invalid clamp panel parameters!"));
        return;
    }
    m_edObjName->setText(address.toString(1));
    DlgPropGraphicsObjItem::btnAddObjClick();
}

bool DlgPropClamp::refuseBottomPanel(bool ownedOnly)
{
    const QList<QTreeWidgetItem *> selected = m_objTable->selectedItems();
    auto *panel = dynamic_cast<ClampPanel *>(selected.isEmpty() ? nullptr : treeItemObj(selected.first()));
    const bool ofBottom = panel && (panel->bottom() || (!ownedOnly && panel->modelIndex() == bottomClampPanelModel));
    if (!ofBottom)
        return false;
    showError(tr("Clamp panel %1 is the panel of a bottom: it is changed in the bottom's dialog!").arg(panel->name()));
    return true;
}

void DlgPropClamp::btnDelObjClick()
{
    // A bottom keeps its panel as long as it stands.
    if (refuseBottomPanel(true))
        return;
    m_clampTree->clear();
    DlgPropGraphicsObjItem::btnDelObjClick();
}

void DlgPropClamp::btnReplObjClick()
{
    if (refuseBottomPanel(false))
        return;
    Address address;
    if (!panelAddress(address))
        return;
    m_edObjName->setText(address.toString(1));
    DlgPropGraphicsObjItem::btnReplObjClick();
}

void DlgPropClamp::saveObj(Obj *obj)
{
    auto *panel = dynamic_cast<ClampPanel *>(obj);
    if (!CHECK_PTR(panel))
        return;
    const int model = clampPanelModelOf(m_panelModel);
    const int strip = isModel(model) ? clampStripTypeFromText(model, m_panelStrip->currentText()) : -1;
    if (!CHECK(strip >= 0))
        return;
    if (model != panel->modelIndex() || strip != panel->stripType())
        panel->setModelAndStripType(model, strip);
}

void DlgPropClamp::btnClampClick(QTreeWidgetItem *row)
{
    const QList<QTreeWidgetItem *> selected = m_objTable->selectedItems();
    auto *panel = dynamic_cast<ClampPanel *>(selected.isEmpty() ? nullptr : treeItemObj(selected.first()));
    if (!CHECK_PTR(panel) || !row || refuseBottomPanel(false))
        return;
    const int model = panel->modelIndex();
    const char *name = isModel(model) ? clampNameOf(model, row->text(ClampNameColumn)) : nullptr;
    // A panel whose name holds no address (a pasted one's) cannot be shown
    // in the fields: Ok would bind the clamp to the panel they still name.
    if (!setClampPanelWidgets(panel->name(), name, m_frame, m_place, m_model, m_name)) {
        showError(tr("Invalid clamp panel parameters!"));
        return;
    }
    btnOkClick();
}

void DlgPropClamp::loadFromItem(GraphicsItem *graphics)
{
    auto *item = graphicsClampCast(graphics);
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    setClampPanelWidgets(item->name(), item->clampName(), m_frame, m_place, m_model, m_name);
    m_symmetry->setChecked(item->symmetryView());
    m_external->setChecked(item->showExternalPart());
    findInTree(m_objTable, item->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, PanelNameColumn);
    if (item->obj()) {
        findInTree(m_clampTree, QString::fromLatin1(item->clampName()), Qt::MatchFixedString | Qt::MatchCaseSensitive, ClampNameColumn);
        m_clampTree->setFocus();
    }
}

void DlgPropClamp::saveToItem(GraphicsItem *graphics)
{
    GraphicsClamp *item = graphicsClampCast(graphics);
    if (!CHECK_PTR(item))
        return;
    Address address;
    const char *name = clampNameFromWidgets(m_frame, m_place, m_model, m_name, address);
    const int index = name ? clampNameIndex(name) : 0;
    item->setSymmetryView(m_symmetry->isChecked());
    item->setShowExternalPart(m_external->isChecked());
    // The clamp binds to the panel of the address when that has it free.
    item->setClamp(quint8(qMax(index, 0)), address.toString(1));
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

DlgPropGraphicsItem *createDlgPropClamp(GraphicsScene *scene)
{
    return new DlgPropClamp(scene);
}
