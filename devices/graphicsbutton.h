#ifndef RLAY_GRAPHICSBUTTON_H
#define RLAY_GRAPHICSBUTTON_H

// The scene item of one contact group of a push button. Several items may
// share one button, each showing another group of the button's type (its
// contact number), in one of three forms (its contact kind: "ft", "f" or
// "t"), pressed or released. Its pins are named from the group; an item
// bound to no button keeps its name, has no pin names and is drawn red.

#include "model/graphicsdevice.h"

#include <QRectF>
#include <QString>

class Button;

class GraphicsButton : public GraphicsDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 420 };
    // The contact number of an item that shows no group yet.
    enum { NoGroup = 255 };

    explicit GraphicsButton(GraphicsScene *scene);
    ~GraphicsButton() override;

    QRectF boundingRect() const override;
    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // Own fields, then the bound-item record. A contact kind read outside
    // the three forms (other than unset) is a damaged record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // After the binding read with the item: a group that the button's type
    // does not have, one that cannot take the item's form, or one shown by
    // another item is damaged data; the item is left unbound and the
    // fix-up fails.
    bool resolveLinks() override;
    // The group's names on the pins; none while unbound.
    void updatePinNames() override;
    // The item's name and the pin's name, for the wiring documents; empty
    // for a pin without a name.
    QString pinName(Pin *pin, Pin *other) override;
    int objType() const override { return ButtonKind; }
    // The extent around the symbol and the name.
    void updateFromObj() override;

    // Sets the form and makes its pins (unsoldering the former ones). A
    // bound item takes only a form that its group suits, as the reader
    // does; false when refused.
    bool setContactKind(int kind);
    int contactKind() const { return m_contactKind; }
    bool underCurrent() const { return m_underCurrent; }
    void setUnderCurrent(bool underCurrent) { m_underCurrent = underCurrent; }
    quint8 contactNumber() const { return m_contactNumber; }
    // A bound item takes only a group that its button may let it show
    // (Button::fitsGroup), as the reader does; false when refused.
    bool setContactNumber(quint8 number);
    // The form and the group together: an unbound item takes both as they
    // are; a bound one the group that its button gives an item of the form
    // asking for it (the first free one that suits when that one does not),
    // and nothing changes when the button has none.
    bool setContactGroup(int kind, quint8 number);
    // The translated name of a form; empty after a failed check.
    static QString contactKindName(int kind);

    // The bound button, null while unbound.
    Button *button() const;
    double extentWidth() const { return m_width; }
    double extentHeight() const { return m_height; }

private:
    qint32 m_contactKind = -1;
    bool m_underCurrent = false;
    quint8 m_contactNumber = NoGroup;
    // Pin size plus symbol width; three rows of 40 and half a pin.
    double m_width = 174;
    double m_height = 127;
    // Where the name is drawn, in item coordinates.
    QRectF m_titleRect;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsButton(GraphicsScene *scene);

#endif
