#ifndef RLAY_GRAPHICSBELL_H
#define RLAY_GRAPHICSBELL_H

// The scene item of a bell: two leads rising from the pins into the bell,
// the type below. Its pins are always "1" and "2".

#include "devices/graphicstwopin.h"

class GraphicsBell : public GraphicsTwoPin
{
public:
    enum { Type = QGraphicsItem::UserType + 413 };

    explicit GraphicsBell(GraphicsScene *scene);
    ~GraphicsBell() override;

    int type() const override { return Type; }
    int objType() const override { return BellKind; }
    QString pinName(Pin *pin, Pin *other) override;
    void updatePinNames() override;

protected:
    void drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                     bool hideHelp) override;
    double columnTop() const override { return -120; }
    double columnHeight() const override { return 200; }
    // Over the middle of the bell.
    double columnCentre() const override { return 20; }
    // The bell and the pin names beside it.
    QRectF pictureExtent() const override;
    double widthFor(double widest) const override;
};

GraphicsItem *createGraphicsBell(GraphicsScene *scene);

#endif
