#ifndef RLAY_GRAPHICSCOMMUTATOR_H
#define RLAY_GRAPHICSCOMMUTATOR_H

// The scene item of one contact group of a commutator (see
// GraphicsSwitchGroup): the common terminal, the hinge and the blade on the
// upper contact (under current) or on the lower one, and the contacts of its
// form. The type with long pin names is drawn wider, its pin names smaller.

#include "devices/graphicsswitchgroup.h"

class Commutator;

class GraphicsCommutator : public GraphicsSwitchGroup
{
public:
    enum { Type = QGraphicsItem::UserType + 421 };

    explicit GraphicsCommutator(GraphicsScene *scene);
    ~GraphicsCommutator() override;

    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    int objType() const override { return CommutatorKind; }

    // The translated name of a form; empty after a failed check.
    static QString contactKindName(int kind);
    // The bound commutator, null while unbound.
    Commutator *commutator() const;
    // The pin of the lower contact, null for the form "f".
    Pin *lowerPin();

protected:
    // Room on each side for the type with long pin names.
    double sideMargin() const override;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsCommutator(GraphicsScene *scene);

#endif
