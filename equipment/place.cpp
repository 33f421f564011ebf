#include "equipment/place.h"

#include "equipment/framelayout.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplacecontainer.h"
#include "equipment/graphicsplaceitem.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/placecatalogue.h"
#include "equipment/placetypes.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/device.h"
#include "model/itemtypes.h"

#include <QHash>
#include <QPainter>
#include <QStringList>

namespace {

// Place types that show a caption above the place.
const int captionedType = 89;
const int suffixCaptionedType = 93;
const int socketType = 116;
const int railType = 18;
const int clampPanelKind = 203;

bool isContainer(const GraphicsItem *item)
{
    return item && item->type() >= firstContainerType && item->type() < endContainerType;
}

FrameLayout *layoutOf(const GraphicsItem *item)
{
    return FrameLayout::of(item->graphicsScene());
}

// A frame part's clamp-panel type names the clamp panels mounted on it: a
// clamp panel of a model that another part carries would take the address
// of that part's place of the same number.
bool partCarries(const Place *place, const GraphicsPlaceItem *item)
{
    auto *deviceItem = dynamic_cast<const GraphicsPlaceItemDevice *>(item);
    const Device *device = deviceItem ? deviceItem->device() : nullptr;
    if (!device || device->kind() != clampPanelKind)
        return true;
    GraphicsPlaceContainer *top = place->container();
    while (top && top->place())
        top = top->place()->container();
    auto *part = dynamic_cast<GraphicsFramePart *>(top);
    return !part || part->hasNoClampPanelType() || part->hasClampPanelModel(device->modelIndex());
}

// The two panels of a relay case's column face each other place for place:
// the wiring pages can pair them only when both have as many places.
bool pairsInColumn(const Place *place, GraphicsPlaceItem *item)
{
    auto *part = dynamic_cast<GraphicsFramePart *>(place->container());
    auto *panel = GraphicsPlaceContainer::asContainer(item);
    if (!part || !panel || item->type() != GraphicsFramePanel::Type || part->places().size() != 2
        || (part->partKind() != 17 && part->partKind() != 20) || place->address().field(0) != relayCaseFrameKind)
        return true;
    Place *other = part->places().at(part->places().at(0) == place ? 1 : 0);
    auto *facing = other ? GraphicsPlaceContainer::asContainer(other->item()) : nullptr;
    return !facing || other->item()->type() != item->type() || facing->places().size() == panel->places().size();
}

// The sizes and row counts given to places standing alone.
struct OwnSize
{
    QSizeF size;
    int rowCount;
};

QHash<const Place *, OwnSize> &ownSizes()
{
    static QHash<const Place *, OwnSize> sizes;
    return sizes;
}

} // namespace

Place::Place(GraphicsScene *scene, GraphicsPlaceContainer *container, int placeType, quint8 number)
    : GraphicsItem(scene, container, FixedInParent)
    , m_placeType(placeType)
    , m_container(container)
    , m_number(number)
{
    setZValue(3);
    // Clicks reach the container under the place.
    setAcceptedMouseButtons(Qt::NoButton);
    if (container) {
        const int level = container->level();
        if (CHECK(level >= 0 && level < 5))
            m_address.setField(level + 1, number);
    }
}

Place::~Place()
{
    // A closing project's place items go too, before or after their places:
    // nothing works out their addresses on the way.
    if (GraphicsPlaceItem *held = m_item; held && !goesWithProject()) {
        m_item = nullptr;
        held->setPlace(nullptr);
    }
    m_cover = nullptr;
    if (m_ownSize)
        ownSizes().remove(this);
    if (FrameLayout *layout = layoutOf(this))
        layout->forgetPlace(this);
}

QRectF Place::boundingRect() const
{
    QRectF rect = placeRect();
    if (m_placeType == captionedType || m_placeType == suffixCaptionedType)
        rect.setTop(rect.top() - 50);
    return rect.adjusted(-3.5, -3.5, 3.5, 3.5);
}

void Place::saveData(DataStream &)
{
}

void Place::loadData(DataStream &)
{
}

void Place::saveGeometry(DataStream &)
{
}

void Place::loadGeometry(DataStream &)
{
}

void Place::saveClipboardData(DataStream &)
{
}

void Place::loadClipboardData(DataStream &)
{
}

void Place::saveClipboardGeometry(DataStream &)
{
}

void Place::loadClipboardGeometry(DataStream &)
{
}

void Place::setAddress(const Address &address)
{
    m_addressSet = true;
    m_ownKindByte = address.field(6);
    if (address == m_address && address.hasField5() == m_address.hasField5()
        && address.padWithZero() == m_address.padWithZero())
        return;
    m_address = address;
    if (GraphicsPlaceItem *held = item())
        held->addressChanged();
}

void Place::setAddress(const Address &from, int field)
{
    // No shortcut on an unchanged address: a place numbered on from its
    // container's field would take a container address equal to its own as
    // already applied.
    const PlaceTypeInfo *type = placeTypeInfo(m_placeType);
    if (!CHECK(type != nullptr) || !CHECK(field >= 0 && field < 6))
        return;
    Address address = m_address;
    address.setField(6, m_ownKindByte);
    address.copyFields(from, field, true);
    if (from.hasSuffixKind())
        address.setSuffixKind(from.suffixKind());
    if (!CHECK_PTR(m_container))
        return;
    const ContainerKindInfo *kind = containerKindInfo(m_container->containerKind());
    if (!CHECK(kind != nullptr))
        return;
    address.setField(field, kind->numberingContinues ? quint8(from.field(field) + m_number - 1) : m_number);
    if (type->suffixKind != -1)
        address.setSuffixKind(type->suffixKind);
    if (type->hasField5 != 0)
        address.setHasField5(true);
    if (type->padWithZero != 1)
        address.setPadWithZero(type->padWithZero != 0);
    // The kind byte as the empty place shows it; a held item's address byte
    // stands in for it while the item stays.
    m_ownKindByte = address.field(6);
    address.setField(6, addressFor(m_item).field(6));

    const bool same = m_addressSet && address == m_address && address.hasField5() == m_address.hasField5()
        && address.padWithZero() == m_address.padWithZero();
    m_address = address;
    m_addressSet = true;
    GraphicsPlaceItem *held = item();
    if (!held)
        return;
    // A container below derives its places again; a device hears of its
    // new address only when it changed.
    if (GraphicsPlaceContainer *container = GraphicsPlaceContainer::asContainer(held))
        container->setAddress(m_address, container->level());
    else if (!same)
        held->addressChanged();
}

Address Place::addressFor(const GraphicsPlaceItem *item) const
{
    Address address = m_address;
    const PlaceTypeInfo *type = placeTypeInfo(m_placeType);
    address.setField(6, item && type && type->suffixFlag ? quint8(item->addressSuffix()) : m_ownKindByte);
    return address;
}

QRectF Place::placeRect() const
{
    if (m_placeType == -1)
        return QRectF();
    if (m_ownSize) {
        const QSizeF size = ownSizes().value(this).size;
        if (size.isValid())
            return QRectF(QPointF(0, 0), size);
    }
    const PlaceTypeInfo *type = placeTypeInfo(m_placeType);
    return type ? QRectF(0, 0, type->width, type->height) : QRectF();
}

QRectF Place::sceneRect() const
{
    return mapRectToScene(placeRect());
}

int Place::rowCount() const
{
    // Painters ask: no check box here.
    if (m_ownSize)
        return ownSizes().value(this).rowCount;
    const PlaceTypeInfo *type = placeTypeInfo(m_placeType);
    return type && type->rows > 1 ? type->rows : 1;
}

void Place::setPlaceSize(const QSizeF &size, int rowCount)
{
    prepareGeometryChange();
    ownSizes().insert(this, {size, rowCount < 1 ? 1 : rowCount});
    m_ownSize = true;
}

bool Place::allowsModel(int model) const
{
    return placeTypeAllowsModel(m_placeType, model);
}

QString Place::allowedModelsText(int placeType)
{
    const PlaceTypeInfo *type = placeTypeInfo(placeType);
    if (!type)
        return QString();
    QStringList names;
    for (int i = 0; i < type->modelCount; ++i) {
        const QString name = equipmentModelName(type->models[i]);
        if (!name.isEmpty())
            names << name;
    }
    return names.join(QLatin1Char('\n'));
}

QString Place::numberText() const
{
    const int level = m_container ? m_container->level() : -1;
    if (level < 0 || level >= 5)
        return QString::number(m_number);
    if (level + 1 == 3)
        return m_address.fieldText(3);
    return QString::number(m_address.field(level + 1));
}

void Place::setState(int state)
{
    // A held or covered place carries no mark.
    if (!CHECK(state == Normal || (!m_item && !m_cover)))
        return;
    m_mark = quint8(state);
}

bool Place::canDrop(GraphicsPlaceItem *item, const QPointF &scenePoint)
{
    if (!item || m_placeType == -1 || m_item || state() != Normal)
        return false;
    if (!sceneRect().contains(scenePoint))
        return false;
    const int model = item->modelId();
    if (!CHECK(model != -1) || !allowsModel(model) || !partCarries(this, item) || !pairsInColumn(this, item))
        return false;
    // Only an item that hangs at an offset or keeps its own size asks for
    // the area it takes; any other fits its place. One wider or taller than
    // the place still covers the free places it reaches once it stands.
    if (!GraphicsPlaceItem::asksForArea(model))
        return true;
    FrameLayout *layout = layoutOf(this);
    return layout && layout->isAreaFree(item->sceneBodyIn(this), this);
}

bool Place::putItem(GraphicsPlaceItem *item)
{
    // A place standing alone takes any item; only the user's drop asks
    // whether the model fits (canDrop).
    if (!CHECK(item && !m_item && state() == Normal && !item->place()))
        return false;
    m_address = addressFor(item);
    item->updateInViews();
    item->setPlace(this);
    if (m_container)
        item->setZValue(m_container->zValue() + 1);
    setItem(item);
    item->updateInViews();
    return true;
}

void Place::setItem(GraphicsPlaceItem *item)
{
    if (!CHECK(state() == Normal && item != m_item))
        return;
    // What stood here leaves the frame's tree with its places: nothing
    // covers them outside it. A closing layout's places all go.
    FrameLayout *layout = layoutOf(this);
    GraphicsPlaceContainer *leaving = GraphicsPlaceContainer::asContainer(m_item);
    if (leaving && !(layout && layout->isClosing()))
        leaving->clearCovering();
    m_item = item;
    // An item's address byte goes with it: the place shows its own again.
    m_address = addressFor(item);
    if (layout) {
        layout->setWiringChanged();
        layout->placementChanged(this);
        // What a place holds is the layout's content: the next save writes
        // the frame anew, whatever took the item out. A load marks its
        // layouts as read once done.
        if (!layout->isClosing())
            layout->setModified(true);
    }
    // The place shows what it holds, or its help text once empty.
    repaintContainer();
}

void Place::setCover(GraphicsPlaceItem *item, int state)
{
    if (item == m_cover && (!item || state == m_coverState))
        return;
    m_cover = item;
    m_coverState = quint8(item ? state : Normal);
    // A covering takes the place of a mark 1, as a reopen reads it.
    if (item)
        m_mark = Normal;
    repaintContainer();
}

void Place::writeState(DataStream &stream) const
{
    const int current = state();
    stream << bool(current != Normal);
    if (current != Normal)
        stream << quint8(current);
}

bool Place::readState(DataStream &stream)
{
    bool marked = false;
    stream >> marked;
    quint8 state = Normal;
    if (marked)
        stream >> state;
    if (stream.status() != QDataStream::Ok || state > CoveredByContainer)
        return false;
    // A held place has no state of its own. The covering is the layout's,
    // decided already: a covered state read is not kept, but a mark is (2
    // is only ever one, 1 is one where nothing covers the place), and a
    // marked place lies under nothing, as the layout decides it. A
    // container's covering that no longer stands leaves the place free.
    if (m_item || (m_cover && state != Marked))
        return true;
    const int mark = state == CoveredByContainer ? int(Normal) : int(state);
    // Most places read keep the state they were built with: no repaint.
    if (mark == m_mark && !m_cover)
        return true;
    m_cover = nullptr;
    m_coverState = Normal;
    m_mark = quint8(mark);
    update();
    return true;
}

QString Place::modelName(int model)
{
    return equipmentModelName(model);
}

void Place::repaintContainer()
{
    if (m_container)
        m_container->update();
    else
        update();
}

void Place::draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool hideHelp)
{
    if (!painter)
        return;
    const QRectF rect = placeRect();
    const PlaceTypeInfo *type = placeTypeInfo(m_placeType);
    GraphicsPlaceItem *held = item();
    painter->setBrush(Qt::NoBrush);

    const int rows = rowCount();
    if (rows > 1 && !(held && held->type() == boardType)) {
        painter->setPen(penBlack);
        const bool horizontal = type && type->rowDirection == 1;
        for (int k = 1; k < rows; ++k) {
            if (horizontal) {
                const double y = k * qRound(rect.height() / rows);
                painter->drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
            } else {
                const double x = k * qRound(rect.width() / rows);
                painter->drawLine(QPointF(x, rect.top()), QPointF(x, rect.bottom()));
            }
        }
    }
    if (m_placeType == socketType) {
        painter->setPen(penBlack);
        const double cx = rect.center().x();
        const double b = rect.bottom();
        painter->drawEllipse(QRectF(cx - 16, b - 47, 32, 32));
        painter->drawEllipse(QRectF(cx - 9, b - 33, 4, 4));
        painter->drawEllipse(QRectF(cx + 5, b - 33, 4, 4));
    }

    if (held) {
        drawCaption(painter, hideHelp);
        return;
    }
    if (m_cover)
        return;
    FrameLayout *layout = layoutOf(this);
    if (layout && layout->highlightedPlace() == this) {
        painter->fillRect(rect, QBrush(Qt::darkGreen, Qt::SolidPattern));
        return;
    }
    if (m_placeType == -1) {
        drawRectCross(painter, rect, false, hideHelp);
        return;
    }
    if (m_placeType == railType) {
        painter->setPen(penBlack);
        painter->drawEllipse(QRectF(rect.center().x() - 17, rect.top() - 34, 34, 34));
    }
    if (hideHelp || state() != Normal || !hasFontSet())
        return;
    painter->setPen(QPen(Qt::darkGreen));
    painter->setFont(font(0));
    drawTextInRect(this, painter, rect, Qt::AlignCenter, allowedModelsText(m_placeType), false);
}

void Place::drawCaption(QPainter *painter, bool hideHelp)
{
    if (m_placeType != captionedType && m_placeType != suffixCaptionedType)
        return;
    GraphicsPlaceItem *held = item();
    if (m_placeType == suffixCaptionedType && isContainer(held)) {
        auto *container = static_cast<GraphicsPlaceContainer *>(held);
        const ContainerKindInfo *kind = containerKindInfo(container->containerKind());
        if (kind && kind->fixedField)
            return;
    }
    if (!hasFontSet())
        return;
    // A clamp panel that no scheme uses yet is only a help mark.
    auto *deviceItem = dynamic_cast<GraphicsPlaceItemDevice *>(held);
    const Device *device = deviceItem ? deviceItem->device() : nullptr;
    const bool idle = device && device->kind() == clampPanelKind && device->items().isEmpty();
    if (idle && hideHelp)
        return;
    painter->setPen(idle ? penGreen : penBlack);
    painter->setFont(font(5));
    QString text = m_placeType == suffixCaptionedType ? Address::suffixKindName(5) : QString();
    text += m_address.toString(3);
    const QRectF rect = placeRect();
    drawTextInRect(this, painter, QRectF(rect.left(), rect.top() - 50, rect.width(), 50), Qt::AlignCenter, text,
                   false);
}
