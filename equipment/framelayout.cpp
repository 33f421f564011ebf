#include "equipment/framelayout.h"

#include "devices/clamp.h"
#include "equipment/boardcatalogue.h"
#include "equipment/checklog.h"
#include "equipment/dlgproppanel.h"
#include "equipment/equipmentmenager.h"
#include "equipment/frame.h"
#include "equipment/frameedit.h"
#include "equipment/frametypes.h"
#include "equipment/graphicsboard.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/panelcatalogue.h"
#include "equipment/place.h"
#include "equipment/placecatalogue.h"
#include "equipment/placetypes.h"
#include "equipment/wiringlayout.h"
#include "graphics/dlgpropgraphicsitem.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/device.h"
#include "model/itemtypes.h"
#include "model/project.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QSet>

#include <functional>
#include <utility>

namespace {

// The kinds of items the user inserts into a frame layout.
const FrameItemType itemTypes[] = {
    {QGraphicsItem::UserType + 102, createGraphicsFramePanel, createDlgPropPanel,
     QT_TRANSLATE_NOOP("FrameLayout", "Panel")},
    {QGraphicsItem::UserType + 103, createGraphicsBoard, createDlgPropBoard,
     QT_TRANSLATE_NOOP("FrameLayout", "Board")},
};
const int itemTypeCount = int(std::size(itemTypes));

QList<FrameItemType> &registry()
{
    static QList<FrameItemType> types;
    return types;
}

const int partType = QGraphicsItem::UserType + 104;

// Files before format 7 hold no record of this part kind.
const int recordlessPartKind = 56;
const int recordlessBeforeFormat = 7;

// Whether the file holds no records of the item at all.
bool recordless(const GraphicsItem *item, const DataStream &stream)
{
    if (stream.formatIndex() >= recordlessBeforeFormat || item->type() != partType)
        return false;
    const auto *part = dynamic_cast<const GraphicsFramePart *>(item);
    return part && part->partKind() == recordlessPartKind;
}

// The top-level container that holds the place: a frame part, a panel or a
// board; null without a place.
GraphicsPlaceContainer *holderOf(Place *place)
{
    GraphicsPlaceContainer *top = place ? place->container() : nullptr;
    while (top) {
        auto *up = dynamic_cast<GraphicsPlaceContainer *>(top->parentItem());
        if (!up)
            break;
        top = up;
    }
    return top;
}

QRectF shrunk(const QRectF &rect)
{
    return rect.normalized().adjusted(1.75, 1.75, -1.75, -1.75);
}

// The places of a frame's parts, down through the containers they hold, in
// the order of the tree (a place, then what its item holds), with the items
// held. The places of an item's subtree follow its place's index up to the
// item's end.
struct PlacementTree
{
    struct Slot
    {
        Place *place;
        QRectF rect;
    };
    struct Held
    {
        GraphicsPlaceItem *item;
        QRectF body; // shrunk: touching neighbours meet nothing
        int place;
        int end;
    };

    PlacementTree(const QList<GraphicsFramePart *> &parts, qsizetype expected)
        : places(std::exchange(spare().places, {})), items(std::exchange(spare().items, {}))
    {
        places.clear();
        items.clear();
        places.reserve(size_t(expected));
        for (GraphicsFramePart *part : parts)
            add(part);
    }
    // The lists keep their room for the next tree: a load builds one per
    // frame.
    ~PlacementTree()
    {
        spare().places = std::move(places);
        spare().items = std::move(items);
    }
    PlacementTree(const PlacementTree &) = delete;
    PlacementTree &operator=(const PlacementTree &) = delete;

    void add(GraphicsPlaceContainer *container)
    {
        container->prefetchPlaces();
        for (Place *place : container->places()) {
            const int index = int(places.size());
            places.push_back({place, place->sceneRect()});
            GraphicsPlaceItem *held = place->item();
            if (!held)
                continue;
            const size_t at = items.size();
            items.push_back({held, shrunk(held->sceneBodyRect()), index, index + 1});
            if (GraphicsPlaceContainer *container = GraphicsPlaceContainer::asContainer(held))
                add(container);
            items[at].end = int(places.size());
        }
    }

    // Whether the place of the index is the item's own or one of its
    // subtree.
    static bool holds(const Held &held, int index) { return index >= held.place && index < held.end; }

    // A rectangle's edges, for a test of meeting that gives what
    // QRectF::intersects gives, without a call per pair.
    struct Edges
    {
        explicit Edges(const QRectF &r)
            : left(r.width() < 0 ? r.x() + r.width() : r.x()),
              right(r.width() < 0 ? r.x() : r.x() + r.width()),
              top(r.height() < 0 ? r.y() + r.height() : r.y()),
              bottom(r.height() < 0 ? r.y() : r.y() + r.height())
        {
        }
        bool isNull() const { return left == right || top == bottom; }
        qreal left;
        qreal right;
        qreal top;
        qreal bottom;
    };

    // The places that may be covered, by the top of their rectangles, for
    // the search of the places an item's body meets: in classes of height,
    // so that the search looks above a body only as far as the tallest
    // place of each class reaches, and the few tall ones apart. A place of
    // no area meets nothing and is left out.
    template <class Coverable>
    void sortByTop(Coverable coverable)
    {
        std::vector<std::pair<double, int>> byTop[classCount];
        for (int i = 0; i < int(places.size()); ++i) {
            const QRectF &rect = places[size_t(i)].rect;
            if (!coverable(places[size_t(i)].place))
                continue;
            if (rect.height() > tallPlace) {
                tall.push_back(i);
                continue;
            }
            int c = 0;
            while (c + 1 < classCount && rect.height() > classHeight[c])
                ++c;
            byTop[c].emplace_back(rect.top(), i);
            tallest[c] = qMax(tallest[c], rect.height());
        }
        for (int c = 0; c < classCount; ++c) {
            std::sort(byTop[c].begin(), byTop[c].end());
            rows[c].reserve(byTop[c].size());
            for (const auto &entry : byTop[c]) {
                const Edges edges(places[size_t(entry.second)].rect);
                if (!edges.isNull())
                    rows[c].push_back({entry.first, entry.second, edges});
            }
        }
    }

    template <class F>
    void forPlacesMeeting(const QRectF &rect, F visit) const
    {
        for (int i : tall) {
            if (places[size_t(i)].rect.intersects(rect))
                visit(i);
        }
        const Edges edges(rect);
        if (edges.isNull())
            return;
        const double to = rect.bottom();
        for (int c = 0; c < classCount; ++c) {
            const double from = rect.top() - tallest[c];
            auto it = std::lower_bound(rows[c].cbegin(), rows[c].cend(), from,
                                       [](const Row &row, double top) { return row.top < top; });
            for (; it != rows[c].cend() && it->top <= to; ++it) {
                const Edges &e = it->edges;
                if (e.left < edges.right && edges.left < e.right && e.top < edges.bottom && edges.top < e.bottom)
                    visit(it->place);
            }
        }
    }

    struct Spare
    {
        std::vector<Slot> places;
        std::vector<Held> items;
    };
    static Spare &spare()
    {
        thread_local Spare lists;
        return lists;
    }

    static constexpr double tallPlace = 480;
    static constexpr int classCount = 4;
    static constexpr double classHeight[classCount] = {60, 120, 240, tallPlace};
    std::vector<Slot> places;
    std::vector<Held> items;
    struct Row
    {
        double top; // the rectangle's top as it was given
        int place;
        Edges edges;
    };
    std::vector<Row> rows[classCount];
    std::vector<int> tall;
    double tallest[classCount] = {};
};

// Whether the item is a container whose own places meet the rectangle: a
// place under it is covered by a container (state 3), else by an item.
bool placesMeet(GraphicsPlaceItem *item, const QRectF &rect)
{
    GraphicsPlaceContainer *container = GraphicsPlaceContainer::asContainer(item);
    if (!container)
        return false;
    for (const Place *place : container->places()) {
        if (place->sceneRect().intersects(rect))
            return true;
    }
    return false;
}

QString heatingText(const char *text)
{
    return QCoreApplication::translate("GraphicsHeating", text);
}

void drawSocket(QPainter *painter, double x, double y, int n)
{
    painter->drawText(QRectF(x, y, 100, 50), Qt::AlignCenter, heatingText("SH.R.") + QString::number(n));
    painter->drawEllipse(QRectF(x + 10, y + 50, 80, 80));
    const QBrush brush = painter->brush();
    painter->setBrush(QBrush(painter->pen().color(), Qt::SolidPattern));
    painter->drawEllipse(QRectF(x + 25, y + 85, 10, 10));
    painter->drawEllipse(QRectF(x + 65, y + 85, 10, 10));
    painter->setBrush(brush);
}

void drawLamp(QPainter *painter, double x, double y, int n)
{
    painter->drawEllipse(QRectF(x + 30, y + 50, 60, 60));
    painter->drawLine(QPointF(x + 60, y + 50), QPointF(x + 80, y));
    painter->drawLine(QPointF(x + 80, y), QPointF(x + 120, y));
    painter->drawText(QRectF(x, y, 60, 50), Qt::AlignCenter, heatingText("V") + QString::number(n));
}

void drawLight(QPainter *painter, double x, double y, int n)
{
    painter->drawText(QRectF(x, y, 80, 50), Qt::AlignCenter, heatingText("L") + QString::number(n));
    const QRectF circle(x, y + 50, 80, 80);
    painter->drawEllipse(circle);
    painter->drawChord(circle, 2160, 2880);
    painter->drawChord(circle, 720, 2880);
}

} // namespace

FrameLayout::FrameLayout(Project *project, Frame *frame)
    : GraphicsScene(project)
    , m_frame(frame)
{
    setGridStep(40);
    setSheetFormat(PaperA3, false, 1);
    keepItemsApart();
}

FrameLayout::~FrameLayout()
{
    // Whatever leaves its place now leaves a layout that goes, and the
    // pages kept for its next rebuild with it.
    ++m_coveringHeld;
    for (const auto &entry : std::as_const(m_leftPages))
        delete entry.second;
    m_leftPages.clear();
    if (isClosing()) {
        // One repaint of all is asked for first: the items let go of their
        // places below without each asking for its own rectangle. The parts
        // and panels delete their pages with themselves; the walk of
        // clearing over every place serves a layout that stays.
        update();
        const QList<WiringLayout *> pages = std::exchange(m_wiringPages, {});
        qDeleteAll(pages);
    } else {
        clearWiringLayouts();
    }
    // The places go with their parts; nothing may point into them then,
    // but for the items of a closing project, which go as well and leave
    // their places alone.
    m_highlighted = nullptr;
    for (GraphicsFramePart *part : isClosing() ? QList<GraphicsFramePart *>() : m_parts) {
        QList<GraphicsPlaceItem *> held;
        part->collectHeldItems(held);
        for (GraphicsPlaceItem *item : std::as_const(held)) {
            if (!item->parentItem())
                item->removeFromPlace();
        }
    }
    m_parts.clear();
}

void FrameLayout::registerItemTypes()
{
    registry().clear();
    for (int i = 0; i < itemTypeCount; ++i)
        registry().append(itemTypes[i]);
}

const FrameItemType *FrameLayout::itemType(int typeId)
{
    for (const FrameItemType &row : registry()) {
        if (row.typeId == typeId)
            return &row;
    }
    return nullptr;
}

GraphicsItem *FrameLayout::createItem(int type)
{
    if (!CHECK(type >= 1))
        return nullptr;
    if (const FrameItemType *row = itemType(type))
        return row->createItem ? row->createItem(this) : nullptr;
    return GraphicsScene::createItem(type);
}

DlgPropGraphicsItem *FrameLayout::createDialog(int type)
{
    if (!CHECK(type >= 1))
        return nullptr;
    const FrameItemType *row = itemType(type);
    if (!row)
        return GraphicsScene::createDialog(type);
    DlgPropGraphicsItem *dialog = row->createDialog ? row->createDialog(this) : nullptr;
    if (dialog)
        dialog->setWindowTitle(QCoreApplication::translate("FrameLayout", row->name));
    return dialog;
}

bool FrameLayout::hasDialog(int type) const
{
    return itemType(type) || primitiveType(type);
}

GraphicsEdit *FrameLayout::createEdit(QList<QAction *> *actions)
{
    auto *edit = new FrameEdit(actions);
    edit->setScene(this);
    return edit;
}

QString FrameLayout::displayName() const
{
    return QStringLiteral("F ") + frameAddress().numberText(0) + QString::asprintf("_%.2d", number())
        + GraphicsScene::displayName();
}

int FrameLayout::groupNumber() const
{
    return m_frame ? m_frame->atrNumber() : 0;
}

QString FrameLayout::property(int id) const
{
    return m_frame ? m_frame->property(id, false) : GraphicsScene::property(id);
}

void FrameLayout::forgetItem(GraphicsItem *item)
{
    for (int i = 0; i < m_parts.size(); ++i) {
        if (static_cast<GraphicsItem *>(m_parts[i]) == item) {
            m_parts.removeAt(i);
            break;
        }
    }
    GraphicsScene::forgetItem(item);
}

Address FrameLayout::frameAddress() const
{
    return m_frame ? m_frame->address() : Address();
}

void FrameLayout::setFrameType(int type)
{
    if (!CHECK(type >= 0 && type < frameTypeCount))
        return;
    m_wiringChanged = true;
    setHighlighted(nullptr);
    // The old parts leave with everything placed in them: the devices lose
    // their places at once, the items go once control returns to the event
    // loop.
    while (!m_parts.isEmpty()) {
        GraphicsFramePart *part = m_parts.takeFirst();
        part->clearCovering();
        QList<GraphicsPlaceItem *> held;
        part->collectHeldItems(held);
        for (GraphicsPlaceItem *item : std::as_const(held)) {
            if (item->parentItem())
                continue;
            item->removeFromPlace();
            if (auto *deviceItem = dynamic_cast<GraphicsPlaceItemDevice *>(item)) {
                Device *device = deviceItem->device();
                deviceItem->forgetDevice();
                if (device)
                    device->forgetPlaceItem(deviceItem);
            }
            removeGraphicsItem(item);
        }
        removeGraphicsItem(part);
    }

    const FrameTypeInfo &row = frameTypes[type];
    for (int i = 0; i < row.partCount; ++i) {
        const int kind = row.parts[i];
        if (!CHECK(kind >= 0 && kind < framePartKindCount))
            continue;
        const int containerKind = framePartKinds[kind].containerKind;
        const ContainerKindInfo *container = containerKindInfo(containerKind);
        if (!CHECK(container != nullptr))
            continue;
        auto *part = new GraphicsFramePart(this, kind);
        part->setContainerKind(containerKind);
        if (!addGraphicsItem(part)) {
            delete part;
            continue;
        }
        m_parts.append(part);
        const EquipmentModelInfo *model = equipmentModelInfo(container->model);
        if (CHECK(model != nullptr))
            part->setPosQuiet(QPointF(model->x, model->y));
    }
    updateCovering();
}

void FrameLayout::updateAddresses()
{
    m_wiringChanged = true;
    const Address address = frameAddress();
    for (GraphicsFramePart *part : std::as_const(m_parts))
        part->setAddress(address, 2);
    if (m_frame)
        m_frame->refreshShownDocuments();
    else if (project())
        project()->emitNameChangedGraphicsScene(*this);
}

GraphicsFramePart *FrameLayout::partForClampPanelModel(int model) const
{
    for (GraphicsFramePart *part : m_parts) {
        if (part->hasClampPanelModel(model))
            return part;
    }
    return nullptr;
}

int FrameLayout::clampStripTypeInFrame(int model) const
{
    if (!project())
        return -1;
    // The clamp panels of this frame's code, found in what the frames of
    // that code hold.
    const quint32 code = frameAddress().packedFrameCode();
    EquipmentMenager *equipment = project()->equipment();
    for (Device *device : equipment ? equipment->placedDevices(code, ClampPanelKind) : QList<Device *>()) {
        auto *panel = dynamic_cast<ClampPanel *>(device);
        if (panel && panel->modelIndex() == model)
            return panel->stripType();
    }
    return -1;
}

void FrameLayout::setHighlighted(Place *place)
{
    if (place == m_highlighted)
        return;
    Place *former = m_highlighted;
    m_highlighted = place;
    if (former)
        former->update();
    if (place)
        place->update();
}

Place *FrameLayout::findDropPlace(GraphicsPlaceItem *item, const QPointF &scenePoint) const
{
    for (GraphicsFramePart *part : m_parts) {
        if (Place *found = part->findDropPlace(item, scenePoint))
            return found;
    }
    return nullptr;
}

void FrameLayout::trackDrop(GraphicsPlaceItem *item, const QPointF &scenePoint)
{
    m_highlightPoint = scenePoint;
    setHighlighted(findDropPlace(item, scenePoint));
}

void FrameLayout::trackCarriedDrop(GraphicsPlaceItem *item, const QPointF &cursor)
{
    // The grid keeps the item's centre at whole steps: a place narrower
    // than a step may hold none of them, the cursor any point.
    Place *found = findDropPlace(item, cursor);
    QPointF at = cursor;
    if (!found) {
        at = item->sceneBodyRect().center();
        found = findDropPlace(item, at);
    }
    m_highlightPoint = at;
    setHighlighted(found);
}

void FrameLayout::dropItem(GraphicsPlaceItem *item)
{
    // The place lit takes the item, asked as it was lit: a carried item is
    // lit at its centre, which the grid keeps beside the mouse.
    Place *target = m_highlighted;
    setHighlighted(nullptr);
    putInto(item, target, m_highlightPoint);
}

void FrameLayout::finishDrag()
{
    setHighlighted(nullptr);
    QList<std::pair<GraphicsPlaceItem *, QPointF>> containers;
    QList<std::pair<GraphicsPlaceItem *, QPointF>> others;
    for (GraphicsItem *item : graphicsItems()) {
        auto *placeItem = dynamic_cast<GraphicsPlaceItem *>(item);
        QPointF at;
        if (placeItem && placeItem->endDrag(at))
            (GraphicsPlaceContainer::asContainer(placeItem) ? containers : others).append({placeItem, at});
    }
    // Containers first, so that what they hold finds their places; each
    // group again while a pass places one, for containers in containers.
    for (auto *group : {&containers, &others}) {
        for (bool placed = true; placed && !group->isEmpty();) {
            placed = false;
            for (qsizetype i = 0; i < group->size();) {
                const auto [item, at] = group->at(i);
                putInto(item, findDropPlace(item, at), at);
                if (item->place()) {
                    group->removeAt(i);
                    placed = true;
                } else {
                    ++i;
                }
            }
        }
    }
}

void FrameLayout::putInto(GraphicsPlaceItem *item, Place *target, const QPointF &scenePoint)
{
    if (!item || !target || !target->canDrop(item, scenePoint))
        return;
    // A device dropped by the user shows its new address on its schemes.
    if (auto *deviceItem = dynamic_cast<GraphicsPlaceItemDevice *>(item)) {
        if (deviceItem->device())
            deviceItem->device()->setShowAddress(true);
    }
    target->putItem(item);
}

void FrameLayout::forgetPlace(Place *place)
{
    if (place == m_highlighted)
        m_highlighted = nullptr;
}

bool FrameLayout::isAreaFree(const QRectF &sceneRect, const Place *target) const
{
    const QRectF area = shrunk(sceneRect);
    // The target stands in its containers: their places and bodies hold it.
    QSet<const Place *> chain;
    QSet<const GraphicsPlaceItem *> holders;
    for (const Place *place = target; place;) {
        chain.insert(place);
        GraphicsPlaceContainer *container = place->container();
        if (!container)
            break;
        holders.insert(container);
        place = container->place();
    }
    const PlacementTree tree(m_parts, m_placeCount);
    QList<int> meeting;
    for (int i = 0; i < int(tree.places.size()); ++i) {
        const Place *place = tree.places[size_t(i)].place;
        if (chain.contains(place) || !tree.places[size_t(i)].rect.intersects(area))
            continue;
        if (place->mark() != Place::Normal)
            return false;
        // A container standing there lets the area be taken where its own
        // places are free: they follow it in the tree. So a panel spanning
        // rows of NSH panels stands over a neighbour's empty places.
        if (GraphicsPlaceItem *item = place->item()) {
            if (!GraphicsPlaceContainer::asContainer(item))
                return false;
            continue;
        }
        meeting.append(i);
    }
    for (const PlacementTree::Held &held : tree.items) {
        if (holders.contains(held.item))
            continue;
        if (!GraphicsPlaceContainer::asContainer(held.item) && held.body.intersects(sceneRect))
            return false;
        for (int i : std::as_const(meeting)) {
            if (!PlacementTree::holds(held, i) && tree.places[size_t(i)].rect.intersects(held.body))
                return false;
        }
    }
    return true;
}

void FrameLayout::updateCovering()
{
    if (m_coveringHeld > 0 || isClosing()) {
        m_coveringDue = m_coveringHeld > 0;
        return;
    }
    m_coveringDue = false;
    PlacementTree tree(m_parts, m_placeCount);
    m_placeCount = qsizetype(tree.places.size());
    // Only an empty place of a type is ever covered, unless marked 2. The
    // file holds one state a place: a place marked 1 reads back as covered
    // where an item meets it, so an item that comes to meet it covers it
    // here too, in place of the mark.
    tree.sortByTop([](const Place *place) {
        return !place->item() && place->mark() != Place::Marked && place->placeType() != -1;
    });
    std::vector<std::pair<GraphicsPlaceItem *, int>> covers(tree.places.size(), {nullptr, Place::Normal});
    for (const PlacementTree::Held &held : tree.items) {
        if (held.body.isEmpty())
            continue;
        // A place that lies within the item's own place, of a panel that
        // reaches there from a place of its own (one spanning NSH rows over
        // the panel of the row above), stands over the item: not covered.
        const QRectF own = tree.places[size_t(held.place)].rect;
        const auto standsOver = [&own](const Place *place, const QRectF &rect) {
            const GraphicsPlaceContainer *container = place->container();
            return container && container->place() && GraphicsPlaceItem::asksForArea(container->modelId())
                && own.contains(shrunk(rect));
        };
        tree.forPlacesMeeting(held.body, [&](int i) {
            auto &cover = covers[size_t(i)];
            if (cover.first || PlacementTree::holds(held, i)
                || standsOver(tree.places[size_t(i)].place, tree.places[size_t(i)].rect))
                return;
            cover.first = held.item;
            cover.second = placesMeet(held.item, tree.places[size_t(i)].rect) ? Place::CoveredByContainer
                                                                              : Place::Covered;
        });
    }
    for (size_t i = 0; i < covers.size(); ++i)
        tree.places[i].place->setCover(covers[i].first, covers[i].second);
}

void FrameLayout::placementChanged(const Place *place)
{
    GraphicsPlaceContainer *top = place ? place->container() : nullptr;
    while (top && top->place())
        top = top->place()->container();
    for (GraphicsFramePart *part : std::as_const(m_parts)) {
        if (part == top) {
            updateCovering();
            return;
        }
    }
}

FrameLayout::CoveringBatch::CoveringBatch(FrameLayout *layout)
    : m_layout(layout)
{
    if (m_layout)
        ++m_layout->m_coveringHeld;
}

FrameLayout::CoveringBatch::~CoveringBatch()
{
    if (m_layout && --m_layout->m_coveringHeld == 0 && m_layout->m_coveringDue)
        m_layout->updateCovering();
}

void FrameLayout::holdForLoad()
{
    if (std::exchange(m_heldForLoad, true))
        return;
    ++m_coveringHeld;
}

void FrameLayout::releaseLoadHold()
{
    if (!std::exchange(m_heldForLoad, false))
        return;
    m_coveringDue = true;
    const CoveringBatch last(this);
    --m_coveringHeld;
}

void FrameLayout::registerPlace(qint32 id, Place *place)
{
    if (!place)
        return;
    m_placeMap.insert(id, place);
    if (project())
        project()->keepIdentity(place, id, Project::PlaceIdentities);
}

QList<GraphicsItem *> FrameLayout::recordOrder() const
{
    QList<GraphicsItem *> order;
    for (GraphicsFramePart *part : m_parts)
        order.append(part);
    for (GraphicsItem *item : graphicsItems()) {
        if (item && item->type() != partType)
            order.append(item);
    }
    return order;
}

void FrameLayout::saveScene(DataStream &stream)
{
    Project *owner = project();
    for (GraphicsFramePart *part : std::as_const(m_parts))
        part->saveData(stream);

    QByteArray records;
    DataStream buffer(&records, QIODevice::WriteOnly);
    buffer.setFormatIndex(stream.formatIndex());
    qint32 count = 0;
    for (GraphicsItem *item : graphicsItems()) {
        if (!CHECK_PTR(item))
            continue;
        const int type = item->type();
        if (type == partType)
            continue;
        if (type >= firstPlaceDeviceType) {
            auto *placed = dynamic_cast<GraphicsPlaceItemDevice *>(item);
            // A device item in no place is not kept.
            if (!placed || !placed->place() || !placed->device())
                continue;
            buffer << qint32(type) << qint32(owner ? owner->identity(placed->device()) : 0);
            placed->saveData(buffer);
        } else if (type >= firstContainerType) {
            auto *container = dynamic_cast<GraphicsPlaceContainer *>(item);
            if (!CHECK_PTR(container))
                continue;
            buffer << qint32(type) << qint32(container->containerType());
            container->saveData(buffer);
        } else {
            buffer << qint32(type);
            item->saveData(buffer);
        }
        ++count;
    }
    stream << count;
    stream.writeRawData(records.constData(), int(records.size()));
}

bool FrameLayout::loadScene(DataStream &stream)
{
    for (GraphicsFramePart *part : std::as_const(m_parts)) {
        if (recordless(part, stream))
            continue;
        part->loadData(stream);
        if (stream.status() != QDataStream::Ok)
            return false;
    }
    qint32 count = 0;
    stream >> count;
    // Every record holds at least its type id.
    const qint64 left = stream.bytesLeft();
    if (stream.status() != QDataStream::Ok || count < 0 || count > left / 4)
        return false;
    for (qint32 i = 0; i < count; ++i) {
        qint32 type = 0;
        stream >> type;
        if (stream.status() != QDataStream::Ok || type < 1)
            return false;
        // A damaged record fails the pass, which names the file: no box of
        // its own.
        GraphicsItem *item = nullptr;
        if (type < firstPlaceDeviceType) {
            if (type == partType || !(itemType(type) || primitiveType(type)))
                return false;
            item = createItem(type);
            if (!item)
                return false;
            if (type >= firstContainerType) {
                qint32 containerType = -1;
                stream >> containerType;
                // The layout's registry makes panels and boards: containers.
                const bool made = item->type() >= firstContainerType && item->type() < endContainerType;
                auto *container = made ? static_cast<GraphicsPlaceContainer *>(item) : nullptr;
                if (!container || stream.status() != QDataStream::Ok) {
                    delete item;
                    return false;
                }
                // A panel or board type outside its table keeps its number
                // without places; it is reported once the load is done.
                const bool known = type == panelType ? panelTypeInfo(containerType) != nullptr
                                                     : boardTypeInfo(containerType) != nullptr;
                if (EquipmentMenager *equipment = project() ? project()->equipment() : nullptr)
                    LOG_CHECK(equipment->loadLog(), known);
                if (known)
                    container->setContainerType(containerType);
                else
                    container->keepContainerType(containerType);
            }
        } else {
            qint32 id = 0;
            stream >> id;
            Device *device = asDevice(project() ? project()->objByOldId(id) : nullptr);
            // A device stands in one place only.
            if (stream.status() != QDataStream::Ok || !device || device->placeItem())
                return false;
            item = device->createPlaceItem(this);
            if (!item)
                return false;
        }
        item->loadData(stream);
        if (!addGraphicsItem(item)) {
            delete item;
            return false;
        }
        if (stream.status() != QDataStream::Ok)
            return false;
    }
    return true;
}

bool FrameLayout::saveItemsGeometry(DataStream &stream)
{
    for (GraphicsItem *item : recordOrder()) {
        if (!CHECK_PTR(item))
            return false;
        item->saveGeometry(stream);
    }
    setModified(false);
    return true;
}

bool FrameLayout::loadItemsGeometry(DataStream &stream)
{
    // In the order of recordOrder, without listing the items first.
    const auto load = [&stream](GraphicsItem *item) {
        if (!CHECK_PTR(item))
            return false;
        if (!recordless(item, stream))
            item->loadGeometry(stream);
        return stream.status() == QDataStream::Ok;
    };
    // The pass meets the layout long after it was read: its memory is
    // asked for ahead of the walk.
    for (GraphicsFramePart *part : std::as_const(m_parts))
        part->prefetchPlaces();
    for (GraphicsFramePart *part : std::as_const(m_parts)) {
        if (!load(part))
            return false;
    }
    const qsizetype count = graphicsItems().size();
    const qsizetype ahead = 4;
    for (qsizetype i = 0; i < qMin(ahead, count); ++i)
        __builtin_prefetch(graphicsItems().at(i));
    for (qsizetype i = 0; i < count && i < graphicsItems().size(); ++i) {
        if (i + ahead < graphicsItems().size())
            __builtin_prefetch(graphicsItems().at(i + ahead));
        GraphicsItem *item = graphicsItems().at(i);
        if (item && item->type() != partType && !load(item))
            return false;
    }
    // As loaded, the sheet matches its file.
    setModified(false);
    return true;
}

bool FrameLayout::fitPanels(const QList<GraphicsPlaceItem *> &panels)
{
    // A panel saved in a place of another panel is fitted right after that
    // panel, so that it takes the place where the holder stands.
    QHash<GraphicsPlaceItem *, GraphicsPlaceItem *> holders;
    for (GraphicsPlaceItem *panel : panels) {
        GraphicsPlaceContainer *holder = holderOf(m_placeMap.value(panel->savedPlace()));
        if (holder && holder != panel && holder->type() == panelType)
            holders.insert(panel, holder);
    }
    QList<GraphicsPlaceItem *> waiting = panels;
    std::function<bool(GraphicsPlaceItem *)> fit = [&](GraphicsPlaceItem *panel) {
        waiting.removeOne(panel);
        if (!panel->updatePlacePointer(m_placeMap))
            return false;
        for (GraphicsPlaceItem *held : panels) {
            if (holders.value(held) == panel && waiting.contains(held) && !fit(held))
                return false;
        }
        return true;
    };
    for (GraphicsPlaceItem *panel : panels) {
        if (waiting.contains(panel) && !waiting.contains(holders.value(panel)) && !fit(panel))
            return false;
    }
    // Panels that hold one another in a ring: the file is damaged.
    return waiting.isEmpty();
}

bool FrameLayout::updatePointers(bool)
{
    // Panels without the raised flag, raised panels, boards, then devices,
    // each in the sheet's order, so that each item stands where its holder
    // stands. A panel or board of a type outside its table has no places
    // and stands in none. Everything goes back into its place first; what
    // covers what is decided once all stand.
    const CoveringBatch batch(this);
    QList<GraphicsPlaceItem *> order[4];
    order[3].reserve(graphicsItems().size());
    bool ok = true;
    for (GraphicsItem *item : graphicsItems()) {
        const int type = item ? item->type() : 0;
        if (type != panelType && type != boardType && type < firstPlaceDeviceType)
            continue;
        // A layout makes the items of these types as place items only.
        auto *placeItem = static_cast<GraphicsPlaceItem *>(item);
        if (type >= firstPlaceDeviceType) {
            order[3].append(placeItem);
        } else if (const ContainerKindInfo *kind =
                       containerKindInfo(static_cast<GraphicsPlaceContainer *>(placeItem)->containerKind())) {
            order[type == boardType ? 2 : kind->raised ? 1 : 0].append(placeItem);
        }
    }
    ok = ok && fitPanels(order[0] + order[1]);
    for (const QList<GraphicsPlaceItem *> &items : {std::cref(order[2]), std::cref(order[3])}) {
        for (GraphicsPlaceItem *item : items) {
            if (!ok)
                break;
            ok = item->updatePlacePointer(m_placeMap);
        }
    }
    m_placeMap.clear();
    releaseLoadHold();
    return ok;
}

void FrameLayout::drawBackground(QPainter *painter, const QRectF &rect)
{
    GraphicsScene::drawBackground(painter, rect);
    if (!painter || !hasFontSet())
        return;
    painter->save();
    painter->setFont(::font(5));
    painter->setPen(penBlack);
    painter->setBrush(Qt::NoBrush);
    const int frameKind = frameAddress().field(0);
    if (frameKind == relayCaseFrameKind) {
        drawRelayCase(painter);
    } else if (frameKind != consoleFrameKind && frameKind != visualFrameKind) {
        for (int i = 0; i < 8; ++i)
            painter->drawText(QRectF(400 + 295 * i, 25, 295, 100), Qt::AlignCenter, QString::number(i + 1));
    }
    if (borderType() == BorderSmall && project()) {
        painter->setFont(::font(7));
        const QString name = project()->projectProperty(2);
        const double width = painter->fontMetrics().horizontalAdvance(name);
        const QRectF sheet = sceneRect();
        painter->drawText(QRectF(sheet.right() - 1940 - width, sheet.bottom() - 220, width, 150), Qt::AlignCenter,
                          name);
    }
    painter->restore();
}

void FrameLayout::drawRelayCase(QPainter *painter)
{
    for (int i = 0; i < 8; ++i)
        painter->drawText(QRectF(995 + 295 * i, 100, 295, 50), Qt::AlignCenter, QString::number(i + 1));
    painter->drawRect(QRectF(260, 150, 590, 2300));
    painter->drawRect(QRectF(3500, 150, 590, 2300));
    painter->drawText(QRectF(260, 100, 590, 50), Qt::AlignCenter, tr("Left side"));
    painter->drawText(QRectF(3500, 100, 590, 50), Qt::AlignCenter, tr("Right side"));
    drawSocket(painter, 510, 2100, 2);
    drawSocket(painter, 2250, 1435, 1);
    drawLamp(painter, 500, 2300, 2);
    drawLamp(painter, 2000, 1445, 1);
    drawLight(painter, 3560, 160, 1);
    drawLight(painter, 3700, 160, 2);
    painter->drawText(QRectF(3900, 160, 100, 50), Qt::AlignCenter, heatingText("TD"));
    painter->drawRect(QRectF(3900, 210, 100, 100));
    painter->drawLine(QPointF(3930, 210), QPointF(3930, 270));
    painter->drawLine(QPointF(3970, 210), QPointF(3970, 270));
    painter->drawLine(QPointF(3930, 270), QPointF(3950, 290));
    painter->drawLine(QPointF(3970, 270), QPointF(3950, 290));
    painter->drawLine(QPointF(3435, 1430), QPointF(3435, 2223.3));
    painter->save();
    painter->translate(915, 2223.3);
    painter->rotate(-90);
    painter->drawRect(QRectF(0, 0, 793.3, 80));
    painter->drawText(QRectF(0, 0, 700, 80), Qt::AlignCenter, tr("BOTTOM CLAMPS"));
    painter->restore();
}
