#ifndef RLAY_GRAPHICSDISCHARGER_H
#define RLAY_GRAPHICSDISCHARGER_H

// The scene item of a discharger: the fuse body with an arrow inside.

#include "devices/graphicstwopin.h"

class GraphicsDischarger : public GraphicsPlainTwoPin
{
public:
    enum { Type = QGraphicsItem::UserType + 408 };

    explicit GraphicsDischarger(GraphicsScene *scene);
    ~GraphicsDischarger() override;

    int type() const override { return Type; }
    int objType() const override { return DischargerKind; }

protected:
    void drawBody(QPainter *painter) override;
    bool bodyNeedsDevice() const override;
};

GraphicsItem *createGraphicsDischarger(GraphicsScene *scene);

#endif
