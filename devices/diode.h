#ifndef RLAY_DIODE_H
#define RLAY_DIODE_H

// A diode of one of diodeTypes.

#include "devices/twopindevice.h"

class Diode : public TwoPinDevice
{
public:
    explicit Diode(Project *project);
    ~Diode() override;

    // The equipment model "Diode".
    int placeType() const override;
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
    // The base name.
    void paintCaption(QPainter *painter, const QRectF &rect) override;
};

#endif
