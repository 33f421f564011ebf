#ifndef RLAY_GRAPHICSSTABILITRON_H
#define RLAY_GRAPHICSSTABILITRON_H

// The scene item of a stabilitron: the diode symbol with a flag on its bar.

#include "devices/graphicstwopin.h"

class GraphicsStabilitron : public GraphicsPlainTwoPin
{
public:
    enum { Type = QGraphicsItem::UserType + 411 };

    explicit GraphicsStabilitron(GraphicsScene *scene);
    ~GraphicsStabilitron() override;

    int type() const override { return Type; }
    int objType() const override { return StabilitronKind; }

protected:
    void drawBody(QPainter *painter) override;
    bool bodyNeedsDevice() const override;
};

GraphicsItem *createGraphicsStabilitron(GraphicsScene *scene);

#endif
