#ifndef RLAY_GRAPHICSBUTTON_H
#define RLAY_GRAPHICSBUTTON_H

// The scene item of one contact group of a push button (see
// GraphicsSwitchGroup), drawn pressed when under current: the push cap and
// its stem (unless the type has no cap), the contact arm and the contacts of
// its form.

#include "devices/graphicsswitchgroup.h"

class Button;

class GraphicsButton : public GraphicsSwitchGroup
{
public:
    enum { Type = QGraphicsItem::UserType + 420 };

    explicit GraphicsButton(GraphicsScene *scene);
    ~GraphicsButton() override;

    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    int objType() const override { return ButtonKind; }

    // The translated name of a form; empty after a failed check.
    static QString contactKindName(int kind);
    // The bound button, null while unbound.
    Button *button() const;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsButton(GraphicsScene *scene);

#endif
