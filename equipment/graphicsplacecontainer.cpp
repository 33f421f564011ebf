#include "equipment/graphicsplacecontainer.h"

#include "equipment/framelayout.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/place.h"
#include "equipment/placecatalogue.h"
#include "equipment/placetypes.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/device.h"
#include "model/itemtypes.h"
#include "model/project.h"

#include <QCoreApplication>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <new>
#include <utility>

namespace {

// Files before format 7 lack the last place of this kind in frames of
// this frame kind.
const int shortenedKind = 143;
const int shortenedFrameKind = 8;
const int shortenedBeforeFormat = 7;

// The container that built this one into its place, or null: only a
// builder ever becomes a container's parent.
GraphicsPlaceContainer *builderOf(const GraphicsPlaceContainer *container)
{
    GraphicsItem *parent = container->parentItem();
    if (!parent || parent->type() < firstContainerType || parent->type() >= endContainerType)
        return nullptr;
    return static_cast<GraphicsPlaceContainer *>(parent);
}

} // namespace

GraphicsPlaceContainer::GraphicsPlaceContainer(GraphicsScene *scene, GraphicsItem *parent,
                                               GraphicsItemFlags frameworkFlags)
    : GraphicsPlaceItem(scene, parent, frameworkFlags)
{
}

GraphicsPlaceContainer *GraphicsPlaceContainer::asContainer(GraphicsPlaceItem *item)
{
    // The place items of a type in the containers' range are containers:
    // devices' items have types of their own above it.
    if (!item || item->type() < firstContainerType || item->type() >= endContainerType)
        return nullptr;
    return static_cast<GraphicsPlaceContainer *>(item);
}

GraphicsPlaceContainer::~GraphicsPlaceContainer()
{
    // A pre-built container that goes before its builder is not its any
    // more. A builder that goes is a mere item by now.
    if (GraphicsPlaceContainer *builder = builderOf(this)) {
        const qsizetype at = builder->m_nested.indexOf(this);
        if (at >= 0)
            builder->m_nested[at] = nullptr;
    }
    // What a closing project's places hold goes with it, maybe already.
    if (!goesWithProject())
        releasePlaces();
    // The places go while this container is whole: the nested containers,
    // deleted after it as its children, then find no place to leave.
    const qsizetype count = std::exchange(m_places, {}).size();
    destroyPlaces(std::exchange(m_placeBlock, nullptr), count);
}

Place *GraphicsPlaceContainer::placeAt(qsizetype index) const
{
    return static_cast<Place *>(m_placeBlock) + index;
}

void GraphicsPlaceContainer::prefetchPlaces() const
{
    const char *from = static_cast<const char *>(m_placeBlock);
    const char *end = from ? from + sizeof(Place) * size_t(m_places.size()) : nullptr;
    for (const char *line = from; line < end; line += 64)
        __builtin_prefetch(line);
}

void GraphicsPlaceContainer::destroyPlaces(void *block, qsizetype count)
{
    // The last built goes first: each leaves its container's children at
    // their end. Their memory is asked for in that order ahead.
    auto *places = static_cast<Place *>(block);
    const char *from = static_cast<const char *>(block);
    for (const char *line = from + sizeof(Place) * size_t(count); line > from;)
        __builtin_prefetch(line -= 64);
    for (qsizetype i = count; i-- > 0;)
        places[i].~Place();
    ::operator delete(block);
}

QRectF GraphicsPlaceContainer::boundingRect() const
{
    return containerRect().adjusted(-3.5, -3.5, 3.5, 3.5);
}

int GraphicsPlaceContainer::modelId() const
{
    const ContainerKindInfo *kind = containerKindInfo(m_kind);
    return kind ? kind->model : -1;
}

void GraphicsPlaceContainer::setPlace(Place *place)
{
    GraphicsPlaceItem::setPlace(place);
    setAddress(place ? place->address() : Address(), level());
}

int GraphicsPlaceContainer::containerType() const
{
    return -1;
}

bool GraphicsPlaceContainer::setContainerType(int)
{
    return false;
}

void GraphicsPlaceContainer::keepContainerType(int)
{
}

int GraphicsPlaceContainer::level() const
{
    return 2;
}

QRectF GraphicsPlaceContainer::itemRectIn(const Place *) const
{
    return containerRect();
}

QRectF GraphicsPlaceContainer::containerRect() const
{
    const ContainerKindInfo *kind = containerKindInfo(m_kind);
    return kind ? QRectF(0, 0, kind->width, kind->height) : QRectF();
}

GraphicsPlaceItem *GraphicsPlaceContainer::placeItem(int index) const
{
    if (!CHECK(index >= 0 && index < m_places.size()))
        return nullptr;
    return m_places[index]->item();
}

GraphicsPlaceContainer *GraphicsPlaceContainer::nestedContainer(int index) const
{
    return index >= 0 && index < m_nested.size() ? m_nested[index] : nullptr;
}

bool GraphicsPlaceContainer::staysInPlace() const
{
    const GraphicsPlaceContainer *builder = builderOf(this);
    return builder && builder->m_nested.contains(const_cast<GraphicsPlaceContainer *>(this));
}

quint8 GraphicsPlaceContainer::rootFlag() const
{
    const GraphicsPlaceContainer *top = this;
    while (const GraphicsPlaceContainer *up = builderOf(top))
        top = up;
    return top->m_flag;
}

void GraphicsPlaceContainer::clearPlaces()
{
    releasePlaces();
    // The old places and what the builder put into them go at once: the
    // places are children that only the container reaches.
    const qsizetype count = std::exchange(m_places, {}).size();
    const QList<GraphicsPlaceContainer *> nested = std::exchange(m_nested, {});
    void *block = std::exchange(m_placeBlock, nullptr);
    for (GraphicsPlaceContainer *item : nested)
        delete item;
    destroyPlaces(block, count);
}

void GraphicsPlaceContainer::setContainerKind(int kind)
{
    if (kind == m_kind)
        return;
    removeFromPlace();
    clearPlaces();
    prepareGeometryChange();
    m_kind = kind;
    m_addressSet = false;
    const ContainerKindInfo *info = containerKindInfo(kind);
    if (!CHECK(info != nullptr))
        return;

    // Every frame read builds the places of all its panels.
    const qsizetype places = qMax(info->placeCount, 0);
    Rects cells;
    cells.reserve(places);
    layOut(&cells, nullptr, nullptr, nullptr, nullptr);
    m_places.reserve(places);
    // Only a kind that builds containers into its places keeps a row per
    // place for them.
    if (info->nested)
        m_nested.reserve(places);
    qsizetype built = 0;
    qsizetype builtIn = 0;
    for (int i = 0; i < info->placeCount; ++i) {
        if (info->placeTypes[i] == -1)
            continue;
        ++built;
        if (info->nested && info->nested[i].itemType != -1 && info->nested[i].type != -1)
            ++builtIn;
    }
    reserveChildren(built + builtIn);
    auto *block = static_cast<Place *>(::operator new(sizeof(Place) * size_t(qMax(built, qsizetype(1)))));
    m_placeBlock = block;
    FrameLayout *layout = frameLayout();
    int cell = 0;
    for (int i = 0; i < info->placeCount; ++i) {
        const int type = info->placeTypes[i];
        if (type == -1)
            continue;
        const PlaceTypeInfo *typeInfo = placeTypeInfo(type);
        if (!CHECK(typeInfo != nullptr) || !CHECK(cell < cells.size()))
            continue;
        const quint8 number = quint8(info->firstNumber + info->numberStep * i);
        auto *place = new (block + m_places.size()) Place(graphicsScene(), this, type, number);
        const QRectF &at = cells[cell];
        place->setPos(at.left(), at.bottom() - typeInfo->height);
        m_places.append(place);
        if (info->nested)
            m_nested.append(nullptr);
        ++cell;

        if (!info->nested || info->nested[i].itemType == -1 || info->nested[i].type == -1)
            continue;
        // The kinds of pre-built containers join the layout's registry
        // with their classes; until then the place stays empty.
        if (!layout || !FrameLayout::itemType(info->nested[i].itemType))
            continue;
        // The layout's registry makes panels and boards: containers.
        GraphicsItem *created = layout->createItem(info->nested[i].itemType);
        const bool made = created && created->type() >= firstContainerType && created->type() < endContainerType;
        auto *container = made ? static_cast<GraphicsPlaceContainer *>(created) : nullptr;
        if (!CHECK(container != nullptr)) {
            delete created;
            continue;
        }
        container->setParentItem(this);
        container->setContainerType(info->nested[i].type);
        place->putItem(container);
        container->setFlags(ItemSendsGeometryChanges);
        m_nested.last() = container;
    }
    update();
}

void GraphicsPlaceContainer::layOut(Rects *cells, Rects *bands, QRectF *margin1, QRectF *margin2,
                                    Rects *lines) const
{
    const ContainerKindInfo *info = containerKindInfo(m_kind);
    if (!info)
        return;
    QRectF r(0, 0, info->width, info->height);
    if (info->margin1Size > 0) {
        QRectF strip;
        const QRectF rest = cutRect(r, info->margin1Size, info->margin1Side, &strip);
        if (margin1)
            *margin1 = strip;
        if (info->margin1Apply)
            r = rest;
    }
    if (info->margin2Size > 0)
        r = cutRect(r, info->margin2Size, info->margin2Side, margin2);

    const int n = info->placeCount;
    const int c = info->lineCount;
    if (!CHECK(c > 0 && c <= n && info->placeTypes != nullptr))
        return;
    const bool across = info->lineSide == 0 || info->lineSide == 1;
    const double step = (across ? r.width() : r.height()) / c;
    const int per = n / c;
    for (int line = 0; line < c; ++line) {
        QRectF strip;
        r = cutRect(r, step, info->lineSide, &strip);
        if (lines)
            lines->append(strip);
        for (int j = 0; j < per; ++j) {
            const int i = (line * n) / c + j;
            if (i >= n)
                break;
            const PlaceTypeInfo *type = placeTypeInfo(info->placeTypes[i]);
            if (!type)
                continue; // -1: no place, its number is kept
            const bool sideways = info->placeSide == 0 || info->placeSide == 1;
            QRectF cellRect;
            strip = cutRect(strip, sideways ? type->width : type->height, info->placeSide, &cellRect);
            QRectF band;
            if (info->indentSize > 0)
                cellRect = cutRect(cellRect, info->indentSize, info->indentSide, &band);
            if (cells)
                cells->append(cellRect);
            if (bands)
                bands->append(band);
        }
    }
}

void GraphicsPlaceContainer::setAddress(const Address &address, int field)
{
    if (m_addressSet && address == m_address)
        return;
    const ContainerKindInfo *info = containerKindInfo(m_kind);
    if (!info || !CHECK(field >= 0 && field < 6))
        return;
    m_address.copyFields(address, field + 1, true);
    if (info->suffixKind != -1)
        m_address.setSuffixKind(info->suffixKind);
    else if (address.hasSuffixKind())
        m_address.setSuffixKind(address.suffixKind());
    if (info->padWithZero != 1)
        m_address.setPadWithZero(info->padWithZero != 0);
    if (info->fixedField && CHECK(info->fixedField->field >= 0 && info->fixedField->field < 7))
        m_address.setField(info->fixedField->field, quint8(info->fixedField->value));
    m_addressSet = true;
    prefetchPlaces();
    for (qsizetype i = 0; i < m_places.size(); ++i)
        placeAt(i)->setAddress(m_address, field + 1);
}

Place *GraphicsPlaceContainer::findDropPlace(GraphicsPlaceItem *item, const QPointF &scenePoint)
{
    for (Place *place : std::as_const(m_places)) {
        if (GraphicsPlaceContainer *held = asContainer(place->item())) {
            if (held == item)
                continue;
            if (Place *found = held->findDropPlace(item, scenePoint))
                return found;
            continue;
        }
        if (!place->item() && !place->coveringItem() && place->canDrop(item, scenePoint))
            return place;
    }
    return nullptr;
}

void GraphicsPlaceContainer::releasePlaces()
{
    // The layout decides the covering once, when all have left.
    const FrameLayout::CoveringBatch batch(frameLayout());
    for (int i = 0; i < m_places.size(); ++i) {
        Place *place = m_places[i];
        GraphicsPlaceItem *held = place->item();
        if (!held)
            continue;
        // A pre-built container moves with this one as its child and keeps
        // its place; what it holds is no child and would stay behind in a
        // place that moved away: it lets go as well.
        if (held == nestedContainer(i)) {
            nestedContainer(i)->releasePlaces();
            continue;
        }
        place->setItem(nullptr);
        held->setPlace(nullptr);
    }
}

void GraphicsPlaceContainer::clearCovering()
{
    for (Place *place : std::as_const(m_places)) {
        place->setCover(nullptr, Place::Normal);
        if (GraphicsPlaceContainer *held = asContainer(place->item()))
            held->clearCovering();
    }
}

void GraphicsPlaceContainer::transformChanged()
{
    releasePlaces();
    GraphicsPlaceItem::transformChanged();
}

void GraphicsPlaceContainer::collectPlaces(QList<Place *> &list) const
{
    if (!rootFlag())
        return;
    for (Place *place : m_places) {
        if (place->state() != Place::Normal)
            continue;
        if (GraphicsPlaceContainer *held = asContainer(place->item()))
            held->collectPlaces(list);
        else
            list.append(place);
    }
}

void GraphicsPlaceContainer::collectWires(QList<Pin *> &toWire, QList<QList<Pin *>> &groups) const
{
    for (Place *place : m_places) {
        GraphicsPlaceItem *held = place->item();
        if (GraphicsPlaceContainer *container = asContainer(held)) {
            container->collectWires(toWire, groups);
        } else if (auto *device = dynamic_cast<GraphicsPlaceItemDevice *>(held)) {
            if (device->device())
                device->device()->collectWires(toWire, &groups);
        }
    }
}

void GraphicsPlaceContainer::collectPins(QList<Pin *> &pins) const
{
    for (Place *place : m_places) {
        GraphicsPlaceItem *held = place->item();
        if (GraphicsPlaceContainer *container = asContainer(held)) {
            container->collectPins(pins);
        } else if (auto *device = dynamic_cast<GraphicsPlaceItemDevice *>(held)) {
            if (device->device())
                device->device()->allPins(pins);
        }
    }
}

void GraphicsPlaceContainer::collectHeldItems(QList<GraphicsPlaceItem *> &items) const
{
    for (Place *place : m_places) {
        GraphicsPlaceItem *held = place->item();
        if (!held)
            continue;
        if (GraphicsPlaceContainer *container = asContainer(held))
            container->collectHeldItems(items);
        items.append(held);
    }
}

int GraphicsPlaceContainer::recordedPlaceCount(const DataStream &stream) const
{
    const int count = m_places.size();
    if (stream.formatIndex() < shortenedBeforeFormat && m_kind == shortenedKind
        && m_address.field(0) == shortenedFrameKind && count > 0)
        return count - 1;
    return count;
}

void GraphicsPlaceContainer::saveData(DataStream &stream)
{
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    for (int i = 0; i < m_places.size(); ++i) {
        stream << qint32(project ? project->identity(m_places[i], Project::PlaceIdentities) : 0);
        // A load builds the pre-built containers in their places and reads
        // their records: they are written by the kind, as they are read.
        if (GraphicsPlaceContainer *nested = nestedContainer(i))
            nested->saveData(stream);
    }
    if (!parentItem()) {
        GraphicsPlaceItem::saveData(stream);
        stream << bool(m_flag);
    }
}

void GraphicsPlaceContainer::loadData(DataStream &stream)
{
    FrameLayout *layout = frameLayout();
    const int count = recordedPlaceCount(stream);
    prefetchPlaces();
    for (int i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        qint32 id = 0;
        stream >> id;
        if (stream.status() != QDataStream::Ok)
            return;
        // 0 names no place: nothing can be put back into it.
        if (id != 0 && layout)
            layout->registerPlace(id, placeAt(i));
        if (GraphicsPlaceContainer *nested = nestedContainer(i))
            nested->loadData(stream);
    }
    if (!parentItem() && stream.status() == QDataStream::Ok) {
        GraphicsPlaceItem::loadData(stream);
        bool flag = false;
        stream >> flag;
        m_flag = flag;
    }
}

void GraphicsPlaceContainer::saveGeometry(DataStream &stream)
{
    for (int i = 0; i < m_places.size(); ++i) {
        Place *place = m_places[i];
        if (GraphicsPlaceContainer *nested = nestedContainer(i))
            nested->saveGeometry(stream);
        else if (!place->item())
            place->writeState(stream);
    }
}

void GraphicsPlaceContainer::loadGeometry(DataStream &stream)
{
    const int count = recordedPlaceCount(stream);
    prefetchPlaces();
    for (int i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        Place *place = placeAt(i);
        if (GraphicsPlaceContainer *nested = nestedContainer(i)) {
            nested->loadGeometry(stream);
            continue;
        }
        if (place->item())
            continue;
        if (!place->readState(stream) && stream.status() == QDataStream::Ok)
            stream.setStatus(QDataStream::ReadCorruptData);
    }
}

bool GraphicsPlaceContainer::updatePlacePointer(const PlaceIndex &places)
{
    if (!parentItem() && !GraphicsPlaceItem::updatePlacePointer(places))
        return false;
    for (GraphicsPlaceContainer *nested : std::as_const(m_nested)) {
        if (nested && !nested->updatePlacePointer(places))
            return false;
    }
    return true;
}

void GraphicsPlaceContainer::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    markPlaceAt(event->scenePos());
    event->accept();
}

bool GraphicsPlaceContainer::markPlaceAt(const QPointF &scenePoint)
{
    for (Place *place : std::as_const(m_places)) {
        if (!place->placeRect().contains(place->mapFromScene(scenePoint)))
            continue;
        if (GraphicsPlaceContainer *held = asContainer(place->item()))
            return held->markPlaceAt(scenePoint);
        if (!place->item() && !place->coveringItem()) {
            place->setState((place->state() + 1) % 3);
            // A change of the sheet: its side file is due. A mark keeps
            // items off the place; the covering is decided anew.
            if (graphicsScene())
                graphicsScene()->setModified(true);
            if (FrameLayout *layout = frameLayout())
                layout->updateCovering();
            update();
        }
        return true;
    }
    return false;
}

void GraphicsPlaceContainer::drawPlaceText(QPainter *painter, const QRectF &rect, int flags, Place *place,
                                           const char *note)
{
    if (!painter || !place)
        return;
    QString text = place->numberText();
    if (note)
        text.prepend(QCoreApplication::translate("Place", note));
    drawTextInRect(this, painter, rect, flags, text, false);
}

void GraphicsPlaceContainer::drawCaption(QPainter *painter, const QRectF &strip, const char *caption, int fontIndex,
                                         bool vertical)
{
    if (!caption || fontIndex < 0 || fontIndex >= FontCount || !hasFontSet())
        return;
    // Panels of a relay case show no caption.
    FrameLayout *layout = frameLayout();
    if (type() == panelType && layout && layout->frameAddress().field(0) == relayCaseFrameKind)
        return;
    painter->setFont(font(fontIndex));
    drawTextInRect(this, painter, strip, Qt::AlignCenter, QCoreApplication::translate("Place", caption), vertical);
}

void GraphicsPlaceContainer::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    const ContainerKindInfo *info = containerKindInfo(m_kind);
    if (!painter || !info)
        return;
    const bool selected = option && (option->state & QStyle::State_Selected);
    if (!selected && !info->outline && hideHelp)
        return;
    painter->setPen(selected ? penBlue : info->outline ? penBlack : penGreen);
    painter->setBrush(Qt::NoBrush);

    // The cells and number bands of the places are laid out as they are
    // drawn: a frame's containers keep none of them until then.
    QRectF margin1;
    QRectF margin2;
    Rects lines;
    Rects cells;
    Rects bands;
    layOut(&cells, &bands, &margin1, &margin2, &lines);
    if (info->margin1Size > 0) {
        painter->drawRect(margin1);
        drawCaption(painter, margin1, info->caption1, info->caption1Font, info->caption1Vertical);
    }
    if (info->margin2Size > 0) {
        painter->drawRect(margin2);
        drawCaption(painter, margin2, info->caption2, info->caption2Font, info->caption2Vertical);
    }
    for (const QRectF &line : std::as_const(lines))
        painter->drawRect(line);
    const qsizetype laidOut = std::min({m_places.size(), cells.size(), bands.size()});
    for (qsizetype i = 0; i < laidOut; ++i) {
        Place *place = m_places[i];
        const QRectF &band = bands[i];
        const bool crossed = place->state() == Place::Covered || place->state() == Place::Marked;
        const bool userMark = place->state() == Place::Marked;
        if (info->indentSize > 0 && info->numberFont >= 0) {
            painter->drawRect(band);
            if (hasFontSet() && info->numberFont < FontCount) {
                painter->setFont(font(info->numberFont));
                drawPlaceText(painter, band, Qt::AlignCenter, place, info->numberNote);
            }
            if (info->crossMode == 0 && crossed)
                drawRectCross(painter, band, !userMark, hideHelp);
        }
        if (info->crossMode == 1 && crossed)
            drawRectCross(painter, mapRectFromItem(place, place->placeRect()), !userMark, hideHelp);
        painter->drawRect(cells[i]);
    }
}
