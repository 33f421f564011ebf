#ifndef RLAY_GRAPHICSPLACEITEM_H
#define RLAY_GRAPHICSPLACEITEM_H

// An item of a frame layout that can stand in a place: a device's place
// item or a further container. It answers the equipment model it shows, so
// that a place can tell whether it fits, takes its position from its place,
// and learns when its address changes. While the user carries or drags it,
// it leaves its place and the layout shows the place it would drop into.

#include "graphics/graphicsitem.h"

#include <utility>
#include <vector>

class FrameLayout;
class Place;

// The places of a layout being loaded, by the identities they were saved
// under: gathered in file order, sorted once at the first look-up. Of two
// places read under one identity the later one counts.
class PlaceIndex
{
public:
    void insert(qint32 id, Place *place);
    // The place of the identity; null for none.
    Place *value(qint32 id) const;
    void clear();

private:
    mutable std::vector<std::pair<qint32, Place *>> m_entries;
    mutable bool m_sorted = true;
};

class GraphicsPlaceItem : public GraphicsItem
{
public:
    enum { Type = UserType + 100 };

    // The framework flags are set with the base's, in one change.
    GraphicsPlaceItem(GraphicsScene *scene, GraphicsItem *parent,
                      GraphicsItemFlags frameworkFlags = GraphicsItemFlags());
    // Leaves its place.
    ~GraphicsPlaceItem() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The identity of the item's place; 0 when it stands in none.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // The position always follows from the place: no geometry record.
    void saveGeometry(DataStream &stream) override;
    void loadGeometry(DataStream &stream) override;
    // Moving takes the item out of its place; the layout shows where it
    // would drop.
    void transformChanged() override;
    // At the end of a drag: whether the drag took the item out of its
    // place, and the point to drop it at (the cursor for the item under the
    // mouse, else its centre). Forgets the drag.
    bool endDrag(QPointF &dropPoint);

    Place *place() const { return m_place; }
    // While loading: the saved identity of the item's place; 0 for none.
    qint32 savedPlace() const { return m_savedPlace; }

    // The row of the equipment-model table the item shows; -1 for none.
    virtual int modelId() const;
    // The address flag byte the item gives to a place that takes it.
    virtual int addressSuffix() const;
    // Moves the item into the place (none: out of its place).
    virtual void setPlace(Place *place);
    // After the item's address changed; nothing here.
    virtual void addressChanged();
    // Whether the item never leaves its place; false here.
    virtual bool staysInPlace() const;
    // After loading: into the place of the saved identity; true for an
    // item saved in no place, false when the place is missing.
    virtual bool updatePlacePointer(const PlaceIndex &places);
    // The item's rectangle, in its own coordinates, as it would be standing
    // in the place (none: standing in no place).
    virtual QRectF itemRectIn(const Place *place) const;

    // The model's rectangle when the item reaches beyond its place or
    // stands in no place; otherwise its place's rectangle.
    QRectF itemRect() const;
    // Whether the model hangs at an offset from its place.
    bool hasOffset() const;
    // Whether the model keeps its size in a place.
    bool hasOwnSize() const;
    // Whether the model hangs at an offset or keeps its own size: an item
    // of it drops only where the whole area it takes is free.
    static bool asksForArea(int model);
    // Whether an item of the model put into the place reaches beyond it:
    // it hangs at an offset, keeps its own size, or is wider or taller than
    // the place. Such an item covers the neighbours it reaches.
    static bool reachesBeyond(const Place *place, int model);
    // The item's body (its bounding rectangle without the margin) on the
    // sheet.
    QRectF sceneBodyRect() const;
    // The body the item would have on the sheet standing in the place.
    QRectF sceneBodyIn(const Place *place) const;
    // Takes the item out of its place, unless it stays there.
    void removeFromPlace();
    // The scene point at which the item stands in a place: the place's
    // position, or the model's offset from the place's bottom.
    static QPointF scenePositionIn(const Place *place, int model);

protected:
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    FrameLayout *frameLayout() const;

private:
    Place *m_place = nullptr;
    qint32 m_savedPlace = 0;
    // Where the mouse drags the item, while it does.
    QPointF m_dragPoint;
    bool m_dragging = false;
    // Moved by the drag of the mouse going on, this item or others with it.
    bool m_inDrag = false;
};

#endif
