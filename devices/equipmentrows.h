#ifndef RLAY_EQUIPMENTROWS_H
#define RLAY_EQUIPMENTROWS_H

// Rows of the equipment-model table that several devices refer to.

// The row "Console Control".
inline constexpr int consoleControlPlace = 142;
// The equipment model whose places show the lamp symbol.
inline constexpr int lampFuPlace = 154;
// The places of a varistor panel.
inline constexpr int panelPlaceType = 138;

#endif // RLAY_EQUIPMENTROWS_H
