#include "devices/lamp.h"

#include "devices/equipmentrows.h"
#include "devices/lampcatalogue.h"
#include "devices/lampsymbol.h"

namespace {

// The position code of every lamp: the pin names "1" and "2".
const int lampPositionCode = 23;

} // namespace

Lamp::Lamp(Project *project)
    : TypedDevice(project, LampKind, LampTypeCount, lampTypeName)
{
}

Lamp::~Lamp() = default;

int Lamp::placeType() const
{
    return isLampType(modelIndex()) ? lampTypes[modelIndex()].placeType : -1;
}

int Lamp::positionCode() const
{
    return lampPositionCode;
}

void Lamp::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option, Place *place,
                        bool hideHelp)
{
    if (placeType() == lampFuPlace)
        drawLampInPlace(painter, rect, option, place, hideHelp, name());
    else
        Device::paintInPlace(painter, rect, option, place, hideHelp);
}

int Lamp::pinCount() const
{
    return 2;
}
