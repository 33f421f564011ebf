#ifndef RLAY_ITEMTYPES_H
#define RLAY_ITEMTYPES_H

// The item type numbers and address frame kinds that units of several folders
// test against without knowing the item classes, and the type of a pin's
// owner item.

#include "model/pin.h"

#include <QGraphicsItem>

// The devices' items on schemes.
inline constexpr int firstDeviceItemType = QGraphicsItem::UserType + 300;
inline constexpr int endDeviceItemType = QGraphicsItem::UserType + 499;
// The tag items (sources, footnotes, conductors).
inline constexpr int firstTagItemType = QGraphicsItem::UserType + 201;
inline constexpr int endTagItemType = QGraphicsItem::UserType + 300;
// The items bound to an object of the project.
inline constexpr int firstBoundItemType = QGraphicsItem::UserType + 200;
inline constexpr int endBoundItemType = QGraphicsItem::UserType + 499;
// Connection items of the schemes.
inline constexpr int passageType = QGraphicsItem::UserType + 104;
inline constexpr int slantingNetType = QGraphicsItem::UserType + 112;
inline constexpr int copperPlateType = QGraphicsItem::UserType + 113;
inline constexpr int clampType = QGraphicsItem::UserType + 402;
// The power bus, and the pin it is fed through.
inline constexpr int powerBusType = QGraphicsItem::UserType + 500;
inline constexpr int powerBusFeedPin = 30;

// Frame kinds of an address.
inline constexpr int consoleFrameKind = 2;
inline constexpr int visualFrameKind = 3;
inline constexpr int relayCaseFrameKind = 5;
// The suffix "N" carries no position of its own.
inline constexpr int suffixN = 5;

// The type of the item that owns the pin; none for a pin without one.
inline int ownerType(const Pin *pin, int none = 0)
{
    PinOwner *owner = pin ? pin->owner() : nullptr;
    return owner ? owner->itemType() : none;
}

#endif // RLAY_ITEMTYPES_H
