#include "graphics/graphicsedit.h"

#include "graphics/dlgpropgraphicsitem.h"
#include "graphics/graphicsitem.h"
#include "graphics/graphicspins.h"
#include "graphics/graphicspixmap.h"
#include "graphics/graphicsprimitive.h"
#include "graphics/graphicsscene.h"
#include "graphics/itemshared.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSet>
#include <QStyleOptionGraphicsItem>
#include <QWheelEvent>
#include <QtEndian>
#include <QtMath>

#include <functional>
#include <limits>

const int GraphicsEdit::contextMenuIds[] = {13, 14, 15, -1, 16, 18, 19, -1, 20, 21, -1, 23, -1, 24, -1, 7};
const int GraphicsEdit::contextMenuIdCount = int(sizeof(contextMenuIds) / sizeof(contextMenuIds[0]));

namespace {

// 1:1 shows one sheet unit (0.1 mm) at 96 dots per inch.
const double scaleOneToOne = 0.37795275590551186;
const double scaleMin = 0.03779527559055119;
const double scaleMax = 3.779527559055119;
const double zoomFactor = 1.2;

// The commands that act on a selection.
const int selectionActions[] = {13, 14, 16, 18, 19, 20, 21, 23};
const int selectionActionCount = int(sizeof(selectionActions) / sizeof(selectionActions[0]));

// A drawing mode creates the primitive of its type at the press.
int drawingType(int mode)
{
    switch (mode) {
    case GraphicsEdit::ModeLine:
        return QGraphicsItem::UserType + 16;
    case GraphicsEdit::ModeEllipse:
        return QGraphicsItem::UserType + 26;
    case GraphicsEdit::ModeRect:
        return QGraphicsItem::UserType + 27;
    default:
        return -1;
    }
}

bool isDrawingMode(int mode)
{
    return drawingType(mode) >= 0;
}

QRectF sceneArea(const QList<GraphicsItem *> &items)
{
    QRectF area;
    for (const GraphicsItem *item : items)
        area |= item->sceneBoundingRect();
    return area;
}

// A view record is framed by the format index and its complement; anything
// else is not ours, or cut short.
bool isFramedRecord(const QByteArray &record)
{
    if (record.size() < 12)
        return false;
    const qint32 first = qFromBigEndian<qint32>(record.constData());
    const qint32 last = qFromBigEndian<qint32>(record.constData() + record.size() - 4);
    return first == DataStream::CurrentFormat && last == ~qint32(DataStream::CurrentFormat);
}

} // namespace

GraphicsEdit::GraphicsEdit(QList<QAction *> *actions, const char *mimeFormat)
    : QGraphicsView()
    , ActionsManager(actions)
    , m_mimeFormat(mimeFormat ? mimeFormat : "")
{
    addHandler(ModeLine, this, SLOT(setEditMode()), true);
    addHandler(ModeEllipse, this, SLOT(setEditMode()), true);
    addHandler(ModeRect, this, SLOT(setEditMode()), true);
    addHandler(ModeSelect, this, SLOT(setEditMode()), true);
    addHandler(ModePan, this, SLOT(setEditMode()), true);
    addHandler(111, this, SLOT(showDlgProp()), true);
    addHandler(115, this, SLOT(showDlgProp()), true);
    addHandler(25, this, SLOT(zoomIn()), true);
    addHandler(26, this, SLOT(zoomOut()), true);
    addHandler(27, this, SLOT(zoom11()), false);
    addHandler(13, this, SLOT(cut()), false);
    addHandler(14, this, SLOT(copy()), false);
    addHandler(15, this, SLOT(paste()), false);
    addHandler(16, this, SLOT(grabPixmap()), false);
    addHandler(17, this, SLOT(selectAll()), true);
    addHandler(18, this, SLOT(rotateLeft()), false);
    addHandler(19, this, SLOT(rotateRight()), false);
    addHandler(20, this, SLOT(mirrorHorozontal()), false);
    addHandler(21, this, SLOT(mirrorVertical()), false);
    addHandler(23, this, SLOT(del()), false);
    addHandler(24, this, SLOT(property()), false);
    addHandler(7, this, SLOT(print()), true);

    setInteractive(true);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setTransformationAnchor(AnchorUnderMouse);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);

    m_moveTimer.setSingleShot(true);
    connect(&m_moveTimer, &QTimer::timeout, this, &GraphicsEdit::realMovePos);

    clipboardChanged();
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &GraphicsEdit::clipboardChanged);

    zoom(0);
}

GraphicsEdit::~GraphicsEdit()
{
    // The shared actions may be gone already: nothing here touches them.
    m_moveTimer.stop();
    if (GraphicsScene *former = m_scene.data()) {
        former->noteCarried(m_carriedItems, false);
        dropPictureCaches(former);
        // The sheet gives back its scene once no view shows it.
        QGraphicsView::setScene(nullptr);
        former->releaseUnseenScene();
    }
}

GraphicsScene *GraphicsEdit::graphicsScene() const
{
    return m_scene.data();
}

void GraphicsEdit::setScene(GraphicsScene *scene)
{
    GraphicsScene *former = m_scene.data();
    if (former)
        dropPictureCaches(former);
    stopCarrying();
    if (former)
        disconnect(former, &GraphicsScene::carriedItemGone, this, &GraphicsEdit::carriedItemGone);
    m_scene = scene;
    if (scene) {
        connect(scene, &GraphicsScene::carriedItemGone, this, &GraphicsEdit::carriedItemGone);
        scene->useItemIndex();
    }
    QGraphicsView::setScene(scene ? scene->liveScene() : nullptr);
    if (former && former != scene)
        former->releaseUnseenScene();
}

double GraphicsEdit::zoomScale() const
{
    return transform().mapRect(QRectF(0, 0, 1, 1)).height();
}

void GraphicsEdit::dropCarriedItems()
{
    setCarriedItems({});
}

void GraphicsEdit::stopCarrying()
{
    dropCarriedItems();
}

void GraphicsEdit::setCarriedItems(const QList<GraphicsItem *> &items)
{
    m_moveTimer.stop();
    // The sheet names a carried item that goes (a device deleted while it
    // rides the cursor), so that no move reaches it after.
    if (GraphicsScene *scene = m_scene.data()) {
        scene->noteCarried(m_carriedItems, false);
        scene->noteCarried(items, true);
    }
    m_carriedItems = items;
}

void GraphicsEdit::carriedItemGone(GraphicsItem *item)
{
    m_carriedItems.removeAll(item);
    if (m_carriedItems.isEmpty())
        m_moveTimer.stop();
}

void GraphicsEdit::centreUnder(GraphicsItem *item, const QPoint &viewPoint)
{
    // The framework's move, so that the item snaps as a drag would.
    const QPointF wanted = mapToScene(viewPoint) - item->boundingRect().normalized().center();
    const QPointF before = item->pos();
    if (wanted != before) {
        item->setPos(wanted);
        if (item->pos() != before) {
            // An item placed freely is not marked by the framework's move,
            // and a save may have come between its paste and this move.
            if (m_scene)
                m_scene->setModified(true);
            item->transformChanged();
        }
    }
}

void GraphicsEdit::showCarriedItem(GraphicsItem *item)
{
    // A new item would otherwise wait at the sheet's origin, often out of
    // sight, until the mouse moves.
    QPoint at = viewport()->mapFromGlobal(QCursor::pos());
    if (!viewport()->rect().contains(at))
        at = viewport()->rect().center();
    m_lastMousePos = at;
    centreUnder(item, at);
}

QList<GraphicsItem *> GraphicsEdit::selectedTopItems() const
{
    QList<GraphicsItem *> result;
    if (!m_scene)
        return result;
    const QList<GraphicsItem *> selected = m_scene->selectedGraphicsItems();
    result.reserve(selected.size());
    for (GraphicsItem *item : selected) {
        if (!item->hasSelectedAncestor())
            result.append(item);
    }
    return result;
}

// ---------------------------------------------------------------------------
// Modes and zoom

void GraphicsEdit::setEditMode(int id)
{
    // The current mode's command again returns to selecting.
    if (id == m_editMode)
        id = ModeSelect;
    if (id == ModeSelect || id == ModePan) {
        setDragMode(id == ModeSelect ? RubberBandDrag : ScrollHandDrag);
        setInteractive(id == ModeSelect);
    } else {
        setDragMode(RubberBandDrag);
    }
    stopCarrying();
    if (m_editMode >= 0 && m_editMode != id)
        setActionChecked(m_editMode, false);
    setActionChecked(id, true);
    m_editMode = id;
}

void GraphicsEdit::setEditMode()
{
    auto *trigger = qobject_cast<QAction *>(sender());
    setEditMode(trigger ? actionId(trigger) : int(ModeSelect));
}

void GraphicsEdit::zoom(int step)
{
    QTransform matrix = transform();
    double factor = zoomFactor;
    if (step < 0) {
        factor = 1 / zoomFactor;
    } else if (step == 0) {
        matrix.reset();
        factor = scaleOneToOne;
    }
    matrix.scale(factor, factor);
    const double scale = matrix.mapRect(QRectF(0, 0, 1, 1)).height();
    if (!(scale > scaleMin && scale < scaleMax))
        return;
    if (step == 0)
        resetTransform();
    QGraphicsView::scale(factor, factor);

    setActionEnabled(27, float(scale) != float(scaleOneToOne));
    setActionEnabled(26, scale * factor > scaleMin);
    setActionEnabled(25, scale * factor < scaleMax);
}

void GraphicsEdit::zoomIn()
{
    zoom(1);
}

void GraphicsEdit::zoomOut()
{
    zoom(-1);
}

void GraphicsEdit::zoom11()
{
    zoom(0);
}

// ---------------------------------------------------------------------------
// Clipboard

QByteArray GraphicsEdit::clipboardRecord(const QList<GraphicsItem *> &items)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    out << qint32(DataStream::CurrentFormat);
    m_scene->writeItems(out, items);
    for (GraphicsItem *item : items) {
        if (item)
            item->saveClipboardGeometry(out);
    }
    out << ~qint32(DataStream::CurrentFormat);
    return bytes;
}

void GraphicsEdit::selectionMimeData(const QList<GraphicsItem *> &items)
{
    if (items.isEmpty() || !CHECK_PTR(m_scene))
        return;
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!CHECK_PTR(clipboard))
        return;
    auto *mime = new QMimeData;
    mime->setData(QString::fromLatin1(m_mimeFormat), clipboardRecord(items));
    clipboard->setMimeData(mime);
}

void GraphicsEdit::cut()
{
    if (!CHECK_PTR(m_scene))
        return;
    // With nothing selected there is nothing to cut, and the clipboard stays.
    if (!m_scene->hasSelection())
        return;
    copy();
    // What a paste cannot bring back (a frame's panels and devices) stays.
    for (GraphicsItem *item : m_scene->selectedGraphicsItems()) {
        if (!pastes(item->type()))
            item->setSelected(false);
    }
    del();
}

void GraphicsEdit::copy()
{
    if (!CHECK_PTR(m_scene))
        return;
    selectionMimeData(m_scene->selectedGraphicsItems());
}

void GraphicsEdit::paste()
{
    if (!CHECK_PTR(m_scene))
        return;
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QMimeData *mime = clipboard ? clipboard->mimeData() : nullptr;
    const QString format = QString::fromLatin1(m_mimeFormat);
    const bool ownRecord = mime && mime->hasFormat(format);
    QByteArray record;
    if (ownRecord) {
        // Clipboard data may come from anywhere: a record that is not framed
        // as ours is refused before anything changes.
        record = mime->data(format);
        if (!isFramedRecord(record)) {
            Project::refusePaste();
            return;
        }
    }

    m_scene->clearSelectionFast();
    setEditMode(ModeSelect);
    if (!CHECK_PTR(clipboard) || !CHECK_PTR(mime))
        return;
    if (ownRecord) {
        if (!pasteRecord(record))
            Project::refusePaste();
        return;
    }
    if (mime->hasImage())
        pastePicture(clipboard->pixmap());
}

bool GraphicsEdit::pasteRecord(const QByteArray &record)
{
    QByteArray bytes(record);
    DataStream in(&bytes, QIODevice::ReadOnly);
    qint32 format = 0;
    in >> format;
    in.setFormatIndex(format);
    const qint32 count = qFromBigEndian<qint32>(record.constData() + 4);

    Project *project = m_scene->project();
    if (project)
        project->beginPaste();
    const bool wasModified = m_scene->isModified();

    QList<GraphicsItem *> items;
    bool whole = false;
    {
        // A check that fails while the record is read is damage too: no
        // box of its own, and nothing of the record is kept.
        CountedChecks quiet;
        items = m_scene->readItems(in, [this](int type) { return pastes(type); });
        whole = in.status() == QDataStream::Ok && items.size() == count;
        if (whole) {
            // Geometry after all items exist; pins register their identities.
            m_scene->loadClipboardGeometryOf(in, items);
            qint32 end = 0;
            in >> end;
            whole = in.status() == QDataStream::Ok && end == ~qint32(DataStream::CurrentFormat) && in.atEnd();
        }
        whole = whole && quiet.failed() == 0;
    }

    if (!whole) {
        // A damaged record leaves the sheet and the project as they were.
        for (GraphicsItem *item : std::as_const(items))
            m_scene->removeGraphicsItem(item);
        if (project)
            project->endPaste(false);
        if (!wasModified)
            m_scene->setModified(false);
        return false;
    }

    for (GraphicsItem *item : std::as_const(items))
        item->setSelectedTree(true);
    if (project) {
        project->endPaste(true);
        // Pasted pins are soldered among themselves as they were copied; a
        // pin whose partner stayed behind is left free.
        project->updatePinsPointers();
    }
    setCarriedItems(items);
    viewport()->update();
    return true;
}

void GraphicsEdit::pastePicture(const QPixmap &pixmap)
{
    if (pixmap.isNull())
        return;
    GraphicsItem *item = createPicture(pixmap);
    if (!item)
        return;
    item->setPosQuiet(m_scene->cursorScenePos());
    if (!m_scene->addGraphicsItem(item)) {
        delete item;
        return;
    }
    item->setSelectedTree(true);
    setCarriedItems({item});
    item->updateInViews();
}

void GraphicsEdit::clipboardChanged()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QMimeData *mime = clipboard ? clipboard->mimeData() : nullptr;
    setActionEnabled(15, mime && (mime->hasFormat(QString::fromLatin1(m_mimeFormat)) || mime->hasImage()));
}

void GraphicsEdit::grabPixmap()
{
    if (!CHECK_PTR(m_scene))
        return;
    const QList<GraphicsItem *> items = m_scene->selectedGraphicsItems();
    if (items.isEmpty()) {
        updateSelectionActions(items);
        return;
    }
    // A selection that covers nothing (an empty text) makes no picture.
    const QRectF area = sceneArea(items).normalized();
    if (!area.isValid())
        return;

    // A pixel a scene unit, up to a picture of maxGrabPixels: the selection
    // of a sheet many papers wide would take gigabytes, so a larger one is
    // drawn smaller, in proportion.
    const double scale = std::min(1.0, std::sqrt(maxGrabPixels / (area.width() * area.height())));
    const QSize size = scale < 1 ? QSize(qMax(1, qFloor(area.width() * scale)), qMax(1, qFloor(area.height() * scale)))
                                 : QSize(qCeil(area.width()), qCeil(area.height()));
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHints(renderHints());
    painter.scale(scale, scale);
    painter.translate(-area.topLeft());
    // Each item with its children: the clamps of a bottom, which cannot be
    // selected, are part of its picture.
    QList<GraphicsItem *> drawn;
    QSet<const GraphicsItem *> seen(items.cbegin(), items.cend());
    const std::function<void(GraphicsItem *)> withChildren = [&](GraphicsItem *item) {
        drawn.append(item);
        for (GraphicsItem *child : item->childItems()) {
            if (child && child->isVisible() && !seen.contains(child)) {
                seen.insert(child);
                withChildren(child);
            }
        }
    };
    for (GraphicsItem *item : items)
        withChildren(item);
    // A plain option: no selection frame in the picture.
    GraphicsScene::drawItemList(&painter, drawn, QStyleOptionGraphicsItem());
    painter.end();

    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setPixmap(pixmap);
}

// ---------------------------------------------------------------------------
// Commands on the selection

void GraphicsEdit::updateSelectionActions(const QList<GraphicsItem *> &items)
{
    if (items.isEmpty()) {
        setActionsEnabled(selectionActions, selectionActionCount, false);
    } else {
        int flags = GraphicsItem::CanRotate | GraphicsItem::CanMirrorHorizontal | GraphicsItem::CanMirrorVertical;
        for (const GraphicsItem *item : items)
            flags &= item->itemFlags();
        setActionEnabled(18, flags & GraphicsItem::CanRotate);
        setActionEnabled(19, flags & GraphicsItem::CanRotate);
        setActionEnabled(20, flags & GraphicsItem::CanMirrorHorizontal);
        setActionEnabled(21, flags & GraphicsItem::CanMirrorVertical);
        const int always[] = {13, 14, 16, 23};
        setActionsEnabled(always, 4, true);
    }
    // Items without a property dialog (a node, a ground) have no Property.
    setActionEnabled(24, items.size() == 1 && m_scene && m_scene->hasDialog(items.first()->type()));
}

void GraphicsEdit::selectAll()
{
    if (!CHECK_PTR(m_scene))
        return;
    m_scene->selectAllItems();
    updateSelectionActions(m_scene->graphicsItems());
    viewport()->update();
}

void GraphicsEdit::rotateLeft()
{
    rotateSelection(false);
}

void GraphicsEdit::rotateRight()
{
    rotateSelection(true);
}

void GraphicsEdit::rotateSelection(bool clockwise)
{
    const QList<GraphicsItem *> items = selectedTopItems();
    if (items.isEmpty())
        return;
    // The selection turns as one about a point it stands on: what is joined
    // within it stays joined, a turn back gives it back, and the ends of
    // items outside it follow.
    const QPointF c = turningPoint(items);
    const QTransform turn = QTransform::fromTranslate(-c.x(), -c.y()) * QTransform().rotate(clockwise ? 90 : -90)
        * QTransform::fromTranslate(c.x(), c.y());
    for (GraphicsItem *item : items) {
        const QPointF target = turn.map(item->scenePos());
        item->setPosQuiet(item->parentItem() ? item->parentItem()->mapFromScene(target) : target);
        item->rotateBy(1, clockwise);
    }
    selectionTransformed(items);
    viewport()->update();
}

QPointF GraphicsEdit::turningPoint(const QList<GraphicsItem *> &items)
{
    // The origin of the first item kept on the grid (a text or a picture is
    // not), so that every such item stays on the points it stood on, and
    // that item in its place: a turn back goes about the same point.
    const auto placed = std::find_if(items.begin(), items.end(), [](const GraphicsItem *item) {
        return !(item->itemFlags() & GraphicsItem::FreePlacement);
    });
    return (placed == items.end() ? items.first() : *placed)->scenePos();
}

void GraphicsEdit::selectionTransformed(const QList<GraphicsItem *> &items)
{
    // Each item was turned while the others still stood where they were:
    // the free pins find what touches them now.
    for (GraphicsItem *item : items) {
        GraphicsPins *pinned = toNonPrimitiveItem(item);
        for (int i = 0; pinned && i < pinned->pinCount(); ++i) {
            if (pinned->pin(i)->isFree())
                pinned->updatePinContact(pinned->pin(i));
        }
    }
}

void GraphicsEdit::mirrorHorozontal()
{
    const QList<GraphicsItem *> items = selectedTopItems();
    if (items.isEmpty())
        return;
    for (GraphicsItem *item : items) {
        if (GraphicsPins *pinned = toNonPrimitiveItem(item))
            pinned->unsolderOutside();
    }
    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    for (const GraphicsItem *item : items) {
        const QRectF r = item->sceneBoundingRect();
        left = qMin(left, r.left());
        right = qMax(right, r.right());
    }
    // Each origin is reflected about the middle of the selection's extent.
    for (GraphicsItem *item : items) {
        // The mirroring is made in the item's own coordinates, up and down
        // on the screen for a quarter-turned item: a half turn more makes
        // it left and right there, as its reflected place and the nets
        // soldered to it take it.
        const bool quarterTurned = GraphicsItem::rotationIndexOf(item->sceneTransform()) % 2 == 1;
        item->mirror(false);
        if (quarterTurned)
            item->rotateBy(2, true);
        const QPointF origin = item->scenePos();
        const QPointF target(right - (origin.x() - left), origin.y());
        item->setPosQuiet(item->parentItem() ? item->parentItem()->mapFromScene(target) : target);
    }
    viewport()->update();
}

void GraphicsEdit::mirrorVertical()
{
    const QList<GraphicsItem *> items = selectedTopItems();
    if (items.isEmpty())
        return;
    // Up and down on the screen, as one across a line it stands on: each
    // item about its own origin (in its own coordinates left and right for
    // a quarter-turned item), then its origin reflected; what is joined
    // within stays joined.
    const double axis = turningPoint(items).y();
    for (GraphicsItem *item : items) {
        const bool quarterTurned = GraphicsItem::rotationIndexOf(item->sceneTransform()) % 2 == 1;
        const QPointF origin = item->scenePos();
        const QPointF target(origin.x(), 2 * axis - origin.y());
        item->setPosQuiet(item->parentItem() ? item->parentItem()->mapFromScene(target) : target);
        item->mirror(!quarterTurned);
        if (quarterTurned)
            item->transformChanged();
    }
    selectionTransformed(items);
    viewport()->update();
}

void GraphicsEdit::del()
{
    if (!CHECK_PTR(m_scene))
        return;
    const QList<GraphicsItem *> items = m_scene->selectedGraphicsItems();
    // With nothing selected there is nothing to delete.
    if (items.isEmpty())
        return;
    dropCarriedItems();
    for (GraphicsItem *item : items)
        m_scene->removeGraphicsItem(item);
    setActionsEnabled(selectionActions, selectionActionCount, false);
    setActionEnabled(24, false);
}

void GraphicsEdit::property()
{
    if (!CHECK_PTR(m_scene))
        return;
    const QList<GraphicsItem *> items = m_scene->selectedGraphicsItems();
    // A selection changed behind the view (a page rebuilt, an item found)
    // leaves the commands as they were: they follow it now, and do nothing.
    if (items.size() != 1) {
        updateSelectionActions(items);
        return;
    }
    items.first()->showDialog();
}

int GraphicsEdit::itemTypeForMode(int actionId) const
{
    switch (actionId) {
    case 111:
        return QGraphicsItem::UserType + 6;
    case 115:
        return QGraphicsItem::UserType + 7;
    default:
        return -1;
    }
}

bool GraphicsEdit::pastes(int) const
{
    return true;
}

void GraphicsEdit::showDlgProp()
{
    auto *trigger = qobject_cast<QAction *>(sender());
    if (!CHECK_PTR(trigger) || !CHECK_PTR(m_scene))
        return;
    const int id = actionId(trigger);
    if (!CHECK(id > 0))
        return;
    const int type = itemTypeForMode(id);
    if (!CHECK(type >= 0))
        return;
    // The sheet reports a type it has no dialog for.
    DlgPropGraphicsItem *dialog = m_scene->createDialog(type);
    if (!dialog)
        return;
    GraphicsItem *item = dialog->execDialog(nullptr, type);
    if (item) {
        setEditMode(ModeSelect);
        if (m_scene->addGraphicsItem(item)) {
            m_scene->clearSelectionFast();
            item->setSelectedTree(true);
            setCarriedItems({item});
            showCarriedItem(item);
            item->updateInViews();
            m_scene->notifyItem(item);
        } else {
            delete item;
        }
    }
    delete dialog;
}

void GraphicsEdit::realMovePos()
{
    m_moveTimer.stop();
    if (!CHECK(!m_carriedItems.isEmpty()) || !CHECK_PTR(m_scene))
        return;
    const QRectF area = sceneArea(m_carriedItems);
    const QPointF delta =
        m_scene->snapToGrid(mapToScene(m_lastMousePos)) - m_scene->snapToGrid(area.center());
    if (delta.isNull())
        return;
    // One quiet move per item and one repaint for all of them.
    GraphicsPins::moveAll(m_carriedItems, delta);
    const QRectF damaged = grown(area);
    m_scene->update(damaged);
    m_scene->update(damaged.translated(delta));
}

void GraphicsEdit::print()
{
    if (!CHECK_PTR(m_scene))
        return;
    m_scene->printScene();
}

// ---------------------------------------------------------------------------
// Events

void GraphicsEdit::mousePressEvent(QMouseEvent *event)
{
    // Outside the sheet nothing selects and no rubber band starts.
    if (!m_scene)
        return;
    const QPointF scenePoint = mapToScene(event->position().toPoint());
    if (!m_scene->sceneRect().contains(scenePoint))
        return;
    if (m_moveTimer.isActive())
        realMovePos();

    if (event->button() == Qt::LeftButton && !m_carriedItems.isEmpty()) {
        // The click drops what is carried where it is.
        dropCarriedItems();
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && isDrawingMode(m_editMode)) {
        // The sheet reports a type it cannot create.
        GraphicsItem *item = m_scene->createItem(drawingType(m_editMode));
        if (!item)
            return;
        if (!m_scene->addGraphicsItem(item)) {
            delete item;
            return;
        }
        setCarriedItems({item});
        placeDrawnItem(item, scenePoint, event->modifiers());
        m_scene->clearSelectionFast();
        item->setSelectedTree(true);
        event->accept();
        return;
    }
    if (event->button() == Qt::MiddleButton && dragMode() == RubberBandDrag) {
        // The middle button pans: the framework sees a left press in the
        // hand mode.
        setEditMode(ModePan);
        QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(),
                          event->globalPosition(), Qt::LeftButton, Qt::LeftButton, event->modifiers());
        QGraphicsView::mousePressEvent(&press);
        return;
    }
    if (event->button() == Qt::RightButton && !itemAt(event->position().toPoint()))
        m_scene->clearSelectionFast();
    QGraphicsView::mousePressEvent(event);
}

void GraphicsEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (m_scene && !m_carriedItems.isEmpty()) {
        const QPoint viewPoint = event->position().toPoint();
        if (isDrawingMode(m_editMode)) {
            stretchDrawnItem(m_carriedItems.first(), mapToScene(viewPoint), event->modifiers());
        } else {
            m_lastMousePos = viewPoint;
            if (m_carriedItems.size() == 1) {
                centreUnder(m_carriedItems.first(), viewPoint);
            } else {
                // Many items move together once the mouse rests for 20 ms.
                m_moveTimer.start(20);
            }
        }
    }
    QGraphicsView::mouseMoveEvent(event);
}

void GraphicsEdit::mouseReleaseEvent(QMouseEvent *event)
{
    const bool endsPanning = event->button() == Qt::MiddleButton && dragMode() == ScrollHandDrag;
    if (endsPanning) {
        // The framework ends the hand drag it started as a left press.
        QMouseEvent release(QEvent::MouseButtonRelease, event->position(), event->scenePosition(),
                            event->globalPosition(), Qt::LeftButton, Qt::NoButton, event->modifiers());
        QGraphicsView::mouseReleaseEvent(&release);
    } else {
        QGraphicsView::mouseReleaseEvent(event);
    }
    if (!m_scene)
        return;
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)
        updateSelectionActions(m_scene->selectedGraphicsItems());
    if (endsPanning)
        setEditMode(ModeSelect);
}

void GraphicsEdit::wheelEvent(QWheelEvent *event)
{
    zoom(event->angleDelta().y());
    event->accept();
}

void GraphicsEdit::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Minus:
        zoom(-1);
        return;
    case Qt::Key_Equal:
        zoom(1);
        return;
    case Qt::Key_Escape:
        if (m_editMode != ModeSelect)
            setEditMode(ModeSelect);
        return;
    default:
        break;
    }
    if (event->modifiers() == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_A:
            selectAll();
            break;
        case Qt::Key_C:
            copy();
            break;
        case Qt::Key_D:
            del();
            break;
        case Qt::Key_V:
            paste();
            break;
        case Qt::Key_X:
            cut();
            break;
        default:
            break;
        }
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

void GraphicsEdit::closeEvent(QCloseEvent *event)
{
    emit cursorPosChanged(QPointF());
    event->accept();
}

void GraphicsEdit::fillContextMenu(QMenu *menu)
{
    // The shared actions show this view's states only while it is active.
    if (!menu || !isActive())
        return;
    addActionsToMenu(menu, contextMenuIds, contextMenuIdCount);
}

void GraphicsEdit::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_scene) {
        QGraphicsView::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    fillContextMenu(&menu);
    if (!menu.isEmpty())
        menu.exec(event->globalPos());
    event->accept();
}

void GraphicsEdit::drawBackground(QPainter *painter, const QRectF &rect)
{
    if (m_scene) {
        const QRectF sheet = m_scene->sceneRect();
        // A shadow along the right and bottom edges, then a black frame.
        const QRectF rightShadow(sheet.right(), sheet.top() + 5, 5, sheet.height());
        const QRectF bottomShadow(sheet.left() + 5, sheet.bottom(), sheet.width(), 5);
        if (rightShadow.intersects(rect))
            painter->fillRect(rightShadow, Qt::darkGray);
        if (bottomShadow.intersects(rect))
            painter->fillRect(bottomShadow, Qt::darkGray);
        painter->save();
        painter->setPen(QPen(Qt::black, 0));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(sheet);
        painter->restore();
    }
    QGraphicsView::drawBackground(painter, rect);
}

// ---------------------------------------------------------------------------
// Links to the drawing primitives: a drawn line, rectangle or ellipse is
// placed at its first point and stretched to the cursor; other items are
// placed like any item.

void GraphicsEdit::placeDrawnItem(GraphicsItem *item, const QPointF &scenePoint, Qt::KeyboardModifiers modifiers)
{
    if (auto *border = dynamic_cast<GraphicsBorderPrimitive *>(item)) {
        border->placeAt(scenePoint, modifiers);
        return;
    }
    // Ctrl places at the exact point, without snapping.
    item->setPosQuiet((modifiers & Qt::ControlModifier) ? scenePoint : m_scene->snapToGrid(scenePoint));
    item->updateInViews();
}

void GraphicsEdit::stretchDrawnItem(GraphicsItem *item, const QPointF &scenePoint, Qt::KeyboardModifiers modifiers)
{
    if (auto *border = dynamic_cast<GraphicsBorderPrimitive *>(item))
        border->stretchTo(scenePoint, modifiers);
}

GraphicsItem *GraphicsEdit::createPicture(const QPixmap &pixmap)
{
    auto *picture = new GraphicsPixmap(m_scene, nullptr);
    picture->setPixmap(pixmap);
    return picture;
}

void GraphicsEdit::dropPictureCaches(GraphicsScene *scene)
{
    if (scene)
        scene->clearPixmapCaches();
}

QList<GraphicsItem *> GraphicsEdit::sheetItemsAt(const QPoint &pos) const
{
    QList<GraphicsItem *> result;
    const QList<QGraphicsItem *> under = items(pos);
    for (QGraphicsItem *each : under) {
        if (GraphicsItem *item = GraphicsItem::fromFramework(each))
            result.append(item);
    }
    return result;
}
