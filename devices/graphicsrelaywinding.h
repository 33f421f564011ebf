#ifndef RLAY_GRAPHICSRELAYWINDING_H
#define RLAY_GRAPHICSRELAYWINDING_H

// The scene item of one winding of a relay: the coil picture of its type,
// the coil ends as pins, the winding name, the relay's address when shown,
// and a caption with the jumpers to fit and the type name. The item is bound
// to its Relay (one item per winding of the relay's type) and is itself the
// winding object (kind 2) that the relay's contact items bind to by name.

#include "graphics/graphicsdeviceobj.h"


class GraphicsContact;
class Relay;

class GraphicsRelayWinding : public GraphicsDeviceObj
{
public:
    enum { Type = QGraphicsItem::UserType + 302 };

    explicit GraphicsRelayWinding(GraphicsScene *scene);
    ~GraphicsRelayWinding() override;

    int type() const override { return Type; }
    int objType() const override { return RelayKind; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    // Own fields, then the bound-item record and the winding object. The
    // indices read must name a variant of the catalogue (or all be unset);
    // anything else is a damaged record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // With the half turn (the vertical mirror) a variant with four coil
    // ends exchanges its pin rows; the other variants stay as they are.
    void mirror(bool withHalfTurn) override;
    void updatePinNames() override;
    // Caption and extent; only for a bound item. The extent is measured
    // when first asked for after a sheet read its items.
    void updateFromObj() override;

    // The winding object's acceptance of a contact item: the contact it
    // asks for when that one is free and fits its kind, else the first free
    // contact that fits.
    bool canAppend(ObjItem *item) override;

    // Stores the three indices and rebuilds the pins when one differs.
    void setType(int type, int winding, int variant);
    void rebuildPins();

    int relayType() const { return m_type; }
    int winding() const { return m_winding; }
    int variant() const { return m_variant; }
    const QString &caption() const
    {
        settleExtent();
        return m_caption;
    }
    bool isRowsMirrored() const { return m_mirrored; }
    void setRowsMirrored(bool mirrored) { m_mirrored = mirrored; }
    bool isDiagonal() const { return m_diagonal; }
    void setDiagonal(bool diagonal) { m_diagonal = diagonal; }
    double top() const
    {
        settleExtent();
        return m_top;
    }
    double leadOffset() const { return m_leadOffset; }
    double extentWidth() const
    {
        settleExtent();
        return m_width;
    }
    double extentHeight() const
    {
        settleExtent();
        return m_height;
    }

    // The bound relay, null while unbound.
    Relay *relay() const;
    // The winding object's name.
    QString windingName() const { return Obj::name(); }
    // The contact item bound to the winding that shows the contact, null
    // when none does.
    GraphicsContact *contactAt(int contact) const;
    // The number of contact items bound to the winding.
    int contactItemCount() const;
    // The number of contacts of the winding in the catalogue; 0 while the
    // item has no valid winding.
    int catalogueContactCount() const;

protected:
    // The caption's jumpers, then the name block and the caption under the
    // coil as the painter lays them out.
    void measureExtent() override;

private:
    qint32 m_type = -1;
    quint8 m_winding = 255;
    quint8 m_variant = 255;
    QString m_caption;
    // Whether the caption holds the jumpers as well as the type name.
    bool m_captionJoined = true;
    double m_top = 0;
    double m_leadOffset = 0;
    // Until the first geometry update: the coil of a plain variant.
    double m_width = 214;
    double m_height = 80;
    bool m_mirrored = false;
    bool m_diagonal = false;
};

// Draws the coil picture of a winding variant in item coordinates (200
// wide, pin rows at y 40 and 80) with the painter's pen. The marks inside
// the coil keep their orientation whatever the item's quarter turn and
// mirror. Indices outside the catalogue draw nothing.
void paintRelayPicture(QPainter *painter, int type, int winding, int variant, int quarterTurn, bool mirrored);

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsRelayWinding(GraphicsScene *scene);

#endif
