#ifndef RLAY_GRAPHICSWIRINGITEM_H
#define RLAY_GRAPHICSWIRINGITEM_H

// Base of the items of the wiring documents. They are made from the frame
// layout each time, never saved, and neither moved nor selected by the
// user.

#include "graphics/graphicsitem.h"

class GraphicsWiringItem : public GraphicsItem
{
public:
    enum { Type = UserType + 100 };

    GraphicsWiringItem(GraphicsScene *scene, GraphicsItem *parent);

    int type() const override { return Type; }
    // Wiring pages are built anew at every load: nothing is written.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    void saveGeometry(DataStream &stream) override;
    void loadGeometry(DataStream &stream) override;

protected:
    // Positions are taken as given: no grid, and the page stays as it was.
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
};

#endif
