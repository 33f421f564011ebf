#include "equipment/place.h"

#include "equipment/graphicsplaceitem.h"
#include "equipment/placecatalogue.h"
#include "model/check.h"


Place::Place(GraphicsScene *scene, QGraphicsItem *container, int placeType, quint8 number)
    : GraphicsItem(scene, container, 0)
    , m_placeType(placeType)
    , m_number(number)
{
    setZValue(3);
}

Place::~Place()
{
    if (m_item) {
        GraphicsPlaceItem *held = m_item;
        m_item = nullptr;
        held->setPlace(nullptr);
    }
}

QRectF Place::boundingRect() const
{
    return placeRect().adjusted(-3.5, -3.5, 3.5, 3.5);
}

void Place::draw(QPainter *, const QStyleOptionGraphicsItem *, bool)
{
}

void Place::setAddress(const Address &address)
{
    if (address == m_address)
        return;
    m_address = address;
    if (m_item)
        m_item->addressChanged();
}

QRectF Place::placeRect() const
{
    if (m_placeType < 0)
        return QRectF();
    return QRectF(QPointF(0, 0), m_size);
}

int Place::rowCount() const
{
    return m_rowCount;
}

void Place::setPlaceSize(const QSizeF &size, int rowCount)
{
    prepareGeometryChange();
    m_size = size;
    m_rowCount = rowCount < 1 ? 1 : rowCount;
}

bool Place::putItem(GraphicsPlaceItem *item)
{
    if (!CHECK(item && !m_item && !item->place()))
        return false;
    m_item = item;
    item->setPlace(this);
    return true;
}

QString Place::modelName(int model)
{
    return equipmentModelName(model);
}
