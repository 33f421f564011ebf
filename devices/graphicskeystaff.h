#ifndef RLAY_GRAPHICSKEYSTAFF_H
#define RLAY_GRAPHICSKEYSTAFF_H

// The scene item of one contact group of a keystaff: a closed or open stand
// contact, a changeover half ("Contact t") or the resistor, chosen by its
// kind, showing the group of its number in the keystaff's type. Several
// items share one keystaff; each group is shown by one item at most.

#include "model/graphicsdevice.h"

class Keystaff;

class GraphicsKeystaff : public GraphicsDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 422 };
    // The number of an item that shows no group yet.
    enum { NoGroup = 255 };

    explicit GraphicsKeystaff(GraphicsScene *scene);
    ~GraphicsKeystaff() override;

    QRectF boundingRect() const override;
    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The number and the kind, then the bound-item record. The kind is
    // read from format 11 on; a kind outside the four is a damaged record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // After the binding read with the item: a group number that the
    // keystaff's type does not have is damaged data; the item is left
    // unbound and the fix-up fails.
    bool resolveLinks() override;
    // The group's pin names; none while unbound.
    void updatePinNames() override;
    // The item's name and the pin.
    QString pinName(Pin *pin, Pin *other) override;
    int objType() const override { return KeystaffKind; }
    // The width follows the item's name.
    void updateFromObj() override;

    // Sets the kind and makes its pins (unsoldering the former ones). A
    // bound item takes only the kind of its group; false when refused.
    bool setKind(int kind);
    int kind() const { return m_kind; }
    quint8 number() const { return m_number; }
    // A bound item takes only a group of its keystaff's type that has its
    // kind and that no other item shows (Keystaff::fitsGroup), so that the
    // reader takes the number back; false when refused.
    bool setNumber(quint8 number);
    // The kind and the group together: an unbound item takes both as they
    // are; a bound one the group that its keystaff gives an item of the
    // kind asking for it (the first free one of the kind when that one does
    // not fit), and nothing changes when the keystaff has none.
    bool setGroup(int kind, quint8 number);

    // The bound keystaff, null while unbound.
    Keystaff *keystaff() const;

    // The translated name of a kind; empty after a failed check outside
    // the four kinds.
    static QString kindName(int kind);

protected:
    double measureTextWidth() const override;

private:
    quint8 m_number = NoGroup;
    int m_kind = 0;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsKeystaff(GraphicsScene *scene);

#endif
