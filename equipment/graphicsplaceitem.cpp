#include "equipment/graphicsplaceitem.h"

#include "equipment/framelayout.h"
#include "equipment/place.h"
#include "equipment/placecatalogue.h"
#include "graphics/graphicsscene.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QGraphicsSceneMouseEvent>

#include <algorithm>
#include <iterator>

GraphicsPlaceItem::GraphicsPlaceItem(GraphicsScene *scene, GraphicsItem *parent, GraphicsItemFlags frameworkFlags)
    : GraphicsItem(scene, parent, 0, frameworkFlags)
{
}

GraphicsPlaceItem::~GraphicsPlaceItem()
{
    // A closing project's places go too, before or after their items.
    if (m_place && !goesWithProject() && m_place->item() == this)
        m_place->setItem(nullptr);
    m_place = nullptr;
}

QRectF GraphicsPlaceItem::boundingRect() const
{
    return itemRect().adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsPlaceItem::draw(QPainter *, const QStyleOptionGraphicsItem *, bool)
{
}

void GraphicsPlaceItem::saveData(DataStream &stream)
{
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    stream << qint32(project && m_place ? project->identity(m_place, Project::PlaceIdentities) : 0);
}

void GraphicsPlaceItem::loadData(DataStream &stream)
{
    qint32 id = 0;
    stream >> id;
    m_savedPlace = stream.status() == QDataStream::Ok ? id : 0;
}

void GraphicsPlaceItem::saveGeometry(DataStream &)
{
}

void GraphicsPlaceItem::loadGeometry(DataStream &)
{
}

void GraphicsPlaceItem::transformChanged()
{
    removeFromPlace();
    FrameLayout *layout = frameLayout();
    if (!layout)
        return;
    // Moved by the mouse, the item is dropped when the drag ends
    // (FrameLayout::finishDrag). Of several items dragged at once, the one
    // under the mouse shows its place.
    const bool mouseDrags = scene() && scene()->mouseGrabberItem();
    m_inDrag = m_inDrag || mouseDrags;
    if (m_dragging || !mouseDrags)
        layout->trackDrop(this, m_dragging ? m_dragPoint : sceneBodyRect().center());
}

bool GraphicsPlaceItem::endDrag(QPointF &dropPoint)
{
    const bool moved = m_inDrag && !m_place;
    dropPoint = m_dragging ? m_dragPoint : sceneBodyRect().center();
    m_inDrag = false;
    m_dragging = false;
    return moved;
}

int GraphicsPlaceItem::modelId() const
{
    return -1;
}

int GraphicsPlaceItem::addressSuffix() const
{
    return 0;
}

void GraphicsPlaceItem::setPlace(Place *place)
{
    if (place == m_place)
        return;
    prepareGeometryChange();
    m_place = place;
    if (!place)
        return;
    const QPointF at = scenePositionIn(place, modelId());
    setPosQuiet(parentItem() ? parentItem()->mapFromScene(at) : at);
}

void GraphicsPlaceItem::addressChanged()
{
}

bool GraphicsPlaceItem::staysInPlace() const
{
    return false;
}

void PlaceIndex::insert(qint32 id, Place *place)
{
    m_sorted = m_sorted && (m_entries.empty() || m_entries.back().first < id);
    m_entries.emplace_back(id, place);
}

Place *PlaceIndex::value(qint32 id) const
{
    const auto byId = [](const std::pair<qint32, Place *> &a, const std::pair<qint32, Place *> &b) {
        return a.first < b.first;
    };
    if (!m_sorted) {
        std::stable_sort(m_entries.begin(), m_entries.end(), byId);
        // The last of each run of one identity stays.
        auto kept = m_entries.begin();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (std::next(it) != m_entries.end() && std::next(it)->first == it->first)
                continue;
            *kept++ = *it;
        }
        m_entries.erase(kept, m_entries.end());
        m_sorted = true;
    }
    const auto it = std::lower_bound(m_entries.cbegin(), m_entries.cend(), std::make_pair(id, nullptr), byId);
    return it != m_entries.cend() && it->first == id ? it->second : nullptr;
}

void PlaceIndex::clear()
{
    m_entries.clear();
    m_sorted = true;
}

bool GraphicsPlaceItem::updatePlacePointer(const PlaceIndex &places)
{
    const qint32 saved = m_savedPlace;
    m_savedPlace = 0;
    if (saved == 0)
        return true;
    Place *place = places.value(saved);
    if (!place)
        return false;
    return place->putItem(this);
}

QRectF GraphicsPlaceItem::itemRect() const
{
    return GraphicsPlaceItem::itemRectIn(m_place);
}

QRectF GraphicsPlaceItem::itemRectIn(const Place *place) const
{
    const EquipmentModelInfo *model = equipmentModelInfo(modelId());
    if (!model)
        return QRectF();
    if (!place || reachesBeyond(place, modelId()))
        return QRectF(0, 0, model->width, model->height);
    return place->placeRect();
}

bool GraphicsPlaceItem::asksForArea(int model)
{
    const EquipmentModelInfo *info = equipmentModelInfo(model);
    return info && (info->ownSize || info->x != 0 || info->y != 0);
}

bool GraphicsPlaceItem::reachesBeyond(const Place *place, int model)
{
    const EquipmentModelInfo *info = equipmentModelInfo(model);
    if (!info)
        return false;
    if (asksForArea(model) || !place)
        return true;
    // Sizes are rounded to a thousandth of a unit in the catalogue.
    const QRectF rect = place->placeRect();
    return info->width > rect.width() + 0.01 || info->height > rect.height() + 0.01;
}

bool GraphicsPlaceItem::hasOffset() const
{
    return equipmentModelHasOffset(modelId());
}

bool GraphicsPlaceItem::hasOwnSize() const
{
    const EquipmentModelInfo *model = equipmentModelInfo(modelId());
    return model && model->ownSize;
}

QRectF GraphicsPlaceItem::sceneBodyRect() const
{
    return mapRectToScene(boundingRect().adjusted(3.5, 3.5, -3.5, -3.5));
}

QRectF GraphicsPlaceItem::sceneBodyIn(const Place *place) const
{
    if (!place)
        return QRectF();
    return itemRectIn(place).translated(scenePositionIn(place, modelId()));
}

void GraphicsPlaceItem::removeFromPlace()
{
    if (!m_place || staysInPlace())
        return;
    if (m_place->item() == this)
        m_place->setItem(nullptr);
    setPlace(nullptr);
}

QPointF GraphicsPlaceItem::scenePositionIn(const Place *place, int model)
{
    if (!place)
        return QPointF();
    const EquipmentModelInfo *info = equipmentModelInfo(model);
    if (info && (info->x != 0 || info->y != 0))
        return place->mapToScene(QPointF(info->x, place->placeRect().bottom() + info->y));
    return place->scenePos();
}

void GraphicsPlaceItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    m_dragging = true;
    m_dragPoint = event->scenePos();
    GraphicsItem::mouseMoveEvent(event);
}

void GraphicsPlaceItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    GraphicsItem::mouseReleaseEvent(event);
    if (FrameLayout *layout = frameLayout())
        layout->finishDrag();
    m_dragging = false;
}

QVariant GraphicsPlaceItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionChange && m_place)
        return value;
    return GraphicsItem::itemChange(change, value);
}

FrameLayout *GraphicsPlaceItem::frameLayout() const
{
    return FrameLayout::of(graphicsScene());
}
