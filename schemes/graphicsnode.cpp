#include "schemes/graphicsnode.h"

#include "graphics/font.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

GraphicsNode::GraphicsNode(GraphicsScene *scene)
    : GraphicsUnite(scene)
{
    createPins(4);
    for (int i = 0; i < pinCount(); ++i)
        pin(i)->moveCenter(QPointF(0, 0));
    letWalksThrough(true);
    setZValue(2.0);
}

QRectF GraphicsNode::boundingRect() const
{
    const Pin *dot = const_cast<GraphicsNode *>(this)->pin(0);
    return dot ? dot->adjusted(-3.5, -3.5, 3.5, 3.5) : QRectF();
}

bool GraphicsNode::contains(const QPointF &point) const
{
    const Pin *dot = const_cast<GraphicsNode *>(this)->pin(0);
    if (!dot)
        return false;
    // In whole units, as the dot is drawn in a whole-unit square.
    const QRectF square(dot->toRect());
    const QPointF p(point.toPoint());
    const double rx = square.width() / 2;
    const double ry = square.height() / 2;
    if (rx <= 0 || ry <= 0)
        return false;
    const double dx = (p.x() - square.center().x()) / rx;
    const double dy = (p.y() - square.center().y()) / ry;
    return dx * dx + dy * dy <= 1.0;
}

QPainterPath GraphicsNode::shape() const
{
    const Pin *dot = const_cast<GraphicsNode *>(this)->pin(0);
    QPainterPath path;
    if (dot)
        path.addEllipse(QRectF(dot->toRect()));
    return path;
}

void GraphicsNode::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool)
{
    const bool selected = option && (option->state & QStyle::State_Selected);
    const QPen &pen = selected ? penBlue : penBlack;
    painter->setPen(pen);
    painter->setBrush(QBrush(pen.color(), Qt::SolidPattern));
    painter->drawEllipse(*pin(0));
    painter->setBrush(Qt::NoBrush);
}

bool isNodeFamily(const GraphicsItem *item)
{
    return item && item->type() >= GraphicsNode::Type && item->type() < GraphicsNode::EndFamilyType;
}

GraphicsItem *createNode(GraphicsScene *scene)
{
    return new GraphicsNode(scene);
}
