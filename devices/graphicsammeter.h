#ifndef RLAY_GRAPHICSAMMETER_H
#define RLAY_GRAPHICSAMMETER_H

// The scene item of an ammeter: a circle with "A" and the ammeter's number
// on the line between the pins, the type below; the pins are labelled by
// the item's name and their own names.

#include "devices/graphicstwopin.h"

class GraphicsAmmeter : public GraphicsTwoPin
{
    Q_DECLARE_TR_FUNCTIONS(GraphicsAmmeter)

public:
    enum { Type = QGraphicsItem::UserType + 424 };

    explicit GraphicsAmmeter(GraphicsScene *scene);
    ~GraphicsAmmeter() override;

    int type() const override { return Type; }
    int objType() const override { return AmmeterKind; }
    QString pinName(Pin *pin, Pin *other) override;

protected:
    void drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                     bool hideHelp) override;
    double columnTop() const override { return -80; }
    double columnHeight() const override { return 160; }
    // The base name, and the type drawn below the symbol.
    QStringList measuredTexts() const override;
};

GraphicsItem *createGraphicsAmmeter(GraphicsScene *scene);

#endif
