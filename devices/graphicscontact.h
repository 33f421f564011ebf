#ifndef RLAY_GRAPHICSCONTACT_H
#define RLAY_GRAPHICSCONTACT_H

// The scene item of one contact of a relay winding. It binds by name to the
// winding object that every winding item carries, shows one contact of that
// winding's contact list (its contact number) in one form (its contact kind,
// which must suit the catalogue contact's kind), energised or released. Its
// pins and their names come from the catalogue contact. An unbound contact
// keeps its name, has no pin names and is drawn red.

#include "graphics/graphicsdevice.h"


class GraphicsRelayWinding;

class GraphicsContact : public GraphicsDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 401 };
    // The contact number of an item that shows none yet.
    enum { NoContact = 255 };

    explicit GraphicsContact(GraphicsScene *scene);
    ~GraphicsContact() override;

    int type() const override { return Type; }
    int objType() const override { return RelayWindingKind; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    // Own fields, then the bound-item record. A contact kind read outside
    // the fourteen kinds (other than unset) is a damaged record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // After the binding read with the item: a contact number that the
    // winding does not have, or a contact that its kind cannot show, is
    // damaged data; the item is left unbound and the fix-up fails.
    bool resolveLinks() override;

    // The winding's relay's address; none for an unbound contact.
    Address *address() override;
    // The relay's show-address flag; a failed check when unbound.
    bool showAddress() const override;
    // The catalogue contact's names on the pins; none while unbound.
    void updatePinNames() override;
    // The extent around the symbol, the pin labels and the name block,
    // measured when first asked for after a sheet read its items.
    void updateFromObj() override;

    // Sets the kind and makes its pins (unsoldering the former ones). A
    // bound item takes only a kind that its contact suits; false when
    // refused.
    bool setContactKind(int kind);
    int contactKind() const { return m_contactKind; }
    bool underCurrent() const { return m_underCurrent; }
    void setUnderCurrent(bool underCurrent) { m_underCurrent = underCurrent; }
    quint8 contactNumber() const { return m_contactNumber; }
    // A bound item takes only a contact of its winding that suits its kind
    // and that no other item shows; false when refused.
    bool setContactNumber(quint8 number);
    // Whether the bound winding has the contact of the number and the
    // contact suits the kind: what a file may hold for a bound item. False
    // while unbound.
    bool fitsWinding(int kind, int number) const;

    // The bound winding item, null while unbound.
    GraphicsRelayWinding *windingItem() const;
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

protected:
    void measureExtent() override;

private:
    qint32 m_contactKind = -1;
    bool m_underCurrent = false;
    quint8 m_contactNumber = NoContact;
    // Pin size plus symbol width; the height follows the kind.
    double m_width = 174;
    double m_height = 0;
};

// The parts of a contact kind: the front (make) part, the back (break) part,
// the polar arm, as the symbol shows them.
bool hasFrontContact(int kind);
bool hasBackContact(int kind);
bool isPolarContact(int kind);
// Whether an item of itemKind may show a catalogue contact of
// catalogueKind: the same kind, or one half of a changeover contact.
bool isContactKindCompatible(int catalogueKind, int itemKind);

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsContact(GraphicsScene *scene);

#endif
