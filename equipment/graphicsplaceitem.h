#ifndef RLAY_GRAPHICSPLACEITEM_H
#define RLAY_GRAPHICSPLACEITEM_H

// An item of a frame layout that can stand in a place: a device's place
// item or a further container. It answers the equipment model it shows, so
// that a place can tell whether it fits, and learns when its address
// changes.

#include "graphics/graphicsitem.h"

class Place;

class GraphicsPlaceItem : public GraphicsItem
{
public:
    enum { Type = UserType + 100 };

    GraphicsPlaceItem(GraphicsScene *scene, QGraphicsItem *parent);
    // Leaves its place.
    ~GraphicsPlaceItem() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    Place *place() const { return m_place; }

    // The row of the equipment-model table the item shows; -1 for none.
    virtual int modelId() const;
    // Whether the item gives its place the address suffix.
    virtual bool addressSuffix() const;
    // Moves the item into the place (none: out of its place).
    virtual void setPlace(Place *place);
    // After the item's address changed; nothing here.
    virtual void addressChanged();

    // The item's rectangle: its place's rectangle, null without a place.
    QRectF itemRect() const;

private:
    Place *m_place = nullptr;
};

#endif
