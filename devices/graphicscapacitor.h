#ifndef RLAY_GRAPHICSCAPACITOR_H
#define RLAY_GRAPHICSCAPACITOR_H

// The scene item of a capacitor: two plates between the leads, the
// nominal above and the type below.

#include "devices/graphicstwopin.h"

class GraphicsCapacitor : public GraphicsTwoPin
{
public:
    enum { Type = QGraphicsItem::UserType + 406 };

    explicit GraphicsCapacitor(GraphicsScene *scene);
    ~GraphicsCapacitor() override;

    int type() const override { return Type; }
    int objType() const override { return CapacitorKind; }

protected:
    void drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                     bool hideHelp) override;
    double columnTop() const override { return -120; }
    double columnHeight() const override { return 240; }
};

GraphicsItem *createGraphicsCapacitor(GraphicsScene *scene);

#endif
