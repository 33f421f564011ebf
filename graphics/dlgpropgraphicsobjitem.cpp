#include "graphics/dlgpropgraphicsobjitem.h"

#include "graphics/graphicsobjitem.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/obj.h"
#include "model/project.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVariant>

namespace {

// The item-data role under which a table row keeps its object.
const int objRole = 35;

} // namespace

DlgPropGraphicsObjItem::DlgPropGraphicsObjItem(GraphicsScene *scene, int kind, bool nameRequired)
    : DlgPropGraphicsPins(scene)
    , m_kind(kind)
    , m_nameRequired(nameRequired)
{
}

Project *DlgPropGraphicsObjItem::project() const
{
    return m_scene ? m_scene->project() : nullptr;
}

QString DlgPropGraphicsObjItem::kindName() const
{
    Project *owner = project();
    return owner ? owner->kindName(m_kind) : QString();
}

GraphicsItem *DlgPropGraphicsObjItem::execDialog(GraphicsItem *item, int type)
{
    m_item = dynamic_cast<GraphicsObjItem *>(item);
    return DlgPropGraphicsPins::execDialog(item, type);
}

void DlgPropGraphicsObjItem::saveToItem(GraphicsItem *item)
{
    DlgPropGraphicsPins::saveToItem(item);
    if (Project *owner = project())
        owner->setDevicesChanged();
}

void DlgPropGraphicsObjItem::createChoiseButton(QBoxLayout *layout, const QString &label, bool withButton)
{
    if (!CHECK_PTR(layout))
        return;
    layout->addWidget(new QLabel(label, this));
    m_edName = new RLineEdit(this, 50);
    layout->addWidget(m_edName);
    if (withButton) {
        auto *choose = new QPushButton(tr("V"), this);
        choose->setFixedSize(25, 25);
        // Enter is the dialog's Ok wherever the focus stands.
        choose->setAutoDefault(false);
        connect(choose, &QPushButton::clicked, this, qOverload<>(&DlgPropGraphicsObjItem::btnChoiseClick));
        layout->addWidget(choose);
    }
    m_edName->setFocus();
}

void DlgPropGraphicsObjItem::createObjButtons(QGridLayout *grid, QWidget *parent, int row)
{
    if (!CHECK_PTR(grid))
        return;
    auto *add = new QPushButton(tr("Add"), parent);
    auto *del = new QPushButton(tr("Del"), parent);
    auto *repl = new QPushButton(tr("Repl"), parent);
    const QList<QPushButton *> buttons = {add, del, repl};
    for (int column = 0; column < buttons.size(); ++column) {
        buttons[column]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        // They change the project at once: Enter, the dialog's Ok, never
        // presses one that merely has the focus.
        buttons[column]->setAutoDefault(false);
        grid->addWidget(buttons[column], row, column);
    }
    connect(add, &QPushButton::clicked, this, &DlgPropGraphicsObjItem::btnAddObjClick);
    connect(del, &QPushButton::clicked, this, &DlgPropGraphicsObjItem::btnDelObjClick);
    connect(repl, &QPushButton::clicked, this, &DlgPropGraphicsObjItem::btnReplObjClick);
}

QBoxLayout *DlgPropGraphicsObjItem::createFindRow(const QString &label)
{
    auto *row = new RHBoxLayout();
    row->addWidget(new QLabel(label, this));
    m_edFind = new RLineEdit(this, 0);
    row->addWidget(m_edFind);
    return row;
}

RTreeWidget *DlgPropGraphicsObjItem::createObjTable(int width, int height, const QStringList &columns,
                                                    const QList<int> &widths, QWidget *parent)
{
    auto *table = new RTreeWidget(parent ? parent : this, width, height);
    setTreeColumns(table, columns, widths);
    m_objTable = table;
    return table;
}

QGridLayout *DlgPropGraphicsObjItem::createObjFrame(const ObjFrame &frame,
                                                    const std::function<void(QGridLayout *)> &addRows)
{
    QBoxLayout *findRow = createFindRow(frame.findLabel);
    RTreeWidget *table = createObjTable(frame.tableWidth, frame.tableHeight, frame.columns, frame.widths);

    // The item's fields.
    auto *grid = new RGridLayout();
    grid->addWidget(new QLabel(frame.nameLabel, this), 0, 0);
    m_edName = new RLineEdit(this, frame.nameWidth);
    grid->addWidget(m_edName, 0, 1);
    if (addRows)
        addRows(grid);
    auto *fields = new RVBoxLayout();
    fields->addLayout(grid);

    if (frame.sideBySide) {
        auto *layout = new RHBoxLayout(this, 5, 5);
        auto *left = new RVBoxLayout();
        left->addLayout(findRow);
        left->addWidget(table, 1);
        layout->addLayout(left, 1);
        fields->addStretch();
        addButtons(fields);
        layout->addLayout(fields);
    } else {
        auto *layout = new RVBoxLayout(this, 5, 5);
        layout->addLayout(findRow);
        layout->addWidget(table, 1);
        layout->addLayout(fields);
        addButtons(layout);
    }

    initObjTable(true, false);
    m_edName->setFocus();
    return grid;
}

void DlgPropGraphicsObjItem::initObjTable(bool withFind, bool withDoubleClick)
{
    if (!CHECK_PTR(m_objTable) || !CHECK(m_kind != 0))
        return;
    Project *owner = project();
    if (!CHECK_PTR(owner))
        return;
    // The index keeps no order of its own: the rows follow the names.
    const QList<Obj *> objects = owner->sortedObjectsOfKind(m_kind);
    for (Obj *obj : objects) {
        auto *row = new QTreeWidgetItem(m_objTable);
        setTreeItemObj(row, obj);
        fillObjRow(obj, row);
    }
    connect(m_objTable, &QTreeWidget::itemSelectionChanged, this, &DlgPropGraphicsObjItem::changeSelectedObjItem);
    if (withDoubleClick) {
        connect(m_objTable, &QTreeWidget::itemDoubleClicked, this,
                [this](QTreeWidgetItem *row, int) { doubleClickOfTable(row); });
    }
    if (withFind && CHECK_PTR(m_edFind))
        connect(m_edFind, &RLineEdit::textModification, this, &DlgPropGraphicsObjItem::edFindObjChange);
}

void DlgPropGraphicsObjItem::saveObj(Obj *)
{
}

void DlgPropGraphicsObjItem::fillObjRow(Obj *, QTreeWidgetItem *)
{
}

void DlgPropGraphicsObjItem::objSelected(Obj *, QTreeWidgetItem *)
{
}

void DlgPropGraphicsObjItem::doubleClickOfTable(QTreeWidgetItem *row)
{
    if (btnChoiseClick(row))
        btnOkClick();
}

void DlgPropGraphicsObjItem::changeSelectedObjItem()
{
    if (!m_objTable)
        return;
    const QList<QTreeWidgetItem *> selected = m_objTable->selectedItems();
    if (selected.isEmpty())
        return;
    Obj *obj = treeItemObj(selected.first());
    if (!CHECK_PTR(obj))
        return;
    objSelected(obj, selected.first());
}

bool DlgPropGraphicsObjItem::btnChoiseClick(QTreeWidgetItem *row)
{
    if (!CHECK_PTR(m_objTable) || !CHECK(m_kind != 0) || !CHECK_PTR(m_edName))
        return false;
    if (!row)
        row = selectedTreeItem(m_objTable, kindName());
    if (!row)
        return false;
    m_edName->setText(row->text(0));
    return true;
}

void DlgPropGraphicsObjItem::btnChoiseClick()
{
    btnChoiseClick(nullptr);
}

void DlgPropGraphicsObjItem::btnAddObjClick()
{
    Project *owner = project();
    if (!CHECK_PTR(m_edObjName) || !CHECK_PTR(m_objTable) || !CHECK(m_kind != 0) || !CHECK_PTR(owner))
        return;
    const QString name = m_edObjName->text().simplified();
    if (name.isEmpty()) {
        showError(tr("Need enter object name!"));
        return;
    }
    if (owner->findObj(m_kind, name)) {
        showError(tr("Object already exists!"));
        return;
    }
    Obj *obj = owner->createDevice(m_kind);
    if (!CHECK_PTR(obj))
        return;
    saveObj(obj);
    if (!obj->setName(name)) {
        delete obj;
        return;
    }
    auto *row = new QTreeWidgetItem();
    setTreeItemObj(row, obj);
    m_objTable->addTopLevelItem(row);
    fillObjRow(obj, row);
    selectTreeItem(m_objTable, row);
}

void DlgPropGraphicsObjItem::btnDelObjClick()
{
    if (!CHECK_PTR(m_objTable))
        return;
    QTreeWidgetItem *row = selectedTreeItem(m_objTable, kindName());
    if (!row)
        return;
    Obj *obj = treeItemObj(row);
    if (!CHECK_PTR(obj))
        return;
    if (!obj->items().isEmpty()) {
        const QString question = tr("%1: `%2` have graphics children! Delete this object?").arg(kindName(), obj->name());
        if (!askYesNo(question))
            return;
    }
    removeTreeItem(m_objTable, row);
    // Its items become unbound; an object carried by a scene item goes with
    // that item.
    delete obj;
}

void DlgPropGraphicsObjItem::btnReplObjClick()
{
    Project *owner = project();
    if (!CHECK_PTR(m_edObjName) || !CHECK_PTR(m_objTable) || !CHECK_PTR(owner))
        return;
    QTreeWidgetItem *row = selectedTreeItem(m_objTable, kindName());
    if (!row)
        return;
    Obj *obj = treeItemObj(row);
    if (!CHECK_PTR(obj))
        return;
    const QString name = m_edObjName->text().simplified();
    if (name.isEmpty()) {
        showError(tr("Need enter object name!"));
        return;
    }
    if (name != obj->name() && owner->findObj(m_kind, name)) {
        showError(tr("Object already exists!"));
        return;
    }
    saveObj(obj);
    if (name != obj->name())
        obj->setName(name);
    else
        owner->setDevicesChanged();
    fillObjRow(obj, row);
    selectTreeItem(m_objTable, row);
}

void DlgPropGraphicsObjItem::edFindObjChange(const QString &text)
{
    findInTree(m_objTable, text, Qt::MatchStartsWith, 0);
}

void DlgPropGraphicsObjItem::btnOkClick()
{
    Project *owner = project();
    if (m_nameRequired && m_edName && m_kind != 0 && owner) {
        const QString name = m_edName->text().simplified();
        if (name.isEmpty()) {
            showError(tr("Need enter object name!"));
            return;
        }
        Obj *named = owner->findObj(m_kind, name);
        Obj *own = m_item ? m_item->obj() : nullptr;
        if (named && named != own) {
            showError(tr("Object already exists!"));
            return;
        }
    }
    accept();
}

Obj *DlgPropGraphicsObjItem::soleObjAfterOk(const QString &name) const
{
    Project *owner = project();
    Obj *own = m_item ? m_item->obj() : nullptr;
    if (!owner || !own || own->items().size() != 1)
        return nullptr;
    Obj *named = owner->findObj(m_kind, name);
    return !named || named == own ? own : nullptr;
}

Obj *DlgPropGraphicsObjItem::objTakingItemAfterOk(const QString &name) const
{
    if (Obj *own = soleObjAfterOk(name))
        return own;
    // An item that alone shows its object and goes to another one: were it
    // refused there, its object would be gone with it and it left unbound.
    Project *owner = project();
    Obj *own = m_item ? m_item->obj() : nullptr;
    if (!owner || !own || own->items().size() != 1)
        return nullptr;
    return owner->findObj(m_kind, name);
}

void DlgPropGraphicsObjItem::saveObjItem(GraphicsItem *graphics, bool renamePins)
{
    auto *item = dynamic_cast<GraphicsObjItem *>(graphics);
    if (!CHECK_PTR(item))
        return;
    applyObj(item);
    if (renamePins)
        item->updatePinNames();
    item->updateFromObj();
    item->update();
    DlgPropGraphicsObjItem::saveToItem(graphics);
}

void DlgPropGraphicsObjItem::checkGraphicsName(int kind)
{
    if (!CHECK_PTR(m_edName))
        return;
    if (m_edName->text().simplified().isEmpty()) {
        Project *owner = project();
        showError(tr("Need enter graphics %1 name!").arg(owner ? owner->kindName(kind) : QString()));
        return;
    }
    accept();
}

void DlgPropGraphicsObjItem::applyObj(GraphicsObjItem *item)
{
    Project *owner = project();
    if (!CHECK_PTR(m_edName) || !CHECK(m_kind != 0) || !CHECK_PTR(item) || !CHECK_PTR(owner))
        return;
    const QString name = m_edName->text().simplified();

    if (Obj *bound = item->obj()) {
        saveObj(bound);
        item->setName(name);
        return;
    }
    // A new item, or one whose object was deleted while the dialog ran:
    // it gets an object now. An item bound by name only never owns one.
    if (item->bindMode() != GraphicsObjItem::BindByName) {
        Obj *named = owner->findObj(m_kind, name);
        if (!named) {
            Obj *obj = owner->createDevice(m_kind);
            if (!CHECK_PTR(obj))
                return;
            saveObj(obj);
            if (!obj->appendItem(item) || !obj->setName(name)) {
                // Nothing may keep an object that is neither named nor
                // bound.
                item->detachObj(false);
                delete obj;
                return;
            }
        } else if (item->bindMode() == GraphicsObjItem::BindOwned && !named->appendItem(item)) {
            // The object of that name takes no further item: the item gets
            // an object of its own under a name made unique.
            item->setOwnName(name);
            Obj *accepting = item->makeUniqueName();
            if (accepting) {
                accepting->appendItem(item);
            } else {
                Obj *obj = owner->createDevice(m_kind);
                if (!CHECK_PTR(obj))
                    return;
                saveObj(obj);
                if (!obj->appendItem(item) || !obj->setName(item->ownName())) {
                    item->detachObj(false);
                    delete obj;
                    return;
                }
            }
            item->setName(item->obj() ? item->obj()->name() : item->ownName());
            return;
        }
    }
    item->setName(name);
}

void setTreeItemObj(QTreeWidgetItem *row, Obj *obj)
{
    if (!CHECK_PTR(row))
        return;
    row->setData(0, objRole, QVariant::fromValue(quintptr(obj)));
}

Obj *treeItemObj(QTreeWidgetItem *row)
{
    if (!row)
        return nullptr;
    const QVariant stored = row->data(0, objRole);
    return stored.isValid() ? reinterpret_cast<Obj *>(stored.value<quintptr>()) : nullptr;
}

QTreeWidgetItem *findTreeItemOfObj(QTreeWidget *tree, Obj *obj)
{
    if (!tree || !obj)
        return nullptr;
    const int count = tree->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem *row = tree->topLevelItem(i);
        if (treeItemObj(row) == obj)
            return row;
    }
    return nullptr;
}

void listTypesOfClass(const QComboBox *classes, int entry, RComboBox *types, int typeCount, int (*classOf)(int row),
                      QString (*text)(int row))
{
    if (!CHECK_PTR(classes) || !CHECK_PTR(types))
        return;
    types->clear();
    if (entry < 0)
        return;
    const int typeClass = classes->itemData(entry).toInt();
    for (int row = 0; row < typeCount; ++row) {
        if (classOf(row) == typeClass)
            types->insertComboItemSorted(text(row), row);
    }
    if (types->count() > 0)
        types->setCurrentIndex(0);
}

void setTreeColumns(QTreeWidget *tree, const QStringList &columns, const QList<int> &widths)
{
    if (!CHECK_PTR(tree))
        return;
    tree->setColumnCount(int(columns.size()));
    tree->setHeaderLabels(columns);
    for (int i = 0; i < int(widths.size()); ++i)
        tree->setColumnWidth(i, widths[i]);
}

namespace {

// A sunken rule across a dialog's layout, horizontal or vertical.
void addLine(QBoxLayout *layout, QFrame::Shape shape)
{
    if (!CHECK_PTR(layout))
        return;
    auto *line = new QFrame();
    line->setFrameStyle(shape | QFrame::Sunken);
    if (shape == QFrame::HLine)
        line->setFixedHeight(16);
    else
        line->setFixedWidth(20);
    layout->addWidget(line);
}

} // namespace

void createHLine(QBoxLayout *layout)
{
    addLine(layout, QFrame::HLine);
}

void createVLine(QBoxLayout *layout)
{
    addLine(layout, QFrame::VLine);
}
