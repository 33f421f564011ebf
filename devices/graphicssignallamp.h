#ifndef RLAY_GRAPHICSSIGNALLAMP_H
#define RLAY_GRAPHICSSIGNALLAMP_H

// The scene item of a signal lamp: a small circle between the leads with
// the colour and number in it, the base name above. In a console or visual
// frame both pins are labelled by the item's name.

#include "devices/graphicstwopin.h"

class GraphicsSignallamp : public GraphicsTwoPin
{
public:
    enum { Type = QGraphicsItem::UserType + 419 };

    explicit GraphicsSignallamp(GraphicsScene *scene);
    ~GraphicsSignallamp() override;

    int type() const override { return Type; }
    int objType() const override { return SignallampKind; }
    QString pinName(Pin *pin, Pin *other) override;

protected:
    void drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                     bool hideHelp) override;
    // From the top of the address row down to the circle's bottom.
    double columnTop() const override { return -105; }
    double columnHeight() const override { return 130; }
    // The base name and the address.
    QStringList measuredTexts() const override;
};

GraphicsItem *createGraphicsSignallamp(GraphicsScene *scene);

#endif
