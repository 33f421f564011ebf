#ifndef RLAY_GRAPHICSAUTOSWITCH_H
#define RLAY_GRAPHICSAUTOSWITCH_H

// The scene item of an automatic switch: a circle with three terminals,
// left, right and below. Every item owns its autoswitch, made when the
// item's dialog is accepted and deleted with the item; an item whose device
// was deleted from a dialog shows only its pins.

#include "graphics/graphicsdevice.h"

class AutoSwitch;

class GraphicsAutoSwitch : public GraphicsDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 425 };

    explicit GraphicsAutoSwitch(GraphicsScene *scene);
    ~GraphicsAutoSwitch() override;

    QRectF boundingRect() const override;
    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The device read under the item's identity must be an autoswitch of
    // its own; anything else is damaged data and the fix-up fails.
    bool resolveLinks() override;
    // "SH1", "SH2" and "SH3", bound or not.
    void updatePinNames() override;
    // The item's name and the pin's name, for the wiring documents; empty
    // for a pin without a name.
    QString pinName(Pin *pin, Pin *other) override;
    int objType() const override { return AutoSwitchKind; }
    // The extent around the symbol and the name.
    void updateFromObj() override;

    // The bound autoswitch, null while unbound.
    AutoSwitch *autoSwitch() const;
    double extentWidth() const { return m_width; }
    double extentHeight() const { return m_height; }

private:
    // Pin size plus symbol width; one row of text.
    double m_width = 174;
    double m_height = 40;
    // Where the name is drawn, in item coordinates.
    QRectF m_titleRect;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsAutoSwitch(GraphicsScene *scene);

#endif
