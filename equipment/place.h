#ifndef RLAY_PLACE_H
#define RLAY_PLACE_H

// One mounting place of a frame layout: a rectangle of its place type inside
// its container (a frame part, a panel or a board), with the address that a
// device put into it receives. A place holds at most one place item; an
// empty place under an item of another place is covered by it (the frame
// layout decides which from where things stand), and the user may mark an
// empty place by double clicks.

#include "graphics/graphicsitem.h"
#include "model/address.h"
#include "model/identified.h"

#include <QCoreApplication>
#include <QSizeF>

class DataStream;
class GraphicsPlaceContainer;
class GraphicsPlaceItem;

class Place : public GraphicsItem, public Identified
{
    Q_DECLARE_TR_FUNCTIONS(Place)

public:
    enum { Type = UserType + 2 };
    // Normal (holding its item, if any); covered by a neighbour's item or
    // marked by the user; marked by the user; covered by a container.
    enum State { Normal = 0, Covered = 1, Marked = 2, CoveredByContainer = 3 };

    // A place of the container, its child item; the container's address
    // field of the next level takes the number. Without a container the
    // place stands alone and takes its size and address as given.
    Place(GraphicsScene *scene, GraphicsPlaceContainer *container, int placeType, quint8 number);
    // A held item leaves the place first.
    ~Place() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The container saves what a place needs: the place's own records are
    // empty.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    void saveGeometry(DataStream &stream) override;
    void loadGeometry(DataStream &stream) override;
    void saveClipboardData(DataStream &stream) override;
    void loadClipboardData(DataStream &stream) override;
    void saveClipboardGeometry(DataStream &stream) override;
    void loadClipboardGeometry(DataStream &stream) override;

    GraphicsPlaceContainer *container() const { return m_container; }
    int placeType() const { return m_placeType; }
    quint8 number() const { return m_number; }
    Address &address() { return m_address; }
    const Address &address() const { return m_address; }
    // Stores the address as given (a place outside any container); a held
    // item learns that its address changed.
    void setAddress(const Address &address);
    // Derives the place's address from its container's: fields up to the
    // field, then the place's number in that field, then what the place
    // type adds; passed on to the held item.
    void setAddress(const Address &from, int field);
    // The address the place gives an item put into it: its own, with the
    // item's address byte where the place type takes one.
    Address addressFor(const GraphicsPlaceItem *item) const;

    // (0, 0, width, height) of the place type; null for type -1.
    QRectF placeRect() const;
    // The place rectangle on the sheet.
    QRectF sceneRect() const;
    // The count of text rows, at least 1.
    int rowCount() const;
    // Overrides the place type's size and rows (a place standing alone).
    void setPlaceSize(const QSizeF &size, int rowCount);
    bool allowsModel(int model) const;
    // The names of the models the place type accepts, one a line.
    static QString allowedModelsText(int placeType);
    // The place's number as its address shows it.
    QString numberText() const;

    // The held item, or null.
    GraphicsPlaceItem *item() const { return m_item; }
    // The item that covers the place, or null.
    GraphicsPlaceItem *coveringItem() const { return m_cover; }
    // The covered state while covered, else the user's mark.
    int state() const { return m_cover ? m_coverState : m_mark; }
    // The user's mark of an empty place that nothing covers.
    int mark() const { return m_mark; }
    void setState(int state);

    // Whether the item may be dropped here with the cursor at the point.
    bool canDrop(GraphicsPlaceItem *item, const QPointF &scenePoint);
    // Puts an item that stands in no place into this empty place.
    bool putItem(GraphicsPlaceItem *item);
    // The place's side of the link; the layout then decides anew what the
    // items cover.
    void setItem(GraphicsPlaceItem *item);
    // The layout's decision: the item that covers this empty place and the
    // covered state, or none.
    void setCover(GraphicsPlaceItem *item, int state);

    // Whether the state is not normal, then the state.
    void writeState(DataStream &stream) const;
    // A mark read is taken; a covered state read is the layout's to decide
    // and is not kept.
    bool readState(DataStream &stream);

    // The translated name of an equipment-model row; empty for a row
    // without a name or out of range.
    static QString modelName(int model);

private:
    void repaintContainer();
    void drawCaption(QPainter *painter, bool hideHelp);

    // A load builds places by the hundred thousand: the fields every pass
    // reads come first, and the size a place standing alone may be given
    // is kept aside.
    int m_placeType;
    GraphicsPlaceContainer *m_container;
    GraphicsPlaceItem *m_item = nullptr;
    GraphicsPlaceItem *m_cover = nullptr;
    quint8 m_coverState = Normal;
    quint8 m_mark = Normal;
    quint8 m_number;
    // The kind byte (field 6) the place derives for itself, which a held
    // item's address byte replaces where the place type takes one.
    quint8 m_ownKindByte = 0;
    // False until the place received its first address: the first one is
    // always taken, even when it equals the default.
    bool m_addressSet = false;
    // Whether setPlaceSize gave the place a size of its own.
    bool m_ownSize = false;
    Address m_address;
};

#endif
