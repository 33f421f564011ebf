#ifndef RLAY_GRAPHICSWIRINGVARISTOR_H
#define RLAY_GRAPHICSWIRINGVARISTOR_H

// One place of a varistor panel on the panel's wiring page: the element (a
// varistor, or a discharger mounted in the same panel) with its two
// terminals, and beside each terminal what is wired to it, up to the
// conductor or ground that the terminal's chain reaches. The picture is
// drawn turned a quarter to the left. An empty place shows the element's
// outline alone.

#include "devices/graphicswiringpicture.h"

class GraphicsWiringVaristor : public GraphicsWiringPicture
{
public:
    enum { Type = UserType + 302 };

    GraphicsWiringVaristor(GraphicsScene *scene, GraphicsItem *parent, Device *device);
    ~GraphicsWiringVaristor() override;

    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

protected:
    // The picture's room, turned as the picture is.
    QRectF frame() const override;

private:
    // The rows of one terminal: its wire links, then the first conductor
    // or ground of its chain.
    void drawTerminalRows(QPainter *painter, GraphicsDevice *item, int index);
};

#endif
