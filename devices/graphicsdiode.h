#ifndef RLAY_GRAPHICSDIODE_H
#define RLAY_GRAPHICSDIODE_H

// The scene item of a diode: the triangle against its bar on the line between the pins.

#include "devices/graphicstwopin.h"

class GraphicsDiode : public GraphicsPlainTwoPin
{
public:
    enum { Type = QGraphicsItem::UserType + 410 };

    explicit GraphicsDiode(GraphicsScene *scene);
    ~GraphicsDiode() override;

    int type() const override { return Type; }
    int objType() const override { return DiodeKind; }

protected:
    void drawBody(QPainter *painter) override;
    bool bodyNeedsDevice() const override;
};

// The diode symbol: the line between the pins, the bar at x 55 and the
// triangle pointing at it from x 105.
void drawDiodeSymbol(QPainter *painter);

GraphicsItem *createGraphicsDiode(GraphicsScene *scene);

#endif
