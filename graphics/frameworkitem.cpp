#include "graphics/frameworkitem.h"

#include "graphics/graphicsitem.h"

FrameworkItem::FrameworkItem(GraphicsItem *owner, QGraphicsItem *parent)
    : QGraphicsItem(parent)
    , m_owner(owner)
{
}

QRectF FrameworkItem::boundingRect() const
{
    return m_owner->boundingRect();
}

QPainterPath FrameworkItem::shape() const
{
    return m_owner->shape();
}

bool FrameworkItem::contains(const QPointF &point) const
{
    return m_owner->contains(point);
}

void FrameworkItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    m_owner->paint(painter, option, widget);
}

int FrameworkItem::type() const
{
    return m_owner->type();
}

void FrameworkItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    m_owner->mousePressEvent(event);
}

void FrameworkItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    m_owner->mouseMoveEvent(event);
}

void FrameworkItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    m_owner->mouseReleaseEvent(event);
}

void FrameworkItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    m_owner->mouseDoubleClickEvent(event);
}

QVariant FrameworkItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (m_syncing)
        return value;
    // Changes the framework makes of its own accord reach the item.
    switch (change) {
    case ItemSelectedHasChanged:
        m_owner->m_selected = value.toBool();
        break;
    case ItemPositionChange:
    case ItemTransformChange:
        return m_owner->itemChange(change, value);
    case ItemPositionHasChanged:
        m_owner->m_pos = value.toPointF();
        break;
    case ItemTransformHasChanged:
        m_owner->setMatrixIndex(value.value<QTransform>());
        break;
    default:
        break;
    }
    return value;
}
