#ifndef RLAY_GRAPHICSVARISTOR_H
#define RLAY_GRAPHICSVARISTOR_H

// The scene item of a varistor: the fuse body crossed by a slanted line; the pin
// names stand above the leads.

#include "devices/graphicstwopin.h"

class GraphicsVaristor : public GraphicsPlainTwoPin
{
public:
    enum { Type = QGraphicsItem::UserType + 409 };

    explicit GraphicsVaristor(GraphicsScene *scene);
    ~GraphicsVaristor() override;

    int type() const override { return Type; }
    int objType() const override { return VaristorKind; }

protected:
    void drawBody(QPainter *painter) override;
    bool bodyNeedsDevice() const override;
    double pinNameTop() const override { return -40; }
};

GraphicsItem *createGraphicsVaristor(GraphicsScene *scene);

#endif
