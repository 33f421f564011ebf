#include "graphics/graphicsitem.h"

#include "graphics/dlgpropgraphicsitem.h"
#include "graphics/font.h"
#include "graphics/frameworkitem.h"
#include "graphics/graphicsscene.h"
#include "graphics/itemshared.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/displayflags.h"

#include <QDebug>
#include <QGraphicsSceneMouseEvent>
#include <QHash>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cmath>

const double GraphicsItem::angles[4] = {0, 90, 180, 270};

namespace {

// The matrices of items that are none of the eight quarter turns and
// mirrors, by item.
QHash<const GraphicsItem *, QTransform> &otherMatrices()
{
    static QHash<const GraphicsItem *, QTransform> matrices;
    return matrices;
}

// The entries of the matrices of scene items are 0, 1 or -1.
int unit(double value)
{
    return value > 0.5 ? 1 : (value < -0.5 ? -1 : 0);
}

} // namespace

GraphicsItem::GraphicsItem(GraphicsScene *scene, GraphicsItem *parent, int itemFlags,
                           GraphicsItemFlags frameworkFlags)
    : m_scene(scene)
    , m_itemFlags(itemFlags)
{
    // Without it no position changes are told: no grid snap.
    if (!(itemFlags & FixedInParent) || frameworkFlags)
        m_frameworkFlags = quint32(int(ItemSendsGeometryChanges | frameworkFlags));
    if (parent) {
        m_parent = parent;
        if (!parent->m_children)
            parent->m_children = new QList<GraphicsItem *>;
        parent->m_children->append(this);
        // A child made under an item on a sheet joins it as it is made.
        if (scene)
            m_sheetIndex = scene->nextSheetIndex();
        if (parent->m_proxy)
            makeFrameworkItems(nullptr);
    }
}

GraphicsItem::~GraphicsItem()
{
    if (m_scene)
        m_scene->forgetItem(this);
    // Children go first, as the framework's items do.
    if (m_children) {
        while (!m_children->isEmpty()) {
            GraphicsItem *child = m_children->takeLast();
            // The child need not look for itself on the list.
            child->m_takenOff = true;
            delete child;
        }
        delete m_children;
        m_children = nullptr;
    }
    delete m_proxy;
    m_proxy = nullptr;
    // Looked for from the back: the children made last go first.
    if (!m_takenOff && m_parent && m_parent->m_children) {
        const qsizetype at = m_parent->m_children->lastIndexOf(this);
        if (at >= 0)
            m_parent->m_children->remove(at);
    }
    if (m_matrix & 8)
        otherMatrices().remove(this);
}

QPainterPath GraphicsItem::shape() const
{
    QPainterPath path;
    path.addRect(boundingRect());
    return path;
}

bool GraphicsItem::contains(const QPointF &point) const
{
    return shape().contains(point);
}

namespace {

// Writes the item's state into its framework item without being told back.
class Syncing
{
public:
    explicit Syncing(FrameworkItem *item)
        : m_item(item)
        , m_was(item->isSyncing())
    {
        item->setSyncing(true);
    }
    ~Syncing() { m_item->setSyncing(m_was); }

private:
    FrameworkItem *m_item;
    bool m_was;
};

} // namespace

template <class F>
void GraphicsItem::toFramework(F change)
{
    if (m_proxy) {
        const Syncing syncing(m_proxy);
        change(m_proxy);
    }
}

void GraphicsItem::setPos(const QPointF &position)
{
    if (m_pos == position)
        return;
    QPointF next = position;
    const bool tells = m_frameworkFlags & ItemSendsGeometryChanges;
    if (tells) {
        next = itemChange(ItemPositionChange, QVariant::fromValue(position)).toPointF();
        if (next == m_pos)
            return;
    }
    m_pos = next;
    toFramework([&](FrameworkItem *stand) { stand->setPos(next); });
}

void GraphicsItem::setMatrixIndex(const QTransform &matrix)
{
    const int index = rotationIndexOf(matrix);
    const bool mirrored = isMirroredMatrix(matrix);
    if (m_matrix & 8)
        otherMatrices().remove(this);
    m_matrix = quint8(index | (mirrored ? 4 : 0));
    if (matrixOf(index, mirrored) != matrix) {
        otherMatrices().insert(this, matrix);
        m_matrix |= 8;
    }
}

QTransform GraphicsItem::otherMatrix() const
{
    return otherMatrices().value(this);
}

void GraphicsItem::setTransform(const QTransform &matrix, bool combine)
{
    const QTransform current = transform();
    QTransform next = combine ? matrix * current : matrix;
    if (next == current)
        return;
    const bool tells = m_frameworkFlags & ItemSendsGeometryChanges;
    if (tells) {
        next = itemChange(ItemTransformChange, QVariant::fromValue(next)).value<QTransform>();
        if (next == current)
            return;
    }
    setMatrixIndex(next);
    toFramework([&](FrameworkItem *stand) { stand->setTransform(transform()); });
}

void GraphicsItem::setZValue(qreal z)
{
    if (m_z == z)
        return;
    m_z = z;
    toFramework([&](FrameworkItem *stand) { stand->setZValue(z); });
}

QTransform GraphicsItem::sceneTransform() const
{
    // Most items and their parents are neither turned nor mirrored: their
    // positions add up, in the order the products below would add them.
    bool moved = false;
    qreal dx = 0;
    qreal dy = 0;
    const GraphicsItem *item = this;
    for (; item && item->m_matrix == 0; item = item->m_parent) {
        if (item->m_pos.x() == 0 && item->m_pos.y() == 0)
            continue;
        dx = moved ? dx + item->m_pos.x() : item->m_pos.x();
        dy = moved ? dy + item->m_pos.y() : item->m_pos.y();
        moved = true;
    }
    if (!item)
        return moved ? QTransform::fromTranslate(dx, dy) : QTransform();
    QTransform matrix = transform() * QTransform::fromTranslate(m_pos.x(), m_pos.y());
    for (const GraphicsItem *p = m_parent; p; p = p->m_parent)
        matrix = matrix * p->transform() * QTransform::fromTranslate(p->m_pos.x(), p->m_pos.y());
    return matrix;
}

QPointF GraphicsItem::scenePos() const
{
    return m_parent ? m_parent->mapToScene(m_pos) : m_pos;
}

QRectF GraphicsItem::sceneBoundingRect() const
{
    return sceneTransform().mapRect(boundingRect());
}

QPointF GraphicsItem::mapToScene(const QPointF &point) const
{
    return sceneTransform().map(point);
}

QPolygonF GraphicsItem::mapToScene(const QRectF &rect) const
{
    return sceneTransform().map(QPolygonF(rect));
}

QPolygonF GraphicsItem::mapToScene(const QPolygonF &polygon) const
{
    return sceneTransform().map(polygon);
}

QPointF GraphicsItem::mapFromScene(const QPointF &point) const
{
    return sceneTransform().inverted().map(point);
}

QPolygonF GraphicsItem::mapFromScene(const QRectF &rect) const
{
    return sceneTransform().inverted().map(QPolygonF(rect));
}

QPointF GraphicsItem::mapToParent(const QPointF &point) const
{
    return transform().map(point) + m_pos;
}

QPointF GraphicsItem::mapFromItem(const GraphicsItem *item, const QPointF &point) const
{
    return mapFromScene(item ? item->mapToScene(point) : point);
}

QRectF GraphicsItem::mapRectToScene(const QRectF &rect) const
{
    return sceneTransform().mapRect(rect);
}

QRectF GraphicsItem::mapRectFromScene(const QRectF &rect) const
{
    return sceneTransform().inverted().mapRect(rect);
}

QRectF GraphicsItem::mapRectFromItem(const GraphicsItem *item, const QRectF &rect) const
{
    return (item->sceneTransform() * sceneTransform().inverted()).mapRect(rect);
}

void GraphicsItem::reserveChildren(qsizetype count)
{
    if (!m_children)
        m_children = new QList<GraphicsItem *>;
    m_children->reserve(m_children->size() + count);
}

void GraphicsItem::setParentItem(GraphicsItem *parent)
{
    if (parent == m_parent || parent == this)
        return;
    if (m_parent && m_parent->m_children)
        m_parent->m_children->removeOne(this);
    m_parent = parent;
    if (parent) {
        if (!parent->m_children)
            parent->m_children = new QList<GraphicsItem *>;
        parent->m_children->append(this);
    }
    // The framework items follow: under the new parent's, or none when it
    // has none (its sheet has no framework scene).
    if (m_proxy && parent && parent->m_proxy) {
        const Syncing syncing(m_proxy);
        m_proxy->setParentItem(parent->m_proxy);
    } else if (m_proxy && parent) {
        dropFrameworkItems();
    } else if (m_proxy) {
        const Syncing syncing(m_proxy);
        m_proxy->setParentItem(nullptr);
    } else if (parent && parent->m_proxy) {
        makeFrameworkItems(nullptr);
    }
}

GraphicsItem *GraphicsItem::topLevelItem() const
{
    const GraphicsItem *item = this;
    while (item->m_parent)
        item = item->m_parent;
    return const_cast<GraphicsItem *>(item);
}

QList<GraphicsItem *> GraphicsItem::childItems() const
{
    if (!m_children)
        return {};
    // In stacking order, as the framework lists them: by stacking value,
    // then in the order they came. Mostly they come in that order: the
    // list is then shared, not copied.
    const auto below = [](const GraphicsItem *a, const GraphicsItem *b) { return a->m_z < b->m_z; };
    if (std::is_sorted(m_children->cbegin(), m_children->cend(), below))
        return *m_children;
    QList<GraphicsItem *> children = *m_children;
    std::stable_sort(children.begin(), children.end(), below);
    return children;
}

void GraphicsItem::setFlag(GraphicsItemFlag flag, bool enabled)
{
    setFlags(enabled ? flags() | flag : flags() & ~GraphicsItemFlags(flag));
}

void GraphicsItem::setFlags(GraphicsItemFlags flags)
{
    m_frameworkFlags = quint32(int(flags));
    if (!(flags & ItemIsSelectable))
        setSelected(false);
    toFramework([&](FrameworkItem *stand) { stand->setFlags(flags); });
}

void GraphicsItem::setSelected(bool selected)
{
    if (!(m_frameworkFlags & ItemIsSelectable) || !m_visible)
        selected = false;
    if (m_selected == selected)
        return;
    m_selected = selected;
    toFramework([&](FrameworkItem *stand) { stand->setSelected(selected); });
}

void GraphicsItem::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    if (!visible)
        setSelected(false);
    toFramework([&](FrameworkItem *stand) { stand->setVisible(visible); });
}

void GraphicsItem::setAcceptedMouseButtons(Qt::MouseButtons buttons)
{
    m_noButtons = buttons == Qt::NoButton;
    if (m_proxy)
        m_proxy->setAcceptedMouseButtons(buttons);
}

QGraphicsScene *GraphicsItem::scene() const
{
    return m_proxy ? m_proxy->scene() : nullptr;
}

void GraphicsItem::update(const QRectF &rect)
{
    if (m_proxy)
        m_proxy->update(rect);
}

void GraphicsItem::prepareGeometryChange()
{
    if (m_proxy)
        m_proxy->announceGeometryChange();
}

GraphicsItem *GraphicsItem::fromFramework(const QGraphicsItem *item)
{
    const auto *standing = dynamic_cast<const FrameworkItem *>(item);
    return standing ? standing->owner() : nullptr;
}

void GraphicsItem::makeFrameworkItems(QGraphicsScene *scene)
{
    if (!m_proxy) {
        m_proxy = new FrameworkItem(this, m_parent ? m_parent->m_proxy : nullptr);
        const Syncing syncing(m_proxy);
        m_proxy->setFlags(flags());
        m_proxy->setPos(m_pos);
        if (m_matrix)
            m_proxy->setTransform(transform());
        m_proxy->setZValue(m_z);
        if (!m_visible)
            m_proxy->setVisible(false);
        if (m_noButtons)
            m_proxy->setAcceptedMouseButtons(Qt::NoButton);
        if (!m_parent && scene)
            scene->addItem(m_proxy);
        if (m_selected)
            m_proxy->setSelected(true);
    }
    if (m_children) {
        for (GraphicsItem *child : std::as_const(*m_children))
            child->makeFrameworkItems(nullptr);
    }
}

void GraphicsItem::dropFrameworkItems()
{
    if (m_children) {
        for (GraphicsItem *child : std::as_const(*m_children))
            child->dropFrameworkItems();
    }
    delete m_proxy;
    m_proxy = nullptr;
}

void GraphicsItem::forgetFrameworkItems()
{
    if (m_children) {
        for (GraphicsItem *child : std::as_const(*m_children))
            child->forgetFrameworkItems();
    }
    m_proxy = nullptr;
}

void GraphicsItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_proxy)
        m_proxy->basePress(event);
}

void GraphicsItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_proxy)
        m_proxy->baseRelease(event);
}

bool GraphicsItem::goesWithProject() const
{
    return m_scene && m_scene->isClosing();
}

void GraphicsItem::saveData(DataStream &)
{
}

void GraphicsItem::loadData(DataStream &)
{
}

void GraphicsItem::saveGeometry(DataStream &stream)
{
    const bool transformed = !transform().isIdentity();
    stream << pos() << transformed;
    if (transformed)
        stream << quint8(rotationIndex()) << isMirrored();
}

void GraphicsItem::loadGeometry(DataStream &stream)
{
    double xy[2] = {0, 0};
    bool transformed = false;
    stream.readDoubles(xy, 2);
    stream >> transformed;
    const QPointF position(xy[0], xy[1]);
    // A position that is no number, or far off any sheet, is damage.
    if (!stream.checkPoint(position))
        return;
    quietly([&] { setPos(position); });
    quint8 index = 0;
    bool mirrored = false;
    if (transformed)
        stream >> index >> mirrored;
    // Written indexes are 0 to 3; anything else is read modulo 4. A turn
    // the item has already (mostly none) is not made anew.
    if ((m_matrix & 8) || (m_matrix & 3) != (index & 3) || bool(m_matrix & 4) != mirrored)
        setMatrixQuiet(matrixOf(index & 3, mirrored), false);
}

void GraphicsItem::saveClipboardData(DataStream &stream)
{
    saveData(stream);
}

void GraphicsItem::loadClipboardData(DataStream &stream)
{
    loadData(stream);
}

void GraphicsItem::saveClipboardGeometry(DataStream &stream)
{
    saveGeometry(stream);
}

void GraphicsItem::loadClipboardGeometry(DataStream &stream)
{
    loadGeometry(stream);
}

bool GraphicsItem::resolveLinks()
{
    return true;
}

void GraphicsItem::check(QTreeWidget *, int)
{
}

void GraphicsItem::transformChanged()
{
    const QList<GraphicsItem *> children = childItems();
    for (GraphicsItem *child : children)
        child->transformChanged();
}

void GraphicsItem::extentRead()
{
}

void GraphicsItem::rotateBy(int quarterTurns, bool clockwise)
{
    const int n = quarterTurns & 3;
    if (n == 0)
        return;
    // The turn is made in the item's own coordinates: a mirrored item turns
    // the other way there to turn as asked on the screen.
    if (sceneTransform().determinant() < 0)
        clockwise = !clockwise;
    // Through the quiet setter, so that the sheet is marked modified: a
    // turned item must reach the file even when nothing else changed.
    setMatrixQuiet(QTransform().rotate(clockwise ? angles[n] : -angles[n]), true);
    transformChanged();
}

void GraphicsItem::mirror(bool withHalfTurn)
{
    QTransform matrix = transform();
    matrix.scale(-1, 1);
    if (withHalfTurn)
        matrix.rotate(180);
    setMatrixQuiet(matrix, false);
    if (withHalfTurn)
        transformChanged();
    const QList<GraphicsItem *> children = childItems();
    for (GraphicsItem *child : children)
        child->mirror(withHalfTurn);
}

void GraphicsItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    if (painter)
        draw(painter, option, hideHelp);
}

void GraphicsItem::showDialog()
{
    if (!CHECK_PTR(m_scene))
        return;
    DlgPropGraphicsItem *dialog = m_scene->createDialog(type());
    if (!CHECK_PTR(dialog))
        return;
    dialog->execDialog(this, type());
    delete dialog;
}

template <class F>
void GraphicsItem::quietly(F change)
{
    const bool was = m_quiet;
    m_quiet = true;
    change();
    m_quiet = was;
}

void GraphicsItem::setPosQuiet(const QPointF &position)
{
    quietly([&] { setPos(position); });
    if (m_scene)
        m_scene->setModified(true);
}

void GraphicsItem::moveByQuiet(const QPointF &delta)
{
    setPosQuiet(pos() + delta);
}

void GraphicsItem::setZQuiet(double z)
{
    quietly([&] { setZValue(z); });
}

void GraphicsItem::setMatrixQuiet(const QTransform &matrix, bool combine)
{
    const QTransform next = combine ? matrix * transform() : matrix;
    if (next == transform())
        return;
    quietly([&] { setTransform(next); });
    if (m_scene)
        m_scene->setModified(true);
}

GraphicsItem *GraphicsItem::shownSelected()
{
    GraphicsItem *shown = this;
    while (!(shown->flags() & QGraphicsItem::ItemIsSelectable) && shown->standsIn())
        shown = shown->standsIn();
    return shown;
}

void GraphicsItem::setSelectedTree(bool selected)
{
    if (isSelected() == selected)
        return;
    {
        const QSignalBlocker blocker(scene());
        setSelected(selected);
    }
    const QList<GraphicsItem *> children = childItems();
    for (GraphicsItem *child : children)
        child->setSelectedTree(selected);
}

bool GraphicsItem::hasSelectedAncestor() const
{
    for (const GraphicsItem *p = parentItem(); p; p = p->parentItem()) {
        if (p->isSelected())
            return true;
    }
    return false;
}

void GraphicsItem::reparent(GraphicsItem *newParent)
{
    quietly([&] { setParentItem(newParent); });
}

void GraphicsItem::updateInViews()
{
    if (QGraphicsScene *s = scene())
        s->update(grown(sceneBoundingRect()));
}

int GraphicsItem::rotationIndexOf(const QTransform &matrix)
{
    const int m12 = unit(matrix.m12());
    const int m21 = unit(matrix.m21());
    const int m22 = unit(matrix.m22());
    if (m12 == 0 && m21 == 0)
        return m22 < 0 ? 2 : 0;
    if (m12 == 1)
        return 1;
    if (m12 == -1)
        return 3;
    return 0;
}

bool GraphicsItem::isMirroredMatrix(const QTransform &matrix)
{
    const int m12 = unit(matrix.m12());
    return (m12 != 0 && m12 == unit(matrix.m21())) || unit(matrix.m11()) != unit(matrix.m22());
}

bool GraphicsItem::isTurnedMatrix(const QTransform &matrix)
{
    return unit(matrix.m12()) != 0 || unit(matrix.m21()) != 0;
}

QTransform GraphicsItem::matrixOf(int rotationIndex, bool mirrored)
{
    QTransform matrix;
    if (mirrored)
        matrix.scale(-1, 1);
    matrix.rotate(angles[rotationIndex & 3]);
    return matrix;
}

void GraphicsItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || !(flags() & ItemIsMovable) || !m_scene) {
        event->ignore();
        return;
    }

    QList<GraphicsItem *> items = m_scene->selectedGraphicsItems();
    if (!items.contains(this))
        items.append(this);

    QPointF newPos = mapToParent(event->pos()) - transform().map(event->buttonDownPos(Qt::LeftButton));
    const bool allFree = std::all_of(items.cbegin(), items.cend(),
                                     [](const GraphicsItem *item) { return item->itemFlags() & FreePlacement; });
    if (!((event->modifiers() & Qt::ControlModifier) && allFree))
        newPos = m_scene->snapToGrid(newPos);

    const QPointF delta = newPos - pos();
    if (delta.isNull())
        return;

    QRectF damaged = sceneBoundingRect();
    QList<GraphicsItem *> moved;
    moved.reserve(items.size());
    for (GraphicsItem *item : std::as_const(items)) {
        // A child of a selected item moves with it, never on its own.
        if (!(item->flags() & ItemIsMovable) || item->hasSelectedAncestor())
            continue;
        damaged |= item->sceneBoundingRect();
        item->setPosQuiet(item == this ? newPos : item->pos() + delta);
        moved.append(item);
    }
    for (GraphicsItem *item : std::as_const(moved))
        item->transformChanged();

    damaged = grown(damaged);
    m_scene->update(damaged);
    m_scene->update(damaged.translated(delta));
}

void GraphicsItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    // A kind without a property dialog (a node, a ground) opens nothing.
    if (m_scene && m_scene->hasDialog(type()))
        showDialog();
    event->accept();
}

QVariant GraphicsItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change != ItemPositionChange || m_quiet || parentItem() || (m_itemFlags & FreePlacement) || !m_scene
        || !value.canConvert<QPointF>())
        return value;

    const QPointF snapped = m_scene->snapToGrid(value.toPointF());
    if (std::fabs(snapped.x() - pos().x()) > 1e-11 || std::fabs(snapped.y() - pos().y()) > 1e-11)
        m_scene->setModified(true);
    return snapped;
}

int translateAlignment(int alignment, int rotationIndex, bool mirrored)
{
    using namespace Qt;
    // [mirrored][rotation index]
    static const int left[2][4] = {{AlignLeft, AlignTop, AlignRight, AlignBottom},
                                   {AlignRight, AlignTop, AlignLeft, AlignBottom}};
    static const int right[2][4] = {{AlignRight, AlignBottom, AlignLeft, AlignTop},
                                    {AlignLeft, AlignBottom, AlignRight, AlignTop}};
    static const int hcenter[4] = {AlignHCenter, AlignVCenter, AlignHCenter, AlignVCenter};
    static const int top[2][4] = {{AlignTop, AlignRight, AlignBottom, AlignLeft},
                                  {AlignTop, AlignLeft, AlignBottom, AlignRight}};
    static const int bottom[2][4] = {{AlignBottom, AlignLeft, AlignTop, AlignRight},
                                     {AlignBottom, AlignRight, AlignTop, AlignLeft}};
    static const int vcenter[4] = {AlignVCenter, AlignHCenter, AlignVCenter, AlignHCenter};

    const int m = mirrored ? 1 : 0;
    const int r = rotationIndex & 3;
    const int h = alignment & AlignHorizontal_Mask;
    const int v = alignment & AlignVertical_Mask;
    const int hor = h == AlignLeft ? left[m][r] : (h == AlignRight ? right[m][r] : hcenter[r]);
    const int ver = v == AlignTop ? top[m][r] : (v == AlignBottom ? bottom[m][r] : vcenter[r]);
    return hor | ver;
}

namespace {

// The matrix the item is drawn with on the sheet: its own, then those of
// the items it stands in. A child mirrored together with its parent (the
// clamps of a bottom) reads straight on the sheet although its own matrix
// is mirrored.
QTransform sheetMatrix(const GraphicsItem *item)
{
    QTransform matrix = item->transform();
    for (const GraphicsItem *p = item->parentItem(); p; p = p->parentItem())
        matrix *= p->transform();
    return matrix;
}

bool readsStraight(const QTransform &matrix)
{
    return GraphicsItem::rotationIndexOf(matrix) == 0 && !GraphicsItem::isMirroredMatrix(matrix);
}

// The painter-side turn that undoes the item's rotation and mirror: the
// rotation for any non-zero index (a half turn too, so that text of a
// half-turned item is not drawn upside down), then the mirror.
QTransform uprightTurn(const QTransform &matrix)
{
    QTransform turn;
    const int index = GraphicsItem::rotationIndexOf(matrix);
    if (index != 0)
        turn.rotate(-GraphicsItem::angles[index]);
    if (GraphicsItem::isMirroredMatrix(matrix))
        turn.scale(-1, 1);
    return turn;
}

int uprightAlignment(int alignment, const QTransform &matrix)
{
    return translateAlignment(alignment, GraphicsItem::rotationIndexOf(matrix), GraphicsItem::isMirroredMatrix(matrix));
}

} // namespace

void drawTextAt(const GraphicsItem *item, QPainter *painter, const QPointF &anchor, int alignment,
                const QString &text)
{
    if (!painter)
        return;
    const QTransform matrix = item ? sheetMatrix(item) : QTransform();
    if (readsStraight(matrix)) {
        const QRectF box = painter->boundingRect(QRectF(anchor, QSizeF(0, 0)), alignment, text);
        painter->drawText(box, alignment, text);
        return;
    }
    const int turned = uprightAlignment(alignment, matrix);
    painter->save();
    painter->translate(anchor);
    painter->setTransform(uprightTurn(matrix), true);
    const QRectF box = painter->boundingRect(QRectF(0, 0, 0, 0), turned, text);
    painter->drawText(box, turned, text);
    painter->restore();
}

QRectF textRect(const GraphicsItem *item, const QFont &font, const QPointF &anchor, int alignment,
                const QString &text)
{
    const QTransform matrix = item ? sheetMatrix(item) : QTransform();
    if (readsStraight(matrix))
        return textBoundingRect(font, QRectF(anchor, QSizeF(0, 0)), alignment, text);
    const int turned = uprightAlignment(alignment, matrix);
    const QRectF box = textBoundingRect(font, QRectF(0, 0, 0, 0), turned, text);
    return uprightTurn(matrix).mapRect(box).translated(anchor);
}

namespace {

int swapLeftRight(int alignment)
{
    const int h = alignment & Qt::AlignHorizontal_Mask;
    const int rest = alignment & ~Qt::AlignHorizontal_Mask;
    if (h == Qt::AlignLeft)
        return rest | Qt::AlignRight;
    if (h == Qt::AlignRight)
        return rest | Qt::AlignLeft;
    return alignment;
}

int swapTopBottom(int alignment)
{
    const int v = alignment & Qt::AlignVertical_Mask;
    const int rest = alignment & ~Qt::AlignVertical_Mask;
    if (v == Qt::AlignTop)
        return rest | Qt::AlignBottom;
    if (v == Qt::AlignBottom)
        return rest | Qt::AlignTop;
    return alignment;
}

} // namespace

void drawTextInRect(const GraphicsItem *item, QPainter *painter, const QRectF &rect, int alignment,
                    const QString &text, bool vertical)
{
    if (!painter)
        return;
    const QRectF r = rect.normalized();
    const QRectF turnedBox(0, 0, r.height(), r.width());
    const QTransform matrix = item ? sheetMatrix(item) : QTransform();
    const bool mirrored = GraphicsItem::isMirroredMatrix(matrix);

    if (!mirrored) {
        if (!vertical) {
            painter->drawText(r, alignment, text);
            return;
        }
        painter->save();
        painter->translate(r.bottomLeft());
        painter->rotate(-90);
        painter->drawText(turnedBox, alignment, text);
        painter->restore();
        return;
    }

    painter->save();
    painter->scale(-1, 1);
    if (GraphicsItem::rotationIndexOf(matrix) == 2) {
        // Mirrored and half turned: a flip about the horizontal axis.
        painter->rotate(-180);
        if (!vertical) {
            painter->translate(0, -2 * r.top() - r.height());
            painter->drawText(r, swapTopBottom(alignment), text);
        } else {
            painter->translate(r.left(), -r.top());
            painter->rotate(-90);
            painter->drawText(turnedBox, swapLeftRight(alignment), text);
        }
    } else if (!vertical) {
        painter->translate(-2 * r.left() - r.width(), 0);
        painter->drawText(r, swapLeftRight(alignment), text);
    } else {
        painter->translate(-r.left() - r.width(), r.top() + r.height());
        painter->rotate(-90);
        painter->drawText(turnedBox, alignment, text);
    }
    painter->restore();
}

void drawRectCross(QPainter *painter, const QRectF &rect, bool keepPen, bool skip)
{
    if (!painter || (!keepPen && skip))
        return;
    const QPen previous = painter->pen();
    if (!keepPen)
        painter->setPen(penGreen);
    painter->drawLine(rect.topLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomLeft());
    if (!keepPen)
        painter->setPen(previous);
}

void drawSelection(QPainter *painter, const QStyleOptionGraphicsItem *option, const QRectF *rect)
{
    if (!painter || !option || !(option->state & QStyle::State_Selected))
        return;
    const QPen pen = painter->pen();
    const QBrush brush = painter->brush();
    painter->setPen(penBlueThin);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect ? *rect : QRectF(option->rect));
    painter->setPen(pen);
    painter->setBrush(brush);
}

QRectF cutRect(const QRectF &rect, double thickness, int side, QRectF *strip)
{
    if (!rect.isValid() || !(thickness > 0)) {
        qDebug("x=%f y=%f w=%f h=%f", rect.x(), rect.y(), rect.width(), rect.height());
        return rect;
    }
    QRectF result = rect;
    QRectF cut = rect;
    switch (side) {
    case 0:
        result.setLeft(rect.left() + thickness);
        cut.setRight(result.left());
        break;
    case 1:
        result.setRight(rect.right() - thickness);
        cut.setLeft(result.right());
        break;
    case 2:
        result.setTop(rect.top() + thickness);
        cut.setBottom(result.top());
        break;
    default:
        result.setBottom(rect.bottom() - thickness);
        cut.setTop(result.bottom());
        break;
    }
    if (strip)
        *strip = cut;
    return result;
}

bool splitAtLastSeparator(const QString &name, QString &left, QString &right)
{
    const int at = int(name.lastIndexOf(nameSeparator));
    if (name.isEmpty() || at < 0)
        return false;
    left = name.left(at);
    right = name.mid(at + 1);
    return true;
}
