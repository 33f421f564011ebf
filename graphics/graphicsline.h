#ifndef RLAY_GRAPHICSLINE_H
#define RLAY_GRAPHICSLINE_H

// A straight line from p1 to p2 with the border's colour, style and width.

#include "graphics/graphicsprimitive.h"

class GraphicsLine : public GraphicsBorderPrimitive
{
public:
    enum { Type = UserType + 16 };

    GraphicsLine(GraphicsScene *scene, GraphicsItem *parent);

    int type() const override { return Type; }
    // A stroke along the segment, 3.5 wider than the line.
    QPainterPath shape() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
};

#endif
