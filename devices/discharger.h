#ifndef RLAY_DISCHARGER_H
#define RLAY_DISCHARGER_H

// A discharger (surge arrester) of one of dischargerTypes. Its place takes
// the address suffix "R".

#include "devices/twopindevice.h"

class Discharger : public SurgeProtector
{
public:
    explicit Discharger(Project *project);
    ~Discharger() override;

    int placeType() const override;
    // Name and type across the place in RC frames and varistor panels,
    // else along it.
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
};

// The discharger body in item coordinates, 160 long on y = 0: the fuse
// body with an arrow inside.
void drawDischargerSymbol(QPainter *painter);

#endif
