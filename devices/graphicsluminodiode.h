#ifndef RLAY_GRAPHICSLUMINODIODE_H
#define RLAY_GRAPHICSLUMINODIODE_H

// The scene item of a luminodiode: a diode in a circle with two arrows of
// emitted light, the colour and number beside it and the base name above.
// In a console or visual frame both pins are labelled by the item's name.

#include "devices/graphicstwopin.h"

class GraphicsLuminodiode : public GraphicsTwoPin
{
public:
    enum { Type = QGraphicsItem::UserType + 418 };

    explicit GraphicsLuminodiode(GraphicsScene *scene);
    ~GraphicsLuminodiode() override;

    int type() const override { return Type; }
    int objType() const override { return LuminodiodeKind; }
    QString pinName(Pin *pin, Pin *other) override;

protected:
    void drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                     bool hideHelp) override;
    double columnTop() const override { return -132; }
    double columnHeight() const override { return 172; }
    // The device's full name and its address.
    QStringList measuredTexts() const override;
};

GraphicsItem *createGraphicsLuminodiode(GraphicsScene *scene);

#endif
