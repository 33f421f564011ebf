#ifndef RLAY_BELL_H
#define RLAY_BELL_H

// A bell of one of bellTypes.

#include "devices/twopindevice.h"

class Bell : public TwoPinDevice
{
public:
    explicit Bell(Project *project);
    ~Bell() override;

    // The equipment model "Bell".
    int placeType() const override;
    // 23, placed or not.
    int positionCode() const override;
    // The type alone.
    void paintCaption(QPainter *painter, const QRectF &rect) override;
};

#endif
