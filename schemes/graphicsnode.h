#ifndef RLAY_GRAPHICSNODE_H
#define RLAY_GRAPHICSNODE_H

// The junction dot of a scheme where three or four nets meet: four pins at
// one point, so that up to four net ends are soldered to it. A walk entering
// at one pin is handed on through the other three.

#include "schemes/net.h"

class GraphicsNode : public GraphicsUnite
{
public:
    enum { Type = QGraphicsItem::UserType + 103 };
    // The node family (node, passage) lies below this type id.
    enum { EndFamilyType = QGraphicsItem::UserType + 111 };

    explicit GraphicsNode(GraphicsScene *scene);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    // Only the dot itself is hit, not the corners of its square.
    bool contains(const QPointF &point) const override;
    // The dot again, for a click in a view.
    QPainterPath shape() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

};

// Whether the item is of the node family.
bool isNodeFamily(const GraphicsItem *item);

GraphicsItem *createNode(GraphicsScene *scene);

#endif
