#ifndef RLAY_GRAPHICSTWOPIN_H
#define RLAY_GRAPHICSTWOPIN_H

// The scene item of a two-terminal component or indicator: a symbol of
// body length L between pin 0 at (0, 0) and pin 1 at (L, 0), under a text
// column as wide as the widest of the item's texts, centred over the body.
// Every item owns its device. The kinds draw their symbols and texts in
// drawPicture; the base keeps the geometry, the pens and the help layer.

#include "graphics/graphicsdevice.h"

#include <QStringList>

class TwoPinDevice;

class GraphicsTwoPin : public GraphicsDevice
{
public:
    GraphicsTwoPin(GraphicsScene *scene, double length);
    ~GraphicsTwoPin() override;

    // The text column joined with what the picture draws beside it.
    QRectF boundingRect() const override;
    // The picture in the item's pen and font 3.
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The column is as wide as the widest measured text, at least the
    // kind's minimum.
    void updateFromObj() override;

    // The bound device, null while unbound.
    TwoPinDevice *twoPinDevice() const;
    double length() const { return m_length; }

protected:
    // The kind's picture; the painter holds the pen and the font.
    virtual void drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                             bool hideHelp) = 0;
    // The column's top, height and centre.
    virtual double columnTop() const = 0;
    virtual double columnHeight() const = 0;
    virtual double columnCentre() const;
    // What the picture draws outside the column; the pins in the base.
    virtual QRectF pictureExtent() const;
    // The texts the column must hold: the address text, the name and, for
    // a bound item, the nominal and the type.
    virtual QStringList measuredTexts() const;
    // The column width for the widest text; a new item's column is the
    // width for no text in the base's measure.
    virtual double widthFor(double widest) const;

    double columnLeft() const { return columnCentre() - textWidth() / 2; }
    // A row of the column, 40 high.
    QRectF row(double top) const { return QRectF(columnLeft(), top, textWidth(), 40); }
    // Text that reads upright in the item; nothing without fonts.
    void text(QPainter *painter, const QRectF &rect, int alignment, const QString &text);
    // The name of the pin, empty for none.
    QString pinText(int index);
    // Whether the device's address lies in a console or visual frame.
    bool inConsoleFrame() const;
    // The text of the device's address; empty without one.
    QString deviceAddressText() const;
    // The address text, when the device shows its address and has one. In
    // a console or visual frame it is help.
    void drawAddress(QPainter *painter, const QRectF &rect, int alignment, const QPen &pen, bool hideHelp);
    // Unless hideHelp: the help text (when given) in the help pen, the
    // pins and the selection frame.
    void drawHelp(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp, const QPen &pen,
                  const QRectF &rect = QRectF(), int alignment = 0, const QString &help = QString());

private:
    double m_length;
};


// The items of the kinds that show their type only (diode, stabilitron,
// discharger, varistor): the address above the body, the type below it,
// the pin names at the leads and the item's name as help.
class GraphicsPlainTwoPin : public GraphicsTwoPin
{
public:
    explicit GraphicsPlainTwoPin(GraphicsScene *scene);
    ~GraphicsPlainTwoPin() override;

protected:
    void drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                     bool hideHelp) override;
    double columnTop() const override { return -80; }
    double columnHeight() const override { return 200; }
    // The body between the pins, in the current pen.
    virtual void drawBody(QPainter *painter) = 0;
    // Whether the body is drawn only for a bound item.
    virtual bool bodyNeedsDevice() const = 0;
    // The top of the pin names' row.
    virtual double pinNameTop() const { return 0; }
};

#endif
