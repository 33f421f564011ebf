#ifndef RLAY_PLACETYPES_H
#define RLAY_PLACETYPES_H

// The item type numbers of the placement and wiring pages that several
// equipment units test against, and the number of wire sections they print.

#include <QGraphicsItem>

// The containers: panels, boards and frame parts.
inline constexpr int firstContainerType = QGraphicsItem::UserType + 101;
inline constexpr int endContainerType = QGraphicsItem::UserType + 200;
inline constexpr int panelType = QGraphicsItem::UserType + 102;
inline constexpr int boardType = QGraphicsItem::UserType + 103;
// The devices placed in the containers.
inline constexpr int firstPlaceDeviceType = QGraphicsItem::UserType + 200;
// The items a wiring page's user draws.
inline constexpr int firstUserItemType = QGraphicsItem::UserType + 5;
inline constexpr int endUserItemType = QGraphicsItem::UserType + 40;
// The wire sections a wiring page names.
inline constexpr int sectionCount = 16;

#endif // RLAY_PLACETYPES_H
