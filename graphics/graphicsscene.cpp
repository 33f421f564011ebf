#include "graphics/graphicsscene.h"

#include "graphics/dlgpropellipse.h"
#include "graphics/dlgpropgraphicsitem.h"
#include "graphics/dlgpropline.h"
#include "graphics/dlgproppixmap.h"
#include "graphics/dlgproprect.h"
#include "graphics/dlgproptext.h"
#include "graphics/font.h"
#include "graphics/frameworkitem.h"
#include "graphics/graphicsedit.h"
#include "graphics/graphicsellipse.h"
#include "graphics/graphicsitem.h"
#include "graphics/graphicsline.h"
#include "graphics/graphicspixmap.h"
#include "graphics/graphicsrect.h"
#include "graphics/graphicstext.h"
#include "graphics/itemshared.h"
#include "graphics/sceneitem.h"
#include "graphics/sheetframe.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/displayflags.h"
#include "model/itemtypes.h"
#include "model/obj.h"
#include "model/pin.h"
#include "model/printing.h"
#include "model/project.h"
#include "model/itemmenagerbase.h"

#include <QCursor>
#include <QGraphicsView>
#include <QPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSignalBlocker>
#include <QStyleOptionGraphicsItem>
#include <QTimer>

#include <algorithm>
#include <utility>

const PaperFormat paperFormats[PaperFormatCount] = {
    {"A4", GraphicsScene::PaperA4, QPageSize::A4, 210, 297},
    {"A3", GraphicsScene::PaperA3, QPageSize::A3, 297, 420},
    {"A2", GraphicsScene::PaperA2, QPageSize::A2, 420, 594},
    {"A1", GraphicsScene::PaperA1, QPageSize::A1, 594, 841},
    {"A0", GraphicsScene::PaperA0, QPageSize::A0, 841, 1189},
};

namespace {

template <class Item>
GraphicsItem *newPrimitive(GraphicsScene *scene)
{
    return new Item(scene, nullptr);
}

template <class Dialog>
DlgPropGraphicsItem *newPrimitiveDialog(GraphicsScene *scene)
{
    return new Dialog(scene);
}

// The drawing primitives every sheet creates by type id (text, line,
// ellipse, rectangle, picture), ended by an all-zero row.
const PrimitiveItemType primitiveTypes[] = {
    {GraphicsText::Type, newPrimitive<GraphicsText>, newPrimitiveDialog<DlgPropText>,
     QT_TRANSLATE_NOOP("GraphicsScene", "Text")},
    {GraphicsLine::Type, newPrimitive<GraphicsLine>, newPrimitiveDialog<DlgPropLine>,
     QT_TRANSLATE_NOOP("GraphicsScene", "Line")},
    {GraphicsEllipse::Type, newPrimitive<GraphicsEllipse>, newPrimitiveDialog<DlgPropEllipse>,
     QT_TRANSLATE_NOOP("GraphicsScene", "Ellipse")},
    {GraphicsRect::Type, newPrimitive<GraphicsRect>, newPrimitiveDialog<DlgPropRect>,
     QT_TRANSLATE_NOOP("GraphicsScene", "Rect")},
    {GraphicsPixmap::Type, newPrimitive<GraphicsPixmap>, newPrimitiveDialog<DlgPropPixmap>,
     QT_TRANSLATE_NOOP("GraphicsScene", "Pixmap")},
    {0, nullptr, nullptr, nullptr},
};

const int firstPrimitiveType = QGraphicsItem::UserType + 5;
const int endPrimitiveType = QGraphicsItem::UserType + 40;

// Items carrying an object of their own bind at once when they are read
// from the clipboard.
bool carriesOwnObject(const GraphicsItem *item)
{
    const int type = item->type();
    return type >= QGraphicsItem::UserType + 301 && type <= QGraphicsItem::UserType + 399;
}

// Gives an item and its descendants the sheet they belong to.
void setSheetOfTree(GraphicsItem *item, GraphicsScene *scene)
{
    item->setGraphicsScene(scene);
    // Items take their place in the sheet's order as they join it,
    // parents before their children.
    item->setSheetIndex(scene->nextSheetIndex());
    const QList<GraphicsItem *> children = item->childItems();
    for (GraphicsItem *child : children)
        setSheetOfTree(child, scene);
}

// An item with every item below it.
qsizetype itemTreeSize(const GraphicsItem *item)
{
    qsizetype n = 1;
    const QList<GraphicsItem *> children = item->childItems();
    for (const GraphicsItem *child : children)
        n += itemTreeSize(child);
    return n;
}

// The selected items of an item's tree, parents first.
void collectSelected(GraphicsItem *item, QList<GraphicsItem *> &selected)
{
    if (item->isSelected())
        selected.append(item);
    const QList<GraphicsItem *> children = item->childItems();
    for (GraphicsItem *child : children)
        collectSelected(child, selected);
}

// The items the framework items stand for; others are left out.
QList<GraphicsItem *> standingFor(const QList<QGraphicsItem *> &items)
{
    QList<GraphicsItem *> result;
    result.reserve(items.size());
    for (QGraphicsItem *each : items) {
        if (GraphicsItem *item = GraphicsItem::fromFramework(each))
            result.append(item);
    }
    return result;
}

// Selects an item and all its descendants (signals are blocked by the
// caller); true when anything changed.
bool selectTree(GraphicsItem *item)
{
    bool changed = false;
    if (!item->isSelected() && (item->flags() & QGraphicsItem::ItemIsSelectable)) {
        item->setSelected(true);
        changed = item->isSelected();
    }
    const QList<GraphicsItem *> children = item->childItems();
    for (GraphicsItem *child : children)
        changed = selectTree(child) || changed;
    return changed;
}

// The sheets, layouts and pages alive: every one belongs to a project.
int liveScenes = 0;

} // namespace

// Without the formatter for the usual numbers: every sheet and wiring page
// of a load is numbered.
QString GraphicsScene::numberText(int number)
{
    if (number < 0 || number > 99)
        return QString::asprintf(" %.2d", number);
    const QChar text[3] = {QLatin1Char(' '), QLatin1Char(char('0' + number / 10)),
                           QLatin1Char(char('0' + number % 10))};
    return QString(text, 3);
}

// The framework's scene of a sheet: it paints with the sheet's passes.
class GraphicsScene::LiveScene : public QGraphicsScene
{
public:
    explicit LiveScene(GraphicsScene *sheet)
        : m_sheet(sheet)
    {
    }
    GraphicsScene *sheet() const { return m_sheet; }

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override { m_sheet->drawBackground(painter, rect); }
    void drawItems(QPainter *painter, int numItems, QGraphicsItem *items[], const QStyleOptionGraphicsItem options[],
                   QWidget *widget = nullptr) override
    {
        m_sheet->drawItems(painter, numItems, items, options, widget);
    }

private:
    GraphicsScene *m_sheet;
};

GraphicsScene::GraphicsScene(Project *project, SceneItem *row)
    : m_project(project)
{
    ++liveScenes;
    if (row) {
        m_sceneItem = row;
        row->setOwner(this);
        return;
    }
    m_sceneItem = new SceneItem(this);
    m_sceneItem->setExpanded(true);
}

QGraphicsScene *GraphicsScene::liveScene()
{
    joinItemsApart();
    return makeLive();
}

QGraphicsScene *GraphicsScene::makeLive()
{
    if (!m_live) {
        m_live = new LiveScene(this);
        // No index until one is wanted (useItemIndex).
        m_live->setItemIndexMethod(m_indexMethod);
        if (!m_sceneRect.isNull())
            m_live->setSceneRect(m_sceneRect);
    }
    return m_live;
}

GraphicsScene *GraphicsScene::sheetOf(const QGraphicsScene *scene)
{
    const auto *live = dynamic_cast<const LiveScene *>(scene);
    return live ? live->sheet() : nullptr;
}

bool GraphicsScene::holds(const GraphicsItem *item) const
{
    return m_live && item && item->scene() == m_live;
}

QRectF GraphicsScene::sceneRect() const
{
    // Unset, the framework's scene answers the extent its items ever took.
    if (m_sceneRect.isNull() && m_live)
        return m_live->sceneRect();
    return m_sceneRect;
}

void GraphicsScene::setSceneRect(const QRectF &rect)
{
    m_sceneRect = rect;
    if (m_live)
        m_live->setSceneRect(rect);
}

QList<QGraphicsView *> GraphicsScene::views() const
{
    return m_live ? m_live->views() : QList<QGraphicsView *>();
}

void GraphicsScene::update(const QRectF &rect)
{
    if (m_live)
        m_live->update(rect);
}

void GraphicsScene::setItemIndexMethod(QGraphicsScene::ItemIndexMethod method)
{
    m_indexMethod = method;
    if (m_live)
        m_live->setItemIndexMethod(method);
}

QList<GraphicsItem *> GraphicsScene::items(Qt::SortOrder order)
{
    joinItemsApart();
    return m_live ? standingFor(m_live->items(order)) : QList<GraphicsItem *>();
}

QList<GraphicsItem *> GraphicsScene::items(const QPointF &pos, Qt::ItemSelectionMode mode, Qt::SortOrder order,
                                           const QTransform &deviceTransform)
{
    joinItemsApart();
    return m_live ? standingFor(m_live->items(pos, mode, order, deviceTransform)) : QList<GraphicsItem *>();
}

QList<GraphicsItem *> GraphicsScene::items(const QRectF &rect, Qt::ItemSelectionMode mode, Qt::SortOrder order,
                                           const QTransform &deviceTransform)
{
    joinItemsApart();
    return m_live ? standingFor(m_live->items(rect, mode, order, deviceTransform)) : QList<GraphicsItem *>();
}

QList<GraphicsItem *> GraphicsScene::selectedItems() const
{
    // The framework's scene keeps a list of what is selected; without one
    // the items are asked.
    if (m_live)
        return standingFor(m_live->selectedItems());
    QList<GraphicsItem *> selected;
    for (GraphicsItem *item : m_items) {
        if (!item->parentItem())
            collectSelected(item, selected);
    }
    return selected;
}

void GraphicsScene::clearSelection()
{
    if (m_live) {
        m_live->clearSelection();
        return;
    }
    const QList<GraphicsItem *> selected = selectedItems();
    for (GraphicsItem *item : selected)
        item->setSelected(false);
}

void GraphicsScene::render(QPainter *painter, const QRectF &target, const QRectF &source, Qt::AspectRatioMode mode)
{
    liveScene()->render(painter, target, source, mode);
}

GraphicsScene::~GraphicsScene()
{
    m_going = true;
    QList<GraphicsItem *> pending;
    pending.swap(m_pendingDeletes);
    m_queued.clear();
    for (GraphicsItem *item : std::as_const(pending))
        delete item;

    delete m_sceneItem;
    m_sceneItem = nullptr;
    if (m_project)
        m_project->emitDeleteGraphicsScene(this);
    // Items destroyed from here on find the sheet modified already and
    // change nothing.
    m_modified = true;

    // The items go while the sheet is still whole: their destructors may
    // reach it. A sheet of a closing project asks for one repaint of all
    // first: the items then leave without each removal queueing work for
    // a sheet that is about to go.
    if (!m_items.isEmpty() && isClosing())
        update();
    // The items that joined the framework's scene go with it; those of a
    // sheet never shown go here, each visited once.
    QList<GraphicsItem *> items;
    items.swap(m_items);
    m_itemsApart = false;
    // Nothing is measured any more: the items need not leave the list one
    // by one.
    m_unmeasured.clear();
    // The framework items go with the framework's scene, all at once.
    if (m_live) {
        for (GraphicsItem *item : std::as_const(items)) {
            if (!item->parentItem())
                item->forgetFrameworkItems();
        }
        delete m_live;
        m_live = nullptr;
    }
    deleteItemsApart(items);
    // The last scene of the last project is gone: what was measured for
    // its texts goes too.
    if (--liveScenes == 0)
        forgetTextExtents();
}

void GraphicsScene::deleteItemsApart(const QList<GraphicsItem *> &items)
{
    // A child goes with its parent: one that the sheet also listed is noted
    // as it goes and not visited again.
    m_deletingApart = true;
    for (GraphicsItem *item : items) {
        if (!m_goneApart.isEmpty() && m_goneApart.contains(item))
            continue;
        if (item->parentItem())
            continue;
        m_deletingNow = item;
        delete item;
    }
    m_deletingNow = nullptr;
    m_deletingApart = false;
    m_goneApart.clear();
}

QList<GraphicsItem *> GraphicsScene::sheetRoots() const
{
    QList<GraphicsItem *> roots;
    roots.reserve(m_items.size());
    // The sheet's items are top-level items but for a rare one that was
    // put under another: that one goes with its root, met once.
    QSet<const GraphicsItem *> nested;
    for (GraphicsItem *item : m_items) {
        GraphicsItem *root = item->topLevelItem();
        if (nested.contains(root))
            continue;
        if (root != item) {
            nested.insert(root);
            if (roots.contains(root))
                continue;
        }
        roots.append(root);
    }
    return roots;
}

void GraphicsScene::joinItemsApart()
{
    if (!m_itemsApart)
        return;
    // In the sheet's order, each with its children.
    QList<GraphicsItem *> roots = sheetRoots();
    roots.removeIf([](const GraphicsItem *root) { return root->scene() != nullptr; });
    m_itemsApart = false;
    m_liveLent = m_liveLent || !m_live;
    QGraphicsScene *live = makeLive();
    for (GraphicsItem *root : roots)
        root->makeFrameworkItems(live);
}

void GraphicsScene::releaseUnseenScene()
{
    if (!m_live || !m_liveLent || m_going || m_itemsApart || isClosing() || !m_live->views().isEmpty())
        return;
    // The sheet's own items, each tree once, in the sheet's order.
    const QList<GraphicsItem *> roots = sheetRoots();
    qsizetype held = 0;
    for (GraphicsItem *root : roots) {
        if (root->scene() != m_live)
            return;
        held += itemTreeSize(root);
    }
    if (held != m_live->items().size())
        return;
    // The items keep their selection, as items apart do: it is theirs, and
    // the next scene made for them takes it up again.
    for (GraphicsItem *root : std::as_const(roots))
        root->forgetFrameworkItems();
    // The framework items go with their scene, which tells nobody of the
    // selection it loses.
    m_live->blockSignals(true);
    delete m_live;
    m_live = nullptr;
    m_liveLent = false;
    // The next view asks for an index again.
    m_indexMethod = NoIndex;
    m_itemsApart = true;
}

void GraphicsScene::adoptSceneItem(SceneItem *row)
{
    if (!CHECK_PTR(row) || row == m_sceneItem)
        return;
    delete m_sceneItem;
    m_sceneItem = row;
    row->setOwner(this);
    // A row that shows the texts already is left as it is: a view of the
    // tree has nothing to show anew.
    if (row->text(0) != numberText(m_number) || row->text(1) != m_name)
        setNumber(m_number);
}

bool GraphicsScene::isClosing() const
{
    return m_project && m_project->isClosing();
}

GraphicsItem *GraphicsScene::createItem(int type)
{
    const PrimitiveItemType *row = primitiveType(type);
    if (!CHECK_PTR(row))
        return nullptr;
    return row->createItem ? row->createItem(this) : nullptr;
}

DlgPropGraphicsItem *GraphicsScene::createDialog(int type)
{
    const PrimitiveItemType *row = primitiveType(type);
    if (!CHECK_PTR(row) || !row->createDialog)
        return nullptr;
    DlgPropGraphicsItem *dialog = row->createDialog(this);
    if (dialog)
        dialog->setWindowTitle(tr(row->name));
    return dialog;
}

bool GraphicsScene::hasDialog(int) const
{
    // Every kind a plain sheet holds has its dialog; documents with kinds
    // that have none say so.
    return true;
}

GraphicsEdit *GraphicsScene::createEdit(QList<QAction *> *actions)
{
    auto *edit = new GraphicsEdit(actions, "");
    if (!CHECK_PTR(edit))
        return nullptr;
    edit->setScene(this);
    return edit;
}

bool GraphicsScene::addGraphicsItem(GraphicsItem *item)
{
    if (!CHECK(item && !item->scene()))
        return false;
    if (!CHECK(!owns(item)))
        return false;
    item->setOwnedBySheet(true);
    // An item taken off the sheet and put back before its deletion stays.
    if (!m_queued.isEmpty() && m_queued.remove(item))
        m_pendingDeletes.removeAll(item);
    m_items.append(item);
    setSheetOfTree(item, this);
    if (!m_itemsApart)
        item->makeFrameworkItems(makeLive());
    setModified(true);
    return true;
}

bool GraphicsScene::removeGraphicsItem(GraphicsItem *item)
{
    if (!CHECK(item != nullptr))
        return false;
    // Only items the sheet owns are queued, each once. A child belongs to
    // its parent and is deleted with it: queuing it too would free it
    // twice when parent and child are removed together.
    if (!owns(item) || isQueued(item))
        return false;

    item->setOwnedBySheet(false);
    m_items.removeAll(item);
    dropQueuedDescendants(item);
    letGoOfCarried(item);

    const QRectF former = item->sceneBoundingRect();
    if (holds(item))
        item->dropFrameworkItems();
    update(grown(former));

    if (m_pendingDeletes.isEmpty())
        QTimer::singleShot(0, this, &GraphicsScene::deleteGraphicsItemsLater);
    m_pendingDeletes.append(item);
    m_queued.insert(item);
    setModified(true);
    return true;
}

bool GraphicsScene::owns(const GraphicsItem *item) const
{
    return item->isOwnedBySheet() && item->graphicsScene() == this;
}

bool GraphicsScene::isQueued(const GraphicsItem *item) const
{
    for (const GraphicsItem *p = item; p; p = p->parentItem()) {
        if (m_queued.contains(p))
            return true;
    }
    return false;
}

void GraphicsScene::dropQueuedDescendants(const GraphicsItem *item)
{
    const QList<GraphicsItem *> children = item->childItems();
    for (GraphicsItem *child : children) {
        GraphicsItem *graphics = child;
        if (owns(graphics)) {
            graphics->setOwnedBySheet(false);
            m_items.removeAll(graphics);
        }
        if (m_queued.remove(graphics))
            m_pendingDeletes.removeAll(graphics);
        dropQueuedDescendants(child);
    }
}

void GraphicsScene::forgetItem(GraphicsItem *item)
{
    // Only the sheet's own items are visited by the deletion apart.
    if (m_deletingApart && item != m_deletingNow && owns(item))
        m_goneApart.insert(item);
    if (!m_unmeasured.isEmpty())
        m_unmeasured.removeAll(item);
    if (owns(item)) {
        item->setOwnedBySheet(false);
        m_items.removeAll(item);
    }
    if (m_queued.remove(item))
        m_pendingDeletes.removeAll(item);
    letGoOfCarried(item);
}

void GraphicsScene::letGoOfCarried(GraphicsItem *item)
{
    if (!m_carried.isEmpty() && m_carried.remove(item))
        emit carriedItemGone(item);
}

void GraphicsScene::noteCarried(const QList<GraphicsItem *> &items, bool carried)
{
    for (const GraphicsItem *item : items) {
        if (carried)
            m_carried.insert(item);
        else
            m_carried.remove(item);
    }
}

void GraphicsScene::deleteGraphicsItemsLater()
{
    while (!m_pendingDeletes.isEmpty()) {
        GraphicsItem *item = m_pendingDeletes.takeFirst();
        m_queued.remove(item);
        delete item;
    }
}

void GraphicsScene::notifyItem(GraphicsItem *)
{
}

QString GraphicsScene::displayName() const
{
    return m_modified ? QStringLiteral("*") : QString();
}

void GraphicsScene::setNumber(int number)
{
    if (!CHECK_PTR(m_sceneItem))
        return;
    if (number != m_number) {
        m_number = number;
        if (m_project)
            m_project->emitNameChangedGraphicsScene(*this);
    }
    m_sceneItem->setText(0, numberText(m_number));
    m_sceneItem->setText(1, m_name);
}

QString GraphicsScene::property(int id) const
{
    return m_project ? m_project->projectProperty(id) : QString();
}

void GraphicsScene::saveReference(DataStream &)
{
}

void GraphicsScene::loadReference(DataStream &)
{
}

void GraphicsScene::saveScene(DataStream &stream)
{
    writeHeader(stream);
    QList<GraphicsItem *> items;
    items.reserve(m_items.size());
    for (GraphicsItem *item : std::as_const(m_items)) {
        if (CHECK_PTR(item))
            items.append(item);
    }
    stream << qint32(items.size());
    for (GraphicsItem *item : std::as_const(items)) {
        stream << qint32(item->type());
        item->saveData(stream);
    }
}

bool GraphicsScene::loadScene(DataStream &stream)
{
    readHeader(stream);
    qint32 count = 0;
    stream >> count;
    if (!CHECK(stream.status() == QDataStream::Ok && count >= 0))
        return false;
    // Room for the items a sheet of usual size holds, not for whatever
    // count a damaged file claims.
    const qsizetype room = qMin<qsizetype>(count, 4096);
    m_items.reserve(m_items.size() + room);
    // The texts are measured when first shown, not as they are read.
    beginReadingItems();
    m_itemsApart = m_joinAfterGeometry && views().isEmpty() && m_indexMethod == NoIndex;
    bool ok = true;
    for (qint32 i = 0; ok && i < count; ++i) {
        qint32 type = -1;
        stream >> type;
        if (!CHECK(stream.status() == QDataStream::Ok && type >= 0)) {
            ok = false;
            break;
        }
        GraphicsItem *item = createItem(type);
        if (!CHECK(item != nullptr)) {
            ok = false;
            break;
        }
        if (!CHECK(addGraphicsItem(item))) {
            delete item;
            ok = false;
            break;
        }
        item->loadData(stream);
        ok = stream.status() == QDataStream::Ok;
    }
    finishReadingItems();
    if (!ok)
        joinItemsApart();
    return ok;
}

void GraphicsScene::beginReadingItems()
{
    m_readingItems = true;
    // A sheet that no view shows is due whole: the items read then add no
    // region of their own to repaint, one per item and move.
    if (views().isEmpty())
        update();
}

void GraphicsScene::finishReadingItems()
{
    for (GraphicsItem *item : std::as_const(m_items)) {
        if (item->type() == GraphicsText::Type)
            static_cast<GraphicsText *>(item)->extentRead();
    }
    QList<GraphicsItem *> unmeasured;
    unmeasured.swap(m_unmeasured);
    for (GraphicsItem *item : std::as_const(unmeasured))
        item->extentRead();
    m_readingItems = false;
}

bool GraphicsScene::saveItemsGeometry(DataStream &stream)
{
    for (GraphicsItem *item : std::as_const(m_items)) {
        if (!CHECK_PTR(item))
            return false;
        item->saveGeometry(stream);
    }
    return true;
}

bool GraphicsScene::loadItemsGeometry(DataStream &stream)
{
    beginReadingItems();
    for (GraphicsItem *item : std::as_const(m_items))
        item->loadGeometry(stream);
    finishReadingItems();
    return stream.status() == QDataStream::Ok;
}

void GraphicsScene::saveClipboard(DataStream &stream)
{
    writeHeader(stream);
    writeItems(stream, m_items);
}

QList<GraphicsItem *> GraphicsScene::loadClipboard(DataStream &stream)
{
    readHeader(stream);
    return readItems(stream);
}

void GraphicsScene::saveClipboardGeometry(DataStream &stream)
{
    for (GraphicsItem *item : std::as_const(m_items))
        item->saveClipboardGeometry(stream);
}

void GraphicsScene::loadClipboardGeometry(DataStream &stream)
{
    const QList<GraphicsItem *> items = m_items;
    loadClipboardGeometryOf(stream, items);
}

void GraphicsScene::loadClipboardGeometryOf(DataStream &stream, const QList<GraphicsItem *> &items)
{
    for (GraphicsItem *item : items) {
        if (!carriesOwnObject(item))
            resolveItemLinks(item);
        item->loadClipboardGeometry(stream);
    }
}

bool GraphicsScene::updatePointers(bool)
{
    return true;
}

void GraphicsScene::saveUserItems(DataStream &)
{
}

bool GraphicsScene::loadUserItems(DataStream &)
{
    return true;
}

bool GraphicsScene::saveUserItemsGeometry(DataStream &)
{
    return true;
}

bool GraphicsScene::loadUserItemsGeometry(DataStream &)
{
    return true;
}

bool GraphicsScene::updateWLPointers()
{
    return true;
}

void GraphicsScene::checkItems(QTreeWidget *results, int code)
{
    for (GraphicsItem *item : std::as_const(m_items)) {
        if (CHECK_PTR(item))
            item->check(results, code);
    }
}

void GraphicsScene::printScene(QPainter *painter)
{
    if (painter) {
        renderTo(painter);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer);
    dialog.setWindowTitle(tr("Print page") + QString::asprintf(" %.2d", m_number));
    if (execModal(&dialog) != QDialog::Accepted)
        return;
    QPainter page;
    if (!beginPainting(page, printer))
        return;
    // A document printing over several sheets prints them all.
    printScene(&page);
    endPainting(page, printer);
}

void GraphicsScene::solderPin(Pin *, const QRectF &, GraphicsPins *)
{
}

void GraphicsScene::checkPinContact(Pin *, const QRectF &, GraphicsPins *)
{
}

void GraphicsScene::useItemIndex()
{
    // Soldering and contact marks look items up by rectangle for every pin
    // of a moved selection, views for every event: an index keeps that
    // logarithmic on large sheets. A view shows the items: they join the
    // framework's scene first.
    joinItemsApart();
    if (!m_indexWanted || m_indexMethod == BspTreeIndex)
        return;
    m_indexMethod = BspTreeIndex;
    QGraphicsScene *live = makeLive();
    live->setItemIndexMethod(BspTreeIndex);
    // A new index learns the sheet's rectangle only from a change of it:
    // without it, it would keep every item in one cell.
    const QRectF sheet = live->sceneRect();
    live->setSceneRect(QRectF());
    live->setSceneRect(sheet);
}

void GraphicsScene::setSheetFormat(int pageSize, bool landscape, quint8 sheetsAcross)
{
    const PaperFormat &format = paperFormats[paperIndex(pageSize)];
    m_pageSize = format.pageSize;
    m_landscape = landscape;
    m_sheetsAcross = sheetsAcross;
    double width = format.width;
    double height = format.height;
    if (landscape)
        std::swap(width, height);
    setSceneRect(0, 0, width * sheetsAcross * 10, height * 10);
}

int GraphicsScene::paperIndex(int pageSize)
{
    for (int i = 0; i < PaperFormatCount; ++i) {
        if (paperFormats[i].pageSize == pageSize)
            return i;
    }
    CHECK(false);
    return 0;
}

QPageSize::PageSizeId GraphicsScene::pageSizeId(int pageSize)
{
    return paperFormats[paperIndex(pageSize)].pageSizeId;
}

QPointF GraphicsScene::snapToGrid(const QPointF &point) const
{
    if (m_gridStep < 1)
        return point;
    const double step = m_gridStep;
    return QPointF(qRound(point.x() / step) * step, qRound(point.y() / step) * step);
}

void GraphicsScene::setModified(bool modified)
{
    // Each change of a sheet may change what its chains are.
    if (modified)
        Pin::noteChainChange();
    if (modified == m_modified)
        return;
    m_modified = modified;
    if (modified && CHECK_PTR(m_sceneItem))
        m_sceneItem->setParentChanged();
    if (m_project)
        m_project->emitNameChangedGraphicsScene(*this);
}

void GraphicsScene::showInProject(GraphicsItem *item)
{
    if (CHECK_PTR(m_project))
        m_project->emitShowGraphicsScene(*this, item);
}

QString GraphicsScene::groupNumberText() const
{
    const int group = groupNumber();
    return showAtrNumWith0 ? QString::asprintf("%.2d", group) : QString::number(group);
}

QString GraphicsScene::sheetDesignation(bool withPrefix) const
{
    const int language = m_project && m_project->language() == 1 ? 1 : 0;
    const QString prefix = withPrefix ? tr("ATR.") : QString();
    return prefix
        + QStringLiteral("%1 %2%3")
              .arg(groupNumberText(), SheetFrame::caption(SheetFrame::PageWordCaption, language),
                   QString::number(m_number));
}

void GraphicsScene::writeHeader(DataStream &stream)
{
    stream << qint32(m_number) << m_name << qint32(m_gridStep) << quint8(m_pageSize) << quint8(m_landscape)
           << quint8(m_sheetsAcross) << quint8(m_bindingPosition) << quint8(m_borderType);
}

void GraphicsScene::readHeader(DataStream &stream)
{
    qint32 number = 0;
    QString name;
    qint32 gridStep = 0;
    quint8 pageSize = 0;
    quint8 landscape = 0;
    quint8 sheetsAcross = 0;
    quint8 bindingPosition = 0;
    quint8 borderType = 0;
    stream >> number >> name >> gridStep >> pageSize >> landscape >> sheetsAcross >> bindingPosition >> borderType;
    // A cut-off header changes nothing; the caller sees the stream's state.
    if (stream.status() != QDataStream::Ok)
        return;
    m_name = name;
    m_gridStep = gridStep;
    setNumber(number);
    setSheetFormat(pageSize, landscape != 0, sheetsAcross);
    m_bindingPosition = bindingPosition;
    m_borderType = borderType;
}

void GraphicsScene::writeItems(DataStream &stream, const QList<GraphicsItem *> &items)
{
    QList<GraphicsItem *> written;
    written.reserve(items.size());
    for (GraphicsItem *item : items) {
        if (CHECK_PTR(item))
            written.append(item);
    }
    // The count is that of the records that follow.
    stream << qint32(written.size());
    for (GraphicsItem *item : std::as_const(written)) {
        stream << qint32(item->type());
        item->saveClipboardData(stream);
    }
}

QList<GraphicsItem *> GraphicsScene::readItems(DataStream &stream, const std::function<bool(int)> &takes)
{
    QList<GraphicsItem *> result;
    qint32 count = 0;
    stream >> count;
    for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        qint32 type = -1;
        stream >> type;
        if (stream.status() != QDataStream::Ok)
            break;
        GraphicsItem *item = nullptr;
        if (!takes || takes(type)) {
            CountedChecks quiet;
            item = createItem(type);
        }
        if (!item) {
            // An item of another program, of a later one, or that this sheet
            // never holds: the record is refused whole.
            stream.setStatus(QDataStream::ReadCorruptData);
            return result;
        }
        if (!addGraphicsItem(item)) {
            delete item;
            stream.setStatus(QDataStream::ReadCorruptData);
            return result;
        }
        item->loadClipboardData(stream);
        if (carriesOwnObject(item))
            resolveItemLinks(item);
        result.append(item);
    }
    return result;
}

void GraphicsScene::resolveItemLinks(GraphicsItem *item)
{
    if (!item)
        return;
    const int type = item->type();
    if (type >= firstBoundItemType && type < endBoundItemType) {
        if (auto *bound = dynamic_cast<ObjItem *>(item)) {
            // An item that owns its object must find it; the others fall
            // back to the object of their name.
            if (bound->bindMode() == 2) {
                CHECK(item->resolveLinks());
                return;
            }
            if (!item->resolveLinks())
                bound->bindByName();
            return;
        }
    }
    item->resolveLinks();
}

QList<GraphicsItem *> GraphicsScene::selectedGraphicsItems() const
{
    QList<GraphicsItem *> result = selectedItems();
    // In the sheet's order.
    std::stable_sort(result.begin(), result.end(),
                     [](const GraphicsItem *a, const GraphicsItem *b) { return a->sheetIndex() < b->sheetIndex(); });
    return result;
}

QList<GraphicsItem *> GraphicsScene::primitiveItems(const QList<GraphicsItem *> &items)
{
    QList<GraphicsItem *> result;
    for (GraphicsItem *item : items) {
        if (item && isPrimitiveType(item->type()))
            result.append(item);
    }
    return result;
}

bool GraphicsScene::isPrimitiveType(int type)
{
    return type >= firstPrimitiveType && type < endPrimitiveType;
}

bool GraphicsScene::hasSelection() const
{
    return !selectedItems().isEmpty();
}

void GraphicsScene::selectAllItems()
{
    bool changed = false;
    {
        const QSignalBlocker blocker(m_live);
        for (GraphicsItem *item : std::as_const(m_items))
            changed = selectTree(item) || changed;
    }
    if (changed && m_live)
        emit m_live->selectionChanged();
}

bool GraphicsScene::containsItem(const GraphicsScene *scene, const GraphicsItem *item) const
{
    const_cast<GraphicsScene *>(this)->joinItemsApart();
    return scene == this && holds(item);
}

void GraphicsScene::appendTo(QList<GraphicsScene *> &pages)
{
    pages.append(this);
}

QPointF GraphicsScene::cursorScenePos() const
{
    const QList<QGraphicsView *> shown = views();
    if (shown.isEmpty())
        return QPointF(0, 0);
    QGraphicsView *view = shown.first();
    return view->mapToScene(view->viewport()->mapFromGlobal(QCursor::pos()));
}

void GraphicsScene::clearSelectionFast()
{
    const QList<GraphicsItem *> selected = selectedItems();
    if (selected.isEmpty())
        return;
    QRectF area;
    {
        const QSignalBlocker blocker(m_live);
        for (GraphicsItem *item : selected) {
            area |= item->sceneBoundingRect();
            item->setSelected(false);
        }
    }
    update(grown(area));
}

void GraphicsScene::renderTo(QPainter *painter)
{
    // Without a paper of its own the sheet's extent is the one its items
    // took in the framework's scene.
    if (m_sceneRect.isNull())
        joinItemsApart();
    QPaintDevice *device = painter ? painter->device() : nullptr;
    if (!device)
        return;
    const double margin = 2 * device->logicalDpiY() / 25.4;
    const QRectF source = sceneRect();
    // A sheet several papers wide fits the device's page; the PDF output
    // widens its page by the count across before it paints.
    const QRectF target(margin, margin, device->width() - 2 * margin, device->height() - 2 * margin);
    if (source.isEmpty() || target.isEmpty())
        return;
    const double scale = qMin(target.width() / source.width(), target.height() / source.height());

    // Found without the framework's scene: a printed sheet that nobody
    // looks at makes none.
    const QList<GraphicsItem *> shown = m_live ? items(source, Qt::IntersectsItemBoundingRect, Qt::AscendingOrder)
                                               : itemsInStackingOrder(source);

    painter->save();
    painter->setClipRect(target, Qt::ReplaceClip);
    painter->translate(target.topLeft());
    painter->scale(scale, scale);
    painter->translate(-source.topLeft());

    createPrinterFonts(device);
    setFontSet(1);
    drawBackground(painter, source);
    drawItemList(painter, shown, QStyleOptionGraphicsItem());
    setFontSet(0);

    painter->restore();
    // The pictures were decoded for this device.
    dropCachedPixmaps(shown);
    releaseUnseenScene();
}

namespace {

// Appends the visible items of the tree whose extent on the sheet meets the
// rectangle, each before the children it carries, as the framework paints
// them.
void collectStacked(GraphicsItem *item, const QRectF &rect, QList<GraphicsItem *> &found)
{
    if (!item->isVisible())
        return;
    QRectF extent = item->boundingRect();
    // A line's extent has no width or no height: it still meets.
    if (extent.width() == 0)
        extent.adjust(-0.00001, 0, 0.00001, 0);
    if (extent.height() == 0)
        extent.adjust(0, -0.00001, 0, 0.00001);
    if (rect.intersects(item->sceneTransform().mapRect(extent)))
        found.append(item);
    const QList<GraphicsItem *> children = item->childItems();
    for (GraphicsItem *child : children)
        collectStacked(child, rect, found);
}

} // namespace

QList<GraphicsItem *> GraphicsScene::itemsInStackingOrder(const QRectF &rect) const
{
    // The top-level items in the order they came to the sheet, then by
    // stacking value.
    QList<GraphicsItem *> roots = sheetRoots();
    std::stable_sort(roots.begin(), roots.end(),
                     [](const GraphicsItem *a, const GraphicsItem *b) { return a->zValue() < b->zValue(); });
    QList<GraphicsItem *> found;
    for (GraphicsItem *root : std::as_const(roots))
        collectStacked(root, rect, found);
    return found;
}

void GraphicsScene::clearPixmapCaches()
{
    if (!m_live)
        return;
    dropCachedPixmaps(standingFor(m_live->items()));
}

void GraphicsScene::drawItemList(QPainter *painter, const QList<GraphicsItem *> &items,
                                 const QStyleOptionGraphicsItem &option)
{
    if (!painter)
        return;
    for (GraphicsItem *item : items) {
        if (!item)
            continue;
        QStyleOptionGraphicsItem each(option);
        each.rect = item->boundingRect().toAlignedRect();
        each.exposedRect = item->boundingRect();
        drawOneItem(painter, item, each);
    }
}

void GraphicsScene::drawOneItem(QPainter *painter, GraphicsItem *item, const QStyleOptionGraphicsItem &option)
{
    painter->save();
    painter->setTransform(item->sceneTransform(), true);
    item->draw(painter, &option, hideHelp);
    painter->restore();
}

const PrimitiveItemType *GraphicsScene::primitiveType(int type)
{
    for (const PrimitiveItemType *row = primitiveTypes; row->typeId; ++row) {
        if (row->typeId == type)
            return row;
    }
    return nullptr;
}

void GraphicsScene::drawBackground(QPainter *painter, const QRectF &rect)
{
    SheetFrame::draw(*this, painter, rect);
}

void GraphicsScene::drawItems(QPainter *painter, int numItems, QGraphicsItem *items[],
                              const QStyleOptionGraphicsItem options[], QWidget *)
{
    if (!painter || !items || !options)
        return;
    for (int i = 0; i < numItems; ++i) {
        if (GraphicsItem *item = GraphicsItem::fromFramework(items[i]))
            drawOneItem(painter, item, options[i]);
    }
}

// The passes the managers run over their documents.
namespace itemprotocol {

ProjectItemBase *node(GraphicsScene *item)
{
    return item->sceneItem();
}

void writeRecord(GraphicsScene *item, DataStream &stream)
{
    item->saveReference(stream);
}

void readRecord(GraphicsScene *item, DataStream &stream)
{
    item->loadReference(stream);
}

void saveFirst(GraphicsScene *item, DataStream &stream)
{
    item->saveScene(stream);
}

bool loadFirst(GraphicsScene *item, DataStream &stream)
{
    return item->loadScene(stream);
}

bool saveSecond(GraphicsScene *item, DataStream &stream)
{
    return item->saveItemsGeometry(stream);
}

bool loadSecond(GraphicsScene *item, DataStream &stream)
{
    return item->loadItemsGeometry(stream);
}

bool updatePointers(GraphicsScene *item, bool second)
{
    return item->updatePointers(second);
}

void saveWLFirst(GraphicsScene *item, DataStream &stream)
{
    item->saveUserItems(stream);
}

bool loadWLFirst(GraphicsScene *item, DataStream &stream)
{
    return item->loadUserItems(stream);
}

bool saveWLSecond(GraphicsScene *item, DataStream &stream)
{
    return item->saveUserItemsGeometry(stream);
}

bool loadWLSecond(GraphicsScene *item, DataStream &stream)
{
    return item->loadUserItemsGeometry(stream);
}

bool updateWLPointers(GraphicsScene *item)
{
    return item->updateWLPointers();
}

void check(GraphicsScene *item, QTreeWidget *results, int code)
{
    item->checkItems(results, code);
}

void printAll(GraphicsScene *item, QPainter *painter)
{
    item->printScene(painter);
}

void appendPages(GraphicsScene *item, QList<GraphicsScene *> &pages)
{
    item->appendTo(pages);
}

void saveClipboard(GraphicsScene *item, DataStream &stream)
{
    item->saveClipboard(stream);
}

void loadClipboard(GraphicsScene *item, DataStream &stream)
{
    item->loadClipboard(stream);
}

void saveClipboardGeometry(GraphicsScene *item, DataStream &stream)
{
    item->saveClipboardGeometry(stream);
}

void loadClipboardGeometry(GraphicsScene *item, DataStream &stream)
{
    item->loadClipboardGeometry(stream);
}

void markChanged(GraphicsScene *item)
{
    item->setModified(true);
}

} // namespace itemprotocol
