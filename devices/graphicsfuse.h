#ifndef RLAY_GRAPHICSFUSE_H
#define RLAY_GRAPHICSFUSE_H

// The scene item of a fuse in one of three roles: the fuse itself (the
// primary item, two terminals), the reservation duplicate (a dashed copy
// whose one terminal stands for the primary item's second terminal) or the
// fusion-control duplicate (the fuse's signalling contact, two terminals).
// Several items share one fuse; the fuse takes at most one item per role.
// The item has no pins until its role is set.

#include "graphics/graphicsdevice.h"

class Fuse;

class GraphicsFuse : public GraphicsDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 403 };

    explicit GraphicsFuse(GraphicsScene *scene);
    ~GraphicsFuse() override;

    QRectF boundingRect() const override;
    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The role and print flags, then the bound-item record; reading sets
    // the role, which makes the pins.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // A walk reaching the reservation's terminal arrives at the primary
    // item's second terminal; the other roles end at the pin reached.
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    // The role's columns of the fuse pin names at the address position.
    void updatePinNames() override;
    int objType() const override { return FuseKind; }
    // The width follows the item's name.
    void updateFromObj() override;
    // The reservation has no pins of its own for wiring; the others give
    // their named pins (allPins: only the soldered ones).
    void allPins(QList<Pin *> &pins) override;
    void pinsByName(QHash<QString, Pin *> &pins) override;

    // Stores the role and makes its pins; nothing when the role is the
    // same and the pins exist.
    void setRole(bool duplicate, bool reservation);
    bool isDuplicate() const { return m_duplicate; }
    bool isReservation() const { return m_reservation; }
    bool isFusionControl() const { return m_duplicate && !m_reservation; }
    bool isReservationItem() const { return m_duplicate && m_reservation; }
    bool printName() const { return m_printName; }
    void setPrintName(bool print) { m_printName = print; }

    // The bound fuse, null while unbound.
    Fuse *fuse() const;

protected:
    double measureTextWidth() const override;

private:
    // What a walk reaching the entry pin reports.
    void reportPin(Pin *entry, QList<Pin *> &pins);

    bool m_duplicate = false;
    bool m_reservation = false;
    bool m_printName = false;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsFuse(GraphicsScene *scene);

#endif
