#include "devices/signallamp.h"

#include "devices/lampsymbol.h"
#include "devices/signallampcatalogue.h"

Signallamp::Signallamp(Project *project)
    : TwoPinDevice(project, SignallampKind, signallampCatalogue)
{
}

Signallamp::~Signallamp() = default;

int Signallamp::placeType() const
{
    return 153;
}

void Signallamp::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                              Place *place, bool hideHelp)
{
    if (frameKind() == 0)
        drawLampInPlace(painter, rect, option, place, hideHelp, name());
    else
        Device::paintInPlace(painter, rect, option, place, hideHelp);
}
