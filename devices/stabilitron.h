#ifndef RLAY_STABILITRON_H
#define RLAY_STABILITRON_H

// A stabilitron (zener diode) of one of stabilitronTypes.

#include "devices/twopindevice.h"

class Stabilitron : public TwoPinDevice
{
public:
    explicit Stabilitron(Project *project);
    ~Stabilitron() override;

    int placeType() const override;
    // The place with the type in it.
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
    // The base name.
    void paintCaption(QPainter *painter, const QRectF &rect) override;
};

#endif
