#ifndef RLAY_CAPACITOR_H
#define RLAY_CAPACITOR_H

// A capacitor: a type of capacitorTypes and a nominal of the type's list.
// Its place follows its nominal; some nominals have none.

#include "devices/twopindevice.h"

class Capacitor : public TwoPinDevice
{
public:
    explicit Capacitor(Project *project);
    ~Capacitor() override;

    // The nominal's place; -1 without a type and nominal.
    int placeType() const override;
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
    // The base name over the type, or the base name alone.
    void paintCaption(QPainter *painter, const QRectF &rect) override;
};

#endif
