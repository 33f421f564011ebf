#ifndef RLAY_GRAPHICSWIRINGMEASURINGPANEL_H
#define RLAY_GRAPHICSWIRINGMEASURINGPANEL_H

// The measuring panel on its frame's wiring page: the grid of its eighteen
// terminals, each with its number, the source it measures and the far ends
// of its wire, under the panel's address.

#include "devices/graphicswiringpicture.h"

class MeasuringPanel;

class GraphicsWiringMeasuringPanel : public GraphicsWiringPicture
{
public:
    enum { Type = UserType + 303 };

    // Made by the panel (MeasuringPanel::createWiringItem).
    GraphicsWiringMeasuringPanel(GraphicsScene *scene, GraphicsItem *parent, MeasuringPanel *panel);
    ~GraphicsWiringMeasuringPanel() override;

    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    // The top-left corner of a terminal's cell: three staggered columns,
    // one row down for the first and second terminal of every three.
    static QPointF cellOrigin(int number);

protected:
    QRectF frame() const override;
};

#endif
