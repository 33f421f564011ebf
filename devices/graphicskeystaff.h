#ifndef RLAY_GRAPHICSKEYSTAFF_H
#define RLAY_GRAPHICSKEYSTAFF_H

// The scene item of one contact group of a keystaff (see
// GraphicsGroupedDevice): a closed or open stand contact, a changeover half
// ("Contact t") or the resistor, chosen by its kind, showing the group of
// its number in the keystaff's type; a group is shown only in its own kind.

#include "devices/graphicsgroupeddevice.h"

class Keystaff;

class GraphicsKeystaff : public GraphicsGroupedDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 422 };

    explicit GraphicsKeystaff(GraphicsScene *scene);
    ~GraphicsKeystaff() override;

    QRectF boundingRect() const override;
    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The number and the kind, then the bound-item record. The kind is
    // read from format 11 on; a kind outside the four is a damaged record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    int objType() const override { return KeystaffKind; }
    // The width follows the item's name.
    void updateFromObj() override;

    // The group's kind and number under the keystaff's own names.
    bool setKind(int kind) { return setContactKind(kind); }
    int kind() const { return contactKind(); }
    quint8 number() const { return contactNumber(); }
    bool setNumber(quint8 number) { return setContactNumber(number); }
    bool setGroup(int kind, quint8 number) { return setContactGroup(kind, number); }

    // The bound keystaff, null while unbound.
    Keystaff *keystaff() const;

    // The translated name of a kind; empty after a failed check outside
    // the four kinds.
    static QString kindName(int kind);

protected:
    void placePins() override;
    // A group number that the keystaff's type does not have is damaged
    // data; files of format 10 keep kind 0 whatever their group's kind.
    bool groupReadFits(const GroupedDevice *device) const override;
    double measureTextWidth() const override;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsKeystaff(GraphicsScene *scene);

#endif
