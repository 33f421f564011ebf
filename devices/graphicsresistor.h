#ifndef RLAY_GRAPHICSRESISTOR_H
#define RLAY_GRAPHICSRESISTOR_H

// The scene item of a resistor: the resistor body with its power mark and,
// for an adjustable type, the slider arrow; the nominal above, the type
// below. In a console or visual frame both pins are labelled by the item's
// name.

#include "devices/graphicstwopin.h"

class Resistor;

class GraphicsResistor : public GraphicsTwoPin
{
public:
    enum { Type = QGraphicsItem::UserType + 407 };

    explicit GraphicsResistor(GraphicsScene *scene);
    ~GraphicsResistor() override;

    int type() const override { return Type; }
    int objType() const override { return ResistorKind; }
    QString pinName(Pin *pin, Pin *other) override;

    Resistor *resistor() const;

protected:
    void drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                     bool hideHelp) override;
    double columnTop() const override { return -120; }
    double columnHeight() const override { return 240; }
};

// The power mark's lines inside a resistor body between x 40 and 120.
void drawPowerMark(QPainter *painter, int mark);

GraphicsItem *createGraphicsResistor(GraphicsScene *scene);

#endif
