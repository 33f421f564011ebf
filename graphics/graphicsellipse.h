#ifndef RLAY_GRAPHICSELLIPSE_H
#define RLAY_GRAPHICSELLIPSE_H

// An ellipse inscribed in the rectangle with corners p1 and p2, outlined
// and filled.

#include "graphics/graphicsprimitive.h"

class GraphicsEllipse : public GraphicsFillPrimitive
{
public:
    enum { Type = UserType + 26 };

    GraphicsEllipse(GraphicsScene *scene, GraphicsItem *parent);

    int type() const override { return Type; }
    // The ellipse itself.
    QPainterPath shape() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
};

#endif
