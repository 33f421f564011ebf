#ifndef RLAY_PLACE_H
#define RLAY_PLACE_H

// One mounting place of a frame layout: a rectangle of its place type inside
// its container, with the address that a device put into it receives. A
// place holds at most one place item.
//
// For now the place takes its size and its count of text rows from its
// builder; the place-type catalogue will supply them.

#include "graphics/graphicsitem.h"
#include "model/address.h"

#include <QCoreApplication>
#include <QSizeF>

class GraphicsPlaceItem;

class Place : public GraphicsItem
{
    Q_DECLARE_TR_FUNCTIONS(Place)

public:
    enum { Type = UserType + 2 };

    Place(GraphicsScene *scene, QGraphicsItem *container, int placeType, quint8 number);
    // A held item leaves the place first.
    ~Place() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    int placeType() const { return m_placeType; }
    quint8 number() const { return m_number; }
    Address &address() { return m_address; }
    const Address &address() const { return m_address; }
    // Stores the address; a held item learns that its address changed.
    void setAddress(const Address &address);

    // (0, 0, width, height) of the place.
    QRectF placeRect() const;
    // The count of text rows, at least 1.
    int rowCount() const;
    void setPlaceSize(const QSizeF &size, int rowCount);

    GraphicsPlaceItem *item() const { return m_item; }
    // Puts an item that stands in no place into this empty place.
    bool putItem(GraphicsPlaceItem *item);
    // The place's side of the link only.
    void setItem(GraphicsPlaceItem *item) { m_item = item; }

    // The translated name of an equipment-model row; empty for a row
    // without a name or out of range.
    static QString modelName(int model);

private:
    int m_placeType;
    quint8 m_number;
    Address m_address;
    QSizeF m_size;
    int m_rowCount = 1;
    GraphicsPlaceItem *m_item = nullptr;
};

#endif
