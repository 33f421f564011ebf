#ifndef RLAY_RESISTOR_H
#define RLAY_RESISTOR_H

// A resistor: a type of resistorTypes and a nominal of the type's list.
// Its place follows its type.

#include "devices/twopindevice.h"

class Resistor : public TwoPinDevice
{
public:
    explicit Resistor(Project *project);
    ~Resistor() override;

    // The type's place; -1 without a type.
    int placeType() const override;
    // Name and "type-nominal" in the place, in the largest font that fits.
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
    // The resistor body with the nominal below.
    void paintPicture(QPainter *painter) override;
    // The base name over "type-nominal", or the latter alone.
    void paintCaption(QPainter *painter, const QRectF &rect) override;

    // Whether the type is adjustable; false without a type.
    bool isAdjustable() const;
    // The power mark of the nominal; 0 without a nominal.
    int powerMark() const;
    // "type-nominal".
    QString placeText() const;
};

#endif
