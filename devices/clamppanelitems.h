#ifndef RLAY_CLAMPPANELITEMS_H
#define RLAY_CLAMPPANELITEMS_H

// The two pictures of a clamp panel besides its clamps on the schemes: in
// its place of a frame layout (drawn by model, green while none of its
// clamps is used) and on the frame's wiring layouts (the strip with its
// clamps in rows, each with the wires attached to it, their wire sections
// and the source of the clamp's net).

#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/graphicswiringitemdevice.h"

class ClampPanel;
class GraphicsClamp;

class GraphicsPlaceItemClampPanel : public GraphicsPlaceItemDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 201 };

    // Moves with its place only: neither movable nor selectable.
    GraphicsPlaceItemClampPanel(GraphicsScene *scene, GraphicsItem *parent, ClampPanel *panel);

    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // Its position follows its place: no geometry of its own.
    void saveGeometry(DataStream &stream) override;
    void loadGeometry(DataStream &stream) override;

protected:
    // No dialog opens from the frame layout.
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
};

class GraphicsWiringClampPanel : public GraphicsWiringItemDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 301 };

    GraphicsWiringClampPanel(GraphicsScene *scene, GraphicsItem *parent, ClampPanel *panel);

    int type() const override { return Type; }
    // Everything the picture may paint, the same for every strip: the
    // labels beside the body and the long body of strip "50".
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // Wiring pages are made anew at every load.
    void saveGeometry(DataStream &stream) override;
    void loadGeometry(DataStream &stream) override;

    // One clamp: its name and dot at height y on side 1 (wires to the
    // left) or 2 (to the right), at least minimum rows, the rows above and
    // below the dot limited by the two budgets.
    void drawClampRow(QPainter *painter, const char *clampName, double y, int side, GraphicsClamp *item,
                      int upper, int lower, int minimum);
};

#endif
