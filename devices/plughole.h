#ifndef RLAY_PLUGHOLE_H
#define RLAY_PLUGHOLE_H

// A plug hole (a socket with two contacts). It has one type only.

#include "devices/twopindevice.h"

class Plughole : public TwoPinDevice
{
public:
    explicit Plughole(Project *project);
    ~Plughole() override;

    // Always the translated "Plughole".
    QString modelName() const override;
    int placeType() const override;
    // The base name in the place, in the largest font that fits.
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
    // The base name.
    void paintCaption(QPainter *painter, const QRectF &rect) override;
};

// The plughole's catalogue has no rows.
extern const TwoPinCatalogue plugholeCatalogue;
// The widest spacing of a plughole's holes.
inline constexpr int plugholeMaxSpacing = 100;

#endif
