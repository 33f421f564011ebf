#ifndef RLAY_VARISTOR_H
#define RLAY_VARISTOR_H

// A varistor of one of varistorTypes; its place follows its type and takes
// the address suffix "V".

#include "devices/twopindevice.h"

class Varistor : public SurgeProtector
{
public:
    explicit Varistor(Project *project);
    ~Varistor() override;

    // The type's place; -1 without a type.
    int placeType() const override;
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
};

// The varistor body in item coordinates, 160 long on y = 0: the fuse body
// crossed by a slanted line with its foot.
void drawVaristorSymbol(QPainter *painter);

#endif
