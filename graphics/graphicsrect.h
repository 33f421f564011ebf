#ifndef RLAY_GRAPHICSRECT_H
#define RLAY_GRAPHICSRECT_H

// A rectangle with corners p1 and p2, outlined and filled. It is hit
// anywhere within its bounding rectangle.

#include "graphics/graphicsprimitive.h"

class GraphicsRect : public GraphicsFillPrimitive
{
public:
    enum { Type = UserType + 27 };

    GraphicsRect(GraphicsScene *scene, GraphicsItem *parent);

    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
};

#endif
