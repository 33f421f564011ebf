#include "devices/luminodiode.h"

#include "devices/lampsymbol.h"
#include "devices/luminodiodecatalogue.h"

Luminodiode::Luminodiode(Project *project)
    : TwoPinDevice(project, LuminodiodeKind, luminodiodeCatalogue)
{
}

Luminodiode::~Luminodiode() = default;

int Luminodiode::placeType() const
{
    return 153;
}

void Luminodiode::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                              Place *place, bool hideHelp)
{
    if (frameKind() == 0)
        drawLampInPlace(painter, rect, option, place, hideHelp, name());
    else
        Device::paintInPlace(painter, rect, option, place, hideHelp);
}
