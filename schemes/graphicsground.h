#ifndef RLAY_GRAPHICSGROUND_H
#define RLAY_GRAPHICSGROUND_H

// The earth symbol, with one pin at the top of its stem. It ends a
// connection: a walk that reaches it collects its pin and goes no further.

#include "graphics/graphicspins.h"

#include <QCoreApplication>

class GraphicsGround : public GraphicsPins
{
    Q_DECLARE_TR_FUNCTIONS(Ground)

public:
    enum { Type = QGraphicsItem::UserType + 501 };

    explicit GraphicsGround(GraphicsScene *scene);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // Plain pins.
    void createPins(int count) override;

    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    void updateNetLinks(Pin *entry, QList<Pin *> &pins) override;

    // What the wiring documents print for a grounded lead.
    static QString groundText();

};

GraphicsItem *createGround(GraphicsScene *scene);

#endif
