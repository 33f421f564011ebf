#ifndef RLAY_GRAPHICSPLACECONTAINER_H
#define RLAY_GRAPHICSPLACECONTAINER_H

// A place item that owns places: a frame part, a panel or a board. Its
// container kind lays its places out inside its rectangle, may put pre-built
// panels or boards into some of them, and decides how its places are
// numbered and addressed. The container hands its address down to its
// places, and they to the items they hold.

#include "equipment/graphicsplaceitem.h"
#include "model/address.h"

#include <QList>
#include <QRectF>
#include <QVarLengthArray>

class Pin;

class GraphicsPlaceContainer : public GraphicsPlaceItem
{
public:
    enum { Type = UserType + 101 };

    GraphicsPlaceContainer(GraphicsScene *scene, GraphicsItem *parent,
                           GraphicsItemFlags frameworkFlags = GraphicsItemFlags());
    // Its places give up what they hold.
    ~GraphicsPlaceContainer() override;

    int type() const override { return Type; }
    // The item as a container, when it is one; null otherwise.
    static GraphicsPlaceContainer *asContainer(GraphicsPlaceItem *item);
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The identity of every place, with the records of the pre-built
    // containers; a top-level container adds its own place and its flag.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // The states of the places, with the geometry of the pre-built
    // containers.
    void saveGeometry(DataStream &stream) override;
    void loadGeometry(DataStream &stream) override;
    // Moving lets go of the items in the places.
    void transformChanged() override;

    // The container kind's model; -1 without a kind.
    int modelId() const override;
    // The place, then the place's address handed down.
    void setPlace(Place *place) override;
    // A top-level container goes into its place, then the pre-built
    // containers into theirs.
    bool updatePlacePointer(const PlaceIndex &places) override;
    // The container kind's rectangle, wherever the container stands.
    QRectF itemRectIn(const Place *place) const override;

    // The panel or board type; -1 in the base.
    virtual int containerType() const;
    virtual bool setContainerType(int type);
    // Takes a type outside the table as a file holds it, on a container
    // without places: the number stays, no places come, nothing is
    // reported here.
    virtual void keepContainerType(int type);
    // 2 a frame part, 3 a panel, 4 a board.
    virtual int level() const;
    // The place's number, after the note when one is given.
    virtual void drawPlaceText(QPainter *painter, const QRectF &rect, int flags, Place *place,
                               const char *note);

    int containerKind() const { return m_kind; }
    // Builds the places of the kind; the old places go with what the
    // builder had put into them.
    void setContainerKind(int kind);
    const QList<Place *> &places() const { return m_places; }
    // Asks for the memory of the places ahead of a walk over them all: the
    // passes of a load meet them long after they were built.
    void prefetchPlaces() const;
    // The container kind's rectangle; null without a kind.
    QRectF containerRect() const;
    // The item held by the place of that index.
    GraphicsPlaceItem *placeItem(int index) const;
    // The pre-built container of the place of that index, or null.
    GraphicsPlaceContainer *nestedContainer(int index) const;
    // A container pre-built into its place stays there, of its type, for
    // as long as the container that built it: the records of that
    // container hold it.
    bool staysInPlace() const override;

    const Address &address() const { return m_address; }
    // Takes the address, then every place derives its own from it.
    void setAddress(const Address &address, int field);

    // The flag byte, kept from the file; only a top-level container has one
    // of its own.
    quint8 flag() const { return m_flag; }
    // The flag of the top-level container above this one.
    quint8 rootFlag() const;

    // The first place, here or in a held container, that takes the item
    // with the cursor at the point.
    Place *findDropPlace(GraphicsPlaceItem *item, const QPointF &scenePoint);
    // Lets every place give up its item, but for the pre-built containers,
    // whose places give up theirs.
    void releasePlaces();
    // Nothing covers the places here and below: they left the frame's tree.
    void clearCovering();
    // A double click on the place at the point: an empty place cycles its
    // user marks, a held container passes it on, a covered place ignores
    // it. False when no place is there.
    bool markPlaceAt(const QPointF &scenePoint);

    // Walks of the tree, places in order, into the containers they hold.
    void collectPlaces(QList<Place *> &list) const;
    void collectWires(QList<Pin *> &toWire, QList<QList<Pin *>> &groups) const;
    void collectPins(QList<Pin *> &pins) const;
    // Every item placed here or below, deepest first.
    void collectHeldItems(QList<GraphicsPlaceItem *> &items) const;

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    // The number of place records a file holds for this container.
    virtual int recordedPlaceCount(const DataStream &stream) const;

private:
    void clearPlaces();
    // The places live side by side in one block of the container's: built
    // into it in order, destroyed in the same order, the block freed last.
    static void destroyPlaces(void *block, qsizetype count);
    // The place of that index, found in the block without the list.
    Place *placeAt(qsizetype index) const;
    using Rects = QVarLengthArray<QRectF, 64>;
    void layOut(Rects *cells, Rects *bands, QRectF *margin1, QRectF *margin2, Rects *lines) const;
    void drawCaption(QPainter *painter, const QRectF &strip, const char *caption, int font, bool vertical);

    Address m_address;
    bool m_addressSet = false;
    int m_kind = -1;
    QList<Place *> m_places;
    void *m_placeBlock = nullptr;
    // Per place, for a kind that builds containers into its places: the
    // pre-built container the builder put there, or null.
    QList<GraphicsPlaceContainer *> m_nested;
    quint8 m_flag = 0;
};

#endif
